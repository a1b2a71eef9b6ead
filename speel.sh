#!/usr/bin/env bash
# Builds the game (build/spel, without the tests) and starts it in this terminal,
# with the options given (./speel.sh --zonder-numeriek). The build shows its own
# output; when it fails, the script ends with its status.
set -euo pipefail
cd "$(dirname "$0")"
scripts/vereisten.sh cmake ninja-build g++
[ -d build/spel ] || echo "Het spel wordt gebouwd (de eerste keer duurt dat een minuut of twee)."
cmake --preset spel >/dev/null
cmake --build --preset spel --target struinpaadje
exec ./build/spel/struinpaadje "$@"
