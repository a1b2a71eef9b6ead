// The real program in a pseudo-terminal of 80 by 25: real key bytes in, the
// picture read back through the test terminal, signals, hang-ups and resizes.
#include "Pty.h"
#include "console/Cp437.h"
#include "support/Vt.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

using pty::ExpectHersteld;
using pty::Gekozen;
using pty::Kort;
using pty::MenuZichtbaar;
using pty::StartTotMenu;
using pty::ToontTekstOp;
using pty::WachtOpMenu;

std::string Glyph(unsigned char cp437) {
    return vt::NaarUtf8(std::u32string(1, Cp437NaarUnicode(cp437)));
}

// A blank shows only its background.
void ExpectKleur(const vt::Scherm& s, int x, int y, int lengte, int voor, int achter) {
    for (int i = 0; i < lengte; ++i) {
        const vt::Cel& c = vt::CelOp(s, x + i, y);
        if (!vt::ZelfdeBeeld(c, vt::Cel{c.teken, voor, achter, c.vet})) {
            ADD_FAILURE() << "cel (" << x + i << ", " << y << ") heeft kleur " << c.voor << " op "
                          << c.achter << ", verwacht " << voor << " op " << achter << "\n"
                          << vt::Dump(s);
            return;
        }
    }
}

void ExpectAchter(const vt::Scherm& s, int x, int y, int lengte, int achter) {
    for (int i = 0; i < lengte; ++i)
        if (vt::CelOp(s, x + i, y).achter != achter) {
            ADD_FAILURE() << "cel (" << x + i << ", " << y << ") heeft achtergrond "
                          << vt::CelOp(s, x + i, y).achter << ", verwacht " << achter << "\n"
                          << vt::Dump(s);
            return;
        }
}

void WachtOpTekstOp(pty::Sessie& s, int x, int y, const std::string& tekst) {
    ASSERT_TRUE(pty::WachtOp(
        s, [&](const vt::Scherm& sch) { return ToontTekstOp(sch, x, y, tekst); }, Kort))
        << "\"" << tekst << "\" staat niet op (" << x << ", " << y << "):\n"
        << vt::Dump(s.scherm);
}

std::string Pijlen(const pty::Sessie& s, char richting, int aantal) {
    std::string uit;
    for (int i = 0; i < aantal; ++i) uit += pty::Pijl(s.scherm, richting);
    return uit;
}

// From the main menu with item 1 chosen: the debug section on and the game at
// position `positie` (1 Eekhoorn ... 6 Klinkers) of " Test een spel > " started.
void StartSpel(pty::Sessie& s, int positie) {
    if (!ToontTekstOp(s.scherm, 4, 8, "Debug opties")) pty::Stuur(s, pty::F12);
    WachtOpTekstOp(s, 4, 8, "Debug opties");
    pty::Stuur(s, pty::Pijl(s.scherm, 'A')); // Up wraps to " Test een spel > "
    WachtOpMenu(s, 6);
    pty::Stuur(s, pty::Pijl(s.scherm, 'C') + Pijlen(s, 'B', positie - 1));
    pty::Stuur(s, pty::Enter);
}

// The keys that hide exactly the vowels of the vowel game, row by row.
std::string KlinkersVerbergen(const pty::Sessie& s) {
    const std::string woorden[] = {"ijscoman", "evenaren", "langzaam", "breeduit",
                                   "overloop", "platinum", "politiek"};
    const std::string klinkers = "aeiou";
    std::string keys;
    for (int rij = 0; rij < 7; ++rij) {
        const bool heen = rij % 2 == 0; // serpentine: left to right, then back
        for (int stap = 0; stap < 8; ++stap) {
            const int kolom = heen ? stap : 7 - stap;
            if (klinkers.find(woorden[rij][static_cast<std::size_t>(kolom)]) != std::string::npos)
                keys += " ";
            if (stap < 7) keys += pty::Pijl(s.scherm, heen ? 'C' : 'D');
        }
        if (rij < 6) keys += pty::Pijl(s.scherm, 'B');
    }
    // The Space on the last vowel wins; a key after it would close the box.
    return keys.substr(0, keys.rfind(' ') + 1);
}

