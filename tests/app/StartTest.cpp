#include "app/Start.h"
#include "console/Console.h"
#include "forest/Bos.h"
#include "support/Bostabellen.h"
#include "support/Spelen.h"
#include "support/Zelftesten.h"

using namespace script;

namespace {

class StartTest : public SchermTest {
  protected:
    void SetUp() override {
        SchermTest::SetUp();
        ZelftestenGedraaid = 0;
        LeegBosTabellen();
    }
    void TearDown() override { SetUp(); }
};

TEST_F(StartTest, AlleUnitsSlagenWistHetSchermEnVultDeTabellen) {
    SchrijfTekst("oud", 10, 10, 15, 1);
    EXPECT_TRUE(Opstarten());
    for (int y = 0; y < 25; ++y) EXPECT_EQ(RijTekst(y), std::string(80, ' '));
    EXPECT_EQ(KamerBeschrijvingen.size(), 4u);
    EXPECT_EQ(KamerSpellen.size(), 4u);
    EXPECT_EQ(KamerUitgangen.size(), 4u);
    EXPECT_TRUE(Model().cursorZichtbaar);
}

TEST_F(StartTest, EenFalendeUnitWaarDanOokStoptDeStart) {
    for (std::size_t fout = 0; fout < 6; ++fout) {
        std::vector<UnitTest> testen(6, UnitTest{"goed", GoedeZelftest});
        testen[fout] = UnitTest{"fout", FouteZelftest};
        ZelftestenGedraaid = 0;
        NieuwModel();
        SchrijfTekst("oud", 10, 10, 15, 1);
        EXPECT_FALSE(Opstarten(testen));
        EXPECT_EQ(ZelftestenGedraaid, 6) << "every self-test runs, failure at " << fout;
        const std::string melding = "Er is een fout opgetreden bij het testen van een unit...";
        const int lengte = static_cast<int>(melding.size());
        EXPECT_EQ(TekstOp(0, 0, lengte), melding);
        EXPECT_EQ(AttribuutOp(0, 0), 7);
        EXPECT_EQ(TekenOp(lengte, 0), 0);
        EXPECT_EQ(TekenOp(10, 10), 0);
        EXPECT_EQ(Model().cursorX, lengte); // just behind the message, no line end
        EXPECT_EQ(Model().cursorY, 0);
        EXPECT_TRUE(KamerBeschrijvingen.empty());
        EXPECT_TRUE(KamerUitgangen.empty());
    }
}

} // namespace
