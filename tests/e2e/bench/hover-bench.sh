#!/usr/bin/env bash
# Hover look-ups end to end, many in a row, in a Release build under wine on Xvfb: the real
# Lexiton.exe over wine's notepad, offline (LexitonSt.dll) and against lexiton-server on loopback
# (LexitonClt.dll). For each mode it prints the look-ups' stages from the program's latency trace
# (p50, p90, p99 and the slowest, in milliseconds), and the program's private memory and handle
# counts idle after the start and after the look-ups (lexiton-hover-bench).
#
#   tests/e2e/bench/hover-bench.sh [--lookups N] [--modes "offline server"]
#
# It builds the native build-time tools if they are missing, a Release mingw tree of its own
# (build/win64-release, x86_64, unless LEXITON_WINE_ARCH=i686 and this machine runs 32-bit code)
# and a Release lexiton-server (build/native-release). The traces stay in build/hover-bench/.
set -eu
cd "$(dirname "$0")/../../.."
top=$PWD
. scripts/wine-session.sh
. tests/e2e/server_session.sh

lookups=200
modes="offline server"
while [ $# -gt 0 ]; do
  case $1 in
    --lookups) lookups=$2; shift 2 ;;
    --modes) modes=$2; shift 2 ;;
    *) echo "usage: hover-bench.sh [--lookups N] [--modes \"offline server\"]" >&2; exit 2 ;;
  esac
done

. scripts/release-tree.sh
release_tree lexiton-hover-bench
cmake -S . -B build/native-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native-release --target lexiton-server -j "$(nproc)"

work=$top/build/hover-bench
rm -rf "$work"
mkdir -p "$work"
wine_session_start "$top/$tree"
trap 'server_session_stop >/dev/null 2>&1 || true; wine_session_cleanup' EXIT
winpath() { "$WINELOADER" winepath -w "$1" 2>/dev/null; }

# A page of English the pointer goes over, word by word.
printf '%s\r\n' \
  "The houses are big and the gardens are green." \
  "He gave up smoking last year, and his children went to school by train." \
  "Every morning the old teacher opened the windows of the small classroom." \
  "Lexiton shows the Hungarian translation of the sentence under the pointer." \
  >"$work/text.txt"
defaults=$'[dict]\r\nUserLang=2057\r\nHVRDicts=1\r\n'

# p50, p90, p99 and the slowest of each stage of the look-ups that ended shown.
summarise() {
  python3 - "$1" <<'EOF'
import math, sys
rows = []
for line in open(sys.argv[1]):
    parts = line.split()
    if len(parts) < 3 or parts[0] != "lookup" or parts[2] != "shown":
        continue
    rows.append({k: float(v) for k, v in (p.split("=") for p in parts[3:])})
def pct(values, p):
    values = sorted(values)
    return values[max(0, math.ceil(p / 100 * len(values)) - 1)]
stages = [
    ("reading the text: rest timer fired -> evaluated", lambda r: r["evaluated"] - r["rest_fired"]),
    ("SetMode, busy icon, worker thread: -> worker started", lambda r: r["worker_started"] - r["evaluated"]),
    ("Lookup: -> returned", lambda r: r["lookup_returned"] - r["worker_started"]),
    ("the main thread takes the result: -> polled", lambda r: r["polled"] - r["lookup_returned"]),
    ("busy icon, painting: -> painted", lambda r: r["painted"] - r["polled"]),
    ("placing and showing: -> shown", lambda r: r["shown"] - r["painted"]),
    ("**the work: reading + Lookup + painting**",
     lambda r: (r["evaluated"] - r["rest_fired"]) + (r["lookup_returned"] - r["worker_started"])
               + (r["painted"] - r["polled"])),
    ("**rest timer fired -> tooltip shown**", lambda r: r["shown"] - r["rest_fired"]),
]
print(f"{len(rows)} look-ups shown")
print("| stage | p50 | p90 | p99 | slowest |")
print("|---|---|---|---|---|")
for name, f in stages:
    v = [f(r) for r in rows]
    print(f"| {name} | {pct(v, 50):.1f} | {pct(v, 90):.1f} | {pct(v, 99):.1f} | {max(v):.1f} |")
EOF
}

for mode in $modes; do
  settings=$work/$mode.ini
  case $mode in
    offline) printf '%s' "$defaults"$'[Server Settings]\r\nServer_Mode=0\r\n' >"$settings" ;;
    server)
      mkdir -p "$work/server"
      server_session_start "$top/build/native-release/bin/lexiton-server" "$work/server" bench
      { printf '%s' "$defaults"; sed 's/$/\r/' "$server_ini"; } >"$settings"
      ;;
    *) echo "hover-bench: unknown mode $mode (offline or server)" >&2; exit 2 ;;
  esac
  trace=$work/trace-$mode.txt
  export LEXITON_TRACE_FILE LEXITON_ALERT_FILE
  LEXITON_TRACE_FILE=$(winpath "$trace")
  LEXITON_ALERT_FILE=$(winpath "$work/alerts-$mode.txt")
  echo "== $mode: $lookups look-ups over notepad ($tree, load average $(cut -d' ' -f1-3 /proc/loadavg))"
  (cd "$tree/bin" && "$WINELOADER" lexiton-hover-bench.exe --settings "$(winpath "$settings")" \
     --text "$(winpath "$work/text.txt")" --trace "$LEXITON_TRACE_FILE" --lookups "$lookups") </dev/null |
    tr -d '\r'
  summarise "$trace"
  if [ -s "$work/alerts-$mode.txt" ]; then
    echo "hover-bench: the program raised alerts: $(cat "$work/alerts-$mode.txt")" >&2
    exit 1
  fi
  if [ "$mode" = server ]; then server_session_stop; fi
done
echo "traces: $work/trace-*.txt"
