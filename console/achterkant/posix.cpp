// The terminal backend: the game on the alternate screen of a terminal in raw
// mode, each frame drawn as the difference from the last one, keys decoded
// from the bytes the terminal sends.
//
// Every way out gives the terminal back: StopAchterkant, a failed start, an
// exception that reaches std::terminate, and every signal whose default action
// ends a process (its handler restores and then lets the signal do its default
// work, so the exit status stays 128 + n).
//
// Job control. Giving the terminal back, stopping and taking the terminal
// over again all happen in the main loop; signal handlers only take note and
// wake it through a self-pipe. On Linux SIGTSTP is not even handled: it stays
// blocked and pending (a signalfd wakes the loop) until the loop has given
// the terminal back and unblocks it, so the stop is the signal's own and a
// SIGCONT sent after it cancels it, exactly as for any other process. The
// game reads and writes through non-blocking descriptors, so the loop waits
// only in poll(): no read can block in the shell's cooked mode. They are
// descriptions of the terminal of its own; only when it cannot open the
// terminal again (run as another user through su or sudo -u) are they the
// ones it shares with the shell, non-blocking while it holds the terminal
// and given their flags back with it. In the background the terminal is
// the shell's: the game lets the system stop it as every job that wants its
// terminal (SIGTTOU), and takes the terminal back once it is in the
// foreground again (the terminal's foreground process group says so; fg
// sends no SIGCONT to a job that runs).
//
// A terminal that stops reading (a frozen window, a stalled connection):
// frames wait for it as long as it takes; a frame cut short by Ctrl+Z leaves
// the screen unknown, and the next one is drawn whole. The restore bytes wait
// at most TeruggaveMs, so a signal ends the game in bounded time.
//
// When the terminal is gone (hang-up, a read or write error, its session
// ended, or a background game that no shell can bring back) the game ends with
// exit status 1 and the terminal restored as far as it still exists.
#include "console/Achterkant.h"
#include "console/Console.h"
#include "console/terminal/Terminalsoort.h"
#include "console/terminal/Toetsdecoder.h"
#include "console/terminal/Weergave.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <exception>
#include <fcntl.h>
#include <iterator>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#ifdef __linux__
#include <sys/signalfd.h>
#endif
#include <unistd.h>

namespace {

// Taking over: alternate screen, the kitty keyboard protocol pushed (on the
// alternate screen, which keeps its own stack; every key as an escape code
// where the terminal says it can, see Toetsdecoder.h), application cursor
// keys and keypad, no automatic wrap at the right edge.
std::string Overnemen(bool toetsenprotocol) {
    return "\x1b[?1049h" + ToetsenbordAan(toetsenprotocol) + "\x1b[?1h\x1b=\x1b[?7l";
}
// Giving back, in the reverse order. Signal handlers write it too, so it is a
// constant made in advance.
constexpr char Teruggeven[] = "\x1b[<u\x1b[0m\x1b[?25h\x1b[?7h\x1b[?1l\x1b>\x1b[?1049l";

// How long the restore bytes wait for a terminal that has stopped reading
// before the game gives up on them: long enough for a window that froze for
// a few seconds, short enough that a signal still ends the game well within
// ten seconds.
constexpr int TeruggaveMs = 6000;

// The signals whose default action does not end a process: ignore, stop and
// continue, and the two that cannot be caught. Every other signal the system
// has (1 to NSIG - 1, the real-time ones included) ends it and gets the
// restoring handler.
constexpr int GeenEinde[] = {
    SIGCHLD, SIGURG, SIGWINCH, SIGCONT, SIGTSTP, SIGTTIN, SIGTTOU, SIGSTOP, SIGKILL,
#ifdef SIGINFO
    SIGINFO,
#endif
#ifndef __linux__
    SIGIO, // ignored by default on the BSDs and macOS
#endif
};

// Keys beyond this many waiting are dropped (a paste cannot eat the memory).
constexpr std::size_t MaxWachtendeToetsen = 1024;

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
#ifndef __linux__
    volatile std::sig_atomic_t pauzeGevraagd = 0;  // SIGTSTP
    volatile std::sig_atomic_t verderBijPauze = 0; // verderTeller at that SIGTSTP
#endif
    int wekker[2] = {-1, -1}; // self-pipe: the handlers write, poll() waits
};
Signaalstaat signalen;

