#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything into build/
# (the program, the tools, the tests and the demo course).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
