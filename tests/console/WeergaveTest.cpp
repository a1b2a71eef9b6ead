#include "console/Weergave.h"
#include "console/Cp437.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// A small terminal that understands what the renderer may send: cursor
// position and forward, SGR, erase display and cursor visibility. Anything
// else fails the test. Each cell keeps its glyph and the SGR state it was
// written with.
struct Scherm {
    struct Vak {
        char32_t glyph = U' ';
        int voor = 39;
        int achter = 49;
        bool vet = false;
        bool operator==(const Vak&) const = default;
    };
    int breedte;
    int hoogte;
    std::vector<Vak> vakken;
    int x = 0;
    int y = 0;
    bool cursorZichtbaar = true;
    int voor = 39;
    int achter = 49;
    bool vet = false;
    int glyphs = 0; // glyphs written since the last Verwerk

    Scherm(int b, int h) : breedte(b), hoogte(h), vakken(static_cast<std::size_t>(b * h)) {}

    Vak& Op(int kolom, int rij) { return vakken[static_cast<std::size_t>(rij * breedte + kolom)]; }

    void Sgr(const std::vector<int>& getallen) {
        for (int g : getallen) {
            if (g == 0) {
                voor = 39;
                achter = 49;
                vet = false;
            } else if (g == 1) {
                vet = true;
            } else if (g == 22) {
                vet = false;
            } else if ((g >= 30 && g <= 37) || (g >= 90 && g <= 97)) {
                voor = g;
            } else if ((g >= 40 && g <= 47) || (g >= 100 && g <= 107)) {
                achter = g;
            } else {
                ADD_FAILURE() << "unexpected SGR " << g;
            }
        }
    }

    void Csi(const std::string& parameters, char slot) {
        if (parameters == "?25" && (slot == 'h' || slot == 'l')) {
            cursorZichtbaar = slot == 'h';
            return;
        }
        std::vector<int> getallen;
        std::string getal;
        for (char c : parameters + ";") {
            if (c == ';') {
                getallen.push_back(getal.empty() ? 0 : std::stoi(getal));
                getal.clear();
            } else {
                ASSERT_TRUE(c >= '0' && c <= '9') << "parameters " << parameters;
                getal += c;
            }
        }
        if (slot == 'm') {
            Sgr(getallen);
        } else if (slot == 'H') {
            y = (getallen.size() > 0 && getallen[0] > 0 ? getallen[0] : 1) - 1;
            x = (getallen.size() > 1 && getallen[1] > 0 ? getallen[1] : 1) - 1;
        } else if (slot == 'C') {
            x += getallen[0] > 0 ? getallen[0] : 1;
        } else if (slot == 'J' && parameters == "2") {
            for (Vak& vak : vakken) vak = Vak{U' ', 39, achter, false};
        } else {
            ADD_FAILURE() << "unexpected sequence CSI " << parameters << slot;
        }
        ASSERT_TRUE(x >= 0 && y >= 0 && x < breedte && y < hoogte);
    }

    void Glyph(char32_t c) {
        ASSERT_TRUE(x < breedte && y < hoogte) << "glyph off the screen";
        Op(x, y) = Vak{c, voor, achter, vet};
        ++glyphs;
        if (x + 1 < breedte) ++x; // no automatic wrap
    }

    void Verwerk(const std::string& bytes) {
        glyphs = 0;
        std::size_t i = 0;
        while (i < bytes.size()) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b == 0x1b) {
                ASSERT_LT(i + 1, bytes.size());
                ASSERT_EQ(bytes[i + 1], '[');
                std::size_t k = i + 2;
                while (k < bytes.size() && !(bytes[k] >= 0x40 && bytes[k] <= 0x7e)) ++k;
                ASSERT_LT(k, bytes.size());
                Csi(bytes.substr(i + 2, k - i - 2), bytes[k]);
                i = k + 1;
                continue;
            }
            ASSERT_GE(b, 0x20) << "control byte in the output";
            std::size_t lengte = b < 0x80 ? 1 : b < 0xe0 ? 2 : b < 0xf0 ? 3 : 4;
            char32_t c = lengte == 1 ? b : b & (0x7f >> lengte);
            for (std::size_t t = 1; t < lengte; ++t)
                c = (c << 6) | (static_cast<unsigned char>(bytes[i + t]) & 0x3f);
            Glyph(c);
            i += lengte;
        }
    }
};

