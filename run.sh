#!/usr/bin/env bash
# Builds everything and starts the program on the demo course.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/build.sh
exec build/lexaro-vimo --course-root build/demo-course
