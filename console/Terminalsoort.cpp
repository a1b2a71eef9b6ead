#include "console/Terminalsoort.h"

#include <algorithm>
#include <cctype>
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

// Terminals that show the 16 colours (bright backgrounds included) whatever
// their terminfo entry is called. Plain "xterm", "linux", "screen", "tmux",
// "vt100" and unknown names report 8 and get the safe picture.
bool ZestienKleuren(std::string_view term) {
    static constexpr std::string_view kenmerken[] = {"256color", "16color", "88color", "direct",
                                                     "truecolor"};
    for (std::string_view kenmerk : kenmerken)
        if (term.find(kenmerk) != std::string_view::npos) return true;
    static constexpr std::string_view namen[] = {
        "kitty",   "xterm-kitty", "alacritty", "foot", "wezterm", "ghostty", "xterm-ghostty",
        "contour", "konsole",     "gnome",     "vte",  "iterm",   "mlterm",  "rxvt-unicode"};
    for (std::string_view naam : namen)
        if (term.substr(0, naam.size()) == naam) return true;
    return false;
}

} // namespace

Terminalsoort HerkenTerminal(const char* term, const char* colorterm, const char* lcAll,
                             const char* lcCtype, const char* lang) {
    Terminalsoort soort;
    const std::string_view naam = Waarde(term);
    soort.bruikbaar = !naam.empty() && naam != "dumb";

    std::string_view locale = Waarde(lcAll);
    if (locale.empty()) locale = Waarde(lcCtype);
    if (locale.empty()) locale = Waarde(lang);
    const std::string klein = KleineLetters(locale);
    soort.weergave.utf8 =
        klein.find("utf-8") != std::string::npos || klein.find("utf8") != std::string::npos;

    soort.weergave.achtKleuren = Waarde(colorterm).empty() && !ZestienKleuren(naam);
    return soort;
}
