#!/usr/bin/env bash
# The scripts that run tests must fail when what they run fails: a stage of scripts/check takes
# its command's status, not that of the tee that logs it, and scripts/fuzz-all exits non-zero
# after a target that crashed, having run the others.
#   failing_scripts_test.sh SCRIPTS_DIR
set -u
scripts=${1:?usage: failing_scripts_test.sh SCRIPTS_DIR}
scripts=$(cd "$scripts" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/failing_scripts_test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# --- stage and count ------------------------------------------------------------------------
logs=$work/logs passed=0 failed=0 status=0
mkdir -p "$logs"
. "$scripts/stage.sh"
stage good true >/dev/null || fail "a stage whose command succeeds failed"
[ "$status" -eq 0 ] || fail "a succeeding stage set the status"
if stage bad bash -c 'echo partial output; exit 3' >/dev/null; then
  fail "a stage whose command exits 3 succeeded"
fi
[ "$status" -eq 1 ] || fail "a failing stage left the status at $status"
grep -q 'partial output' "$logs/bad.log" || fail "the stage did not log its command's output"

printf '100%% tests passed, 0 tests failed out of 7\n' >"$logs/seven.log"
printf '80%% tests passed, 2 tests failed out of 10\n' >"$logs/ten.log"
printf 'ninja: build stopped: subcommand failed.\n' >"$logs/none.log"
passed=0 failed=0 status=0
count "$logs/seven.log" seven
count "$logs/ten.log" ten
[ "$passed" -eq 15 ] && [ "$failed" -eq 2 ] || fail "counted $passed passed, $failed failed; want 15 and 2"
count "$logs/none.log" none >/dev/null
[ "$failed" -eq 3 ] && [ "$status" -eq 1 ] || fail "a log without a test count is not one more failure"

# --- fuzz-all -------------------------------------------------------------------------------
build=$work/fuzz
mkdir -p "$build/bin"
# Stand-ins for fuzz targets: one that finds a crash, one that runs clean after it.
printf '#!/bin/sh\necho "==1==ERROR: AddressSanitizer: heap-buffer-overflow"\nexit 1\n' >"$build/bin/fuzz_crashes"
printf '#!/bin/sh\necho "Done 10 runs"\ntouch "%s/clean-ran"\nexit 0\n' "$work" >"$build/bin/fuzz_runs_clean"
chmod +x "$build/bin"/fuzz_*
if (cd "$work" && "$scripts/fuzz-all" "$build" 1) >"$work/fuzz-all.out" 2>&1; then
  fail "fuzz-all exited 0 after a target crashed: $(cat "$work/fuzz-all.out")"
fi
[ -e "$work/clean-ran" ] || fail "fuzz-all stopped before running every target"
grep -q 'fuzz_crashes FAILED' "$work/fuzz-all.out" || fail "fuzz-all did not name the failing target"
rm -f "$build/bin/fuzz_crashes"
(cd "$work" && "$scripts/fuzz-all" "$build" 1) >"$work/fuzz-all.out" 2>&1 ||
  fail "fuzz-all failed with only a clean target: $(cat "$work/fuzz-all.out")"

[ "$failures" -eq 0 ] && echo "failing_scripts_test: all checks passed"
exit $((failures > 0))
