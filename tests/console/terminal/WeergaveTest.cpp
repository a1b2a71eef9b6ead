#include "console/terminal/Weergave.h"
#include "console/Cp437.h"
#include "console/TeKlein.h"
#include "support/Vt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The renderer's output is read twice: its raw bytes must keep to what the
// renderer may send (printable UTF-8, carriage return, backspace, and CSI
// sequences for absolute and relative cursor moves, SGR, erasing, repeating and
// cursor visibility; anything else fails the test), and the shared test
// terminal shows the picture they make.
struct Uitvoer {
    int tekens = 0;       // characters written
    std::vector<int> sgr; // every SGR code, in order
};

Uitvoer Ontleed(std::string_view bytes) {
    Uitvoer uit;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b != 0x1b) {
            if (b == '\r' || b == '\b') { // carriage return and backspace move the cursor
                ++i;
                continue;
            }
            if (b < 0x20) {
                ADD_FAILURE() << "control byte " << int{b} << " in the output";
                return uit;
            }
            ++uit.tekens;
            i += b < 0x80 ? 1 : b < 0xe0 ? 2 : b < 0xf0 ? 3 : 4;
            continue;
        }
        std::size_t k = i + 2;
        if (i + 1 >= bytes.size() || bytes[i + 1] != '[') {
            ADD_FAILURE() << "ESC without [ at byte " << i;
            return uit;
        }
        while (k < bytes.size() && !(bytes[k] >= 0x40 && bytes[k] <= 0x7e)) ++k;
        if (k >= bytes.size()) {
            ADD_FAILURE() << "unfinished sequence at byte " << i;
            return uit;
        }
        const std::string parameters(bytes.substr(i + 2, k - i - 2));
        const char slot = bytes[k];
        i = k + 1;
        if (parameters == "?25" && (slot == 'h' || slot == 'l')) continue;
        if (parameters.find_first_not_of("0123456789;") != std::string::npos) {
            ADD_FAILURE() << "parameters " << parameters;
        } else if (slot == 'm') {
            std::size_t van = 0;
            for (std::size_t puntkomma = 0; puntkomma != std::string::npos; van = puntkomma + 1) {
                puntkomma = parameters.find(';', van);
                const std::string getal = parameters.substr(van, puntkomma - van);
                const int g = getal.empty() ? 0 : std::stoi(getal);
                if (g == 0 || g == 1 || g == 22 || (g >= 30 && g <= 37) || (g >= 90 && g <= 97) ||
                    (g >= 40 && g <= 47) || (g >= 100 && g <= 107))
                    uit.sgr.push_back(g);
                else
                    ADD_FAILURE() << "unexpected SGR " << g;
            }
        } else if (std::string_view("HABCDGdXb").find(slot) == std::string_view::npos &&
                   !(slot == 'K' && parameters.empty()) && !(slot == 'J' && parameters == "2")) {
            ADD_FAILURE() << "unexpected sequence CSI " << parameters << slot;
        }
    }
    return uit;
}

// A terminal without automatic wrap: the renderer places every row itself, so a
// character past the end of a line must not land on the next one.
vt::Scherm Terminal(int breedte, int hoogte) {
    vt::Scherm scherm = vt::NieuwScherm(breedte, hoogte);
    scherm.autoTerugloop = false;
    return scherm;
}

// Checks the bytes and shows them on the terminal.
Uitvoer Toon(vt::Scherm& scherm, const std::string& bytes) {
    const Uitvoer uit = Ontleed(bytes);
    vt::Verwerk(scherm, bytes);
    EXPECT_EQ(scherm.buitenRand, 0) << "the cursor was sent off the screen";
    EXPECT_TRUE(scherm.onbekend.empty()) << scherm.onbekend.front();
    return uit;
}

// One frame as the terminal backend draws it: what the last frame left on
// this terminal carries over in `stand`.
Uitvoer Toon(vt::Scherm& scherm, const ConsoleModel* vorig, const ConsoleModel& nieuw,
             const WeergaveOpties& opties, Terminalstand& stand) {
    stand.breedte = scherm.breedte;
    stand.hoogte = scherm.hoogte;
    return Toon(scherm, TekenVerschil(vorig, nieuw, opties, stand));
}

