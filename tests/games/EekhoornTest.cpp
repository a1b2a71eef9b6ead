#include "games/Spellen.h"
#include "support/Oplossingen.h"
#include "support/SpelControle.h"
#include "support/Spelen.h"
#include "units/Units.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <sstream>
#include <string>

using namespace script;

namespace {

using Noten = std::array<int, 4>;       // hazelnuts, beechnuts, walnuts, chestnuts
using Verdeling = std::array<Noten, 4>; // Knabbel, Babbel, Chip, Munk
constexpr Noten Gewicht = {1, 2, 5, 3};

int Waarde(const Noten& n) {
    return Voedingswaarde(n[0], n[1], n[2], n[3]);
}

struct Voorraad {
    Noten noten;
    int deel; // what each family gets in a fair share
};

// The stock made from the generator's next four draws.
Voorraad VolgendeVoorraad() {
    const Noten noten = TrekVoorraad();
    return {noten, Waarde(noten) / 4};
}

// The stock the game will make from this generator state; the generator is
// left set to that state.
Voorraad VoorraadUit(std::uint32_t toestand) {
    return TrekUit(toestand, VolgendeVoorraad);
}

std::uint32_t Begin(std::uint32_t toestand) {
    ZetWillekeurigToestand(toestand);
    return toestand;
}

// A fair share worked out family by family: the heaviest nuts first, as many
// as fit, hazelnuts for the rest. Munk gets what is left.
Verdeling EerlijkeVerdeling(const Voorraad& voorraad) {
    Verdeling verdeling{};
    Noten rest = voorraad.noten;
    for (Noten& familie : verdeling) {
        int nodig = voorraad.deel;
        for (int soort : {2, 3, 1, 0}) {
            familie[soort] = std::min(rest[soort], nodig / Gewicht[soort]);
            rest[soort] -= familie[soort];
            nodig -= familie[soort] * Gewicht[soort];
        }
    }
    return verdeling;
}

int Selectie(int familie, int soort) {
    return familie * 4 + soort + 1;
}

// Down arrows step through the selections one by one, wrapping after 16.
Toetsen NaarSelectie(int& huidig, int doel) {
    const int stappen = ((doel - huidig) % 16 + 16) % 16;
    huidig = doel;
    return Herhaal(Pijl(Omlaag), stappen);
}

// The keys that move these nuts from the stock to the families, starting from
// `selectie` and leaving it where the last nut went.
Toetsen Verdeel(const Verdeling& verdeling, int& selectie) {
    Toetsen toetsen;
    for (int familie = 0; familie < 4; ++familie)
        for (int soort = 0; soort < 4; ++soort)
            if (verdeling[familie][soort] > 0)
                toetsen = toetsen + NaarSelectie(selectie, Selectie(familie, soort)) +
                          Herhaal(PlusNum, verdeling[familie][soort]);
    return toetsen;
}

Toetsen Verdeel(const Verdeling& verdeling) {
    int selectie = 1;
    return Verdeel(verdeling, selectie);
}

std::string Breedte2(int getal) {
    std::ostringstream uit;
    uit << std::setw(2) << getal;
    return uit.str();
}

// 0-based cells of each family's selection mark "[" and first count row.
constexpr std::array<int, 4> MarkX = {48, 71, 48, 71};
constexpr std::array<int, 4> AantalY = {10, 10, 17, 17};
constexpr std::array<int, 4> WaardeX = {49, 72, 49, 72};
constexpr std::array<int, 4> WaardeY = {8, 8, 15, 15};

std::string FamilieAantal(int familie, int soort) {
    return TekstOp(MarkX[familie] + 1, AantalY[familie] + soort, 2);
}
std::string FamilieWaarde(int familie) {
    return TekstOp(WaardeX[familie], WaardeY[familie], 2);
}
std::string VoorraadAantal(int soort) {
    return TekstOp(21, 10 + soort, 2);
}
std::string VoorraadWaarde() {
    return TekstOp(21, 8, 2);
}

int AantalMarkeringen() {
    int aantal = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 80; ++x) aantal += TekenOp(x, y) == '[' || TekenOp(x, y) == ']';
    return aantal;
}

