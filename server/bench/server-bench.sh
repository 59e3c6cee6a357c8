#!/usr/bin/env bash
# The translation server's load benchmark (docs/benchmarks.md): lexiton-loadgen holds a fixed
# rate for a fixed time against
#   server  lexiton-server serve (Release build, real dictionary, access log to a file);
#   nginx   Debian's nginx on loopback answering every POST with a fixed body of the size of
#           lexiton-server's replies: this machine's limit for the same request pattern;
#   held    lexiton-server again, with 1000 idle keep-alive connections and 50 clients sending
#           a byte a second held open during the run (the server keeps idle connections for
#           120 s here, so they stay open instead of being closed and reopened every 2 s);
#   layers  the two candidate HTTP layers, libmicrohttpd and Boost.Beast, each answering a
#           fixed body through the same worker-pool shape (lexiton-layer-compare, built when
#           Boost's headers are installed);
#   overload  lexiton-server, then nginx, each past its capacity: the rate is stepped up from
#           --from by --step (--step-seconds each) while a step is served with p99 <= 10 ms
#           (--knee-p99), no error and no refusal; the highest such rate is the knee. Then twice the knee for
#           --seconds, and one second at half the knee right after: goodput (served per second,
#           and as a share of the knee), refused, p50/p99 of the served and of the refused.
# Each run prints the load generator's report and the server's CPU time, and the kernel's count
# of connections dropped from full listening queues (ListenOverflows, for the whole machine).
# Everything runs on loopback, in a temporary folder, and is stopped at the end.
#
# usage: server/bench/server-bench.sh [--build DIR] [--rate N] [--seconds N] [--keep-alive 0|1]
#          [--server-options "..."] [--from N] [--step N] [--step-seconds N] [--knee-p99 MS]
#          [--knee N] [--quiet LOAD] [--pin]
#          [server] [nginx] [held] [layers] [overload]   (default: the first three)
# --knee N skips the stepping and takes N/s as the knee, so two builds can be compared at the
# same rates when the machine's noise decides the stepping more than the server does.
# --quiet LOAD waits (at most 20 minutes) before each run until the one-minute load average is
# below LOAD, so figures are taken while the machine is otherwise quiet.
# --pin puts the server (or nginx) on the first core and the load generator on the second, so
# that the generator, which needs about as much CPU as the server, never waits for a core the
# server holds: on a two-core machine past the knee, a generator late by hundreds of
# milliseconds otherwise shows in every latency measured.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/server/tests/loopback_services.sh"
build=$here/build/bench rate=5000 seconds=60 keepalive=0 what=() server_options=""
from=2000 step=1000 step_seconds=10 knee_p99=10 quiet="" given_knee=0 pin=0
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --rate) rate=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --keep-alive) keepalive=$2; shift 2 ;;
    --server-options) server_options=$2; shift 2 ;;
    --from) from=$2; shift 2 ;;
    --step) step=$2; shift 2 ;;
    --step-seconds) step_seconds=$2; shift 2 ;;
    --knee-p99) knee_p99=$2; shift 2 ;;
    --knee) given_knee=$2; shift 2 ;;
    --quiet) quiet=$2; shift 2 ;;
    --pin) pin=1; shift ;;
    server|nginx|held|layers|overload) what+=("$1"); shift ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
  esac