// The same with a terminal that has just been cleared and is drawn on afresh.
Uitvoer ToonNieuw(vt::Scherm& scherm, const ConsoleModel& m, const WeergaveOpties& opties) {
    Terminalstand stand;
    return Toon(scherm, nullptr, m, opties, stand);
}

// What a cell of the model must look like on a 16-colour UTF-8 terminal.
vt::Cel Verwacht(const Cel& cel) {
    return vt::Cel{Cp437NaarUnicode(cel.teken), cel.attribuut & 15, cel.attribuut >> 4, false};
}

ConsoleModel WillekeurigModel(std::mt19937& gen, int breedte = 80, int hoogte = 25) {
    ConsoleModel m;
    m.breedte = breedte;
    m.hoogte = hoogte;
    m.cellen.resize(static_cast<std::size_t>(breedte * hoogte));
    for (Cel& cel : m.cellen)
        cel = Cel{static_cast<unsigned char>(gen() % 256), static_cast<unsigned char>(gen() % 256)};
    m.cursorX = static_cast<int>(gen() % static_cast<unsigned>(breedte));
    m.cursorY = static_cast<int>(gen() % static_cast<unsigned>(hoogte));
    m.cursorZichtbaar = gen() % 2 == 0;
    return m;
}

// Every cell looks as the model says (a blank shows only its background), the
// one under a shown cursor in full.
void VerwachtModel(const vt::Scherm& scherm, const ConsoleModel& m) {
    for (int y = 0; y < m.hoogte; ++y)
        for (int x = 0; x < m.breedte; ++x) {
            const vt::Cel verwacht =
                Verwacht(m.cellen[static_cast<std::size_t>(y * m.breedte + x)]);
            if (m.cursorZichtbaar && x == m.cursorX && y == m.cursorY)
                ASSERT_EQ(vt::CelOp(scherm, x, y), verwacht) << "cell " << x << "," << y;
            else
                ASSERT_PRED2(vt::ZelfdeBeeld, vt::CelOp(scherm, x, y), verwacht)
                    << "cell " << x << "," << y;
        }
    // Hidden or not, the cursor stands where the model has it.
    EXPECT_EQ(scherm.cursorZichtbaar, m.cursorZichtbaar);
    EXPECT_EQ(scherm.cursorX, m.cursorX);
    EXPECT_EQ(scherm.cursorY, m.cursorY);
}

const WeergaveOpties Utf8Zestien{true, false};

TEST(WeergaveTest, EenEersteBeeldTekentElkeCelInZijnKleuren) {
    std::mt19937 gen(7);
    const ConsoleModel m = WillekeurigModel(gen);
    vt::Scherm scherm = Terminal(80, 25);
    EXPECT_EQ(ToonNieuw(scherm, m, Utf8Zestien).tekens, 80 * 25);
    VerwachtModel(scherm, m);
}

TEST(WeergaveTest, EenGelijkBeeldStuurtNiets) {
    std::mt19937 gen(8);
    const ConsoleModel m = WillekeurigModel(gen);
    const ConsoleModel kopie = m;
    for (const WeergaveOpties& opties : {Utf8Zestien, WeergaveOpties{false, true, true, true}}) {
        Terminalstand stand;
        TekenVerschil(nullptr, m, opties, stand);
        EXPECT_EQ(TekenVerschil(&kopie, m, opties, stand), "");
    }
}

