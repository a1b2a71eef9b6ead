// The terminal's line mode (--regelmodus, and by itself under TERM=dumb):
// for a braille display, a screen reader that reads new lines as they come,
// and terminals that cannot address the cursor. It never moves the cursor
// and writes no escape sequence: after each key, one line with what that
// frame announces (console/Voorlezer.h), nothing for a frame that says
// nothing. Keys are read as typed, one at a time, without echo.
#pragma once

#include "console/Model.h"

#include <optional>
#include <string>
#include <vector>

// Ctrl+L: the whole screen as text. Ctrl+Q: back, as Esc (no game types a
// control character, and screen readers keep a bare Esc for themselves).
constexpr char RegelmodusScherm = 0x0c;
constexpr char RegelmodusTerug = 0x11;

// The first line the mode writes: how it works and which keys it adds.
extern const char RegelmodusUitleg[];

// The bytes for one announcement: the text as one line, control characters
// made blanks, ASCII look-alikes without `utf8`; nothing for an empty text.
std::string Regel(const std::string& melding, bool utf8);

// The line for a frame shown with the sentences said for it: the page's
// announcement (MeldingVoorBeeld) as a line. `vorigeFocus` carries the focus
// from frame to frame.
std::string RegelVoorBeeld(const ConsoleModel& model, const std::vector<std::string>& zinnen,
                           std::string& vorigeFocus, bool utf8);

// What the line mode keeps from frame to frame.
struct Regelstaat {
    bool utf8 = true;
    bool uitgelegd = false;          // RegelmodusUitleg went out
    std::string vorigeFocus;         // see MeldingVoorBeeld
    std::vector<std::string> zinnen; // said for the next frame
    std::string uit;                 // bytes still to write
};

// A frame is shown: its line (the first time after the explanation) joins
// `uit`, and the sentences are used up.
void RegelBijBeeld(Regelstaat& staat, const ConsoleModel& model);

// A key typed in the line mode, with `model` on the screen: the key for the
// game (Ctrl+Q as Esc), or nothing for Ctrl+L, which puts the screen as
// text in `uit`.
std::optional<ToetsDruk> RegelToets(Regelstaat& staat, const ConsoleModel& model,
                                    const ToetsDruk& toets);
