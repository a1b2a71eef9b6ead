// What a screen reader is told with each frame, the same for every backend
// that tells it something (the page's live region, the terminal's line mode):
// the sentences the game said for the frame, then the text at the focus (the
// model's cursor) when that changed and the sentences do not already say it.
// A frame with neither says nothing.
#pragma once

#include "console/Model.h"

#include <string>
#include <vector>

struct Melding {
    std::string tekst; // UTF-8, one line; empty: nothing to say
    std::string focus; // where and what the focus was, for the next frame
};

// The announcement for `model` with the sentences said for it (UTF-8), given
// the `focus` of the frame before (empty before the first).
Melding MeldingVoorBeeld(const ConsoleModel& model, const std::vector<std::string>& zinnen,
                         const std::string& vorigeFocus);

// The text at the focus, UTF-8: along its row on the same background until
// two blanks in a row, and the same for each row below that goes on in the
// focus's column (a paragraph, a panel's lines), blanks collapsed. A blank
// focus is a typing position: the word typed just before it.
std::string TekstBijFocus(const ConsoleModel& model);

// Every row of the model as UTF-8 text (ASCII look-alikes without `utf8`),
// trailing blanks left off, each ended by a line end.
std::string SchermAlsTekst(const ConsoleModel& model, bool utf8 = true);
