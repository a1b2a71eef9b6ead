// Checks that the number games' tests share: the frame of a game, and whether
// a message panel is showing.
#pragma once

#include "support/Spelen.h"

#include <string>

// The cursor hidden, the game's name in white at (1, 2) and the controls
// footer, 78 characters from column 1 of row 24.
inline void VerwachtSpelKader(const std::string& naam, const std::string& voet) {
    using namespace script;
    EXPECT_FALSE(Model().cursorZichtbaar);
    EXPECT_EQ(TekstOp(1, 2, static_cast<int>(naam.size())), naam);
    for (int x = 1; x <= static_cast<int>(naam.size()); ++x) EXPECT_EQ(AttribuutOp(x, 2), 15) << x;
    ASSERT_EQ(voet.size(), 78u);
    EXPECT_EQ(TekstOp(1, 24, 78), voet);
    EXPECT_EQ(AttribuutOp(1, 24), 7);
    EXPECT_EQ(TekenOp(0, 24), 0);
    EXPECT_EQ(TekenOp(79, 24), 0);
}

// Whether a message panel is on screen.
inline bool PaneelZichtbaar() {
    return script::AttribuutOp(21, 9) == 0x11 || script::AttribuutOp(21, 10) == 0x81;
}
