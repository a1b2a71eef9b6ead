#include "app/Informatie.h"

#include "console/Tekenen.h"
#include "forest/Bos.h"
#include "games/Spellen.h"

#include <array>
#include <string>

namespace {

struct Regel {
    std::int16_t rij;
    std::string tekst;
};

} // namespace

void ToonHelp() {
    SchermKaderCopyright();
    TekenPaneel("Help", 3, 3, 3, 78, 22);
    const std::string lijn(74, '-');
    const std::string n = std::to_string(AantalSpellen);
    const std::array<Regel, 15> regels = {{
        {4, "Navigeren"},
        {5, lijn},
        {6, "In het spel wordt duidelijk aangegeven in welke richting de gebruiker kan"},
        {7, "lopen door middel van pijltes. Is het pijltje geel, dan kan de gebruiker "},
        {8, "in die richting lopen, is deze grijs, dan niet."},
        {10, "Spellen"},
        {11, lijn},
        {12, "In het bos komt de gebruiker in het totaal " + n + " mini-spelletjes tegen. Het  "},
        {13, "is de bedoeling dat de gebruiker deze " + n + " spellen uitspeelt en het eindpunt"},
        {14, "van het bos bereikt om het spel uit te spelen."},
        {16, "Objecten"},
        {17, lijn},
        {18, "De gebruiker moet in het totaal " + n + " objecten verzamelen door " + n +
                 " spellen uit"},
        {19, "uit te spelen. Heeft de gebruiker deze " + n + " objecten verzameld en bereikt"},
        {20, "hij/zij het eindpunt, dan is het spel uitgespeeld."},
    }};
    for (const Regel& regel : regels) SchrijfTekst(regel.tekst, 3, regel.rij, Wit, Donkergrijs);
    GaNaarXY(3, regels.front().rij);
    LeesToets();
}

void ToonOverHetSpel() {
    SchermKaderCopyright();
    VulVlak(21, 9, 59, 18, Zwart);
    TekenPaneel("Over het spel", 32, 22, 10, 58, 19);
    SchrijfTekst("De struinpaadje v1.0.0", 22, 11, Wit, Donkergrijs);
    SchrijfTekst("De Struinpaadje", 22, 13, Geel, Donkergrijs);
    SchrijfTekst("is een spel", 39, 13, Wit, Donkergrijs);
    SchrijfTekst("van", 22, 14, Wit, Donkergrijs);
    SchrijfTekst("het Struinpaadje-team", 26, 14, Geel, Donkergrijs);
    SchrijfTekst("(c) 2026 het Struinpaadje-team.", 22, 16, Wit, Donkergrijs);
    SchrijfTekst("Alle rechten voorbehouden.", 22, 17, Wit, Donkergrijs);
    SchrijfTekst("Project De Struinpaadje", 26, 21, Geel, Zwart);
    GaNaarXY(22, 11);
    LeesToets();
}

namespace {

// The box-drawing character whose arms point along the open exits, indexed by
// noord + 2 * oost + 4 * zuid + 8 * west. A dead end is a vertical line.
constexpr std::array<unsigned char, 16> Kruispunten = {
    LijnVerticaal,   LijnVerticaal,       LijnHorizontaal,      HoekNoordOost,
    LijnVerticaal,   LijnVerticaal,       HoekOostZuid,         SplitsingZonderWest,
    LijnHorizontaal, HoekNoordWest,       LijnHorizontaal,      SplitsingZonderZuid,
    HoekZuidWest,    SplitsingZonderOost, SplitsingZonderNoord, Kruis,
};

void TekenKaartPlek(int x, int y) {
    int armen = 0;
    int bit = 1;
    for (const char* richting : {"noord", "oost", "zuid", "west"}) {
        if (UitgangOpen(x, y, richting)) armen += bit;
        bit *= 2;
    }
    const bool beginOfEind = x == 1 && (y == 1 || y == 4);
    const bool spel = !KamerSpellen.at(y - 1).at(x - 1).empty();
    const Kleur kleur = beginOfEind ? Rood : spel ? Lichtgroen : Wit;
    const auto kolom = static_cast<std::int16_t>(2 + 2 * x);
    const auto rij = static_cast<std::int16_t>(6 + y);
    SchrijfTeken(Kruispunten[static_cast<std::size_t>(armen)], kolom, rij, kleur, Donkergrijs);
    if (x < 4 && UitgangOpen(x, y, "oost"))
        SchrijfTeken(LijnHorizontaal, static_cast<std::int16_t>(kolom + 1), rij, Wit, Donkergrijs);
}

} // namespace

void ToonKaart() {
    SchermKaderCopyright();
    TekenPaneel("De kaart", 3, 3, 5, 12, 12);
    SchrijfTekst(" 1 2 3 4", 3, 6, Geel, Donkergrijs);
    for (std::int16_t y = 1; y <= 4; ++y)
        SchrijfTekst(std::to_string(y), 3, static_cast<std::int16_t>(6 + y), Geel, Donkergrijs);
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x) TekenKaartPlek(x, y);

    const std::array<Regel, 11> legenda = {{
        {4, "X Y"},
        {5, "1 1 - Beginpunt"},
        {6, "2 1 - De Kluis"},
        {7, "3 1 - Klinkers"},
        {8, "4 1 - Alfabet"},
        {9, "3 3 - Postduif"},
        {10, "1 4 - Eindpunt"},
        {11, "2 4 - Eekhoorn"},
        {12, "4 4 - Geheimschrift"},
        {15, "Rood     Begin- of eindpunt"},
        {16, "Groen    Spel"},
    }};
    for (const Regel& regel : legenda) {
        GaNaar(30, regel.rij + 1);
        Schrijf(regel.tekst);
    }
    GaNaarXY(3, 4); // the panel's title
    LeesToets();
}
