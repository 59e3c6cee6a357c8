#!/usr/bin/env bash
# The set-up's decisions on a machine whose package mirror is in mid-sync, with stand-in
# apt-get, dpkg, dpkg-query and sudo first in PATH: an update that fails once, one that always
# fails on one index, 32-bit wine that cannot be installed or cannot run, and the skips that
# make check counts.
#   deps_test.sh SCRIPTS_DIR
set -u
scripts=${1:?usage: deps_test.sh SCRIPTS_DIR}
scripts=$(cd "$scripts" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/deps_test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# --- stand-ins --------------------------------------------------------------------------------
# $work/state holds what they read: "missing" (packages not installed), "update-failures" (how
# many updates still fail; "always" for every one), "no-wine32" (wine32 cannot be installed).
bin=$work/bin state=$work/state
mkdir -p "$bin" "$state"
cat >"$bin/apt-get" <<'SH'
#!/usr/bin/env bash
state=$STANDIN_STATE
echo "apt-get $*" >>"$state/calls"
args=" $* "
if [[ $args == *" update "* ]]; then
  left=$(cat "$state/update-failures" 2>/dev/null || echo 0)
  if [ "$left" = always ] || [ "$left" -gt 0 ]; then
    [ "$left" = always ] || echo $((left - 1)) >"$state/update-failures"
    echo "Err:6 http://mirror/debian-security bookworm-security/main i386 Packages"
    echo "E: Failed to fetch http://mirror/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100
  fi
  echo "Reading package lists..."
  exit 0
fi
if [[ $args == *" install "* ]]; then
  if [[ $args == *" wine32:i386 "* ]] && [ -e "$state/no-wine32" ]; then
    echo "Some packages could not be installed."
    echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100
  fi
  for p in $args; do
    [[ $p == -* || $p == install || $p == *=* ]] && continue
    grep -vx -- "$p" "$state/missing" >"$state/missing.new"; mv "$state/missing.new" "$state/missing"
    echo "$p" >>"$state/installed-now"
  done
  exit 0
fi
exit 0
SH
cat >"$bin/dpkg-query" <<'SH'
#!/usr/bin/env bash
# dpkg-query -W -f='${Status}' PACKAGE
p=${*: -1}
grep -qx -- "$p" "$STANDIN_STATE/missing" && exit 1
printf 'install ok installed'
SH
cat >"$bin/dpkg" <<'SH'
#!/usr/bin/env bash
echo "dpkg $*" >>"$STANDIN_STATE/calls"
case $1 in
  --print-foreign-architectures) cat "$STANDIN_STATE/arches" 2>/dev/null ;;
  --add-architecture) echo "$2" >>"$STANDIN_STATE/arches" ;;