done
[ ${#what[@]} -gt 0 ] || what=(server nginx held)
bin=$build/bin
# The command prefixes that pin the servers and the generator (empty without --pin).
on_server_core=() on_generator_core=()
if [ "$pin" = 1 ]; then
  [ "$(nproc)" -ge 2 ] || { echo "--pin needs two cores" >&2; exit 2; }
  on_server_core=(taskset -c 0) on_generator_core=(taskset -c 1)
fi
[ -x "$bin/lexiton-server" ] && [ -x "$bin/lexiton-loadgen" ] || {
  echo "build first: cmake --build $build --target lexiton-server lexiton-loadgen" >&2; exit 2; }

tmp=$(mktemp -d /tmp/lexiton-bench.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT

cpu_seconds() { awk -v t="$(getconf CLK_TCK)" '{print ($14+$15)/t}' "/proc/$1/stat"; }
load_now() { cut -d' ' -f1 /proc/loadavg; }
listen_overflows() { nstat -az TcpExtListenOverflows 2>/dev/null | awk '/ListenOverflows/{print $2}'; }
# Before a measured run: the load average, after waiting for a quiet machine when asked to.
settle() {
  local waited=0
  if [ -n "$quiet" ]; then
    while awk -v l="$(load_now)" -v q="$quiet" 'BEGIN{exit !(l >= q)}' && [ "$waited" -lt 1200 ]; do
      sleep 10; waited=$((waited + 10))
    done
  fi
  echo "   (load average $(cut -d' ' -f1-3 /proc/loadavg)$([ "$waited" -gt 0 ] && echo ", after waiting ${waited} s"); listen overflows so far $(listen_overflows))"
}
# A process and all its descendants (nginx: runuser, the master, the workers).
tree_cpu() {
  local all=$1 p kids
  kids=$1
  while [ -n "$kids" ]; do kids=$(for p in $kids; do pgrep -P "$p" || true; done); all="$all $kids"; done
  for p in $all; do cpu_seconds "$p" 2>/dev/null || true; done | awk '{s+=$1} END{print s+0}'
}

echo "== $(date -u +%FT%TZ) on $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)$([ "$pin" = 1 ] && echo "; servers on core 0, the generator on core 1")"
port=$(free_port)
"$bin/lexiton-server" session --db "$tmp/s.db" --user bench --password bench \
  --address "http://127.0.0.1:$port/" --ini "$tmp/lexiton.ini" >/dev/null
reply_bytes=709  # the mean reply body of the loadgen's six sentences; a server run measures it again

run_server() {  # name, extra server options, extra loadgen options
  local name=$1 sopts=$2 lopts=$3 spid before after
  "${on_server_core[@]}" "$bin/lexiton-server" serve --db "$tmp/s.db" --listen "127.0.0.1:$port" $server_options $sopts \
    2>"$tmp/server-$name.log" &
  spid=$!; pids+=("$spid")
  wait_port "$port"
  settle
  before=$(cpu_seconds "$spid")
  echo "-- $name (lexiton-server serve $server_options $sopts): lexiton-loadgen --ini lexiton.ini --rate $rate --seconds $seconds --keep-alive $keepalive $lopts"
  "${on_generator_core[@]}" "$bin/lexiton-loadgen" --ini "$tmp/lexiton.ini" --rate "$rate" --seconds "$seconds" --keep-alive "$keepalive" \
    $lopts | tee "$tmp/loadgen-$name.txt" || true
  after=$(cpu_seconds "$spid")
  awk -v a="$before" -v b="$after" -v s="$seconds" 'BEGIN{printf "server CPU %.1f s (%.0f%% of one core)\n", b-a, 100*(b-a)/s}'
  kill -TERM "$spid"; wait "$spid" || true
  local measured
  measured=$(grep -m1 -o 'mean [0-9]*' "$tmp/loadgen-$name.txt" | awk '{print $2}' || true)
  [ -n "$measured" ] && [ "$measured" -gt 0 ] && reply_bytes=$measured || true
}

# Starts nginx answering every POST with a fixed body of the server's reply size; sets nport
# and npid.
start_nginx() {
  local body
  nport=$(free_port)
  body=$(head -c "$reply_bytes" /dev/zero | tr '\0' 'a')
  nginx_config "$tmp/nginx" auto 16384 <<CONF
  keepalive_timeout 2s; keepalive_requests 100;
  server {
    listen 127.0.0.1:$nport backlog=4096;
    location / { default_type text/plain; return 200 "$body"; }
  }
CONF
  chmod 755 "$tmp"
  "${on_server_core[@]}" runuser -u nobody -- nginx -p "$tmp/nginx" -c "$tmp/nginx/nginx.conf" -g "daemon off;" 2>>"$tmp/nginx-stderr.log" &
  npid=$!; pids+=("$npid")
  wait_port "$nport" || { cat "$tmp/nginx/error.log" >&2; exit 1; }
}

run_nginx() {
  local nport npid before after
  start_nginx
  settle
  before=$(tree_cpu "$npid")
  echo "-- nginx (fixed $reply_bytes-byte body): lexiton-loadgen --peer http://127.0.0.1:$nport/ --rate $rate --seconds $seconds --keep-alive $keepalive"
  "${on_generator_core[@]}" "$bin/lexiton-loadgen" --peer "http://127.0.0.1:$nport/" --ini "$tmp/lexiton.ini" --rate "$rate" \
    --seconds "$seconds" --keep-alive "$keepalive" | tee "$tmp/loadgen-nginx.txt" || true
  after=$(tree_cpu "$npid")
  awk -v a="$before" -v b="$after" -v s="$seconds" 'BEGIN{printf "nginx CPU %.1f s (%.0f%% of one core)\n", b-a, 100*(b-a)/s}'
  kill -TERM "$npid"; wait "$npid" || true
}

run_layers() {
  local layer lport lpid before after
  [ -x "$bin/lexiton-layer-compare" ] || { echo "no lexiton-layer-compare (install libboost-dev)" >&2; return 1; }
  for layer in mhd beast; do
    lport=$(free_port)
    "${on_server_core[@]}" "$bin/lexiton-layer-compare" --layer "$layer" --port "$lport" --bytes "$reply_bytes" 2>/dev/null &
    lpid=$!; pids+=("$lpid")
    wait_port "$lport"
    before=$(cpu_seconds "$lpid")
    echo "-- layer $layer (fixed $reply_bytes-byte body): lexiton-loadgen --peer http://127.0.0.1:$lport/ --rate $rate --seconds $seconds --keep-alive $keepalive"
    "${on_generator_core[@]}" "$bin/lexiton-loadgen" --peer "http://127.0.0.1:$lport/" --ini "$tmp/lexiton.ini" --rate "$rate" \
      --seconds "$seconds" --keep-alive "$keepalive" | tee "$tmp/loadgen-$layer.txt" || true
    after=$(cpu_seconds "$lpid")
    awk -v a="$before" -v b="$after" -v s="$seconds" -v l="$layer" 'BEGIN{printf "%s CPU %.1f s (%.0f%% of one core)\n", l, b-a, 100*(b-a)/s}'
    kill -TERM "$lpid"; wait "$lpid" || true
  done
}

# One loadgen run against a target for the overload series; prints a summary line and leaves
# the figures in the variables p99 served_rate served_p50 served_p99 refused refused_p50
# refused_p99 refused_max errors, the same timed from each request's start (start_*), and
# after_line for the second after, when asked for.
# args: cpu-function pid rate seconds after-rate loadgen-args...
overload_step() {
  local cpu=$1 pid=$2 r=$3 s=$4 after=$5 before after_cpu out=$tmp/step.txt
  shift 5
  before=$($cpu "$pid")
  local extra=()
  [ "$after" -gt 0 ] && extra=(--after-rate "$after" --after-seconds 1)
  "${on_generator_core[@]}" "$bin/lexiton-loadgen" "$@" --rate "$r" --seconds "$s" "${extra[@]}" >"$out" 2>&1 || true
  after_cpu=$($cpu "$pid")
  p99=$(awk '/^latency ms/{print $12}' "$out")
  read -r served_rate served_p50 served_p99 refused refused_p50 refused_p99 refused_max errors < <(
    sed -n 's/^overload: served [0-9]* (\([0-9.]*\) per second) p50 \([0-9.]*\) p99 \([0-9.]*\) ms; refused \([0-9]*\) p50 \([0-9.]*\) p99 \([0-9.]*\) max \([0-9.]*\) ms; errors \([0-9]*\)/\1 \2 \3 \4 \5 \6 \7 \8/p' "$out") || true
  read -r start_served_p50 start_served_p99 start_refused_p50 start_refused_p99 start_refused_max < <(
    sed -n 's/^overload from the start: served p50 \([0-9.]*\) p99 \([0-9.]*\) ms; refused p50 \([0-9.]*\) p99 \([0-9.]*\) max \([0-9.]*\) ms/\1 \2 \3 \4 \5/p' "$out") || true
  step_cpu=$(awk -v a="$before" -v b="$after_cpu" -v s="$s" -v n="$served_rate" 'BEGIN{per = 0; if (n > 0) per = 1000*(b-a)/(n*s); printf "CPU %.0f%% of a core (%.3f ms per served request)", 100*(b-a)/s, per}')
  after_line=$(grep '^after:' "$out" || true)
  lag=$(awk '/^send lag/{print $NF}' "$out")
}

# args: name cpu-function pid loadgen-args...
overload_series() {
  local name=$1 cpu=$2 pid=$3 r knee=0 twice
  shift 3
  if [ "$given_knee" -gt 0 ]; then
    echo "-- $name: the knee taken as $given_knee/s"
    knee=$given_knee
    settle
    overload_step "$cpu" "$pid" "$knee" "$step_seconds" 0 "$@"
    printf '   %6d/s: p99 %s ms, served %s/s, refused %s, errors %s; %s; generator late by up to %s ms\n' \
      "$knee" "$p99" "$served_rate" "$refused" "$errors" "$step_cpu" "$lag"
  else
    echo "-- $name: stepping from $from/s by $step/s, $step_seconds s each (p99 <= $knee_p99 ms, no error, no refusal)"
    settle
  fi
  for ((r = from; given_knee == 0 && r <= 200000; r += step)); do
    overload_step "$cpu" "$pid" "$r" "$step_seconds" 0 "$@"
    printf '   %6d/s: p99 %s ms, served %s/s, refused %s, errors %s; %s; generator late by up to %s ms\n' \
      "$r" "$p99" "$served_rate" "$refused" "$errors" "$step_cpu" "$lag"
    if awk -v p="$p99" -v k="$knee_p99" 'BEGIN{exit !(p > k)}' || [ "$refused" != 0 ] || [ "$errors" != 0 ]; then break; fi
    knee=$r
  done
  echo "   knee: $knee/s"
  [ "$knee" -gt 0 ] || return 0
  twice=$((2 * knee))
  settle
  overload_step "$cpu" "$pid" "$twice" "$seconds" $((knee / 2)) "$@"
  echo "   twice the knee, $twice/s for $seconds s: goodput $served_rate/s ($(awk -v g="$served_rate" -v k="$knee" 'BEGIN{printf "%.0f", 100*g/k}')% of the knee), served p50 $served_p50 ms p99 $served_p99 ms; refused $refused (p50 $refused_p50 ms, p99 $refused_p99 ms, max $refused_max ms); errors $errors; $step_cpu; generator late by up to $lag ms"
  echo "   the same from each request's start (the generator's lateness left out): served p50 $start_served_p50 ms p99 $start_served_p99 ms; refused p50 $start_refused_p50 ms p99 $start_refused_p99 ms max $start_refused_max ms"
  echo "   right after, $((knee / 2))/s for 1 s: ${after_line#after: }"
}

run_overload() {
  local spid nport npid
  "${on_server_core[@]}" "$bin/lexiton-server" serve --db "$tmp/s.db" --listen "127.0.0.1:$port" $server_options \
    --stats-seconds 1 2>"$tmp/server-overload.log" &
  spid=$!; pids+=("$spid")
  wait_port "$port"
  overload_series "lexiton-server serve $server_options" cpu_seconds "$spid" --ini "$tmp/lexiton.ini"
  echo "   the server's counters at the end: $(grep '^counters' "$tmp/server-overload.log" | tail -1)"
  kill -TERM "$spid"; wait "$spid" || true
  start_nginx
  overload_series "nginx (fixed $reply_bytes-byte body)" tree_cpu "$npid" --peer "http://127.0.0.1:$nport/" \
    --ini "$tmp/lexiton.ini"
  kill -TERM "$npid"; wait "$npid" || true
}

for w in "${what[@]}"; do
  case $w in
    server) run_server server "" "" ;;
    nginx) run_nginx ;;
    held) run_server held "--idle-seconds 120" "--idle 1000 --slow 50" ;;
    layers) run_layers ;;
    overload) run_overload ;;
  esac
done
echo "== load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
