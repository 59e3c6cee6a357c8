#!/usr/bin/env bash
# The tray program end to end on the wine desktop: desktop_e2e_wine_tests.exe, with the native
# lexiton-server on loopback for its server-mode tests (the settings file holding the session
# goes to the tests as LEXITON_E2E_SESSION_INI).
#
#   desktop_e2e.sh NATIVE_BIN WINDOWS_BIN [gtest arguments]
# Run by ctest in the mingw build through scripts/wine-ctest, which provides WINEPREFIX,
# WINELOADER and an Xvfb DISPLAY of its own.
set -u
native_bin=${1:?usage: desktop_e2e.sh NATIVE_BIN WINDOWS_BIN}
win_bin=${2:?usage: desktop_e2e.sh NATIVE_BIN WINDOWS_BIN}
shift 2

fail() {
  echo "desktop_e2e: FAIL: $*" >&2
  exit 1
}

[ -x "$native_bin/lexiton-server" ] ||
  fail "no native lexiton-server in $native_bin: build the native tree first (make native)"
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] && [ -x "${WINELOADER:-}" ] ||
  fail "WINEPREFIX, WINELOADER and DISPLAY are not set: run through scripts/wine-ctest"
[ -f "$win_bin/desktop_e2e_wine_tests.exe" ] || fail "$win_bin/desktop_e2e_wine_tests.exe is missing"
command -v python3 >/dev/null || fail "python3 is needed to read the test program's results"

. "$(dirname "$0")/server_session.sh"
server_session_scratch desktop_e2e

# Bounded, so it ends even if this script is killed before its trap runs (a ctest timeout).
SERVER_SESSION_SECONDS=900 server_session_start "$native_bin/lexiton-server" "$work" ||
  fail "lexiton-server did not start"
export LEXITON_E2E_SESSION_INI
LEXITON_E2E_SESSION_INI=$("$WINELOADER" winepath -w "$server_ini" 2>/dev/null)
[ -n "$LEXITON_E2E_SESSION_INI" ] || fail "winepath does not work in $WINEPREFIX"

# Under wine the test program's standard output sometimes stops partway (its handle is closed
# while it spawns xdotool with wordpad open), so the results are also read from gtest's XML.
results=$work/results.xml
rc=0
(cd "$win_bin" && "$WINELOADER" desktop_e2e_wine_tests.exe \
   --gtest_output="xml:$("$WINELOADER" winepath -w "$results" 2>/dev/null)" "$@") </dev/null || rc=$?
python3 - "$results" <<'EOF' || rc=1
import sys, xml.etree.ElementTree as tree
try:
    # A failure's message may quote bytes that are not UTF-8 (a result's Hungarian text).
    text = open(sys.argv[1], "rb").read().decode("utf-8", errors="replace")
    cases = list(tree.fromstring(text).iter("testcase"))
except (OSError, tree.ParseError) as e:
    sys.exit(f"desktop_e2e: no results from the test program ({e})")
if not cases:
    sys.exit("desktop_e2e: the test program ran no test")
for case in cases:
    failures = case.findall("failure")
    print(f"desktop_e2e: {case.get('classname')}.{case.get('name')}: "
          f"{'FAILED' if failures else case.get('result', 'run')} in {case.get('time')} s")
    for failure in failures:
        print("  " + failure.get("message", "").replace("\n", "\n  "))
EOF
if [ "$rc" -ne 0 ]; then
  echo "lexiton-server's log:"
  cat "$server_log"
fi
exit "$rc"