void VerwachtSelectie(int selectie) {
    const int familie = (selectie - 1) / 4;
    const int soort = (selectie - 1) % 4;
    const int y = AantalY[familie] + soort;
    EXPECT_EQ(CelOp(MarkX[familie], y), (Cel{'[', 0x0e})) << "selectie " << selectie;
    EXPECT_EQ(CelOp(MarkX[familie] + 3, y), (Cel{']', 0x0e})) << "selectie " << selectie;
    EXPECT_EQ(AantalMarkeringen(), 2) << "selectie " << selectie;
}

class EekhoornTest : public SchermTest {};

TEST_F(EekhoornTest, EersteScherm) {
    const std::uint32_t toestand = Begin(42);
    const Voorraad voorraad = VoorraadUit(toestand);
    SpeelTotWachten({}, SpeelEekhoorn);
    VerwachtSpelKader("De Eekhoorn", std::string("Noten selecteren: \x1b,\x18,\x1a,\x19") +
                                         "  Voorraad verhogen/verlagen: +,- <esc> Spel verlaten");
    VerwachtInleiding({"Het is de bedoeling dat je een willekeurig aantal noten eerlijk verdeelt",
                       " over de vier eekhoorn-families."});

    // The fixed blocks.
    VerwachtWitteTekst(1, 8, "Algemene Voorraad");
    VerwachtWitteTekst(1, 15, "Voedingswaarde");
    VerwachtWitteTekst(34, 8, "Fam. Knabbel");
    VerwachtWitteTekst(57, 8, "Fam. Babbel");
    VerwachtWitteTekst(34, 15, "Fam. Chip");
    VerwachtWitteTekst(57, 15, "Fam. Munk");
    for (const auto& [x, y, lengte] : {std::tuple{1, 9, 22},
                                       {1, 16, 22},
                                       {34, 9, 18},
                                       {57, 9, 18},
                                       {34, 16, 18},
                                       {57, 16, 18}}) {
        for (int i = 0; i < lengte; ++i) EXPECT_EQ(CelOp(x + i, y), (Cel{196, 7})) << x << "," << y;
        EXPECT_EQ(TekenOp(x + lengte, y), 0) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{1, 10}, {1, 17}, {34, 10}, {34, 17}, {57, 10}, {57, 17}}) {
        EXPECT_EQ(TekstOp(x, y, 11), "Hazelnoten:");
        EXPECT_EQ(TekstOp(x, y + 1, 12), "Beukennoten:");
        EXPECT_EQ(TekstOp(x, y + 2, 9), "Walnoten:");
        EXPECT_EQ(TekstOp(x, y + 3, 10), "Kastanjes:");
    }
    for (int y = 8; y <= 20; ++y) EXPECT_EQ(CelOp(28, y), (Cel{179, 7})) << y;
    EXPECT_EQ(TekenOp(28, 21), 0);

    // The weights beside the lower labels.
    EXPECT_EQ(TekstOp(22, 17, 1), "1");
    EXPECT_EQ(TekstOp(22, 18, 1), "2");
    EXPECT_EQ(TekstOp(22, 19, 1), "5");
    EXPECT_EQ(TekstOp(22, 20, 1), "3");

    // The stock, a multiple of 4, and four empty families.
    const int waarde = Waarde(voorraad.noten);
    EXPECT_EQ(waarde % 4, 0);
    EXPECT_EQ(waarde, 4 * voorraad.deel);
    EXPECT_EQ(VoorraadWaarde(), Breedte2(waarde));
    for (int soort = 0; soort < 4; ++soort)
        EXPECT_EQ(VoorraadAantal(soort), Breedte2(voorraad.noten[soort])) << soort;
    for (int familie = 0; familie < 4; ++familie) {
        EXPECT_EQ(FamilieWaarde(familie), " 0") << familie;
        for (int soort = 0; soort < 4; ++soort)
            EXPECT_EQ(FamilieAantal(familie, soort), " 0") << familie << "," << soort;
    }
    EXPECT_EQ(TekstOp(48, 10, 4), "[ 0]");
    VerwachtSelectie(1);
}

