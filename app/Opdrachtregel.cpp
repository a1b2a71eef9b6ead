#include "app/Opdrachtregel.h"

#include "console/Console.h"

#include <ostream>
#include <string_view>

namespace {

constexpr std::string_view Hulp =
    "Gebruik: struinpaadje [OPTIE]...\n"
    "Speel De Struinpaadje, een puzzelspel in de terminal (minstens 80 bij 25).\n"
    "\n"
    "      --zonder-numeriek  voor toetsenborden zonder numeriek deel: de + en -\n"
    "                           van het gewone toetsenbord werken als die van het\n"
    "                           numerieke (nodig voor De Eekhoorn)\n"
    "      --regelmodus       na elke toets een regel tekst, zonder kleuren of\n"
    "                           cursorsprongen: voor brailleleesregels en\n"
    "                           schermlezers (vanzelf bij TERM=dumb); Ctrl+L leest\n"
    "                           het hele scherm, Ctrl+Q gaat terug zoals Esc\n"
    "      --help             deze hulp tonen en stoppen\n"
    "      --version          de versie tonen en stoppen\n"
    "\n"
    "Afsluitstatus: 0 na Afsluiten, 1 als een zelftest faalt, 2 zonder bruikbare\n"
    "terminal of bij een onbekende optie. Meer in man 6 struinpaadje.\n";

// The text of --help or --version, then its status: 0, or 1 with one line on
// `fout` when it could not be written (a full disk, a closed pipe), as GNU
// programs do.
int SchrijfUit(std::string_view tekst, std::ostream& uit, std::ostream& fout) {
    uit << tekst << std::flush;
    if (uit) return 0;
    fout << "struinpaadje: schrijffout: de tekst kon niet naar de standaarduitvoer.\n";
    return 1;
}

} // namespace

std::optional<int> LeesOpties(std::span<char* const> argumenten, std::ostream& uit,
                              std::ostream& fout) {
    bool zonderNumeriek = false;
    bool regelmodus = false;
    for (const std::string_view optie : argumenten) {
        if (optie == "--help") return SchrijfUit(Hulp, uit, fout);
        if (optie == "--version") return SchrijfUit("struinpaadje " STRUIN_VERSIE "\n", uit, fout);
        if (optie == "--regelmodus") {
            regelmodus = true;
            continue;
        }
        if (optie != "--zonder-numeriek") {
            fout << "struinpaadje: onbekende optie '" << optie
                 << "'; 'struinpaadje --help' toont de opties.\n";
            return 2;
        }
        zonderNumeriek = true;
    }
    ZetZonderNumeriek(zonderNumeriek);
    ZetRegelmodus(regelmodus);
    return std::nullopt;
}
