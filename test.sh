#!/usr/bin/env bash
# Builds everything and runs every test. The build shows its own output; when
# it fails, the script ends with its status.
set -euo pipefail
cd "$(dirname "$0")"
scripts/vereisten.sh cmake ninja-build g++ libgtest-dev tmux screen
if [ -d build/default ]; then
  echo "Alles wordt gebouwd en getest."
else
  echo "Alles wordt gebouwd en getest (de eerste keer duurt dat 4 à 10 minuten)."
fi
cmake --preset default -DSTRUIN_TESTS=ON -DSTRUIN_BENCHMARKS=OFF >/dev/null
cmake --build --preset default
ctest --preset default --output-on-failure -j2
