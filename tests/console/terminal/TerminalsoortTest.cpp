#include "console/terminal/Terminalsoort.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

// The terminal as an environment of these variables (a null value: unset) shows it.
Terminalsoort In(const std::map<std::string, const char*>& omgeving) {
    return HerkenTerminal([&omgeving](const char* naam) -> const char* {
        const auto waarde = omgeving.find(naam);
        return waarde == omgeving.end() ? nullptr : waarde->second;
    });
}

Terminalsoort Met(const char* term, const char* colorterm = nullptr,
                  const char* lang = "nl_NL.UTF-8") {
    return In({{"TERM", term}, {"COLORTERM", colorterm}, {"LANG", lang}});
}

Terminalsoort MetLocale(const char* lcAll, const char* lcCtype, const char* lang) {
    return In({{"TERM", "xterm"}, {"LC_ALL", lcAll}, {"LC_CTYPE", lcCtype}, {"LANG", lang}});
}

TEST(TerminalsoortTest, ZonderTermOfMetEenDommeKanHetSpelNietGetoondWorden) {
    EXPECT_FALSE(Met(nullptr).bruikbaar);
    EXPECT_FALSE(Met("").bruikbaar);
    EXPECT_FALSE(Met("dumb").bruikbaar);
    for (const char* term : {"xterm", "linux", "screen", "tmux-256color", "vt100", "onbekend"})
        EXPECT_TRUE(Met(term).bruikbaar) << term;
}

TEST(TerminalsoortTest, TerminalsMetAchtKleurenKrijgenHetVeiligeBeeld) {
    for (const char* term : {"linux", "xterm", "xterm-color", "screen", "tmux", "vt220", "ansi"})
        EXPECT_TRUE(Met(term).weergave.achtKleuren) << term;
    for (const char* term : {"xterm-256color", "screen-256color", "tmux-256color", "xterm-16color",
                             "xterm-kitty", "alacritty", "foot", "xterm-direct"})
        EXPECT_FALSE(Met(term).weergave.achtKleuren) << term;
    // COLORTERM says more than the name: a terminal that sets it has bright backgrounds.
    EXPECT_FALSE(Met("xterm", "truecolor").weergave.achtKleuren);
    EXPECT_TRUE(Met("xterm", "").weergave.achtKleuren);
}

TEST(TerminalsoortTest, Utf8KomtUitDeEersteGezetteLocalevariabele) {
    EXPECT_TRUE(MetLocale(nullptr, nullptr, "nl_NL.UTF-8").weergave.utf8);
    EXPECT_TRUE(MetLocale(nullptr, nullptr, "C.utf8").weergave.utf8);
    EXPECT_FALSE(MetLocale(nullptr, nullptr, nullptr).weergave.utf8);
    EXPECT_FALSE(MetLocale(nullptr, nullptr, "C").weergave.utf8);
    // LC_ALL overrides LC_CTYPE, which overrides LANG; empty ones do not count.
    EXPECT_FALSE(MetLocale("POSIX", "en_US.UTF-8", "nl_NL.UTF-8").weergave.utf8);
    EXPECT_TRUE(MetLocale("", "en_US.UTF-8", "C").weergave.utf8);
    EXPECT_FALSE(MetLocale("", "nl_NL.ISO-8859-1", "C.UTF-8").weergave.utf8);
}

TEST(TerminalsoortTest, WissenNeemtDeAchtergrondAlleenWaarDeTerminalDaarvoorBekendStaat) {
    for (const char* term : {"xterm", "xterm-256color", "tmux-256color", "linux", "xterm-kitty",
                             "alacritty", "foot", "rxvt-unicode-256color", "screen-256color-bce"})
        EXPECT_TRUE(Met(term).weergave.achtergrondWissen) << term;
    for (const char* term : {"screen", "screen-256color", "vt100", "ansi", "onbekend"})
        EXPECT_FALSE(Met(term).weergave.achtergrondWissen) << term;
    // Inside tmux the name may say screen; tmux itself erases in the background.
    EXPECT_TRUE(
        In({{"TERM", "screen"}, {"TMUX", "/tmp/tmux-0/default,1,0"}}).weergave.achtergrondWissen);
}

