// The program inside tmux under several TERM settings: tmux turns its own key
// names into bytes according to the modes the program asked for, so this
// checks that the keys the games need arrive as those keys whatever TERM says.
#include "Pty.h"
#include "support/Vt.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Klok = std::chrono::steady_clock;

std::string Uitvoer(const std::string& opdracht) {
    std::string uit;
    FILE* p = popen((opdracht + " 2>&1").c_str(), "r");
    if (!p) return uit;
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) uit.append(buf, n);
    pclose(p);
    return uit;
}

bool TmuxAanwezig() {
    return std::system("command -v tmux >/dev/null 2>&1") == 0;
}

// One tmux server of its own, with one 80 by 25 window running the program.
struct TmuxSessie {
    std::string socket;

    // `ervoor`: more environment and a program that runs the game, as
    // "VAR=waarde screen".
    explicit TmuxSessie(const std::string& term, const std::string& ervoor = "") {
        static int sessies = 0; // a server that just quit may still hold its socket
        socket = "struin-e2e-" + std::to_string(getpid()) + "-" + std::to_string(++sessies);
        Tmux("-f /dev/null new-session -d -s spel -x 80 -y 25 'env TERM=" + term +
             " LANG=C.UTF-8 LC_ALL=C.UTF-8 " + ervoor + " " + pty::Programma() + "'");
    }
    TmuxSessie(const TmuxSessie&) = delete;
    TmuxSessie& operator=(const TmuxSessie&) = delete;
    ~TmuxSessie() { Tmux("kill-server"); }

    std::string Tmux(const std::string& argumenten) const {
        return Uitvoer("tmux -L " + socket + " " + argumenten);
    }

    void Toets(const std::string& naam) const { Tmux("send-keys -t spel " + naam); }

    // The pane as the test terminal sees it, colours included.
    vt::Scherm Beeld() const {
        const std::string tekst = Tmux("capture-pane -p -e -t spel");
        vt::Scherm s = vt::NieuwScherm(80, 25);
        std::size_t begin = 0;
        // tmux writes the colours of a line as changes from the line before it.
        for (int y = 0; y < 25 && begin < tekst.size(); ++y) {
            std::size_t eind = tekst.find('\n', begin);
            if (eind == std::string::npos) eind = tekst.size();
            vt::Verwerk(s, "\x1b[" + std::to_string(y + 1) + ";1H");
            vt::Verwerk(s, std::string_view(tekst).substr(begin, eind - begin));
            begin = eind + 1;
        }
        return s;
    }