TEST(WeergaveTest, AlleenVeranderdeCellenWordenGetekend) {
    std::mt19937 gen(9);
    for (int ronde = 0; ronde < 50; ++ronde) {
        const ConsoleModel vorig = WillekeurigModel(gen);
        ConsoleModel nieuw = vorig;
        const int aantal = static_cast<int>(gen() % 60);
        std::vector<bool> geraakt(nieuw.cellen.size());
        for (int i = 0; i < aantal; ++i) {
            const std::size_t plek = gen() % nieuw.cellen.size();
            Cel& cel = nieuw.cellen[plek];
            cel.attribuut = static_cast<unsigned char>(cel.attribuut ^ (1 + gen() % 255));
            // A blank changes only with its background, or under a shown cursor.
            const bool leeg = cel.teken == 0 || cel.teken == ' ';
            const bool onderCursor =
                nieuw.cursorZichtbaar &&
                plek == static_cast<std::size_t>(nieuw.cursorY * 80 + nieuw.cursorX);
            geraakt[plek] =
                !leeg || onderCursor || (cel.attribuut >> 4) != (vorig.cellen[plek].attribuut >> 4);
        }
        // Besides the changed cells only those a few columns before one on its
        // row, where writing them again is shorter than moving the cursor.
        int veranderd = 0;
        int hooguit = 0;
        int vorige = -100;
        for (int plek = 0; plek < static_cast<int>(geraakt.size()); ++plek) {
            if (!geraakt[static_cast<std::size_t>(plek)]) continue;
            ++veranderd;
            const int gat = plek - vorige - 1;
            hooguit += 1 + (plek / 80 == vorige / 80 && gat <= 8 ? gat : 0);
            vorige = plek;
        }

        vt::Scherm scherm = Terminal(80, 25);
        Terminalstand stand;
        Toon(scherm, nullptr, vorig, Utf8Zestien, stand);
        const int tekens = Toon(scherm, &vorig, nieuw, Utf8Zestien, stand).tekens;
        EXPECT_GE(tekens, veranderd);
        EXPECT_LE(tekens, hooguit);
        VerwachtModel(scherm, nieuw);
    }
}

TEST(WeergaveTest, EenVeranderingKostBytesNaarVerhouding) {
    // A typical screen: mostly black with a dark grey panel. Thirty changed
    // cells in one row cost a few hundred bytes, not a frame.
    ConsoleModel vorig;
    for (int y = 10; y < 18; ++y)
        for (int x = 21; x < 58; ++x)
            vorig.cellen[static_cast<std::size_t>(y * 80 + x)] = {' ', 0x8f};
    ConsoleModel nieuw = vorig;
    for (int x = 22; x < 52; ++x) nieuw.cellen[static_cast<std::size_t>(12 * 80 + x)].teken = 'a';
    Terminalstand stand;
    TekenVerschil(nullptr, vorig, Utf8Zestien, stand);
    EXPECT_LT(TekenVerschil(&vorig, nieuw, Utf8Zestien, stand).size(), 60u);
    EXPECT_GT(TekenVerschil(nullptr, nieuw, Utf8Zestien, stand).size(), 80u * 25u);
}

TEST(WeergaveTest, DeCursorVolgtHetModel) {
    ConsoleModel vorig;
    vorig.cursorZichtbaar = false;
    ConsoleModel nieuw = vorig;
    nieuw.cursorZichtbaar = true;
    nieuw.cursorX = 12;
    nieuw.cursorY = 3;
    vt::Scherm scherm = Terminal(80, 25);
    Terminalstand stand;
    Toon(scherm, nullptr, vorig, Utf8Zestien, stand);
    EXPECT_FALSE(scherm.cursorZichtbaar);
    // Only the blank under it, in full: some terminals show the cursor in its colours.
    EXPECT_EQ(Toon(scherm, &vorig, nieuw, Utf8Zestien, stand).tekens, 1);
    VerwachtModel(scherm, nieuw);
    // A cell drawn elsewhere sends the visible cursor back where it belongs.
    ConsoleModel daarna = nieuw;
    daarna.cellen[500].teken = 'x';
    Toon(scherm, &nieuw, daarna, Utf8Zestien, stand);
    VerwachtModel(scherm, daarna);
    // A hidden cursor that moves with nothing else: the move alone, then nothing.
    ConsoleModel verborgen = daarna;
    verborgen.cursorZichtbaar = false;
    Toon(scherm, &daarna, verborgen, Utf8Zestien, stand);
    ConsoleModel verplaatst = verborgen;
    verplaatst.cursorX = 40;
    verplaatst.cursorY = 20;
    EXPECT_EQ(TekenVerschil(&verborgen, verplaatst, Utf8Zestien, stand), "\x1b[21;41H");
    EXPECT_EQ(TekenVerschil(&verplaatst, verplaatst, Utf8Zestien, stand), "");
}

