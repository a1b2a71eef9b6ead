// Checks on the box a game shows when it is won.
#pragma once

#include "console/Tekenen.h"
#include "support/Spelen.h"

#include <vector>

// Every cell of the box, 0-based columns 21 to 57 and rows 9 to 17: a blue
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

// Whether the box is showing: its header stands at (32, 9).
inline bool WinstVensterStaat() {
    return script::TekstOp(32, 9, 14) == "Gefeliciteerd!";
}

// The black margin around the box: the ring of cells from (20, 8) to (58, 17)
// outside it holds blanks on black.
inline void VerwachtZwarteRand() {
    for (int x = 20; x <= 58; ++x) EXPECT_EQ(script::CelOp(x, 8), (Cel{' ', 0x01})) << x;
    for (int y = 9; y <= 17; ++y) {
        EXPECT_EQ(script::CelOp(20, y), (Cel{' ', 0x01})) << y;
        EXPECT_EQ(script::CelOp(58, y), (Cel{' ', 0x01})) << y;
    }
}