TEST_F(EekhoornTest, EenEerlijkeVerdelingWintDeHazelnoot) {
    for (std::uint32_t begin : {1u, 500u, 9000u, 123456u}) {
        SCOPED_TRACE(begin);
        const std::uint32_t toestand = Begin(begin);
        const Voorraad voorraad = VoorraadUit(toestand);
        const Verdeling verdeling = EerlijkeVerdeling(voorraad);
        Noten totaal{};
        for (const Noten& familie : verdeling) {
            ASSERT_EQ(Waarde(familie), voorraad.deel);
            for (int soort = 0; soort < 4; ++soort) totaal[soort] += familie[soort];
        }
        ASSERT_EQ(totaal, voorraad.noten);

        const Toetsen spel = Verdeel(verdeling);
        SpeelTotWachten(spel, SpeelEekhoorn);
        ASSERT_TRUE(PaneelZichtbaar());
        // The winning move went to Munk and was not drawn any more.
        int laatste = 3;
        while (verdeling[3][laatste] == 0) --laatste;
        EXPECT_EQ(FamilieWaarde(3), Breedte2(voorraad.deel - Gewicht[laatste]));
        EXPECT_EQ(FamilieAantal(3, laatste), Breedte2(verdeling[3][laatste] - 1));
        EXPECT_EQ(FamilieWaarde(1), Breedte2(voorraad.deel));
        EXPECT_EQ(TekenOp(MarkX[3], AantalY[3] + laatste), '[');

        ZetWillekeurigToestand(toestand);
        EXPECT_TRUE(Speel(spel + Toetsen{Teken('j')}, SpeelEekhoorn));
        EXPECT_EQ(ToetsenOver(), 0u);
    }
}

TEST_F(EekhoornTest, HetWinnendeKaderHeeftEenMarge) {
    const std::uint32_t toestand = Begin(77);
    SpeelTotWachten(Verdeel(EerlijkeVerdeling(VoorraadUit(toestand))), SpeelEekhoorn);
    // The black margin reaches one row further down, to 0-based row 18.
    VerwachtZwarteRand();
    for (int x = 20; x <= 58; ++x) EXPECT_EQ(CelOp(x, 18), (Cel{' ', 0x01})) << x;
    EXPECT_EQ(CelOp(19, 12), Cel{});
    EXPECT_EQ(CelOp(28, 19), (Cel{179, 7})); // the vertical line below the margin
    VerwachtWinstVenster({{22, 11, "Je hebt de voorraden eerlijk"},
                          {22, 12, "verdeeld onder de families! Als"},
                          {22, 13, "dank krijg je van de eekhoorn een"},
                          {22, 14, "hazelnoot", 14},
                          {31, 14, " uit zijn voorraad!"},
                          {22, 16, "Nu kunnen we weer verder reizen!"}});
}

TEST_F(EekhoornTest, EscVertrektMeteenOokAlsHetBijnaEerlijkIs) {
    Begin(5);
    EXPECT_FALSE(Speel({Esc}, SpeelEekhoorn));
    EXPECT_FALSE(PaneelZichtbaar());
    EXPECT_NE(CelOp(20, 8), (Cel{' ', 0x01}));

    const std::uint32_t toestand = Begin(5);
    const Verdeling verdeling = EerlijkeVerdeling(VoorraadUit(toestand));
    Toetsen bijna = Verdeel(verdeling);
    ASSERT_EQ(bijna.back(), PlusNum);
    bijna.back() = Esc;
    EXPECT_FALSE(Speel(bijna, SpeelEekhoorn));
    EXPECT_FALSE(PaneelZichtbaar());
    int laatste = 3;
    while (verdeling[3][laatste] == 0) --laatste;
    EXPECT_EQ(VoorraadWaarde(), Breedte2(Gewicht[laatste]));
}

