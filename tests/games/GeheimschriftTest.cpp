#include "games/Spellen.h"
#include "support/SpelControle.h"
#include "support/Spelen.h"
#include "units/Units.h"

using namespace script;

namespace {

class GeheimschriftTest : public SchermTest {};

const Cel Leeg{};

std::string ZonderEindBlanks(std::string tekst) {
    tekst.erase(tekst.find_last_not_of(' ') + 1);
    return tekst;
}

// The three enciphered lines as the first screen shows them: the first from
// column 1 of row 8, the others from column 0 of rows 9 and 10.
std::vector<std::string> GetoondeRegels() {
    SpeelTotWachten({}, SpeelGeheimschrift);
    return {ZonderEindBlanks(RijTekst(8).substr(1)), ZonderEindBlanks(RijTekst(9)),
            ZonderEindBlanks(RijTekst(10))};
}

// The answer, worked out from the screen: each shown line deciphered, in turn.
std::string Oplossing() {
    std::string oplossing;
    for (const std::string& regel : GetoondeRegels()) oplossing += Ontcijfer(regel);
    return oplossing;
}

Toetsen RegelVoorRegel() {
    Toetsen toetsen;
    for (const std::string& regel : GetoondeRegels()) toetsen = toetsen + Tekst(Ontcijfer(regel));
    return toetsen;
}

bool MeldingStaat() {
    return TekstOp(27, 21, 22) == "Nee, dat klopt niet...";
}

TEST_F(GeheimschriftTest, EersteScherm) {
    SpeelTotWachten({}, SpeelGeheimschrift);
    VerwachtSpelKader("Het geheimschrift",
                      "<enter> Probeer oplossing" + std::string(34, ' ') + "<esc> Spel verlaten");
    EXPECT_EQ(CelOp(59, 24), Leeg);
    VerwachtInleiding({"De letters van het bericht zijn vervangen. Kun jij het bericht ontcijferen",
                       " zodat je het oorspronkelijke bericht krijgt?"});
    VerwachtWitteTekst(1, 7, "Het versleutelde bericht:");
    VerwachtWitteTekst(1, 12, "Het ontcijferde bericht:");

    // The shown letter: line 1 from column 1, lines 2 and 3 from column 0 with
    // their leading blank, in the stream's grey; 218 characters in all.
    EXPECT_EQ(CelOp(0, 8), Leeg);
    EXPECT_EQ(CelOp(1, 8), (Cel{'N', 7}));
    EXPECT_EQ(CelOp(0, 9), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(0, 10), (Cel{' ', 7}));
    const std::vector<std::string> regels = GetoondeRegels();
    EXPECT_EQ(regels.at(0).size(), 70u);
    EXPECT_EQ(regels.at(1).size(), 75u);
    EXPECT_EQ(regels.at(2).size(), 73u);
    EXPECT_EQ(regels.at(0).substr(0, 13), "Njko mjfgtuf.");
    EXPECT_EQ(regels.at(2).substr(regels.at(2).size() - 7), "hfajfo?");
    EXPECT_EQ(Oplossing().size(), 218u);
    for (int y = 13; y <= 15; ++y) EXPECT_EQ(RijTekst(y), std::string(80, ' ')) << y;
    EXPECT_EQ(RijTekst(21), std::string(80, ' '));
}

TEST_F(GeheimschriftTest, HetAntwoordStaatCelVoorCelOnderDeBrief) {
    SpeelTotWachten(RegelVoorRegel(), SpeelGeheimschrift);
    // Every typed character stands under the one it deciphers; the blank that
    // starts a shown line ends the answer line above it.
    for (int x = 1; x <= 70; ++x) EXPECT_EQ(TekstOp(x, 13, 1), Ontcijfer(TekstOp(x, 8, 1))) << x;
    EXPECT_EQ(CelOp(71, 13), (Cel{' ', 14}));
    for (int x = 1; x <= 74; ++x) EXPECT_EQ(TekstOp(x, 14, 1), Ontcijfer(TekstOp(x, 9, 1))) << x;
    EXPECT_EQ(CelOp(75, 14), (Cel{' ', 14}));
    for (int x = 1; x <= 72; ++x) EXPECT_EQ(TekstOp(x, 15, 1), Ontcijfer(TekstOp(x, 10, 1))) << x;
    EXPECT_EQ(CelOp(73, 15), Leeg);
    EXPECT_EQ(CelOp(0, 13), Leeg);
    EXPECT_EQ(AttribuutOp(1, 13), 14);
    EXPECT_EQ(AttribuutOp(72, 15), 14);
    EXPECT_FALSE(MeldingStaat());
}

TEST_F(GeheimschriftTest, HetJuisteAntwoordWint) {
    const std::string eersteRegel = GetoondeRegels().at(0);
    const Toetsen typen = RegelVoorRegel();
    SpeelTotWachten(typen + Toetsen{Enter}, SpeelGeheimschrift);
    EXPECT_FALSE(MeldingStaat());
    // A black margin around the box, over the letter and the answer.
    VerwachtZwarteRand();
    EXPECT_EQ(CelOp(19, 8), (Cel{static_cast<unsigned char>(eersteRegel.at(18)), 7}));
    EXPECT_EQ(CelOp(59, 8), (Cel{static_cast<unsigned char>(eersteRegel.at(58)), 7}));
    EXPECT_EQ(AttribuutOp(19, 13), 14);
    EXPECT_EQ(AttribuutOp(59, 13), 14);
    EXPECT_EQ(AttribuutOp(20, 18), 7);
    VerwachtWinstVenster({{22, 11, "Je hebt de brief van de leeuw"},
                          {22, 12, "ontcijfert. De leeuw plukt een"},
                          {22, 13, "moerbei", 14},
                          {30, 13, "uit de boom en geeft hem"},
                          {22, 14, "aan jou als dank voor je moeite!"},
                          {22, 16, "Kom op! We gaan weer verder!"}});

    EXPECT_TRUE(Speel(typen + Toetsen{Enter, Teken('x')}, SpeelGeheimschrift));
    EXPECT_EQ(ToetsenOver(), 0u);
}

TEST_F(GeheimschriftTest, EscVertrektMeteen) {
    EXPECT_FALSE(Speel({Esc, Enter}, SpeelGeheimschrift));
    EXPECT_EQ(ToetsenOver(), 1u);
    // Also with the right answer typed but not yet tried.
    EXPECT_FALSE(Speel(RegelVoorRegel() + Toetsen{Esc, Enter}, SpeelGeheimschrift));
    EXPECT_EQ(ToetsenOver(), 1u);
    EXPECT_NE(TekstOp(32, 9, 14), "Gefeliciteerd!");
}

TEST_F(GeheimschriftTest, EenLeegAntwoordWordtGeweigerdEnDeVolgendeToetsWistAlleenDeMelding) {
    SpeelTotWachten({Enter}, SpeelGeheimschrift);
    EXPECT_TRUE(MeldingStaat());
    for (int x = 27; x < 49; ++x) EXPECT_EQ(AttribuutOp(x, 21), 14) << x;

    SpeelTotWachten({Enter, Teken('q')}, SpeelGeheimschrift);
    for (int x = 27; x < 49; ++x) EXPECT_EQ(CelOp(x, 21), (Cel{' ', 7})) << x;
    EXPECT_EQ(CelOp(26, 21), Leeg);
    EXPECT_EQ(CelOp(49, 21), Leeg);
    EXPECT_EQ(RijTekst(13), std::string(80, ' ')); // the q was not typed

    // Nor does an Esc that dismisses it leave the game.
    SpeelTotWachten({Enter, Esc, Teken('q')}, SpeelGeheimschrift);
    EXPECT_EQ(CelOp(1, 13), (Cel{'q', 14}));
}

TEST_F(GeheimschriftTest, AlleenDeExacteTekstWint) {
    const std::string oplossing = Oplossing();
    std::string hoofdletter = oplossing;
    hoofdletter.at(0) = static_cast<char>(hoofdletter.at(0) + ('a' - 'A'));
    std::string leesteken = oplossing;
    leesteken.back() = '!';
    std::string extraBlank = oplossing;
    extraBlank.insert(oplossing.find(' '), 1, ' ');
    const std::string kort = oplossing.substr(0, oplossing.size() - 1);
    for (const std::string& fout : {hoofdletter, leesteken, extraBlank, kort, oplossing + " "}) {
        SpeelTotWachten(Tekst(fout) + Toetsen{Enter}, SpeelGeheimschrift);
        EXPECT_TRUE(MeldingStaat()) << fout;
    }

    // The answer stays as typed: finishing it after the message wins.
    EXPECT_TRUE(Speel(Tekst(kort) + Toetsen{Enter, Pijl(Links)} + Tekst(oplossing.substr(217)) +
                          Toetsen{Enter, Enter},
                      SpeelGeheimschrift));
    EXPECT_EQ(ToetsenOver(), 0u);
    // And so does correcting it with Backspace.
    EXPECT_TRUE(Speel(Tekst(hoofdletter) + Toetsen{Enter, Spatie} + Herhaal(Backspace, 218) +
                          Tekst(oplossing) + Toetsen{Enter, Enter},
                      SpeelGeheimschrift));
}

TEST_F(GeheimschriftTest, BackspaceGaatTerugOverRegeleinden) {
    const std::string oplossing = Oplossing();
    // 71 characters fill line 1; the 72nd lands under the start of line 2.
    SpeelTotWachten(Tekst(oplossing.substr(0, 72)), SpeelGeheimschrift);
    EXPECT_EQ(CelOp(71, 13), (Cel{static_cast<unsigned char>(oplossing.at(70)), 14}));
    EXPECT_EQ(CelOp(72, 13), Leeg);
    EXPECT_EQ(CelOp(1, 14), (Cel{static_cast<unsigned char>(oplossing.at(71)), 14}));

    // Two back: the cells of the 72nd and the 71st are blanked.
    SpeelTotWachten(Tekst(oplossing.substr(0, 72)) + Herhaal(Backspace, 2), SpeelGeheimschrift);
    EXPECT_EQ(CelOp(1, 14), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(71, 13), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(70, 13), (Cel{static_cast<unsigned char>(oplossing.at(69)), 14}));
    // The next character lands at column 71 again, the one after on line 2.
    SpeelTotWachten(Tekst(oplossing.substr(0, 72)) + Herhaal(Backspace, 2) + Tekst("AB"),
                    SpeelGeheimschrift);
    EXPECT_EQ(CelOp(71, 13), (Cel{'A', 14}));
    EXPECT_EQ(CelOp(1, 14), (Cel{'B', 14}));
    // Each key says what it typed or took away, a change of line, and the
    // enciphered character above the typing position (" uf" begins line 2).
    EXPECT_EQ(LaatsteBerichten(10),
              (std::vector<std::string>{"t gewist", "Versleuteld: u", "spatie gewist", "Regel 1",
                                        "Versleuteld: spatie", "hoofdletter A", "Regel 2",
                                        "Versleuteld: u", "hoofdletter B", "Versleuteld: f"}));

    // From line 3 back to column 75 of line 2.
    SpeelTotWachten(Tekst(oplossing.substr(0, 147)), SpeelGeheimschrift);
    EXPECT_EQ(CelOp(75, 14), (Cel{static_cast<unsigned char>(oplossing.at(145)), 14}));
    EXPECT_EQ(CelOp(1, 15), (Cel{static_cast<unsigned char>(oplossing.at(146)), 14}));
    SpeelTotWachten(Tekst(oplossing.substr(0, 147)) + Herhaal(Backspace, 2) + Tekst("C"),
                    SpeelGeheimschrift);
    EXPECT_EQ(CelOp(1, 15), (Cel{' ', 7}));
    EXPECT_EQ(CelOp(75, 14), (Cel{'C', 14}));

    // Backspace on an empty answer moves nothing and removes nothing.
    EXPECT_TRUE(Speel(Herhaal(Backspace, 3) + Tekst(oplossing) + Toetsen{Enter, Enter},
                      SpeelGeheimschrift));
    // Backspace across both line ends, then retyping, still gives the answer.
    EXPECT_TRUE(Speel(Tekst(oplossing) + Herhaal(Backspace, 150) +
                          Tekst(oplossing.substr(oplossing.size() - 150)) + Toetsen{Enter, Enter},
                      SpeelGeheimschrift));
}

TEST_F(GeheimschriftTest, HetAntwoordIsVolNa223Tekens) {
    const std::string oplossing = Oplossing();
    const std::string vol = oplossing + "vwxyz"; // 71 + 75 + 77 characters
    SpeelTotWachten(Tekst(vol), SpeelGeheimschrift);
    EXPECT_EQ(TekstOp(73, 15, 5), "vwxyz");
    EXPECT_EQ(CelOp(77, 15), (Cel{'z', 14}));
    EXPECT_EQ(CelOp(78, 15), Leeg);

    // The 224th character is ignored, wherever it would go.
    SpeelTotWachten(Tekst(vol + "Q"), SpeelGeheimschrift);
    EXPECT_EQ(LaatsteBerichten(2), (std::vector<std::string>{"z", "Het antwoord is vol"}));
    EXPECT_EQ(CelOp(78, 15), Leeg);
    EXPECT_EQ(CelOp(77, 15), (Cel{'z', 14}));
    EXPECT_EQ(RijTekst(16), std::string(80, ' '));

    // Backspace still works, and what it leaves is the answer alone.
    SpeelTotWachten(Tekst(vol + "Q") + Toetsen{Backspace}, SpeelGeheimschrift);
    EXPECT_EQ(CelOp(77, 15), (Cel{' ', 7}));
    EXPECT_TRUE(Speel(Tekst(vol + "Q") + Herhaal(Backspace, 5) + Toetsen{Enter, Enter},
                      SpeelGeheimschrift));
}

TEST_F(GeheimschriftTest, HogeTekensTabEnPijlenWordenNooitGetypt) {
    const std::string oplossing = Oplossing();
    const Toetsen storing = {ToetsDruk{static_cast<char>(0xe9), 0},
                             ToetsDruk{static_cast<char>(128), 0},
                             ToetsDruk{static_cast<char>(255), 0},
                             Teken('\t'),
                             Pijl(Links),
                             Pijl(Rechts),
                             Pijl(Omhoog),
                             Pijl(Omlaag),
                             F12,
                             Shift,
                             ToetsDruk{127, ToetsDelete}};
    SpeelTotWachten(Tekst("a") + storing + Tekst("b"), SpeelGeheimschrift);
    EXPECT_EQ(TekstOp(1, 13, 2), "ab");
    EXPECT_EQ(CelOp(3, 13), Leeg);

    Toetsen typen;
    for (const char c : oplossing) typen = typen + Tekst(std::string(1, c)) + storing;
    EXPECT_TRUE(Speel(typen + Toetsen{Enter, Enter}, SpeelGeheimschrift));
    EXPECT_EQ(ToetsenOver(), 0u);
}

} // namespace
