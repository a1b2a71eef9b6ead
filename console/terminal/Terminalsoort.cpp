#include "console/terminal/Terminalsoort.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

namespace {

std::string_view Waarde(const char* variabele) {
    return variabele == nullptr ? std::string_view{} : std::string_view{variabele};
}

std::string KleineLetters(std::string_view tekst) {
    std::string uit(tekst);
    std::transform(uit.begin(), uit.end(), uit.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return uit;
}

bool BeginMetEen(std::string_view term, std::initializer_list<std::string_view> namen) {
    for (std::string_view naam : namen)
        if (term.substr(0, naam.size()) == naam) return true;
    return false;
}

// Terminals that show the 16 colours (bright backgrounds included) whatever
// their terminfo entry is called. Plain "xterm", "linux", "screen", "tmux",
// "vt100" and unknown names report 8 and get the safe picture.
bool ZestienKleuren(std::string_view term) {
    static constexpr std::string_view kenmerken[] = {"256color", "16color", "88color", "direct",
                                                     "truecolor"};
    for (std::string_view kenmerk : kenmerken)
        if (term.find(kenmerk) != std::string_view::npos) return true;
    return BeginMetEen(term, {"kitty", "xterm-kitty", "alacritty", "foot", "wezterm", "ghostty",
                              "xterm-ghostty", "contour", "konsole", "gnome", "vte", "iterm",
                              "mlterm", "rxvt-unicode"});
}

// Erasing in the current background colour (back-colour erase): the xterm
// family and the emulators that follow it, tmux, the Linux console. GNU screen
// only when its name says so, and unknown names not at all.
bool AchtergrondWissen(std::string_view term) {
    return term.find("-bce") != std::string_view::npos ||
           BeginMetEen(term, {"xterm", "tmux", "linux", "kitty", "alacritty", "foot", "wezterm",
                              "ghostty", "contour", "konsole", "gnome", "vte", "iterm", "mlterm",
                              "rxvt", "putty", "mintty", "st-", "ms-terminal"}) ||
           term == "st";
}

// What sits between the program and the terminal. tmux and GNU screen give
// TERM names of their own (GNU screen's may be changed in its settings);
// TMUX with any other name leaked from outside. STY means GNU screen, unless
// TERM names tmux, which then runs inside it.
enum class Tussenlaag { Geen, Tmux, Screen };

Tussenlaag VindTussenlaag(std::string_view term, bool tmux, bool screen) {
    if (tmux && BeginMetEen(term, {"tmux"})) return Tussenlaag::Tmux;
    if (screen) return Tussenlaag::Screen;
    if (tmux && BeginMetEen(term, {"screen"})) return Tussenlaag::Tmux;
    return Tussenlaag::Geen;
}

} // namespace

Terminalsoort HerkenTerminal(const std::function<const char*(const char*)>& omgeving) {
    const auto waarde = [&omgeving](const char* naam) { return Waarde(omgeving(naam)); };
    Terminalsoort soort;
    const std::string_view naam = waarde("TERM");
    soort.bruikbaar = !naam.empty() && naam != "dumb";

    std::string_view locale = waarde("LC_ALL");
    if (locale.empty()) locale = waarde("LC_CTYPE");
    if (locale.empty()) locale = waarde("LANG");
    const std::string klein = KleineLetters(locale);
    soort.weergave.utf8 =
        klein.find("utf-8") != std::string::npos || klein.find("utf8") != std::string::npos;

    soort.weergave.achtKleuren = waarde("COLORTERM").empty() && !ZestienKleuren(naam);

    const Tussenlaag tussen = VindTussenlaag(naam, !waarde("TMUX").empty(), !waarde("STY").empty());
    const bool direct = tussen == Tussenlaag::Geen;
    soort.weergave.achtergrondWissen =
        tussen == Tussenlaag::Tmux ||
        (direct ? AchtergrondWissen(naam) : naam.find("-bce") != std::string_view::npos);
    // Repeating the last character (REP) is not in every terminal that calls
    // itself xterm: only where the terminal makes itself known.
    const bool xterm = !waarde("XTERM_VERSION").empty() && BeginMetEen(naam, {"xterm"});
    const bool vte = std::atoi(std::string(waarde("VTE_VERSION")).c_str()) >= 6000 &&
                     BeginMetEen(naam, {"xterm", "vte"});
    soort.weergave.herhalen =
        tussen == Tussenlaag::Tmux ||
        (direct && (xterm || vte ||
                    BeginMetEen(naam, {"tmux", "kitty", "xterm-kitty", "foot", "wezterm", "ghostty",
                                       "xterm-ghostty", "contour"})));
    soort.toetsenprotocol = direct && BeginMetEen(naam, {"kitty", "xterm-kitty"});
    return soort;
}
