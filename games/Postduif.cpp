// De Postduif: find the way home after a random outward flight.
#include "console/Tekenen.h"
#include "games/Spellen.h"
#include "units/Units.h"

#include <cstdlib>
#include <string>

namespace {

constexpr int Grens = 30; // both counts stay within -30 to 30

const std::string PostduifBediening = "Noord/Zuid: " + MetKomma({PijlOmhoog, PijlOmlaag}) +
                                      "   Oost/West: " + MetKomma({PijlRechts, PijlLinks}) +
                                      "   <enter> Probeer route   <esc> Spel verlaten";

const std::string FouteRoute = "Dat is niet de juiste route...";

// One count of the route: "3 West", "0 Oost/West" or "3 Oost", say.
std::string Telling(int aantal, const char* negatief, const char* nul, const char* positief) {
    if (aantal == 0) return std::string("0 ") + nul;
    return std::to_string(std::abs(aantal)) + ' ' + (aantal < 0 ? negatief : positief);
}

// The route line; the twelve blanks at its end wipe what a longer earlier line
// left behind. The focus goes to the count that the last key changed, or
// could have.
void SchrijfRoute(int noordZuid, int oostWest, bool noordZuidInFocus) {
    const std::string oostWestTelling = Telling(oostWest, "West", "Oost/West", "Oost");
    GaNaar(23, 14);
    Schrijf("Terugreis: " + oostWestTelling + ", " +
            Telling(noordZuid, "Noord", "Noord/Zuid", "Zuid") + std::string(12, ' '));
    const int kolom = 33 + (noordZuidInFocus ? static_cast<int>(oostWestTelling.size()) + 2 : 0);
    GaNaarXY(static_cast<std::int16_t>(kolom), 13);
}

void SchrijfMelding(const std::string& tekst) {
    GaNaar(26, 16);
    Schrijf(tekst);
}

} // namespace

bool SpeelPostduif() {
    SpelScherm("De Postduif", {{2, PostduifBediening}});
    const int noord = Willekeurig(Grens);
    const int oost = Willekeurig(Grens);
    const int zuid = Willekeurig(Grens);
    const int west = Willekeurig(Grens);
    SchrijfInleiding({"De postduif weet niet meer hoe hij thuis moet komen, help hem daarbij. De",
                      " heenreis van de postduif zag er zo uit: "});
    SchrijfRegel("");
    Uitvoer() << " " << noord << " noord, " << oost << " oost, " << zuid << " zuid, " << west
              << " west";
    // The flight stands away from the focus, on the route line.
    Zeg("Heenreis: " + std::to_string(noord) + " noord, " + std::to_string(oost) + " oost, " +
        std::to_string(zuid) + " zuid, " + std::to_string(west) + " west");

    int noordZuid = 0;
    int oostWest = 0;
    bool goed = false;
    bool noordZuidInFocus = false;
    for (;;) {
        SchrijfRoute(noordZuid, oostWest, noordZuidInFocus);
        const std::uint16_t toets = LeesToetsCode();
        if (toets == ToetsLinks || toets == ToetsRechts) noordZuidInFocus = false;
        if (toets == ToetsOmhoog || toets == ToetsOmlaag) noordZuidInFocus = true;
        SchrijfMelding(std::string(30, ' '));
        if (toets == ToetsLinks && oostWest > -Grens) --oostWest;
        if (toets == ToetsRechts && oostWest < Grens) ++oostWest;
        if (toets == ToetsOmhoog && noordZuid > -Grens) --noordZuid;
        if (toets == ToetsOmlaag && noordZuid < Grens) ++noordZuid;
        if (toets == ToetsEnter) {
            goed = Terugreis(noord, oost, zuid, west, noordZuid, oostWest);
            if (!goed) {
                SchrijfMelding(FouteRoute);
                Zeg(FouteRoute);
            }
        }
        if (toets == ToetsEsc) return false;
        if (goed) break;
    }

    return Feliciteer({{22, 11, "Je hebt de juiste route gevonden "},
                       {22, 12, "voor de postduif! De postduif "},
                       {22, 13, "bedankt je en geeft je een "},
                       {22, 14, "antwoordenvelop", Geel},
                       {37, 14, "."},
                       {22, 16, "Laten we maar weer verger gaan..."}});
}