TEST(WeergaveTest, VoorgrondEnAchtergrondGebruikenDeZestienAnsiKleuren) {
    // Console colours 0-15 (black, blue, green, cyan, red, magenta, brown,
    // light grey, then their bright forms) as SGR foreground and background.
    const int voor[16] = {30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97};
    const int achter[16] = {40, 44, 42, 46, 41, 45, 43, 47, 100, 104, 102, 106, 101, 105, 103, 107};
    for (int a = 0; a < 16; ++a)
        for (int v = 0; v < 16; ++v)
            EXPECT_EQ(KleurParameters(static_cast<unsigned char>(a * 16 + v), Utf8Zestien),
                      std::to_string(voor[v]) + ";" + std::to_string(achter[a]));
    EXPECT_EQ(KleurParameters(0x1e, Utf8Zestien), "93;44");  // yellow on blue
    EXPECT_EQ(KleurParameters(0x8f, Utf8Zestien), "97;100"); // white on dark grey
}

TEST(WeergaveTest, GlyphsKomenUitCodePage437EnLegeCellenZijnSpaties) {
    ConsoleModel m;
    const unsigned char tekens[] = {0, 32, 196, 179, 24, 25, 26, 27, 250, 201, 'A'};
    for (std::size_t i = 0; i < std::size(tekens); ++i) m.cellen[i].teken = tekens[i];
    vt::Scherm scherm = Terminal(80, 25);
    ToonNieuw(scherm, m, Utf8Zestien);
    const char32_t verwacht[] = {U' ', U' ', U'─', U'│', U'↑', U'↓', U'→', U'←', U'·', U'╔', U'A'};
    for (std::size_t i = 0; i < std::size(verwacht); ++i)
        EXPECT_EQ(vt::CelOp(scherm, static_cast<int>(i), 0).teken, verwacht[i]) << i;
}

TEST(WeergaveTest, ZonderUtf8GaanAlleenAsciiLookalikesUit) {
    std::mt19937 gen(10);
    const ConsoleModel m = WillekeurigModel(gen);
    Terminalstand stand;
    const std::string bytes = TekenVerschil(nullptr, m, WeergaveOpties{false, false}, stand);
    for (char c : bytes) ASSERT_LT(static_cast<unsigned char>(c), 0x80);
    vt::Scherm scherm = Terminal(80, 25);
    EXPECT_EQ(Toon(scherm, bytes).tekens, 80 * 25);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 80; ++x)
            ASSERT_EQ(vt::CelOp(scherm, x, y).teken,
                      static_cast<char32_t>(
                          Cp437NaarAscii(m.cellen[static_cast<std::size_t>(y * 80 + x)].teken)));
}

// What an 8-colour terminal shows, in console colours: bold makes text bright,
// and the bright codes 90-97 and 100-107 are never sent.
struct Zichtbaar {
    int voor; // 0-7, +8 when bold
    int achter;
};

Zichtbaar OpAchtKleuren(unsigned char attribuut) {
    ConsoleModel m;
    m.breedte = 1;
    m.hoogte = 1;
    m.cellen = {Cel{'x', attribuut}};
    vt::Scherm scherm = Terminal(1, 1);
    for (int code : ToonNieuw(scherm, m, WeergaveOpties{true, true}).sgr)
        EXPECT_TRUE(code < 90) << "bright code " << code << " for attribute " << int{attribuut};
    const vt::Cel& cel = vt::CelOp(scherm, 0, 0);
    EXPECT_TRUE(cel.voor >= 0 && cel.voor <= 7) << cel.voor;
    EXPECT_TRUE(cel.achter >= 0 && cel.achter <= 7) << cel.achter;
    return Zichtbaar{cel.voor + (cel.vet ? 8 : 0), cel.achter};
}

