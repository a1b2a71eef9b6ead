// The vowels game: seven words as a grid of letters. Space hides or shows the
// letter under the cursor; the game is won the moment exactly the vowels are
// hidden. There is no key to ask for a check.
#include "console/Tekenen.h"
#include "games/Spellen.h"
#include "units/Units.h"

namespace {

constexpr int Kolommen = 8;
constexpr int Rijen = 7;
// Stands in the shown list for a hidden letter; it never reaches the screen.
constexpr char Verborgen = '#';
constexpr char Stip = static_cast<char>(250);

WoordLijst KlinkerWoorden() {
    return {"ijscoman", "evenaren", "langzaam", "breeduit", "overloop", "platinum", "politiek"};
}

char& LetterOp(WoordLijst& lijst, int kolom, int rij) {
    return lijst.at(static_cast<std::size_t>(rij - 1)).at(static_cast<std::size_t>(kolom - 1));
}

// The letter at grid column c, row r stands at 0-based (3c + 24, 2r + 5).
void SchrijfLetter(int kolom, int rij, char teken) {
    GaNaar(3 * kolom + 25, 2 * rij + 6);
    Schrijf(std::string(1, teken));
}

// True when every word, with its hidden letters left out, is that word without
// its vowels. All seven words are judged.
bool AlleenKlinkersVerborgen(const WoordLijst& woorden, const WoordLijst& getoond) {
    bool goed = true;
    for (std::size_t w = 0; w < woorden.size(); ++w) {
        std::string antwoord;
        for (char letter : getoond.at(w))
            if (letter != Verborgen) antwoord += letter;
        if (!VerwijderdeKlinkers(woorden.at(w), antwoord)) goed = false;
    }
    return goed;
}

} // namespace

void TekenLetterCursor(int kolom, int rij, int tonen) {
    if (tonen == 1) {
        SchrijfTekst("[", static_cast<std::int16_t>(3 * kolom + 23),
                     static_cast<std::int16_t>(2 * rij + 5), 14, 0);
        SchrijfTekst("]", static_cast<std::int16_t>(3 * kolom + 25),
                     static_cast<std::int16_t>(2 * rij + 5), 14, 0);
    } else {
        GaNaar(3 * kolom + 24, 2 * rij + 6);
        Schrijf(" ");
        GaNaar(3 * kolom + 26, 2 * rij + 6);
        Schrijf(" ");
    }
}

bool SpeelKlinkers() {
    const std::string pijlen = {'\x1b', ',', '\x18', ',', '\x1a', ',', '\x19'};
    SpelScherm("De klinkers", {{2, "Navigeren: " + pijlen},
                               {26, "<spatie> Verbergen/weergeven"},
                               {61, "<esc> Spel verlaten"}});
    GaNaar(2, 5);
    SchrijfRegel("Het is de bedoeling dat je de klinkers uit de onderstaande zeven woorden");
    SchrijfRegel(" verwijdert!");

    const WoordLijst woorden = KlinkerWoorden();
    WoordLijst getoond = woorden;
    int kolom = 1;
    int rij = 1;
    TekenLetterCursor(kolom, rij, 1);
    for (int r = 1; r <= Rijen; ++r)
        for (int c = 1; c <= Kolommen; ++c) SchrijfLetter(c, r, LetterOp(getoond, c, r));

    bool gewonnen = false;
    while (!gewonnen) {
        const std::uint16_t toets = LeesToetsCode();
        int nieuweKolom = kolom;
        int nieuweRij = rij;
        if (toets == ToetsRechts && kolom < Kolommen) ++nieuweKolom;
        if (toets == ToetsLinks && kolom > 1) --nieuweKolom;
        if (toets == ToetsOmlaag && rij < Rijen) ++nieuweRij;
        if (toets == ToetsOmhoog && rij > 1) --nieuweRij;
        if (nieuweKolom != kolom || nieuweRij != rij) {
            TekenLetterCursor(kolom, rij, 0);
            kolom = nieuweKolom;
            rij = nieuweRij;
            TekenLetterCursor(kolom, rij, 1);
        }
        if (toets == ToetsSpatie) {
            char& letter = LetterOp(getoond, kolom, rij);
            if (letter != Verborgen) {
                letter = Verborgen;
                SchrijfLetter(kolom, rij, Stip);
            } else {
                letter = woorden.at(static_cast<std::size_t>(rij - 1))
                             .at(static_cast<std::size_t>(kolom - 1));
                SchrijfLetter(kolom, rij, letter);
            }
        }
        gewonnen = AlleenKlinkersVerborgen(woorden, getoond);
        if (toets == ToetsEsc) return false;
    }

    MeldingVenster("Gefeliciteerd!", 32,
                   {{22, 11, "Je hebt alle klinkers uit de"},
                    {22, 12, "woorden verwijderd! De smurf"},
                    {22, 13, "zegt dat is het en geeft je"},
                    {22, 14, "een blad salsaparilla", 14},
                    {43, 14, "."},
                    {22, 16, "Kom op! We gaan weer verder!"}},
                   18);
    LeesToets();
    return true;
}
