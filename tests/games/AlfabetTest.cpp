#include "games/Spellen.h"
#include "support/SpelControle.h"
#include "support/Spelen.h"
#include "units/Units.h"

#include <algorithm>

using namespace script;

namespace {

class AlfabetTest : public SchermTest {};

constexpr int Aantal = 11;
const Cel Leeg{};

// Word i (1 to 11) as the screen shows it, from 0-based column 33 of row 8 + i.
std::string WoordOp(int i) {
    std::string woord = TekstOp(33, 8 + i, 12);
    woord.erase(woord.find_last_not_of(' ') + 1);
    return woord;
}

WoordLijst LijstOpScherm() {
    WoordLijst lijst;
    for (int i = 1; i <= Aantal; ++i) lijst.push_back(WoordOp(i));
    return lijst;
}

WoordLijst BeginLijst() {
    SpeelTotWachten({}, SpeelAlfabet);
    return LijstOpScherm();
}

// Where the marks stand: the row (1 to 11) whose column 31 holds a yellow mark.
int CursorRij() {
    int gevonden = 0;
    for (int i = 1; i <= Aantal; ++i)
        if (AttribuutOp(31, 8 + i) == 14) gevonden = gevonden == 0 ? i : -1;
    return gevonden;
}

void VerwachtHaken(int positie) {
    EXPECT_EQ(CelOp(31, 8 + positie), (Cel{'[', 14}));
    EXPECT_EQ(CelOp(45, 8 + positie), (Cel{']', 14}));
    EXPECT_EQ(CursorRij(), positie);
}

void VerwachtPijlen(int positie) {
    EXPECT_EQ(CelOp(31, 8 + positie), (Cel{24, 14}));
    EXPECT_EQ(CelOp(45, 8 + positie), (Cel{25, 14}));
    EXPECT_EQ(CursorRij(), positie);
}

Toetsen Stappen(int van, int naar) {
    return naar > van ? Herhaal(Pijl(Omlaag), naar - van) : Herhaal(Pijl(Omhoog), van - naar);
}

// Sorting by carrying: for each place from the top, fetch the smallest word
// below it and carry it up. The plan ends with the last word let go, and the
// cursor where it was; `lijst` ends in the order the plan leaves it.
Toetsen SorteerPlan(WoordLijst& lijst) {
    Toetsen plan;
    int cursor = 1;
    for (int doel = 1; doel <= Aantal; ++doel) {
        auto kleinste = std::min_element(lijst.begin() + doel - 1, lijst.end());
        const int bron = static_cast<int>(kleinste - lijst.begin()) + 1;
        if (bron == doel) continue;
        plan = plan + Stappen(cursor, bron) + Toetsen{Enter} + Stappen(bron, doel) + Toetsen{Enter};
        std::rotate(lijst.begin() + doel - 1, kleinste, kleinste + 1);
        cursor = doel;
    }
    return plan;
}

TEST_F(AlfabetTest, EersteScherm) {
    SpeelTotWachten({}, SpeelAlfabet);
    VerwachtSpelKader("Het alfabet",
                      std::string("Verplaatsen:  \x18,\x19") +
                          "  <enter> Vastpakken   <spatie> Probeer   <esc> Spel verlaten");
    EXPECT_EQ(CelOp(0, 0), (Cel{' ', 0x11}));
    EXPECT_EQ(AttribuutOp(15, 24), 7);
    VerwachtInleiding({"Het is de bedoeling dat je de onderstaande elf woorden in alfabetische",
                       " volgorde zet!"});

    // The eleven words from column 33 of rows 9 to 19, after two blanks.
    const WoordLijst begin = {"koelbloedig", "aanvullen", "onlangs",   "president",
                              "afgunst",     "bedroefd",  "rubriek",   "onaangenaam",
                              "winstgevend", "geregeld",  "supplement"};
    EXPECT_EQ(LijstOpScherm(), begin);
    EXPECT_EQ(CelOp(32, 9), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(33, 10), (Cel{'a', 7}));
    EXPECT_EQ(CelOp(40, 11), (Cel{' ', 7})); // "onlangs" and its ten blanks
    EXPECT_EQ(CelOp(49, 11), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(50, 11), Leeg);
    EXPECT_EQ(RijTekst(8), std::string(80, ' '));
    EXPECT_EQ(RijTekst(20), std::string(80, ' '));
    VerwachtHaken(1);
    EXPECT_EQ(CelOp(31, 10), (Cel{' ', 7}));
}

TEST_F(AlfabetTest, ElkSpelBegintMetDezelfdeVolgorde) {
    const WoordLijst begin = BeginLijst();
    EXPECT_FALSE(Alfabetisch(begin));
    EXPECT_FALSE(Speel(Toetsen{Enter} + Herhaal(Pijl(Omlaag), 4) + Toetsen{Esc}, SpeelAlfabet));
    EXPECT_NE(LijstOpScherm(), begin);
    SpeelTotWachten({}, SpeelAlfabet);
    EXPECT_EQ(LijstOpScherm(), begin);
    VerwachtHaken(1);
}

TEST_F(AlfabetTest, OpVolgordeDragenEnControlerenWint) {
    WoordLijst lijst = BeginLijst();
    const Toetsen plan = SorteerPlan(lijst);
    WoordLijst gesorteerd = lijst;
    std::sort(gesorteerd.begin(), gesorteerd.end());
    ASSERT_EQ(lijst, gesorteerd);

    // In order but not yet checked: still playing.
    SpeelTotWachten(plan, SpeelAlfabet);
    EXPECT_EQ(LijstOpScherm(), gesorteerd);
    EXPECT_NE(TekstOp(32, 9, 14), "Gefeliciteerd!");

    SpeelTotWachten(plan + Toetsen{Spatie}, SpeelAlfabet);
    // The box, without a black margin around it.
    EXPECT_EQ(CelOp(20, 8), Leeg);
    EXPECT_EQ(CelOp(20, 9), Leeg);
    EXPECT_EQ(CelOp(58, 9), Leeg);
    VerwachtWinstVenster({{22, 11, "Je hebt de woorden in de juiste"},
                          {22, 12, "volgorde geplaatst! Er valt een"},
                          {22, 13, "sleutel", 14},
                          {30, 13, "op de grond! Je raapt hem"},
                          {22, 14, "op en neemt hem mee!"},
                          {22, 16, "Kom op! We gaan weer verder!"}});
    // The last two words stay visible below the box.
    EXPECT_EQ(WoordOp(10), gesorteerd.at(9));
    EXPECT_EQ(WoordOp(11), gesorteerd.at(10));

    // One more key, of any kind, ends the game with true.
    EXPECT_TRUE(Speel(plan + Toetsen{Spatie, Pijl(Omlaag)}, SpeelAlfabet));
    EXPECT_EQ(ToetsenOver(), 0u);
}

TEST_F(AlfabetTest, ControlerenMetEenWoordVastTeltHetzelfde) {
    WoordLijst lijst = BeginLijst();
    Toetsen plan = SorteerPlan(lijst);
    ASSERT_EQ(plan.back(), Enter);
    plan.pop_back(); // the last word is never let go
    SpeelTotWachten(plan, SpeelAlfabet);
    VerwachtPijlen(CursorRij());
    EXPECT_TRUE(Speel(plan + Toetsen{Spatie, Esc}, SpeelAlfabet));
    EXPECT_EQ(ToetsenOver(), 0u);
}

TEST_F(AlfabetTest, EscVertrektMeteen) {
    EXPECT_FALSE(Speel({Esc, Enter}, SpeelAlfabet));
    EXPECT_EQ(ToetsenOver(), 1u);
    EXPECT_FALSE(Speel({Enter, Pijl(Omlaag), Esc}, SpeelAlfabet));

    // Even with the words in order, leaving before the check is a loss.
    WoordLijst lijst = BeginLijst();
    const Toetsen plan = SorteerPlan(lijst);
    EXPECT_FALSE(Speel(plan + Toetsen{Esc, Spatie}, SpeelAlfabet));
    EXPECT_EQ(ToetsenOver(), 1u);
    EXPECT_NE(TekstOp(32, 9, 14), "Gefeliciteerd!");
}

TEST_F(AlfabetTest, EenFouteVolgordeWordtGemeldEnDeVolgendeToetsWistAlleenDat) {
    const WoordLijst begin = BeginLijst();
    SpeelTotWachten({Pijl(Omlaag), Pijl(Omlaag), Spatie}, SpeelAlfabet);
    EXPECT_EQ(TekstOp(29, 21, 20), "Onjuiste volgorde...");
    for (int x = 29; x < 49; ++x) EXPECT_EQ(AttribuutOp(x, 21), 14) << x;
    EXPECT_EQ(LijstOpScherm(), begin);
    VerwachtHaken(3);

    // The key that dismisses it is no move, no grab and no leaving.
    for (const ToetsDruk toets : {Pijl(Omlaag), Enter, Esc, Spatie}) {
        SpeelTotWachten({Pijl(Omlaag), Pijl(Omlaag), Spatie, toets}, SpeelAlfabet);
        for (int x = 29; x < 49; ++x) EXPECT_EQ(CelOp(x, 21), (Cel{' ', 7})) << x;
        EXPECT_EQ(CelOp(28, 21), Leeg);
        EXPECT_EQ(CelOp(49, 21), Leeg);
        VerwachtHaken(3);
        EXPECT_EQ(LijstOpScherm(), begin);
    }

    // The list stays as the player left it, and play goes on.
    SpeelTotWachten({Enter, Pijl(Omlaag), Spatie, Pijl(Omlaag), Pijl(Omlaag)}, SpeelAlfabet);
    EXPECT_EQ(WoordOp(1), begin.at(1));
    EXPECT_EQ(WoordOp(2), begin.at(2));
    EXPECT_EQ(WoordOp(3), begin.at(0));
    EXPECT_EQ(WoordOp(4), begin.at(3));
    VerwachtPijlen(3);
}

TEST_F(AlfabetTest, EnterPaktVastEnLaatLos) {
    const WoordLijst begin = BeginLijst();
    SpeelTotWachten({Enter}, SpeelAlfabet);
    VerwachtPijlen(1);
    EXPECT_EQ(LijstOpScherm(), begin);

    // Held: the word goes along; let go: the cursor moves alone.
    SpeelTotWachten({Enter, Pijl(Omlaag), Enter, Pijl(Omlaag)}, SpeelAlfabet);
    VerwachtHaken(3);
    EXPECT_EQ(WoordOp(1), begin.at(1));
    EXPECT_EQ(WoordOp(2), begin.at(0));
    EXPECT_EQ(WoordOp(3), begin.at(2));
    EXPECT_EQ(CelOp(31, 10), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(45, 10), (Cel{' ', 7}));
    EXPECT_EQ(LaatsteBerichten(5),
              (std::vector<std::string>{
                  "koelbloedig, plaats 1 van 11", "Vastgepakt: koelbloedig, plaats 1 van 11",
                  "koelbloedig, plaats 2 van 11", "Losgelaten: koelbloedig, plaats 2 van 11",
                  "onlangs, plaats 3 van 11"}));
}

TEST_F(AlfabetTest, DeCursorStoptAanBeideKanten) {
    const WoordLijst begin = BeginLijst();
    // Pointing: no change of order anywhere.
    SpeelTotWachten(Herhaal(Pijl(Omhoog), 2) + Herhaal(Pijl(Omlaag), 15), SpeelAlfabet);
    VerwachtHaken(11);
    EXPECT_EQ(LijstOpScherm(), begin);
    SpeelTotWachten(Herhaal(Pijl(Omlaag), 15) + Herhaal(Pijl(Omhoog), 12), SpeelAlfabet);
    VerwachtHaken(1);
    EXPECT_EQ(LijstOpScherm(), begin);

    // Holding at the top: up changes nothing.
    SpeelTotWachten({Enter, Pijl(Omhoog)}, SpeelAlfabet);
    VerwachtPijlen(1);
    EXPECT_EQ(LijstOpScherm(), begin);

    // The first word carried to the bottom, and no further.
    SpeelTotWachten(Toetsen{Enter} + Herhaal(Pijl(Omlaag), 10), SpeelAlfabet);
    VerwachtPijlen(11);
    EXPECT_EQ(WoordOp(11), begin.at(0));
    const WoordLijst onderaan = LijstOpScherm();
    EXPECT_TRUE(std::equal(begin.begin() + 1, begin.end(), onderaan.begin()));
    SpeelTotWachten(Toetsen{Enter} + Herhaal(Pijl(Omlaag), 12), SpeelAlfabet);
    VerwachtPijlen(11);
    EXPECT_EQ(LijstOpScherm(), onderaan);
    SpeelTotWachten(Toetsen{Enter} + Herhaal(Pijl(Omlaag), 12) + Toetsen{Enter}, SpeelAlfabet);
    VerwachtHaken(11);
    EXPECT_EQ(LijstOpScherm(), onderaan);
}

TEST_F(AlfabetTest, AndereToetsenTekenenAlleenOpnieuw) {
    const WoordLijst begin = BeginLijst();
    SpeelTotWachten({Pijl(Rechts), Pijl(Links), Teken('a'), F12, PlusNum, Backspace}, SpeelAlfabet);
    VerwachtHaken(1);
    EXPECT_EQ(LijstOpScherm(), begin);
    EXPECT_EQ(TekstOp(29, 21, 20), std::string(20, ' '));
}

} // namespace
