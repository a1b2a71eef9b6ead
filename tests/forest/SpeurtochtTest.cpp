#include "console/Tekenen.h"
#include "support/Wandelen.h"

#include <algorithm>

using namespace script;

namespace {

class SpeurtochtTest : public Wandeling {};

TEST_F(SpeurtochtTest, HetEersteSchermToontHetBegin) {
    SpeelTotWachten({}, ::Speurtocht);
    EXPECT_EQ(PlekOpScherm(), (Plek{1, 1}));
    EXPECT_EQ(TekstOp(4, 3, 35), "Je staat aan het begin van het bos.");
    EXPECT_EQ(TekstOp(4, 21, 22), Telling(0));
    for (int x = 4; x < 26; ++x) EXPECT_EQ(AttribuutOp(x, 21), 0x07) << x;
    VerwachtKompas({1, 1});
    EXPECT_EQ(TekstOp(34, 24, 20), std::string(20, ' '));
    EXPECT_EQ(TekstOp(1, 24, 26), "Navigeren: Pijltjestoetsen");
    EXPECT_EQ(TekstOp(60, 24, 19), "<esc> Spel verlaten");
    EXPECT_EQ(TekstOp(30, 0, 15), "De Struinpaadje");
    EXPECT_EQ(AttribuutOp(30, 0), 0x1e);
    EXPECT_EQ(TekstOp(1, 23, 78), std::string(78, '\xc4'));
}

TEST_F(SpeurtochtTest, ElkePijlVanafElkePlekVolgtAlleenDeOpenDoorgangen) {
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x) {
            const Plek p{x, y};
            SpeelTotWachten(Route({1, 1}, p), ::Speurtocht);
            ASSERT_EQ(PlekOpScherm(), p);
            VerwachtKompas(p);
            for (const Stap& stap : Stappen) {
                const Plek buur = Buur(p, stap);
                SpeelTotWachten(Route({1, 1}, p) + Toetsen{Pijl(stap.pijl)}, ::Speurtocht);
                EXPECT_EQ(PlekOpScherm(), Doorgang(p, buur) ? buur : p)
                    << "from " << x << "," << y << " " << stap.uitgang;
            }
        }
}

TEST_F(SpeurtochtTest, ElkeGeslotenDoorgangIsVanBeideKantenDicht) {
    for (const auto& [a, b] : GeslotenDoorgangen) {
        for (const auto& paar : {std::pair{a, b}, std::pair{b, a}}) {
            const auto van = paar.first;
            const auto naar = paar.second;
            const Stap& stap = *std::find_if(Stappen.begin(), Stappen.end(),
                                             [&](const Stap& s) { return Buur(van, s) == naar; });
            EXPECT_FALSE(UitgangOpen(van.x, van.y, stap.uitgang));
            SpeelTotWachten(Route({1, 1}, van), ::Speurtocht);
            const auto ervoor = Model().cellen;
            SpeelTotWachten(Route({1, 1}, van) + Toetsen{Pijl(stap.pijl)}, ::Speurtocht);
            EXPECT_EQ(PlekOpScherm(), van) << van.x << "," << van.y << " " << stap.uitgang;
            EXPECT_TRUE(Model().cellen == ervoor)
                << "an arrow towards a closed exit changes nothing";
        }
    }
}

TEST_F(SpeurtochtTest, ElkeToetsTekentHetHeleSchermOpnieuw) {
    // Something scribbled between two keys is gone at the next picture, whatever the key.
    const Toetsen toetsen = {Pijl(Omhoog), Pijl(Links), Enter,        Teken('q'),
                             Spatie,       F12,         Pijl(Omlaag), Pijl(Omhoog)};
    std::vector<Cel> eerste;
    int getoond = 0;
    BijTonen([&](const ConsoleModel& model) {
        if (getoond++ == 0) eerste = model.cellen;
        EXPECT_NE(TekstOp(40, 18, 5), "XXXXX") << "picture " << getoond;
        if (getoond != 8) { // the eighth follows the step down to (1, 2)
            EXPECT_TRUE(model.cellen == eerste) << "picture " << getoond;
        }
        SchrijfTekst("XXXXX", 40, 18, 15, 4);
    });
    SpeelTotWachten(toetsen, ::Speurtocht);
    EXPECT_EQ(getoond, static_cast<int>(toetsen.size()) + 1);
    EXPECT_EQ(PlekOpScherm(), (Plek{1, 1}));
}

