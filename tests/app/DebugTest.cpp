#include "app/Debug.h"
#include "support/Menu.h"
#include "support/Oplossingen.h"
#include "support/Zelftesten.h"

using namespace script;

namespace {

class DebugTest : public Wandeling {};

const std::string Geslaagd = "De test is geslaagd...";
const std::string NietGeslaagd = "De test is niet geslaagd...";

std::string Uitslag() {
    return TekstOp(20, 11, 27);
}

TEST_F(DebugTest, TestUnitSchermVanElkeUnitSlaagt) {
    for (const UnitTest& unit : UnitTesten) {
        SpeelTotWachten({}, [&] { TestUnit(unit.naam); });
        EXPECT_EQ(TekstOp(30, 0, 15), "De Struinpaadje");
        EXPECT_EQ(TekstOp(10, 24, static_cast<int>(CopyrightRegel.size())), CopyrightRegel);
        EXPECT_EQ(TekstOp(20, 9, 35), "Bezig met het testen van de unit...");
        EXPECT_EQ(AttribuutOp(20, 9), 0x1e);
        for (int x = 19; x <= 59; ++x) {
            EXPECT_EQ(AttribuutOp(x, 9) >> 4, 1) << x;
            for (int y = 10; y <= 12; ++y) EXPECT_EQ(AttribuutOp(x, y) >> 4, 8) << x << "," << y;
        }
        EXPECT_EQ(AttribuutOp(18, 10) >> 4, 0);
        EXPECT_EQ(AttribuutOp(60, 10) >> 4, 0);
        EXPECT_EQ(AttribuutOp(30, 13) >> 4, 0);
        EXPECT_EQ(Uitslag(), Geslaagd + "     ") << unit.naam;
        EXPECT_EQ(AttribuutOp(20, 11), 0x8f);
        EXPECT_EQ(RijTekst(11).find(unit.naam), std::string::npos) << "the name is not shown";
        EXPECT_EQ(Berichten().back(), unit.naam + (": " + Geslaagd)) << "but it is said";
    }
}

TEST_F(DebugTest, ElkeToetsVertrektEnWistHetPaneel) {
    for (const ToetsDruk& toets : {Esc, Enter, Pijl(Omhoog), Teken('x'), F12}) {
        Speel({toets}, [] { TestUnit("Ontcijfer"); });
        EXPECT_EQ(ToetsenOver(), 0u);
        for (int y = 9; y <= 12; ++y)
            for (int x = 19; x <= 59; ++x)
                ASSERT_EQ(CelOp(x, y), (Cel{' ', 0x01})) << x << "," << y;
    }
}

TEST_F(DebugTest, AlleenDeExacteNaamVindtZijnUnit) {
    for (const std::string naam : {"Terugreis          ", " Terugreis", "terugreis", "TERUGREIS",
                                   "Terug", "Alfabet", "", "VerwijderdeKlinkers "}) {
        SpeelTotWachten({}, [&] { TestUnit(naam); });
        EXPECT_EQ(Uitslag(), NietGeslaagd) << "'" << naam << "'";
    }
}

TEST_F(DebugTest, TestUnitToontEenFalendeUnit) {
    const std::vector<UnitTest> testen = {
        {"Een", GoedeZelftest}, {"Twee", FouteZelftest}, {"Twee", GoedeZelftest}};
    ZelftestenGedraaid = 0;
    SpeelTotWachten({}, [&] { TestUnit("Twee", testen); });
    EXPECT_EQ(Uitslag(), NietGeslaagd);
    EXPECT_EQ(ZelftestenGedraaid, 1) << "only the first unit of that name runs";
    ZelftestenGedraaid = 0;
    SpeelTotWachten({}, [&] { TestUnit("Een", testen); });
    EXPECT_EQ(Uitslag(), Geslaagd + "     ");
    EXPECT_EQ(ZelftestenGedraaid, 1);
}

// Reads the submenu label at a position off the menu, without its padding.
std::string LabelOpScherm(int rij) {
    std::string label = TekstOp(23, rij, 19);
    return label.substr(0, label.find_last_not_of(' ') + 1);
}

TEST_F(DebugTest, ElkeUnitPositieTestDeUnitDieZijnLabelNoemt) {
    const Toetsen unitMenu = Toetsen{F12} + Herhaal(Pijl(Omlaag), 4) + Toetsen{Pijl(Rechts)};
    const std::string namen[] = {"Terugreis",   "VergelijkGetallen", "Voedingswaarde",
                                 "Alfabetisch", "Ontcijfer",         "VerwijderdeKlinkers"};
    for (int positie = 1; positie <= 6; ++positie) {
        const Toetsen naar = unitMenu + Herhaal(Pijl(Omlaag), positie - 1);
        SpeelTotWachten(naar, Hoofdmenu);
        const int rij = 11 + positie;
        ASSERT_EQ(SubCursorRij(), rij);
        EXPECT_EQ(LabelOpScherm(rij), namen[positie - 1]);

        SpeelTotWachten(naar + Toetsen{Enter}, Hoofdmenu);
        EXPECT_EQ(Uitslag(), Geslaagd + "     ") << positie;
        SpeelTotWachten(naar + Toetsen{Enter, Esc}, Hoofdmenu);
        VerwachtMenu(1, true);
    }
}

const Toetsen SpelMenu = Toetsen{F12} + Herhaal(Pijl(Omlaag), 5) + Toetsen{Pijl(Rechts)};

Toetsen KiesSpel(int positie) {
    return SpelMenu + Herhaal(Pijl(Omlaag), positie - 1) + Toetsen{Enter};
}

TEST_F(DebugTest, ElkeSpelPositieStartHetSpelDatZijnLabelNoemt) {
    const struct {
        int positie;
        std::string label;
        std::string titel; // as the game shows it at (1, 2)
    } spellen[] = {
        {1, "Eekhoorn", "De Eekhoorn"},
        {2, "Kluis", "De Kluis"},
        {3, "Postduif", "De Postduif"},
        {4, "Alfabet", "Het alfabet"},
        {5, "Geheimschrift", "Het geheimschrift"},
        {6, "Klinkers", "De klinkers"},
    };
    for (const auto& spel : spellen) {
        SpeelTotWachten(SpelMenu + Herhaal(Pijl(Omlaag), spel.positie - 1), Hoofdmenu);
        EXPECT_EQ(LabelOpScherm(12 + spel.positie), spel.label);
        EXPECT_EQ(SubCursorRij(), 12 + spel.positie);
        SpeelTotWachten(KiesSpel(spel.positie), Hoofdmenu);
        EXPECT_EQ(TekstOp(1, 2, static_cast<int>(spel.titel.size())), spel.titel);
    }
}

TEST_F(DebugTest, EenHierGewonnenSpelGeeftGeenVoorwerpInDeWandeling) {
    const Toetsen alfabetGewonnen = KiesSpel(4) + WinAlfabet();
    SpeelTotWachten(alfabetGewonnen, Hoofdmenu);
    VerwachtMenu(1, true);
    EXPECT_TRUE(AllesVergeten());
    SpeelTotWachten(alfabetGewonnen + Toetsen{Enter} + Route({1, 1}, {4, 1}), Hoofdmenu);
    EXPECT_EQ(PlekOpScherm(), (Plek{4, 1}));
    EXPECT_EQ(TekstOp(34, 24, 20), SpelSpelen);
    EXPECT_EQ(TekstOp(4, 21, 22), Telling(0));
}

TEST_F(DebugTest, EenHierVerlatenSpelBrengtHetMenuTerug) {
    for (int positie = 1; positie <= 6; ++positie) {
        SpeelTotWachten(KiesSpel(positie) + Toetsen{Esc}, Hoofdmenu);
        VerwachtMenuKader();
        VerwachtMenu(1, true);
    }
}

} // namespace
