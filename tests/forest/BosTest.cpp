#include "forest/Bos.h"
#include "games/Spellen.h"
#include "support/Bostabellen.h"
#include "support/Wandelen.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

// The exit word of the opposite step (Stappen goes round the compass).
const char* Tegenover(std::size_t stap) {
    return Stappen[(stap + 2) % Stappen.size()].uitgang;
}

// The game keys of the forest, as often as they stand there.
std::multiset<std::string> SpellenInHetBos() {
    std::multiset<std::string> spellen;
    for (const auto& rij : KamerSpellen)
        for (const std::string& spel : rij)
            if (!spel.empty()) spellen.insert(spel);
    return spellen;
}

class BosTest : public ::testing::Test {
  protected:
    void SetUp() override { VulBosTabellen(); }
    void TearDown() override { LeegBosTabellen(); }
};

TEST_F(BosTest, ElkeTabelIsVierBijVier) {
    for (const KamerTabel* tabel : {&KamerBeschrijvingen, &KamerSpellen, &KamerUitgangen}) {
        ASSERT_EQ(tabel->size(), 4u);
        for (const auto& rij : *tabel) EXPECT_EQ(rij.size(), 4u);
    }
}

TEST_F(BosTest, UitgangenVanDeHoekenEnHetMidden) {
    EXPECT_TRUE(UitgangOpen(1, 1, "zuid"));
    EXPECT_FALSE(UitgangOpen(1, 1, "noord"));
    EXPECT_FALSE(UitgangOpen(1, 1, "oost"));
    EXPECT_FALSE(UitgangOpen(1, 1, "west"));
    for (const Stap& stap : Stappen) EXPECT_TRUE(UitgangOpen(3, 2, stap.uitgang));
    for (const Stap& stap : Stappen)
        EXPECT_EQ(UitgangOpen(1, 4, stap.uitgang), std::string(stap.uitgang) == "noord");
}

TEST_F(BosTest, ElkeDoorgangGaatTweeKantenOpEnBlijftOpHetRooster) {
    int open = 0;
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x)
            for (std::size_t i = 0; i < Stappen.size(); ++i) {
                const Stap& stap = Stappen[i];
                if (!UitgangOpen(x, y, stap.uitgang)) continue;
                const Plek buur = Buur({x, y}, stap);
                ASSERT_TRUE(OpKaart(buur)) << x << "," << y << " " << stap.uitgang;
                EXPECT_TRUE(UitgangOpen(buur.x, buur.y, Tegenover(i)))
                    << x << "," << y << " " << stap.uitgang;
                ++open;
            }
    EXPECT_EQ(open, 2 * 18);
}

TEST_F(BosTest, ElkePlekIsBereikbaarVanafHetBegin) {
    const auto bereikt = Routes(
        {1, 1}, [](Plek p, const Stap& stap) { return UitgangOpen(p.x, p.y, stap.uitgang); });
    EXPECT_EQ(bereikt.size(), 16u);
}

TEST_F(BosTest, ElkSpelStaatOpPreciesEenPlek) {
    EXPECT_EQ(SpellenInHetBos(),
              (std::multiset<std::string>{"kluis", "klinkers", "alfabet", "postduif", "eekhoorn",
                                          "geheimschrift"}));
    EXPECT_EQ(KamerSpellen[0][1], "kluis");
    EXPECT_EQ(KamerSpellen[3][3], "geheimschrift");
}

// Every registered game stands at exactly one place, and no other game does.
TEST_F(BosTest, ElkGeregistreerdSpelStaatPreciesEenKeerInHetBos) {
    std::multiset<std::string> geregistreerd;
    for (const MiniSpel& spel : MiniSpellen) geregistreerd.insert(spel.sleutel);
    EXPECT_EQ(SpellenInHetBos(), geregistreerd);
}

TEST_F(BosTest, BeschrijvingenZijnPlatteTekstDieOpHetSchermPast) {
    std::size_t langste = 0;
    for (const auto& rij : KamerBeschrijvingen)
        for (const std::string& tekst : rij) {
            EXPECT_FALSE(tekst.empty());
            for (char c : tekst) EXPECT_TRUE(c >= 32 && c < 127);
            langste = std::max(langste, tekst.size());
        }
    EXPECT_EQ(langste, 559u);
    EXPECT_EQ(KamerBeschrijvingen[3][1].size(), 559u);
    EXPECT_EQ(KamerBeschrijvingen[1][0], "Je staat in een hoek van het bos.");
}

TEST_F(BosTest, TweemaalVullenVoegtRijenToeDieNiemandLeest) {
    VulKamerUitgangen();
    EXPECT_EQ(KamerUitgangen.size(), 8u);
    EXPECT_TRUE(UitgangOpen(1, 1, "zuid"));
}

} // namespace
