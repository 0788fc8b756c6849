#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what the committed .clang-format
# makes of it, and names the files.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
clang-format --dry-run -Werror "${files[@]}"
