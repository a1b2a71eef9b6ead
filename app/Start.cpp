#include "app/Start.h"

#include "app/Hoofdmenu.h"
#include "console/Achterkant.h"
#include "console/Tekenen.h"
#include "forest/Bos.h"

const char* const StartFoutmelding = "Er is een fout opgetreden bij het testen van een unit...";

bool Opstarten(std::span<const UnitTest> testen) {
    WisScherm();
    bool geslaagd = true;
    for (const UnitTest& unit : testen) geslaagd = unit.test() && geslaagd; // every test runs
    if (!geslaagd) {
        Schrijf(StartFoutmelding);
        return false;
    }
    VulKamerBeschrijvingen();
    VulKamerSpellen();
    VulKamerUitgangen();
    return true;
}

namespace {

// Gives the screen back on every way out of the program, an exception included.
struct SchermTerug {
    SchermTerug() = default;
    SchermTerug(const SchermTerug&) = delete;
    SchermTerug& operator=(const SchermTerug&) = delete;
    ~SchermTerug() { StopAchterkant(); }
};

} // namespace

int Programma() {
    if (!StartAchterkant()) return 2;
    bool gestart = false;
    {
        SchermTerug terug;
        gestart = Opstarten();
        if (gestart) Hoofdmenu();
    }
    if (!gestart) {
        // The terminal's own screen is back: say it there too, so it stays readable.
        MeldNaStop(StartFoutmelding);
        return 1;
    }
    return 0;
}
