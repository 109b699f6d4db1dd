#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests.
#   pg-test-server.sh start   makes a cluster in a new temporary directory, starts it
#                             listening only on a Unix socket there, creates the
#                             database "quorvel_test" and prints shell lines that
#                             export QUORVEL_TEST_PG_URL and QUORVEL_TEST_PG_DIR.
#   pg-test-server.sh stop DIR  stops that server and removes the directory.
set -euo pipefail

bin="${PG_BIN:-$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)}"
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
  echo "pg-test-server: PostgreSQL's initdb not found (install the postgresql package)" >&2
  exit 1
fi

# initdb refuses to run as root: then the cluster belongs to the postgres user.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

start() {
  local dir user
  dir="$(mktemp -d /tmp/quorvel-pg.XXXXXX)"
  chmod 755 "$dir"
  user="$(id -un)"
  if [ "$(id -u)" -eq 0 ]; then
    chown postgres: "$dir"
    user=postgres
  fi
  as_owner "$bin/initdb" -D "$dir/data" -U "$user" -A trust -E UTF8 --no-locale >"$dir/initdb.log" 2>&1 || {
    cat "$dir/initdb.log" >&2; rm -rf "$dir"; exit 1; }
  as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses='' -k $dir -c fsync=off" start >/dev/null || {
    cat "$dir/server.log" >&2; rm -rf "$dir"; exit 1; }
  as_owner "$bin/createdb" -h "$dir" -U "$user" quorvel_test || {
    stop "$dir"; exit 1; }
  echo "export QUORVEL_TEST_PG_DIR='$dir'"
  echo "export QUORVEL_TEST_PG_URL='postgresql://$user@/quorvel_test?host=$dir'"
}

stop() {
  local dir="${1:?pg-test-server.sh stop DIR}"
  case "$dir" in /tmp/quorvel-pg.*) ;; *) echo "pg-test-server: not one of ours: $dir" >&2; exit 1 ;; esac
  if [ -d "$dir/data" ]; then
    as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$dir"
}

case "${1:-}" in
  start) start ;;
  stop) stop "${2:-}" ;;
  *) echo "usage: $0 start | stop DIR" >&2; exit 2 ;;
esac
