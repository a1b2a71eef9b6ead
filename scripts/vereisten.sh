#!/usr/bin/env bash
# Installs the Debian packages the build needs when they are missing, saying
# which ones and showing apt's progress, or says in one line what to install.
# Usage: scripts/vereisten.sh PACKAGE...
set -euo pipefail
ontbreekt=()
for pakket in "$@"; do
  dpkg-query -W -f='${Status}' "$pakket" 2>/dev/null | grep -q 'install ok installed' || ontbreekt+=("$pakket")
done
[ ${#ontbreekt[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
  als=()
elif command -v sudo >/dev/null && command -v apt-get >/dev/null; then
  als=(sudo)
else
  echo "Installeer eerst: apt-get install ${ontbreekt[*]}" >&2
  exit 1
fi
echo "Ontbrekende pakketten installeren met apt-get: ${ontbreekt[*]}"
"${als[@]}" apt-get update
"${als[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${ontbreekt[@]}"
