// The walk with the real mini-games played at their places.
#include "app/Oplossingen.h"
#include "forest/Wandelen.h"

using namespace script;

namespace {

class SpelInHetBos : public Wandeling {};

struct BosSpel {
    std::size_t vlag; // its flag in `Verzameld`
    std::string naam; // as the game shows it at (1, 2)
    std::function<Toetsen()> winnen;
};

std::vector<BosSpel> Spellen() {
    return {
        {3, "Het alfabet", WinAlfabet},
        {4, "Het geheimschrift", WinGeheimschrift},
        {5, "De klinkers", WinKlinkers},
    };
}

TEST_F(SpelInHetBos, EnterStartsThePlacesGame) {
    for (const BosSpel& spel : Spellen()) {
        SpeelTotWachten(Route({1, 1}, SpelPlekken[spel.vlag]) + Toetsen{Enter}, ::Speurtocht);
        EXPECT_EQ(TekstOp(1, 2, static_cast<int>(spel.naam.size())), spel.naam);
    }
}

TEST_F(SpelInHetBos, AWonGameLeavesItsPlaceDeserted) {
    for (const BosSpel& spel : Spellen()) {
        const Plek p = SpelPlekken[spel.vlag];
        const Toetsen gewonnen = Route({1, 1}, p) + Toetsen{Enter} + spel.winnen();
        SpeelTotWachten(gewonnen, ::Speurtocht);
        EXPECT_TRUE(Verzameld[spel.vlag]) << spel.naam;
        EXPECT_EQ(AantalVerzameld(), 1);
        EXPECT_EQ(TekstOp(4, 3, static_cast<int>(Verlaten.size()) + 1), Verlaten + " ");
        EXPECT_EQ(RijTekst(4), std::string(80, ' '));
        EXPECT_EQ(TekstOp(34, 24, 20), std::string(20, ' ')) << "no Enter prompt";
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(1));
        VerwachtKompas(p);

        // Enter there does nothing but redraw. (A walk cut off while waiting
        // keeps its objects, so the replay starts without them.)
        const auto ervoor = Model().cellen;
        Verzameld.fill(false);
        SpeelTotWachten(gewonnen + Toetsen{Enter}, ::Speurtocht);
        EXPECT_TRUE(Model().cellen == ervoor) << spel.naam;
        Verzameld.fill(false);
    }
}

TEST_F(SpelInHetBos, AGameLeftWithEscIsOfferedAgain) {
    for (const BosSpel& spel : Spellen()) {
        const Plek p = SpelPlekken[spel.vlag];
        SpeelTotWachten(Route({1, 1}, p) + Toetsen{Enter, Esc}, ::Speurtocht);
        EXPECT_EQ(PlekOpScherm(), p);
        EXPECT_EQ(TekstOp(34, 24, 20), SpelSpelen);
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(0));
        EXPECT_TRUE(AllesVergeten());
        // And it can be played again at once.
        SpeelTotWachten(Route({1, 1}, p) + Toetsen{Enter, Esc, Enter} + spel.winnen(),
                        ::Speurtocht);
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(1)) << spel.naam;
        Verzameld.fill(false);
    }
}

TEST_F(SpelInHetBos, ObjectsAddUpAndEscLosesThemAll) {
    Toetsen toetsen;
    Plek hier{1, 1};
    for (const BosSpel& spel : Spellen()) {
        toetsen = toetsen + Route(hier, SpelPlekken[spel.vlag]) + Toetsen{Enter} + spel.winnen();
        hier = SpelPlekken[spel.vlag];
    }
    SpeelTotWachten(toetsen, ::Speurtocht);
    EXPECT_EQ(TekstOp(4, 21, 22), Telling(static_cast<int>(Spellen().size())));
    Verzameld.fill(false);
    Speel(toetsen + Toetsen{Esc}, ::Speurtocht);
    EXPECT_TRUE(AllesVergeten());
    SpeelTotWachten({}, ::Speurtocht);
    EXPECT_EQ(TekstOp(4, 21, 22), Telling(0));
}

} // namespace