    bool WachtOp(const std::function<bool(const vt::Scherm&)>& klaar, vt::Scherm& laatste) const {
        const auto einde = Klok::now() + std::chrono::milliseconds(pty::Kort);
        do {
            laatste = Beeld();
            if (klaar(laatste)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (Klok::now() < einde);
        return false;
    }
};

class TmuxTest : public ::testing::TestWithParam<const char*> {};

TEST_P(TmuxTest, PijlF12KeypadEnEscKomenAanAlsDieToetsen) {
    if (!TmuxAanwezig()) GTEST_SKIP() << "tmux ontbreekt";
    const TmuxSessie tmux(GetParam());
    vt::Scherm beeld;
    auto toont = [&](std::string tekst) {
        return tmux.WachtOp([&](const vt::Scherm& s) { return vt::ToontErgens(s, tekst); }, beeld);
    };
    auto toontNiet = [&](std::string tekst) {
        return tmux.WachtOp([&](const vt::Scherm& s) { return !vt::ToontErgens(s, tekst); }, beeld);
    };
    ASSERT_TRUE(toont("Hoofdmenu")) << vt::Dump(beeld);

    tmux.Toets("F12");
    ASSERT_TRUE(toont("Debug opties")) << "F12:\n" << vt::Dump(beeld);
    // Up wraps to " Test een spel > ", Right opens it, Left closes it again.
    tmux.Toets("Up Right");
    ASSERT_TRUE(toont("Geheimschrift")) << "Right:\n" << vt::Dump(beeld);
    tmux.Toets("Left");
    ASSERT_TRUE(toontNiet("Geheimschrift")) << "Left:\n" << vt::Dump(beeld);

    // De Eekhoorn: the keypad's plus and minus move a nut to Knabbel and back;
    // the main keyboard's plus does nothing.
    tmux.Toets("Right Enter");
    ASSERT_TRUE(toont("Algemene Voorraad")) << vt::Dump(beeld);
    auto knabbelsHazelnoten = [](const vt::Scherm& s) { return vt::TekstOp(s, 48, 10, 4); };
    ASSERT_EQ(knabbelsHazelnoten(beeld), "[ 0]") << vt::Dump(beeld);
    tmux.Toets("KP+");
    ASSERT_TRUE(
        tmux.WachtOp([&](const vt::Scherm& s) { return knabbelsHazelnoten(s) == "[ 1]"; }, beeld))
        << "KP+:\n"
        << vt::Dump(beeld);
    tmux.Toets("+ KP-");
    ASSERT_TRUE(
        tmux.WachtOp([&](const vt::Scherm& s) { return knabbelsHazelnoten(s) == "[ 0]"; }, beeld))
        << "+ en KP-:\n"
        << vt::Dump(beeld);

    tmux.Toets("Escape");
    ASSERT_TRUE(toont("Hoofdmenu")) << "Escape:\n" << vt::Dump(beeld);
    EXPECT_TRUE(vt::ToontErgens(beeld, "Debug opties"));
    EXPECT_EQ(vt::CelOp(beeld, 3, 4).achter, 1) << "het eerste item is weer gekozen";
}

// GNU screen with a socket directory of its own; at the end it quits, as
// losing its terminal only detaches it.
struct ScreenMap {
    std::string map;
    ScreenMap() {
        char naam[] = "/tmp/struin-screen-XXXXXX"; // mkdtemp makes it 0700, as screen wants
        if (mkdtemp(naam) != nullptr) map = naam;
    }
    ScreenMap(const ScreenMap&) = delete;
    ScreenMap& operator=(const ScreenMap&) = delete;
    // Without a folder of its own it quits nothing: that would be the user's screen.
    ~ScreenMap() {
        if (!map.empty()) Uitvoer("SCREENDIR=" + map + " screen -S struin -X quit; rm -rf " + map);
    }
};

// The picture once it has settled: two looks in a row the same.
bool WachtOpRust(const TmuxSessie& tmux, const std::string& tekst, vt::Scherm& beeld) {
    vt::Scherm vorig = tmux.Beeld();
    return tmux.WachtOp(
        [&](const vt::Scherm& s) {
            const bool rust = vt::ToontErgens(s, tekst) && s.normaal == vorig.normaal;
            vorig = s;
            return rust;
        },
        beeld);
}

// The first cell where the two pictures differ for a player; -1 when none.
int EersteVerschil(const vt::Scherm& a, const vt::Scherm& b) {
    for (int i = 0; i < 80 * 25; ++i)
        if (!vt::ZelfdeBeeld(vt::CelOp(a, i % 80, i / 80), vt::CelOp(b, i % 80, i / 80))) return i;
    return -1;
}

// The menu, the forest and the menu again, as a player goes there.
const char* const Rondje[][2] = {
    {"", "Hoofdmenu"}, {"Enter", "Objecten verzameld"}, {"Escape", "Hoofdmenu"}};

// GNU screen started from a terminal that set its own variables (or from
// tmux): the game inside inherits them, but GNU screen repeats nothing and
// erases in its own colours. Its picture is the game's picture, cell for
// cell, colours included: the same as straight in tmux drawn with only what
// every terminal has (without TMUX, the name GNU screen's; tmux's capture
// leaves out the colours of what was erased in colour).
TEST(TmuxTest, OnderGnuScreenMetGeleendeVariabelenKloptElkeCel) {
    if (!TmuxAanwezig() || std::system("command -v screen >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "tmux of screen ontbreekt";
    std::vector<vt::Scherm> verwacht;
    {
        const TmuxSessie direct("screen-256color", "env -u TMUX");
        for (const auto& [toets, tekst] : Rondje) {
            if (*toets) direct.Toets(toets);
            verwacht.emplace_back();
            ASSERT_TRUE(WachtOpRust(direct, tekst, verwacht.back())) << vt::Dump(verwacht.back());
        }
    }
    for (const char* geleend : {"VTE_VERSION=7402", "XTERM_VERSION=XTerm\\(379\\)",
                                "TMUX=/tmp/tmux-0/default,1,0", "KITTY_WINDOW_ID=1"}) {
        SCOPED_TRACE(geleend);
        const ScreenMap screen;
        ASSERT_FALSE(screen.map.empty()) << "geen eigen map voor screen in /tmp";
        const TmuxSessie tmux("tmux-256color", std::string(geleend) + " SCREENDIR=" + screen.map +
                                                   " screen -S struin -T screen-256color");
        for (std::size_t i = 0; i < verwacht.size(); ++i) {
            if (*Rondje[i][0]) tmux.Toets(Rondje[i][0]);
            vt::Scherm beeld;
            tmux.WachtOp([&](const vt::Scherm& s) { return EersteVerschil(s, verwacht[i]) < 0; },
                         beeld);
            const int cel = EersteVerschil(beeld, verwacht[i]);
            ASSERT_LT(cel, 0) << Rondje[i][1] << ", cel (" << cel % 80 << ", " << cel / 80 << "): "
                              << testing::PrintToString(vt::CelOp(beeld, cel % 80, cel / 80))
                              << "\n"
                              << vt::Dump(beeld) << "verwacht:\n"
                              << vt::Dump(verwacht[i]);
        }
    }
}

std::string TermNaam(const ::testing::TestParamInfo<const char*>& term) {
    std::string naam = term.param;
    for (char& c : naam)
        if (c == '-') c = '_';
    return naam;
}

INSTANTIATE_TEST_SUITE_P(Terminals, TmuxTest,
                         ::testing::Values("xterm-256color", "tmux-256color", "screen-256color",
                                           "linux"),
                         TermNaam);

} // namespace
