// Reading the main menu off the screen in tests.
#pragma once

#include "app/Hoofdmenu.h"
#include "console/Tekenen.h"
#include "support/Wandelen.h"

#include <array>

// The six main items as the menu must show them; the menu's own list is checked
// against this one.
inline const std::array<std::string, 6> MenuItems = {" Spel Starten    ", " Informatie    > ",
                                                     " Afsluiten       ", " Kaart tonen     ",
                                                     " Test een unit > ", " Test een spel > "};

// The rows of the six main items.
inline constexpr std::array<int, 6> ItemRijen = {4, 5, 6, 10, 11, 12};

// Whether the debug section is showing.
inline bool DebugGetoond() {
    return script::TekstOp(4, 8, 12) == "Debug opties";
}

// The highlighted main item (1 to 6), or 0 when none or more than one is.
inline int HoofdCursor() {
    int gevonden = 0;
    for (int i = 1; i <= 6; ++i) {
        if (script::AttribuutOp(3, ItemRijen[static_cast<std::size_t>(i - 1)]) != 0x1f) continue;
        if (gevonden != 0) return 0;
        gevonden = i;
    }
    return gevonden;
}

// The row of the highlighted submenu entry, or 0 when no entry is shown highlighted.
inline int SubCursorRij() {
    for (int y = 4; y <= 21; ++y)
        if (script::AttribuutOp(23, y) == 0x1f) return y;
    return 0;
}

// The menu as it should stand: the box with or without the debug section, the
// items with `hoofd` highlighted, and no submenu.
inline void VerwachtMenu(int hoofd, bool debug) {
    EXPECT_EQ(script::TekstOp(3, 2, 9), "Hoofdmenu");
    EXPECT_EQ(script::AttribuutOp(3, 2), 0x1e);
    for (int x = 2; x <= 20; ++x) EXPECT_EQ(script::AttribuutOp(x, 2) >> 4, 1) << x;
    const int onderaan = debug ? 13 : 7;
    const int cursorRij = ItemRijen[static_cast<std::size_t>(hoofd - 1)];
    for (int y = 3; y <= 13; ++y)
        for (int x = 2; x <= 20; ++x) {
            if (y == cursorRij && x >= 3 && x <= 19) continue; // the highlighted item, below
            EXPECT_EQ(script::AttribuutOp(x, y) >> 4 == 8, y <= onderaan) << x << "," << y;
        }
    EXPECT_EQ(DebugGetoond(), debug);
    if (debug) {
        EXPECT_EQ(script::AttribuutOp(4, 8), 0x80);
    }
    for (int i = 1; i <= (debug ? 6 : 3); ++i) {
        const int rij = ItemRijen[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(script::TekstOp(3, rij, 17), MenuItems[static_cast<std::size_t>(i - 1)]);
        for (int x = 3; x < 20; ++x)
            EXPECT_EQ(script::AttribuutOp(x, rij), i == hoofd ? 0x1f : 0x8f) << i << " " << x;
    }
    for (int rij : {10, 11, 12})
        EXPECT_TRUE(debug || script::TekstOp(3, rij, 17) == std::string(17, ' ')) << rij;
    EXPECT_EQ(SubCursorRij(), 0);
    for (int y = 4; y <= 21; ++y)
        for (int x = 21; x <= 42; ++x)
            EXPECT_NE(script::AttribuutOp(x, y) >> 4, 8) << "no submenu at " << x << "," << y;
}

// The main menu starts from the frame with the copyright footer.
inline void VerwachtMenuKader() {
    EXPECT_EQ(script::TekstOp(30, 0, 15), "De Struinpaadje");
    EXPECT_EQ(script::TekstOp(1, 23, 78), std::string(78, '\xc4'));
    EXPECT_EQ(script::TekstOp(10, 24, static_cast<int>(CopyrightRegel.size())), CopyrightRegel);
}