constexpr int Ansi[8] = {0, 4, 2, 6, 1, 5, 3, 7};

// What a cell of the model must look like on a 16-colour UTF-8 terminal.
Scherm::Vak Verwacht(const Cel& cel) {
    const int v = cel.attribuut & 15;
    const int a = cel.attribuut >> 4;
    return Scherm::Vak{Cp437NaarUnicode(cel.teken), (v & 8 ? 90 : 30) + Ansi[v & 7],
                       (a & 8 ? 100 : 40) + Ansi[a & 7], false};
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

void VerwachtModel(Scherm& scherm, const ConsoleModel& m) {
    for (int y = 0; y < m.hoogte; ++y)
        for (int x = 0; x < m.breedte; ++x)
            ASSERT_EQ(scherm.Op(x, y),
                      Verwacht(m.cellen[static_cast<std::size_t>(y * m.breedte + x)]))
                << "cell " << x << "," << y;
    EXPECT_EQ(scherm.cursorZichtbaar, m.cursorZichtbaar);
    if (m.cursorZichtbaar) {
        EXPECT_EQ(scherm.x, m.cursorX);
        EXPECT_EQ(scherm.y, m.cursorY);
    }
}

const WeergaveOpties Utf8Zestien{true, false};

TEST(Weergave, AFirstFrameDrawsEveryCellInItsColours) {
    std::mt19937 gen(7);
    const ConsoleModel m = WillekeurigModel(gen);
    Scherm scherm(80, 25);
    scherm.Verwerk(TekenVerschil(nullptr, m, Utf8Zestien));
    EXPECT_EQ(scherm.glyphs, 80 * 25);
    VerwachtModel(scherm, m);
}

TEST(Weergave, AnIdenticalFrameSendsNothing) {
    std::mt19937 gen(8);
    const ConsoleModel m = WillekeurigModel(gen);
    const ConsoleModel kopie = m;
    EXPECT_EQ(TekenVerschil(&kopie, m, Utf8Zestien), "");
    EXPECT_EQ(TekenVerschil(&kopie, m, WeergaveOpties{false, true}), "");
}

TEST(Weergave, OnlyChangedCellsAreDrawn) {
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
            geraakt[plek] = true;
        }
        int veranderd = 0;
        for (bool g : geraakt) veranderd += g;

        Scherm scherm(80, 25);
        scherm.Verwerk(TekenVerschil(nullptr, vorig, Utf8Zestien));
        const std::vector<Scherm::Vak> voor = scherm.vakken;
        scherm.Verwerk(TekenVerschil(&vorig, nieuw, Utf8Zestien));
        EXPECT_EQ(scherm.glyphs, veranderd);
        VerwachtModel(scherm, nieuw);
    }
}

TEST(Weergave, AChangeCostsBytesInProportionToIt) {
    // A typical screen: mostly black with a dark grey panel. Thirty changed
    // cells in one row cost a few hundred bytes, not a frame.
    ConsoleModel vorig;
    for (int y = 10; y < 18; ++y)
        for (int x = 21; x < 58; ++x)
            vorig.cellen[static_cast<std::size_t>(y * 80 + x)] = {' ', 0x8f};
    ConsoleModel nieuw = vorig;
    for (int x = 22; x < 52; ++x) nieuw.cellen[static_cast<std::size_t>(12 * 80 + x)].teken = 'a';
    const std::string verschil = TekenVerschil(&vorig, nieuw, Utf8Zestien);
    EXPECT_LT(verschil.size(), 60u);
    EXPECT_GT(TekenVerschil(nullptr, nieuw, Utf8Zestien).size(), 80u * 25u);
}

