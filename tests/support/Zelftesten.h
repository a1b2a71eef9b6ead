// Stand-in self-tests for the screens that run a table of them: one that
// passes and one that fails, both counting how often they ran.
#pragma once

inline int ZelftestenGedraaid = 0;

inline bool GoedeZelftest() {
    ++ZelftestenGedraaid;
    return true;
}

inline bool FouteZelftest() {
    ++ZelftestenGedraaid;
    return false;
}
