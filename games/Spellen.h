// The mini-games. Each draws its own screens and returns true exactly when
// it was won; Esc returns false. They keep nothing between two plays.
#pragma once

#include <array>
#include <cstddef>

bool SpeelEekhoorn();
bool SpeelKluis();
bool SpeelPostduif();
bool SpeelAlfabet();
bool SpeelGeheimschrift();
bool SpeelKlinkers();

// Every mini-game, in the order of the debug menu; the only place a game is
// registered. Each one's key in the forest table `KamerSpellen`, its label in
// the debug menu, its entry, and its flag in the walk's `Verzameld` (which
// keeps the order kluis, eekhoorn, postduif, alfabet, geheimschrift, klinkers).
// The walk, the debug menu and the help text take the games and their number
// from here.
struct MiniSpel {
    const char* sleutel;
    const char* naam;
    bool (*speel)();
    int vlag;
};
inline constexpr auto MiniSpellen = std::to_array<MiniSpel>({
    {"eekhoorn", "Eekhoorn", SpeelEekhoorn, 1},
    {"kluis", "Kluis", SpeelKluis, 0},
    {"postduif", "Postduif", SpeelPostduif, 2},
    {"alfabet", "Alfabet", SpeelAlfabet, 3},
    {"geheimschrift", "Geheimschrift", SpeelGeheimschrift, 4},
    {"klinkers", "Klinkers", SpeelKlinkers, 5},
});
inline constexpr std::size_t AantalSpellen = MiniSpellen.size();

// True when the flags are 0 to AantalSpellen - 1, each once.
constexpr bool VlaggenZijnEenRij() {
    std::array<int, AantalSpellen> gezien{};
    for (const MiniSpel& spel : MiniSpellen) {
        if (spel.vlag < 0 || spel.vlag >= static_cast<int>(AantalSpellen)) return false;
        if (++gezien[static_cast<std::size_t>(spel.vlag)] > 1) return false;
    }
    return true;
}
static_assert(VlaggenZijnEenRij(), "each game needs its own flag, 0 to AantalSpellen - 1");

// Drawing helpers of the games.
void TekenCijferVak(int x, int y, int modus); // the safe's digit box, 1-based corner
void ToonOordeel(int vergelijking);           // the safe's verdict at the cursor
void SchrijfNotenNamen(int x, int y);         // the four nut labels, 1-based
void TekenWoordCursor(int positie, int vasthouden);
void TekenLetterCursor(int kolom, int rij, int tonen);
