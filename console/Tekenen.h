// Drawing helpers on top of the console layer, and the frames every screen
// shares. GaNaar and VulVlak take 1-based positions, the rest 0-based ones.
#pragma once

#include "console/Console.h"

#include <string>
#include <vector>

void GaNaar(int x, int y);
void VulVlak(int x1, int y1, int x2, int y2, Kleur kleur);
void VerticaleLijn(int x, int y1, int y2, Kleur kleur);
void Schrijf(const std::string& tekst);
void SchrijfRegel(const std::string& tekst);
void SchrijfOmgebroken(const std::string& tekst, int x, int y, int breedte);

// Writes the character n times to the output stream.
void SchrijfHerhaald(unsigned char teken, int aantal);

// One piece of a controls footer: text written at 1-based column `kolom` of row 25.
struct VoetDeel {
    int kolom;
    std::string tekst;
};

// The copyright line of the menus and information screens.
extern const std::string CopyrightRegel;

// The screen frame: cleared screen, blue title bar, rule on row 24 and a footer:
// the controls of the screen, or the copyright line.
void SchermKader(const std::vector<VoetDeel>& bediening);
void SchermKaderCopyright();
// The frame of a mini-game: the frame with its controls, the cursor hidden and
// the game's name at (1, 2).
void SpelScherm(const std::string& naam, const std::vector<VoetDeel>& bediening);

// A line of text in a message panel (0-based position).
struct MeldingRegel {
    int kolom;
    int rij;
    std::string tekst;
    Kleur voor = 15;
};

// The message panel: blue header with the title in yellow at 0-based column
// `titelKolom` of row 9, dark grey body with the lines. `margeOnder` 18 or 19
// first blanks a black margin from (21, 9) to (59, margeOnder); 0 leaves none.
void MeldingVenster(const std::string& titel, int titelKolom,
                    const std::vector<MeldingRegel>& regels, int margeOnder = 0);
