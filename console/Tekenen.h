// Drawing helpers on top of the console layer, and the frames every screen
// shares. GaNaar and VulVlak take 1-based positions; the rest take 0-based ones
// unless their comment says otherwise.
#pragma once

#include "console/Console.h"

#include <initializer_list>
#include <string>
#include <vector>

// The code page 437 glyphs the screens draw.
constexpr unsigned char PijlOmhoog = 24;
constexpr unsigned char PijlOmlaag = 25;
constexpr unsigned char PijlRechts = 26;
constexpr unsigned char PijlLinks = 27;
constexpr unsigned char Stip = 250; // a centred dot
constexpr unsigned char LijnVerticaal = 179;
constexpr unsigned char LijnHorizontaal = 196;
// Single-line corners and junctions, named after the arms they have.
constexpr unsigned char HoekOostZuid = 218;
constexpr unsigned char HoekZuidWest = 191;
constexpr unsigned char HoekNoordOost = 192;
constexpr unsigned char HoekNoordWest = 217;
constexpr unsigned char SplitsingZonderWest = 195;
constexpr unsigned char SplitsingZonderOost = 180;
constexpr unsigned char SplitsingZonderNoord = 194;
constexpr unsigned char SplitsingZonderZuid = 193;
constexpr unsigned char Kruis = 197;
// Double-line corners.
constexpr unsigned char DubbelLinksBoven = 201;
constexpr unsigned char DubbelRechtsBoven = 187;
constexpr unsigned char DubbelLinksOnder = 200;
constexpr unsigned char DubbelRechtsOnder = 188;

// Glyphs as a footer writes them, separated by commas: MetKomma({PijlOmhoog,
// PijlOmlaag}) is the up arrow, a comma and the down arrow.
std::string MetKomma(std::initializer_list<unsigned char> glyphs);

void GaNaar(int x, int y);
void VulVlak(int x1, int y1, int x2, int y2, Kleur kleur);
// Draws the vertical line glyph from row y1 to y2 in the column right of x
// (0-based x + 1), in kleur on black.
void VerticaleLijn(int x, int y1, int y2, Kleur kleur);
void Schrijf(const std::string& tekst);
void SchrijfRegel(const std::string& tekst);
// Writes the text word-wrapped at blanks, once a row holds `breedte`
// characters. The first character lands at 1-based (x + 2, y + 1); the blank
// at a break stands at 1-based column x + 1 of the next row.
void SchrijfOmgebroken(const std::string& tekst, int x, int y, int breedte);

// Writes the character n times to the output stream.
void SchrijfHerhaald(unsigned char teken, int aantal);

// One piece of a controls footer: text written at 1-based column `kolom` of row 25.
struct VoetDeel {
    int kolom;
    std::string tekst;
};

// Said wherever any key goes on: a message panel, a short message.
extern const std::string VerderMetToets;

// The copyright line of the menus and information screens.
extern const std::string CopyrightRegel;

// The screen frame: cleared screen, blue title bar, rule on 1-based row 24 and
// a footer: the controls of the screen, or the copyright line.
void SchermKader(const std::vector<VoetDeel>& bediening);
void SchermKaderCopyright();
// The frame of a mini-game: the frame with its controls, the cursor hidden and
// the game's name at (1, 2). The name is said, then the controls in words.
void SpelScherm(const std::string& naam, const std::vector<VoetDeel>& bediening);
// A game's introduction through the output stream from 1-based (2, 5), one
// line a row (every further line begins with a blank); said as one text.
void SchrijfInleiding(const std::vector<std::string>& regels);

// A panel: a blue header on 1-based row y1 from column x1 to x2, its title in
// yellow at 0-based column `titelKolom` of that row, and a dark grey body on
// rows y1 + 1 to y2 (1-based, as VulVlak).
void TekenPaneel(const std::string& titel, int titelKolom, int x1, int y1, int x2, int y2);

// A line of text in a message panel (0-based position).
struct MeldingRegel {
    int kolom;
    int rij;
    std::string tekst;
    Kleur voor = Wit;
};

// The message panel: blue header with the title in yellow at 0-based column
// `titelKolom` of row 9, dark grey body with the lines. `margeOnder` 18 or 19
// first blanks a black margin from 1-based (21, 9) to (59, margeOnder); 0
// leaves none. The focus goes to the first line; the title is said, then all
// the lines as one text.
void MeldingVenster(const std::string& titel, int titelKolom,
                    const std::vector<MeldingRegel>& regels, int margeOnder = 0);

// A game's short message: the text in yellow at 0-based (kolom, rij), said and
// in focus, and that a key goes on, until the next key of any kind, then
// blanked through the output stream.
void MeldTotToets(const std::string& tekst, int kolom, int rij);

// The end of a won game: the "Gefeliciteerd!" panel with the game's lines
// (and margin, as MeldingVenster), then one key of any kind. The object won,
// the line in yellow, is said first, and that a key goes on last. Returns
// true, the game's result.
bool Feliciteer(const std::vector<MeldingRegel>& regels, int margeOnder = 0);