TEST(Weergave, TheCursorFollowsTheModel) {
    ConsoleModel vorig;
    vorig.cursorZichtbaar = false;
    ConsoleModel nieuw = vorig;
    nieuw.cursorZichtbaar = true;
    nieuw.cursorX = 12;
    nieuw.cursorY = 3;
    Scherm scherm(80, 25);
    scherm.Verwerk(TekenVerschil(nullptr, vorig, Utf8Zestien));
    EXPECT_FALSE(scherm.cursorZichtbaar);
    scherm.Verwerk(TekenVerschil(&vorig, nieuw, Utf8Zestien));
    EXPECT_EQ(scherm.glyphs, 0);
    VerwachtModel(scherm, nieuw);
    // A cell drawn elsewhere sends the visible cursor back where it belongs.
    ConsoleModel daarna = nieuw;
    daarna.cellen[500].teken = 'x';
    scherm.Verwerk(TekenVerschil(&nieuw, daarna, Utf8Zestien));
    VerwachtModel(scherm, daarna);
}

TEST(Weergave, ForegroundAndBackgroundUseTheSixteenAnsiColours) {
    for (int attribuut = 0; attribuut < 256; ++attribuut) {
        const int v = attribuut & 15;
        const int a = attribuut >> 4;
        const std::string verwacht = std::to_string((v & 8 ? 90 : 30) + Ansi[v & 7]) + ";" +
                                     std::to_string((a & 8 ? 100 : 40) + Ansi[a & 7]);
        EXPECT_EQ(KleurParameters(static_cast<unsigned char>(attribuut), Utf8Zestien), verwacht);
    }
    EXPECT_EQ(KleurParameters(0x1e, Utf8Zestien), "93;44");  // yellow on blue
    EXPECT_EQ(KleurParameters(0x8f, Utf8Zestien), "97;100"); // white on dark grey
}

TEST(Weergave, GlyphsComeFromCodePage437AndBlanksAreSpaces) {
    ConsoleModel m;
    const unsigned char tekens[] = {0, 32, 196, 179, 24, 25, 26, 27, 250, 201, 'A'};
    for (std::size_t i = 0; i < std::size(tekens); ++i) m.cellen[i].teken = tekens[i];
    Scherm scherm(80, 25);
    scherm.Verwerk(TekenVerschil(nullptr, m, Utf8Zestien));
    const char32_t verwacht[] = {U' ', U' ', U'─', U'│', U'↑', U'↓', U'→', U'←', U'·', U'╔', U'A'};
    for (std::size_t i = 0; i < std::size(verwacht); ++i)
        EXPECT_EQ(scherm.Op(static_cast<int>(i), 0).glyph, verwacht[i]) << i;
}

TEST(Weergave, WithoutUtf8OnlyAsciiLookAlikesAreSent) {
    std::mt19937 gen(10);
    const ConsoleModel m = WillekeurigModel(gen);
    const std::string bytes = TekenVerschil(nullptr, m, WeergaveOpties{false, false});
    for (char c : bytes) ASSERT_LT(static_cast<unsigned char>(c), 0x80);
    Scherm scherm(80, 25);
    scherm.Verwerk(bytes);
    EXPECT_EQ(scherm.glyphs, 80 * 25);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 80; ++x)
            ASSERT_EQ(scherm.Op(x, y).glyph,
                      static_cast<char32_t>(
                          Cp437NaarAscii(m.cellen[static_cast<std::size_t>(y * 80 + x)].teken)));
}

// What an 8-colour terminal shows: bold makes text bright, and codes past 37
// and 47 are not used.
struct Zichtbaar {
    int voor; // 0-7, +8 when bold
    int achter;
};

Zichtbaar OpAchtKleuren(unsigned char attribuut) {
    ConsoleModel m;
    m.breedte = 1;
    m.hoogte = 1;
    m.cellen = {Cel{'x', attribuut}};
    Scherm scherm(1, 1);
    scherm.Verwerk(TekenVerschil(nullptr, m, WeergaveOpties{true, true}));
    const Scherm::Vak vak = scherm.Op(0, 0);
    EXPECT_TRUE(vak.voor >= 30 && vak.voor <= 37) << vak.voor;
    EXPECT_TRUE(vak.achter >= 40 && vak.achter <= 47) << vak.achter;
    return Zichtbaar{vak.voor - 30 + (vak.vet ? 8 : 0), vak.achter - 40};
}

