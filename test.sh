#!/usr/bin/env bash
# Builds everything and runs every test. The build shows its own output; when
# it fails, the script ends with its status.
set -euo pipefail
cd "$(dirname "$0")"
scripts/vereisten.sh cmake ninja-build g++ libgtest-dev tmux
echo "Alles wordt gebouwd in build/default en getest (de eerste keer duurt het bouwen een paar minuten)."
cmake --preset default -DSTRUIN_TESTS=ON >/dev/null
cmake --build --preset default
ctest --preset default --output-on-failure -j2
