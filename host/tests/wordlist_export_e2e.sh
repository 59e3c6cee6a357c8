#!/usr/bin/env bash
# The word list exported by the word-list window under wine (through its save-file dialog,
# driven by wordlist_window_wine_tests) against the native command-line exporter on the same
# file: both formats must be the same bytes.
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
[ -f "$win_bin/wordlist_window_wine_tests.exe" ] || fail "$win_bin/wordlist_window_wine_tests.exe is missing"
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

for format in csv tsv; do
  [ -s "$work/window.$format" ] || fail "the window wrote no window.$format"
  "$exporter" export --db "$work/lexidic.db" --format "$format" --out "$work/cli.$format" ||
    fail "lexiton-wordlist export --format $format exited with $?"
  cmp "$work/window.$format" "$work/cli.$format" || fail "the window's $format differs from the exporter's"
  echo "wordlist_export_e2e: $format: $(wc -l <"$work/cli.$format") lines, the same from the window and the exporter"
done
echo "wordlist_export_e2e: OK"
