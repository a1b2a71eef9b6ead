// The alphabet game: eleven words to carry, one at a time, into alphabetical
// order. Enter grabs the word under the cursor and lets it go again; Space asks
// whether the order is right.
#include "console/Tekenen.h"
#include "games/Spellen.h"
#include "units/Units.h"

#include <utility>

namespace {

constexpr int AantalWoorden = 11;

// The fixed starting order, top to bottom; nothing is shuffled.
WoordLijst BeginVolgorde() {
    return {"koelbloedig", "aanvullen",   "onlangs",     "president", "afgunst",   "bedroefd",
            "rubriek",     "onaangenaam", "winstgevend", "geregeld",  "supplement"};
}

// Word i stands at 0-based row 8 + i from column 33; the blanks around it wipe
// the cursor marks of the previous drawing.
void TekenWoorden(const WoordLijst& woorden) {
    for (int i = 1; i <= AantalWoorden; ++i) {
        GaNaar(32, 9 + i);
        Schrijf("  " + woorden.at(static_cast<std::size_t>(i - 1)) + "          ");
    }
}

// Moves the cursor one step (-1 up, +1 down) within the list; a held word
// travels along with it.
void Verplaats(WoordLijst& woorden, int& positie, int stap, int vasthouden) {
    const int nieuw = positie + stap;
    if (nieuw < 1 || nieuw > AantalWoorden) return;
    if (vasthouden == 1)
        std::swap(woorden.at(static_cast<std::size_t>(positie - 1)),
                  woorden.at(static_cast<std::size_t>(nieuw - 1)));
    positie = nieuw;
}

} // namespace

void TekenWoordCursor(int positie, int vasthouden) {
    const auto rij = static_cast<std::int16_t>(positie + 8);
    if (vasthouden == 1) {
        SchrijfTeken(PijlOmhoog, 31, rij, Geel, Zwart);
        SchrijfTeken(PijlOmlaag, 45, rij, Geel, Zwart);
    } else {
        SchrijfTekst("[", 31, rij, Geel, Zwart);
        SchrijfTekst("]", 45, rij, Geel, Zwart);
    }
}

bool SpeelAlfabet() {
    SpelScherm("Het alfabet",
               {{2, "Verplaatsen:  " + MetKomma({PijlOmhoog, PijlOmlaag}) +
                        "  <enter> Vastpakken   <spatie> Probeer   <esc> Spel verlaten"}});
    SchrijfInleiding({"Het is de bedoeling dat je de onderstaande elf woorden in alfabetische",
                      " volgorde zet!"});

    WoordLijst woorden = BeginVolgorde();
    int positie = 1;
    int vasthouden = 0;
    bool gewonnen = false;
    std::string zegVooraf;
    while (!gewonnen) {
        TekenWoorden(woorden);
        TekenWoordCursor(positie, vasthouden);
        // The focus on the left mark: the text there is this word alone, as the
        // rows below start with blanks.
        GaNaarXY(31, static_cast<std::int16_t>(positie + 8));
        // The word and its place; holding it is shown only by the marks' shape,
        // so grabbing and letting go are said too.
        Zeg(zegVooraf + woorden.at(static_cast<std::size_t>(positie - 1)) + ", plaats " +
            std::to_string(positie) + " van " + std::to_string(AantalWoorden));
        const std::uint16_t toets = LeesToetsCode();
        zegVooraf = toets != ToetsEnter ? "" : vasthouden == 1 ? "Losgelaten: " : "Vastgepakt: ";
        if (toets == ToetsOmlaag) Verplaats(woorden, positie, +1, vasthouden);
        if (toets == ToetsOmhoog) Verplaats(woorden, positie, -1, vasthouden);
        if (toets == ToetsEnter) vasthouden = vasthouden == 1 ? 0 : 1;
        if (toets == ToetsSpatie) {
            gewonnen = Alfabetisch(woorden);
            if (!gewonnen) MeldTotToets("Onjuiste volgorde...", 29, 21);
        }
        if (toets == ToetsEsc) return false;
    }

    return Feliciteer({{22, 11, "Je hebt de woorden in de juiste"},
                       {22, 12, "volgorde geplaatst! Er valt een"},
                       {22, 13, "sleutel", Geel},
                       {30, 13, "op de grond! Je raapt hem"},
                       {22, 14, "op en neemt hem mee!"},
                       {22, 16, "Kom op! We gaan weer verder!"}});
}