TEST_F(SpeurtochtTest, HetAantalGaatOnderZesInLichtgrijsNaarDeStroom) {
    Model().tekstAttribuut = 0x07;
    for (int n = 0; n < 6; ++n) {
        Verzameld.fill(false);
        std::fill_n(Verzameld.begin(), n, true);
        SpeelTotWachten({}, ::Speurtocht);
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(n));
        for (int x = 4; x < 26; ++x) EXPECT_EQ(AttribuutOp(x, 21), 0x07) << n;
        // The frame's focus is the place's first word, not the end of the count.
        EXPECT_EQ(Model().cursorX, 4);
        EXPECT_EQ(Model().cursorY, 3);
    }
    // Written through the stream: the count takes the stream's attribute.
    Model().tekstAttribuut = 0x3c;
    Verzameld.fill(false);
    SpeelTotWachten({}, ::Speurtocht);
    for (int x = 4; x < 26; ++x) EXPECT_EQ(AttribuutOp(x, 21), 0x3c) << x;
}

TEST_F(SpeurtochtTest, ZesVoorwerpenWordenInGeelGeteldDoorEenCelTeSchrijven) {
    Verzameld.fill(true);
    SpeelTotWachten({}, ::Speurtocht);
    EXPECT_EQ(TekstOp(4, 21, 22), "6/6 Objecten verzameld");
    for (int x = 4; x < 26; ++x) EXPECT_EQ(AttribuutOp(x, 21), 0x0e) << x;
    EXPECT_NE(Model().cursorY, 21) << "the cursor is not moved by a cell write";
}

TEST_F(SpeurtochtTest, EnterZonderSpelTekentAlleenOpnieuw) {
    const Toetsen heen = Route({1, 1}, {3, 2});
    SpeelTotWachten(heen, ::Speurtocht);
    const auto ervoor = Model().cellen;
    SpeelTotWachten(heen + Toetsen{Enter, Enter}, ::Speurtocht);
    EXPECT_TRUE(Model().cellen == ervoor);
    EXPECT_EQ(AantalFrames(), heen.size() + 3);
}

TEST_F(SpeurtochtTest, EnterOpEenVerlatenPlekTekentAlleenOpnieuw) {
    Verzameld[0] = true; // the safe's diamond
    const Toetsen heen = Route({1, 1}, {2, 1});
    SpeelTotWachten(heen, ::Speurtocht);
    const auto ervoor = Model().cellen;
    SpeelTotWachten(heen + Toetsen{Enter}, ::Speurtocht);
    EXPECT_TRUE(Model().cellen == ervoor);
    EXPECT_TRUE(Verzameld[0]);
}

TEST_F(SpeurtochtTest, MetVijfVoorwerpenIsHetEindpuntEenGewonePlek) {
    for (std::size_t ontbreekt = 0; ontbreekt < 6; ++ontbreekt) {
        Verzameld.fill(true);
        Verzameld[ontbreekt] = false;
        SpeelTotWachten(Route({1, 1}, {1, 4}), ::Speurtocht);
        EXPECT_EQ(PlekOpScherm(), (Plek{1, 4}));
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(5));
        EXPECT_EQ(CelOp(5, 13), (Cel{24, 0x0e}));
        EXPECT_EQ(CelOp(6, 14), (Cel{26, 0x08}));
        EXPECT_EQ(CelOp(5, 15), (Cel{25, 0x08}));
        EXPECT_EQ(CelOp(4, 14), (Cel{27, 0x08}));
        EXPECT_EQ(TekstOp(34, 24, 20), std::string(20, ' '));
    }
}

void VerwachtFelicitatie() {
    EXPECT_EQ(TekstOp(30, 0, 15), "De Struinpaadje");
    EXPECT_EQ(TekstOp(10, 24, static_cast<int>(CopyrightRegel.size())), CopyrightRegel);
    EXPECT_EQ(TekstOp(32, 9, 14), "Gefeliciteerd!");
    for (int x = 21; x <= 57; ++x) {
        EXPECT_EQ(AttribuutOp(x, 9) >> 4, 1) << x;
        for (int y = 10; y <= 17; ++y) EXPECT_EQ(AttribuutOp(x, y) >> 4, 8) << x << "," << y;
    }
    const std::array<std::string, 6> regels = {"Je hebt het spel 'De Struinpaadje'",
                                               "uitgespeeld door de zes objecten",
                                               "te vezamelen en het eindpunt te ",
                                               "bereiken! Nu mag je het bos",
                                               "verlaten!",
                                               "Speel het spel gerust nog eens!"};
    for (std::size_t i = 0; i < regels.size(); ++i) {
        const int rij = 11 + static_cast<int>(i);
        EXPECT_EQ(TekstOp(22, rij, static_cast<int>(regels[i].size())), regels[i]);
        EXPECT_EQ(AttribuutOp(22, rij), 0x8f);
    }
    EXPECT_EQ(RijTekst(3), std::string(80, ' ')) << "no description behind the panel";
}

