#!/usr/bin/env bash
# Smoke test of the Windows program under wine, headless in tmux.
#   scripts/wine-rooktest.sh [BUILD_DIR]      (default build/mingw)
# BUILD_DIR holds struinpaadje.exe and libstruin.a of the mingw preset. A
# driver (tests/windows/stuur.cpp) starts each program on its own console, types
# exact key records and reads the cells back; a key probe
# (tests/windows/toetsprobe.cpp) shows what the console backend hands the game.
# Installs g++-mingw-w64-x86-64, wine and tmux when missing. Cleans up its wine
# prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
bouw=${1:-build/mingw}
[ -f "$bouw/struinpaadje.exe" ] || {
    echo "Geen Windows-versie in $bouw: bouw die eerst met" \
        "cmake --preset mingw && cmake --build --preset mingw" >&2
    exit 1
}
bouw=$(realpath "$bouw")
spel="$bouw/struinpaadje.exe"
scripts/vereisten.sh g++-mingw-w64-x86-64 wine wine64 tmux

werk=$(mktemp -d /tmp/struin-wine.XXXXXX)
mkdir "$werk/tmp"
# wine leaves a directory in the temporary directory: keep it in ours
export WINEPREFIX="$werk/prefix" WINEDEBUG=-all TMPDIR="$werk/tmp"
unset DISPLAY WAYLAND_DISPLAY
sessie="struin-wine-$$"
# A tmux server of our own: a running one would hand its own environment to
# the new session.
tmx() { tmux -L "$sessie" "$@"; }
opruimen() {
    tmx kill-server 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$werk"
}
trap opruimen EXIT

# Windows' name for a path here (wine shows the root as drive Z:).
win() { printf 'Z:%s' "${1//\//\\}"; }

echo "-- driver en toetsprobe bouwen"
vlaggen=(-std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Werror -static)
wineboot -i >/dev/null 2>&1 &
prefix=$!
x86_64-w64-mingw32-g++ "${vlaggen[@]}" -municode tests/windows/stuur.cpp -o "$werk/stuur.exe" &
stuur=$!
x86_64-w64-mingw32-g++ "${vlaggen[@]}" -I. tests/windows/toetsprobe.cpp \
    console/achterkant/windows.cpp "$bouw/libstruin.a" -o "$werk/toetsprobe.exe"
wait "$stuur"
wait "$prefix"

fout() { echo "MISLUKT: $*" >&2; exit 1; }

echo "-- zonder console: melding en status 2"
status=0
wine "$spel" </dev/null >"$werk/uit" 2>"$werk/fout" || status=$?
[ "$status" -eq 2 ] || fout "status $status in plaats van 2 zonder console"
grep -q 'dit spel moet in een console draaien' "$werk/fout" || fout "geen melding: $(cat "$werk/fout")"

# Runs the driver with a script on a fresh 80x25 console; stdin of this
# function is the script. Leaves the log in $werk/NAME.log.
draai() {
    local naam=$1 programma=$2
    cat >"$werk/$naam.txt"
    rm -f "$werk/$naam.rc"
    tmx new-session -d -s "$sessie" -x 80 -y 25 \
        "env -u DISPLAY WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all TMPDIR='$TMPDIR' wine '$werk/stuur.exe' '$(win "$werk/$naam.txt")' '$(win "$werk/$naam.log")' \
'$(win "$programma")'; echo \$? > '$werk/$naam.rc'; sleep 600"
}
wacht_op() {
    local naam=$1
    for _ in $(seq 1 900); do
        [ -s "$werk/$naam.rc" ] && break
        sleep 0.2
    done
    tmx kill-session -t "$sessie" 2>/dev/null || true
    if [ "$(cat "$werk/$naam.rc" 2>/dev/null)" != 0 ]; then
        cat "$werk/$naam.log" >&2 || true
        fout "$naam"
    fi
}

echo "-- toetsen zoals de achterkant ze doorgeeft"
draai toetsen "$werk/toetsprobe.exe" <<'EOF'
start
tekst 0 0 "Toetsprobe"
kleur 0 0 10 0x1f
cursor verborgen
# keypad plus, then the main keyboard's plus (Shift and =)
toets 107 t=43
tekst 0 1 "1: 107 43 "
toets 16 shift
tekst 0 1 "2: 16 0 "
toets 187 t=43 shift
tekst 0 1 "3: 187 43 "
toets 109 t=45
tekst 0 1 "4: 109 45 "
# key-ups, mouse, focus and size records are no presses
ruis
# Esc without a character, as wine gives it, still has character 27
toets 27 t=0
tekst 0 1 "5: 27 27 "
toets 13
tekst 0 1 "6: 13 13 "
# not ASCII: no character
toets 69 t=233
tekst 0 1 "7: 69 0 "
toets 123
tekst 0 1 "8: 123 0 "
toets 81 t=113
einde 0
hersteld
# Ctrl+C ends with 130 and gives the console back
start
tekst 0 0 "Toetsprobe"
toets 67 t=3 ctrl
einde 130
hersteld
EOF
wacht_op toetsen

