#!/usr/bin/env bash
# The word list exported by the word-list window under wine (through its save-file dialog,
# driven by wordlist_window_wine_tests, and in the real Lexiton.exe after three look-ups, driven
# by host_wordlist_wine_tests) against the native command-line exporter on the same file: both
# formats must be the same bytes.
#
#   wordlist_export_e2e.sh NATIVE_BIN WINDOWS_BIN
# Run by ctest in a mingw build through scripts/wine-ctest, which provides WINEPREFIX, DISPLAY
# and WINELOADER.
set -u
native_bin=${1:?usage: wordlist_export_e2e.sh NATIVE_BIN WINDOWS_BIN}
win_bin=${2:?usage: wordlist_export_e2e.sh NATIVE_BIN WINDOWS_BIN}
exporter=$native_bin/lexiton-wordlist

fail() {
  echo "wordlist_export_e2e: FAIL: $*" >&2
  exit 1
}

[ -x "$exporter" ] ||
  fail "no native lexiton-wordlist at $exporter: build the native tree first (make native)"
for program in wordlist_window_wine_tests host_wordlist_wine_tests; do
  [ -f "$win_bin/$program.exe" ] || fail "$win_bin/$program.exe is missing"
done
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] && [ -x "${WINELOADER:-}" ] ||
  fail "WINEPREFIX, DISPLAY and WINELOADER are not set: run through scripts/wine-ctest"
export WINEDEBUG=${WINEDEBUG:--all}

work=$(mktemp -d "${TMPDIR:-/tmp}/wordlist_export_e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

LEXITON_WORDLIST_EXPORT_DIR=$("$WINELOADER" winepath -w "$work" 2>/dev/null)
[ -n "$LEXITON_WORDLIST_EXPORT_DIR" ] || fail "winepath does not work in $WINEPREFIX"
export LEXITON_WORDLIST_EXPORT_DIR

(cd "$win_bin" && timeout 200 "$WINELOADER" wordlist_window_wine_tests.exe \
  --gtest_filter='WordListWindowTest.ExportsThroughTheSaveDialog*') ||
  fail "the window's export test failed"

(cd "$win_bin" && timeout 200 "$WINELOADER" host_wordlist_wine_tests.exe \
  --gtest_filter='WordListProgram.TheWindowsExports*') ||
  fail "the program's export test failed"

# Each export beside the list it came from: the window's (window.*, lexidic.db) and the
# program's (program.*, program.db).
for pair in window:lexidic program:program; do
  exported=${pair%%:*} list=${pair##*:}
  for format in csv tsv; do
    [ -s "$work/$exported.$format" ] || fail "no $exported.$format was written"
    "$exporter" export --db "$work/$list.db" --format "$format" --out "$work/cli.$format" ||
      fail "lexiton-wordlist export --db $list.db --format $format exited with $?"
    cmp "$work/$exported.$format" "$work/cli.$format" || fail "$exported.$format differs from the exporter's"
    echo "wordlist_export_e2e: $exported.$format: $(wc -l <"$work/cli.$format") lines, the same from the exporter"
  done
done
echo "wordlist_export_e2e: OK"