// The terminal: its descriptors and modes.
struct Terminal {
    bool gestart = false;       // between StartAchterkant and StopAchterkant
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
    bool toetsenbordOphogen = false;    // it answered the keyboard protocol's question
    int breedte = 80;
    int hoogte = 25;
};
Terminal terminal;

// What the terminal shows.
struct Beeld {
    WeergaveOpties weergave;             // what this terminal can do
    std::optional<ConsoleModel> getoond; // the picture on it; nothing: unknown
    Terminalstand stand;                 // its size, cursor and colours as the last frame left them
    bool meldingGetoond = false;         // the "too small" notice is on the screen
};
Beeld beeld;

// Input.
struct Invoer {
    std::string bytes; // read but not yet whole key presses
    std::deque<ToetsDruk> wachtrij;
};
Invoer invoer;

// What the game changed in the process, to put back at the end.
struct Vooraf {
    struct sigaction acties[NSIG];
    bool vervangen[NSIG] = {};
    sigset_t masker;
    stack_t stapel{};
    std::terminate_handler terminate = nullptr;
};
Vooraf vooraf;
alignas(16) char signaalStapel[64 * 1024];

int VerstrekenMs(const timespec& begin) {
    timespec nu{};
    clock_gettime(CLOCK_MONOTONIC, &nu);
    return static_cast<int>((nu.tv_sec - begin.tv_sec) * 1000 +
                            (nu.tv_nsec - begin.tv_nsec) / 1000000);
}

// The set holding just `signaal`. Async-signal-safe.
sigset_t EenSignaal(int signaal) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signaal);
    return set;
}

#ifdef __linux__
int pauzeFd = -1; // readable while a SIGTSTP is pending

bool PauzeGevraagd() {
    sigset_t wachtend;
    return sigpending(&wachtend) == 0 && sigismember(&wachtend, SIGTSTP) == 1;
}
#else
// Elsewhere a handler takes note, and the loop stops with a SIGTSTP of its
// own; a SIGCONT that came after the first one cancels it.
constexpr int pauzeFd = -1; // the handler interrupts poll() instead

bool PauzeGevraagd() {
    return signalen.pauzeGevraagd;
}
#endif

// What the game is writing is out of date: it is being suspended, or it was
// continued after a stop and must take the terminal over again first.
bool Onderbroken() {
    return PauzeGevraagd() || signalen.verderTeller != terminal.verderGezien;
}

enum class Geschreven { Alles, NietAlles, TerminalWeg };