TEST_F(EekhoornTest, DeSelectieGaatOpVolgordeDoorDeFamiliesEnLooptRond) {
    Begin(11);
    SpeelTotWachten({Pijl(Links)}, SpeelEekhoorn);
    VerwachtSelectie(13);
    SpeelTotWachten({Pijl(Omhoog)}, SpeelEekhoorn);
    VerwachtSelectie(16);
    SpeelTotWachten({Pijl(Rechts)}, SpeelEekhoorn);
    VerwachtSelectie(5);
    SpeelTotWachten({Pijl(Rechts), Pijl(Rechts)}, SpeelEekhoorn);
    VerwachtSelectie(9); // from Babbel, top right, to Chip, bottom left
    SpeelTotWachten(Herhaal(Pijl(Rechts), 4), SpeelEekhoorn);
    VerwachtSelectie(1);
    SpeelTotWachten(Herhaal(Pijl(Omlaag), 16), SpeelEekhoorn);
    VerwachtSelectie(1);
    SpeelTotWachten(Herhaal(Pijl(Omlaag), 4), SpeelEekhoorn);
    VerwachtSelectie(5); // after Knabbel's chestnuts come Babbel's hazelnuts
    SpeelTotWachten(Herhaal(Pijl(Omlaag), 3) + Toetsen{Pijl(Links)}, SpeelEekhoorn);
    VerwachtSelectie(16);
    SpeelTotWachten(Toetsen{Pijl(Omhoog)} + Herhaal(Pijl(Rechts), 1), SpeelEekhoorn);
    VerwachtSelectie(4);
    SpeelTotWachten({Pijl(Links), Pijl(Omlaag), Pijl(Omlaag)}, SpeelEekhoorn);
    VerwachtSelectie(15);
    SpeelTotWachten({Pijl(Omhoog), Pijl(Omhoog), Pijl(Links), Pijl(Links), Pijl(Links)},
                    SpeelEekhoorn);
    VerwachtSelectie(3);
}

TEST_F(EekhoornTest, PlusEnMinVerplaatsenEenWalnoot) {
    const std::uint32_t toestand = Begin(21);
    const Voorraad voorraad = VoorraadUit(toestand);
    const int waarde = 4 * voorraad.deel;
    SpeelTotWachten({Pijl(Omlaag), Pijl(Omlaag), PlusNum}, SpeelEekhoorn);
    EXPECT_EQ(VoorraadAantal(2), Breedte2(voorraad.noten[2] - 1));
    EXPECT_EQ(VoorraadWaarde(), Breedte2(waarde - 5));
    EXPECT_EQ(FamilieAantal(0, 2), " 1");
    EXPECT_EQ(FamilieWaarde(0), " 5");
    EXPECT_EQ(TekstOp(48, 12, 4), "[ 1]");
    for (int familie = 1; familie < 4; ++familie) EXPECT_EQ(FamilieWaarde(familie), " 0");
    // The weights once, then family, nut, count and stock; the values after a move.
    EXPECT_EQ(Berichten().at(4), "Voedingswaarde per noot: hazelnoten 1, beukennoten 2, walnoten "
                                 "5, kastanjes 3");
    EXPECT_EQ(
        LaatsteBerichten(2),
        (std::vector<std::string>{
            "Knabbel, walnoten: 1, nog " + std::to_string(voorraad.noten[2] - 1) + " in voorraad",
            "Voedingswaarde Knabbel: 5, voorraad: " + std::to_string(waarde - 5)}));

    ZetWillekeurigToestand(toestand);
    SpeelTotWachten({Pijl(Omlaag), Pijl(Omlaag), PlusNum, MinNum}, SpeelEekhoorn);
    EXPECT_EQ(VoorraadAantal(2), Breedte2(voorraad.noten[2]));
    EXPECT_EQ(VoorraadWaarde(), Breedte2(waarde));
    EXPECT_EQ(FamilieAantal(0, 2), " 0");
    EXPECT_EQ(FamilieWaarde(0), " 0");
}

TEST_F(EekhoornTest, GeenAantalZaktOnderNul) {
    const std::uint32_t toestand = Begin(31);
    const Voorraad voorraad = VoorraadUit(toestand);
    const int walnoten = voorraad.noten[2];
    const int waarde = 4 * voorraad.deel;

    // Plus on a kind the stock has run out of does nothing.
    const Toetsen alleWalnoten =
        Toetsen{Pijl(Omlaag), Pijl(Omlaag)} + Herhaal(PlusNum, walnoten + 3);
    SpeelTotWachten(alleWalnoten, SpeelEekhoorn);
    EXPECT_EQ(VoorraadAantal(2), " 0");
    EXPECT_EQ(FamilieAantal(0, 2), Breedte2(walnoten));
    EXPECT_EQ(VoorraadWaarde(), Breedte2(waarde - 5 * walnoten));

    // Minus on a family count of 0 does nothing, also where the stock is empty.
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(alleWalnoten + Toetsen{Pijl(Rechts), MinNum, MinNum}, SpeelEekhoorn);
    EXPECT_EQ(FamilieAantal(1, 2), " 0");
    EXPECT_EQ(FamilieWaarde(1), " 0");
    EXPECT_EQ(VoorraadAantal(2), " 0");
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(Herhaal(MinNum, 3), SpeelEekhoorn);
    EXPECT_EQ(FamilieAantal(0, 0), " 0");
    EXPECT_EQ(VoorraadAantal(0), Breedte2(voorraad.noten[0]));
    EXPECT_EQ(VoorraadWaarde(), Breedte2(waarde));
}

