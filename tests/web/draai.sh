#!/usr/bin/env bash
# The browser suite from scratch: builds the site with the web preset,
# installs the pinned puppeteer-core when it is missing or stale, and runs
# the suite in headless Chromium. ctest runs this under the label "web".
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v em++ >/dev/null && command -v chromium >/dev/null || {
  echo "Installeer eerst: apt-get install --no-install-recommends emscripten chromium" >&2
  exit 1
}
command -v npm >/dev/null || scripts/vereisten.sh npm
cmake --preset web >/dev/null
cmake --build --preset web -j2
if [ ! tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json ]; then
  (cd tests/web && npm ci --no-audit --no-fund)
fi
exec node tests/web/suite.mjs build/web/site
