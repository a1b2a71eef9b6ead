#include "console/Tekenen.h"
#include "games/Spellen.h"
#include "support/Oplossingen.h"
#include "support/SpelControle.h"
#include "support/Spelen.h"
#include "units/Units.h"

#include <array>
#include <cstdlib>
#include <string>

using namespace script;

namespace {

using Code = std::array<int, 5>;

// 0-based cells of the five boxes: top-left corners, digits and verdicts.
constexpr std::array<int, 5> VakX = {10, 24, 38, 52, 66};
constexpr int VakY = 12;
constexpr int CijferY = 13;
constexpr int OordeelY = 16;

// The codes the game will draw from this generator state, in order; the
// generator is left set to that state.
std::vector<Code> CodesUit(std::uint32_t toestand, int aantal) {
    return TrekUit(toestand, [aantal] {
        std::vector<Code> codes(static_cast<std::size_t>(aantal));
        for (Code& code : codes) code = TrekKluisCode();
        return codes;
    });
}

bool NietAllesVijf(const Code& code) {
    return code != Code{5, 5, 5, 5, 5};
}

// The arrows that turn the guess from `van` into `naar`, starting with the
// cursor on the first digit and ending on the last.
Toetsen ZetCijfers(const Code& van, const Code& naar) {
    Toetsen toetsen;
    for (int i = 0; i < 5; ++i) {
        const int verschil = naar[i] - van[i];
        toetsen = toetsen + Herhaal(Pijl(verschil > 0 ? Omhoog : Omlaag), std::abs(verschil));
        if (i < 4) toetsen.push_back(Pijl(Rechts));
    }
    return toetsen;
}

const Code Vijven = {5, 5, 5, 5, 5};

std::string Oordeel(int code, int gok) {
    if (gok == code) return "  Goed ! ";
    return gok > code ? " Te Hoog!" : " Te Laag!";
}

void VerwachtVak(int positie, unsigned char attribuut) {
    const int x = VakX[positie - 1];
    EXPECT_EQ(CelOp(x, VakY), (Cel{201, attribuut})) << "vak " << positie;
    EXPECT_EQ(CelOp(x + 2, VakY), (Cel{187, attribuut})) << "vak " << positie;
    EXPECT_EQ(CelOp(x, VakY + 2), (Cel{200, attribuut})) << "vak " << positie;
    EXPECT_EQ(CelOp(x + 2, VakY + 2), (Cel{188, attribuut})) << "vak " << positie;
}

void VerwachtGemarkeerd(int positie) {
    for (int p = 1; p <= 5; ++p) VerwachtVak(p, p == positie ? 14 : 7);
}

void VerwachtCijfers(const Code& cijfers) {
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(CelOp(VakX[i] + 1, CijferY),
                  (Cel{static_cast<unsigned char>('0' + cijfers[i]), 7}))
            << "positie " << i + 1;
}

char Pogingen() {
    return static_cast<char>(TekenOp(11, 9));
}

class KluisTest : public SchermTest {};

TEST_F(KluisTest, EersteScherm) {
    ToestandMet(1, TrekKluisCode, NietAllesVijf);
    SpeelTotWachten({}, SpeelKluis);
    VerwachtSpelKader("De Kluis",
                      std::string("Bediening: \x1b,\x18,\x1a,\x19") +
                          "           <enter> Probeer code          <esc> Spel verlaten");
    VerwachtInleiding({"Het is de bedoeling dat je een kluis openbreekt! Dit doe je door de",
                       " vijf-cijferige combinatie te raden. Je krijgt daarvoor vijf pogingen",
                       " en na elke poging krijg je van elk cijfer te zien of het goed is, of dat",
                       " het hoger of lager moet zijn."});
    VerwachtWitteTekst(1, 9, "Pogingen:");
    EXPECT_EQ(CelOp(10, 9), Cel{});
    EXPECT_EQ(CelOp(11, 9), (Cel{'5', 7}));
    VerwachtGemarkeerd(1);
    VerwachtCijfers(Vijven);
    // Only corners: the sides of a box stay empty.
    EXPECT_EQ(CelOp(VakX[0] + 1, VakY), Cel{});
    EXPECT_EQ(CelOp(VakX[0], CijferY), Cel{});
    EXPECT_EQ(RijTekst(OordeelY), std::string(80, ' '));
    EXPECT_FALSE(PaneelZichtbaar());
}

TEST_F(KluisTest, DeCodeKrakenWintEnToontDeDiamant) {
    const std::uint32_t toestand = ToestandMet(100, TrekKluisCode, NietAllesVijf);
    const Code code = CodesUit(toestand, 1)[0];
    const Toetsen spel = ZetCijfers(Vijven, code) + Toetsen{Enter};
    SpeelTotWachten(spel, SpeelKluis);
    EXPECT_EQ(Pogingen(), '5'); // the try is used, but the count is not drawn again
    // The object (shown only in yellow) first, then the whole box and the key.
    EXPECT_EQ(LaatsteBerichten(4),
              (std::vector<std::string>{
                  "Gewonnen: diamant", "Gefeliciteerd!",
                  "Je hebt de combinatie van de kluis geraden! De kluis gaat open en je ziet er "
                  "een diamant in liggen! Je stopt de diamant in je rugtas, sluit je tas en "
                  "vervolgt je reis!",
                  "Druk op een toets."}));
    VerwachtWinstVenster({{22, 11, "Je hebt de combinatie van de kluis"},
                          {22, 12, "geraden! De kluis gaat open en je"},
                          {22, 13, "ziet er een "},
                          {34, 13, "diamant", 14},
                          {42, 13, "in liggen!"},
                          {22, 15, "Je stopt de diamant in je rugtas,"},
                          {22, 16, "sluit je tas en vervolgt je reis!"}});
    // No margin around this panel.
    EXPECT_EQ(CelOp(20, 8), Cel{});
    EXPECT_EQ(CelOp(20, 12), Cel{});
    EXPECT_EQ(CelOp(58, 18), Cel{});

    ZetWillekeurigToestand(toestand);
    EXPECT_TRUE(Speel(spel + Toetsen{Teken('x')}, SpeelKluis));
    EXPECT_EQ(ToetsenOver(), 0u);
}

TEST_F(KluisTest, EscVertrektMeteenZonderMelding) {
    ToestandMet(7, TrekKluisCode, NietAllesVijf);
    EXPECT_FALSE(Speel({Esc}, SpeelKluis));
    EXPECT_FALSE(PaneelZichtbaar());

    ToestandMet(7, TrekKluisCode, NietAllesVijf);
    EXPECT_FALSE(Speel({Enter, Esc}, SpeelKluis));
    EXPECT_FALSE(PaneelZichtbaar());
    EXPECT_EQ(Pogingen(), '4');
}

TEST_F(KluisTest, EenFoutePogingToontEenOordeelOnderElkCijfer) {
    const std::uint32_t toestand = ToestandMet(200, TrekKluisCode, NietAllesVijf);
    const Code code = CodesUit(toestand, 1)[0];
    SpeelTotWachten({Enter}, SpeelKluis);
    EXPECT_EQ(Pogingen(), '4');
    VerwachtCijfers(Vijven); // Enter changes no digit
    VerwachtGemarkeerd(1);
    std::string woorden;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(TekstOp(VakX[i] - 3, OordeelY, 9), Oordeel(code[i], 5)) << i;
        EXPECT_EQ(AttribuutOp(VakX[i] - 3, OordeelY), 7);
        const std::string oordeel = Oordeel(code[i], 5);
        woorden += std::string(i ? ", " : "") + (oordeel[3] == 'G'   ? "goed"
                                                 : oordeel[4] == 'L' ? "te laag"
                                                                     : "te hoog");
    }
    // The verdict in words, for a screen reader.
    EXPECT_EQ(Berichten().back(), "Cijfers: " + woorden + ". Nog 4 pogingen.");
}