TEST_F(EekhoornTest, AlleenPlusEnMinVanHetNumeriekeBlokVerplaatsenNoten) {
    const std::uint32_t toestand = Begin(41);
    const Voorraad voorraad = VoorraadUit(toestand);
    SpeelTotWachten({Plus, Plus, Teken('+'), Spatie, Enter}, SpeelEekhoorn);
    EXPECT_EQ(FamilieAantal(0, 0), " 0");
    EXPECT_EQ(VoorraadAantal(0), Breedte2(voorraad.noten[0]));

    ZetWillekeurigToestand(toestand);
    SpeelTotWachten({PlusNum, PlusNum, Min, Teken('-'), Backspace}, SpeelEekhoorn);
    EXPECT_EQ(FamilieAantal(0, 0), " 2");
    EXPECT_EQ(FamilieWaarde(0), " 2");
    EXPECT_EQ(VoorraadAantal(0), Breedte2(voorraad.noten[0] - 2));
    VerwachtSelectie(1);
}

TEST_F(EekhoornTest, GelijkeWaardenMetNotenOverWinnenNiet) {
    const std::uint32_t toestand = Begin(51);
    const Voorraad voorraad = VoorraadUit(toestand);
    // One hazelnut for every family: four equal values, the stock not empty.
    const Toetsen eenElk =
        Toetsen{PlusNum, Pijl(Rechts), PlusNum, Pijl(Rechts), PlusNum, Pijl(Rechts), PlusNum};
    SpeelTotWachten(eenElk, SpeelEekhoorn);
    EXPECT_FALSE(PaneelZichtbaar());
    for (int familie = 0; familie < 4; ++familie) EXPECT_EQ(FamilieWaarde(familie), " 1");
    EXPECT_EQ(VoorraadWaarde(), Breedte2(4 * voorraad.deel - 4));

    ZetWillekeurigToestand(toestand);
    EXPECT_FALSE(Speel(eenElk + Toetsen{Esc}, SpeelEekhoorn));
}

TEST_F(EekhoornTest, EenLegeVoorraadMetOngelijkeWaardenWintNiet) {
    const std::uint32_t toestand = Begin(61);
    const Voorraad voorraad = VoorraadUit(toestand);
    // Everything to Knabbel.
    Verdeling alles{};
    alles[0] = voorraad.noten;
    SpeelTotWachten(Verdeel(alles), SpeelEekhoorn);
    EXPECT_FALSE(PaneelZichtbaar());
    EXPECT_EQ(VoorraadWaarde(), " 0");
    EXPECT_EQ(FamilieWaarde(0), Breedte2(4 * voorraad.deel));
    EXPECT_EQ(FamilieWaarde(1), " 0");
}

TEST_F(EekhoornTest, AantallenZijnTweeBreedEnDeSpatiesWissenDeMarkeringen) {
    const std::uint32_t toestand =
        ToestandMet(71, VolgendeVoorraad, [](const Voorraad& v) { return v.noten[0] >= 10; });
    SpeelTotWachten(Herhaal(PlusNum, 9), SpeelEekhoorn);
    EXPECT_EQ(TekstOp(48, 10, 4), "[ 9]");
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(Herhaal(PlusNum, 10), SpeelEekhoorn);
    EXPECT_EQ(TekstOp(48, 10, 4), "[10]");
    EXPECT_EQ(FamilieWaarde(0), "10");
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(Herhaal(PlusNum, 10) + Toetsen{Pijl(Omlaag)}, SpeelEekhoorn);
    EXPECT_EQ(CelOp(48, 10), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(51, 10), (Cel{' ', 7}));
    EXPECT_EQ(TekstOp(48, 10, 4), " 10 ");
    EXPECT_EQ(TekstOp(48, 11, 4), "[ 0]");
    VerwachtSelectie(2);
}

// A state whose first draw is the generator's top value, so that the stock
// gets three walnut units: found by running the generator one step backwards.
std::uint32_t ToestandVoorTopwaarde(std::uint32_t laag) {
    std::uint32_t inverse = 214013u; // 214013 * inverse = 1 modulo 2^32
    for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;
    const std::uint32_t volgende = (0x7fffu << 16) | (laag & 0xffffu);
    return (volgende - 2531011u) * inverse;
}

