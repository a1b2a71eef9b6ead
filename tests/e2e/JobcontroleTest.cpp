// Job control and terminals that stall or vanish: the real program under an
// interactive bash in a pseudo-terminal (Ctrl+Z, fg, bg, &), SIGTSTP and
// SIGCONT at random moments while keys pour in, a terminal that stops
// reading, and a game whose shell is killed.
#include "Pty.h"
#include "support/Vt.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Klok = std::chrono::steady_clock;
using pty::Kort;

constexpr std::string_view CtrlZ = "\x1a";

std::size_t Aantal(const std::string& in, const std::string& gezocht) {
    std::size_t n = 0;
    for (auto i = in.find(gezocht); i != std::string::npos; i = in.find(gezocht, i + 1)) ++n;
    return n;
}

// What /proc says about a process, for failure messages: its signal masks,
// and where it waits.
std::string ProcesStatus(pid_t pid) {
    std::string uit;
    for (const std::string bestand : {"status", "syscall", "wchan"}) {
        std::ifstream in("/proc/" + std::to_string(pid) + "/" + bestand);
        for (std::string regel; std::getline(in, regel);)
            if (bestand != "status" || regel.rfind("Sig", 0) == 0 || regel.rfind("Shd", 0) == 0)
                uit += bestand + ": " + regel + "\n";
    }
    return uit;
}

// Moves the bar to Afsluiten and chooses it.
void KiesAfsluiten(pty::Sessie& s, int gekozen) {
    for (int i = gekozen; i != 3; i = pty::Volgende(i)) pty::Stuur(s, pty::Pijl(s.scherm, 'B'));
    pty::WachtOpMenu(s, 3);
    pty::Stuur(s, pty::Enter);
}

// The session of a test. In most, an interactive shell with job control:
// the game is started from it, and the steps of a test are what a player
// types there.
class JobcontroleTest : public ::testing::TestWithParam<const char*> {
  protected:
    void StartBash() { StartShell({"/bin/bash", "--norc", "--noprofile", "-i"}); }
    // dash leaves the terminal as a job that stopped left it.
    void StartDash() { StartShell({"/bin/dash", "-i"}); }

    void StartShell(const std::vector<std::string>& shell) {
        pty::Opties opties;
        opties.opdracht = shell;
        opties.omgeving = {"PS1=$ ", "HISTFILE="};
        std::string fout;
        ASSERT_TRUE(pty::Start(s, opties, fout)) << fout;
        ASSERT_TRUE(pty::WachtOpTekst(s, "$ ", Kort)) << vt::Dump(s.scherm) << s.foutTekst;
        // The terminal's modes as the shell gives them to a command.
        Typ("voor=$(stty -g)");
        pty::LeesTijdje(s, 100);
        modiShell = pty::Modi(s);
    }

    void Typ(const std::string& regel) { pty::Stuur(s, regel + "\r"); }

    void StartSpel(const std::string& achter) {
        Typ(pty::Programma() + achter);
        spel = pty::SpelOnder(s.pid, Kort);
        ASSERT_GT(spel, 0) << "het spel startte niet:\n" << vt::Dump(s.scherm);
        s.spel = spel; // ended with the session, should the test fail
    }

    // After `opdracht` the game is in the background and stops on its own, as
    // any background job that wants its terminal does: the shell reports it
    // stopped (in its own time, so `jobs` asks).
    void StoptOpDeAchtergrond(const std::string& opdracht) {
        const std::size_t voor = Aantal(s.alles, "Stopped");
        if (opdracht == "&")
            StartSpel(" &");
        else
            Typ(opdracht);
        const auto einde = Klok::now() + std::chrono::milliseconds(Kort);
        while (Aantal(s.alles, "Stopped") == voor) {
            ASSERT_LT(Klok::now(), einde) << "het spel stopte niet op de achtergrond (toestand "
                                          << pty::Toestand(spel) << "):\n"
                                          << vt::Dump(s.scherm);
            pty::LeesTijdje(s, 100);
            Typ("jobs");
        }
        EXPECT_EQ(pty::Toestand(spel), 'T');
    }