TEST(E2eTest, HoofdmenuMetTekstenEnKleuren) {
    pty::Sessie s;
    StartTotMenu(s);
    const vt::Scherm& sch = s.scherm;
    EXPECT_TRUE(sch.opAlternatief) << "het spel tekent op het alternatieve scherm";
    EXPECT_FALSE(sch.cursorZichtbaar);
    EXPECT_TRUE(ToontTekstOp(sch, 30, 0, "De Struinpaadje"));
    ExpectKleur(sch, 30, 0, 15, Geel, Blauw);
    ExpectAchter(sch, 0, 0, 80, Blauw);
    ExpectKleur(sch, 3, 2, 9, Geel, Blauw);
    ExpectAchter(sch, 2, 2, 19, Blauw);
    ExpectAchter(sch, 21, 2, 59, Zwart);
    EXPECT_EQ(Gekozen(sch), 1);
    ExpectKleur(sch, 3, 4, 17, Wit, Blauw);
    for (int i = 1; i < 3; ++i) {
        EXPECT_TRUE(ToontTekstOp(sch, 3, ItemRijen[i], MenuItems[i])) << MenuItems[i];
        ExpectKleur(sch, 3, ItemRijen[i], 17, Wit, Donkergrijs);
    }
    for (int y = 3; y <= 7; ++y) {
        EXPECT_EQ(vt::CelOp(sch, 2, y).achter, Donkergrijs) << "rij " << y;
        EXPECT_EQ(vt::CelOp(sch, 20, y).achter, Donkergrijs) << "rij " << y;
    }
    EXPECT_FALSE(vt::ToontErgens(sch, "Debug opties"));
    EXPECT_FALSE(vt::ToontErgens(sch, "Kaart tonen"));
    EXPECT_EQ(vt::TekstOp(sch, 1, 23, 78), vt::NaarUtf8(std::u32string(78, Cp437NaarUnicode(196))));
    EXPECT_TRUE(sch.onbekend.empty()) << sch.onbekend.front();

    // Down moves the bar; Up from the first item wraps to the last.
    pty::Stuur(s, pty::Pijl(s.scherm, 'B'));
    WachtOpMenu(s, 2);
    ExpectKleur(s.scherm, 3, 4, 17, Wit, Donkergrijs);
    pty::Stuur(s, pty::Pijl(s.scherm, 'A') + pty::Pijl(s.scherm, 'A'));
    WachtOpMenu(s, 3);
}

TEST(E2eTest, F12ToontEnVerbergtDeDebugSectie) {
    pty::Sessie s;
    StartTotMenu(s);
    pty::Stuur(s, pty::Pijl(s.scherm, 'B') + std::string(pty::F12));
    WachtOpTekstOp(s, 4, 8, "Debug opties");
    ExpectKleur(s.scherm, 4, 8, 12, Zwart, Donkergrijs);
    EXPECT_EQ(Gekozen(s.scherm), 1) << "F12 zet de keuze op het eerste item";
    for (int i = 3; i < 6; ++i) {
        EXPECT_TRUE(ToontTekstOp(s.scherm, 3, ItemRijen[i], MenuItems[i])) << MenuItems[i];
        ExpectKleur(s.scherm, 3, ItemRijen[i], 17, Wit, Donkergrijs);
    }
    for (int y = 3; y <= 13; ++y) EXPECT_EQ(vt::CelOp(s.scherm, 2, y).achter, Donkergrijs);
    pty::Stuur(s, pty::F12);
    ASSERT_TRUE(pty::WachtOp(
        s, [](const vt::Scherm& sch) { return !vt::ToontErgens(sch, "Debug opties"); }, Kort))
        << vt::Dump(s.scherm);
    EXPECT_FALSE(vt::ToontErgens(s.scherm, "Test een unit"));
    EXPECT_EQ(vt::CelOp(s.scherm, 2, 10).achter, Zwart) << "het grote menuvak is weggeveegd";
    EXPECT_TRUE(MenuZichtbaar(s.scherm));
}

