# Sourced by the end-to-end tests, the demo and the hover latency benchmark: lexiton-server on a
# free loopback port, with a fresh session written into a settings file first.
#
#   server_session_start SERVER_EXE FOLDER [USER]
#       writes the session into FOLDER/session.ini (Server_Mode=1, the address, the session),
#       serves from FOLDER/lexiton.db with its log in FOLDER/server.log, and returns once this
#       server is the one listening (another program may hold a port: up to five are tried).
#       Sets server_pid, server_port, server_ini, server_log and server_session (the session's
#       name, as the session command printed it). The server ends by itself after
#       SERVER_SESSION_SECONDS (600), should the caller never stop it.
#   server_session_stop
#       SIGTERM, and the wait; fails when the server did not stop cleanly.
#   server_session_scratch NAME
#       a fresh folder for a test script in $work, removed, with the server stopped, when the
#       script ends.

server_session_start() {
  local exe=$1 folder=$2 user=${3:-e2e} try _
  server_pid="" server_port="" server_session=""
  server_ini=$folder/session.ini
  server_log=$folder/server.log
  for _ in 1 2 3 4 5; do
    try=$((20000 + RANDOM % 40000))
    rm -f "$server_ini"
    "$exe" session --db "$folder/lexiton.db" --user "$user" --password "$user-secret" \
      --address "http://127.0.0.1:$try/" --ini "$server_ini" >"$folder/session.out" || return 1
    server_session=$(head -n 1 "$folder/session.out")
    timeout "${SERVER_SESSION_SECONDS:-600}" "$exe" serve --db "$folder/lexiton.db" \
      --listen "127.0.0.1:$try" 2>"$server_log" &
    server_pid=$!
    # It prints "listening on" once the port is its own, and exits when the port is taken.
    for _ in $(seq 200); do
      grep -q '^listening on' "$server_log" && break
      kill -0 "$server_pid" 2>/dev/null || break
      sleep 0.05
    done
    if grep -q '^listening on' "$server_log"; then
      server_port=$try
      return 0
    fi
    wait "$server_pid" 2>/dev/null
    server_pid=""
  done
  echo "lexiton-server could not listen on a loopback port: $(cat "$server_log")" >&2
  return 1
}

server_session_stop() {
  [ -n "${server_pid:-}" ] || return 0
  local pid=$server_pid
  server_pid=""
  kill -TERM "$pid" 2>/dev/null
  wait "$pid"
}

server_session_scratch() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
  trap 'server_session_stop 2>/dev/null; rm -rf "$work"' EXIT
  trap 'exit 130' INT TERM
}
