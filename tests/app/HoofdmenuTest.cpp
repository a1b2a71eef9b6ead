#include "support/Menu.h"

using namespace script;

namespace {

class HoofdmenuTest : public Wandeling {};

const Toetsen Debug = {F12};

Toetsen Omlaag(int n) {
    return Herhaal(Pijl(script::Omlaag), n);
}

// Every cell of the submenu area, columns 22 to 42 of rows 4 to 21, erased to black.
void VerwachtSubmenuGebiedGewist() {
    for (int y = 4; y <= 21; ++y)
        for (int x = 22; x <= 42; ++x) ASSERT_EQ(CelOp(x, y), (Cel{' ', 0x01})) << x << "," << y;
}

TEST_F(HoofdmenuTest, DeLijstenBevattenDeLabelsVanHetMenu) {
    const WoordLijst items = HoofdmenuItems();
    ASSERT_EQ(items.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(items[i], MenuItems[i]);
    const std::vector<WoordLijst> submenus = Submenus();
    ASSERT_EQ(submenus.size(), 6u);
    EXPECT_EQ(submenus[1], (WoordLijst{" Help            ", " Over het spel   "}));
    for (std::size_t i : {0u, 2u, 3u}) EXPECT_TRUE(submenus[i].empty());
    for (std::size_t i : {4u, 5u}) {
        ASSERT_EQ(submenus[i].size(), 6u);
        for (const std::string& label : submenus[i]) EXPECT_EQ(label.size(), 19u) << label;
    }
}

TEST_F(HoofdmenuTest, BijBinnenkomstAlleenDeDrieItemsMetHetEersteGekozen) {
    SchrijfTekst("oud", 60, 15, 15, 4);
    SpeelTotWachten({}, Hoofdmenu);
    VerwachtMenuKader();
    VerwachtMenu(1, false);
    EXPECT_EQ(TekstOp(60, 15, 3), "   ");
    EXPECT_FALSE(Model().cursorZichtbaar);
    EXPECT_EQ(AantalFrames(), 1u);
}

TEST_F(HoofdmenuTest, OmhoogEnOmlaagLopenRondOverDeGetoondeItems) {
    const Toetsen op = {Pijl(Omhoog)};
    const struct {
        Toetsen toetsen;
        int cursor;
    } gevallen[] = {
        {op, 3},
        {Omlaag(1), 2},
        {Omlaag(2), 3},
        {Omlaag(3), 1},
        {op + op, 2},
        {Debug + op, 6},
        {Debug + Omlaag(5), 6},
        {Debug + Omlaag(6), 1},
        {Debug + Omlaag(3), 4},
        {Debug + op + op + op, 4},
    };
    for (const auto& geval : gevallen) {
        SpeelTotWachten(geval.toetsen, Hoofdmenu);
        EXPECT_EQ(HoofdCursor(), geval.cursor) << "after " << geval.toetsen.size() << " keys";
        VerwachtMenu(geval.cursor, geval.toetsen.front() == F12);
    }
}

TEST_F(HoofdmenuTest, RechtsOpentEenSubmenuAlleenOpItemsTweeVijfEnZes) {
    for (int item = 1; item <= 6; ++item) {
        SpeelTotWachten(Debug + Omlaag(item - 1) + Toetsen{Pijl(Rechts)}, Hoofdmenu);
        EXPECT_EQ(HoofdCursor(), item);
        if (item == 2 || item == 5 || item == 6) {
            EXPECT_EQ(SubCursorRij(), item == 2 ? 6 : item == 5 ? 12 : 13) << item;
        } else {
            VerwachtMenu(item, true);
        }
    }
}

struct Paneel {
    int item;
    std::string titel;
    int titelRij;
    int rechts; // 0-based, inclusive
    std::vector<std::string> regels;
};

TEST_F(HoofdmenuTest, ElkSubmenuPaneelMetZijnVullingenEnKleuren) {
    const std::vector<Paneel> panelen = {
        {2, "Informatie", 4, 40, {" Help            ", " Over het spel   "}},
        {5,
         "Test een unit",
         10,
         42,
         {"Terugreis          ", "VergelijkGetallen  ", "Voedingswaarde     ",
          "Alfabetisch        ", "Ontcijfer          ", "VerwijderdeKlinkers"}},
        {6,
         "Test een spel",
         11,
         42,
         {"Eekhoorn           ", "Kluis              ", "Postduif           ",
          "Alfabet            ", "Geheimschrift      ", "Klinkers           "}},
    };
    for (const Paneel& p : panelen) {
        SpeelTotWachten(Debug + Omlaag(p.item - 1) + Toetsen{Pijl(Rechts)}, Hoofdmenu);
        const int eersteRij = p.titelRij + 2;
        const int laatsteRij = eersteRij + static_cast<int>(p.regels.size());
        EXPECT_EQ(TekstOp(23, p.titelRij, static_cast<int>(p.titel.size())), p.titel);
        EXPECT_EQ(AttribuutOp(23, p.titelRij), 0x1e);
        EXPECT_EQ(CelOp(22, p.titelRij), (Cel{' ', 0x11}));
        EXPECT_EQ(CelOp(p.rechts, p.titelRij), (Cel{' ', 0x11}));
        EXPECT_NE(AttribuutOp(p.rechts + 1, p.titelRij) >> 4, 1);
        for (int y = p.titelRij + 1; y <= laatsteRij; ++y) {
            EXPECT_EQ(AttribuutOp(22, y) >> 4, 8) << p.item << " " << y;
            EXPECT_EQ(AttribuutOp(p.rechts, y) >> 4, 8) << p.item << " " << y;
            EXPECT_NE(AttribuutOp(p.rechts + 1, y) >> 4, 8) << p.item << " " << y;
        }
        EXPECT_NE(AttribuutOp(22, laatsteRij + 1) >> 4, 8) << p.item;
        for (std::size_t i = 0; i < p.regels.size(); ++i) {
            const int rij = eersteRij + static_cast<int>(i);
            EXPECT_EQ(TekstOp(23, rij, static_cast<int>(p.regels[i].size())), p.regels[i]);
            EXPECT_EQ(AttribuutOp(23, rij), i == 0 ? 0x1f : 0x8f);
        }
        EXPECT_EQ(HoofdCursor(), p.item) << "the parent item stays blue";
    }
}

TEST_F(HoofdmenuTest, InEenSubmenuLopenOmhoogEnOmlaagRondEnBlijftDeHoofdcursor) {
    const Toetsen informatie = Omlaag(1) + Toetsen{Pijl(Rechts)};
    const Toetsen unit = Debug + Omlaag(4) + Toetsen{Pijl(Rechts)};
    const struct {
        Toetsen toetsen;
        int hoofd;
        int rij;
    } gevallen[] = {
        {informatie + Omlaag(1), 2, 7},
        {informatie + Omlaag(2), 2, 6},
        {informatie + Toetsen{Pijl(Omhoog)}, 2, 7},
        {unit + Toetsen{Pijl(Omhoog)}, 5, 17},
        {unit + Omlaag(6), 5, 12},
        {unit + Omlaag(3), 5, 15},
        // Right again keeps the submenu's cursor.
        {informatie + Omlaag(1) + Toetsen{Pijl(Rechts)}, 2, 7},
        {unit + Omlaag(2) + Toetsen{Pijl(Rechts), Pijl(Rechts)}, 5, 14},
    };
    for (const auto& geval : gevallen) {
        SpeelTotWachten(geval.toetsen, Hoofdmenu);
        EXPECT_EQ(HoofdCursor(), geval.hoofd);
        EXPECT_EQ(SubCursorRij(), geval.rij);
    }
}

TEST_F(HoofdmenuTest, EnterOpEenItemMetEenGeslotenSubmenuWordtGenegeerd) {
    for (int item : {2, 5, 6}) {
        const Toetsen naar = Debug + Omlaag(item - 1);
        SpeelTotWachten(naar, Hoofdmenu);
        const auto ervoor = Model().cellen;
        SpeelTotWachten(naar + Toetsen{Enter, Enter}, Hoofdmenu);
        EXPECT_TRUE(Model().cellen == ervoor) << item;
        EXPECT_EQ(AantalFrames(), naar.size() + 3);
        // The cursor stays where it was: Down moves on from it.
        SpeelTotWachten(naar + Toetsen{Enter, Pijl(script::Omlaag)}, Hoofdmenu);
        EXPECT_EQ(HoofdCursor(), item % 6 + 1);
    }
}

TEST_F(HoofdmenuTest, LinksOfEscSluitHetSubmenu) {
    for (ToetsDruk sluit : {Pijl(Links), Esc}) {
        for (int item : {2, 5, 6}) {
            SpeelTotWachten(Debug + Omlaag(item - 1) +
                                Toetsen{Pijl(Rechts), Pijl(script::Omlaag), sluit},
                            Hoofdmenu);
            VerwachtSubmenuGebiedGewist();
            VerwachtMenu(item, true);
            // Right opens it again on its first entry.
            SpeelTotWachten(Debug + Omlaag(item - 1) +
                                Toetsen{Pijl(Rechts), Pijl(script::Omlaag), sluit, Pijl(Rechts)},
                            Hoofdmenu);
            EXPECT_EQ(SubCursorRij(), item == 2 ? 6 : item == 5 ? 12 : 13);
        }
        // With no submenu open it only erases the empty area.
        SpeelTotWachten(Omlaag(2) + Toetsen{sluit}, Hoofdmenu);
        VerwachtSubmenuGebiedGewist();
        VerwachtMenu(3, false);
    }
}

TEST_F(HoofdmenuTest, F12SchakeltDeDebugSectieInElkeToestand) {
    const struct {
        const char* staat;
        Toetsen toetsen;
        bool debugNa;
    } gevallen[] = {
        {"normal, first item", {}, true},
        {"normal, last item", Omlaag(2), true},
        {"normal, submenu open", Omlaag(1) + Toetsen{Pijl(Rechts), Pijl(script::Omlaag)}, true},
        {"debug, first item", Debug, false},
        {"debug, last item", Debug + Omlaag(5), false},
        {"debug, map item", Debug + Omlaag(3), false},
        {"debug, unit submenu open", Debug + Omlaag(4) + Toetsen{Pijl(Rechts)}, false},
        {"debug, game submenu open", Debug + Omlaag(5) + Toetsen{Pijl(Rechts)} + Omlaag(5), false},
        {"debug, info submenu open", Debug + Omlaag(1) + Toetsen{Pijl(Rechts)}, false},
    };
    for (const auto& geval : gevallen) {
        SpeelTotWachten(geval.toetsen + Toetsen{F12}, Hoofdmenu);
        SCOPED_TRACE(geval.staat);
        VerwachtMenu(1, geval.debugNa);
        VerwachtSubmenuGebiedGewist();
        if (!geval.debugNa) {
            // The debug section's part of the menu area is erased to black.
            for (int y = 8; y <= 13; ++y)
                for (int x = 2; x <= 20; ++x)
                    EXPECT_EQ(CelOp(x, y), (Cel{' ', 0x01})) << x << "," << y;
        }
    }
}

TEST_F(HoofdmenuTest, EscVerlaatHetMenuNooit) {
    SpeelTotWachten(Toetsen{Esc, Esc} + Debug + Toetsen{Esc, Teken('q'), Spatie}, Hoofdmenu);
    VerwachtMenu(1, true);
}

TEST_F(HoofdmenuTest, AfsluitenIsDeUitgangEnLaatHetLaatsteBeeldStaan) {
    for (const Toetsen& naar : {Omlaag(2), Toetsen{Pijl(Omhoog)}, Debug + Omlaag(2)}) {
        Speel(naar + Toetsen{Enter}, Hoofdmenu);
        EXPECT_EQ(ToetsenOver(), 0u);
        VerwachtMenuKader();
        VerwachtMenu(3, naar.front() == F12);
    }
}

// After an action the whole picture comes back with the cursor on item 1, the
// submenu closed and the debug section as it was.
void VerwachtTerugNaActie(const Toetsen& actie, const Toetsen& scherm, bool debug) {
    std::vector<Cel> actieScherm;
    BijTonen([&](const ConsoleModel& model) {
        if (AantalFrames() == actie.size() + 1) actieScherm = model.cellen;
    });
    SpeelTotWachten(actie + scherm, Hoofdmenu);
    BijTonen(nullptr);
    EXPECT_EQ(AantalFrames(), actie.size() + scherm.size() + 1);
    VerwachtMenuKader();
    VerwachtMenu(1, debug);
    // Nothing of the action's screen is left outside the menu.
    for (int y = 1; y <= 22; ++y)
        for (int x = 21; x <= 79; ++x) ASSERT_EQ(CelOp(x, y), Cel{}) << x << "," << y;
    EXPECT_FALSE(actieScherm.empty());
    EXPECT_FALSE(actieScherm == Model().cellen) << "the action drew its own screen";
}

TEST_F(HoofdmenuTest, NaElkeActieKomtHetMenuVolledigTerug) {
    const Toetsen rechts = {Pijl(Rechts)};
    const Toetsen kies = {Enter};
    VerwachtTerugNaActie(Omlaag(1) + rechts + kies, {Pijl(Links)}, false);               // help
    VerwachtTerugNaActie(Omlaag(1) + rechts + Omlaag(1) + kies, {Esc}, false);           // about
    VerwachtTerugNaActie(Debug + Omlaag(1) + rechts + kies, {Shift}, true);              // help
    VerwachtTerugNaActie(Debug + Omlaag(3) + kies, {Enter}, true);                       // map
    VerwachtTerugNaActie(Debug + Omlaag(4) + rechts + Omlaag(3) + kies, {Spatie}, true); // unit
    VerwachtTerugNaActie(kies, {Esc}, false);                                            // walk
    VerwachtTerugNaActie(Debug + kies, {Pijl(script::Omlaag), Esc}, true);               // walk
}

TEST_F(HoofdmenuTest, EnterOpEenItemVoertZijnActieUit) {
    SpeelTotWachten(Omlaag(1) + Toetsen{Pijl(Rechts), Enter}, Hoofdmenu);
    EXPECT_EQ(TekstOp(3, 2, 4), "Help");
    SpeelTotWachten(Omlaag(1) + Toetsen{Pijl(Rechts), Pijl(Omhoog), Enter}, Hoofdmenu);
    EXPECT_EQ(TekstOp(32, 9, 13), "Over het spel");
    SpeelTotWachten(Debug + Omlaag(3) + Toetsen{Enter}, Hoofdmenu);
    EXPECT_EQ(TekstOp(3, 4, 8), "De kaart");
    SpeelTotWachten(Debug + Omlaag(4) + Toetsen{Pijl(Rechts), Enter}, Hoofdmenu);
    EXPECT_EQ(TekstOp(20, 9, 35), "Bezig met het testen van de unit...");
    SpeelTotWachten(Toetsen{Enter}, Hoofdmenu);
    EXPECT_EQ(PlekOpScherm(), (Plek{1, 1}));
}

TEST_F(HoofdmenuTest, ZegtHetGekozenItemEnOfHetEenSubmenuHeeft) {
    SpeelTotWachten({Pijl(script::Omlaag), Pijl(script::Omlaag), Pijl(Omhoog), Pijl(Omhoog),
                     Pijl(script::Omlaag), Pijl(Rechts), Pijl(script::Omlaag), F12, Pijl(Omhoog)},
                    Hoofdmenu);
    const std::vector<std::string> verwacht = {
        "Spel Starten", "Informatie, submenu",   "Afsluiten", "Informatie, submenu",
        "Spel Starten", "Informatie, submenu",   "Help",      "Over het spel",
        "Spel Starten", "Test een spel, submenu"};
    EXPECT_EQ(Berichten(), verwacht) << "one sentence a frame, the item first";
}

} // namespace
