#!/usr/bin/env bash
# Makes the release packages and checks what is in them:
#   the .deb from build/default (Debian 12), which lintian must pass without an
#   error or a warning; the .zip from build/mingw (Windows); the web .zip and
#   the page as one file (struinpaadje.html) from build/web.
# Both builds must exist (./test.sh and the mingw preset make them), and
# emscripten for the web version.
#   scripts/pakketten.sh      packages land in build/*/pakketten/
set -euo pipefail
cd "$(dirname "$0")/.."
fout() { echo "MISLUKT: $*" >&2; exit 1; }
[ -f build/default/CMakeCache.txt ] || fout "eerst de Debian-build: ./test.sh"
[ -f build/mingw/CMakeCache.txt ] ||
    fout "eerst de Windows-build: cmake --preset mingw && cmake --build --preset mingw"
command -v em++ >/dev/null ||
    fout "emscripten ontbreekt: apt-get install --no-install-recommends emscripten"
scripts/vereisten.sh man-db unzip dpkg-dev lintian

wortel=$(mktemp -d /tmp/struin-pakket.XXXXXX)
trap 'rm -rf "$wortel"' EXIT
# Runs a tool quietly; shows what it said only when it fails.
stil() {
    "$@" >"$wortel/uitvoer" 2>&1 || { cat "$wortel/uitvoer" >&2; fout "$*"; }
}

echo "-- .deb"
stil cmake --build --preset default --target struinpaadje
rm -rf build/default/pakketten
(cd build/default && stil cpack -G DEB)
deb=$(echo build/default/pakketten/struinpaadje_*.deb)
[ -f "$deb" ] || fout "geen .deb gemaakt"
dpkg-deb -f "$deb" Section | grep -qx games || fout "sectie is geen games"
dpkg -x "$deb" "$wortel"
[ -x "$wortel/usr/games/struinpaadje" ] || fout "geen /usr/games/struinpaadje in $deb"
man6="$wortel/usr/share/man/man6/struinpaadje.6.gz"
[ -f "$man6" ] || fout "geen handleiding in sectie 6"
MANWIDTH=80 man -l "$man6" >"$wortel/man.txt" 2>"$wortel/man.fout" || fout "man -l faalt"
[ -s "$wortel/man.fout" ] && { cat "$wortel/man.fout" >&2; fout "man -l waarschuwt"; }
for kop in NAAM BEDIENING AFSLUITSTATUS "De Eekhoorn" "Het alfabet"; do
    grep -q "$kop" "$wortel/man.txt" || fout "de handleiding mist $kop"
done
# The program's messages end in three dots; a sentence's full stop after one makes four.
grep -qF '....' "$wortel/man.txt" && fout "de handleiding zet vier punten achter een melding"
versie=$(dpkg-deb -f "$deb" Version)
[ "$(zcat "$wortel/usr/share/doc/struinpaadje/changelog.gz" | head -1 | cut -d' ' -f2)" = "($versie)" ] ||
    fout "de changelog begint niet bij versie $versie"
stil lintian --fail-on error,warning "$deb"
status=0
"$wortel/usr/games/struinpaadje" </dev/null >/dev/null 2>"$wortel/fout" || status=$?
[ "$status" -eq 2 ] || fout "het geïnstalleerde programma zonder terminal: status $status, niet 2"
[ -s "$wortel/fout" ] || fout "het geïnstalleerde programma zegt niet waarom het stopt"
echo "   $deb"

echo "-- .zip"
stil cmake --build --preset mingw
rm -rf build/mingw/pakketten
(cd build/mingw && stil cpack -G ZIP)
zip=$(echo build/mingw/pakketten/struinpaadje-*-win64.zip)
[ -f "$zip" ] || fout "geen .zip gemaakt"
unzip -l "$zip" >"$wortel/zip.txt"
grep -q '/struinpaadje\.exe$' "$wortel/zip.txt" || fout "struinpaadje.exe ontbreekt in $zip"
grep -q '/LEESMIJ\.txt$' "$wortel/zip.txt" || fout "LEESMIJ.txt ontbreekt in $zip"
unzip -q "$zip" -d "$wortel/zip"
grep -qv $'\r$' "$wortel"/zip/*/LEESMIJ.txt && fout "LEESMIJ.txt in $zip heeft regels zonder CRLF"
x86_64-w64-mingw32-objdump -p "$wortel"/zip/*/struinpaadje.exe | grep 'DLL Name' |
    grep -viq -e KERNEL32 -e msvcrt && fout "struinpaadje.exe heeft meer nodig dan KERNEL32 en msvcrt"
echo "   $zip"

# The web version: the site folder of the web preset, zipped (needs emscripten).
echo "-- web .zip"
cmake --preset web >/dev/null
stil cmake --build --preset web --target webzip
webzip=$(echo build/web/pakketten/struinpaadje-*-web.zip)
[ -f "$webzip" ] || fout "geen web-.zip gemaakt"
map=$(basename "$webzip" .zip)
unzip -Z1 "$webzip" | grep -v '/$' | sort >"$wortel/web.txt"
printf "$map/%s\n" LEESMIJ.txt icoon-192.png icoon-512.png icoon.svg index.html manifest.webmanifest \
    speelveld.css speelveld.js struinpaadje.js struinpaadje.wasm sw.js voorlezen.js struinpaadje.html |
    sort | diff - "$wortel/web.txt" >&2 ||
    fout "$webzip heeft niet precies de site, struinpaadje.html en LEESMIJ.txt in $map/"
unzip -q "$webzip" -d "$wortel/web"
for bron in speelveld.css speelveld.js voorlezen.js struinpaadje.js; do
    grep -q "\"$bron\"" "$wortel/web/$map/index.html" || fout "index.html laadt $bron niet"
done
for woord in application/wasm https struinpaadje.html; do
    grep -q "$woord" "$wortel/web/$map/LEESMIJ.txt" || fout "LEESMIJ.txt in $webzip noemt $woord niet"
done
[ "$(head -c4 "$wortel/web/$map/struinpaadje.wasm" | od -An -tx1 | tr -d ' ')" = 0061736d ] ||
    fout "struinpaadje.wasm is geen WebAssembly"
# The page as one file: in the zip and beside it, the program inside.
los=build/web/pakketten/struinpaadje.html
cmp -s "$los" "$wortel/web/$map/struinpaadje.html" || fout "$los ontbreekt of verschilt van die in $webzip"
grep -q '<html data-los' "$los" || fout "$los weet niet dat het één bestand is"
grep -q 'data:application/octet-stream;base64,AGFzbQ' "$los" || fout "$los heeft het spel niet in zich"
echo "   $webzip"
echo "   $los ($(wc -c <"$los") bytes, gzip -9 $(gzip -9c "$los" | wc -c))"