TEST(E2eTest, ElkeUnitTestIsGeslaagd) {
    pty::Sessie s;
    StartTotMenu(s);
    pty::Stuur(s, pty::F12);
    WachtOpTekstOp(s, 4, 8, "Debug opties");
    for (int positie = 1; positie <= 6; ++positie) {
        SCOPED_TRACE("unit " + std::to_string(positie));
        // " Test een unit > " is item 5: four times down from item 1.
        pty::Stuur(s, Pijlen(s, 'B', 4) + pty::Pijl(s.scherm, 'C') + Pijlen(s, 'B', positie - 1) +
                          std::string(pty::Enter));
        WachtOpTekstOp(s, 20, 11, "De test is geslaagd...");
        EXPECT_TRUE(ToontTekstOp(s.scherm, 20, 9, "Bezig met het testen van de unit..."));
        ExpectKleur(s.scherm, 20, 9, 35, Geel, Blauw);
        ExpectKleur(s.scherm, 20, 11, 22, Wit, Donkergrijs);
        pty::Stuur(s, "x"); // any key
        WachtOpMenu(s, 1);
        EXPECT_TRUE(ToontTekstOp(s.scherm, 4, 8, "Debug opties")) << "de debugsectie blijft aan";
    }
}

TEST(E2eTest, KlinkersWinnenVanuitTestEenSpel) {
    pty::Sessie s;
    StartTotMenu(s);
    StartSpel(s, 6);
    WachtOpTekstOp(s, 1, 2, "De klinkers");
    pty::Stuur(s, KlinkersVerbergen(s));
    WachtOpTekstOp(s, 32, 9, "Gefeliciteerd!");
    EXPECT_TRUE(ToontTekstOp(s.scherm, 22, 14, "een blad salsaparilla"));
    ExpectKleur(s.scherm, 22, 14, 21, Geel, Donkergrijs);
    ExpectKleur(s.scherm, 32, 9, 14, Geel, Blauw);
    // Outside the box the hidden letters show as dots: "ijscoman" keeps j, s, c, m, n.
    const std::string punt = Glyph(250);
    EXPECT_EQ(vt::TekstOp(s.scherm, 27, 7, 22),
              punt + "  j  s  c  " + punt + "  m  " + punt + "  n");
    pty::Stuur(s, "q");
    WachtOpMenu(s, 1);
    EXPECT_TRUE(ToontTekstOp(s.scherm, 4, 8, "Debug opties"));
}

// Keyboards without a keypad: with --zonder-numeriek the main keyboard's +
// (and its '=') and - move nuts in De Eekhoorn; without it they move nothing.
TEST(E2eTest, ZonderNumeriekVerplaatsenPlusEnMinVanHetGewoneToetsenbordNoten) {
    for (const bool zonder : {true, false}) {
        SCOPED_TRACE(zonder ? "met --zonder-numeriek" : "zonder opties");
        pty::Sessie s;
        pty::Opties opties;
        if (zonder) opties.argumenten = {"--zonder-numeriek"};
        StartTotMenu(s, opties);
        StartSpel(s, 1);
        WachtOpTekstOp(s, 1, 8, "Algemene Voorraad");
        ASSERT_EQ(vt::TekstOp(s.scherm, 48, 10, 4), "[ 0]") << vt::Dump(s.scherm);
        const std::string plusNum = s.scherm.toetsenbordApplicatie ? "\x1bOk" : "+";
        if (zonder) {
            for (const auto& [toets, daarna] :
                 {std::pair{"+", "[ 1]"}, {"=", "[ 2]"}, {"-", "[ 1]"}}) {
                pty::Stuur(s, toets);
                WachtOpTekstOp(s, 48, 10, daarna);
            }
        } else {
            pty::Stuur(s, plusNum);
            WachtOpTekstOp(s, 48, 10, "[ 1]");
        }
        // Down leaves the count unmarked: every key before it has been read.
        pty::Stuur(s, "+=-" + pty::Pijl(s.scherm, 'B'));
        WachtOpTekstOp(s, 48, 10, zonder ? "  2 " : "  1 ");
        EXPECT_TRUE(ToontTekstOp(s.scherm, 48, 11, "[ 0]"));
    }
}

