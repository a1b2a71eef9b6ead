#include "app/Opdrachtregel.h"
#include "support/Spelen.h"

#include <sstream>
#include <string>
#include <vector>

using namespace script;

namespace {

struct Uitkomst {
    std::optional<int> status;
    std::string uit;
    std::string fout;
};

Uitkomst Opties(std::vector<std::string> argumenten) {
    std::vector<char*> argv;
    for (std::string& a : argumenten) argv.push_back(a.data());
    std::ostringstream uit;
    std::ostringstream fout;
    const auto status = LeesOpties(argv, uit, fout);
    return {status, uit.str(), fout.str()};
}

// Whether the main keyboard's + reaches the game as the keypad's.
bool PlusIsNumeriek() {
    ZetScript({Plus});
    return LeesToetsCode() == ToetsPlusNum;
}

class OpdrachtregelTest : public SchermTest {};

TEST_F(OpdrachtregelTest, ZonderOptiesStartHetSpelZoalsHetWas) {
    const Uitkomst u = Opties({});
    EXPECT_EQ(u.status, std::nullopt);
    EXPECT_EQ(u.uit + u.fout, "");
    EXPECT_FALSE(PlusIsNumeriek());
    EXPECT_FALSE(Model().regelmodus);
}

TEST_F(OpdrachtregelTest, RegelmodusVraagtDeTerminalOmRegels) {
    EXPECT_EQ(Opties({"--regelmodus"}).status, std::nullopt);
    EXPECT_TRUE(Model().regelmodus);
}

TEST_F(OpdrachtregelTest, ZonderNumeriekStartHetSpelMetDePlusVanHetGewoneToetsenbord) {
    const Uitkomst u = Opties({"--zonder-numeriek"});
    EXPECT_EQ(u.status, std::nullopt);
    EXPECT_EQ(u.uit + u.fout, "");
    EXPECT_TRUE(PlusIsNumeriek());
}

TEST_F(OpdrachtregelTest, HelpEnVersionZeggenHetOpDeStandaarduitvoerEnStoppen) {
    const Uitkomst hulp = Opties({"--help"});
    EXPECT_EQ(hulp.status, 0);
    EXPECT_EQ(hulp.uit.rfind("Gebruik: struinpaadje [OPTIE]...\n", 0), 0u) << hulp.uit;
    for (const char* optie :
         {"--zonder-numeriek", "--regelmodus", "Ctrl+L", "Ctrl+Q", "--help", "--version"})
        EXPECT_NE(hulp.uit.find(optie), std::string::npos) << optie;
    EXPECT_EQ(hulp.fout, "");

    const Uitkomst versie = Opties({"--version"});
    EXPECT_EQ(versie.status, 0);
    EXPECT_EQ(versie.uit, "struinpaadje " STRUIN_VERSIE "\n");
    EXPECT_FALSE(PlusIsNumeriek()) << "het spel startte niet";
}

// A standard output that takes nothing (a full disk): status 1 and one line,
// not a success.
TEST_F(OpdrachtregelTest, EenSchrijffoutBijHelpEnVersionIsStatus1MetEenRegel) {
    for (const char* optie : {"--help", "--version"}) {
        std::vector<std::string> argumenten = {optie};
        std::vector<char*> argv = {argumenten[0].data()};
        std::ostream vol(nullptr);
        std::ostringstream fout;
        EXPECT_EQ(LeesOpties(argv, vol, fout), 1) << optie;
        EXPECT_EQ(fout.str(),
                  "struinpaadje: schrijffout: de tekst kon niet naar de standaarduitvoer.\n");
    }
}

TEST_F(OpdrachtregelTest, EenOnbekendeOptieIsEenRegelOpDeFoutuitvoerEnStatus2) {
    for (const char* optie : {"--zonder-numeriek=ja", "-h", "spel", "--"}) {
        const Uitkomst u = Opties({"--zonder-numeriek", optie});
        EXPECT_EQ(u.status, 2) << optie;
        EXPECT_EQ(u.uit, "");
        EXPECT_EQ(u.fout, std::string("struinpaadje: onbekende optie '") + optie +
                              "'; 'struinpaadje --help' toont de opties.\n");
        EXPECT_FALSE(PlusIsNumeriek()) << optie;
    }
}

} // namespace
