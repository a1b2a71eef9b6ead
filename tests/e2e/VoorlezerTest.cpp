// The real program under a real screen reader: Debian's fenrir in its PTY
// emulation, with its default focus settings and its speech appended to a
// file. What lands in that file is what a blind player hears.
#include "Pty.h"
#include "support/Oplossingen.h"
#include "support/Wandelen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Klok = std::chrono::steady_clock;

const char* const Fenrir = "/usr/bin/fenrir";
const char* const Instellingen = "/etc/fenrirscreenreader/settings/settings-pty.conf";

class VoorlezerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!fs::exists(Fenrir) || !fs::exists(Instellingen))
            GTEST_SKIP() << "fenrir ontbreekt: apt-get install fenrir";
        map = fs::temp_directory_path() / ("struin-fenrir-" + std::to_string(getpid()));
        fs::create_directories(map);
        log = (map / "gezegd.txt").string();
        // Its own settings as they come, with speech appended to the file, no
        // sound and the game as its shell.
        const fs::path spreek = map / "spreek.sh";
        std::ofstream(spreek) << "#!/bin/sh\necho \"$1\" >> '" << log << "'\n";
        fs::permissions(spreek, fs::perms::owner_all);
        const std::string anders = "sound#enabled=False;speech#driver=genericDriver;"
                                   "speech#genericSpeechCommand=" +
                                   spreek.string() + " \"fenrirText\";general#shell=" + Spel() +
                                   ";general#debugFile=" + (map / "fenrir.log").string() +
                                   ";general#autoSpellCheck=False;remote#enabled=False";
        pty::Opties opties;
        opties.opdracht = {Fenrir, "-e", "-s", Instellingen, "-o", anders};
        std::string fout;
        ASSERT_TRUE(pty::Start(sessie, opties, fout)) << fout;
        ASSERT_TRUE(pty::WachtOpTekst(sessie, EersteTekst(), 10 * pty::Kort))
            << vt::Dump(sessie.scherm);
        WachtTotStil(); // it reads the whole first screen
    }
    void TearDown() override { fs::remove_all(map); }
    // What fenrir starts as its shell, and the text that says it is ready.
    virtual std::string Spel() const { return pty::Programma(); }
    virtual const char* EersteTekst() const { return "Hoofdmenu"; }

    // Everything it said, a line each.
    std::vector<std::string> Gezegd() const {
        std::ifstream in(log);
        std::vector<std::string> regels;
        for (std::string regel; std::getline(in, regel);) regels.push_back(regel);
        return regels;
    }

    // Reads on until it has been quiet for 2 s (at most 20 s): speech follows a
    // key within a fraction of a second, even on a busy machine.
    void WachtTotStil() {
        const auto grens = Klok::now() + std::chrono::seconds(20 * pty::Traag);
        const auto stil = std::chrono::seconds(2 * pty::Traag);
        auto sinds = Klok::now();
        for (std::size_t aantal = Gezegd().size();
             Klok::now() - sinds < stil && Klok::now() < grens;) {
            pty::LeesTijdje(sessie, 100);
            if (Gezegd().size() != aantal) aantal = Gezegd().size(), sinds = Klok::now();
        }
    }

    // What the key made it say.
    std::string Druk(std::string_view toets) {
        const std::size_t voor = Gezegd().size();
        pty::Stuur(sessie, toets);
        WachtTotStil();
        const std::vector<std::string> alles = Gezegd();
        std::string tekst;
        for (std::size_t i = voor; i < alles.size(); ++i) tekst += alles[i] + " | ";
        return tekst;
    }

    fs::path map;
    std::string log;
    pty::Sessie sessie;
};

TEST_F(VoorlezerTest, ElkePijlInHetMenuZegtHetGekozenItem) {
    const std::string omhoog = "\x1b[A", omlaag = "\x1b[B";
    const std::vector<std::string> items = {"Spel Starten", "Informatie", "Afsluiten"};
    const std::pair<std::string, std::string> stappen[] = {{omlaag, "Informatie"},
                                                           {omlaag, "Afsluiten"},
                                                           {omhoog, "Informatie"},
                                                           {omhoog, "Spel Starten"},
                                                           {omlaag, "Informatie"}};
    for (const auto& [toets, item] : stappen) {
        const std::string gezegd = Druk(toets);
        for (const std::string& ander : items)
            EXPECT_EQ(gezegd.find(ander) != std::string::npos, ander == item)
                << item << " gekozen, gezegd: " << gezegd;
    }
}

TEST_F(VoorlezerTest, EenStapInHetBosZegtDeNieuwePlek) {
    EXPECT_NE(Druk(pty::Enter).find("Je staat aan het begin van het bos"), std::string::npos);
    const std::string gezegd = Druk("\x1b[B");
    EXPECT_NE(gezegd.find("Je staat in een hoek van het bos"), std::string::npos) << gezegd;
}

// The line mode, as a blind player in a terminal plays: every line is read
// as it comes, and Ctrl+Q leaves where fenrir keeps a bare Esc.
class VoorlezerRegelmodusTest : public VoorlezerTest {
  protected:
    std::string Spel() const override { return std::string(pty::Programma()) + " --regelmodus"; }
    const char* EersteTekst() const override { return "Spel Starten."; }
};

TEST_F(VoorlezerRegelmodusTest, EenSpelOpHetGehoorGewonnenEnCtrlQGaatTerug) {
    using namespace script;
    const auto druk = [this](const Toetsen& toetsen) {
        return Druk(pty::Bytes(vt::NieuwScherm(80, 25), toetsen));
    };
    EXPECT_NE(druk({Enter}).find("Paden: zuid"), std::string::npos);
    EXPECT_NE(druk(Route({1, 1}, {3, 1}) + Toetsen{Enter}).find("De klinkers"), std::string::npos);
    Toetsen winnen = WinKlinkers();
    winnen.pop_back(); // the box of the win stays
    const std::string gewonnen = druk(winnen);
    EXPECT_NE(gewonnen.find("Gewonnen"), std::string::npos) << gewonnen;
    const std::string terug = Druk("\x11\x11"); // out of the box, then out of the forest
    EXPECT_NE(terug.find("Spel Starten"), std::string::npos) << terug;
}

} // namespace
