#include "app/Informatie.h"
#include "console/Tekenen.h"
#include "support/SpelControle.h"
#include "support/Wandelen.h"

using namespace script;

namespace {

class InformatieTest : public Wandeling {};

const std::vector<ToetsDruk> ElkeToets = {Pijl(Links), Pijl(Omhoog), Esc,        Shift,     Enter,
                                          Spatie,      F12,          Teken('a'), Teken('7')};

void VerwachtKader() {
    EXPECT_EQ(TekstOp(30, 0, 15), "De Struinpaadje");
    for (int x = 0; x < 80; ++x) EXPECT_EQ(AttribuutOp(x, 0) >> 4, 1) << x;
    EXPECT_EQ(TekstOp(1, 23, 78), std::string(78, '\xc4'));
    const int lengte = static_cast<int>(CopyrightRegel.size());
    EXPECT_EQ(TekstOp(10, 24, lengte), CopyrightRegel);
    EXPECT_LE(10 + lengte - 1, 79);
}

// A rectangle (0-based, inclusive) whose cells all have this background.
void VerwachtVlak(int x1, int y1, int x2, int y2, int achter) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) ASSERT_EQ(AttribuutOp(x, y) >> 4, achter) << x << "," << y;
}

TEST_F(InformatieTest, ElkSchermVertrektOpElkeToets) {
    for (void (*scherm)() : {ToonHelp, ToonOverHetSpel, ToonKaart})
        for (const ToetsDruk& toets : ElkeToets) {
            Speel({toets}, scherm);
            EXPECT_EQ(ToetsenOver(), 0u);
            EXPECT_EQ(AantalFrames(), 1u);
        }
}

TEST_F(InformatieTest, Hulp) {
    SpeelTotWachten({}, ToonHelp);
    VerwachtKader();
    EXPECT_EQ(TekstOp(3, 2, 4), "Help");
    EXPECT_EQ(AttribuutOp(3, 2), 0x1e);
    VerwachtVlak(2, 2, 77, 2, 1);
    EXPECT_NE(AttribuutOp(78, 2) >> 4, 1);
    VerwachtVlak(2, 3, 77, 21, 8);
    EXPECT_NE(AttribuutOp(1, 10) >> 4, 8);
    EXPECT_NE(AttribuutOp(78, 10) >> 4, 8);
    EXPECT_NE(AttribuutOp(40, 22) >> 4, 8);
    const std::string lijn(74, '-');
    const std::vector<std::pair<int, std::string>> regels = {
        {4, "Navigeren"},
        {5, lijn},
        {6, "In het spel wordt duidelijk aangegeven in welke richting de gebruiker kan"},
        {7, "lopen door middel van pijltes. Is het pijltje geel, dan kan de gebruiker "},
        {8, "in die richting lopen, is deze grijs, dan niet."},
        {10, "Spellen"},
        {11, lijn},
        {12, "In het bos komt de gebruiker in het totaal 6 mini-spelletjes tegen. Het  "},
        {13, "is de bedoeling dat de gebruiker deze 6 spellen uitspeelt en het eindpunt"},
        {14, "van het bos bereikt om het spel uit te spelen."},
        {16, "Objecten"},
        {17, lijn},
        {18, "De gebruiker moet in het totaal 6 objecten verzamelen door 6 spellen uit"},
        {19, "uit te spelen. Heeft de gebruiker deze 6 objecten verzameld en bereikt"},
        {20, "hij/zij het eindpunt, dan is het spel uitgespeeld."},
    };
    for (const auto& [rij, tekst] : regels) {
        const int lengte = static_cast<int>(tekst.size());
        EXPECT_EQ(TekstOp(3, rij, lengte), tekst) << rij;
        for (int x = 3; x < 3 + lengte; ++x)
            EXPECT_EQ(AttribuutOp(x, rij), 0x8f) << x << "," << rij;
        // Behind the text only the blank body.
        for (int x = 3 + lengte; x <= 77; ++x) EXPECT_EQ(CelOp(x, rij), (Cel{' ', 0x81})) << x;
    }
    for (int rij : {3, 9, 15, 21})
        for (int x = 2; x <= 77; ++x) EXPECT_EQ(CelOp(x, rij), (Cel{' ', 0x81})) << x << "," << rij;
}