// Writes all of `data`, waiting while the terminal takes nothing: at most
// `wachtMs` milliseconds, or with -1 until job control interrupts the game.
// It changes nothing but the terminal, and calls only write(), poll() and
// clock_gettime(), so signal handlers may use it with a bound; -1, for the
// loop alone, also asks sigpending() and reads the loop's own state.
Geschreven Schrijf(const char* data, std::size_t lengte, int wachtMs) {
    timespec begin{};
    clock_gettime(CLOCK_MONOTONIC, &begin);
    bool ruimteGemeld = false; // poll said there was room, yet nothing went
    while (lengte > 0) {
        const ssize_t n = write(terminal.uitvoerFd, data, lengte);
        if (n > 0) {
            data += n;
            lengte -= static_cast<std::size_t>(n);
            ruimteGemeld = false;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return Geschreven::TerminalWeg;
        if (wachtMs < 0 ? Onderbroken() : VerstrekenMs(begin) >= wachtMs)
            return Geschreven::NietAlles;
        if (ruimteGemeld) { // too little room for what comes next: nap instead of spinning
            poll(nullptr, 0, 10);
            ruimteGemeld = false;
            continue;
        }
        // A frame also wakes for Ctrl+Z.
        pollfd bronnen[2] = {{terminal.uitvoerFd, POLLOUT, 0},
                             {wachtMs < 0 ? pauzeFd : -1, POLLIN, 0}};
        const int klaar = poll(bronnen, 2, wachtMs < 0 ? -1 : wachtMs - VerstrekenMs(begin));
        if (klaar > 0 && (bronnen[0].revents & (POLLHUP | POLLERR | POLLNVAL)))
            return Geschreven::TerminalWeg;
        ruimteGemeld = bronnen[0].revents & POLLOUT;
    }
    return Geschreven::Alles;
}

// The game's own output, one write a frame. The takeover after a start or a
// resume rides in front of the frame that follows it, so the terminal never
// shows an empty alternate screen. False when the frame did not all arrive:
// the screen is then unknown, and the next frame must be drawn whole.
bool SchrijfBeeld(const std::string& tekst) {
    std::string uit = signalen.bezit == OvernameOnderweg ? terminal.overnemen : std::string();
    if (terminal.toetsenbordOphogen) uit += ToetsenbordOphogen; // after the push, on our own entry
    uit += tekst;
    signalen.bezit = Overgenomen;
    terminal.toetsenbordOphogen = false;
    const Geschreven uitkomst = Schrijf(uit.data(), uit.size(), -1);
    if (uitkomst == Geschreven::TerminalWeg) terminal.weg = true;
    return uitkomst == Geschreven::Alles;
}

// Job control applies and another process group has the terminal.
bool OpDeAchtergrond() {
    return terminal.stuurterminal && tcgetpgrp(STDIN_FILENO) != getpgrp();
}

bool ZelfdeInstellingen(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::equal(std::begin(a.c_cc), std::end(a.c_cc), b.c_cc) &&
           cfgetispeed(&a) == cfgetispeed(&b) && cfgetospeed(&a) == cfgetospeed(&b);
}

// The terminal is still exactly in the raw mode the game set.
bool NogRauw() {
    termios nu{};
    return tcgetattr(STDIN_FILENO, &nu) == 0 && ZelfdeInstellingen(nu, terminal.rauweInstellingen);
}

// The one restore routine. Async-signal-safe: write(), poll(), tcsetattr()
// and friends. The terminal's modes are only touched while the terminal is
// ours: in the background they belong to the shell, unless they are still
// exactly the raw ones the game set (a shell that does not reset the terminal
// when a job stops, as dash, after a stop from outside). With SIGTTOU held
// back the screen's restore bytes and those modes get through even from the
// background.
void GeefTerug() {
    if (signalen.bezit == BijDeShell) return;
    const sigset_t terminalSignalen = EenSignaal(SIGTTOU);
    sigset_t oud;
    sigprocmask(SIG_BLOCK, &terminalSignalen, &oud);
    if (signalen.bezit == Overgenomen) Schrijf(Teruggeven, sizeof Teruggeven - 1, TeruggaveMs);
    const bool voorgrond = !OpDeAchtergrond();
    if (voorgrond || NogRauw()) {
        while (tcsetattr(STDIN_FILENO, TCSANOW, &terminal.oudeInstellingen) != 0 &&
               errno == EINTR) {
        }
    }
    if (voorgrond)
        tcflush(STDIN_FILENO, TCIFLUSH); // keys typed for the game do not reach the shell
    for (int i = 0; i < 2; ++i)
        if (terminal.gedeeldFd[i] >= 0)
            fcntl(terminal.gedeeldFd[i], F_SETFL, terminal.gedeeldeVlaggen[i]);
    signalen.bezit = BijDeShell;
    sigprocmask(SIG_SETMASK, &oud, nullptr);
}

// Raw mode, keeping ISIG so that Ctrl+C, Ctrl+Z and Ctrl+\ stay signals.
bool RauweModus() {
    termios rauw = terminal.oudeInstellingen;
    rauw.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    rauw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | IEXTEN);
    rauw.c_cc[VMIN] = 1;
    rauw.c_cc[VTIME] = 0;
    while (tcsetattr(STDIN_FILENO, TCSAFLUSH, &rauw) != 0)
        if (errno != EINTR) return false;
    if (tcgetattr(STDIN_FILENO, &terminal.rauweInstellingen) != 0)
        terminal.rauweInstellingen = rauw;
    return true;
}

bool NeemOver() {
    // Both flags first: the two descriptors may share one description.
    for (int i = 0; i < 2; ++i)
        if (terminal.gedeeldFd[i] >= 0)
            terminal.gedeeldeVlaggen[i] = fcntl(terminal.gedeeldFd[i], F_GETFL);
    signalen.bezit = OvernameOnderweg; // from here on a signal gives the terminal back
    for (int i = 0; i < 2; ++i)
        if (terminal.gedeeldFd[i] >= 0)
            fcntl(terminal.gedeeldFd[i], F_SETFL, terminal.gedeeldeVlaggen[i] | O_NONBLOCK);
    if (!RauweModus()) {
        GeefTerug(); // the shared descriptors' flags
        return false;
    }
    return true;
}

