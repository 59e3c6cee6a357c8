# Sourced by scripts/check: one stage of a run and the counting of its ctest log.
#   stage NAME COMMAND...      runs COMMAND with its output on the terminal and in $logs/NAME.log;
#                              returns the command's status (not tee's) and sets status=1 on
#                              failure
#   count LOG NAME [REPORT]    adds LOG's "N tests failed out of M" to passed and failed; a log
#                              without that line is one failure ("ran no tests"). With ctest's
#                              JUnit REPORT, each skipped test is added to skipped when its
#                              reason is on scripts/allowed-skips, else to failed
#   skip N REASON              adds N tests not run for REASON: skipped when the reason is on
#                              the list, failed when it is not
# The caller sets logs, passed, failed, skipped and status.

stage_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

count() {
  local line total bad
  line=$(grep -E 'tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then
    echo "check: $2 ran no tests (see $1)"
    failed=$((failed + 1)) status=1
    return
  fi
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad)) failed=$((failed + bad))
  [ $# -ge 3 ] && count_skips "$3" "$2"
}

count_skips() {
  local out last allowed unlisted
  out=$("$stage_scripts/skips" "$stage_scripts/allowed-skips" "$1")
  last=$(tail -n 1 <<<"$out")
  read -r _ allowed unlisted <<<"$last"
  sed '$d' <<<"$out" | sed "s/^/check: $2: skipped, /"
  skipped=$((skipped + allowed)) failed=$((failed + unlisted))
  [ "$unlisted" -eq 0 ] || status=1
}

skip() {
  local n=$1 reason=$2
  [ "$n" -gt 0 ] || return 0
  if sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$stage_scripts/allowed-skips" |
      while IFS= read -r allowed; do [[ $reason == "$allowed"* ]] && exit 0; done; then
    skipped=$((skipped + n))
  else
    echo "check: $n tests skipped for a reason not on scripts/allowed-skips: $reason"
    failed=$((failed + n)) status=1
  fi
}

stage() {
  local name=$1 rc; shift
  echo "== $name"
  "$@" 2>&1 | tee "$logs/$name.log"
  rc=${PIPESTATUS[0]}
  [ "$rc" -eq 0 ] || status=1
  return "$rc"
}