TEST_F(KluisTest, OordelenBlijvenTotDeVolgendeEnter) {
    // The first digit is not 5, and setting it right still leaves a wrong code.
    const std::uint32_t toestand = ToestandMet(300, TrekKluisCode, [](const Code& c) {
        return c[0] != 5 && (c[1] != 5 || c[2] != 5 || c[3] != 5 || c[4] != 5);
    });
    const Code code = CodesUit(toestand, 1)[0];
    const int verschil = code[0] - 5;
    const Toetsen zet = Herhaal(Pijl(verschil > 0 ? Omhoog : Omlaag), std::abs(verschil));

    // An arrow alone shows no verdicts.
    SpeelTotWachten(zet, SpeelKluis);
    EXPECT_EQ(RijTekst(OordeelY), std::string(80, ' '));

    // After an Enter the arrows leave the verdicts as they were...
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(Toetsen{Enter} + zet, SpeelKluis);
    EXPECT_EQ(CelOp(VakX[0] + 1, CijferY).teken, '0' + code[0]);
    EXPECT_EQ(TekstOp(VakX[0] - 3, OordeelY, 9), Oordeel(code[0], 5));
    EXPECT_EQ(Pogingen(), '4');

    // ...until the next Enter judges the new guess.
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(Toetsen{Enter} + zet + Toetsen{Enter}, SpeelKluis);
    EXPECT_EQ(TekstOp(VakX[0] - 3, OordeelY, 9), "  Goed ! ");
    EXPECT_EQ(Pogingen(), '3');
}

