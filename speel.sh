#!/usr/bin/env bash
# Builds the game (build/spel, without the tests) and starts it in this terminal,
# with the options given (./speel.sh --zonder-numeriek).
set -euo pipefail
cd "$(dirname "$0")"
scripts/vereisten.sh cmake ninja-build g++
cmake --preset spel >/dev/null
cmake --build --preset spel --target struinpaadje >/dev/null
exec ./build/spel/struinpaadje "$@"
