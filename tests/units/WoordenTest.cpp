#include "units/Units.h"

#include <gtest/gtest.h>

namespace {

TEST(WoordenTest, KorteLijstenEnHerhalingen) {
    EXPECT_TRUE(Alfabetisch({}));
    EXPECT_TRUE(Alfabetisch({"alfa"}));
    EXPECT_TRUE(Alfabetisch({"alfa", "alfa"}));
    EXPECT_FALSE(Alfabetisch({"beta", "alfa"}));
}

TEST(WoordenTest, BytevolgordeHoofdlettersEerstVoorvoegselsEerst) {
    EXPECT_TRUE(Alfabetisch({"IBM", "alfa"}));
    EXPECT_FALSE(Alfabetisch({"alfa", "IBM"}));
    EXPECT_TRUE(Alfabetisch({"alfa", "alfabet"}));
    EXPECT_FALSE(Alfabetisch({"alfabet", "alfa"}));
    EXPECT_TRUE(Alfabetisch({" z", "9", "A", "a"}));
    // Bytes above 127 count as unsigned: they come after every letter.
    EXPECT_TRUE(Alfabetisch({"z", "\x82t"}));
    EXPECT_FALSE(Alfabetisch({"\x82t", "z"}));
}

TEST(WoordenTest, LaatDeLijstVanDeAanroeperOngemoeid) {
    const WoordLijst lijst = {"delta", "alfa", "beta"};
    WoordLijst kopie = lijst;
    EXPECT_FALSE(Alfabetisch(kopie));
    EXPECT_EQ(kopie, lijst);
}

TEST(WoordenTest, ElkeLetterEenTerug) {
    EXPECT_EQ(Ontcijfer("a"), "z");
    EXPECT_EQ(Ontcijfer("A"), "Z");
    EXPECT_EQ(Ontcijfer("b"), "a");
    EXPECT_EQ(Ontcijfer("z"), "y");
    EXPECT_EQ(Ontcijfer("-2"), "-2");
    EXPECT_EQ(Ontcijfer(""), "");
    EXPECT_EQ(Ontcijfer("IBM"), "HAL");
    EXPECT_EQ(Ontcijfer("Wbefs, ijk!"), "Vader, hij!");
}

TEST(WoordenTest, AndereBytesBlijvenOngewijzigd) {
    const std::string vreemd = "\x80\xff\xe9 @[`{";
    EXPECT_EQ(Ontcijfer(vreemd), vreemd);
    EXPECT_EQ(Ontcijfer(vreemd).size(), vreemd.size());
}

TEST(WoordenTest, AlleenDeTienKlinkerbytesVerdwijnen) {
    EXPECT_TRUE(VerwijderdeKlinkers("aoeiu", ""));
    EXPECT_TRUE(VerwijderdeKlinkers("AEIOU", ""));
    EXPECT_FALSE(VerwijderdeKlinkers("azrael", "azrael"));
    EXPECT_TRUE(VerwijderdeKlinkers("azrael", "zrl"));
    EXPECT_TRUE(VerwijderdeKlinkers("ijscoman", "jscmn"));
    EXPECT_FALSE(VerwijderdeKlinkers("yoghurt", "ghrt")); // y stays
    EXPECT_TRUE(VerwijderdeKlinkers("yoghurt", "yghrt"));
    EXPECT_FALSE(VerwijderdeKlinkers("Smurf", "smrf")); // case counts
    EXPECT_TRUE(VerwijderdeKlinkers("caf\x82 1!", "cf\x82 1!"));
}

} // namespace
