// Checks that the games' tests share: the frame of a game, the box of a win
// and whether a message panel is showing.
#pragma once

#include "console/Tekenen.h"
#include "support/Spelen.h"

#include <string>
#include <vector>

// The text at 0-based (x, y), every cell of it in white on black.
inline void VerwachtWitteTekst(int x, int y, const std::string& tekst) {
    EXPECT_EQ(script::TekstOp(x, y, static_cast<int>(tekst.size())), tekst);
    for (int i = 0; i < static_cast<int>(tekst.size()); ++i)
        EXPECT_EQ(script::AttribuutOp(x + i, y), 15) << tekst << " " << i;
}

// The frame of a game: the cursor hidden, the blue title bar with "De
// Struinpaadje" in yellow at (30, 0), the game's name in white at (1, 2), the
// rule on row 23 from column 1 to 78 and the controls footer, 78 characters
// from column 1 of row 24 (cells never written read as blanks).
inline void VerwachtSpelKader(const std::string& naam, const std::string& voet) {
    using namespace script;
    EXPECT_FALSE(Model().cursorZichtbaar);
    EXPECT_EQ(TekstOp(30, 0, 15), "De Struinpaadje");
    for (int x = 0; x < 80; ++x) EXPECT_EQ(AttribuutOp(x, 0), x >= 30 && x < 45 ? 0x1e : 0x11) << x;
    for (int x = 0; x < 80; ++x)
        EXPECT_EQ(CelOp(x, 23), (x == 0 || x == 79 ? Cel{} : Cel{196, 7})) << x;
    VerwachtWitteTekst(1, 2, naam);
    ASSERT_EQ(voet.size(), 78u);
    EXPECT_EQ(TekstOp(1, 24, 78), voet);
    EXPECT_EQ(AttribuutOp(1, 24), 7);
    EXPECT_EQ(TekenOp(0, 24), 0);
    EXPECT_EQ(TekenOp(79, 24), 0);
}

// The game's introduction, written through the stream from (1, 4): its first
// line there and every further line (which begins with a blank) from column 0
// of the next row, with nothing else on those rows.
inline void VerwachtInleiding(const std::vector<std::string>& regels) {
    for (std::size_t i = 0; i < regels.size(); ++i) {
        std::string rij = (i == 0 ? " " : "") + regels[i];
        rij.resize(80, ' ');
        EXPECT_EQ(script::RijTekst(4 + static_cast<int>(i)), rij) << i;
    }
}

// Whether a message panel (a win, a loss) is on screen: its blue header or its
// dark grey body at its left edge.
inline bool PaneelZichtbaar() {
    return script::AttribuutOp(21, 9) == 0x11 || script::AttribuutOp(21, 10) == 0x81;
}

// Every cell of the win box, 0-based columns 21 to 57 and rows 9 to 17: a blue
// header with "Gefeliciteerd!" in yellow at column 32, a dark grey body with
// these lines on it, and blanks everywhere else.
inline void VerwachtWinstVenster(const std::vector<MeldingRegel>& regels) {
    std::vector<Cel> verwacht;
    for (int y = 9; y <= 17; ++y)
        for (int x = 21; x <= 57; ++x)
            verwacht.push_back(Cel{' ', static_cast<unsigned char>(y == 9 ? 0x11 : 0x81)});
    auto schilder = [&](int x, int y, const std::string& tekst, unsigned char attribuut) {
        for (std::size_t i = 0; i < tekst.size(); ++i)
            verwacht.at(static_cast<std::size_t>((y - 9) * 37 + x - 21) + i) =
                Cel{static_cast<unsigned char>(tekst[i]), attribuut};
    };
    schilder(32, 9, "Gefeliciteerd!", 0x1e);
    for (const MeldingRegel& regel : regels)
        schilder(regel.kolom, regel.rij, regel.tekst,
                 static_cast<unsigned char>(0x80 + regel.voor));
    for (int y = 9; y <= 17; ++y)
        for (int x = 21; x <= 57; ++x)
            EXPECT_EQ(script::CelOp(x, y),
                      verwacht.at(static_cast<std::size_t>((y - 9) * 37 + x - 21)))
                << "(" << x << ", " << y << ")";
}

// The black margin around a panel: the ring of cells from (20, 8) to (58, 17)
// outside it holds blanks on black.
inline void VerwachtZwarteRand() {
    for (int x = 20; x <= 58; ++x) EXPECT_EQ(script::CelOp(x, 8), (Cel{' ', 0x01})) << x;
    for (int y = 9; y <= 17; ++y) {
        EXPECT_EQ(script::CelOp(20, y), (Cel{' ', 0x01})) << y;
        EXPECT_EQ(script::CelOp(58, y), (Cel{' ', 0x01})) << y;
    }
}
