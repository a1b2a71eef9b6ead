#include "app/Hoofdmenu.h"

#include "app/Debug.h"
#include "app/Informatie.h"
#include "console/Tekenen.h"
#include "forest/Speurtocht.h"
#include "games/Spellen.h"

#include <array>

namespace {

struct MenuStand {
    std::vector<WoordLijst> submenus;
    int hoofdKeuze = 1; // 1 to the number of shown items
    int subKeuze = 0;   // 0: no submenu open
    bool debugModus = false;
    bool einde = false;
};

// The debug submenus show the names of the units and the games, blank-padded
// to 19 characters.
template <class Lijst> WoordLijst Namen(const Lijst& lijst) {
    WoordLijst namen;
    for (const auto& element : lijst) {
        std::string naam = element.naam;
        naam.resize(19, ' ');
        namen.push_back(naam);
    }
    return namen;
}

WoordLijst InformatieMenu() {
    return {" Help            ", " Over het spel   "};
}
WoordLijst UnitMenu() {
    return Namen(UnitTesten);
}
WoordLijst SpelMenu() {
    return Namen(MiniSpellen);
}

// The actions; an item with a submenu acts on the submenu's cursor position.
void SpelStarten(MenuStand&) {
    Speurtocht();
}
void Informatie(MenuStand& m) {
    if (m.subKeuze == 1)
        ToonHelp();
    else
        ToonOverHetSpel();
}
void Afsluiten(MenuStand& m) {
    m.einde = true;
}
void KaartTonen(MenuStand&) {
    ToonKaart();
}
void TestEenUnit(MenuStand& m) {
    TestUnitOpPositie(m.subKeuze);
}
void TestEenSpel(MenuStand& m) {
    TestSpelOpPositie(m.subKeuze);
}

// The panel of an item's submenu: its title on row `titelRij` (0-based), the
// entries from two rows lower, and its right edge (1-based).
struct SubmenuPaneel {
    const char* titel;
    int titelRij;
    int rechts;
};

// A main item: its label (17 characters), its submenu's entries (nullptr: it
// has none) and their panel, and what choosing it does.
struct MenuItem {
    const char* label;
    WoordLijst (*submenu)();
    SubmenuPaneel paneel;
    void (*actie)(MenuStand&);
};

// The menu's own items, then the debug section's.
constexpr int GewoneItems = 3;
constexpr int AlleItems = 6;
constexpr std::array<MenuItem, AlleItems> Hoofditems = {{
    {" Spel Starten    ", nullptr, {"", 0, 0}, SpelStarten},
    {" Informatie    > ", InformatieMenu, {"Informatie", 4, 41}, Informatie},
    {" Afsluiten       ", nullptr, {"", 0, 0}, Afsluiten},
    {" Kaart tonen     ", nullptr, {"", 0, 0}, KaartTonen},
    {" Test een unit > ", UnitMenu, {"Test een unit", 10, 43}, TestEenUnit},
    {" Test een spel > ", SpelMenu, {"Test een spel", 11, 43}, TestEenSpel},
}};

} // namespace

WoordLijst HoofdmenuItems() {
    WoordLijst labels;
    for (const MenuItem& item : Hoofditems) labels.push_back(item.label);
    return labels;
}

std::vector<WoordLijst> Submenus() {
    std::vector<WoordLijst> submenus;
    for (const MenuItem& item : Hoofditems)
        submenus.push_back(item.submenu ? item.submenu() : WoordLijst{});
    return submenus;
}

