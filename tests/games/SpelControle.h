// Checks that the number games' tests share: the frame of a game and the
// header of its message panel.
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

// The panel's blue header over columns 21 to 57 of row 9, the title in yellow.
inline void VerwachtPaneelKop(const std::string& titel, int kolom) {
    using namespace script;
    EXPECT_EQ(TekstOp(kolom, 9, static_cast<int>(titel.size())), titel);
    for (int x = 21; x <= 57; ++x) {
        const bool inTitel = x >= kolom && x < kolom + static_cast<int>(titel.size());
        EXPECT_EQ(AttribuutOp(x, 9), inTitel ? 0x1e : 0x11) << x;
    }
}

// Whether a message panel is on screen.
inline bool PaneelZichtbaar() {
    return script::AttribuutOp(21, 9) == 0x11 || script::AttribuutOp(21, 10) == 0x81;
}
