#!/usr/bin/env bash
# Builds the game and starts it in this terminal.
set -euo pipefail
cd "$(dirname "$0")"
scripts/vereisten.sh cmake ninja-build g++
cmake --preset default -DSTRUIN_TESTS=OFF >/dev/null
cmake --build --preset default --target struinpaadje >/dev/null
exec ./build/default/struinpaadje
