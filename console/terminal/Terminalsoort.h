// What the terminal can show, judged from the environment alone (TERM,
// COLORTERM, the locale and the variables that terminals set for themselves),
// so that it can be decided before anything is written to it.
#pragma once

#include "console/terminal/Weergave.h"

#include <functional>

struct Terminalsoort {
    bool bruikbaar = false; // false: no TERM, or a "dumb" one without cursor movement
    WeergaveOpties weergave;
    // The terminal speaks the kitty keyboard protocol by its own name: it
    // need not be asked.
    bool toetsenprotocol = false;
};

// `omgeving` gives the value of an environment variable, nullptr when it is
// unset. The locale is the first non-empty of LC_ALL, LC_CTYPE and LANG.
// Every program started inside a terminal inherits the variables it sets for
// itself (VTE_VERSION, XTERM_VERSION, TMUX, STY), a multiplexer and the
// terminals started from it included, so such a variable counts only when
// TERM names the same terminal and no multiplexer sits in between. In doubt
// the picture keeps to what every VT100-like terminal does.
Terminalsoort HerkenTerminal(const std::function<const char*(const char*)>& omgeving);
