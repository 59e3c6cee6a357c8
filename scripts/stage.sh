# Sourced by scripts/check: one stage of a run and the counting of its ctest log.
#   stage NAME COMMAND...   runs COMMAND with its output on the terminal and in $logs/NAME.log;
#                           returns the command's status (not tee's) and sets status=1 on failure
#   count LOG NAME          adds LOG's "N tests failed out of M" to passed and failed; a log
#                           without that line is one failure ("ran no tests")
# The caller sets logs, passed, failed and status.

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
}

stage() {
  local name=$1 rc; shift
  echo "== $name"
  "$@" 2>&1 | tee "$logs/$name.log"
  rc=${PIPESTATUS[0]}
  [ "$rc" -eq 0 ] || status=1
  return "$rc"
}