    // One step: 'z' Ctrl+Z, 'b' bg, 'f' fg (then Down moves the menu), '&'
    // start in the background.
    void Stap(char stap) {
        SCOPED_TRACE(std::string("stap ") + stap);
        switch (stap) {
        case 'z':
            pty::Stuur(s, CtrlZ);
            ASSERT_TRUE(pty::WachtOpToestand(spel, 'T', Kort)) << "Ctrl+Z stopte het spel niet";
            ASSERT_TRUE(pty::WachtOp(
                s, [](const vt::Scherm& sch) { return !sch.opAlternatief; }, Kort))
                << "het scherm van de shell kwam niet terug";
            break;
        case 'b':
            StoptOpDeAchtergrond("bg");
            break;
        case '&':
            StoptOpDeAchtergrond("&");
            EXPECT_EQ(s.scherm.schakelingen1049, "")
                << "het spel nam de terminal op de achtergrond";
            break;
        case 'f':
            Typ("fg");
            pty::WachtOpMenu(s, gekozen);
            pty::Stuur(s, pty::Pijl(s.scherm, 'B'));
            gekozen = pty::Volgende(gekozen);
            pty::WachtOpMenu(s, gekozen);
            break;
        }
    }

    // The game has ended on Afsluiten with status 0, and the terminal is as
    // the shell had it.
    void ExpectNetjesGeeindigd() {
        ASSERT_TRUE(pty::WachtOpToestand(spel, 0, Kort)) << "het spel stopte niet na Afsluiten";
        Typ(R"x(echo "einde $? $([ "$(stty -g)" = "$voor" ] && echo gelijk || echo anders)")x");
        ASSERT_TRUE(pty::WachtOpTekst(s, "einde 0 gelijk", Kort)) << vt::Dump(s.scherm);
        EXPECT_FALSE(s.scherm.opAlternatief);
        EXPECT_TRUE(s.scherm.cursorZichtbaar);
        EXPECT_EQ(Aantal(s.scherm.schakelingen1049, "h"), Aantal(s.scherm.schakelingen1049, "l"));
    }

    pty::Sessie s;
    pid_t spel = -1;
    int gekozen = 1;
    termios modiShell{};
};

// After every order of steps the game is back, answers keys, ends with status
// 0 on Afsluiten, and leaves the terminal's modes and screen as they were.
TEST_P(JobcontroleTest, HetSpelKomtTerugEnGeeftDeTerminalTerug) {
    ASSERT_NO_FATAL_FAILURE(StartBash());
    const std::string stappen = GetParam();
    if (stappen[0] != '&') {
        StartSpel("");
        pty::WachtOpMenu(s, 1);
    }
    for (char stap : stappen) {
        Stap(stap);
        if (HasFatalFailure()) return;
    }
    KiesAfsluiten(s, gekozen);
    // Keys typed while the game still has the terminal are the game's.
    ExpectNetjesGeeindigd();
}

INSTANTIATE_TEST_SUITE_P(Stappen, JobcontroleTest,
                         ::testing::Values("zf", "zbf", "&f", "zfzf", "&bfzbfzf"),
                         [](const ::testing::TestParamInfo<const char*>& stappen) {
                             std::string naam;
                             for (const char* c = stappen.param; *c; ++c)
                                 naam += *c == '&' ? "achtergrond_" : std::string(1, *c);
                             return naam;
                         });

// The shell of a suspended background game is killed and its terminal
// closed: the game does not stay behind.
TEST_F(JobcontroleTest, VerweesdSpelStopt) {
    ASSERT_NO_FATAL_FAILURE(StartBash());
    StartSpel("");
    pty::WachtOpMenu(s, 1);
    Stap('z');
    Stap('b');
    pty::Signaleer(s.pid, SIGKILL);
    pty::WachtOpEinde(s, Kort);
    pty::HangOp(s);
    const auto einde = Klok::now() + std::chrono::milliseconds(Kort);
    while (pty::Toestand(spel) != 0 && pty::Toestand(spel) != 'Z' && Klok::now() < einde)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(pty::Toestand(spel) == 0 || pty::Toestand(spel) == 'Z')
        << "het spel leeft nog, toestand " << pty::Toestand(spel);
}