// A state whose stock is worth 100 or more; the generator is left set to it.
std::uint32_t DrieCijferigeVoorraad() {
    for (std::uint32_t laag = 0;; ++laag) {
        const std::uint32_t toestand = ToestandVoorTopwaarde(laag);
        if (VoorraadUit(toestand).deel >= 25) return toestand;
    }
}

TEST_F(EekhoornTest, EenVoorraadwaardeVanDrieCijfersLaatGeenCijferAchter) {
    const std::uint32_t toestand = DrieCijferigeVoorraad();
    const Voorraad voorraad = VoorraadUit(toestand);
    const int waarde = 4 * voorraad.deel;
    ASSERT_GE(waarde, 100);
    SpeelTotWachten({}, SpeelEekhoorn);
    EXPECT_EQ(TekstOp(21, 8, 3), std::to_string(waarde));

    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(Herhaal(PlusNum, waarde - 99), SpeelEekhoorn);
    EXPECT_EQ(TekstOp(21, 8, 3), "99 ");
    EXPECT_EQ(FamilieAantal(0, 0), Breedte2(waarde - 99));
}

TEST_F(EekhoornTest, EenFamiliewaardeVanDrieCijfersLaatGeenCijferAchter) {
    const std::uint32_t toestand = DrieCijferigeVoorraad();
    const Voorraad voorraad = VoorraadUit(toestand);
    const int waarde = 4 * voorraad.deel;
    // Everything to Knabbel, then hazelnuts back until the value is 99.
    Verdeling alles{};
    alles[0] = voorraad.noten;
    const Toetsen naarKnabbel = Verdeel(alles);
    SpeelTotWachten(naarKnabbel, SpeelEekhoorn);
    EXPECT_EQ(TekstOp(49, 8, 3), std::to_string(waarde));

    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(naarKnabbel + Herhaal(Pijl(Omhoog), 3) + Herhaal(MinNum, waarde - 99),
                    SpeelEekhoorn);
    EXPECT_EQ(TekstOp(49, 8, 3), "99 ");
    EXPECT_EQ(VoorraadWaarde(), Breedte2(waarde - 99));
}

TEST_F(EekhoornTest, NietsBlijftBewaardTussenTweeSpellen) {
    const std::uint32_t toestand = Begin(81);
    VolgendeVoorraad(); // the first play's stock
    const Voorraad tweede = VolgendeVoorraad();
    ZetWillekeurigToestand(toestand);

    EXPECT_FALSE(Speel({Pijl(Rechts), PlusNum, PlusNum, Pijl(Omlaag), Esc}, SpeelEekhoorn));
    SpeelTotWachten({}, SpeelEekhoorn);
    EXPECT_EQ(VoorraadWaarde(), Breedte2(4 * tweede.deel));
    for (int soort = 0; soort < 4; ++soort)
        EXPECT_EQ(VoorraadAantal(soort), Breedte2(tweede.noten[soort]));
    for (int familie = 0; familie < 4; ++familie) {
        EXPECT_EQ(FamilieWaarde(familie), " 0");
        for (int soort = 0; soort < 4; ++soort) EXPECT_EQ(FamilieAantal(familie, soort), " 0");
    }
    VerwachtSelectie(1);
}

TEST_F(EekhoornTest, SchrijfNotenNamenSchrijftDeVierLabelsOnderElkaar) {
    SchrijfNotenNamen(10, 3);
    EXPECT_EQ(TekstOp(9, 2, 12), "Hazelnoten: ");
    EXPECT_EQ(TekstOp(9, 3, 12), "Beukennoten:");
    EXPECT_EQ(TekstOp(9, 4, 12), "Walnoten:   ");
    EXPECT_EQ(TekstOp(9, 5, 12), "Kastanjes:  ");
    EXPECT_EQ(AttribuutOp(9, 2), 7);
    EXPECT_EQ(CelOp(8, 2), Cel{});
    EXPECT_EQ(RijTekst(6), std::string(80, ' '));
    // No line end: the cursor stands right behind the last label.
    EXPECT_EQ(Model().cursorX, 19);
    EXPECT_EQ(Model().cursorY, 5);
}

} // namespace
