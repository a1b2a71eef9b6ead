// Drives the real program in a pseudo-terminal: starts it with a window size,
// types key bytes, and keeps what it shows in a vt::Scherm.
#pragma once

#include "console/Script.h"
#include "support/Menu.h"
#include "support/Vt.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <termios.h>
#include <vector>

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
    // The game in a process group of its own, in the terminal's foreground,
    // under a session leader that waits for it as a shell waits for a job:
    // then Ctrl+Z and SIGTSTP really stop it.
    bool eigenGroep = false;
    // Another program instead of the game (an interactive shell), and more
    // environment for it.
    std::vector<std::string> opdracht;
    std::vector<std::string> omgeving;
    std::vector<std::string> argumenten; // for the game itself
    // O_NONBLOCK on the terminal's descriptors the program gets, as some
    // programs leave it.
    bool nietBlokkerend = false;
    // The test terminal speaks the kitty keyboard protocol.
    bool toetsenprotocol = false;
    // The game cannot open its terminal again by name and has only the
    // descriptors it shares with the shell: run as root, it runs as nobody
    // through su; otherwise the terminal's device is closed to its owner.
    bool gedeeldeTerminal = false;
    // The game's binary, when not the one the build made (a copy that another
    // user can reach).
    std::string programma;
};

// One run of the program. The destructor kills a program that still runs.
struct Sessie {
    Sessie() = default;
    Sessie(const Sessie&) = delete;
    Sessie& operator=(const Sessie&) = delete;
    ~Sessie();

    pid_t pid = -1;  // the process the test started
    pid_t spel = -1; // the game: `pid`, or its child with eigenGroep
    int master = -1;
    int slaaf = -1;      // our own handle on the terminal, for its modes
    int fouten = -1;     // read end of the program's standard error
    int uitvoerVan = -1; // read end of standard output when it is a pipe
    vt::Scherm scherm = vt::NieuwScherm(80, 25);
    std::string alles;         // every byte the program wrote to the terminal
    std::string foutTekst;     // what it wrote to standard error
    std::string pijpTekst;     // what it wrote to standard output when that is a pipe
    termios modiVooraf{};      // the terminal's modes before the program started
    int vlaggenVooraf = 0;     // the file status flags of the descriptors it got
    std::string standenVooraf; // the test terminal's modes before it (vt::Standen)
    std::optional<int> status; // exit status as a shell reports it (128 + signal)
};

// The program under test (set by the build).
const char* Programma();

// Starts the program; false (with the reason in `fout`) when that failed,
// also when the game did not appear under su or in its own group.
bool Start(Sessie& s, const Opties& opties, std::string& fout);
// Sends `signaal` to `pid`, or with `groep` to the process group `pid`. Every
// signal a test sends to a game or a shell goes through here: a pid of 0 or
// less (which would reach other processes, with -1 all of them) is refused
// and fails the test.
bool Signaleer(pid_t pid, int signaal, bool groep = false);
// Types bytes as the terminal would send them for key presses.
void Stuur(Sessie& s, std::string_view bytes);
// Reads what the program shows until `klaar` holds or `ms` milliseconds passed.
bool WachtOp(Sessie& s, const std::function<bool(const vt::Scherm&)>& klaar, int ms);
bool WachtOpTekst(Sessie& s, std::string_view tekst, int ms);
// Reads for a while without a condition (to see that nothing more comes).
void LeesTijdje(Sessie& s, int ms);
// Waits for the program to end and reads what it wrote last; the status, or
// nothing after `ms` milliseconds. Without `lezen` the terminal reads nothing
// meanwhile, as a stalled one.
std::optional<int> WachtOpEinde(Sessie& s, int ms, bool lezen = true);
// A new window size, as a terminal emulator sets it (the program gets SIGWINCH).
void ZetGrootte(Sessie& s, int breedte, int hoogte);
// Closes the terminal's master side: the program sees a hang-up.
void HangOp(Sessie& s);
// The terminal's current modes.
termios Modi(const Sessie& s);
bool ZelfdeModi(const termios& a, const termios& b);
std::string ModiTekst(const termios& t);

// The game (`programma`, or the build's) among the children of `ouder`,
// waiting at most `ms` for it; -1 when there is none.
pid_t SpelOnder(pid_t ouder, int ms, const std::string& programma = "");
// Why the user nobody cannot run `programma` (a folder on its path closed to
// others, as one made by mktemp -d), or "" when it can.
std::string OnbereikbaarVoorNobody(const std::string& programma);
// A copy of the game in a fresh folder of mode 0755 in the temporary folder,
// which nobody can run; removed with the object. `programma` is "" and `fout`
// says why when it could not be made.
struct KopieVoorNobody {
    KopieVoorNobody();
    KopieVoorNobody(const KopieVoorNobody&) = delete;
    KopieVoorNobody& operator=(const KopieVoorNobody&) = delete;
    ~KopieVoorNobody();
    std::string map;
    std::string programma;
    std::string fout;
};
// The state letter of a process in /proc ('S' sleeping, 'T' stopped, 'Z'
// ended but not reaped), 0 when it is gone.
char Toestand(pid_t pid);
// Waits at most `ms` until the state of `pid` is `gewenst`.
bool WachtOpToestand(pid_t pid, char gewenst, int ms);

// Key bytes as xterm sends them in the modes the program asked for.
std::string Pijl(const vt::Scherm& scherm, char richting); // 'A' up, 'B' down, 'C' right, 'D' left
// The bytes of scripted key presses, as a terminal in the modes of `scherm`
// sends them (the keypad's + and - as plain ones).
std::string Bytes(const vt::Scherm& scherm, const script::Toetsen& toetsen);
inline constexpr std::string_view Enter = "\r";
inline constexpr std::string_view Esc = "\x1b";
inline constexpr std::string_view F12 = "\x1b[24~";

#ifdef STRUIN_GESANITEERD
inline constexpr int Traag = 5; // a sanitizer build starts and ends slower
#else
inline constexpr int Traag = 1;
#endif
// ms to wait for a picture or an end: long enough that only a hang runs out,
// never a busy machine.
inline constexpr int Kort = 10000 * Traag;

// True when the UTF-8 `tekst` stands on the screen from cell (x, y) on.
bool ToontTekstOp(const vt::Scherm& s, int x, int y, const std::string& tekst);
bool MenuZichtbaar(const vt::Scherm& s);
// Which main item the menu highlights (white on blue), 0 when none.
int Gekozen(const vt::Scherm& s);
// Starts the program and waits for the main menu.
void StartTotMenu(Sessie& s, const Opties& opties = {});
void WachtOpMenu(Sessie& s, int gekozen = 1);
// Down from `gekozen` in the three items of the main menu.
int Volgende(int gekozen);
// The game answers keys: Down moves the menu's bar. Keys that arrive while it
// is stopped or taking the terminal back are rightly lost, so a few are tried.
bool Antwoordt(Sessie& s);
// The terminal is as the program found it: termios, the flags of the
// descriptors it got, and every mode the test terminal tracks.
void ExpectHersteld(const Sessie& s);

} // namespace pty
