// Draws the console model on a terminal with ANSI/VT sequences: only the
// cells that changed since the last frame, in the terminal's own colours.
#pragma once

#include "console/Model.h"

#include <string>

struct WeergaveOpties {
    bool utf8 = true;         // glyphs as UTF-8; otherwise ASCII look-alikes
    bool achtKleuren = false; // no bright backgrounds; bright text by bold
};

// The bytes that turn a terminal showing `vorig` (nullptr: unknown, draw
// everything) into `nieuw`, drawn from the top-left cell: cursor moves and
// colour changes only where cells changed, then the cursor's position and
// visibility. An identical frame gives no bytes at all.
std::string TekenVerschil(const ConsoleModel* vorig, const ConsoleModel& nieuw,
                          const WeergaveOpties& opties);

// The bytes that clear a terminal of breedte x hoogte and show, in place of the
// game, why it does not fit (it needs nodigBreedte x nodigHoogte).
std::string TekenTeKlein(int breedte, int hoogte, int nodigBreedte, int nodigHoogte);

// The SGR parameters (without ESC [ and m) that give a cell this attribute
// (background * 16 + foreground) on the terminal, in full.
std::string KleurParameters(unsigned char attribuut, const WeergaveOpties& opties);