// Escape strings, an over-long sequence and a mouse report, as a terminal or
// another program may send them: none of it is a key.
const std::string GeenToetsen = std::string("\x1b]0;titel\x07\x1b]11;?\x1b\\\x1bPq#0\x1b\\") +
                                "\x1b[" + std::string(40, '1') + "A\x1b[M #!";

// A terminal that speaks the kitty keyboard protocol, known by its name or by
// its answer to the question: the game asks for every key as an escape code,
// and pops what it pushed when it ends. The keypad's + and - then move De
// Eekhoorn's nuts, the main keyboard's + does not; text typed with Shift or
// on another layout arrives as typed, and what is no key adds nothing.
TEST(E2eTest, KittyToetsenprotocolGeeftKeypadEnGetypteTekst) {
    for (const char* term : {"xterm-kitty", "xterm-256color"}) {
        SCOPED_TRACE(term);
        pty::Sessie s;
        pty::Opties opties;
        opties.term = term;
        opties.toetsenprotocol = true;
        StartTotMenu(s, opties);
        ASSERT_TRUE(pty::WachtOp(
            s, [](const vt::Scherm& sch) { return sch.toetsenStapel == std::vector<int>{29}; },
            Kort))
            << testing::PrintToString(s.scherm.toetsenStapel);

        StartSpel(s, 1);
        WachtOpTekstOp(s, 1, 2, "De Eekhoorn");
        WachtOpTekstOp(s, 48, 10, "[ 0]");
        pty::Stuur(s, "\x1b[57413u");
        WachtOpTekstOp(s, 48, 10, "[ 1]");
        pty::Stuur(s, "\x1b[61:43;2;43u\x1b[57412u"); // the main +, then the keypad's -
        WachtOpTekstOp(s, 48, 10, "[ 0]");
        pty::Stuur(s, "\x1b[27u");
        WachtOpMenu(s, 1);

        StartSpel(s, 5);
        WachtOpTekstOp(s, 1, 2, "Het geheimschrift");
        // Shift+H, Shift+7 and AltGr+Q on a German keyboard, a plain a; then b.
        pty::Stuur(s, "\x1b[104:72;2;72u\x1b[55:47;2;47u\x1b[113;;64ua" + GeenToetsen + "b");
        WachtOpTekstOp(s, 1, 13, "H/@ab ");
        EXPECT_TRUE(ToontTekstOp(s.scherm, 1, 2, "Het geheimschrift"));
        pty::Signaleer(s.pid, SIGTERM);
        ASSERT_TRUE(pty::WachtOpEinde(s, Kort));
        ExpectHersteld(s);
    }
}

TEST(E2eTest, EscTerugNaarHetMenuEnAfsluiten) {
    pty::Sessie s;
    StartTotMenu(s);
    // The walk, left with Esc.
    pty::Stuur(s, pty::Enter);
    ASSERT_TRUE(pty::WachtOpTekst(s, "0/6 Objecten verzameld", Kort)) << vt::Dump(s.scherm);
    // An arrow split after its ESC, as a slow link delivers it, is an arrow.
    const std::string plek = vt::RijTekst(s.scherm, 3);
    pty::Stuur(s, pty::Esc);
    pty::LeesTijdje(s, 40);
    pty::Stuur(s, "[B");
    ASSERT_TRUE(pty::WachtOp(
        s, [&](const vt::Scherm& sch) { return vt::RijTekst(sch, 3) != plek; }, Kort));
    EXPECT_TRUE(pty::WachtOpTekst(s, "0/6 Objecten verzameld", Kort)) << vt::Dump(s.scherm);
    pty::Stuur(s, pty::Esc);
    WachtOpMenu(s, 1);
    // A game, left with Esc.
    StartSpel(s, 4);
    WachtOpTekstOp(s, 1, 2, "Het alfabet");
    pty::Stuur(s, pty::Esc);
    WachtOpMenu(s, 1);
    // Esc in the menu itself does not leave it.
    pty::Stuur(s, pty::Esc);
    pty::LeesTijdje(s, 100);
    EXPECT_FALSE(s.status);
    pty::Stuur(s, Pijlen(s, 'B', 2));
    WachtOpMenu(s, 3);
    pty::Stuur(s, pty::Enter);
    const auto status = pty::WachtOpEinde(s, Kort);
    ASSERT_TRUE(status) << "het spel stopte niet na Afsluiten";
    EXPECT_EQ(*status, 0);
    ExpectHersteld(s);
    EXPECT_EQ(s.foutTekst, "");
}

