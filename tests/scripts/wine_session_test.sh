#!/usr/bin/env bash
# The wine harness's decisions: which loader a program's PE header asks for, which architecture
# a build folder holds, what LEXITON_WINE_ARCH does, and that the session's wineserver stays.
#   wine_session_test.sh SCRIPTS_DIR
set -u
scripts=${1:?usage: wine_session_test.sh SCRIPTS_DIR}
. "$scripts/wine-session.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/wine_session_test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() {  # expect WANT DESCRIPTION COMMAND...
  local want=$1 what=$2 got; shift 2
  got=$("$@" 2>/dev/null) || got="(failed)"
  [ "$got" = "$want" ] || fail "$what: want '$want', got '$got'"
}

# A minimal PE image: "MZ", the PE header's offset at 60, "PE\0\0" and the machine field.
pe() {
  python3 - "$1" "$2" <<'PY'
import struct, sys
machine, path = int(sys.argv[1], 16), sys.argv[2]
image = bytearray(256)
image[0:2] = b"MZ"
image[60:64] = struct.pack("<I", 128)
image[128:132] = b"PE\0\0"
image[132:134] = struct.pack("<H", machine)
open(path, "wb").write(image)
PY
}
pe 14c "$work/x86.exe"
pe 8664 "$work/x64.exe"
pe aa64 "$work/arm64.exe"
printf 'not a program' >"$work/text.exe"
expect i686 "a 32-bit x86 program" wine_arch_of_exe "$work/x86.exe"
expect x86_64 "a 64-bit x86 program" wine_arch_of_exe "$work/x64.exe"
expect "(failed)" "an ARM64 program" wine_arch_of_exe "$work/arm64.exe"
expect "(failed)" "a file that is no program" wine_arch_of_exe "$work/text.exe"
expect "(failed)" "a missing file" wine_arch_of_exe "$work/missing.exe"

# Build folders say their architecture in their CMake cache.
mkdir -p "$work/b32" "$work/b64" "$work/native"
echo 'LEXITON_WINDOWS_ARCH:INTERNAL=i686' >"$work/b32/CMakeCache.txt"
echo 'LEXITON_WINDOWS_ARCH:INTERNAL=x86_64' >"$work/b64/CMakeCache.txt"
echo 'CMAKE_BUILD_TYPE:STRING=Debug' >"$work/native/CMakeCache.txt"
expect i686 "the 32-bit tree" wine_arch_of_build "$work/b32"
expect x86_64 "the 64-bit tree" wine_arch_of_build "$work/b64"
expect "(failed)" "a native tree" wine_arch_of_build "$work/native"

expect /usr/lib/wine/wine "the 32-bit loader" wine_loader_for i686
expect /usr/lib/wine/wine64 "the 64-bit loader" wine_loader_for x86_64
expect "(failed)" "an unknown architecture" wine_loader_for arm64
expect win32 "the 32-bit tree's folder" wine_tree_for i686
expect win64 "the 64-bit tree's folder" wine_tree_for x86_64
expect "(failed)" "an unknown architecture's folder" wine_tree_for arm64

# LEXITON_WINE_ARCH forces one architecture, or fails where that one cannot run.
expect "(failed)" "a forced unknown architecture" env LEXITON_WINE_ARCH=sparc bash -c ". '$scripts/wine-session.sh'; wine_arch"
if wine_arch_can_run x86_64; then
  expect x86_64 "the forced 64-bit path" env LEXITON_WINE_ARCH=x86_64 bash -c ". '$scripts/wine-session.sh'; wine_arch"
fi
if wine_arch_can_run i686; then
  expect i686 "the first choice where 32-bit code runs" env -u LEXITON_WINE_ARCH bash -c ". '$scripts/wine-session.sh'; wine_arch"
else
  expect "(failed)" "forcing 32-bit where it cannot run" env LEXITON_WINE_ARCH=i686 bash -c ". '$scripts/wine-session.sh'; wine_arch"
  if wine_arch_can_run x86_64; then
    expect x86_64 "the fallback without 32-bit code" env -u LEXITON_WINE_ARCH bash -c ". '$scripts/wine-session.sh'; wine_arch"
  fi
fi

# The session's wineserver outlives the few seconds a server lingers after its last client
# (here the programs that boot the prefix), until it is killed.
if wine_arch_can_run x86_64; then
  export WINEPREFIX="$work/prefix" WINEDEBUG=-all
  if wine_server_keep; then
    (unset DISPLAY; timeout 120 /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1)
    sleep 5
    wineserver -k >/dev/null 2>&1 || fail "the kept wineserver ended after its last client"
  else
    fail "wine_server_keep could not start a wineserver"
  fi
  wineserver -k >/dev/null 2>&1
fi

[ "$failures" -eq 0 ] && echo "wine_session_test: all checks passed"
exit $((failures > 0))