TEST_F(InformatieTest, OverHetSpel) {
    SpeelTotWachten({}, ToonOverHetSpel);
    VerwachtKader();
    // The black margin, the blue title bar and the dark grey body.
    VerwachtZwarteRand();
    VerwachtVlak(21, 9, 57, 9, 1);
    EXPECT_EQ(TekstOp(32, 9, 13), "Over het spel");
    EXPECT_EQ(AttribuutOp(32, 9), 0x1e);
    VerwachtVlak(21, 10, 57, 18, 8);
    EXPECT_NE(AttribuutOp(21, 19) >> 4, 8);
    EXPECT_EQ(TekstOp(22, 11, 22), "De struinpaadje v1.0.0");
    EXPECT_EQ(AttribuutOp(22, 11), 0x8f);

    // The credit lines: their colours by column, and nothing past the box's edge.
    auto kleurVan = [](int x, int y) { return TekenOp(x, y) == ' ' ? -1 : AttribuutOp(x, y); };
    for (int x = 22; x < 39; ++x) EXPECT_NE(kleurVan(x, 13), 0x8f) << "a name in yellow: " << x;
    EXPECT_EQ(kleurVan(22, 13), 0x8e);
    EXPECT_EQ(kleurVan(39, 13), 0x8f);
    for (int x = 39; x <= 57; ++x) EXPECT_NE(kleurVan(x, 13), 0x8e) << x;
    for (int x = 22; x < 26; ++x) EXPECT_NE(kleurVan(x, 14), 0x8e) << x;
    EXPECT_EQ(kleurVan(22, 14), 0x8f);
    EXPECT_EQ(kleurVan(26, 14), 0x8e);
    for (int x = 26; x <= 57; ++x) EXPECT_NE(kleurVan(x, 14), 0x8f) << x;
    // The connecting words stand apart from the names.
    EXPECT_EQ(TekenOp(38, 13), ' ');
    EXPECT_EQ(TekenOp(25, 14), ' ');
    for (int rij : {16, 17}) {
        EXPECT_EQ(kleurVan(22, rij), 0x8f) << rij;
        for (int x = 22; x <= 57; ++x) EXPECT_NE(kleurVan(x, rij), 0x8e) << x;
    }
    for (int rij = 12; rij <= 18; ++rij) {
        EXPECT_EQ(CelOp(21, rij), (Cel{' ', 0x81})) << rij;
        EXPECT_NE(AttribuutOp(57, rij) >> 4, 0) << "the box reaches column 57: " << rij;
        EXPECT_TRUE(TekenOp(58, rij) == ' ' || TekenOp(58, rij) == 0) << "lines end by column 57";
    }
    for (int rij : {12, 15, 18})
        for (int x = 21; x <= 57; ++x)
            EXPECT_EQ(CelOp(x, rij), (Cel{' ', 0x81})) << x << "," << rij;
    // Our own names, no invented people.
    EXPECT_NE(RijTekst(13).find("De Struinpaadje"), std::string::npos);
    EXPECT_NE(RijTekst(14).find("Struinpaadje-team"), std::string::npos);

    // The contact line below the box, yellow on black from column 26.
    EXPECT_EQ(TekenOp(25, 21), 0);
    EXPECT_NE(TekenOp(26, 21), 0);
    for (int x = 26; x < 80 && TekenOp(x, 21) != 0; ++x) EXPECT_EQ(AttribuutOp(x, 21), 0x0e) << x;
    for (int rij : {19, 20, 22}) EXPECT_EQ(RijTekst(rij), std::string(80, ' '));
    EXPECT_EQ(RijTekst(21).find('@'), std::string::npos);
}

// The map as the player sees it: the paths between the places, the start and
// end point in red and the game places in light green.
const std::array<std::string, 4> KaartRijen = {
    "\xb3 \xda\xc4\xbf \xb3",
    "\xc0\xc4\xc1\xc4\xc5\xc4\xb4",
    "\xda\xc4\xc2\xc4\xb4 \xb3",
    "\xb3 \xc0\xc4\xc1\xc4\xd9",
};
const std::array<std::string, 4> KaartKleuren = {
    "r gwg g",
    "wwwwwww",
    "wwwwg w",
    "r gwwwg",
};

void VerwachtKaart() {
    VerwachtKader();
    EXPECT_EQ(TekstOp(3, 4, 8), "De kaart");
    EXPECT_EQ(AttribuutOp(3, 4), 0x1e);
    VerwachtVlak(2, 4, 11, 4, 1);
    VerwachtVlak(2, 5, 11, 11, 8);
    EXPECT_NE(AttribuutOp(12, 8) >> 4, 8);
    EXPECT_NE(AttribuutOp(5, 12) >> 4, 8);
    EXPECT_EQ(TekstOp(3, 6, 8), " 1 2 3 4");
    for (int x = 3; x <= 10; ++x) EXPECT_EQ(AttribuutOp(x, 6), 0x8e) << x;
    for (int y = 7; y <= 10; ++y) {
        EXPECT_EQ(CelOp(3, y), (Cel{static_cast<unsigned char>('0' + y - 6), 0x8e}));
        const std::string& tekens = KaartRijen[static_cast<std::size_t>(y - 7)];
        const std::string& kleuren = KaartKleuren[static_cast<std::size_t>(y - 7)];
        for (int x = 4; x <= 10; ++x) {
            const auto i = static_cast<std::size_t>(x - 4);
            const unsigned char voor = kleuren[i] == 'r' ? 4 : kleuren[i] == 'g' ? 10 : 15;
            const Cel verwacht = kleuren[i] == ' ' ? Cel{' ', 0x81}
                                                   : Cel{static_cast<unsigned char>(tekens[i]),
                                                         static_cast<unsigned char>(0x80 + voor)};
            EXPECT_EQ(CelOp(x, y), verwacht) << x << "," << y;
        }
    }
    const std::vector<std::pair<int, std::string>> legenda = {
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
    };
    for (const auto& [rij, tekst] : legenda) {
        const std::string verwacht = std::string(29, ' ') + tekst;
        EXPECT_EQ(RijTekst(rij).substr(12),
                  verwacht.substr(12) + std::string(80 - verwacht.size(), ' '));
        for (int x = 29; x < 29 + static_cast<int>(tekst.size()); ++x)
            EXPECT_EQ(AttribuutOp(x, rij), 0x07) << x << "," << rij;
    }
    for (int rij : {13, 14, 17, 18, 19, 20, 21, 22}) EXPECT_EQ(RijTekst(rij), std::string(80, ' '));
}

TEST_F(InformatieTest, DeKaartIsEenVastBeeld) {
    SpeelTotWachten({}, ToonKaart);
    VerwachtKaart();
}

TEST_F(InformatieTest, DeKaartNegeertDeWandeling) {
    Verzameld = {true, true, false, true, false, true};
    SpeelTotWachten({}, ToonKaart);
    VerwachtKaart();
    Verzameld.fill(false);
    Speel(Route({1, 1}, {4, 4}) + Toetsen{Esc}, ::Speurtocht);
    SpeelTotWachten({}, ToonKaart);
    VerwachtKaart();
}

} // namespace
