// What the terminal can show, judged from the environment alone (TERM,
// COLORTERM, the locale and the variables that terminals set for themselves),
// so that it can be decided before anything is written to it.
#pragma once

#include "console/terminal/Weergave.h"

#include <functional>

struct Terminalsoort {
    bool bruikbaar = false; // false: no TERM, or a "dumb" one without cursor movement
    WeergaveOpties weergave;
};

// `omgeving` gives the value of an environment variable, nullptr when it is
// unset. The locale is the first non-empty of LC_ALL, LC_CTYPE and LANG.
Terminalsoort HerkenTerminal(const std::function<const char*(const char*)>& omgeving);
