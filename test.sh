#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless: a private X server,
# PulseAudio daemon and PostgreSQL cluster are started for the tests and stopped
# afterwards.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/build.sh
source scripts/headless.sh
source scripts/postgres.sh
headless_start
trap 'headless_stop; pg_test_stop' EXIT
pg_test_start
status=0
(cd build && ctest --output-on-failure --timeout 300) || status=$?
pg_test_stop
headless_stop
exit $status
