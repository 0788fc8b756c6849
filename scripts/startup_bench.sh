#!/usr/bin/env bash
# Times the program's first window against a bare Qt window on a private X server
# (bench/startup_bench). Assumes the build folder was built by scripts/build.sh.
# Usage: scripts/startup_bench.sh [BUILD_DIR] [--runs N] [--program PATH]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  build=$1
  shift
fi
bench="$build/bench/startup_bench"
[ -x "$bench" ] || { echo "no $bench: build first (scripts/build.sh)" >&2; exit 1; }

# headless_start stops the X server and PulseAudio again when this script exits.
source scripts/headless.sh
headless_start
"$bench" "$@"
