// A small terminal emulator for the renderer's tests and the end-to-end suite:
// it interprets the part of the VT/xterm output language that a full-screen
// program uses (absolute and relative cursor moves, colours, erasing with or
// without the background, repeating, inserting and deleting characters, the
// alternate screen, cursor visibility) and keeps the picture as a grid of cells that a test can
// read back.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

// Colours are console colour numbers (0 black, 1 blue, ... 8 dark grey ...
// 15 white), so a test compares them with the numbers the game draws with.
constexpr int Standaard = -1; // the terminal's own default colour
constexpr int Onbekend = -2;  // a direct RGB colour, which the game never asks for

struct Cel {
    char32_t teken = U' ';
    int voor = Standaard;
    int achter = Standaard;
    bool vet = false;
    bool operator==(const Cel&) const = default;
};

struct Scherm {
    int breedte = 80;
    int hoogte = 25;
    std::vector<Cel> normaal = std::vector<Cel>(80 * 25);
    std::vector<Cel> alternatief = std::vector<Cel>(80 * 25);
    bool opAlternatief = false;
    int cursorX = 0;
    int cursorY = 0;
    bool cursorZichtbaar = true;
    bool toetsenbordApplicatie = false;   // ESC = / ESC >
    bool cursortoetsenApplicatie = false; // ESC[?1h / ESC[?1l
    bool autoTerugloop = true;            // ESC[?7h / ESC[?7l
    // Back-colour erase: erased cells take the current colours, as in xterm;
    // without it they get the terminal's own colours, as in GNU screen.
    bool achtergrondWissen = true;
    // The pen for the next character.
    Cel pen;
    // A character written in the last column waits here before wrapping.
    bool wachtOpTerugloop = false;
    // The character just printed, which ESC[n b repeats; 0 when anything
    // else came after it.
    char32_t laatsteTeken = 0;
    int bewaardX = 0, bewaardY = 0; // ESC 7 / ESC 8 and ESC[?1049h
    // The bytes of an unfinished escape sequence or UTF-8 character.
    std::string rest;
    // How often each operation came by: CSI sequences by their final byte,
    // controls (carriage return, backspace) by themselves.
    std::map<char, long> gebruikt;
    // What the parser met and did not understand (for the test's messages).
    std::vector<std::string> onbekend;
    // Cursor moves that aimed past the edge and were held at it, as a terminal
    // does; a renderer that knows the screen's size never needs one.
    int buitenRand = 0;
    // Every switch of ESC[?1049, in order: 'h' or 'l'.
    std::string schakelingen1049;
    // Replies a real terminal would send back (cursor position, device
    // attributes); the driver writes them to the program and empties this.
    std::string antwoord;
    // The kitty keyboard protocol: a terminal that speaks it answers its
    // question (CSI ? u) and keeps a stack of flags (CSI > pushes, CSI =
    // sets the top, CSI < pops); one that does not ignores all of it.
    bool toetsenprotocol = false;
    std::vector<int> toetsenStapel;
};

Scherm NieuwScherm(int breedte, int hoogte);
// Feeds program output; it may stop anywhere, even inside a sequence.
void Verwerk(Scherm& scherm, std::string_view bytes);
// A new window size: the picture is cut off or extended with blanks, as xterm does.
void ZetGrootte(Scherm& scherm, int breedte, int hoogte);

// Reading the visible screen.
const Cel& CelOp(const Scherm& scherm, int x, int y);
// Whether two cells look the same: a blank shows only its background.
bool ZelfdeBeeld(const Cel& a, const Cel& b);
// Whether `s` shows what `verwacht` does: every cell looks the same, and the
// one under a shown cursor, whose colours some terminals give the cursor, is equal.
bool ToontHetzelfde(const Scherm& s, const Scherm& verwacht);
// The characters from column x on, `lengte` long, as UTF-8.
std::string TekstOp(const Scherm& scherm, int x, int y, int lengte);
std::string RijTekst(const Scherm& scherm, int y);
// True when `tekst` stands somewhere on the screen.
bool ToontErgens(const Scherm& scherm, std::string_view tekst);
// The whole picture, for failure messages.
std::string Dump(const Scherm& scherm);
// Every mode the program can set in this terminal (screen, cursor, keypad,
// cursor keys, auto-wrap, pen, keyboard protocol stack), as text to compare
// before and after. A mode the terminal learns to track belongs here too.
std::string Standen(const Scherm& scherm);

std::string NaarUtf8(std::u32string_view tekst);
// For the messages of GoogleTest.
void PrintTo(const Cel& cel, std::ostream* os);

} // namespace vt