// What the system does with a signal whose action is the default, found out
// on a child of our own: end the process (with a core dump or without), stop
// it, or nothing. Signals that cannot be caught (SIGKILL, SIGSTOP and the C
// library's own) are none of the program's business.
enum class Standaard { Eindigt, Anders, NietTeVangen };

Standaard StandaardActie(int signaal) {
    const pid_t kind = fork();
    if (kind < 0) {
        ADD_FAILURE() << "fork mislukt";
        return Standaard::NietTeVangen;
    }
    if (kind == 0) {
        rlimit geenKern{0, 0};
        setrlimit(RLIMIT_CORE, &geenKern);
        if (signal(signaal, [](int) {}) == SIG_ERR) _exit(3);
        signal(signaal, SIG_DFL);
        sigset_t geen;
        sigemptyset(&geen);
        sigprocmask(SIG_SETMASK, &geen, nullptr);
        raise(signaal);
        _exit(0);
    }
    int w = 0;
    waitpid(kind, &w, WUNTRACED);
    if (WIFSTOPPED(w)) {
        kill(kind, SIGKILL);
        waitpid(kind, &w, 0);
        return Standaard::Anders;
    }
    if (WIFEXITED(w) && WEXITSTATUS(w) == 3) return Standaard::NietTeVangen;
    return WIFSIGNALED(w) ? Standaard::Eindigt : Standaard::Anders;
}

class E2eTest : public ::testing::TestWithParam<int> {};

// Every signal the system has: one that ends a process by default ends the
// game with its status after the terminal is restored; any other leaves the
// game playing (after a SIGCONT for those that stop it).
TEST_P(E2eTest, EindigtMetDeStatusVanHetSignaalEnHerstelt) {
    const int signaal = GetParam();
    const Standaard standaard = StandaardActie(signaal);
    if (standaard == Standaard::NietTeVangen)
        GTEST_SKIP() << "signaal " << signaal << " is niet op te vangen: "
                     << (signaal == SIGKILL || signaal == SIGSTOP
                             ? "geen programma kan het opvangen of negeren"
                             : "de C-bibliotheek houdt het voor haar eigen threads");
    pty::Sessie s;
    StartTotMenu(s);
    ASSERT_FALSE(pty::ZelfdeModi(pty::Modi(s), s.modiVooraf)) << "het spel zette geen rauwe modus";
    pty::Signaleer(s.pid, signaal);
    if (standaard == Standaard::Anders) {
        pty::Signaleer(s.pid, SIGCONT);
        EXPECT_TRUE(pty::Antwoordt(s)) << vt::Dump(s.scherm);
        return;
    }
    const auto status = pty::WachtOpEinde(s, Kort);
    ASSERT_TRUE(status) << "het spel stopte niet na signaal " << signaal;
    EXPECT_EQ(*status, 128 + signaal);
    ExpectHersteld(s);
}

std::string SignaalNaam(const ::testing::TestParamInfo<int>& signaal) {
    if (signaal.param >= SIGRTMIN) return "RTMIN_" + std::to_string(signaal.param - SIGRTMIN);
    const char* naam = sigabbrev_np(signaal.param);
    return naam ? naam : "SIG" + std::to_string(signaal.param);
}

INSTANTIATE_TEST_SUITE_P(Signalen, E2eTest, ::testing::Range(1, NSIG), SignaalNaam);