TEST(TerminalsoortTest, HerhalenAlleenWaarDeTerminalZichBekendMaakt) {
    for (const char* term : {"xterm", "xterm-256color", "linux", "screen", "rxvt-unicode", "vt220"})
        EXPECT_FALSE(Met(term).weergave.herhalen) << term;
    for (const char* term : {"tmux-256color", "xterm-kitty", "foot", "wezterm", "xterm-ghostty"})
        EXPECT_TRUE(Met(term).weergave.herhalen) << term;
    EXPECT_TRUE(
        In({{"TERM", "xterm-256color"}, {"XTERM_VERSION", "XTerm(379)"}}).weergave.herhalen);
    EXPECT_TRUE(In({{"TERM", "screen"}, {"TMUX", "/tmp/tmux-0/default,1,0"}}).weergave.herhalen);
    EXPECT_TRUE(In({{"TERM", "xterm-256color"}, {"VTE_VERSION", "7402"}}).weergave.herhalen);
    EXPECT_FALSE(In({{"TERM", "xterm-256color"}, {"VTE_VERSION", "5202"}}).weergave.herhalen);
}

// Variables a terminal sets for itself are inherited by everything started
// inside it: under GNU screen, or in another terminal started from it, they
// say nothing, and the picture keeps to what every terminal does.
TEST(TerminalsoortTest, GeleendeVariabelenGevenGeenHerhalenEnGeenAchtergrondWissen) {
    const std::pair<const char*, const char*> geleend[] = {{"VTE_VERSION", "7402"},
                                                           {"XTERM_VERSION", "XTerm(379)"},
                                                           {"TMUX", "/tmp/tmux-0/default,1,0"},
                                                           {"KITTY_WINDOW_ID", "1"}};
    for (const auto& [variabele, waarde] : geleend)
        for (const char* term :
             {"screen", "screen-256color", "screen.xterm-256color", "xterm-256color"}) {
            const Terminalsoort soort =
                In({{"TERM", term}, {"STY", "1234.pts-0.host"}, {variabele, waarde}});
            EXPECT_FALSE(soort.weergave.herhalen) << term << " met " << variabele;
            EXPECT_FALSE(soort.weergave.achtergrondWissen) << term << " met " << variabele;
            EXPECT_FALSE(soort.toetsenprotocol) << term << " met " << variabele;
        }
    EXPECT_TRUE(In({{"TERM", "screen-bce"}, {"STY", "1.a"}}).weergave.achtergrondWissen);
    // A terminal started from another one, or from inside tmux.
    EXPECT_FALSE(
        In({{"TERM", "rxvt-unicode-256color"}, {"XTERM_VERSION", "XTerm(379)"}}).weergave.herhalen);
    EXPECT_FALSE(In({{"TERM", "st-256color"}, {"VTE_VERSION", "7402"}}).weergave.herhalen);
    const Terminalsoort xtermUitTmux = In({{"TERM", "xterm-256color"}, {"TMUX", "/tmp/t,1,0"}});
    EXPECT_FALSE(xtermUitTmux.weergave.herhalen);
    EXPECT_TRUE(xtermUitTmux.weergave.achtergrondWissen);
    // tmux inside GNU screen is tmux; GNU screen inside tmux is GNU screen.
    const Terminalsoort tmuxInScreen =
        In({{"TERM", "tmux-256color"}, {"TMUX", "/tmp/t,1,0"}, {"STY", "1.a"}});
    EXPECT_TRUE(tmuxInScreen.weergave.herhalen);
    EXPECT_TRUE(tmuxInScreen.weergave.achtergrondWissen);
    const Terminalsoort screenInTmux =
        In({{"TERM", "screen"}, {"TMUX", "/tmp/t,1,0"}, {"STY", "1.a"}});
    EXPECT_FALSE(screenInTmux.weergave.herhalen);
    EXPECT_FALSE(screenInTmux.weergave.achtergrondWissen);
}

TEST(TerminalsoortTest, HetToetsenprotocolAlleenWaarDeNaamKittyIs) {
    EXPECT_TRUE(Met("xterm-kitty").toetsenprotocol);
    EXPECT_TRUE(In({{"TERM", "xterm-kitty"}, {"KITTY_WINDOW_ID", "1"}}).toetsenprotocol);
    EXPECT_FALSE(In({{"TERM", "xterm-256color"}, {"KITTY_WINDOW_ID", "1"}}).toetsenprotocol);
    EXPECT_FALSE(In({{"TERM", "xterm-kitty"}, {"STY", "1.a"}}).toetsenprotocol);
    for (const char* term : {"xterm-256color", "alacritty", "st-256color", "tmux-256color"})
        EXPECT_FALSE(Met(term).toetsenprotocol) << term;
}

} // namespace
