// The vowels game: seven words as a grid of letters. Space hides or shows the
// letter under the cursor; the game is won the moment exactly the vowels are
// hidden. There is no key to ask for a check.
#include "console/Tekenen.h"
#include "games/Spellen.h"
#include "units/Units.h"

namespace {

// The grid: column 1 to 8, row 1 to 7, one word a row.
constexpr int Kolommen = 8;
constexpr int Rijen = 7;
// Stands in the shown list for a hidden letter; it never reaches the screen.
constexpr char Verborgen = '#';

// The 0-based cell of the letter at grid column `kolom`, row `rij`; its cursor
// marks stand in the cells left and right of it.
int LetterX(int kolom) {
    return 3 * kolom + 24;
}
int LetterY(int rij) {
    return 2 * rij + 5;
}

WoordLijst KlinkerWoorden() {
    return {"ijscoman", "evenaren", "langzaam", "breeduit", "overloop", "platinum", "politiek"};
}

// The letter at grid column `kolom`, row `rij` of a word list.
char& LetterOp(WoordLijst& lijst, int kolom, int rij) {
    return lijst.at(static_cast<std::size_t>(rij - 1)).at(static_cast<std::size_t>(kolom - 1));
}

// Writes through the output stream, so GaNaar takes the cell 1-based.
void SchrijfLetter(int kolom, int rij, char teken) {
    GaNaar(LetterX(kolom) + 1, LetterY(rij) + 1);
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

// The letter under the cursor, whether it is hidden (shown only by a dot) and
// where it stands: "j, letter 2 van ijscoman".
std::string LetterZin(const WoordLijst& woorden, const WoordLijst& getoond, int kolom, int rij) {
    const std::string& woord = woorden.at(static_cast<std::size_t>(rij - 1));
    const bool verborgen =
        getoond.at(static_cast<std::size_t>(rij - 1)).at(static_cast<std::size_t>(kolom - 1)) ==
        Verborgen;
    return woord.substr(static_cast<std::size_t>(kolom - 1), 1) + (verborgen ? " verborgen" : "") +
           ", letter " + std::to_string(kolom) + " van " + woord;
}

} // namespace

// Shows the marks in yellow (tonen 1), or blanks them through the output
// stream (1-based GaNaar).
void TekenLetterCursor(int kolom, int rij, int tonen) {
    const int x = LetterX(kolom);
    const int y = LetterY(rij);
    if (tonen == 1) {
        SchrijfTekst("[", static_cast<std::int16_t>(x - 1), static_cast<std::int16_t>(y), Geel,
                     Zwart);
        SchrijfTekst("]", static_cast<std::int16_t>(x + 1), static_cast<std::int16_t>(y), Geel,
                     Zwart);
    } else {
        GaNaar(x, y + 1);
        Schrijf(" ");
        GaNaar(x + 2, y + 1);
        Schrijf(" ");
    }
}

bool SpeelKlinkers() {
    SpelScherm("De klinkers",
               {{2, "Navigeren: " + MetKomma({PijlLinks, PijlOmhoog, PijlRechts, PijlOmlaag})},
                {26, "<spatie> Verbergen/weergeven"},
                {61, "<esc> Spel verlaten"}});
    SchrijfInleiding({"Het is de bedoeling dat je de klinkers uit de onderstaande zeven woorden",
                      " verwijdert!"});

    const WoordLijst woorden = KlinkerWoorden();
    WoordLijst getoond = woorden;
    int kolom = 1;
    int rij = 1;
    TekenLetterCursor(kolom, rij, 1);
    for (int r = 1; r <= Rijen; ++r)
        for (int c = 1; c <= Kolommen; ++c) SchrijfLetter(c, r, LetterOp(getoond, c, r));

    bool gewonnen = false;
    while (!gewonnen) {
        GaNaarXY(static_cast<std::int16_t>(LetterX(kolom)),
                 static_cast<std::int16_t>(LetterY(rij)));
        Zeg(LetterZin(woorden, getoond, kolom, rij));
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
                SchrijfLetter(kolom, rij, static_cast<char>(Stip));
            } else {
                letter = woorden.at(static_cast<std::size_t>(rij - 1))
                             .at(static_cast<std::size_t>(kolom - 1));
                SchrijfLetter(kolom, rij, letter);
            }
        }
        gewonnen = AlleenKlinkersVerborgen(woorden, getoond);
        if (toets == ToetsEsc) return false;
    }

    return Feliciteer({{22, 11, "Je hebt alle klinkers uit de"},
                       {22, 12, "woorden verwijderd! De smurf"},
                       {22, 13, "zegt dat is het en geeft je"},
                       {22, 14, "een blad salsaparilla", Geel},
                       {43, 14, "."},
                       {22, 16, "Kom op! We gaan weer verder!"}},
                      18);
}
