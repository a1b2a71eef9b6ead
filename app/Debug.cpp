#include "app/Debug.h"

#include "console/Tekenen.h"
#include "games/Spellen.h"

void TestUnit(std::string naam, std::span<const UnitTest> testen) {
    SchermKaderCopyright();
    TekenPaneel("Bezig met het testen van de unit...", 20, 20, 10, 60, 13);
    bool geslaagd = false;
    for (const UnitTest& unit : testen) {
        if (naam == unit.naam) {
            geslaagd = unit.test();
            break;
        }
    }
    const std::string uitslag = geslaagd ? "De test is geslaagd..." : "De test is niet geslaagd...";
    SchrijfTekst(uitslag, 20, 11, Wit, Donkergrijs);
    GaNaarXY(20, 11);
    Zeg(naam + ": " + uitslag);
    LeesToets();
    VulVlak(20, 10, 60, 13, Zwart);
}

void TestUnitOpPositie(int positie) {
    TestUnit(UnitTesten.at(static_cast<std::size_t>(positie - 1)).naam);
}

// The game's result is dropped: a game won here yields no object.
void TestSpelOpPositie(int positie) {
    WisScherm();
    MiniSpellen.at(static_cast<std::size_t>(positie - 1)).speel();
}
