#include "console/Console.h"
#include "console/terminal/Toetsdecoder.h"
#include "support/Spelen.h"

#include <iomanip>

using namespace script;

namespace {

class ConsoleTest : public SchermTest {};

TEST_F(ConsoleTest, WisSchermWistDeHeleBufferNietAlleenHetVenster) {
    NieuwModel(80, 300);
    SchrijfTekst("onderaan", 70, 299, 14, 1);
    GaNaarXY(10, 200);
    WisScherm();
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_EQ(CelOp(x, y), (Cel{0, 7})) << x << "," << y;
    EXPECT_EQ(Model().cursorX, 0);
    EXPECT_EQ(Model().cursorY, 0);
}

TEST_F(ConsoleTest, WisSchermLaatHetTekstattribuutOngemoeid) {
    Model().tekstAttribuut = 0x1e;
    WisScherm();
    EXPECT_EQ(Model().tekstAttribuut, 0x1e);
}

TEST_F(ConsoleTest, SchrijfTekstKleurtElkeCelEnLaatDeCursorStaan) {
    GaNaarXY(3, 4);
    SchrijfTekst("abc", 10, 2, 14, 1);
    EXPECT_EQ(TekstOp(10, 2, 3), "abc");
    for (int x = 10; x < 13; ++x) EXPECT_EQ(AttribuutOp(x, 2), 30);
    EXPECT_EQ(AttribuutOp(13, 2), 7);
    EXPECT_EQ(Model().cursorX, 3);
    EXPECT_EQ(Model().cursorY, 4);
}

TEST_F(ConsoleTest, SchrijfTekstLooptDoorNaarDeVolgendeRijEnStoptAanHetEinde) {
    SchrijfTekst("abcd", 78, 3, 15, 0);
    EXPECT_EQ(TekstOp(78, 3, 2), "ab");
    EXPECT_EQ(TekstOp(0, 4, 2), "cd");
    SchrijfTekst("xyz", 79, 24, 15, 0);
    EXPECT_EQ(TekenOp(79, 24), 'x');
    EXPECT_EQ(Model().cellen.size(), 80u * 25u);
}

TEST_F(ConsoleTest, SchrijvenBuitenDeBufferSchrijftNiets) {
    const auto voor = Model().cellen;
    SchrijfTekst("abc", -1, 0, 15, 0);
    SchrijfTekst("abc", 0, 25, 15, 0);
    SchrijfTekst("abc", 80, 0, 15, 0);
    SchrijfTeken('x', 5, -3, 15, 0);
    SchrijfTekst("", 5, 5, 15, 0);
    EXPECT_EQ(Model().cellen, voor);
}

TEST_F(ConsoleTest, VerbergCursorVerbergtHemAlleen) {
    GaNaarXY(7, 8);
    VerbergCursor();
    EXPECT_FALSE(Model().cursorZichtbaar);
    EXPECT_EQ(Model().cursorX, 7);
}

TEST_F(ConsoleTest, StroomSchrijftBijDeCursorInHetTekstattribuut) {
    Model().tekstAttribuut = 0x1f;
    GaNaarXY(5, 6);
    Uitvoer() << "ab" << std::setw(3) << 7;
    EXPECT_EQ(TekstOp(5, 6, 5), "ab  7");
    EXPECT_EQ(AttribuutOp(9, 6), 0x1f);
    EXPECT_EQ(Model().cursorX, 10);
}

TEST_F(ConsoleTest, StroomRegeleindeGaatNaarHetBeginVanDeVolgendeRij) {
    GaNaarXY(40, 3);
    Uitvoer() << "x" << std::endl << "y";
    EXPECT_EQ(TekenOp(0, 4), 'y');
    EXPECT_EQ(Model().cursorX, 1);
    EXPECT_EQ(Model().cursorY, 4);
}

TEST_F(ConsoleTest, StroomLooptRondAanDeRechterrandEnSchuiftOpVoorbijDeOnderkant) {
    SchrijfTekst("bovenste", 0, 0, 15, 0);
    SchrijfTekst("tweede", 0, 1, 15, 0);
    GaNaarXY(78, 24);
    Uitvoer() << "abc";
    // "ab" filled the last row, "c" pushed the picture up one row.
    EXPECT_EQ(TekstOp(0, 0, 6), "tweede");
    EXPECT_EQ(TekstOp(78, 23, 2), "ab");
    EXPECT_EQ(TekenOp(0, 24), 'c');
    EXPECT_EQ(Model().cursorX, 1);
    EXPECT_EQ(Model().cursorY, 24);
}

TEST_F(ConsoleTest, ToetsenKomenUitHetScriptAlsTekenOfCode) {
    ZetScript({Pijl(Links), Teken('q'), Pijl(Omlaag), Enter});
    EXPECT_EQ(LeesToets(), 0);
    EXPECT_EQ(LeesToetsCode(), 'Q');
    EXPECT_EQ(LeesToetsCode(), 40);
    EXPECT_EQ(LeesToets(), 13);
    EXPECT_THROW(LeesToetsCode(), ToetsenOp);
}

// The main keyboard's + (with its '=') and -, as the terminal's decoder
// delivers them, and the keypad's own.
TEST_F(ConsoleTest, ZonderNumeriekWordenPlusEnMinVanHetGewoneToetsenbordDieVanHetNumerieke) {
    const Toetsen toetsen{
        ToetsVoorTeken('+'), ToetsVoorTeken('='), ToetsVoorTeken('-'), PlusNum, MinNum, Teken('q')};
    ZetScript(toetsen);
    for (std::uint16_t code : {ToetsPlus, ToetsPlus, ToetsMin, ToetsPlusNum, ToetsMinNum})
        EXPECT_EQ(LeesToetsCode(), code) << "zonder de instelling verandert niets";
    EXPECT_EQ(LeesToetsCode(), 'Q');

    ZetZonderNumeriek(true);
    ZetScript(toetsen + toetsen);
    for (std::uint16_t code : {ToetsPlusNum, ToetsPlusNum, ToetsMinNum, ToetsPlusNum, ToetsMinNum})
        EXPECT_EQ(LeesToetsCode(), code);
    EXPECT_EQ(LeesToetsCode(), 'Q');
    for (char teken : {'+', '=', '-', '+', '-', 'q'})
        EXPECT_EQ(LeesToets(), teken) << "het teken blijft wat er getypt is";
}

TEST_F(ConsoleTest, ElkeGelezenToetsToontEenBeeld) {
    ZetScript({Enter, Enter});
    LeesToets();
    LeesToetsCode();
    EXPECT_EQ(AantalFrames(), 2u);
}

} // namespace
