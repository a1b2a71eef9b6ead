// The terminal backend's two halves meet here. posix_terminal.cpp owns the
// terminal: the signals, who has it (Bezit), taking it over, giving it back,
// the pause and the wait for the foreground. posix.cpp runs the key loop and
// draws the frames, asking this half before every frame what happened.
#pragma once

#include <csignal>
#include <cstddef>
#include <string>
#include <termios.h>

namespace posix {

// Who has the terminal.
enum Bezit : std::sig_atomic_t {
    BijDeShell,       // as the game found it, or given back
    OvernameOnderweg, // raw mode is on; the screen and keyboard modes go out in front
                      // of the next frame: until then there is no screen to give back
    Overgenomen,      // raw mode, the alternate screen and the keyboard modes are on
};

// The backend's state, in groups. Signal handlers change only the first;
// the restore they run also reads the terminal's descriptors and modes.

// What signal handlers may touch: volatile sig_atomic_t, and the self-pipe.
struct Signaalstaat {
    volatile std::sig_atomic_t bezit = BijDeShell; // a Bezit; the restore sets BijDeShell
    volatile std::sig_atomic_t gewekt = 1;         // something to look at before the next frame
    volatile std::sig_atomic_t verderTeller = 0;   // every SIGCONT counts one up
    volatile std::sig_atomic_t maatGewijzigd = 0;  // SIGWINCH
    int wekker[2] = {-1, -1};                      // self-pipe: the handlers write, poll() waits
};
extern Signaalstaat signalen;

// The terminal: its descriptors and modes.
struct Terminal {
    bool stuurterminal = false; // the terminal is our session's: job control applies
    // Non-blocking descriptions of the terminal of our own, or, when it cannot
    // be opened again, the descriptors shared with the shell (gedeeldFd, -1
    // when not), with the flags they had when the game took the terminal.
    int invoerFd = -1;
    int uitvoerFd = -1;
    int gedeeldFd[2] = {-1, -1};
    int gedeeldeVlaggen[2] = {0, 0};
    termios oudeInstellingen{};
    termios rauweInstellingen{};        // raw mode as the terminal reported it once set
    std::sig_atomic_t verderGezien = 0; // verderTeller when the loop last set the modes
    bool weg = false;                   // a read or write says the terminal is gone
    std::string overnemen;              // what taking over sends, for this terminal
    bool regelmodus = false;            // lines of text only: no screen modes to take or give back
    int breedte = 80;
    int hoogte = 25;
};
extern Terminal terminal;

// Readable while a Ctrl+Z waits for the loop (Linux); -1 elsewhere, where
// the handler interrupts poll() instead.
extern int pauzeFd;

// Takes the terminal: opens it, installs the signal handlers, waits for the
// foreground and sets raw mode; the screen modes go out with the first frame.
// False, with a line on stderr, when that fails; nothing is then changed.
bool NeemTerminal(bool toetsenprotocol);
// Gives the terminal, the signals and the descriptors back as they were.
void LaatTerminalLos();

enum class Geschreven { Alles, NietAlles, TerminalWeg };

// Writes all of `data`, waiting while the terminal takes nothing: at most
// `wachtMs` milliseconds, or with -1 until job control interrupts the game.
// It changes nothing but the terminal, and calls only write(), poll() and
// clock_gettime(), so signal handlers may use it with a bound; -1, for the
// loop alone, also asks sigpending() and reads the loop's own state.
Geschreven Schrijf(const char* data, std::size_t lengte, int wachtMs);

// What VoorElkBeeld found: the screen and the keys half read are stale after
// a new take-over, the screen alone after a new size.
enum class Voorbereid { Niets, NieuweMaat, OpnieuwOvergenomen, TerminalWeg };

// The step before every frame (and before every key handed out): acts on
// what the handlers took note of. Suspends, waits for the foreground, takes
// the terminal (back) when it is not ours, and reads a new size. Asking the
// system costs calls, so it asks only after a wake-up: a key from a paste
// costs none.
Voorbereid VoorElkBeeld();

} // namespace posix
