#include "forest/Speurtocht.h"

#include "console/Tekenen.h"
#include "forest/Bos.h"
#include "games/Spellen.h"

#include <algorithm>
#include <string>

std::array<bool, 6> Verzameld{};

namespace {

// The game of each key, in the order of the flags of `Verzameld`.
struct BosSpel {
    const char* sleutel;
    bool (*speel)();
};
constexpr std::array<BosSpel, 6> BosSpellen = {{
    {"kluis", SpeelKluis},
    {"eekhoorn", SpeelEekhoorn},
    {"postduif", SpeelPostduif},
    {"alfabet", SpeelAlfabet},
    {"geheimschrift", SpeelGeheimschrift},
    {"klinkers", SpeelKlinkers},
}};

constexpr std::size_t GeenSpel = BosSpellen.size();

// The index of the place's game in `BosSpellen` and `Verzameld`, or `GeenSpel`.
std::size_t SpelOp(int x, int y) {
    const std::string& sleutel = KamerSpellen.at(y - 1).at(x - 1);
    for (std::size_t i = 0; i < BosSpellen.size(); ++i)
        if (sleutel == BosSpellen[i].sleutel) return i;
    return GeenSpel;
}

// The four exits: the arrow of each on the compass, its cell, the step it
// takes and the key that takes it.
struct Uitgang {
    const char* richting;
    unsigned char pijl;
    std::int16_t x, y;
    int dx, dy;
    std::uint16_t toets;
};
constexpr std::array<Uitgang, 4> Uitgangen = {{
    {"noord", 24, 5, 13, 0, -1, ToetsOmhoog},
    {"oost", 26, 6, 14, 1, 0, ToetsRechts},
    {"zuid", 25, 5, 15, 0, 1, ToetsOmlaag},
    {"west", 27, 4, 14, -1, 0, ToetsLinks},
}};
using OpenUitgangen = std::array<bool, 4>;

// Draws the place and returns which of its exits are open.
OpenUitgangen TekenPlek(int x, int y) {
    SchermKader({{2, "Navigeren: Pijltjestoetsen"}, {61, "<esc> Spel verlaten"}});
    SchrijfTeken(250, 5, 14, Geel, 0);

    const std::size_t spel = SpelOp(x, y);
    if (spel != GeenSpel && Verzameld.at(spel)) {
        SchrijfOmgebroken("Deze plek in het bos is volledig verlaten...", 3, 3, 60);
    } else {
        SchrijfOmgebroken(KamerBeschrijvingen.at(y - 1).at(x - 1), 3, 3, 60);
        if (spel != GeenSpel) SchrijfTekst("<enter> Spel spelen!", 34, 24, Geel, 0);
    }

    const int aantal = AantalVerzameld();
    if (aantal < 6) {
        GaNaar(5, 22);
        Uitvoer() << aantal << "/6 Objecten verzameld";
    } else {
        SchrijfTekst("6/6 Objecten verzameld", 4, 21, Geel, 0);
    }

    OpenUitgangen open{};
    for (std::size_t i = 0; i < Uitgangen.size(); ++i)
        open[i] = UitgangOpen(x, y, Uitgangen[i].richting);
    for (std::size_t i = 0; i < Uitgangen.size(); ++i)
        SchrijfTeken(Uitgangen[i].pijl, Uitgangen[i].x, Uitgangen[i].y,
                     open[i] ? Geel : Donkergrijs, 0);
    return open;
}

} // namespace

int AantalVerzameld() {
    return static_cast<int>(std::count(Verzameld.begin(), Verzameld.end(), true));
}

void ToonFelicitatie() {
    SchermKaderCopyright();
    MeldingVenster("Gefeliciteerd!", 32,
                   {{22, 11, "Je hebt het spel 'De Struinpaadje'"},
                    {22, 12, "uitgespeeld door de zes objecten"},
                    {22, 13, "te vezamelen en het eindpunt te "},
                    {22, 14, "bereiken! Nu mag je het bos"},
                    {22, 15, "verlaten!"},
                    {22, 16, "Speel het spel gerust nog eens!"}});
}

void Speurtocht() {
    int x = 1;
    int y = 1;
    bool klaar = false;
    std::uint16_t toets = 0;
    do {
        const OpenUitgangen open = TekenPlek(x, y);
        toets = LeesToetsCode();
        for (std::size_t i = 0; i < Uitgangen.size(); ++i) {
            if (toets == Uitgangen[i].toets && open[i]) {
                x += Uitgangen[i].dx;
                y += Uitgangen[i].dy;
            }
        }
        if (toets == ToetsEnter) {
            const std::size_t spel = SpelOp(x, y);
            if (spel != GeenSpel && !Verzameld.at(spel))
                Verzameld.at(spel) = BosSpellen[spel].speel();
        }
        klaar = AantalVerzameld() == 6 && x == 1 && y == 4;
    } while (toets != ToetsEsc && !klaar);

    if (klaar) {
        ToonFelicitatie();
        LeesToets();
    }
    Verzameld.fill(false);
}
