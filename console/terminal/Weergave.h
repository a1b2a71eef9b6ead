// Draws the console model on a terminal with ANSI/VT sequences: only the
// cells that changed since the last frame, each run of changes with the
// cheapest of the terminal's own operations, in the terminal's own colours.
#pragma once

#include "console/Model.h"

#include <optional>
#include <string>
#include <vector>

struct WeergaveOpties {
    bool utf8 = true;               // glyphs as UTF-8; otherwise ASCII look-alikes
    bool achtKleuren = false;       // no bright backgrounds; bright text by bold
    bool achtergrondWissen = false; // erasing fills with the current background (bce)
    bool herhalen = false;          // the terminal repeats the last character (CSI n b)
};

// What the terminal holds besides the picture, carried from one frame to the
// next: its size (the picture stands in the middle of it), where the cursor
// was left and the colours that are set.
struct Terminalstand {
    int breedte = 80;
    int hoogte = 25;
    int cursorX = -1; // -1: unknown
    int cursorY = -1;
    std::optional<unsigned char> pen; // the attribute whose colours are set; nullopt: unknown
};

// The bytes that turn a terminal showing `vorig` (nullptr: unknown, clear it
// and draw everything) into `nieuw`: erases, repeats, cursor moves and colour
// changes only where cells changed (a blank shows only its background, except
// under a shown cursor), then the cursor, hidden or not, where the model has
// it, and its visibility. An identical frame with the cursor already in place
// gives no bytes at all. `stand` gives the terminal's size, which always places
// the picture, and what the last frame left there (its cursor and colours, not
// trusted when `vorig` is nullptr); it gets what this frame leaves.
std::string TekenVerschil(const ConsoleModel* vorig, const ConsoleModel& nieuw,
                          const WeergaveOpties& opties, Terminalstand& stand);

// The bytes that hide the cursor, clear a terminal of breedte x hoogte in its
// own colours and show `regels` in its middle, each line centred; lines past
// the terminal's height are left out. For a notice in place of the game.
std::string TekenMelding(int breedte, int hoogte, const std::vector<std::string>& regels);

// The SGR parameters (without ESC [ and m) that give a cell this attribute
// (background * 16 + foreground) on the terminal, in full.
std::string KleurParameters(unsigned char attribuut, const WeergaveOpties& opties);