TEST(WeergaveTest, AchtKleurenGebruikenNooitHeldereCodesEnHoudenTekstLeesbaar) {
    for (int attribuut = 0; attribuut < 256; ++attribuut) {
        const int v = attribuut & 15;
        const int a = attribuut >> 4;
        const Zichtbaar z = OpAchtKleuren(static_cast<unsigned char>(attribuut));
        if (v == a) {
            EXPECT_EQ(z.voor, z.achter) << "hidden text must stay hidden: " << attribuut;
        } else {
            EXPECT_NE(z.voor, z.achter) << "text vanished: attribute " << attribuut;
        }
        if (a < 8) {
            // Ordinary backgrounds are exact; bright text is bold.
            EXPECT_EQ(z.achter, a);
            EXPECT_EQ(z.voor, v);
        }
    }
}

TEST(WeergaveTest, PanelenInAchtKleurenBlijvenLosVanBlauwEnHoudenHunAccent) {
    const Zichtbaar wit = OpAchtKleuren(0x8f);     // white on dark grey: panel body
    const Zichtbaar geel = OpAchtKleuren(0x8e);    // yellow on dark grey: the object won
    const Zichtbaar gekozen = OpAchtKleuren(0x1f); // white on blue: the chosen menu item
    const Zichtbaar zwart = OpAchtKleuren(0x00);
    EXPECT_NE(wit.achter, gekozen.achter);
    EXPECT_NE(wit.achter, zwart.achter);
    EXPECT_NE(wit.voor, geel.voor);
    EXPECT_EQ(geel.achter, wit.achter);
    // White text on blue keeps its exact colours.
    EXPECT_EQ(gekozen.voor, 15);
    EXPECT_EQ(gekozen.achter, 1);
}

TEST(WeergaveTest, BeideGlyphwijzenInAchtKleurenTekenenElkeCel) {
    std::mt19937 gen(11);
    const ConsoleModel vorig = WillekeurigModel(gen);
    ConsoleModel nieuw = vorig;
    for (int i = 0; i < 40; ++i) nieuw.cellen[static_cast<std::size_t>(i * 37)].teken ^= 0x55;
    for (bool utf8 : {true, false}) {
        const WeergaveOpties opties{utf8, true};
        vt::Scherm scherm = Terminal(80, 25);
        Terminalstand stand;
        EXPECT_EQ(Toon(scherm, nullptr, vorig, opties, stand).tekens, 80 * 25);
        EXPECT_EQ(Toon(scherm, &vorig, nieuw, opties, stand).tekens, 40);
        for (int i = 0; i < 40; ++i) {
            const int plek = i * 37;
            const unsigned char t = nieuw.cellen[static_cast<std::size_t>(plek)].teken;
            EXPECT_EQ(vt::CelOp(scherm, plek % 80, plek / 80).teken,
                      utf8 ? Cp437NaarUnicode(t) : static_cast<char32_t>(Cp437NaarAscii(t)));
        }
    }
}

TEST(WeergaveTest, EenKleinModelOpEenGrotereTerminalStaatInHetMiddenMetDeRestLeeg) {
    ConsoleModel m;
    m.breedte = 3;
    m.hoogte = 2;
    m.cellen.assign(6, Cel{' ', 0x1e});
    m.cellen[4].teken = '#';
    for (const WeergaveOpties& opties : {Utf8Zestien, WeergaveOpties{true, false, true, true}}) {
        vt::Scherm scherm = Terminal(10, 5);
        for (vt::Cel& cel : scherm.normaal) cel = vt::Cel{U'?', 3, 5, false};
        ToonNieuw(scherm, m, opties);
        // Columns 3 to 5 of rows 1 and 2; around them the terminal's own blank.
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool binnen = x >= 3 && x < 6 && y >= 1 && y < 3;
                const vt::Cel verwacht =
                    binnen ? Verwacht(m.cellen[static_cast<std::size_t>((y - 1) * 3 + x - 3)])
                           : vt::Cel{};
                EXPECT_EQ(vt::CelOp(scherm, x, y), verwacht) << x << "," << y;
            }
        EXPECT_EQ(scherm.cursorX, 3);
        EXPECT_EQ(scherm.cursorY, 1);
    }
}

