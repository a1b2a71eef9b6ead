#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/vereisten.sh cmake ninja-build g++ libgtest-dev tmux screen
cmake --preset default -DSTRUIN_TESTS=ON >/dev/null
cmake --build --preset default
ctest --preset default --output-on-failure -j2
