#!/usr/bin/env bash
# Two lexiton-server instances sharing one PostgreSQL session store behind nginx, all on
# loopback with their own data folder and configuration in a temporary folder:
#   - a session made for instance A is served by instance B (and a session made while both run
#     is served at once by both);
#   - the client's look-ups (lexiton-lookup: the client library, libcurl, the real protocol)
#     run through nginx while instance A is killed (SIGKILL) mid-run: they go on through B.
# PostgreSQL's server refuses to run as root, so as root its programs (and nginx) run as
# `nobody` with folders that user owns. Every service is stopped at the end, whatever happens;
# every wait is bounded.
#
# usage: server/tests/cluster_test.sh BIN_DIR     (BIN_DIR holds lexiton-server and lexiton-lookup)
set -euo pipefail
export LC_ALL=C
bin=$(cd "${1:?usage: cluster_test.sh BIN_DIR}" && pwd)
source "$(dirname "$0")/loopback_services.sh"
lookups=${LOOKUPS:-40}
kill_after=${KILL_AFTER:-12}

fail() { echo "cluster_test: FAIL: $*" >&2; exit 1; }
for tool in "$bin/lexiton-server" "$bin/lexiton-lookup"; do [ -x "$tool" ] || fail "missing $tool"; done
pgbin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$pgbin" ] && [ -x "$pgbin/initdb" ] || fail "PostgreSQL's server programs are not installed (postgresql)"
command -v nginx >/dev/null || [ -x /usr/sbin/nginx ] || fail "nginx is not installed"
nginx_bin=$(command -v nginx || echo /usr/sbin/nginx)

tmp=$(mktemp -d /tmp/lexiton-cluster.XXXXXX)
chmod 755 "$tmp"