TEST_F(SpeurtochtTest, ZesVoorwerpenOpHetEindpuntTonenMeteenHetFelicitatiescherm) {
    Verzameld.fill(true);
    bool eindpuntGetekend = false;
    BijTonen([&](const ConsoleModel&) {
        if (PlekOpScherm() == Plek{1, 4}) eindpuntGetekend = true;
    });
    const Toetsen heen = Route({1, 1}, {1, 4});
    SpeelTotWachten(heen, ::Speurtocht);
    VerwachtFelicitatie();
    EXPECT_FALSE(eindpuntGetekend);
    EXPECT_EQ(AantalFrames(), heen.size() + 1);

    // Any key ends the walk, and the objects are gone.
    Speel(heen + Toetsen{Pijl(Omhoog)}, ::Speurtocht);
    EXPECT_EQ(ToetsenOver(), 0u);
    EXPECT_TRUE(AllesVergeten());
}

TEST_F(SpeurtochtTest, ZesVoorwerpenEldersBeeindigenDeWandelingNiet) {
    Verzameld.fill(true);
    SpeelTotWachten(Route({1, 1}, {1, 3}) + Toetsen{Enter, Pijl(Rechts)}, ::Speurtocht);
    EXPECT_EQ(PlekOpScherm(), (Plek{2, 3}));
}

TEST_F(SpeurtochtTest, EscVertrektEnVergeetElkVoorwerp) {
    for (const Plek p : {Plek{1, 1}, Plek{2, 1}, Plek{4, 4}, Plek{1, 4}}) {
        Verzameld = {true, false, true, true, false, true};
        Speel(Route({1, 1}, p) + Toetsen{Esc}, ::Speurtocht);
        EXPECT_EQ(ToetsenOver(), 0u);
        EXPECT_TRUE(AllesVergeten());
        EXPECT_EQ(Berichten().back(), "Bos verlaten. Je 4 objecten zijn verloren.");
    }
    Verzameld = {false, true, false, false, false, false};
    Speel({Esc}, ::Speurtocht);
    EXPECT_EQ(Berichten().back(), "Bos verlaten. Je object is verloren.");
    Speel({Esc}, ::Speurtocht);
    EXPECT_EQ(Berichten().back(), "Bos verlaten. Je had nog geen objecten.");
    // The next walk starts over at the start with nothing.
    SpeelTotWachten({}, ::Speurtocht);
    EXPECT_EQ(PlekOpScherm(), (Plek{1, 1}));
    EXPECT_EQ(TekstOp(4, 21, 22), Telling(0));
}

TEST_F(SpeurtochtTest, ElkePlekNoemtHaarOpenPadenInWoorden) {
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x) {
            SpeelTotWachten(Route({1, 1}, {x, y}), ::Speurtocht);
            std::string paden;
            for (const Stap& stap : Stappen)
                if (Doorgang({x, y}, {x + stap.dx, y + stap.dy}))
                    paden += (paden.empty() ? "" : ", ") + std::string(stap.uitgang);
            const std::string gezegd = Berichten().back();
            EXPECT_EQ(gezegd.substr(0, gezegd.find('.')), "Paden: " + paden) << x << "," << y;
            EXPECT_EQ(gezegd.find("Enter") != std::string::npos,
                      TekstOp(34, 24, 20) == "<enter> Spel spelen!")
                << x << "," << y;
        }
}

TEST_F(SpeurtochtTest, ElkeStapZegtDePlekOokTussenTweeGelijkePlekken) {
    Verzameld = {true, false, false, false, false, true}; // the safe and the vowels won
    SpeelTotWachten(Route({1, 1}, {3, 1}) + Toetsen{Pijl(Links), Pijl(Omhoog), Teken('x')},
                    ::Speurtocht);
    const std::vector<std::string> verwacht = {
        "Paden: zuid, west. Deze plek in het bos is volledig verlaten...",
        "Paden: oost, zuid. Deze plek in het bos is volledig verlaten...",
        "Geen pad naar het noorden.", "Paden: oost, zuid.", "Paden: oost, zuid."};
    EXPECT_EQ(LaatsteBerichten(5), verwacht) << "a step says the place, a bump only the paths";
}

} // namespace