// What the terminal must show for `m`: every cell painted on its own, with its
// full colours, in the middle of a cleared terminal of this size.
vt::Scherm Referentie(const ConsoleModel& m, const WeergaveOpties& opties, int breedte,
                      int hoogte) {
    const int links = std::max(0, (breedte - m.breedte) / 2);
    const int boven = std::max(0, (hoogte - m.hoogte) / 2);
    std::string bytes = "\x1b[0m\x1b[2J";
    for (int y = 0; y < m.hoogte; ++y)
        for (int x = 0; x < m.breedte; ++x) {
            const Cel& cel = m.cellen[static_cast<std::size_t>(y * m.breedte + x)];
            bytes += "\x1b[" + std::to_string(boven + y + 1) + ";" + std::to_string(links + x + 1) +
                     "H\x1b[0;" + KleurParameters(cel.attribuut, opties) + "m";
            if (opties.utf8)
                VoegUtf8Toe(bytes, Cp437NaarUnicode(cel.teken));
            else
                bytes += Cp437NaarAscii(cel.teken);
        }
    vt::Scherm scherm = Terminal(breedte, hoogte);
    vt::Verwerk(scherm, bytes);
    scherm.cursorX = links + m.cursorX;
    scherm.cursorY = boven + m.cursorY;
    scherm.cursorZichtbaar = m.cursorZichtbaar;
    return scherm;
}