void Wek() {
    signalen.gewekt = 1;
    const int fout = errno;
    if (signalen.wekker[1] >= 0) {
        const ssize_t n = write(signalen.wekker[1], "!", 1);
        static_cast<void>(n); // a full pipe has woken poll already
    }
    errno = fout;
}

// Every signal whose default action ends the process. SA_RESETHAND has put
// the default action back and every signal is held back while this runs;
// unblocking the signal delivers it, and it ends the process with the status
// that belongs to it.
void BijEindsignaal(int signaal) {
    GeefTerug();
    raise(signaal);
    const sigset_t ditSignaal = EenSignaal(signaal);
    sigprocmask(SIG_UNBLOCK, &ditSignaal, nullptr);
    _exit(128 + signaal); // a system whose default ignores it after all: end as if it had not
}

#ifndef __linux__
void BijPauze(int) {
    signalen.verderBijPauze = signalen.verderTeller;
    signalen.pauzeGevraagd = 1;
    Wek();
}
#endif

void BijVerder(int) {
    signalen.verderTeller = signalen.verderTeller + 1;
    Wek();
}

void BijMaat(int) {
    signalen.maatGewijzigd = 1;
    Wek();
}

[[noreturn]] void BijTerminate() {
    GeefTerug();
    if (vooraf.terminate != nullptr) vooraf.terminate();
    std::abort();
}

bool EindigtHetProces(int signaal) {
    return std::find(std::begin(GeenEinde), std::end(GeenEinde), signaal) == std::end(GeenEinde);
}

void Installeer(int signaal, void (*handler)(int), int vlaggen) {
    struct sigaction actie {};
    actie.sa_handler = handler;
    actie.sa_flags = vlaggen;
    sigemptyset(&actie.sa_mask);
    if (handler == BijEindsignaal)
        sigfillset(&actie.sa_mask); // one restore, not one inside another
    // SIGKILL, SIGSTOP and the C library's own signals refuse.
    if (sigaction(signaal, &actie, &vooraf.acties[signaal]) != 0) return;
    vooraf.vervangen[signaal] = true;
    // A signal the caller chose to ignore (nohup, a background job) stays ignored.
    if (vooraf.acties[signaal].sa_handler == SIG_IGN)
        sigaction(signaal, &vooraf.acties[signaal], nullptr);
}

void InstalleerSignalen() {
    // A crash from a stack overflow needs a stack of its own for the handler.
    stack_t stapel{};
    stapel.ss_sp = signaalStapel;
    stapel.ss_size = sizeof signaalStapel;
    sigaltstack(&stapel, &vooraf.stapel);
    for (int signaal = 1; signaal < NSIG; ++signaal)
        if (EindigtHetProces(signaal))
            Installeer(signaal, BijEindsignaal, SA_RESETHAND | SA_ONSTACK);
#ifndef __linux__
    Installeer(SIGTSTP, BijPauze, SA_RESTART);
#endif
    Installeer(SIGCONT, BijVerder, SA_RESTART);
    Installeer(SIGWINCH, BijMaat, SA_RESTART);
    // The signals job control and the restore count on must arrive, whatever
    // the parent held back.
    sigset_t nodig;
    sigemptyset(&nodig);
    for (int signaal = 1; signaal < NSIG; ++signaal)
        if (vooraf.vervangen[signaal]) sigaddset(&nodig, signaal);
    sigaddset(&nodig, SIGTTOU);
    sigprocmask(SIG_UNBLOCK, &nodig, &vooraf.masker);
#ifdef __linux__
    const sigset_t pauze = EenSignaal(SIGTSTP);
    sigprocmask(SIG_BLOCK, &pauze, nullptr);
    pauzeFd = signalfd(-1, &pauze, SFD_NONBLOCK | SFD_CLOEXEC);
#endif
}

void HerstelSignalen() {
    for (int signaal = 1; signaal < NSIG; ++signaal)
        if (vooraf.vervangen[signaal]) sigaction(signaal, &vooraf.acties[signaal], nullptr);
    std::fill(std::begin(vooraf.vervangen), std::end(vooraf.vervangen), false);
#ifdef __linux__
    if (pauzeFd >= 0) close(pauzeFd);
    pauzeFd = -1;
#endif
    sigprocmask(SIG_SETMASK, &vooraf.masker, nullptr);
    sigaltstack(&vooraf.stapel, nullptr);
}

