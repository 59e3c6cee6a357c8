# Sourced by the wine harness, the demo and scripts/wine-exec: which Windows architecture this
# machine can run, and a private wine prefix for one build folder with an Xvfb display of its
# own (wine creates no window without one), both shut down on exit.
#   wine_arches                    prints the architectures (i686, x86_64) whose wine tests run
#                                  here; fails loudly when the machine can run neither
#   wine_arch                      prints the first of them
#   wine_tree_for ARCH             prints the build folder's name (win32, win64)
#   wine_arch_can_run ARCH         whether this machine can run wine for ARCH
#   wine_loader_for ARCH           the wine loader for ARCH
#   wine_server_keep               starts the wineserver of WINEPREFIX to stay until killed
#   wine_session_start BUILD_DIR   sets WINEPREFIX, WINEARCH, WINELOADER and DISPLAY for the
#                                  build folder's architecture; boots the prefix; traps cleanup.
#
# Some machines cannot execute 32-bit code at all: the kernel refuses every 32-bit program, the
# 32-bit wine loader included, while /usr/lib/wine/wine64 runs everywhere. /usr/bin/wine and
# winepath always pick the 32-bit loader when wine32 is installed, so everything here calls the
# loader of the architecture by its path, and exports it as WINELOADER for the programs wine
# starts itself. LEXITON_WINE_ARCH=x86_64 forces the 64-bit path on any machine (i686 forces
# the 32-bit one, and fails where it cannot run).

wine_loader_for() {
  case $1 in
    i686) echo /usr/lib/wine/wine ;;
    x86_64) echo /usr/lib/wine/wine64 ;;
    *) echo "wine: unknown architecture '$1' (i686 or x86_64)" >&2; return 1 ;;
  esac
}

# Runs the loader itself: `--version` needs no prefix, so this asks only whether the kernel
# executes the loader's code (32-bit code, for i686).
wine_arch_can_run() {
  local loader
  loader=$(wine_loader_for "$1") || return 1
  [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1
}

# The architectures whose wine tests run here, in order: the one LEXITON_WINE_ARCH forces, else
# every one this machine can run (i686 first). Fails loudly when there is none.
wine_arches() {
  local forced=${LEXITON_WINE_ARCH:-} arch found=()
  if [ -n "$forced" ]; then
    wine_arch_can_run "$forced" && { echo "$forced"; return 0; }
    echo "wine: LEXITON_WINE_ARCH=$forced, but $(wine_loader_for "$forced" 2>/dev/null || echo "its loader") cannot run on this machine" >&2
    return 1
  fi
  for arch in i686 x86_64; do
    wine_arch_can_run "$arch" && found+=("$arch")
  done
  [ ${#found[@]} -gt 0 ] && { echo "${found[*]}"; return 0; }
  echo "wine: this machine runs neither /usr/lib/wine/wine (32-bit) nor /usr/lib/wine/wine64: run 'make deps'" >&2
  return 1
}

# The first of them: the one a single run (the demo) uses.
wine_arch() {
  local arches
  arches=$(wine_arches) || return 1
  echo "${arches%% *}"
}

# The mingw build folder of an architecture: build/win32 holds i686, build/win64 x86_64.
wine_tree_for() {
  case $1 in
    i686) echo win32 ;;
    x86_64) echo win64 ;;
    *) echo "wine: unknown architecture '$1' (i686 or x86_64)" >&2; return 1 ;;
  esac
}

# The architecture of a Windows program, from the machine field of its PE header.
wine_arch_of_exe() {
  local pe machine
  pe=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$pe" ] || return 1
  machine=$(od -An -t x2 -j $((pe + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
  case $machine in
    014c) echo i686 ;;
    8664) echo x86_64 ;;
    *) echo "wine: $1 is not a 32- or 64-bit x86 Windows program" >&2; return 1 ;;
  esac
}

# The architecture a mingw build folder was configured for, from its CMake cache.
wine_arch_of_build() {
  local arch
  arch=$(sed -n 's/^LEXITON_WINDOWS_ARCH:INTERNAL=//p' "$1/CMakeCache.txt" 2>/dev/null)
  case $arch in
    i686|x86_64) echo "$arch" ;;
    *) echo "wine: $1 is not a configured mingw build folder" >&2; return 1 ;;
  esac
}

# Sets WINEARCH and WINELOADER for one architecture.
wine_use_arch() {
  WINELOADER=$(wine_loader_for "$1") || return 1
  case $1 in
    i686) WINEARCH=win32 ;;
    x86_64) WINEARCH=win64 ;;
  esac
  export WINEARCH WINELOADER
}

# A wineserver that a program starts ends a few seconds after its last client; a program that
# starts in that moment is refused ("recvmsg: Connection reset by peer") and its test fails for
# nothing. So the server is started first, told to stay (-p) until `wineserver -k`; it needs
# the prefix's folder to exist.
wine_server_keep() {
  mkdir -p "$WINEPREFIX" && wineserver -p >/dev/null 2>&1
  case $? in
    0|2) return 0 ;;  # started, or one already runs for this prefix
    *) echo "wine: cannot start a wineserver for $WINEPREFIX" >&2; return 1 ;;
  esac
}

wine_session_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${wine_session_xvfb:-}" ]; then
    kill "$wine_session_xvfb" 2>/dev/null
    wait "$wine_session_xvfb" 2>/dev/null
  fi
  rm -f "${wine_session_dfile:-}"
  wine_session_xvfb=""
}

wine_session_start() {
  local arch
  arch=$(wine_arch_of_build "$1") || return 1
  if ! wine_arch_can_run "$arch"; then
    echo "wine: $1 holds $arch programs, and this machine cannot run $(wine_loader_for "$arch")" >&2
    return 1
  fi
  wine_use_arch "$arch" || return 1
  export WINEPREFIX="$1/wineprefix" WINEDEBUG=${LEXITON_WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml="
  unset WINELOADERNOEXEC
  trap wine_session_cleanup EXIT
  trap 'wine_session_cleanup; exit 130' INT TERM

  # Xvfb chooses a free display and reports it, so parallel runs never collide and the
  # caller's DISPLAY is never used.
  wine_session_dfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$wine_session_dfile" </dev/null >/dev/null 2>&1 &
  wine_session_xvfb=$!
  local display="" _
  for _ in $(seq 100); do
    display=$(tr -dc 0-9 <"$wine_session_dfile")
    [ -n "$display" ] && break
    sleep 0.1
  done
  [ -n "$display" ] || { echo "wine: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$display"

  # One wineserver for the whole session, then the prefix booted once (about 12 s when new), so
  # each program then starts in a fraction of a second.
  wine_server_keep || return 1
  timeout 180 "$WINELOADER" wineboot -i </dev/null >/dev/null 2>&1 || true
  # No window manager runs on this display: unmanaged windows spare wine its wait (up to two
  # seconds a window) for a manager to acknowledge that a window was hidden or destroyed.
  timeout 60 "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    </dev/null >/dev/null 2>&1 || true
  # A program that crashes ends instead of opening the debugger's dialog, which would wait for
  # a click until the test's time limit.
  timeout 60 "$WINELOADER" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    </dev/null >/dev/null 2>&1 || true
}
