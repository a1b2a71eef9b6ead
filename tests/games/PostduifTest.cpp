#include "games/Spellen.h"
#include "support/Oplossingen.h"
#include "support/SpelControle.h"
#include "support/Spelen.h"
#include "units/Units.h"

#include <cstdlib>
#include <string>

using namespace script;

namespace {

// The next flight the generator gives, as the game writes it on its row.
std::string VluchtRegel() {
    const std::string regel = VluchtTekst(TrekVlucht());
    return regel + std::string(80 - regel.size(), ' ');
}

bool NietThuis(const Vlucht& v) {
    return v.noord != v.zuid || v.oost != v.west;
}

// The arrows that set the route from 0, 0 to these counts.
Toetsen Route(int noordZuid, int oostWest) {
    return Herhaal(Pijl(noordZuid > 0 ? Omlaag : Omhoog), std::abs(noordZuid)) +
           Herhaal(Pijl(oostWest > 0 ? Rechts : Links), std::abs(oostWest));
}

Toetsen Terug(const Vlucht& v) {
    return Route(v.noord - v.zuid, v.west - v.oost);
}

constexpr int RouteX = 22;
constexpr int RouteY = 13;
constexpr int MeldingX = 25;
constexpr int MeldingY = 15;

// The route line from its start to the end of the row.
std::string Routeregel() {
    return TekstOp(RouteX, RouteY, 80 - RouteX);
}

std::string MetBlanco(const std::string& tekst) {
    return tekst + std::string(80 - RouteX - tekst.size(), ' ');
}

const std::string FouteRoute = "Dat is niet de juiste route...";

class PostduifTest : public SchermTest {};

TEST_F(PostduifTest, EersteScherm) {
    const std::uint32_t toestand = ToestandMet(1, TrekVlucht, NietThuis);
    const std::string vlucht = VluchtRegel();
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten({}, SpeelPostduif);
    VerwachtSpelKader("De Postduif", std::string("Noord/Zuid: \x18,\x19   Oost/West: \x1a,\x1b") +
                                         "   <enter> Probeer route   <esc> Spel verlaten");
    VerwachtInleiding({"De postduif weet niet meer hoe hij thuis moet komen, help hem daarbij. De",
                       " heenreis van de postduif zag er zo uit: "});
    EXPECT_EQ(RijTekst(6), std::string(80, ' '));
    // The flight at the left edge of its row, below an empty one.
    EXPECT_EQ(RijTekst(7), vlucht);
    EXPECT_EQ(AttribuutOp(0, 7), 7);
    EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: 0 Oost/West, 0 Noord/Zuid"));
    EXPECT_EQ(TekstOp(0, RouteY, RouteX), std::string(RouteX, ' '));
    // Twelve real blanks close the line.
    const int einde = RouteX + 36;
    for (int x = einde; x < einde + 12; ++x) EXPECT_EQ(CelOp(x, RouteY), (Cel{' ', 7})) << x;
    EXPECT_EQ(CelOp(einde + 12, RouteY), Cel{});
    EXPECT_EQ(RijTekst(MeldingY), std::string(80, ' '));
    // The flight is said, away from the focus as it stands.
    const Vlucht v = TrekUit(toestand, TrekVlucht);
    EXPECT_EQ(LaatsteBerichten(3),
              (std::vector<std::string>{
                  "Noord/Zuid: omhoog, omlaag. Oost/West: rechts, links. Enter: Probeer route. "
                  "Esc: Spel verlaten.",
                  "De postduif weet niet meer hoe hij thuis moet komen, help hem daarbij. De "
                  "heenreis van de postduif zag er zo uit:",
                  "Heenreis:" + VluchtTekst(v)}));
}

TEST_F(PostduifTest, DeJuisteRouteWintDeAntwoordenvelop) {
    const std::uint32_t toestand = ToestandMet(100, TrekVlucht, NietThuis);
    const Vlucht v = TrekUit(toestand, TrekVlucht);
    const Toetsen spel = Terug(v) + Toetsen{Enter};
    SpeelTotWachten(spel, SpeelPostduif);
    VerwachtWinstVenster({{22, 11, "Je hebt de juiste route gevonden "},
                          {22, 12, "voor de postduif! De postduif "},
                          {22, 13, "bedankt je en geeft je een "},
                          {22, 14, "antwoordenvelop", 14},
                          {37, 14, "."},
                          {22, 16, "Laten we maar weer verger gaan..."}});
    EXPECT_EQ(CelOp(20, 8), Cel{}); // no margin
    EXPECT_EQ(CelOp(58, 18), Cel{});
    EXPECT_EQ(RijTekst(MeldingY).substr(0, 21), std::string(21, ' '));

    ZetWillekeurigToestand(toestand);
    EXPECT_TRUE(Speel(spel + Toetsen{Spatie}, SpeelPostduif));
    EXPECT_EQ(ToetsenOver(), 0u);
}

TEST_F(PostduifTest, EenVluchtDieThuisEindigtWordtMeteenMetEnterGewonnen) {
    ToestandMet(1, TrekVlucht, [](const Vlucht& v) { return !NietThuis(v); });
    EXPECT_TRUE(Speel({Enter, Spatie}, SpeelPostduif));
    EXPECT_EQ(TekstOp(32, 9, 14), "Gefeliciteerd!");
}

TEST_F(PostduifTest, EenFouteRouteZegtDatTotDeVolgendeToets) {
    const std::uint32_t toestand = ToestandMet(200, TrekVlucht, NietThuis);
    SpeelTotWachten({Enter}, SpeelPostduif);
    EXPECT_EQ(TekstOp(MeldingX, MeldingY, 30), FouteRoute);
    EXPECT_EQ(AttribuutOp(MeldingX, MeldingY), 7);
    EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: 0 Oost/West, 0 Noord/Zuid"));
    EXPECT_NE(TekstOp(32, 9, 14), "Gefeliciteerd!");

    for (const ToetsDruk& toets : {Spatie, Pijl(Links), Pijl(Omlaag), Teken('q'), PlusNum, F12}) {
        ZetWillekeurigToestand(toestand);
        SpeelTotWachten({Enter, toets}, SpeelPostduif);
        EXPECT_EQ(RijTekst(MeldingY), std::string(80, ' ')) << toets.code;
    }

    // The counts stay as they were and play goes on to a win.
    const Vlucht v = TrekUit(toestand, TrekVlucht);
    const int noordZuid = v.noord - v.zuid;
    const Toetsen fout = Route(noordZuid == 0 ? 1 : -noordZuid, 0) + Toetsen{Enter};
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(fout, SpeelPostduif);
    EXPECT_EQ(TekstOp(MeldingX, MeldingY, 30), FouteRoute);
    ZetWillekeurigToestand(toestand);
    EXPECT_TRUE(Speel(Toetsen{Enter, Enter} + Terug(v) + Toetsen{Enter, Spatie}, SpeelPostduif));
}

TEST_F(PostduifTest, DeRouteregelHeeftDrieVormenPerAantal) {
    ToestandMet(300, TrekVlucht,
                [](const Vlucht& v) { return v.noord - v.zuid != 3 || v.west - v.oost != -6; });
    SpeelTotWachten(Route(3, -6), SpeelPostduif);
    EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: 6 West, 3 Zuid"));
    SpeelTotWachten(Route(-12, 7), SpeelPostduif);
    EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: 7 Oost, 12 Noord"));
    SpeelTotWachten(Route(-1, 0), SpeelPostduif);
    EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: 0 Oost/West, 1 Noord"));
    SpeelTotWachten(Route(0, 2), SpeelPostduif);
    EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: 2 Oost, 0 Noord/Zuid"));
    // Back to 0 from either side.
    SpeelTotWachten(Route(2, -2) + Route(-2, 2), SpeelPostduif);
    EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: 0 Oost/West, 0 Noord/Zuid"));
}

TEST_F(PostduifTest, EenKortereRouteregelLaatGeenLosseTekensAchter) {
    ToestandMet(400, TrekVlucht, NietThuis);
    SpeelTotWachten({}, SpeelPostduif);
    const std::string lang = "Terugreis: 0 Oost/West, 0 Noord/Zuid";
    EXPECT_EQ(Routeregel(), MetBlanco(lang));
    SpeelTotWachten({Pijl(Links), Pijl(Omlaag)}, SpeelPostduif);
    const std::string kort = "Terugreis: 1 West, 1 Zuid";
    EXPECT_EQ(TekstOp(RouteX, RouteY, static_cast<int>(kort.size())), kort);
    // Every cell that the long line held behind the short one is a real blank now.
    for (int x = RouteX + static_cast<int>(kort.size()); x < RouteX + static_cast<int>(lang.size());
         ++x)
        EXPECT_EQ(CelOp(x, RouteY), (Cel{' ', 7})) << x;
    EXPECT_EQ(CelOp(RouteX + static_cast<int>(kort.size()) + 11, RouteY), (Cel{' ', 7}));
}

TEST_F(PostduifTest, BeideAantallenStoppenBijDertig) {
    ToestandMet(500, TrekVlucht, NietThuis);
    struct Geval {
        Richting richting;
        Richting terug;
        std::string opDeGrens;
        std::string eenTerug;
    };
    for (const Geval& geval : {
             Geval{Omlaag, Omhoog, "0 Oost/West, 30 Zuid", "0 Oost/West, 29 Zuid"},
             Geval{Omhoog, Omlaag, "0 Oost/West, 30 Noord", "0 Oost/West, 29 Noord"},
             Geval{Rechts, Links, "30 Oost, 0 Noord/Zuid", "29 Oost, 0 Noord/Zuid"},
             Geval{Links, Rechts, "30 West, 0 Noord/Zuid", "29 West, 0 Noord/Zuid"},
         }) {
        SpeelTotWachten(Herhaal(Pijl(geval.richting), 40), SpeelPostduif);
        EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: " + geval.opDeGrens));
        SpeelTotWachten(Herhaal(Pijl(geval.richting), 40) + Toetsen{Pijl(geval.terug)},
                        SpeelPostduif);
        EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: " + geval.eenTerug));
    }
}

TEST_F(PostduifTest, EscVertrektMeteenZonderMelding) {
    ToestandMet(600, TrekVlucht, NietThuis);
    EXPECT_FALSE(Speel({Esc}, SpeelPostduif));
    EXPECT_EQ(RijTekst(MeldingY), std::string(80, ' '));
    EXPECT_FALSE(PaneelZichtbaar());

    // Also right after a wrong Enter: the key wipes the message and leaves.
    ToestandMet(600, TrekVlucht,
                [](const Vlucht& v) { return v.noord != v.zuid || v.west - v.oost != 1; });
    EXPECT_FALSE(Speel({Pijl(Rechts), Enter, Esc}, SpeelPostduif));
    EXPECT_EQ(RijTekst(MeldingY), std::string(80, ' '));
    EXPECT_FALSE(PaneelZichtbaar());
}

TEST_F(PostduifTest, NietsBlijftBewaardTussenTweeSpellen) {
    const std::uint32_t toestand = ToestandMet(700, TrekVlucht, NietThuis);
    ZetWillekeurigToestand(toestand);
    VluchtRegel(); // the first play's flight
    const std::string tweede = VluchtRegel();
    ZetWillekeurigToestand(toestand);

    EXPECT_FALSE(Speel(Route(5, -4) + Toetsen{Enter, Esc}, SpeelPostduif));
    SpeelTotWachten({}, SpeelPostduif);
    EXPECT_EQ(RijTekst(7), tweede);
    EXPECT_EQ(Routeregel(), MetBlanco("Terugreis: 0 Oost/West, 0 Noord/Zuid"));
    EXPECT_EQ(RijTekst(MeldingY), std::string(80, ' '));
}

} // namespace
