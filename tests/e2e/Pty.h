// Drives the real program in a pseudo-terminal: starts it with a window size,
// types key bytes, and keeps what it shows in a vt::Scherm.
#pragma once

#include "support/Vt.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <termios.h>

namespace pty {

struct Opties {
    int breedte = 80;
    int hoogte = 25;
    std::string term = "xterm-256color";
    std::string taal = "C.UTF-8"; // LANG and LC_ALL
    // The program gets the pty as its controlling terminal (the normal case);
    // without it a hang-up reaches it only as a failing read.
    bool stuurterminal = true;
    bool invoerLeeg = false;  // standard input from /dev/null
    bool uitvoerPijp = false; // standard output into a pipe instead of the terminal
};

// One run of the program. The destructor kills a program that still runs.
struct Sessie {
    Sessie() = default;
    Sessie(const Sessie&) = delete;
    Sessie& operator=(const Sessie&) = delete;
    ~Sessie();

    pid_t pid = -1;
    int master = -1;
    int slaaf = -1;      // our own handle on the terminal, for its modes
    int fouten = -1;     // read end of the program's standard error
    int uitvoerVan = -1; // read end of standard output when it is a pipe
    vt::Scherm scherm = vt::NieuwScherm(80, 25);
    std::string alles;         // every byte the program wrote to the terminal
    std::string foutTekst;     // what it wrote to standard error
    std::string pijpTekst;     // what it wrote to standard output when that is a pipe
    termios modiVooraf{};      // the terminal's modes before the program started
    std::optional<int> status; // exit status as a shell reports it (128 + signal)
};

// The program under test (set by the build).
const char* Programma();

// Starts the program; false (with the reason in `fout`) when that failed.
bool Start(Sessie& s, const Opties& opties, std::string& fout);
// Types bytes as the terminal would send them for key presses.
void Stuur(Sessie& s, std::string_view bytes);
// Reads what the program shows until `klaar` holds or `ms` milliseconds passed.
bool WachtOp(Sessie& s, const std::function<bool(const vt::Scherm&)>& klaar, int ms);
bool WachtOpTekst(Sessie& s, std::string_view tekst, int ms);
// Reads for a while without a condition (to see that nothing more comes).
void LeesTijdje(Sessie& s, int ms);
// Waits for the program to end and reads what it wrote last; the status, or
// nothing after `ms` milliseconds.
std::optional<int> WachtOpEinde(Sessie& s, int ms);
// A new window size, as a terminal emulator sets it (the program gets SIGWINCH).
void ZetGrootte(Sessie& s, int breedte, int hoogte);
// Closes the terminal's master side: the program sees a hang-up.
void HangOp(Sessie& s);
// The terminal's current modes.
termios Modi(const Sessie& s);
bool ZelfdeModi(const termios& a, const termios& b);
std::string ModiTekst(const termios& t);

// Key bytes as xterm sends them in the modes the program asked for.
std::string Pijl(const vt::Scherm& scherm, char richting); // 'A' up, 'B' down, 'C' right, 'D' left
inline constexpr std::string_view Enter = "\r";
inline constexpr std::string_view Esc = "\x1b";
inline constexpr std::string_view F12 = "\x1b[24~";

} // namespace pty