// A description of the terminal of our own, non-blocking: the flag belongs
// to it alone, so the descriptors we share with the shell stay as they were.
// When the terminal cannot be opened again, the shared one has to do, and
// the takeover makes it non-blocking.
int EigenDescriptor(int fd, int toegang, int& gedeeld) {
    const char* naam = ttyname(fd);
    const int eigen = naam ? open(naam, toegang | O_NONBLOCK | O_NOCTTY | O_CLOEXEC) : -1;
    gedeeld = eigen >= 0 ? -1 : fd;
    return eigen >= 0 ? eigen : fd;
}

bool OpenTerminal() {
    if (pipe(signalen.wekker) != 0) return false;
    for (int fd : signalen.wekker) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    terminal.invoerFd = EigenDescriptor(STDIN_FILENO, O_RDONLY, terminal.gedeeldFd[0]);
    terminal.uitvoerFd = EigenDescriptor(STDOUT_FILENO, O_WRONLY, terminal.gedeeldFd[1]);
    return true;
}

void SluitTerminal() {
    for (int* fd : {&signalen.wekker[0], &signalen.wekker[1], &terminal.invoerFd,
                    &terminal.uitvoerFd, &terminal.gedeeldFd[0], &terminal.gedeeldFd[1]}) {
        if (*fd > STDERR_FILENO) close(*fd);
        *fd = -1;
    }
}

void LeegWekker() {
    char redenen[64];
    while (read(signalen.wekker[0], redenen, sizeof redenen) > 0) {
    }
}

void LeesMaat() {
    winsize maat{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &maat) == 0 && maat.ws_col > 0 && maat.ws_row > 0) {
        terminal.breedte = maat.ws_col;
        terminal.hoogte = maat.ws_row;
    } else {
        terminal.breedte = 80; // a terminal that does not say: assume the classic size
        terminal.hoogte = 25;
    }
}

void VolledigOpnieuw() {
    beeld.getoond.reset();
    beeld.meldingGetoond = false;
}

// Ctrl+Z or a SIGTSTP from elsewhere: give the terminal back, then stop. A
// group that no shell could continue is not stopped by the system; the game
// then simply goes on.
#ifdef __linux__
void Pauzeer() {
    GeefTerug();
    const sigset_t pauze = EenSignaal(SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &pauze, nullptr); // the process stops here until SIGCONT
    sigprocmask(SIG_BLOCK, &pauze, nullptr);
}
#else
void Pauzeer() {
    const std::sig_atomic_t voor = signalen.verderBijPauze;
    signalen.pauzeGevraagd = 0;
    GeefTerug();
    const sigset_t pauze = EenSignaal(SIGTSTP);
    sigset_t oud;
    sigprocmask(SIG_BLOCK, &pauze, &oud);
    struct sigaction actie {
    }, onze{};
    actie.sa_handler = SIG_DFL;
    sigemptyset(&actie.sa_mask);
    sigaction(SIGTSTP, &actie, &onze);
    raise(SIGTSTP);
    if (signalen.verderTeller != voor) { // continued already: ignoring a pending signal discards it
        actie.sa_handler = SIG_IGN;
        sigaction(SIGTSTP, &actie, nullptr);
    }
    sigprocmask(SIG_UNBLOCK, &pauze, nullptr); // the process stops here until SIGCONT
    sigprocmask(SIG_BLOCK, &pauze, nullptr);
    sigaction(SIGTSTP, &onze, nullptr);
    sigprocmask(SIG_SETMASK, &oud, nullptr);
}
#endif

