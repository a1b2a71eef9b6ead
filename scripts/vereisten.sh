#!/usr/bin/env bash
# Installs the Debian packages the build needs when they are missing, saying
# which ones and showing apt's progress, or says in one line what to install.
# As root it installs with apt-get; otherwise with sudo when sudo needs no
# password, or when there is a terminal to type it in (it says so first);
# without either it only names the packages.
# Usage: scripts/vereisten.sh PACKAGE...
set -euo pipefail
ontbreekt=()
for pakket in "$@"; do
  dpkg-query -W -f='${Status}' "$pakket" 2>/dev/null | grep -q 'install ok installed' || ontbreekt+=("$pakket")
done
[ ${#ontbreekt[@]} -eq 0 ] && exit 0
if ! command -v apt-get >/dev/null; then
  echo "Installeer eerst deze Debian-pakketten: ${ontbreekt[*]}" >&2
  exit 1
elif [ "$(id -u)" -eq 0 ]; then
  als=()
  echo "Ontbrekende pakketten installeren met apt-get: ${ontbreekt[*]}"
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
  als=(sudo)
  echo "Ontbrekende pakketten installeren met sudo apt-get: ${ontbreekt[*]}"
elif command -v sudo >/dev/null && [ -t 0 ]; then
  als=(sudo)
  echo "Ontbrekende pakketten installeren met sudo apt-get (sudo vraagt om je wachtwoord): ${ontbreekt[*]}"
else
  echo "Installeer eerst (als root of met sudo): apt-get install ${ontbreekt[*]}" >&2
  exit 1
fi
"${als[@]}" apt-get update
"${als[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${ontbreekt[@]}"