namespace {

int AantalGetoond(const MenuStand& m) {
    return m.debugModus ? AlleItems : GewoneItems;
}

const MenuItem& Item(const MenuStand& m) {
    return Hoofditems.at(static_cast<std::size_t>(m.hoofdKeuze - 1));
}

const WoordLijst& Submenu(const MenuStand& m) {
    return m.submenus.at(static_cast<std::size_t>(m.hoofdKeuze - 1));
}

// The row of main item i: items 1 to 3 on rows 4 to 6, the debug section's
// items 4 to 6 below its label, on rows 10 to 12.
std::int16_t ItemRij(int item) {
    return static_cast<std::int16_t>(item <= GewoneItems ? 3 + item : 6 + item);
}

const SubmenuPaneel& Paneel(const MenuStand& m) {
    return Item(m).paneel;
}

void WisSubmenuGebied() {
    VulVlak(23, 5, 43, 22, Zwart);
}

void WisMenuGebied() {
    VulVlak(3, 4, 21, 14, Zwart);
}

// The frame, the menu's title bar; the cursor goes back to item 1.
void TekenVolledig(MenuStand& m) {
    SchermKaderCopyright();
    VulVlak(3, 3, 21, 3, Blauw);
    SchrijfTekst("Hoofdmenu", 3, 2, Geel, Blauw);
    m.hoofdKeuze = 1;
    m.subKeuze = 0;
}

void TekenMenuKader(const MenuStand& m) {
    if (m.debugModus) {
        VulVlak(3, 4, 21, 14, Donkergrijs);
        SchrijfTekst("Debug opties", 4, 8, Zwart, Donkergrijs);
    } else {
        VulVlak(3, 4, 21, 8, Donkergrijs);
    }
}

// A label as it is said: without its padding and its submenu mark.
std::string Kaal(const std::string& label) {
    const auto begin = label.find_first_not_of(" >");
    const auto eind = label.find_last_not_of(" >");
    return begin == std::string::npos ? "" : label.substr(begin, eind - begin + 1);
}

// The items; the focus and the words go to the selected one.
void TekenItems(const MenuStand& m) {
    for (int i = 1; i <= AantalGetoond(m); ++i)
        SchrijfTekst(Hoofditems.at(static_cast<std::size_t>(i - 1)).label, 3, ItemRij(i), Wit,
                     i == m.hoofdKeuze ? Blauw : Donkergrijs);
    if (m.subKeuze == 0) {
        GaNaarXY(4, ItemRij(m.hoofdKeuze));
        Zeg(Kaal(Item(m).label) + (Submenu(m).empty() ? "" : ", submenu"));
        return;
    }
    const WoordLijst& submenu = Submenu(m);
    const int eersteRij = Paneel(m).titelRij + 2;
    for (int i = 1; i <= static_cast<int>(submenu.size()); ++i)
        SchrijfTekst(submenu.at(static_cast<std::size_t>(i - 1)), 23,
                     static_cast<std::int16_t>(eersteRij + i - 1), Wit,
                     i == m.subKeuze ? Blauw : Donkergrijs);
    GaNaarXY(24, static_cast<std::int16_t>(eersteRij + m.subKeuze - 1));
    Zeg(Kaal(submenu.at(static_cast<std::size_t>(m.subKeuze - 1))));
}

void TekenSubmenuPaneel(const MenuStand& m) {
    const SubmenuPaneel& paneel = Paneel(m);
    const int aantal = static_cast<int>(Submenu(m).size());
    TekenPaneel(paneel.titel, 23, 23, paneel.titelRij + 1, paneel.rechts,
                paneel.titelRij + 3 + aantal);
}

// What the loop does after a key: redraw the items, redraw the menu box and
// the items, or run the chosen item's action and redraw everything.
enum class Gevolg { Items, MenuKader, Actie };

// Moves a cursor one step within 1 to `aantal`, wrapping at both ends.
int Stap(int keuze, int stap, int aantal) {
    return (keuze - 1 + stap + aantal) % aantal + 1;
}

Gevolg Verplaats(MenuStand& m, int stap) {
    if (m.subKeuze == 0)
        m.hoofdKeuze = Stap(m.hoofdKeuze, stap, AantalGetoond(m));
    else
        m.subKeuze = Stap(m.subKeuze, stap, static_cast<int>(Submenu(m).size()));
    return Gevolg::Items;
}

Gevolg Omhoog(MenuStand& m) {
    return Verplaats(m, -1);
}

Gevolg Omlaag(MenuStand& m) {
    return Verplaats(m, 1);
}

Gevolg OpenSubmenu(MenuStand& m) {
    if (Submenu(m).empty()) return Gevolg::Items;
    TekenSubmenuPaneel(m);
    if (m.subKeuze == 0) m.subKeuze = 1;
    return Gevolg::Items;
}

Gevolg SluitSubmenu(MenuStand& m) {
    m.subKeuze = 0;
    WisSubmenuGebied();
    return Gevolg::Items;
}

Gevolg WisselDebug(MenuStand& m) {
    WisMenuGebied();
    m.debugModus = !m.debugModus;
    m.hoofdKeuze = 1;
    m.subKeuze = 0;
    WisSubmenuGebied();
    return Gevolg::MenuKader;
}

// Enter on an item with a submenu only acts once the submenu is open.
Gevolg Kies(MenuStand& m) {
    if (m.subKeuze == 0 && !Submenu(m).empty()) return Gevolg::Items;
    WisSubmenuGebied();
    return Gevolg::Actie;
}

struct MenuToets {
    std::uint16_t code;
    Gevolg (*verwerk)(MenuStand&);
};
constexpr std::array<MenuToets, 7> Toetsen = {{
    {ToetsOmhoog, Omhoog},
    {ToetsOmlaag, Omlaag},
    {ToetsRechts, OpenSubmenu},
    {ToetsF12, WisselDebug},
    {ToetsEnter, Kies},
    {ToetsEsc, SluitSubmenu},
    {ToetsLinks, SluitSubmenu},
}};

Gevolg VerwerkToets(MenuStand& m, std::uint16_t code) {
    for (const MenuToets& toets : Toetsen)
        if (toets.code == code) return toets.verwerk(m);
    return Gevolg::Items;
}

} // namespace

void Hoofdmenu() {
    VerbergCursor();
    MenuStand m{Submenus()};
    Gevolg gevolg = Gevolg::Actie; // the first picture is drawn in full, as after an action
    while (true) {
        if (gevolg == Gevolg::Actie) TekenVolledig(m);
        if (gevolg != Gevolg::Items) TekenMenuKader(m);
        TekenItems(m);
        gevolg = VerwerkToets(m, LeesToetsCode());
        if (gevolg == Gevolg::Actie) {
            Item(m).actie(m);
            if (m.einde) return;
        }
    }
}
