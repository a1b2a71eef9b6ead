// The six mini-games. Each draws its own screens and returns true exactly when
// it was won; Esc returns false. They keep nothing between two plays.
#pragma once

#include <array>

bool SpeelEekhoorn();
bool SpeelKluis();
bool SpeelPostduif();
bool SpeelAlfabet();
bool SpeelGeheimschrift();
bool SpeelKlinkers();

// The six games in the order of the debug menu: each one's key in the forest
// table `KamerSpellen`, its label in the debug menu, its entry, and its flag in
// the walk's `Verzameld` (which keeps the order kluis, eekhoorn, postduif,
// alfabet, geheimschrift, klinkers).
struct MiniSpel {
    const char* sleutel;
    const char* naam;
    bool (*speel)();
    int vlag;
};
inline constexpr std::array<MiniSpel, 6> MiniSpellen = {{
    {"eekhoorn", "Eekhoorn", SpeelEekhoorn, 1},
    {"kluis", "Kluis", SpeelKluis, 0},
    {"postduif", "Postduif", SpeelPostduif, 2},
    {"alfabet", "Alfabet", SpeelAlfabet, 3},
    {"geheimschrift", "Geheimschrift", SpeelGeheimschrift, 4},
    {"klinkers", "Klinkers", SpeelKlinkers, 5},
}};

// Drawing helpers of the games.
void TekenCijferVak(int x, int y, int modus); // the safe's digit box, 1-based corner
void ToonOordeel(int vergelijking);           // the safe's verdict at the cursor
void SchrijfNotenNamen(int x, int y);         // the four nut labels, 1-based
void TekenWoordCursor(int positie, int vasthouden);
void TekenLetterCursor(int kolom, int rij, int tonen);
