// What the terminal can show, judged from the environment alone (TERM,
// COLORTERM and the locale), so that it can be decided before anything is
// written to it.
#pragma once

#include "console/Weergave.h"

struct Terminalsoort {
    bool bruikbaar = false; // false: no TERM, or a "dumb" one without cursor movement
    WeergaveOpties weergave;
};

// Null pointers count as unset variables. The locale is the first non-empty of
// LC_ALL, LC_CTYPE and LANG.
Terminalsoort HerkenTerminal(const char* term, const char* colorterm, const char* lcAll,
                             const char* lcCtype, const char* lang);