pids=()
pg_started=0
cleanup() {
  local rc=$?
  for p in "${pids[@]}"; do kill -TERM "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do timeout 15 tail --pid="$p" -f /dev/null 2>/dev/null || kill -KILL "$p" 2>/dev/null || true; done
  if [ -f "$tmp/nginx/nginx.pid" ]; then kill -QUIT "$(cat "$tmp/nginx/nginx.pid")" 2>/dev/null || true; fi
  if [ "$pg_started" = 1 ]; then as_service "$pgbin/pg_ctl" -D "$tmp/pg/data" -m fast -w -t 20 stop >/dev/null 2>&1 || true; fi
  if [ $rc -ne 0 ]; then
    for f in "$tmp"/*.log "$tmp"/pg/log "$tmp"/nginx/error.log; do
      [ -f "$f" ] && { echo "--- $f"; tail -n 20 "$f"; }
    done
  fi
  rm -rf "$tmp"
  exit $rc
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# --- PostgreSQL: a cluster of its own, on a loopback port and a socket in the folder -------
mkdir -p "$tmp/pg"
own "$tmp/pg"
pgport=$(free_port)
as_service "$pgbin/initdb" -D "$tmp/pg/data" -A trust -U lexiton --no-sync >"$tmp/initdb.log" 2>&1 ||
  fail "initdb failed"
as_service "$pgbin/pg_ctl" -D "$tmp/pg/data" -l "$tmp/pg/log" -w -t 30 \
  -o "-c listen_addresses=127.0.0.1 -p $pgport -k $tmp/pg -c fsync=off" start >/dev/null || fail "PostgreSQL did not start"
pg_started=1
as_service "$pgbin/createdb" -h 127.0.0.1 -p "$pgport" -U lexiton lexiton || fail "createdb failed"
db="postgresql://lexiton@127.0.0.1:$pgport/lexiton"
echo "PostgreSQL on 127.0.0.1:$pgport"

# --- two servers -------------------------------------------------------------------------
port_a=$(free_port) port_b=$(free_port) port_n=$(free_port)
start_server() {  # name, port
  "$bin/lexiton-server" serve --db "$db" --listen "127.0.0.1:$2" 2>"$tmp/server-$1.log" &
  pids+=($!)
  eval "pid_$1=$!"
  wait_port "$2" 30 || fail "lexiton-server $1 did not come up"
}
# The first look-up through a server creates the schema; both may start together.
start_server a "$port_a"
start_server b "$port_b"
echo "lexiton-server A on $port_a, B on $port_b"

lookup() {  # ini -> prints the look-up's output; succeeds when a translation came back
  local out
  out=$(cd "$bin" && timeout 30 "$bin/lexiton-lookup" --ini "$1" --cursor 4 "The houses are big." 2>&1) || true
  printf '%s\n' "$out"
  grep -q 'h.z' <<<"$out" && grep -q '^return: true' <<<"$out"
}
ini_for() {  # name, port: a copy of the session's settings pointing at that port
  sed "s|^Server_Address=.*|Server_Address=http://127.0.0.1:$2/|" "$tmp/a.ini" >"$tmp/$1.ini"
}

# A session made for A ...
"$bin/lexiton-server" session --db "$db" --user anna --password secret \
  --address "http://127.0.0.1:$port_a/" --ini "$tmp/a.ini" >/dev/null || fail "session command failed"
lookup "$tmp/a.ini" >"$tmp/lookup-a.txt" || { cat "$tmp/lookup-a.txt"; fail "look-up through A"; }
# ... is known to B.
ini_for b "$port_b"
lookup "$tmp/b.ini" >"$tmp/lookup-b.txt" || { cat "$tmp/lookup-b.txt"; fail "look-up through B with A's session"; }
# The access log is flushed every tenth of a second: the lines may follow the answers.
logged() { grep -q ' ok ' "$tmp/server-a.log" && grep -q ' ok ' "$tmp/server-b.log"; }
for _ in $(seq 50); do logged && break; sleep 0.1; done
logged || fail "a server did not answer"
echo "session made for A served by A and by B"

# A session made while both servers run (B has sessions cached) is served at once.
"$bin/lexiton-server" session --db "$db" --user bela --password pw \
  --address "http://127.0.0.1:$port_b/" --ini "$tmp/bela.ini" >/dev/null || fail "second session command failed"
lookup "$tmp/bela.ini" >"$tmp/lookup-bela.txt" || { cat "$tmp/lookup-bela.txt"; fail "new session through B"; }

# --- nginx in front of both ----------------------------------------------------------------
nginx_config "$tmp/nginx" 1 1024 <<CONF
  upstream lexiton {
    server 127.0.0.1:$port_a max_fails=1 fail_timeout=30s;
    server 127.0.0.1:$port_b max_fails=1 fail_timeout=30s;
  }
  server {
    listen 127.0.0.1:$port_n;
    location / {
      proxy_pass http://lexiton;
      proxy_http_version 1.1;
      proxy_set_header Connection "";
      proxy_connect_timeout 2s;
      proxy_read_timeout 15s;
      # A look-up changes nothing on the server, so a POST may be tried on the other one.
      proxy_next_upstream error timeout http_502 http_503 non_idempotent;
    }
  }
CONF
as_service "$nginx_bin" -p "$tmp/nginx" -c "$tmp/nginx/nginx.conf" -g "daemon off;" 2>"$tmp/nginx-stderr.log" &
pids+=($!)
wait_port "$port_n" 10 || fail "nginx did not come up"
echo "nginx on $port_n in front of A and B"

# --- look-ups through nginx; A is killed mid-run ------------------------------------------
ini_for n "$port_n"
ok=0 retried=0 failed=0
for i in $(seq "$lookups"); do
  if [ "$i" -eq "$kill_after" ]; then
    kill -KILL "$pid_a"
    wait "$pid_a" 2>/dev/null || true
    echo "killed A (SIGKILL) before look-up $i"
  fi
  if lookup "$tmp/n.ini" >"$tmp/lookup-n.txt"; then
    ok=$((ok + 1))
  else
    # The client shows 1202/1203/1208 and the user points again: one more try.
    retried=$((retried + 1))
    if lookup "$tmp/n.ini" >"$tmp/lookup-n.txt"; then ok=$((ok + 1)); else failed=$((failed + 1)); cat "$tmp/lookup-n.txt"; fi
  fi
done
# B stops cleanly on SIGTERM, which also writes out the last of its access log (A's last tenth
# of a second went with the SIGKILL).
kill -TERM "$pid_b"
rc_b=0
timeout 30 tail --pid="$pid_b" -f /dev/null || fail "B did not stop within 30 s of SIGTERM"
wait "$pid_b" || rc_b=$?
[ "$rc_b" -eq 0 ] || fail "B exited with status $rc_b after SIGTERM"
served_a=$(grep -c ' ok ' "$tmp/server-a.log" || true)
served_b=$(grep -c ' ok ' "$tmp/server-b.log" || true)
echo "look-ups through nginx: $ok of $lookups translated ($retried tried again, $failed failed); answers by A $served_a, by B $served_b"
[ "$failed" -eq 0 ] || fail "$failed look-ups failed after A was killed"
[ "$served_b" -gt "$((lookups - kill_after))" ] || fail "B did not carry the look-ups after A was killed"
# No sanitizer spoke in either server (sanitizer builds).
! grep -q 'Sanitizer' "$tmp/server-a.log" "$tmp/server-b.log" || fail "a sanitizer reported in a server's log"
echo "cluster_test: passed"
