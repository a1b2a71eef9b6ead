#include "console/terminal/Regelmodus.h"
#include "console/Console.h"
#include "console/Script.h"
#include "console/Voorlezer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(Regelmodus, EenRegelHeeftGeenStuurtekensEnZonderUtf8AlleenAscii) {
    EXPECT_EQ(Regel("", true), "");
    EXPECT_EQ(Regel("Paden:\tnoord\x1b[2J\nzuid", true), "Paden: noord [2J zuid\n");
    EXPECT_EQ(Regel("\xe2\x86\x91 \xc3\xa9\xc3\xa9n", true), "\xe2\x86\x91 \xc3\xa9\xc3\xa9n\n");
    EXPECT_EQ(Regel("\xe2\x86\x91 noord, \xe2\x82\xac", false),
              "^ noord, ?\n"); // no euro in the code page
}

TEST(Regelmodus, ElkBeeldEenRegelCtrlLHetSchermCtrlQIsEsc) {
    NieuwModel();
    WisScherm();
    SchrijfTekst("Spel Starten", 4, 4, Wit, Donkergrijs);
    SchrijfTekst("Informatie", 4, 5, Wit, Blauw);
    GaNaarXY(4, 4);
    Regelstaat staat;
    RegelBijBeeld(staat, Model());
    EXPECT_EQ(staat.uit, std::string(RegelmodusUitleg) + "Spel Starten.\n");
    // Nothing new: no line; a sentence alone is a line.
    staat.uit.clear();
    RegelBijBeeld(staat, Model());
    EXPECT_EQ(staat.uit, "");
    staat.zinnen = {"Gewonnen: een sleutel"};
    RegelBijBeeld(staat, Model());
    EXPECT_EQ(staat.uit, "Gewonnen: een sleutel.\n");
    EXPECT_TRUE(staat.zinnen.empty());

    staat.uit.clear();
    EXPECT_EQ(RegelToets(staat, Model(), ToetsDruk{'\x0c', 'L'}), std::nullopt);
    EXPECT_EQ(std::count(staat.uit.begin(), staat.uit.end(), '\n'), 25);
    EXPECT_NE(staat.uit.find("\n\n\n\n    Spel Starten\n    Informatie\n"), std::string::npos);
    EXPECT_EQ(RegelToets(staat, Model(), ToetsDruk{'\x11', 'Q'}), (ToetsDruk{ToetsEsc, ToetsEsc}));
    EXPECT_EQ(RegelToets(staat, Model(), script::Teken('q')), script::Teken('q'));
}

TEST(Regelmodus, BijEenTyppositieHetWoordErvoor) {
    NieuwModel();
    WisScherm();
    SchrijfTekst("Mijn liefste", 1, 13, Geel, Zwart);
    SchrijfTekst("te di", 1, 14, Geel, Zwart);
    GaNaarXY(6, 14);
    EXPECT_EQ(TekstBijFocus(Model()), "di");
    GaNaarXY(7, 14); // after a space
    EXPECT_EQ(TekstBijFocus(Model()), "di");
    SchrijfTekst("     ", 1, 14, Geel, Zwart);
    GaNaarXY(1, 14); // at the start of a row: the end of the row above
    EXPECT_EQ(TekstBijFocus(Model()), "liefste");
}

} // namespace
