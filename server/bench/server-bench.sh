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
#           Boost's headers are installed).
# Each run prints the load generator's report and the server's CPU time. Everything runs on
# loopback, in a temporary folder, and is stopped at the end.
#
# usage: server/bench/server-bench.sh [--build DIR] [--rate N] [--seconds N] [--keep-alive 0|1]
#          [--server-options "..."] [server] [nginx] [held] [layers]   (default: the first three)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/server/tests/loopback_services.sh"
build=$here/build/bench rate=5000 seconds=60 keepalive=0 what=() server_options=""
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --rate) rate=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --keep-alive) keepalive=$2; shift 2 ;;
    --server-options) server_options=$2; shift 2 ;;
    server|nginx|held|layers) what+=("$1"); shift ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
  esac
done
[ ${#what[@]} -gt 0 ] || what=(server nginx held)
bin=$build/bin
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
# A process and all its descendants (nginx: runuser, the master, the workers).
tree_cpu() {
  local all=$1 p kids
  kids=$1
  while [ -n "$kids" ]; do kids=$(for p in $kids; do pgrep -P "$p" || true; done); all="$all $kids"; done
  for p in $all; do cpu_seconds "$p" 2>/dev/null || true; done | awk '{s+=$1} END{print s+0}'
}

echo "== $(date -u +%FT%TZ) on $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
port=$(free_port)
"$bin/lexiton-server" session --db "$tmp/s.db" --user bench --password bench \
  --address "http://127.0.0.1:$port/" --ini "$tmp/lexiton.ini" >/dev/null
reply_bytes=709  # the mean reply body of the loadgen's six sentences; a server run measures it again

run_server() {  # name, extra server options, extra loadgen options
  local name=$1 sopts=$2 lopts=$3 spid before after
  "$bin/lexiton-server" serve --db "$tmp/s.db" --listen "127.0.0.1:$port" $server_options $sopts \
    2>"$tmp/server-$name.log" &
  spid=$!; pids+=("$spid")
  wait_port "$port"
  before=$(cpu_seconds "$spid")
  echo "-- $name (lexiton-server serve $server_options $sopts): lexiton-loadgen --ini lexiton.ini --rate $rate --seconds $seconds --keep-alive $keepalive $lopts"
  "$bin/lexiton-loadgen" --ini "$tmp/lexiton.ini" --rate "$rate" --seconds "$seconds" --keep-alive "$keepalive" \
    $lopts | tee "$tmp/loadgen-$name.txt" || true
  after=$(cpu_seconds "$spid")
  awk -v a="$before" -v b="$after" -v s="$seconds" 'BEGIN{printf "server CPU %.1f s (%.0f%% of one core)\n", b-a, 100*(b-a)/s}'
  kill -TERM "$spid"; wait "$spid" || true
  local measured
  measured=$(grep -m1 -o 'mean [0-9]*' "$tmp/loadgen-$name.txt" | awk '{print $2}' || true)
  [ -n "$measured" ] && [ "$measured" -gt 0 ] && reply_bytes=$measured || true
}

run_nginx() {
  local nport body npid before after
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
  runuser -u nobody -- nginx -p "$tmp/nginx" -c "$tmp/nginx/nginx.conf" -g "daemon off;" 2>>"$tmp/nginx-stderr.log" &
  npid=$!; pids+=("$npid")
  wait_port "$nport" || { cat "$tmp/nginx/error.log" >&2; exit 1; }
  before=$(tree_cpu "$npid")
  echo "-- nginx (fixed $reply_bytes-byte body): lexiton-loadgen --peer http://127.0.0.1:$nport/ --rate $rate --seconds $seconds --keep-alive $keepalive"
  "$bin/lexiton-loadgen" --peer "http://127.0.0.1:$nport/" --ini "$tmp/lexiton.ini" --rate "$rate" \
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
    "$bin/lexiton-layer-compare" --layer "$layer" --port "$lport" --bytes "$reply_bytes" 2>/dev/null &
    lpid=$!; pids+=("$lpid")
    wait_port "$lport"
    before=$(cpu_seconds "$lpid")
    echo "-- layer $layer (fixed $reply_bytes-byte body): lexiton-loadgen --peer http://127.0.0.1:$lport/ --rate $rate --seconds $seconds --keep-alive $keepalive"
    "$bin/lexiton-loadgen" --peer "http://127.0.0.1:$lport/" --ini "$tmp/lexiton.ini" --rate "$rate" \
      --seconds "$seconds" --keep-alive "$keepalive" | tee "$tmp/loadgen-$layer.txt" || true
    after=$(cpu_seconds "$lpid")
    awk -v a="$before" -v b="$after" -v s="$seconds" -v l="$layer" 'BEGIN{printf "%s CPU %.1f s (%.0f%% of one core)\n", l, b-a, 100*(b-a)/s}'
    kill -TERM "$lpid"; wait "$lpid" || true
  done
}

for w in "${what[@]}"; do
  case $w in
    server) run_server server "" "" ;;
    nginx) run_nginx ;;
    held) run_server held "--idle-seconds 120" "--idle 1000 --slow 50" ;;
    layers) run_layers ;;
  esac
done
echo "== load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