// The next frame as screens change: panels filled with a blank or a repeated
// character, text written over them, single cells, a line cleared to its end,
// in a few colours (bright text on a dark background among them, which is
// bold on eight colours), and the cursor moved, shown or hidden.
void VolgendFrame(std::mt19937& gen, ConsoleModel& m) {
    static constexpr unsigned char kleuren[] = {0x07, 0x00, 0x1f, 0x8f, 0x1e, 0x0f, 0x8e, 0x70};
    static constexpr unsigned char vullingen[] = {' ', ' ', 0, '-', '=', 196, 205, 250};
    const auto kies = [&gen](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
    const auto kleur = [&] { return kleuren[kies(static_cast<int>(std::size(kleuren)))]; };
    const auto zet = [&m](int x, int y, Cel cel) {
        if (x >= 0 && y >= 0 && x < m.breedte && y < m.hoogte)
            m.cellen[static_cast<std::size_t>(y * m.breedte + x)] = cel;
    };
    for (int keer = 1 + kies(5); keer > 0; --keer) {
        const int x0 = kies(m.breedte);
        const int y0 = kies(m.hoogte);
        switch (kies(4)) {
        case 0: { // a panel
            const Cel cel{vullingen[kies(static_cast<int>(std::size(vullingen)))], kleur()};
            const int b = 1 + kies(m.breedte);
            const int h = 1 + kies(m.hoogte);
            for (int y = y0; y < y0 + h; ++y)
                for (int x = x0; x < x0 + b; ++x) zet(x, y, cel);
            break;
        }
        case 1: { // a line of text, spaces between the words
            const unsigned char k = kleur();
            for (int i = 0, n = 1 + kies(30); i < n; ++i)
                zet(x0 + i, y0,
                    Cel{static_cast<unsigned char>(kies(5) == 0 ? ' ' : 'a' + kies(26)), k});
            break;
        }
        case 2: // single cells
            for (int i = 0, n = 1 + kies(6); i < n; ++i)
                zet(kies(m.breedte), kies(m.hoogte),
                    Cel{static_cast<unsigned char>(kies(256)),
                        static_cast<unsigned char>(kies(256))});
            break;
        default: { // a line cleared from here to its end
            const Cel cel{' ', kleur()};
            for (int x = x0; x < m.breedte; ++x) zet(x, y0, cel);
            break;
        }
        }
    }
    if (kies(3) == 0) {
        m.cursorX = kies(m.breedte);
        m.cursorY = kies(m.hoogte);
        m.cursorZichtbaar = kies(4) != 0;
    }
}

// Random frames one after the other on one terminal, which must show exactly
// what painting every cell would; now and then the screen is unknown (full of
// rubbish) and drawn afresh. Returns how often each operation came by.
std::map<char, long> Rondgang(const WeergaveOpties& opties, int breedte, int hoogte,
                              unsigned zaad) {
    SCOPED_TRACE("bce " + std::to_string(opties.achtergrondWissen) + ", herhalen " +
                 std::to_string(opties.herhalen) + ", acht kleuren " +
                 std::to_string(opties.achtKleuren) + ", utf8 " + std::to_string(opties.utf8) +
                 ", terminal " + std::to_string(breedte) + "x" + std::to_string(hoogte));
    std::mt19937 gen(zaad);
    vt::Scherm scherm = Terminal(breedte, hoogte);
    scherm.achtergrondWissen = opties.achtergrondWissen;
    Terminalstand stand;
    ConsoleModel vorig;
    ConsoleModel m;
    for (int frame = 0; frame < 200; ++frame) {
        const bool opnieuw = frame % 50 == 0;
        if (opnieuw) vt::Verwerk(scherm, "\x1b[1;1H\x1b[35;46m" + std::string(80 * 25, '#'));
        VolgendFrame(gen, m);
        Toon(scherm, opnieuw ? nullptr : &vorig, m, opties, stand);
        const vt::Scherm verwacht = Referentie(m, opties, breedte, hoogte);
        if (!vt::ToontHetzelfde(scherm, verwacht)) {
            ADD_FAILURE() << "frame " << frame << "\n"
                          << vt::Dump(scherm) << "verwacht:\n"
                          << vt::Dump(verwacht);
            return scherm.gebruikt;
        }
        EXPECT_EQ(scherm.cursorZichtbaar, verwacht.cursorZichtbaar);
        EXPECT_EQ(scherm.cursorX, verwacht.cursorX) << "frame " << frame;
        EXPECT_EQ(scherm.cursorY, verwacht.cursorY) << "frame " << frame;
        vorig = m;
    }
    return scherm.gebruikt;
}

TEST(WeergaveTest, WillekeurigeBeeldenGebruikenElkeBewerkingEnTonenPreciesHetModel) {
    unsigned zaad = 100;
    for (bool bce : {true, false}) {
        std::map<char, long> samen;
        for (bool herhalen : {true, false})
            for (bool achtKleuren : {false, true})
                for (const auto& [breedte, hoogte] : {std::pair{80, 25}, {87, 30}}) {
                    const WeergaveOpties opties{achtKleuren, achtKleuren, bce, herhalen};
                    for (const auto& [code, aantal] : Rondgang(opties, breedte, hoogte, ++zaad))
                        samen[code] += aantal;
                }
        // Positions absolute and relative, colours, the clear; erasing only
        // with back-colour erase; repeating where the terminal can.
        for (char code : std::string("HABCDGdmJb\r\b"))
            EXPECT_GT(samen[code], 0) << "bce " << bce << ": never " << code;
        EXPECT_EQ(samen['K'] > 0, bce);
        EXPECT_EQ(samen['X'] > 0, bce);
        EXPECT_EQ(samen['@'] + samen['P'] + samen['\n'], 0);
    }
}

TEST(WeergaveTest, KleurenEnCursorGaanVanHetEneBeeldNaarHetVolgendeMee) {
    // A digit written right where the last frame left the (hidden) cursor, in
    // the colours it left set, costs the digit alone.
    ConsoleModel vorig;
    vorig.cursorZichtbaar = false;
    vorig.cursorX = 35;
    vorig.cursorY = 10;
    for (int x = 30; x < 35; ++x) vorig.cellen[static_cast<std::size_t>(10 * 80 + x)] = {'5', 0x1e};
    const WeergaveOpties opties{true, false, true, true};
    vt::Scherm scherm = Terminal(80, 25);
    Terminalstand stand;
    Toon(scherm, nullptr, vorig, opties, stand);
    ConsoleModel nieuw = vorig;
    nieuw.cellen[10 * 80 + 35] = {'6', 0x1e};
    nieuw.cursorX = 36;
    EXPECT_EQ(TekenVerschil(&vorig, nieuw, opties, stand), "6");
    // Unknown after a full repaint: a stale state is not trusted.
    Terminalstand onzin{80, 25, 3, 3, 0x42};
    const std::string bytes = TekenVerschil(nullptr, nieuw, opties, onzin);
    vt::Scherm opnieuw = Terminal(80, 25);
    Toon(opnieuw, bytes);
    EXPECT_TRUE(vt::ToontHetzelfde(opnieuw, Referentie(nieuw, opties, 80, 25)));
}

TEST(WeergaveTest, HetEersteBeeldWistNaarDeMeestVoorkomendeLegeCelWaarWissenDeKleurHoudt) {
    // A blue screen with one line of text: cleared blue, the text, the blank
    // under the shown cursor, little else.
    ConsoleModel m;
    for (Cel& cel : m.cellen) cel = {' ', 0x1f};
    for (int x = 0; x < 9; ++x)
        m.cellen[static_cast<std::size_t>(80 + 2 + x)].teken = "Hoofdmenu"[x];
    for (bool bce : {true, false}) {
        vt::Scherm scherm = Terminal(80, 25);
        scherm.achtergrondWissen = bce;
        const WeergaveOpties opties{true, false, bce, false};
        const Uitvoer uit = ToonNieuw(scherm, m, opties);
        EXPECT_TRUE(vt::ToontHetzelfde(scherm, Referentie(m, opties, 80, 25)));
        if (bce)
            EXPECT_EQ(uit.tekens, 9 + 1);
        else
            EXPECT_EQ(uit.tekens, 80 * 25);
    }
}

TEST(WeergaveTest, DeTeKleinMeldingPastEnZegtWatNodigIs) {
    for (const auto& [breedte, hoogte] :
         {std::pair{79, 25}, {60, 20}, {40, 10}, {20, 24}, {8, 3}, {1, 1}}) {
        vt::Scherm scherm = Terminal(breedte, hoogte);
        Toon(scherm, TekenMelding(breedte, hoogte, TeKleinMelding(breedte, hoogte, 80, 25)));
        EXPECT_FALSE(scherm.cursorZichtbaar);
        std::string tekst;
        bool maatOpEenRegel = false; // "W x H" is never broken over two lines
        const std::string maat = std::to_string(breedte) + " x " + std::to_string(hoogte);
        for (int y = 0; y < hoogte; ++y) {
            const std::string regel = vt::RijTekst(scherm, y);
            maatOpEenRegel = maatOpEenRegel || regel.find(maat) != std::string::npos;
            tekst += regel + ' ';
        }
        if (breedte >= 12) {
            EXPECT_TRUE(maatOpEenRegel) << breedte << " x " << hoogte;
        }
        // From 60 columns on the whole notice stands on one line.
        if (breedte >= 60) {
            EXPECT_NE(
                tekst.find("Het venster is te klein: minstens 80 x 25 nodig (nu " + maat + ")"),
                std::string::npos);
        }
        if (breedte >= 40) {
            std::string woorden; // the text with the line breaks undone
            for (char c : tekst)
                if (c != ' ' || (!woorden.empty() && woorden.back() != ' ')) woorden += c;
            EXPECT_NE(woorden.find("Het venster is te klein: minstens 80 x 25 nodig (nu " +
                                   std::to_string(breedte) + " x " + std::to_string(hoogte) + ")"),
                      std::string::npos)
                << woorden;
        }
    }
}

} // namespace
