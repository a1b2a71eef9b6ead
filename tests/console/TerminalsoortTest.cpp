#include "console/Terminalsoort.h"

#include <gtest/gtest.h>

namespace {

Terminalsoort Met(const char* term, const char* colorterm = nullptr,
                  const char* lang = "nl_NL.UTF-8") {
    return HerkenTerminal(term, colorterm, nullptr, nullptr, lang);
}

TEST(Terminalsoort, NoTermOrADumbOneCannotShowTheGame) {
    EXPECT_FALSE(Met(nullptr).bruikbaar);
    EXPECT_FALSE(Met("").bruikbaar);
    EXPECT_FALSE(Met("dumb").bruikbaar);
    for (const char* term : {"xterm", "linux", "screen", "tmux-256color", "vt100", "onbekend"})
        EXPECT_TRUE(Met(term).bruikbaar) << term;
}

TEST(Terminalsoort, TerminalsThatReportEightColoursGetTheSafePicture) {
    for (const char* term : {"linux", "xterm", "xterm-color", "screen", "tmux", "vt220", "ansi"})
        EXPECT_TRUE(Met(term).weergave.achtKleuren) << term;
    for (const char* term : {"xterm-256color", "screen-256color", "tmux-256color", "xterm-16color",
                             "xterm-kitty", "alacritty", "foot", "xterm-direct"})
        EXPECT_FALSE(Met(term).weergave.achtKleuren) << term;
    // COLORTERM says more than the name: a terminal that sets it has bright backgrounds.
    EXPECT_FALSE(Met("xterm", "truecolor").weergave.achtKleuren);
    EXPECT_TRUE(Met("xterm", "").weergave.achtKleuren);
}

TEST(Terminalsoort, Utf8ComesFromTheFirstLocaleVariableThatIsSet) {
    EXPECT_TRUE(HerkenTerminal("xterm", nullptr, nullptr, nullptr, "nl_NL.UTF-8").weergave.utf8);
    EXPECT_TRUE(HerkenTerminal("xterm", nullptr, nullptr, nullptr, "C.utf8").weergave.utf8);
    EXPECT_FALSE(HerkenTerminal("xterm", nullptr, nullptr, nullptr, nullptr).weergave.utf8);
    EXPECT_FALSE(HerkenTerminal("xterm", nullptr, nullptr, nullptr, "C").weergave.utf8);
    // LC_ALL overrides LC_CTYPE, which overrides LANG; empty ones do not count.
    EXPECT_FALSE(
        HerkenTerminal("xterm", nullptr, "POSIX", "en_US.UTF-8", "nl_NL.UTF-8").weergave.utf8);
    EXPECT_TRUE(HerkenTerminal("xterm", nullptr, "", "en_US.UTF-8", "C").weergave.utf8);
    EXPECT_FALSE(HerkenTerminal("xterm", nullptr, "", "nl_NL.ISO-8859-1", "C.UTF-8").weergave.utf8);
}

} // namespace