// A terminal that goes away (the window closed, the connection lost): the
// program must end instead of spinning on a dead input.
void OphangenEindigtHetSpel(bool stuurterminal) {
    pty::Sessie s;
    pty::Opties opties;
    opties.stuurterminal = stuurterminal;
    StartTotMenu(s, opties);
    pty::HangOp(s);
    const auto status = pty::WachtOpEinde(s, Kort);
    ASSERT_TRUE(status) << "het spel liep door na het ophangen";
    // Ending by the hang-up signal or by an exit of its own are both fine; a crash is not.
    EXPECT_TRUE(*status < 128 || *status == 128 + SIGHUP) << "status " << *status;
}

TEST(E2eTest, OphangenEindigtHetSpel) {
    OphangenEindigtHetSpel(true);
}

TEST(E2eTest, EindeVanDeInvoerZonderStuurterminalEindigtOok) {
    OphangenEindigtHetSpel(false);
}

TEST(E2eTest, TeKleinVensterGeeftMeldingEnHerstelt) {
    pty::Sessie s;
    StartTotMenu(s);
    StartSpel(s, 6);
    WachtOpTekstOp(s, 1, 2, "De klinkers");
    pty::Stuur(s, Pijlen(s, 'C', 3) + " " + pty::Pijl(s.scherm, 'B'));
    pty::LeesTijdje(s, 100);
    const vt::Scherm voor = s.scherm;
    ASSERT_EQ(vt::CelOp(voor, 36, 7).teken, Cp437NaarUnicode(250)) << vt::Dump(voor);
    for (auto [breedte, hoogte] : {std::pair{79, 25}, std::pair{80, 24}, std::pair{40, 10}}) {
        SCOPED_TRACE(std::to_string(breedte) + "x" + std::to_string(hoogte));
        pty::ZetGrootte(s, breedte, hoogte);
        ASSERT_TRUE(pty::WachtOpTekst(s, "Het venster is te klein", Kort)) << vt::Dump(s.scherm);
        pty::ZetGrootte(s, 80, 25);
        ASSERT_TRUE(pty::WachtOp(
            s, [&](const vt::Scherm& sch) { return vt::ToontHetzelfde(sch, voor); }, Kort))
            << "het spelbeeld kwam niet terug:\n"
            << vt::Dump(s.scherm) << "verwacht:\n"
            << vt::Dump(voor);
    }
    // The game goes on where it was: Space shows the hidden letter again.
    pty::Stuur(s, pty::Pijl(s.scherm, 'A') + " ");
    ASSERT_TRUE(pty::WachtOp(
        s, [](const vt::Scherm& sch) { return vt::CelOp(sch, 36, 7).teken == U'c'; }, Kort))
        << vt::Dump(s.scherm);
}

// The program refuses to start: one line on standard error, status 2, and
// the terminal untouched.
void Weigert(const pty::Opties& opties) {
    pty::Sessie s;
    std::string fout;
    ASSERT_TRUE(pty::Start(s, opties, fout)) << fout;
    const auto status = pty::WachtOpEinde(s, Kort);
    ASSERT_TRUE(status) << "het spel wacht zonder terminal";
    EXPECT_EQ(*status, 2);
    // One line on standard error, nothing else anywhere.
    ASSERT_FALSE(s.foutTekst.empty());
    EXPECT_EQ(s.foutTekst.find('\n'), s.foutTekst.size() - 1) << s.foutTekst;
    EXPECT_GT(s.foutTekst.size(), 10u);
    EXPECT_EQ(s.foutTekst.find('\x1b'), std::string::npos);
    EXPECT_EQ(s.alles, "") << "het spel schreef naar de terminal";
    EXPECT_EQ(s.pijpTekst, "");
    EXPECT_TRUE(pty::ZelfdeModi(pty::Modi(s), s.modiVooraf));
}

TEST(E2eTest, InvoerUitDevNullGeeftEenRegelEnStatusTwee) {
    pty::Opties opties;
    opties.invoerLeeg = true;
    Weigert(opties);
}

TEST(E2eTest, UitvoerInEenPijpGeeftEenRegelEnStatusTwee) {
    pty::Opties opties;
    opties.uitvoerPijp = true;
    Weigert(opties);
}

// A dumb terminal gets the line mode (RegelmodusTest.cpp); without TERM at
// all nothing is known about the terminal.
TEST(E2eTest, ZonderTermEenRegelEnStatusTwee) {
    pty::Opties opties;
    opties.term = "";
    Weigert(opties);
}

