#include "console/Tekenen.h"
#include "forest/Bos.h"
#include "support/Spelen.h"

using namespace script;

namespace {

class TekenenTest : public SchermTest {};

TEST_F(TekenenTest, GaNaarTeltVanafEen) {
    GaNaar(1, 1);
    EXPECT_EQ(Model().cursorX, 0);
    EXPECT_EQ(Model().cursorY, 0);
    GaNaar(80, 25);
    EXPECT_EQ(Model().cursorX, 79);
    EXPECT_EQ(Model().cursorY, 24);
}

TEST_F(TekenenTest, VulVlakVultSpatiesOpDeAchtergrond) {
    VulVlak(22, 11, 58, 18, 8);
    int gevuld = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 80; ++x)
            if (CelOp(x, y) == Cel{' ', 129}) ++gevuld;
    EXPECT_EQ(gevuld, 37 * 8);
    EXPECT_EQ(CelOp(21, 10), (Cel{' ', 129}));
    EXPECT_EQ(CelOp(57, 17), (Cel{' ', 129}));
    EXPECT_EQ(CelOp(58, 17), Cel{});
}

TEST_F(TekenenTest, VulVlakMetOmgekeerdeHoekenDoetNiets) {
    const auto voor = Model().cellen;
    VulVlak(10, 5, 9, 8, 1);
    VulVlak(10, 5, 12, 4, 1);
    EXPECT_EQ(Model().cellen, voor);
}

TEST_F(TekenenTest, VerticaleLijnStaatEenKolomRechts) {
    VerticaleLijn(27, 8, 20, 7);
    for (int y = 8; y <= 20; ++y) EXPECT_EQ(CelOp(28, y), (Cel{179, 7})) << y;
    EXPECT_EQ(CelOp(28, 7), Cel{});
    EXPECT_EQ(CelOp(28, 21), Cel{});
    EXPECT_EQ(CelOp(27, 8), Cel{});
}

TEST_F(TekenenTest, SchrijfRegelBeeindigtDeRegel) {
    GaNaar(5, 3);
    SchrijfRegel("een");
    Schrijf("twee");
    EXPECT_EQ(TekstOp(4, 2, 3), "een");
    EXPECT_EQ(TekstOp(0, 3, 4), "twee");
}

TEST_F(TekenenTest, SchrijfOmgebrokenKorteTekstIsEenRijVanafKolomVijf) {
    SchrijfOmgebroken("Je staat in een hoek van het bos.", 3, 3, 60);
    EXPECT_EQ(TekstOp(4, 3, 34), "Je staat in een hoek van het bos. ");
    EXPECT_EQ(TekenOp(3, 3), 0);
    EXPECT_EQ(RijTekst(4), std::string(80, ' '));
}

TEST_F(TekenenTest, SchrijfOmgebrokenBreektNooitEenWoord) {
    const std::string lang(120, 'x');
    SchrijfOmgebroken(lang, 3, 3, 60);
    EXPECT_EQ(TekstOp(4, 3, 76), std::string(76, 'x'));
    // The console's own wrap takes the rest to the next row; no break of ours.
    EXPECT_EQ(TekstOp(0, 4, 44), std::string(44, 'x'));
}

TEST_F(TekenenTest, SchrijfOmgebrokenVanDePlekMetDeKluis) {
    VulKamerBeschrijvingen();
    const std::string tekst = KamerBeschrijvingen.at(0).at(1);
    KamerBeschrijvingen.clear();
    SchrijfOmgebroken(tekst, 3, 3, 60);
    const std::string eerste = "Dat is vreemd. Midden in het bos staat een grote bankkluis. Er";
    const std::string tweede = " hangt een briefje aan: 'Wie de combinatie raadt, mag de inhoud";
    EXPECT_EQ(TekstOp(4, 3, static_cast<int>(eerste.size())), eerste);
    EXPECT_EQ(TekstOp(3, 4, static_cast<int>(tweede.size())), tweede);
    EXPECT_NE(RijTekst(7), std::string(80, ' '));
    EXPECT_EQ(RijTekst(8), std::string(80, ' '));
}