// Stopped and continued from outside, the game is in the background with the
// terminal still raw: it gives the shell its modes back, and takes the
// terminal again after fg.
TEST_F(JobcontroleTest, VerderOpDeAchtergrondGeeftDashDeModiTerug) {
    ASSERT_NO_FATAL_FAILURE(StartDash());
    StartSpel("");
    pty::WachtOpMenu(s, 1);
    pty::Signaleer(spel, SIGSTOP);
    ASSERT_TRUE(pty::WachtOpToestand(spel, 'T', Kort));
    pty::LeesTijdje(s, 200);
    ASSERT_FALSE(pty::ZelfdeModi(pty::Modi(s), modiShell)) << "dash zette de modi zelf terug";
    pty::Signaleer(spel, SIGCONT);
    EXPECT_TRUE(pty::WachtOp(
        s,
        [&](const vt::Scherm& sch) {
            return pty::ZelfdeModi(pty::Modi(s), modiShell) && !sch.opAlternatief;
        },
        Kort))
        << "de terminal bleef rauw: " << pty::ModiTekst(pty::Modi(s)) << "\n"
        << vt::Dump(s.scherm);
    EXPECT_TRUE(pty::WachtOpToestand(spel, 'T', Kort)) << "het spel stopte niet op de achtergrond";
    Stap('f');
    KiesAfsluiten(s, gekozen);
    ExpectNetjesGeeindigd();
}

// SIGTSTP and SIGCONT from elsewhere, at random moments while keys pour in:
// after every round the game answers, and at the end it quits cleanly, with
// the kitty keyboard protocol (pushed and raised anew on every take-over)
// popped as often as it was pushed. STRUIN_STRESS_RONDES sets the number of
// rounds.
TEST_F(JobcontroleTest, PauzeEnVerderOpWillekeurigeMomentenTerwijlToetsenStromen) {
    const char* gevraagd = std::getenv("STRUIN_STRESS_RONDES");
    const int rondes = gevraagd ? std::atoi(gevraagd) : 30;
    const unsigned zaad = std::random_device{}();
    SCOPED_TRACE("zaad " + std::to_string(zaad));
    std::mt19937 toeval(zaad);
    pty::Opties opties;
    opties.eigenGroep = true;
    opties.toetsenprotocol = true;
    pty::StartTotMenu(s, opties);
    ASSERT_GT(s.spel, 0);
    auto toetsen = [&] {
        for (unsigned i = toeval() % 8; i > 0; --i) {
            pty::Stuur(s, pty::Pijl(s.scherm, toeval() % 2 ? 'A' : 'B'));
            pty::LeesTijdje(s, static_cast<int>(toeval() % 3));
        }
    };
    int gestopt = 0;
    for (int ronde = 0; ronde < rondes; ++ronde) {
        toetsen();
        pty::Signaleer(s.spel, SIGTSTP);
        if (toeval() % 2)
            toetsen(); // SIGCONT perhaps before the game has stopped
        else if (pty::WachtOpToestand(s.spel, 'T', Kort))
            ++gestopt;
        if (toeval() % 4 == 0) pty::Signaleer(s.spel, SIGTSTP);
        toetsen();
        pty::Signaleer(s.spel, SIGCONT);
        toetsen();
        ASSERT_TRUE(pty::Antwoordt(s))
            << "ronde " << ronde << " van " << rondes << ": het spel antwoordt niet meer (toestand "
            << pty::Toestand(s.spel) << ")\n"
            << vt::Dump(s.scherm) << ProcesStatus(s.spel);
    }
    EXPECT_GT(gestopt, 0) << "het spel stopte nooit echt";
    KiesAfsluiten(s, pty::Gekozen(s.scherm));
    const auto status = pty::WachtOpEinde(s, Kort);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0);
    pty::ExpectHersteld(s);
    std::printf("%d rondes, %d keer echt gestopt\n", rondes, gestopt);
}

