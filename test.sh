#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless: a private X server and
# PulseAudio daemon are started for the tests and stopped afterwards.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/build.sh
source scripts/headless.sh
headless_start
status=0
(cd build && ctest --output-on-failure --timeout 300) || status=$?
headless_stop
exit $status