echo "-- het spel: hoofdmenu, zes units, Alfabet winnen, afsluiten"
# Alfabet: carry each word of the sorted list up to its place.
woorden=(koelbloedig aanvullen onlangs president afgunst bedroefd rubriek onaangenaam winstgevend
    geregeld supplement)
mapfile -t gesorteerd < <(printf '%s\n' "${woorden[@]}" | LC_ALL=C sort)
alfabet=""
cursor=0
for doel in "${!gesorteerd[@]}"; do
    for plek in "${!woorden[@]}"; do [ "${woorden[$plek]}" = "${gesorteerd[$doel]}" ] && break; done
    [ "$plek" -eq "$doel" ] && continue
    if [ "$plek" -gt "$cursor" ]; then alfabet+="toets 40 x$((plek - cursor))"$'\n'; fi
    if [ "$plek" -lt "$cursor" ]; then alfabet+="toets 38 x$((cursor - plek))"$'\n'; fi
    alfabet+="toets 13"$'\n'"toets 38 x$((plek - doel))"$'\n'"toets 13"$'\n'
    woord=${woorden[$plek]}
    for ((i = plek; i > doel; i--)); do woorden[i]=${woorden[i - 1]}; done
    woorden[doel]=$woord
    cursor=$doel
done
units=""
for n in 1 2 3 4 5 6; do
    units+="toets 40 x4"$'\n'"toets 39"$'\n'"tekst 23 10 \"Test een unit\""$'\n'
    [ "$n" -gt 1 ] && units+="toets 40 x$((n - 1))"$'\n'
    units+="toets 13
tekst 20 9 \"Bezig met het testen van de unit...\"
tekst 20 11 \"De test is geslaagd...\"
kleur 20 11 22 0x8f
toets 13
tekst 3 2 \"Hoofdmenu\"
tekst 3 11 \" Test een unit > \"
"
done
draai spel "$spel" <<EOF
start
tekst 3 2 "Hoofdmenu"
kleur 3 2 9 0x1e
tekst 3 4 " Spel Starten    "
kleur 3 4 17 0x1f
tekst 3 5 " Informatie    > "
kleur 3 5 17 0x8f
tekst 3 6 " Afsluiten       "
kleur 3 6 17 0x8f
cursor verborgen
# the rule above the footer: code page 437's line, whatever the code page
teken 1 23 0x2500
teken 78 23 0x2500
meld MENU
# tmux types an arrow through the terminal: the second item lights up
wachtbestand $(win "$werk/menu-gezien")
kleur 3 5 17 0x1f
toets 38
kleur 3 4 17 0x1f
toets 123
tekst 4 8 "Debug opties"
tekst 3 12 " Test een spel > "
$units
toets 40 x5
toets 39
tekst 23 11 "Test een spel"
toets 40 x3
toets 13
tekst 1 2 "Het alfabet"
tekst 33 9 "koelbloedig"
tekst 33 19 "supplement"
# holding a word: the arrows (bytes 24 and 25) as arrows
toets 13
teken 31 9 0x2191
teken 45 9 0x2193
toets 13
tekst 31 9 "["
$alfabet
tekst 33 9 "aanvullen"
tekst 33 19 "winstgevend"
toets 32
tekst 32 9 "Gefeliciteerd!"
kleur 32 9 14 0x1e
toets 13
tekst 3 2 "Hoofdmenu"
toets 40 x2
kleur 3 6 17 0x1f
toets 13
einde 0
hersteld
tekst 3 2 "Hoofdmenu"
EOF
for _ in $(seq 1 300); do
    grep -q '^MENU$' "$werk/spel.log" 2>/dev/null && break
    [ -s "$werk/spel.rc" ] && break
    sleep 0.2
done
if grep -q '^MENU$' "$werk/spel.log" 2>/dev/null; then
    tmx capture-pane -p -t "$sessie" >"$werk/scherm.txt"
    sed -n 3p "$werk/scherm.txt" | grep -q '^   Hoofdmenu' || {
        cat "$werk/scherm.txt" >&2
        fout "de terminal toont het hoofdmenu niet"
    }
    tmx send-keys -t "$sessie" Down
    touch "$werk/menu-gezien"
fi
wacht_op spel
echo "wine-rooktest: geslaagd"
