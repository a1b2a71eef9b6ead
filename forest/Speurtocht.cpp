#include "forest/Speurtocht.h"

#include "console/Tekenen.h"
#include "forest/Bos.h"
#include "games/Spellen.h"

#include <algorithm>
#include <string>

std::array<bool, AantalSpellen> Verzameld{};

namespace {

// One object per game; the walk is done at the end point with all of them.
constexpr int AantalObjecten = static_cast<int>(MiniSpellen.size());
// Their number as the congratulation's story says it.
constexpr std::array<const char*, 13> Telwoorden = {"nul",  "een", "twee",  "drie", "vier",
                                                    "vijf", "zes", "zeven", "acht", "negen",
                                                    "tien", "elf", "twaalf"};
static_assert(AantalSpellen < Telwoorden.size(), "the congratulation has no word for that many");
constexpr int EindpuntX = 1;
constexpr int EindpuntY = 4;
const std::string VerlatenPlek = "Deze plek in het bos is volledig verlaten...";

// The game of the place, or nullptr.
const MiniSpel* SpelOp(int x, int y) {
    const std::string& sleutel = KamerSpellen.at(y - 1).at(x - 1);
    for (const MiniSpel& spel : MiniSpellen)
        if (sleutel == spel.sleutel) return &spel;
    return nullptr;
}

bool& VlagVan(const MiniSpel& spel) {
    return Verzameld.at(static_cast<std::size_t>(spel.vlag));
}

// The four exits: the arrow of each on the compass, its cell, the step it
// takes, the key that takes it, and the direction as said.
struct Uitgang {
    const char* richting;
    unsigned char pijl;
    std::int16_t x, y;
    int dx, dy;
    std::uint16_t toets;
    const char* windstreek;
};
constexpr std::array<Uitgang, 4> Uitgangen = {{
    {"noord", PijlOmhoog, 5, 13, 0, -1, ToetsOmhoog, "het noorden"},
    {"oost", PijlRechts, 6, 14, 1, 0, ToetsRechts, "het oosten"},
    {"zuid", PijlOmlaag, 5, 15, 0, 1, ToetsOmlaag, "het zuiden"},
    {"west", PijlLinks, 4, 14, -1, 0, ToetsLinks, "het westen"},
}};
using OpenUitgangen = std::array<bool, 4>;

// Draws the place and returns which of its exits are open. Its open paths are
// said, and with `heleTekst` also its text, which the picture may not show to
// have changed (two deserted places look alike).
OpenUitgangen TekenPlek(int x, int y, bool heleTekst) {
    SchermKader({{2, "Navigeren: Pijltjestoetsen"}, {61, "<esc> Spel verlaten"}});
    SchrijfTeken(Stip, 5, 14, Geel, Zwart);

    const MiniSpel* spel = SpelOp(x, y);
    const bool verlaten = spel && VlagVan(*spel);
    const std::string& tekst = verlaten ? VerlatenPlek : KamerBeschrijvingen.at(y - 1).at(x - 1);
    SchrijfOmgebroken(tekst, 3, 3, 60);
    if (spel && !verlaten) SchrijfTekst("<enter> Spel spelen!", 34, 24, Geel, Zwart);

    // Through the output stream until all are collected, then in yellow.
    const int aantal = AantalVerzameld();
    const std::string telling =
        std::to_string(aantal) + "/" + std::to_string(AantalObjecten) + " Objecten verzameld";
    if (aantal < AantalObjecten) {
        GaNaar(5, 22);
        Schrijf(telling);
    } else {
        SchrijfTekst(telling, 4, 21, Geel, Zwart);
    }

    OpenUitgangen open{};
    for (std::size_t i = 0; i < Uitgangen.size(); ++i)
        open[i] = UitgangOpen(x, y, Uitgangen[i].richting);
    std::string paden;
    for (std::size_t i = 0; i < Uitgangen.size(); ++i) {
        SchrijfTeken(Uitgangen[i].pijl, Uitgangen[i].x, Uitgangen[i].y,
                     open[i] ? Geel : Donkergrijs, Zwart);
        if (open[i]) paden += std::string(paden.empty() ? "" : ", ") + Uitgangen[i].richting;
    }
    // The arrows' colours in words; the focus on the place's first word.
    Zeg("Paden: " + paden + "." + (heleTekst ? " " + tekst : "") +
        (spel && !verlaten ? " Enter: spel spelen." : ""));
    GaNaarXY(4, 3);
    return open;
}

} // namespace

int AantalVerzameld() {
    return static_cast<int>(std::count(Verzameld.begin(), Verzameld.end(), true));
}

void Speurtocht() {
    int x = 1;
    int y = 1;
    bool klaar = false;
    std::uint16_t toets = 0;
    bool heleTekst = true; // a new place
    do {
        const OpenUitgangen open = TekenPlek(x, y, heleTekst);
        toets = LeesToetsCode();
        heleTekst = false;
        for (std::size_t i = 0; i < Uitgangen.size(); ++i) {
            if (toets == Uitgangen[i].toets && open[i]) {
                x += Uitgangen[i].dx;
                y += Uitgangen[i].dy;
                heleTekst = true;
            } else if (toets == Uitgangen[i].toets) {
                Zeg(std::string("Geen pad naar ") + Uitgangen[i].windstreek + ".");
            }
        }
        const int ervoor = AantalVerzameld();
        if (toets == ToetsEnter) {
            const MiniSpel* spel = SpelOp(x, y);
            if (spel && !VlagVan(*spel)) VlagVan(*spel) = spel->speel();
        }
        // Back from a game, or asked again with Enter: the whole place.
        if (toets == ToetsEnter) heleTekst = true;
        if (AantalVerzameld() > ervoor)
            Zeg(std::to_string(AantalVerzameld()) + " van " + std::to_string(AantalObjecten) +
                " objecten verzameld.");
        klaar = AantalVerzameld() == AantalObjecten && x == EindpuntX && y == EindpuntY;
    } while (toets != ToetsEsc && !klaar);

    if (klaar) {
        SchermKaderCopyright();
        Feliciteer({{22, 11, "Je hebt het spel 'De Struinpaadje'"},
                    {22, 12,
                     std::string("uitgespeeld door de ") + Telwoorden[AantalSpellen] + " objecten"},
                    {22, 13, "te vezamelen en het eindpunt te "},
                    {22, 14, "bereiken! Nu mag je het bos"},
                    {22, 15, "verlaten!"},
                    {22, 16, "Speel het spel gerust nog eens!"}});
    } else {
        const int aantal = AantalVerzameld();
        Zeg("Bos verlaten. " + (aantal == 0 ? std::string("Je had nog geen objecten.")
                                : aantal == 1
                                    ? std::string("Je object is verloren.")
                                    : "Je " + std::to_string(aantal) + " objecten zijn verloren."));
    }
    Verzameld.fill(false);
}