TEST_F(KluisTest, VijfFoutePogingenGevenEenGeluidEnEenNieuweCombinatie) {
    // The fifth guess differs from the fourth in a digit outside the panel,
    // so a verdict of the fifth try would show there.
    const std::uint32_t toestand = ToestandMet(400, TrekKluisCode, [](const Code& c) {
        return c[0] != 5 && (c[1] != 5 || c[2] != 5 || c[3] != 5 || c[4] != 5);
    });
    const std::vector<Code> codes = CodesUit(toestand, 2);
    const int verschil = codes[0][0] - 5;
    const Toetsen vijfPogingen = Herhaal(Enter, 4) +
                                 Herhaal(Pijl(verschil > 0 ? Omhoog : Omlaag), std::abs(verschil)) +
                                 Toetsen{Enter};

    SpeelTotWachten(vijfPogingen, SpeelKluis);
    EXPECT_EQ(TekstOp(36, 9, 5), "Oeps!");
    for (int x = 21; x <= 57; ++x)
        EXPECT_EQ(AttribuutOp(x, 9), x >= 36 && x < 41 ? 0x1e : 0x11) << x;
    EXPECT_EQ(TekstOp(22, 11, 35), "Je hebt vijf keer een onjuiste code");
    EXPECT_EQ(TekstOp(22, 12, 35), "ingevoerd. Je hoort de kluis lawaai");
    EXPECT_EQ(TekstOp(22, 13, 7), "maken. ");
    EXPECT_EQ(TekstOp(22, 14, 36), std::string(36, ' '));
    EXPECT_EQ(TekstOp(22, 15, 35), "De combinatie is veranderd, je moet");
    EXPECT_EQ(TekstOp(22, 16, 29), "opnieuw beginnen met raden...");
    for (int x = 22; x < 57; ++x) EXPECT_EQ(AttribuutOp(x, 11), 0x8f) << x;
    EXPECT_EQ(CelOp(20, 8), Cel{}); // no margin
    EXPECT_EQ(CelOp(58, 12), Cel{});
    // Outside the panel the verdicts of the fourth try still stand: the fifth
    // Enter judged nothing.
    EXPECT_EQ(TekstOp(VakX[0] - 3, OordeelY, 9), Oordeel(codes[0][0], 5));
    EXPECT_TRUE(Berichten().at(7).ends_with(". Nog 1 poging.")) << Berichten().at(7);

    // After a key: the verdict row is empty, a fresh combination waits.
    ZetWillekeurigToestand(toestand);
    SpeelTotWachten(vijfPogingen + Toetsen{Spatie}, SpeelKluis);
    EXPECT_EQ(RijTekst(OordeelY), std::string(80, ' '));
    EXPECT_EQ(Pogingen(), '5');
    VerwachtCijfers(Vijven);
    VerwachtGemarkeerd(1);
    EXPECT_NE(TekstOp(36, 9, 5), "Oeps!");
    // The wipe blanked the middle three boxes; only their corners and digits
    // are drawn again. The outer boxes lie outside it.
    for (int positie : {2, 3, 4}) {
        EXPECT_EQ(CelOp(VakX[positie - 1] + 1, VakY), (Cel{' ', 0x01})) << positie;
        EXPECT_EQ(CelOp(VakX[positie - 1], CijferY), (Cel{' ', 0x01})) << positie;
    }
    for (int positie : {1, 5}) EXPECT_EQ(CelOp(VakX[positie - 1] + 1, VakY), Cel{}) << positie;
    EXPECT_EQ(CelOp(21, 9), (Cel{' ', 0x01}));
    EXPECT_EQ(CelOp(57, 17), (Cel{' ', 0x01}));
    EXPECT_EQ(CelOp(20, 9), Cel{});

    // The new combination is the next one the generator gives.
    ZetWillekeurigToestand(toestand);
    EXPECT_TRUE(Speel(vijfPogingen + Toetsen{Spatie} + ZetCijfers(Vijven, codes[1]) +
                          Toetsen{Enter, Spatie},
                      SpeelKluis));
    EXPECT_EQ(TekstOp(32, 9, 14), "Gefeliciteerd!");
}

TEST_F(KluisTest, DeJuisteCodeBijDeVijfdePogingWint) {
    const std::uint32_t toestand = ToestandMet(500, TrekKluisCode, NietAllesVijf);
    const Code code = CodesUit(toestand, 1)[0];
    const Toetsen spel = Herhaal(Enter, 4) + ZetCijfers(Vijven, code) + Toetsen{Enter};
    SpeelTotWachten(spel, SpeelKluis);
    EXPECT_EQ(TekstOp(32, 9, 14), "Gefeliciteerd!");
    EXPECT_NE(TekstOp(22, 11, 35), "Je hebt vijf keer een onjuiste code");

    ZetWillekeurigToestand(toestand);
    EXPECT_TRUE(Speel(spel + Toetsen{Spatie}, SpeelKluis));
    EXPECT_EQ(ToetsenOver(), 0u);
    EXPECT_EQ(TekstOp(32, 9, 14), "Gefeliciteerd!"); // no noise box came after it
}

