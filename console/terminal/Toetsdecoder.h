// Turns the bytes a terminal sends for key presses into key presses with a
// character and a Windows virtual-key code, as the screens compare them.
#pragma once

#include "console/Model.h"

#include <cstddef>
#include <string>
#include <vector>

// The longest escape sequence the decoder keeps whole while it waits for the
// rest. A longer one is garbage: it is swallowed up to its final byte, however
// long it is, with only its introducer kept while it lasts, so the buffer
// never grows.
constexpr std::size_t MaxSequentieLengte = 32;

// The kitty keyboard protocol. Taking over pushes `ToetsenbordAlleToetsen` on
// the terminal's stack where the terminal is known to speak the protocol;
// elsewhere it pushes `ToetsenbordOnderscheiden` and asks with
// `ToetsenbordVraag`, and an answer raises the pushed entry to every key with
// `ToetsenbordOphogen`. Either way one pop gives it back. Every key then
// arrives as an escape code, the keypad's included (57413 is its +), with the
// key's shifted form (flag 4) and the text it typed (flag 16), so typed
// characters stay right on any layout.
constexpr char ToetsenbordAlleToetsen[] = "\x1b[>29u";
constexpr char ToetsenbordOnderscheiden[] = "\x1b[>1u";
constexpr char ToetsenbordVraag[] = "\x1b[?u";
constexpr char ToetsenbordOphogen[] = "\x1b[=29;1u";

// What taking over the terminal sends for the keyboard protocol.
std::string ToetsenbordAan(bool protocolBekend);

// How long a lone ESC may wait for the rest of a sequence before it counts as
// the Esc key, in milliseconds. A slow link (SSH) can deliver an arrow's ESC
// and its `[B` apart, as far apart as its packets; over SSH the gap arrives
// as it was sent, plus a few milliseconds. An ESC followed by `[` or `O`
// within the wait is a sequence, never Esc: 100 ms keeps arrows split by up
// to about 90 ms whole, and Esc (shown after the wait) still quick.
constexpr int EscWachttijdMs = 100;

// Decodes as many whole key presses as `invoer` holds and removes their bytes.
// A lone ESC, an unfinished sequence or an unfinished UTF-8 character stays
// in `invoer` (fewer than MaxSequentieLengte bytes, shortened where it is too
// long to mean anything), unless `stilte` says that nothing more arrived within
// the Esc wait: then a lone ESC is the Esc key, the unfinished rest gives
// nothing, and `invoer` is left empty. Unknown sequences, strings (OSC, DCS, SOS, PM and APC, up to
// ST or BEL) and X10 mouse reports are consumed whole and give nothing. The
// terminal's answer to `ToetsenbordVraag` sets `toetsenbordAntwoord` when
// given. Every way of splitting the same bytes over calls without silence
// gives the same key presses.
std::vector<ToetsDruk> DecodeerToetsen(std::string& invoer, bool stilte,
                                       bool* toetsenbordAntwoord = nullptr);

// A typed ASCII character with the key code of the key that types it on a US
// keyboard (letters their capital, '+' and '=' ToetsPlus, '-' ToetsMin, ...).
ToetsDruk ToetsVoorTeken(char teken);