// The Linux console shows SGR 100-107 as their dark colours: with TERM=linux
// the program keeps to eight backgrounds, and the menu stays readable.
TEST(E2eTest, LinuxConsoleKrijgtAchtAchtergronden) {
    pty::Sessie s;
    pty::Opties opties;
    opties.term = "linux";
    StartTotMenu(s, opties);
    pty::Stuur(s, pty::F12);
    WachtOpTekstOp(s, 4, 8, "Debug opties");
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 80; ++x)
            ASSERT_LT(vt::CelOp(s.scherm, x, y).achter, 8) << "cel (" << x << ", " << y << ")\n"
                                                           << vt::Dump(s.scherm);
    // The chosen item differs from the others, and text differs from its background.
    EXPECT_NE(vt::CelOp(s.scherm, 3, 4).achter, vt::CelOp(s.scherm, 3, 5).achter);
    EXPECT_NE(vt::CelOp(s.scherm, 4, 5).voor, vt::CelOp(s.scherm, 4, 5).achter);
    EXPECT_NE(vt::CelOp(s.scherm, 4, 8).voor, vt::CelOp(s.scherm, 4, 8).achter);
}

// Without UTF-8 the box-drawing characters become ASCII look-alikes.
TEST(E2eTest, ZonderUtf8AsciiTekens) {
    pty::Sessie s;
    pty::Opties opties;
    opties.taal = "C";
    StartTotMenu(s, opties);
    EXPECT_EQ(vt::TekstOp(s.scherm, 1, 23, 78), std::string(78, Cp437NaarAscii(196)));
    for (unsigned char c : s.alles) ASSERT_LT(c, 0x80) << "een byte buiten ASCII";
}

struct Verbruik {
    long tikken = 0;           // utime + stime
    long vrijwilligWissel = 0; // voluntary context switches: every wake-up
};

Verbruik LeesVerbruik(pid_t pid) {
    Verbruik v;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string regel;
    std::getline(stat, regel);
    std::istringstream velden(regel.substr(regel.rfind(')') + 2));
    std::string veld;
    for (int i = 3; i <= 15 && velden >> veld; ++i)
        if (i == 14 || i == 15) v.tikken += std::stol(veld);
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    while (std::getline(status, regel))
        if (regel.rfind("voluntary_ctxt_switches:", 0) == 0)
            v.vrijwilligWissel = std::stol(regel.substr(regel.find(':') + 1));
    return v;
}

TEST(E2eTest, WachtenOpEenToetsKostGeenProcessortijd) {
    pty::Sessie s;
    StartTotMenu(s);
    pty::LeesTijdje(s, 100);
    const Verbruik voor = LeesVerbruik(s.pid);
    std::this_thread::sleep_for(1s);
    const Verbruik na = LeesVerbruik(s.pid);
    EXPECT_EQ(na.tikken - voor.tikken, 0);
    EXPECT_LE(na.vrijwilligWissel - voor.vrijwilligWissel, 1) << "het spel werd steeds gewekt";
    // It still answers.
    pty::Stuur(s, pty::Pijl(s.scherm, 'B'));
    WachtOpMenu(s, 2);
}

// A paste of printable text the menu has no use for: the game takes it all
// and answers the key after it. Prints how fast it took it.
TEST(E2eTest, NaEenGroteInplakAntwoordtHetSpel) {
    pty::Sessie s;
    StartTotMenu(s);
    const std::size_t grootte = 2 << 20;
    std::string tekst;
    while (tekst.size() < grootte) tekst += "abcdefghijklmnopqrstuvwxyz";
    tekst.resize(grootte);
    const auto begin = std::chrono::steady_clock::now();
    pty::Stuur(s, tekst + pty::Pijl(s.scherm, 'B'));
    WachtOpMenu(s, 2);
    const std::chrono::duration<double> duur = std::chrono::steady_clock::now() - begin;
    std::printf("inplakken: %.2f MB/s\n", grootte / 1048576.0 / duur.count());
}

} // namespace
