// Turns the bytes a terminal sends for key presses into key presses with a
// character and a Windows virtual-key code, as the screens compare them.
#pragma once

#include "console/Model.h"

#include <cstddef>
#include <string>
#include <vector>

// The longest escape sequence the decoder waits for. Anything longer without
// an end is garbage: its bytes are thrown away, so the buffer never grows.
constexpr std::size_t MaxSequentieLengte = 32;

// How long a lone ESC may wait for the rest of a sequence before it counts as
// the Esc key, in milliseconds.
constexpr int EscWachttijdMs = 25;

// Decodes as many whole key presses as `invoer` holds and removes their bytes.
// A lone ESC or an unfinished sequence stays in `invoer` (fewer than
// MaxSequentieLengte bytes), unless `stilte` says that nothing more arrived
// within the Esc wait: then a lone ESC is the Esc key, an unfinished sequence
// is thrown away and `invoer` is left empty. Unknown sequences are consumed
// whole and give nothing. Every way of splitting the same bytes over calls
// without silence gives the same key presses.
std::vector<ToetsDruk> DecodeerToetsen(std::string& invoer, bool stilte);

// A typed ASCII character with the key code of the key that types it on a US
// keyboard (letters their capital, '+' and '=' ToetsPlus, '-' ToetsMin, ...).
ToetsDruk ToetsVoorTeken(char teken);