TEST_F(TekenenTest, SchermKaderMetBediening) {
    SchrijfTekst("oud", 40, 12, 15, 0);
    SchermKader({{2, "Navigeren: Pijltjestoetsen"}, {61, "<esc> Spel verlaten"}});
    for (int x = 0; x < 80; ++x) ASSERT_EQ(AttribuutOp(x, 0), x >= 30 && x < 45 ? 0x1e : 0x11) << x;
    EXPECT_EQ(TekstOp(30, 0, 15), "De Struinpaadje");
    EXPECT_EQ(AttribuutOp(30, 0), 0x1e);
    EXPECT_EQ(TekenOp(0, 23), 0);
    for (int x = 1; x <= 78; ++x) EXPECT_EQ(CelOp(x, 23), (Cel{196, 7}));
    EXPECT_EQ(TekenOp(79, 23), 0);
    EXPECT_EQ(TekstOp(1, 24, 26), "Navigeren: Pijltjestoetsen");
    EXPECT_EQ(TekstOp(60, 24, 19), "<esc> Spel verlaten");
    EXPECT_EQ(TekenOp(40, 12), 0);
}

TEST_F(TekenenTest, CopyrightregelPastVanafKolomTien) {
    SchermKaderCopyright();
    EXPECT_EQ(TekstOp(10, 24, static_cast<int>(CopyrightRegel.size())), CopyrightRegel);
    EXPECT_LE(10 + CopyrightRegel.size(), 80u);
    EXPECT_NE(CopyrightRegel.find("De Struinpaadje"), std::string::npos);
}

TEST_F(TekenenTest, SpelSchermVerbergtDeCursorEnNoemtHetSpel) {
    SpelScherm("De Kluis", {{2, "Bediening"}});
    EXPECT_FALSE(Model().cursorZichtbaar);
    EXPECT_EQ(TekstOp(1, 2, 8), "De Kluis");
    EXPECT_EQ(AttribuutOp(1, 2), 15);
    EXPECT_EQ(TekstOp(1, 24, 9), "Bediening");
}

TEST_F(TekenenTest, MeldingVensterMetMarge) {
    VulVlak(1, 1, 80, 25, 4);
    MeldingVenster("Gefeliciteerd!", 32,
                   {{22, 11, "Je hebt"}, {22, 12, "iets"}, {27, 12, "moois", 14}}, 19);
    EXPECT_EQ(AttribuutOp(19, 8), 0x41);
    EXPECT_EQ(AttribuutOp(20, 8), 0x01);  // the black margin
    EXPECT_EQ(AttribuutOp(58, 18), 0x01); // down to 1-based row 19
    EXPECT_EQ(AttribuutOp(58, 19), 0x41);
    EXPECT_EQ(AttribuutOp(21, 9), 0x11);
    EXPECT_EQ(TekstOp(32, 9, 14), "Gefeliciteerd!");
    EXPECT_EQ(AttribuutOp(32, 9), 0x1e);
    EXPECT_EQ(AttribuutOp(21, 10), 0x81);
    EXPECT_EQ(AttribuutOp(57, 17), 0x81);
    EXPECT_EQ(TekstOp(22, 11, 7), "Je hebt");
    EXPECT_EQ(AttribuutOp(22, 11), 0x8f);
    EXPECT_EQ(AttribuutOp(27, 12), 0x8e);
    // The title, then every line, pieces of a row as the row reads.
    EXPECT_EQ(LaatsteBerichten(2),
              (std::vector<std::string>{"Gefeliciteerd!", "Je hebt iets moois"}));
}

TEST_F(TekenenTest, MeldingVensterZonderMargeLaatDeOmgevingStaan) {
    VulVlak(1, 1, 80, 25, 4);
    MeldingVenster("Oeps!", 36, {});
    EXPECT_EQ(AttribuutOp(20, 9), 0x41);
    EXPECT_EQ(AttribuutOp(21, 18), 0x41);
    EXPECT_EQ(TekstOp(36, 9, 5), "Oeps!");
}

} // namespace
