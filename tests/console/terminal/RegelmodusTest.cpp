#include "console/terminal/Regelmodus.h"

#include <gtest/gtest.h>

namespace {

// Lines, screens and Ctrl+Q play through in the e2e tests; here what no
// game says: control characters, and a terminal without UTF-8.
TEST(RegelmodusTest, EenRegelZonderStuurtekensEnZonderUtf8InAscii) {
    EXPECT_EQ(Regel("", true), "");
    EXPECT_EQ(Regel("Paden:\tnoord\x1b[2J\nzuid", true), "Paden: noord [2J zuid\n");
    EXPECT_EQ(Regel("\xe2\x86\x91 noord, \xe2\x82\xac", false), "^ noord, ?\n"); // no euro in CP437
}

} // namespace
