#include "games/Spellen.h"
#include "support/SpelControle.h"
#include "support/Spelen.h"
#include "units/Units.h"

#include <algorithm>
#include <string_view>

using namespace script;

namespace {

class KlinkersTest : public SchermTest {};

constexpr int Kolommen = 8;
constexpr int Rijen = 7;
constexpr unsigned char Stip = 250;
const Cel Leeg{};

struct Vak {
    int kolom;
    int rij;
};

// The console cell of grid letter (kolom, rij).
int CelX(int kolom) {
    return 3 * kolom + 24;
}
int CelY(int rij) {
    return 2 * rij + 5;
}

bool IsKlinker(unsigned char letter) {
    return std::string_view("aeiouAEIOU").find(static_cast<char>(letter)) != std::string_view::npos;
}

// The grid's words as the first screen shows them.
WoordLijst WoordenOpScherm() {
    WoordLijst woorden;
    for (int r = 1; r <= Rijen; ++r) {
        std::string woord;
        for (int c = 1; c <= Kolommen; ++c) woord += static_cast<char>(TekenOp(CelX(c), CelY(r)));
        woorden.push_back(woord);
    }
    return woorden;
}

// The vowels found by walking the grid of the first screen, row by row.
std::vector<Vak> KlinkerVakken() {
    SpeelTotWachten({}, SpeelKlinkers);
    std::vector<Vak> vakken;
    for (int r = 1; r <= Rijen; ++r)
        for (int c = 1; c <= Kolommen; ++c)
            if (IsKlinker(TekenOp(CelX(c), CelY(r)))) vakken.push_back({c, r});
    return vakken;
}

// Arrows from one letter to another, the column first.
Toetsen Naar(Vak& cursor, Vak doel) {
    Toetsen uit = doel.kolom > cursor.kolom ? Herhaal(Pijl(Rechts), doel.kolom - cursor.kolom)
                                            : Herhaal(Pijl(Links), cursor.kolom - doel.kolom);
    uit = uit + (doel.rij > cursor.rij ? Herhaal(Pijl(Omlaag), doel.rij - cursor.rij)
                                       : Herhaal(Pijl(Omhoog), cursor.rij - doel.rij));
    cursor = doel;
    return uit;
}

// Walks to each of the letters in turn and presses Space on it.
Toetsen Verberg(const std::vector<Vak>& vakken, Vak& cursor) {
    Toetsen uit;
    for (const Vak& vak : vakken) uit = uit + Naar(cursor, vak) + Toetsen{Spatie};
    return uit;
}

Toetsen Verberg(const std::vector<Vak>& vakken) {
    Vak cursor{1, 1};
    return Verberg(vakken, cursor);
}

bool KaderStaatOp(int kolom, int rij) {
    return CelOp(CelX(kolom) - 1, CelY(rij)) == Cel{'[', 14} &&
           CelOp(CelX(kolom) + 1, CelY(rij)) == Cel{']', 14};
}

// How many yellow marks the grid area holds; one cursor has two.
int AantalTekens() {
    int aantal = 0;
    for (int y = CelY(1); y <= CelY(Rijen); ++y)
        for (int x = CelX(1) - 1; x <= CelX(Kolommen) + 1; ++x)
            if (AttribuutOp(x, y) == 14) ++aantal;
    return aantal;
}

TEST_F(KlinkersTest, EersteScherm) {
    SpeelTotWachten({}, SpeelKlinkers);
    VerwachtSpelKader("De klinkers", "Navigeren: \x1b,\x18,\x1a,\x19      "
                                     "<spatie> Verbergen/weergeven       <esc> Spel verlaten");
    EXPECT_EQ(CelOp(50, 0), (Cel{' ', 0x11}));
    EXPECT_EQ(CelOp(19, 24), Leeg);
    VerwachtInleiding({"Het is de bedoeling dat je de klinkers uit de onderstaande zeven woorden",
                       " verwijdert!"});

    // The letters three columns and two rows apart, in the stream's grey.
    EXPECT_EQ(TekstOp(26, 7, 24), "[i] j  s  c  o  m  a  n ");
    EXPECT_EQ(CelOp(27, 7), (Cel{'i', 7}));
    EXPECT_EQ(CelOp(29, 7), Leeg);
    EXPECT_EQ(CelOp(48, 19), (Cel{'k', 7}));
    const WoordLijst woorden = {"ijscoman", "evenaren", "langzaam", "breeduit",
                                "overloop", "platinum", "politiek"};
    EXPECT_EQ(WoordenOpScherm(), woorden);
    for (int r = 1; r < Rijen; ++r) EXPECT_EQ(RijTekst(CelY(r) + 1), std::string(80, ' ')) << r;
    EXPECT_EQ(RijTekst(6), std::string(80, ' '));
    EXPECT_EQ(RijTekst(20), std::string(80, ' '));

    EXPECT_TRUE(KaderStaatOp(1, 1));
    EXPECT_EQ(AantalTekens(), 2);
    EXPECT_EQ(CelOp(26, 7), (Cel{'[', 14}));
    EXPECT_EQ(CelOp(28, 7), (Cel{']', 14}));
}

TEST_F(KlinkersTest, ElkeKlinkerVerbergenWintBijDeLaatste) {
    const std::vector<Vak> klinkers = KlinkerVakken();
    EXPECT_EQ(klinkers.size(), 25u);
    const Toetsen alles = Verberg(klinkers);

    // One Space short: every vowel but the last is a dot, no box yet.
    Toetsen bijna = alles;
    bijna.pop_back();
    SpeelTotWachten(bijna, SpeelKlinkers);
    EXPECT_FALSE(PaneelZichtbaar());
    for (std::size_t i = 0; i + 1 < klinkers.size(); ++i)
        EXPECT_EQ(CelOp(CelX(klinkers[i].kolom), CelY(klinkers[i].rij)), (Cel{Stip, 7})) << i;
    EXPECT_TRUE(KaderStaatOp(klinkers.back().kolom, klinkers.back().rij));
    EXPECT_EQ(AantalTekens(), 2);

    // The Space on the last vowel brings the box up, behind a black margin.
    SpeelTotWachten(alles, SpeelKlinkers);
    VerwachtZwarteRand();
    // The top and bottom words stay.
    EXPECT_EQ(CelOp(CelX(2), CelY(1)), (Cel{'j', 7}));
    EXPECT_EQ(CelOp(CelX(2), CelY(Rijen)), (Cel{Stip, 7}));
    EXPECT_EQ(CelOp(CelX(1), CelY(Rijen)), (Cel{'p', 7}));

    VerwachtWinstVenster({{22, 11, "Je hebt alle klinkers uit de"},
                          {22, 12, "woorden verwijderd! De smurf"},
                          {22, 13, "zegt dat is het en geeft je"},
                          {22, 14, "een blad salsaparilla", 14},
                          {43, 14, "."},
                          {22, 16, "Kom op! We gaan weer verder!"}});

    EXPECT_TRUE(Speel(alles + Toetsen{Pijl(Links)}, SpeelKlinkers));
    EXPECT_EQ(ToetsenOver(), 0u);
}

TEST_F(KlinkersTest, DeVolgordeVanVerbergenDoetErNietToe) {
    std::vector<Vak> klinkers = KlinkerVakken();
    std::reverse(klinkers.begin(), klinkers.end());
    EXPECT_TRUE(Speel(Verberg(klinkers) + Toetsen{Enter}, SpeelKlinkers));
    EXPECT_EQ(ToetsenOver(), 0u);
}

TEST_F(KlinkersTest, EenVerborgenMedeklinkerHoudtDeWinstTegenTotHijWeerGetoondIs) {
    const std::vector<Vak> klinkers = KlinkerVakken();
    const Vak medeklinker{3, 3}; // the n of "langzaam"
    SpeelTotWachten({}, SpeelKlinkers);
    ASSERT_FALSE(IsKlinker(TekenOp(CelX(medeklinker.kolom), CelY(medeklinker.rij))));

    Vak cursor{1, 1};
    const Toetsen eerst = Verberg({medeklinker}, cursor);
    const Toetsen alles = eerst + Verberg(klinkers, cursor);
    SpeelTotWachten(alles, SpeelKlinkers);
    EXPECT_FALSE(PaneelZichtbaar());
    EXPECT_EQ(CelOp(CelX(3), CelY(3)), (Cel{Stip, 7}));

    // Showing it again wins at once.
    const Toetsen terug = alles + Verberg({medeklinker}, cursor);
    SpeelTotWachten(terug, SpeelKlinkers);
    EXPECT_TRUE(PaneelZichtbaar());
    EXPECT_TRUE(Speel(terug + Toetsen{Esc}, SpeelKlinkers));
}

TEST_F(KlinkersTest, InIjscomanIsDeIEenKlinkerEnDeJNiet) {
    const std::vector<Vak> klinkers = KlinkerVakken();
    ASSERT_EQ(klinkers.front().kolom, 1);
    ASSERT_EQ(klinkers.front().rij, 1);
    SpeelTotWachten({}, SpeelKlinkers);
    ASSERT_EQ(TekenOp(CelX(2), CelY(1)), 'j');

    // The j hidden instead of the i: no win.
    std::vector<Vak> metJ = klinkers;
    metJ.front() = {2, 1};
    SpeelTotWachten(Verberg(metJ), SpeelKlinkers);
    EXPECT_FALSE(PaneelZichtbaar());
    // The j as well as the i: no win either.
    metJ.front() = {1, 1};
    metJ.insert(metJ.begin(), Vak{2, 1});
    SpeelTotWachten(Verberg(metJ), SpeelKlinkers);
    EXPECT_FALSE(PaneelZichtbaar());
    // The i alone, with the other vowels: a win.
    SpeelTotWachten(Verberg(klinkers), SpeelKlinkers);
    EXPECT_TRUE(PaneelZichtbaar());
}

TEST_F(KlinkersTest, TweemaalSpatieToontDeLetterWeer) {
    SpeelTotWachten({Pijl(Rechts), Spatie}, SpeelKlinkers);
    EXPECT_EQ(CelOp(CelX(2), CelY(1)), (Cel{Stip, 7}));
    EXPECT_TRUE(KaderStaatOp(2, 1));
    SpeelTotWachten({Pijl(Rechts), Spatie, Spatie}, SpeelKlinkers);
    EXPECT_EQ(CelOp(CelX(2), CelY(1)), (Cel{'j', 7}));
    EXPECT_EQ(LaatsteBerichten(4),
              (std::vector<std::string>{"i, letter 1 van ijscoman", "j, letter 2 van ijscoman",
                                        "j verborgen, letter 2 van ijscoman",
                                        "j, letter 2 van ijscoman"}));

    SpeelTotWachten({Pijl(Omlaag), Pijl(Omlaag), Pijl(Rechts), Spatie, Pijl(Rechts), Spatie,
                     Pijl(Links), Spatie},
                    SpeelKlinkers);
    EXPECT_EQ(CelOp(CelX(2), CelY(3)), (Cel{'a', 7}));
    EXPECT_EQ(CelOp(CelX(3), CelY(3)), (Cel{Stip, 7}));
}

TEST_F(KlinkersTest, DeCursorBlijftBinnenHetRooster) {
    SpeelTotWachten({Pijl(Links), Pijl(Omhoog)}, SpeelKlinkers);
    EXPECT_TRUE(KaderStaatOp(1, 1));
    EXPECT_EQ(AantalTekens(), 2);
    EXPECT_EQ(CelOp(25, 7), Leeg);

    // One step: the old marks are wiped to blanks.
    SpeelTotWachten({Pijl(Rechts)}, SpeelKlinkers);
    EXPECT_TRUE(KaderStaatOp(2, 1));
    EXPECT_EQ(CelOp(26, 7), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(28, 7), (Cel{' ', 7}));
    EXPECT_EQ(AantalTekens(), 2);

    const Toetsen hoek = Herhaal(Pijl(Rechts), 10) + Herhaal(Pijl(Omlaag), 9);
    SpeelTotWachten(hoek, SpeelKlinkers);
    EXPECT_TRUE(KaderStaatOp(Kolommen, Rijen));
    EXPECT_EQ(CelOp(49, 19), (Cel{']', 14}));
    EXPECT_EQ(AantalTekens(), 2);
    EXPECT_EQ(CelOp(50, 19), Leeg);
    EXPECT_EQ(RijTekst(20), std::string(80, ' '));

    SpeelTotWachten(hoek + Herhaal(Pijl(Links), 10) + Herhaal(Pijl(Omhoog), 9) +
                        Toetsen{Pijl(Rechts)},
                    SpeelKlinkers);
    EXPECT_TRUE(KaderStaatOp(2, 1));
    EXPECT_EQ(AantalTekens(), 2);
}

TEST_F(KlinkersTest, EscVertrektMeteenEnGeenToetsControleert) {
    EXPECT_FALSE(Speel({Esc, Spatie}, SpeelKlinkers));
    EXPECT_EQ(ToetsenOver(), 1u);

    // One vowel still shown: Esc is a loss.
    std::vector<Vak> klinkers = KlinkerVakken();
    klinkers.pop_back();
    EXPECT_FALSE(Speel(Verberg(klinkers) + Toetsen{Esc, Spatie}, SpeelKlinkers));
    EXPECT_EQ(ToetsenOver(), 1u);
    EXPECT_FALSE(PaneelZichtbaar());

    // Enter is no check, nor is any other key.
    SpeelTotWachten(Verberg(klinkers) + Toetsen{Enter, Teken('k'), F12}, SpeelKlinkers);
    EXPECT_FALSE(PaneelZichtbaar());
}

} // namespace
