# Shell helpers for the scripts that start services on loopback (server/tests/cluster_test.sh,
# server/bench/server-bench.sh): free ports, bounded waits for a port, services run as `nobody`
# when root, and nginx's configuration in a folder of its own. Sourced, never run.

# A free TCP port on 127.0.0.1.
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

# Waits until 127.0.0.1:PORT takes connections, at most SECONDS (10 when not given).
wait_port() {  # port [seconds]
  local i
  for i in $(seq $(( ${2:-10} * 20 ))); do
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null && return 0
    sleep 0.05
  done
  return 1
}

# PostgreSQL's server refuses to run as root, so as root services (and nginx) run as `nobody`
# in folders that user owns.
as_service() { if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi; }
own() { if [ "$(id -u)" -eq 0 ]; then chown -R nobody "$@"; fi; }

# Writes DIR/nginx.conf: the pid file, the logs and every temporary folder inside DIR, then the
# http block's own lines as given on standard input; DIR is handed to the service's user.
nginx_config() {  # dir worker_processes worker_connections <http-lines
  local dir=$1
  mkdir -p "$dir"
  {
    cat <<CONF
worker_processes $2;
pid $dir/nginx.pid;
error_log $dir/error.log;
events { worker_connections $3; }
http {
  access_log $dir/access.log;
  client_body_temp_path $dir/body; proxy_temp_path $dir/proxy;
  fastcgi_temp_path $dir/fastcgi; uwsgi_temp_path $dir/uwsgi; scgi_temp_path $dir/scgi;
CONF
    cat
    echo "}"
  } >"$dir/nginx.conf"
  own "$dir"
}