TEST(Weergave, EightColoursNeverUseBrightCodesAndKeepTextReadable) {
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
            EXPECT_EQ(z.achter, Ansi[a]);
            EXPECT_EQ(z.voor, Ansi[v & 7] + (v & 8));
        }
    }
}

TEST(Weergave, EightColourPanelsStayApartFromBlueAndKeepTheirHighlight) {
    const Zichtbaar wit = OpAchtKleuren(0x8f);     // white on dark grey: panel body
    const Zichtbaar geel = OpAchtKleuren(0x8e);    // yellow on dark grey: the object won
    const Zichtbaar gekozen = OpAchtKleuren(0x1f); // white on blue: the chosen menu item
    const Zichtbaar zwart = OpAchtKleuren(0x00);
    EXPECT_NE(wit.achter, gekozen.achter);
    EXPECT_NE(wit.achter, zwart.achter);
    EXPECT_NE(wit.voor, geel.voor);
    EXPECT_EQ(geel.achter, wit.achter);
    // White text on blue keeps its exact colours.
    EXPECT_EQ(gekozen.voor, 7 + 8);
    EXPECT_EQ(gekozen.achter, 4);
}

TEST(Weergave, BothGlyphModesInEightColoursDrawEveryCell) {
    std::mt19937 gen(11);
    const ConsoleModel vorig = WillekeurigModel(gen);
    ConsoleModel nieuw = vorig;
    for (int i = 0; i < 40; ++i) nieuw.cellen[static_cast<std::size_t>(i * 37)].teken ^= 0x55;
    for (bool utf8 : {true, false}) {
        const WeergaveOpties opties{utf8, true};
        Scherm scherm(80, 25);
        scherm.Verwerk(TekenVerschil(nullptr, vorig, opties));
        EXPECT_EQ(scherm.glyphs, 80 * 25);
        scherm.Verwerk(TekenVerschil(&vorig, nieuw, opties));
        EXPECT_EQ(scherm.glyphs, 40);
        for (int i = 0; i < 40; ++i) {
            const int plek = i * 37;
            const unsigned char t = nieuw.cellen[static_cast<std::size_t>(plek)].teken;
            EXPECT_EQ(scherm.Op(plek % 80, plek / 80).glyph,
                      utf8 ? Cp437NaarUnicode(t) : static_cast<char32_t>(Cp437NaarAscii(t)));
        }
    }
}

TEST(Weergave, ASmallModelOnALargerTerminalSitsTopLeftWithTheRestBlank) {
    ConsoleModel m;
    m.breedte = 3;
    m.hoogte = 2;
    m.cellen.assign(6, Cel{'#', 0x1e});
    Scherm scherm(10, 5);
    for (auto& vak : scherm.vakken) vak.glyph = U'?';
    scherm.Verwerk(TekenVerschil(nullptr, m, Utf8Zestien));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(scherm.Op(x, y).glyph, x < 3 && y < 2 ? U'#' : U' ') << x << "," << y;
}

TEST(Weergave, TheTooSmallNoticeFitsAndSaysWhatIsNeeded) {
    for (const auto& [breedte, hoogte] :
         {std::pair{79, 25}, {60, 20}, {40, 10}, {20, 24}, {8, 3}, {1, 1}}) {
        Scherm scherm(breedte, hoogte);
        scherm.Verwerk(TekenTeKlein(breedte, hoogte, 80, 25));
        EXPECT_FALSE(scherm.cursorZichtbaar);
        std::string tekst;
        bool maatOpEenRegel = false; // "W x H" is never broken over two lines
        const std::string maat = std::to_string(breedte) + " x " + std::to_string(hoogte);
        for (int y = 0; y < hoogte; ++y) {
            std::string regel;
            for (int x = 0; x < breedte; ++x) regel += static_cast<char>(scherm.Op(x, y).glyph);
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