esac
SH
printf '#!/bin/sh\nexec "$@"\n' >"$bin/sudo"
chmod +x "$bin"/*
export STANDIN_STATE=$state PATH="$bin:$PATH" LEXITON_APT_PAUSE=0

# A fresh state and the set-up's steps run in a subshell against it; prints what deps printed.
fresh() {
  rm -rf "$state"/* "$work/cache"
  mkdir -p "$work/cache"
  printf 'xdotool\ncmake\nwine32:i386\n' >"$state/missing"
}
run_deps() {  # run_deps STEP... : sources deps.sh and runs the steps; status of the last
  (
    export LEXITON_CACHE=$work/cache
    . "$scripts/deps.sh"
    for step in "$@"; do "$step" || exit; done
  ) >"$work/out" 2>&1
}
updates() { grep -c ' update' "$state/calls" 2>/dev/null || echo 0; }

# --- an update that fails once, then succeeds --------------------------------------------------
fresh
echo 1 >"$state/update-failures"
run_deps install_packages || fail "an update that failed once stopped the set-up: $(cat "$work/out")"
[ "$(updates)" -eq 2 ] || fail "the update was run $(updates) times, want 2 (one failure, one retry)"
[ -e "$work/cache/.apt-updated" ] || fail "no update stamp after an update that succeeded"
grep -qx xdotool "$state/installed-now" 2>/dev/null || fail "the missing packages were not installed"
grep -q 'index not updated' "$work/out" && fail "a retried update was reported as failed: $(cat "$work/out")"

# --- an update that always fails on one index ----------------------------------------------
fresh
echo always >"$state/update-failures"
run_deps install_packages || fail "a partial update stopped the set-up: $(cat "$work/out")"
grep -qx cmake "$state/installed-now" 2>/dev/null || fail "deps did not go on to install the rest"
[ "$(grep -c 'index not updated' "$work/out")" -eq 1 ] || fail "the failing index was not named on one line: $(cat "$work/out")"
grep -q 'binary-i386/Packages.xz' "$work/out" || fail "the line does not say which index failed: $(cat "$work/out")"
[ -e "$work/cache/.apt-updated" ] && fail "the update stamp was written after a partial update"
[ "$(updates)" -ge 3 ] || fail "the update was tried only $(updates) times"

# --- 32-bit wine that cannot be installed ----------------------------------------------------
fresh
touch "$state/no-wine32"
LEXITON_EXEC32=yes run_deps install_packages install_wine32 ||
  fail "a 32-bit wine that cannot be installed stopped the set-up: $(cat "$work/out")"
grep -q '^deps: 32-bit wine not installed: Unable to correct problems, you have held broken packages' "$work/out" ||
  fail "the reason was not reported: $(cat "$work/out")"
[ "$(grep -c '32-bit wine not installed' "$work/out")" -eq 1 ] || fail "not one line: $(cat "$work/out")"
grep -q 'install.*wine32:i386.*xdotool\|install.*xdotool.*wine32:i386' "$state/calls" &&
  fail "wine32 was installed together with the other packages"
grep -qx i386 "$state/arches" || fail "the i386 architecture was not added"

# --- a machine that cannot execute 32-bit code ------------------------------------------------
fresh
LEXITON_EXEC32=no run_deps install_wine32 || fail "deps failed without 32-bit execution: $(cat "$work/out")"
grep -q '^deps: 32-bit wine not installed: this machine cannot execute 32-bit code' "$work/out" ||
  fail "the reason was not reported: $(cat "$work/out")"
grep -q 'wine32' "$state/calls" 2>/dev/null && fail "apt was asked for wine32 on a machine that cannot run it"
grep -q 'add-architecture' "$state/calls" 2>/dev/null && fail "the i386 architecture was added anyway"

# --- skips in make check ----------------------------------------------------------------------
logs=$work/logs passed=0 failed=0 skipped=0 status=0
mkdir -p "$logs"
. "$scripts/stage.sh"
gtest_output() {  # gtest_output CASE REASON
  printf '[ RUN      ] %s\nZ:\\src\\t.cpp:12: Skipped\n%s\n\n[  SKIPPED ] %s (0 ms)\n' "$1" "$2" "$1"
}
junit() {  # junit FILE OUTPUT
  /usr/bin/python3 - "$1" "$2" <<'PY'
import sys, xml.etree.ElementTree as ET
suite = ET.Element("testsuite")
case = ET.SubElement(suite, "testcase", name="host_wine_tests", status="run")
ET.SubElement(case, "system-out").text = sys.argv[2]
ET.ElementTree(suite).write(sys.argv[1])
PY
}
printf '100%% tests passed, 0 tests failed out of 1\n' >"$logs/one.log"
junit "$logs/unlisted.xml" "$(gtest_output Host.Hungarian 'needs a Central European code page')"
count "$logs/one.log" unlisted "$logs/unlisted.xml" >/dev/null
[ "$failed" -eq 1 ] && [ "$skipped" -eq 0 ] && [ "$status" -eq 1 ] ||
  fail "a skip for a reason not on the list: $failed failed, $skipped skipped, status $status; want 1, 0, 1"
passed=0 failed=0 skipped=0 status=0
junit "$logs/listed.xml" "[ RUN      ] A.Runs
[       OK ] A.Runs (1 ms)
$(gtest_output A.Old 'needs 32-bit execution here')"
count "$logs/one.log" listed "$logs/listed.xml" >/dev/null
[ "$passed" -eq 1 ] && [ "$failed" -eq 0 ] && [ "$skipped" -eq 1 ] && [ "$status" -eq 0 ] ||
  fail "a skip on the list: $passed passed, $failed failed, $skipped skipped; want 1, 0, 1"
passed=0 failed=0 skipped=0 status=0
skip 12 "needs 32-bit execution" >/dev/null
skip 3 "the proxy is not installed" >/dev/null
[ "$skipped" -eq 12 ] && [ "$failed" -eq 3 ] && [ "$status" -eq 1 ] ||
  fail "tests not run: $skipped skipped, $failed failed; want 12 and 3"

[ "$failures" -eq 0 ] && echo "deps_test: all checks passed"
exit $((failures > 0))
