#include "app/Debug.h"

#include "console/Tekenen.h"
#include "games/Spellen.h"

#include <array>

void TestUnit(std::string naam, std::span<const UnitTest> testen) {
    SchermKaderCopyright();
    VulVlak(20, 10, 60, 10, 1);
    SchrijfTekst("Bezig met het testen van de unit...", 20, 9, 14, 1);
    VulVlak(20, 11, 60, 13, 8);
    bool geslaagd = false;
    for (const UnitTest& unit : testen) {
        if (naam == unit.naam) {
            geslaagd = unit.test();
            break;
        }
    }
    SchrijfTekst(geslaagd ? "De test is geslaagd..." : "De test is niet geslaagd...", 20, 11, 15,
                 8);
    LeesToets();
    VulVlak(20, 10, 60, 13, 0);
}

const std::array<const char*, 6> TestUnitNamen = {
    "Terugreis",   "VergelijkGetallen", "Voedingswaarde",
    "Alfabetisch", "Ontcijfer",         "VerwijderdeKlinkers",
};

namespace {

// " Test een spel > ": the game started, by position. Its result is dropped:
// a game won here yields no object.
constexpr std::array<bool (*)(), 6> TestSpellen = {
    SpeelEekhoorn, SpeelKluis, SpeelPostduif, SpeelAlfabet, SpeelGeheimschrift, SpeelKlinkers,
};

} // namespace

void TestUnitOpPositie(int positie) {
    TestUnit(TestUnitNamen.at(static_cast<std::size_t>(positie - 1)));
}

void TestSpelOpPositie(int positie) {
    WisScherm();
    TestSpellen.at(static_cast<std::size_t>(positie - 1))();
}
