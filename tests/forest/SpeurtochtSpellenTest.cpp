// The walk with the real mini-games played at their places.
#include "support/Oplossingen.h"
#include "support/Wandelen.h"

using namespace script;

namespace {

constexpr std::uint32_t Toestand = 4711;

class SpeurtochtSpellenTest : public Wandeling {};

struct BosSpel {
    std::size_t vlag;                // its flag in `Verzameld`
    std::string naam;                // as the game shows it at (1, 2)
    std::function<void()> trekken;   // draws what the game draws when it starts
    std::function<Toetsen()> winnen; // draws the same, and the keys that win
};

std::vector<BosSpel> Spellen() {
    return {
        {0, "De Kluis", [] { TrekKluisCode(); }, [] { return WinKluis(TrekKluisCode()); }},
        {1, "De Eekhoorn", [] { TrekVoorraad(); }, [] { return WinEekhoorn(TrekVoorraad()); }},
        {2, "De Postduif", [] { TrekVlucht(); }, [] { return WinPostduif(TrekVlucht()); }},
        {3, "Het alfabet", [] {}, WinAlfabet},
        {4, "Het geheimschrift", [] {}, WinGeheimschrift},
        {5, "De klinkers", [] {}, WinKlinkers},
    };
}

// Runs a walk from the fixed generator state, with all objects forgotten (a
// walk cut off while it waits keeps the objects it had).
void Wandel(const Toetsen& toetsen) {
    Verzameld.fill(false);
    ZetWillekeurigToestand(Toestand);
    SpeelTotWachten(toetsen, ::Speurtocht);
}

// Walks to the game's place, plays it and wins, working the keys out from the
// state the walk will start from.
Toetsen WinOpZijnPlek(const BosSpel& spel) {
    ZetWillekeurigToestand(Toestand);
    return Route({1, 1}, SpelPlekken[spel.vlag]) + Toetsen{Enter} + spel.winnen();
}

TEST_F(SpeurtochtSpellenTest, EnterStartHetSpelVanDePlek) {
    for (const BosSpel& spel : Spellen()) {
        Wandel(Route({1, 1}, SpelPlekken[spel.vlag]) + Toetsen{Enter});
        EXPECT_EQ(TekstOp(1, 2, static_cast<int>(spel.naam.size())), spel.naam);
    }
}

TEST_F(SpeurtochtSpellenTest, EenGewonnenSpelLaatZijnPlekVerlatenAchter) {
    for (const BosSpel& spel : Spellen()) {
        const Plek p = SpelPlekken[spel.vlag];
        const Toetsen gewonnen = WinOpZijnPlek(spel);
        Wandel(gewonnen);
        EXPECT_TRUE(Verzameld[spel.vlag]) << spel.naam;
        EXPECT_EQ(AantalVerzameld(), 1);
        EXPECT_EQ(TekstOp(4, 3, static_cast<int>(Verlaten.size()) + 1), Verlaten + " ");
        EXPECT_EQ(RijTekst(4), std::string(80, ' '));
        EXPECT_EQ(TekstOp(34, 24, 20), std::string(20, ' ')) << "no Enter prompt";
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(1));
        VerwachtKompas(p);
        const std::vector<std::string> gezegd = LaatsteBerichten(3);
        EXPECT_EQ(gezegd.at(0), "Druk op een toets.");
        EXPECT_EQ(gezegd.at(1), "1 van 6 objecten verzameld.");
        EXPECT_TRUE(gezegd.at(2).ends_with(". " + Verlaten)) << gezegd.at(2);

        // Enter there does nothing but redraw.
        const auto ervoor = Model().cellen;
        Wandel(gewonnen + Toetsen{Enter});
        EXPECT_TRUE(Model().cellen == ervoor) << spel.naam;
    }
}

TEST_F(SpeurtochtSpellenTest, ElkeVlagMaaktAlleenZijnEigenPlekVerlaten) {
    for (const BosSpel& gewonnen : Spellen()) {
        for (const BosSpel& spel : Spellen()) {
            const Plek p = SpelPlekken[spel.vlag];
            Verzameld.fill(false);
            Verzameld[gewonnen.vlag] = true;
            SpeelTotWachten(Route({1, 1}, p), ::Speurtocht);
            if (spel.vlag == gewonnen.vlag) {
                EXPECT_EQ(TekstOp(4, 3, static_cast<int>(Verlaten.size())), Verlaten);
                EXPECT_EQ(TekstOp(34, 24, 20), std::string(20, ' '));
            } else {
                EXPECT_EQ(PlekOpScherm(), p);
                EXPECT_EQ(TekstOp(34, 24, 20), SpelSpelen);
                EXPECT_EQ(AttribuutOp(34, 24), 0x0e);
            }
            EXPECT_EQ(TekstOp(4, 21, 22), Telling(1));
        }
    }
}

TEST_F(SpeurtochtSpellenTest, EenMetEscVerlatenSpelWordtOpnieuwAangeboden) {
    for (const BosSpel& spel : Spellen()) {
        const Plek p = SpelPlekken[spel.vlag];
        const Toetsen heen = Route({1, 1}, p);
        Wandel(heen + Toetsen{Enter, Esc});
        EXPECT_EQ(PlekOpScherm(), p);
        EXPECT_EQ(TekstOp(34, 24, 20), SpelSpelen);
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(0));
        EXPECT_TRUE(AllesVergeten());

        // And it can be played again at once, with a fresh puzzle.
        ZetWillekeurigToestand(Toestand);
        spel.trekken();
        const Toetsen opnieuw = heen + Toetsen{Enter, Esc, Enter} + spel.winnen();
        Wandel(opnieuw);
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(1)) << spel.naam;
    }
}

TEST_F(SpeurtochtSpellenTest, VoorwerpenTellenOpEnEscVerliestZeAllemaal) {
    ZetWillekeurigToestand(Toestand);
    Toetsen toetsen;
    Plek hier{1, 1};
    for (const BosSpel& spel : Spellen()) {
        toetsen = toetsen + Route(hier, SpelPlekken[spel.vlag]) + Toetsen{Enter};
        toetsen = toetsen + spel.winnen();
        hier = SpelPlekken[spel.vlag];
    }
    Wandel(toetsen);
    EXPECT_EQ(TekstOp(4, 21, 22), "6/6 Objecten verzameld");
    EXPECT_EQ(AttribuutOp(4, 21), 0x0e);
    Verzameld.fill(false);
    ZetWillekeurigToestand(Toestand);
    Speel(toetsen + Toetsen{Esc}, ::Speurtocht);
    EXPECT_EQ(ToetsenOver(), 0u);
    EXPECT_TRUE(AllesVergeten());
    SpeelTotWachten({}, ::Speurtocht);
    EXPECT_EQ(TekstOp(4, 21, 22), Telling(0));
}

} // namespace
