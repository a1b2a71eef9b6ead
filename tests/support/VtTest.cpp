// The test terminal itself: what the end-to-end tests read back is only as
// good as its interpretation of the program's bytes.
#include "support/Vt.h"

#include <gtest/gtest.h>

namespace {

vt::Scherm Na(std::string_view bytes, int breedte = 80, int hoogte = 25) {
    vt::Scherm s = vt::NieuwScherm(breedte, hoogte);
    vt::Verwerk(s, bytes);
    return s;
}

TEST(VtTest, CursorPositieIsEenGebaseerdEnWordtBegrensd) {
    vt::Scherm s = Na("\x1b[3;5Hab");
    EXPECT_EQ(vt::TekstOp(s, 4, 2, 2), "ab");
    EXPECT_EQ(s.cursorX, 6);
    vt::Verwerk(s, "\x1b[HX\x1b[99;99HY\x1b[;3HZ");
    EXPECT_EQ(vt::CelOp(s, 0, 0).teken, U'X');
    EXPECT_EQ(vt::CelOp(s, 79, 24).teken, U'Y');
    EXPECT_EQ(vt::CelOp(s, 2, 0).teken, U'Z');
    vt::Verwerk(s, "\x1b[10;10H\x1b[2A\x1b[3C\x1b[B\x1b[DQ\x1b[4GR\x1b[7dS");
    EXPECT_EQ(vt::CelOp(s, 11, 8).teken, U'Q');
    EXPECT_EQ(vt::CelOp(s, 3, 8).teken, U'R');
    EXPECT_EQ(vt::CelOp(s, 4, 6).teken, U'S');
}

TEST(VtTest, KleurenWordenConsoleNummers) {
    // Yellow on blue, white on dark grey, light grey on black, as the console
    // numbers them (14/1, 15/8, 7/0).
    vt::Scherm s = Na("\x1b[93;44mA\x1b[97;100mB\x1b[0;37;40mC\x1b[mD\x1b[38;5;12;48;5;4mE");
    EXPECT_EQ(vt::CelOp(s, 0, 0), (vt::Cel{U'A', 14, 1, false}));
    EXPECT_EQ(vt::CelOp(s, 1, 0), (vt::Cel{U'B', 15, 8, false}));
    EXPECT_EQ(vt::CelOp(s, 2, 0), (vt::Cel{U'C', 7, 0, false}));
    EXPECT_EQ(vt::CelOp(s, 3, 0), (vt::Cel{U'D', vt::Standaard, vt::Standaard, false}));
    EXPECT_EQ(vt::CelOp(s, 4, 0), (vt::Cel{U'E', 9, 1, false}));
    // Every ANSI colour lands on its console number and back.
    static constexpr int ansi[] = {0, 4, 2, 6, 1, 5, 3, 7};
    for (int kleur = 0; kleur < 16; ++kleur) {
        const int code = (kleur & 8 ? 90 : 30) + ansi[kleur & 7];
        vt::Scherm k = Na("\x1b[" + std::to_string(code) + ";" + std::to_string(code + 10) + "mx");
        EXPECT_EQ(vt::CelOp(k, 0, 0).voor, kleur);
        EXPECT_EQ(vt::CelOp(k, 0, 0).achter, kleur);
    }
    EXPECT_TRUE(s.onbekend.empty());
}

TEST(VtTest, Utf8TekensWordenEenCel) {
    vt::Scherm s = Na("\xe2\x95\x94\xe2\x94\x80\xc3\xab\xe2\x86\x91x");
    EXPECT_EQ(vt::CelOp(s, 0, 0).teken, U'\u2554');
    EXPECT_EQ(vt::CelOp(s, 1, 0).teken, U'\u2500');
    EXPECT_EQ(vt::CelOp(s, 2, 0).teken, U'\u00eb');
    EXPECT_EQ(vt::CelOp(s, 3, 0).teken, U'\u2191');
    EXPECT_EQ(vt::CelOp(s, 4, 0).teken, U'x');
    EXPECT_EQ(vt::TekstOp(s, 0, 0, 2), "\xe2\x95\x94\xe2\x94\x80");
}

TEST(VtTest, InStukkenGeknipteUitvoerGeeftHetzelfdeBeeld) {
    const std::string uitvoer =
        "\x1b[?1049h\x1b[?25l\x1b[2J\x1b[1;1H\x1b[93;44m De Struinpaadje \x1b]0;titel\a"
        "\x1b[5;10H\x1b[97;100m\xe2\x94\x80\xe2\x86\x91\xc3\xa9\x1b[K\x1b[0m\x1b[24;80Hz";
    const vt::Scherm geheel = Na(uitvoer);
    for (std::size_t stuk = 1; stuk <= 7; ++stuk) {
        vt::Scherm s = vt::NieuwScherm(80, 25);
        for (std::size_t i = 0; i < uitvoer.size(); i += stuk)
            vt::Verwerk(s, std::string_view(uitvoer).substr(i, stuk));
        EXPECT_EQ(s.alternatief, geheel.alternatief) << "stukken van " << stuk;
        EXPECT_EQ(s.cursorX, geheel.cursorX);
        EXPECT_EQ(s.cursorZichtbaar, geheel.cursorZichtbaar);
        EXPECT_TRUE(s.rest.empty());
    }
    EXPECT_EQ(vt::TekstOp(geheel, 0, 0, 17), " De Struinpaadje ");
    EXPECT_EQ(vt::CelOp(geheel, 11, 4).achter, 8);
    EXPECT_EQ(vt::CelOp(geheel, 79, 4).achter, 8) << "ESC[K wist in de huidige achtergrond";
}

TEST(VtTest, WissenVanRegelEnScherm) {
    vt::Scherm s = Na("abcdef\x1b[1;3H\x1b[K");
    EXPECT_EQ(vt::TekstOp(s, 0, 0, 6), "ab    ");
    vt::Verwerk(s, "\x1b[2;1Hxyz\x1b[2;2H\x1b[1K");
    EXPECT_EQ(vt::TekstOp(s, 0, 1, 3), "  z");
    vt::Verwerk(s, "\x1b[2;1H\x1b[J");
    EXPECT_EQ(vt::RijTekst(s, 0).substr(0, 2), "ab");
    EXPECT_EQ(vt::RijTekst(s, 1), std::string(80, ' '));
    vt::Verwerk(s, "\x1b[44m\x1b[2J");
    EXPECT_EQ(vt::CelOp(s, 0, 0), (vt::Cel{U' ', vt::Standaard, 1, false}));
    vt::Verwerk(s, "\x1b[0m\x1b[3;1Hhallo\x1b[3;2H\x1b[2X");
    EXPECT_EQ(vt::TekstOp(s, 0, 2, 5), "h  lo");
}

TEST(VtTest, HerhalenInvoegenEnWissenZonderAchtergrond) {
    // ESC[n b repeats the character just printed, in the current colours; with
    // anything in between there is nothing to repeat.
    vt::Scherm s = Na("\x1b[44mab\x1b[3bc\x1b[2;1Hx\x1b[0m\x1b[b");
    EXPECT_EQ(vt::TekstOp(s, 0, 0, 6), "abbbbc");
    EXPECT_EQ(vt::CelOp(s, 4, 0), (vt::Cel{U'b', vt::Standaard, 1, false}));
    EXPECT_EQ(vt::TekstOp(s, 0, 1, 2), "x ");
    EXPECT_EQ(s.onbekend.size(), 1u);
    // Inserting and deleting characters move the rest of the line.
    vt::Verwerk(s, "\x1b[3;1Habcdef\x1b[3;2H\x1b[2@\x1b[4;1Habcdef\x1b[4;2H\x1b[2P");
    EXPECT_EQ(vt::TekstOp(s, 0, 2, 8), "a  bcdef");
    EXPECT_EQ(vt::TekstOp(s, 0, 3, 6), "adef  ");
    // Without back-colour erase erased cells get the terminal's own colours.
    s.achtergrondWissen = false;
    vt::Verwerk(s, "\x1b[41m\x1b[3;1H\x1b[2X\x1b[4;3H\x1b[K");
    EXPECT_EQ(vt::CelOp(s, 1, 2), vt::Cel{});
    EXPECT_EQ(vt::CelOp(s, 79, 3), vt::Cel{});
    EXPECT_EQ(s.gebruikt['X'], 1);
}

TEST(VtTest, LaatsteKolomWachtMetTerugloop) {
    vt::Scherm s = Na("\x1b[1;80Hx");
    EXPECT_EQ(s.cursorX, 79);
    EXPECT_EQ(s.cursorY, 0);
    vt::Verwerk(s, "y");
    EXPECT_EQ(vt::CelOp(s, 0, 1).teken, U'y');
    // A positioning in between cancels the pending wrap.
    vt::Verwerk(s, "\x1b[3;80Hp\x1b[3;80Hq");
    EXPECT_EQ(vt::CelOp(s, 79, 2).teken, U'q');
    EXPECT_EQ(vt::CelOp(s, 0, 3).teken, U' ');
    // The bottom right cell can be written without scrolling.
    vt::Verwerk(s, "\x1b[25;80HE");
    EXPECT_EQ(vt::CelOp(s, 79, 24).teken, U'E');
    EXPECT_EQ(vt::CelOp(s, 0, 1).teken, U'y');
    vt::Verwerk(s, "\r\n");
    EXPECT_EQ(vt::CelOp(s, 0, 0).teken, U'y') << "een regel verder onderaan schuift op";
}

TEST(VtTest, AlternatiefSchermEnCursor) {
    vt::Scherm s = Na("prompt$ \x1b[?1049h\x1b[?25l\x1b[?1h\x1b=spel");
    EXPECT_TRUE(s.opAlternatief);
    EXPECT_FALSE(s.cursorZichtbaar);
    EXPECT_TRUE(s.cursortoetsenApplicatie);
    EXPECT_TRUE(s.toetsenbordApplicatie);
    EXPECT_EQ(vt::TekstOp(s, 8, 0, 4), "spel") << "the cursor stays where it was";
    vt::Verwerk(s, "\x1b[0m\x1b[?25h\x1b[?1l\x1b>\x1b[?1049l");
    EXPECT_FALSE(s.opAlternatief);
    EXPECT_TRUE(s.cursorZichtbaar);
    EXPECT_FALSE(s.cursortoetsenApplicatie);
    EXPECT_FALSE(s.toetsenbordApplicatie);
    EXPECT_EQ(vt::TekstOp(s, 0, 0, 8), "prompt$ ");
    EXPECT_EQ(s.cursorX, 8) << "the cursor saved by ?1049h comes back";
    EXPECT_EQ(s.schakelingen1049, "hl");
}

TEST(VtTest, GrootteVeranderenSnijdtAf) {
    vt::Scherm s = Na("\x1b[1;70Hrechts\x1b[20;1Honder\x1b[25;80H");
    vt::ZetGrootte(s, 60, 15);
    EXPECT_EQ(s.breedte, 60);
    EXPECT_EQ(vt::RijTekst(s, 0), std::string(60, ' '));
    EXPECT_EQ(s.cursorX, 59);
    EXPECT_EQ(s.cursorY, 14);
    vt::ZetGrootte(s, 80, 25);
    EXPECT_FALSE(vt::ToontErgens(s, "rechts"));
    EXPECT_FALSE(vt::ToontErgens(s, "onder"));
}

TEST(VtTest, VragenKrijgenAntwoordEnOnbekendsWordtGemeld) {
    vt::Scherm s = Na("\x1b[5;7H\x1b[6n\x1b[c\x1b[?u");
    EXPECT_EQ(s.antwoord, "\x1b[5;7R\x1b[?1;2c");
    EXPECT_TRUE(s.onbekend.empty());
    vt::Verwerk(s, "\x1b[2;24r\x1b[5m");
    EXPECT_EQ(s.onbekend.size(), 2u);
}

} // namespace