// Returns once the game is in the terminal's foreground. In the background
// it sets the terminal's modes as any job that wants its terminal does: the
// system stops it with SIGTTOU (the shell reports it stopped, and fg, or bg
// after which it stops again, continues it). False when it never will be in
// the foreground: the terminal is gone, its session ended, or its process
// group is orphaned (no shell could continue it; the terminal then says EIO
// instead of stopping it).
bool WachtOpDeVoorgrond() {
    while (true) {
        LeegWekker();
        if (terminal.weg) return false;
        if (!terminal.stuurterminal) return true;
        const pid_t voorgrond = tcgetpgrp(STDIN_FILENO);
        if (voorgrond == getpgrp()) return true;
        if (voorgrond == -1) return false;
        GeefTerug(); // stopped by SIGSTOP and continued in the background
        termios modi{};
        if (tcgetattr(STDIN_FILENO, &modi) != 0 ||
            (tcsetattr(STDIN_FILENO, TCSANOW, &modi) != 0 && errno != EINTR))
            return false;
        if (tcgetpgrp(STDIN_FILENO) == getpgrp() || PauzeGevraagd()) continue;
        // Still in the background: SIGTTOU is ignored or held back by whoever
        // started us. Look again now and then, or when something happens.
        pollfd bronnen[3] = {
            {signalen.wekker[0], POLLIN, 0}, {terminal.invoerFd, 0, 0}, {pauzeFd, POLLIN, 0}};
        if (poll(bronnen, 3, 1000) > 0 && (bronnen[1].revents & (POLLHUP | POLLERR | POLLNVAL)))
            terminal.weg = true;
    }
}

[[noreturn]] void TerminalWeg() {
    StopAchterkant();
    MeldNaStop("struinpaadje: het spel heeft geen terminal meer; het spel stopt.");
    std::exit(1);
}

// The step before every frame (and before every key handed out): acts on
// what the handlers took note of. Suspends, waits for the foreground, takes
// the terminal (back) when it is not ours, and reads a new size. Asking the
// system costs calls, so it asks only after a wake-up: a key from a paste
// costs none.
void VoorElkBeeld() {
    if (signalen.gewekt) {
        signalen.gewekt = 0; // first: a signal during the checks is looked at next time
        do {
            if (PauzeGevraagd()) Pauzeer();
            if (!WachtOpDeVoorgrond()) TerminalWeg();
        } while (PauzeGevraagd());
    } else if (terminal.weg) {
        TerminalWeg();
    }
    if (signalen.bezit == BijDeShell || signalen.verderTeller != terminal.verderGezien) {
        terminal.verderGezien = signalen.verderTeller;
        // Stopped by SIGSTOP the screen modes are still ours, but the shell
        // may have reset the terminal's; after Ctrl+Z everything is given back.
        const bool gelukt = signalen.bezit != BijDeShell ? RauweModus() : NeemOver();
        if (!gelukt) TerminalWeg();
        invoer.bytes.clear();
        signalen.maatGewijzigd = 1;
    }
    if (signalen.maatGewijzigd) {
        signalen.maatGewijzigd = 0;
        LeesMaat();
        VolledigOpnieuw();
    }
}

void Decodeer(bool stilte) {
    for (const ToetsDruk& toets :
         DecodeerToetsen(invoer.bytes, stilte, &terminal.toetsenbordOphogen)) {
        // Terminals that report Ctrl+key as an escape sequence (the kitty
        // protocol) bypass the terminal's own signals: raise them here.
        if (toets.teken == 3) raise(SIGINT);
        if (toets.teken == 0x1c) raise(SIGQUIT);
        if (toets.teken == 0x1a) {
            raise(SIGTSTP);
            signalen.gewekt = 1;
            continue;
        }
        if (invoer.wachtrij.size() < MaxWachtendeToetsen) invoer.wachtrij.push_back(toets);
    }
}

// Blocks until something happens: bytes from the keyboard, a signal, or the
// end of the Esc wait. A read finds the terminal as poll did: only this loop
// changes its modes, and the read does not block.
void WachtOpInvoer() {
    pollfd bronnen[3] = {
        {signalen.wekker[0], POLLIN, 0}, {terminal.invoerFd, POLLIN, 0}, {pauzeFd, POLLIN, 0}};
    const int wachttijd = invoer.bytes.empty() ? -1 : EscWachttijdMs;
    const int klaar = poll(bronnen, 3, wachttijd);
    if (klaar < 0) {
        if (errno != EINTR && errno != EAGAIN) terminal.weg = true;
        return;
    }
    if (klaar == 0) {
        Decodeer(true);
        return;
    }
    if ((bronnen[0].revents | bronnen[2].revents) & POLLIN) signalen.gewekt = 1;
    const short gebeurd = bronnen[1].revents;
    if (gebeurd & POLLIN) {
        char buffer[512];
        const ssize_t n = read(terminal.invoerFd, buffer, sizeof buffer);
        if (n > 0) {
            invoer.bytes.append(buffer, static_cast<std::size_t>(n));
            Decodeer(false);
            return;
        }
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
        terminal.weg = true; // end of file, or the terminal hung up
    }
    if (gebeurd & (POLLHUP | POLLERR | POLLNVAL)) terminal.weg = true;
}

} // namespace