TEST_F(KluisTest, CijfersEnDeCursorLopenAanBeideKantenRond) {
    ToestandMet(600, TrekKluisCode, NietAllesVijf);
    SpeelTotWachten(Herhaal(Pijl(Omhoog), 5), SpeelKluis); // 9 becomes 0
    EXPECT_EQ(TekenOp(VakX[0] + 1, CijferY), '0');
    SpeelTotWachten(Herhaal(Pijl(Omlaag), 6), SpeelKluis); // 0 becomes 9
    EXPECT_EQ(TekenOp(VakX[0] + 1, CijferY), '9');
    SpeelTotWachten({Pijl(Links), Pijl(Omhoog)}, SpeelKluis); // from 1 to 5
    VerwachtGemarkeerd(5);
    EXPECT_EQ(
        LaatsteBerichten(3),
        (std::vector<std::string>{"Cijfer 1 van 5: 5", "Cijfer 5 van 5: 5", "Cijfer 5 van 5: 6"}));
    VerwachtCijfers({5, 5, 5, 5, 6});
    SpeelTotWachten(Herhaal(Pijl(Rechts), 5) + Toetsen{Pijl(Omlaag)}, SpeelKluis); // from 5 to 1
    VerwachtGemarkeerd(1);
    VerwachtCijfers({4, 5, 5, 5, 5});
    SpeelTotWachten(Herhaal(Pijl(Rechts), 7) + Toetsen{Pijl(Links)}, SpeelKluis);
    VerwachtGemarkeerd(2);
    EXPECT_EQ(Pogingen(), '5');
}

TEST_F(KluisTest, AndereToetsenTekenenAlleenOpnieuw) {
    ToestandMet(800, TrekKluisCode, NietAllesVijf);
    SpeelTotWachten({Spatie, Teken('a'), PlusNum, F12, Teken('9')}, SpeelKluis);
    EXPECT_EQ(Pogingen(), '5');
    VerwachtCijfers(Vijven);
    VerwachtGemarkeerd(1);
    EXPECT_EQ(RijTekst(OordeelY), std::string(80, ' '));
}

TEST_F(KluisTest, NietsBlijftBewaardTussenTweeSpellen) {
    const std::uint32_t toestand = ToestandMet(900, TrekKluisCode, NietAllesVijf);
    const std::vector<Code> codes = CodesUit(toestand, 2);
    EXPECT_FALSE(Speel({Pijl(Omhoog), Pijl(Rechts), Pijl(Omlaag), Enter, Esc}, SpeelKluis));
    SpeelTotWachten({}, SpeelKluis);
    EXPECT_EQ(Pogingen(), '5');
    VerwachtCijfers(Vijven);
    VerwachtGemarkeerd(1);
    EXPECT_EQ(RijTekst(OordeelY), std::string(80, ' '));
    // The second play drew the generator's next code: it is the one that wins.
    ZetWillekeurigToestand(toestand);
    EXPECT_FALSE(Speel({Esc}, SpeelKluis));
    EXPECT_TRUE(Speel(ZetCijfers(Vijven, codes[1]) + Toetsen{Enter, Spatie}, SpeelKluis));
}

TEST_F(KluisTest, EenCijferkaderIsAlleenZijnVierHoeken) {
    TekenCijferVak(11, 13, 0);
    VerwachtVak(1, 7);
    EXPECT_EQ(CelOp(11, 12), Cel{});
    EXPECT_EQ(CelOp(10, 13), Cel{});
    EXPECT_EQ(CelOp(11, 13), Cel{});

    GaNaar(1, 1);
    TekenCijferVak(25, 13, 1);
    VerwachtVak(2, 14);
    EXPECT_EQ(Model().cursorX, 0); // written into the cells, not at the cursor
    EXPECT_EQ(Model().cursorY, 0);

    const auto voor = Model().cellen;
    TekenCijferVak(39, 13, 2);
    TekenCijferVak(39, 13, -1);
    EXPECT_EQ(Model().cellen, voor);
}

TEST_F(KluisTest, OordelenZijnNegenTekensBijDeCursor) {
    GaNaar(8, 17);
    ToonOordeel(0);
    ToonOordeel(-4);
    ToonOordeel(7);
    EXPECT_EQ(TekstOp(7, 16, 28), "  Goed !  Te Laag! Te Hoog! ");
    EXPECT_EQ(AttribuutOp(7, 16), 7);
    EXPECT_EQ(Model().cursorX, 34);
}

} // namespace