// Makes the terminal stop reading: the game's repaints (one per SIGWINCH)
// fill what the terminal holds, however small they are, so its writes have
// to wait.
void VulDeTerminal(pty::Sessie& s, int ms) {
    const auto einde = Klok::now() + std::chrono::milliseconds(ms);
    while (Klok::now() < einde) {
        if (!pty::Signaleer(s.spel, SIGWINCH)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// The terminal's descriptors are non-blocking and the terminal stops reading
// for two seconds while the game repaints and keys come in: afterwards the
// picture is whole. Leaving during such a stall still restores everything.
TEST_F(JobcontroleTest, StilstaandeTerminalHoudtHetBeeldEnDeTeruggave) {
    pty::Opties opties;
    opties.nietBlokkerend = true;
    pty::StartTotMenu(s, opties);
    VulDeTerminal(s, 1000);
    pty::Stuur(s, pty::Pijl(s.scherm, 'B'));
    VulDeTerminal(s, 1000);
    pty::WachtOpMenu(s, 2);
    const vt::Scherm naStilstand = s.scherm;
    pty::Signaleer(s.spel, SIGWINCH); // a full repaint: the picture must already be just that
    pty::LeesTijdje(s, 200);
    EXPECT_EQ(naStilstand.alternatief, s.scherm.alternatief)
        << "na de stilstand:\n"
        << vt::Dump(naStilstand) << "helemaal opnieuw getekend:\n"
        << vt::Dump(s.scherm);
    pty::Stuur(s, pty::Pijl(s.scherm, 'B'));
    pty::WachtOpMenu(s, 3);
    VulDeTerminal(s, 500);
    pty::Stuur(s, pty::Enter);
    EXPECT_FALSE(pty::WachtOpEinde(s, 2000, false))
        << "het spel wachtte niet op de terminal (of die liep niet vol)";
    const auto status = pty::WachtOpEinde(s, Kort);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0);
    pty::ExpectHersteld(s);
}

// A signal while the terminal does not read ends the game within ten
// seconds; a terminal that reads again within that gets the restore bytes.
void SignaalTijdensStilstand(const pty::Opties& opties) {
    for (const bool leestWeer : {true, false}) {
        SCOPED_TRACE(leestWeer ? "de terminal leest weer" : "de terminal leest niet meer");
        pty::Sessie s;
        pty::StartTotMenu(s, opties);
        if (::testing::Test::HasFatalFailure()) return;
        VulDeTerminal(s, 500);
        const auto begin = Klok::now();
        pty::Signaleer(s.spel, SIGTERM);
        auto status = pty::WachtOpEinde(s, 2000, false);
        EXPECT_FALSE(status)
            << "het spel gaf de teruggave te snel op (of de terminal liep niet vol)";
        status = pty::WachtOpEinde(s, 10000, leestWeer);
        ASSERT_TRUE(status) << "het spel leeft na tien seconden nog";
        EXPECT_LT(Klok::now() - begin, std::chrono::seconds(10));
        EXPECT_EQ(*status, 128 + SIGTERM);
        if (leestWeer) pty::ExpectHersteld(s);
        EXPECT_EQ(fcntl(s.slaaf, F_GETFL), s.vlaggenVooraf) << "de vlaggen van de descriptors";
    }
}

TEST_F(JobcontroleTest, SignaalTijdensStilstandEindigtBinnenDeGrens) {
    SignaalTijdensStilstand({});
}

// Run as another user, the game writes through the blocking descriptors it
// shares with the shell: the bound holds there too.
TEST_F(JobcontroleTest, SignaalTijdensStilstandOpEenGedeeldeTerminal) {
    pty::Opties opties;
    opties.gedeeldeTerminal = true;
    std::optional<pty::KopieVoorNobody> kopie;
    if (geteuid() == 0) {
        if (access("/bin/su", X_OK) != 0)
            GTEST_SKIP() << "geen /bin/su: als root speelt deze test het spel als nobody via su";
        const std::string waarom = pty::OnbereikbaarVoorNobody(pty::Programma());
        if (!waarom.empty()) {
            // A checkout in a closed folder: nobody plays a copy.
            kopie.emplace();
            if (kopie->programma.empty())
                GTEST_SKIP() << waarom << ", en een kopie lukte niet: " << kopie->fout;
            opties.programma = kopie->programma;
        }
    }
    SignaalTijdensStilstand(opties);
}

// The signal helper refuses the pids that would reach processes the test did
// not start.
TEST_F(JobcontroleTest, SignaalNaarGeenEigenProcesWordtGeweigerd) {
    for (const pid_t pid : {0, -1}) {
        bool gestuurd = true;
        EXPECT_NONFATAL_FAILURE(gestuurd = pty::Signaleer(pid, SIGTERM),
                                "is geen proces dat de test startte");
        EXPECT_FALSE(gestuurd);
        EXPECT_NONFATAL_FAILURE(pty::Signaleer(pid, SIGTERM, true), "niet gestuurd");
    }
}

} // namespace