bool StartAchterkant() {
    if (terminal.gestart) return true;
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        std::fputs("struinpaadje: dit spel moet in een terminal draaien (invoer en uitvoer zijn "
                   "nu geen terminal).\n",
                   stderr);
        return false;
    }
    const Terminalsoort soort = HerkenTerminal([](const char* naam) { return std::getenv(naam); });
    if (!soort.bruikbaar) {
        std::fputs("struinpaadje: deze terminal kan het spel niet tonen (TERM is leeg of "
                   "\"dumb\").\n",
                   stderr);
        return false;
    }
    if (tcgetattr(STDIN_FILENO, &terminal.oudeInstellingen) != 0 || !OpenTerminal()) {
        SluitTerminal();
        std::fputs("struinpaadje: de terminal laat zich niet instellen.\n", stderr);
        return false;
    }
    beeld.weergave = soort.weergave;
    terminal.overnemen = Overnemen(soort.toetsenprotocol);
    terminal.stuurterminal = tcgetpgrp(STDIN_FILENO) != -1;
    terminal.weg = false;
    InstalleerSignalen();
    vooraf.terminate = std::set_terminate(BijTerminate);
    // Started in the background (with &): wait for fg before taking over.
    terminal.verderGezien = signalen.verderTeller;
    if (!WachtOpDeVoorgrond() || !NeemOver()) {
        GeefTerug();
        std::set_terminate(vooraf.terminate);
        HerstelSignalen();
        SluitTerminal();
        std::fputs("struinpaadje: de terminal laat zich niet instellen.\n", stderr);
        return false;
    }
    terminal.verderGezien = signalen.verderTeller;
    signalen.gewekt = 1;
    LeesMaat();
    VolledigOpnieuw();
    invoer.bytes.clear();
    invoer.wachtrij.clear();
    terminal.gestart = true;
    return true;
}

void StopAchterkant() {
    if (!terminal.gestart) return;
    terminal.gestart = false;
    GeefTerug();
    std::set_terminate(vooraf.terminate);
    HerstelSignalen();
    SluitTerminal();
    beeld.getoond.reset();
    invoer.bytes.clear();
    invoer.wachtrij.clear();
}

void MeldNaStop(const char* tekst) {
    std::fputs(tekst, stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

ToetsDruk WachtOpToets(const ConsoleModel& model) {
    if (!terminal.gestart)
        return ToetsDruk{ToetsEsc, ToetsEsc}; // no terminal: every screen leaves on Esc
    while (true) {
        VoorElkBeeld();
        if (signalen.bezit != BijDeShell) {
            if (terminal.breedte < model.breedte || terminal.hoogte < model.hoogte) {
                // Keys typed while the game cannot be seen do not reach it.
                invoer.wachtrij.clear();
                if (!beeld.meldingGetoond) {
                    beeld.meldingGetoond = SchrijfBeeld(TekenTeKlein(
                        terminal.breedte, terminal.hoogte, model.breedte, model.hoogte));
                    beeld.getoond.reset();
                }
            } else {
                if (!invoer.wachtrij.empty()) {
                    // Keys already typed come first; the frame they lead to
                    // is drawn when the game waits with nothing queued.
                    const ToetsDruk toets = invoer.wachtrij.front();
                    invoer.wachtrij.pop_front();
                    return toets;
                }
                beeld.stand.breedte = terminal.breedte;
                beeld.stand.hoogte = terminal.hoogte;
                if (SchrijfBeeld(TekenVerschil(beeld.getoond ? &*beeld.getoond : nullptr, model,
                                               beeld.weergave, beeld.stand)))
                    beeld.getoond = model;
                else
                    beeld.getoond.reset();
                beeld.meldingGetoond = false;
            }
        }
        WachtOpInvoer();
    }
}

void Voorlezen(const std::string&) {} // screen readers read the console itself, at its cursor
