#!/usr/bin/env bash
# Sourced by scripts that test the school server on PostgreSQL: starts a private
# cluster in a temporary folder (as the postgres user when run as root), reachable only
# through the socket in that folder, with trust authentication; exports
# VIMO_TEST_PG_SOCKET; pg_test_stop stops it by its PID and removes the folder.
# Usage: source scripts/postgres.sh; pg_test_start; ...; pg_test_stop

pg_test_dir=""
pg_test_pid=""
pg_test_bin=/usr/lib/postgresql/15/bin

pg_test_as() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

pg_test_start() {
  if [ ! -x "$pg_test_bin/initdb" ]; then
    echo "PostgreSQL 15 is not installed: the server's PostgreSQL tests are skipped" >&2
    return 0
  fi
  pg_test_dir=$(mktemp -d /tmp/vimo-pg.XXXXXX)
  [ "$(id -u)" -eq 0 ] && chown postgres: "$pg_test_dir"
  pg_test_as "$pg_test_bin/initdb" -D "$pg_test_dir/data" -U postgres --auth=trust -E UTF8 \
    --locale=C.UTF-8 >"$pg_test_dir/initdb.log" 2>&1 || { cat "$pg_test_dir/initdb.log" >&2; return 1; }
  pg_test_as "$pg_test_bin/pg_ctl" -D "$pg_test_dir/data" -l "$pg_test_dir/server.log" -w \
    -o "-k $pg_test_dir -c listen_addresses='' -c max_connections=200" start >/dev/null ||
    { cat "$pg_test_dir/server.log" >&2; return 1; }
  pg_test_pid=$(head -n 1 "$pg_test_dir/data/postmaster.pid")
  export VIMO_TEST_PG_SOCKET="$pg_test_dir"
}

pg_test_stop() {
  if [ -n "$pg_test_pid" ]; then
    # SIGINT: the fast shutdown, which ends the sessions and writes a checkpoint.
    kill -INT "$pg_test_pid" 2>/dev/null || true
    local tries
    for tries in $(seq 1 300); do
      kill -0 "$pg_test_pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  pg_test_pid=""
  [ -n "$pg_test_dir" ] && rm -rf "$pg_test_dir"
  pg_test_dir=""
  unset VIMO_TEST_PG_SOCKET
}
