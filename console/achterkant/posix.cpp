// The terminal backend: the game on the alternate screen of a terminal in raw
// mode, each frame drawn as the difference from the last one, keys decoded
// from the bytes the terminal sends.
//
// Every way out gives the terminal back: StopAchterkant, a failed start, an
// exception that reaches std::terminate, and the signals that end a process
// (their handler restores and then lets the signal do its default work, so the
// exit status stays true). Ctrl+Z gives the terminal back while the game is
// suspended. When the input is gone (hang-up, end of file) the game ends with
// exit status 1 and the terminal restored.
#include "console/Achterkant.h"
#include "console/Console.h"
#include "console/Terminalsoort.h"
#include "console/Toetsdecoder.h"
#include "console/Weergave.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <fcntl.h>
#include <iterator>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Taking over: alternate screen, kitty keyboard disambiguation pushed (on the
// alternate screen, which keeps its own stack), application cursor keys and
// keypad, no automatic wrap at the right edge.
constexpr char Overnemen[] = "\x1b[?1049h\x1b[>1u\x1b[?1h\x1b=\x1b[?7l";
// Giving back, in the reverse order. Signal handlers write it too, so it is a
// constant made in advance.
constexpr char Teruggeven[] = "\x1b[<u\x1b[0m\x1b[?25h\x1b[?7h\x1b[?1l\x1b>\x1b[?1049l";

constexpr int EindSignalen[] = {SIGINT,  SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                                SIGABRT, SIGBUS,  SIGFPE, SIGILL};
constexpr std::size_t AantalEindSignalen = std::size(EindSignalen);
// Keys beyond this many waiting are dropped (a paste cannot eat the memory).
constexpr std::size_t MaxWachtendeToetsen = 1024;

termios oudeInstellingen{};
volatile std::sig_atomic_t overgenomen = 0; // raw mode and alternate screen are on
bool gestart = false;                       // between StartAchterkant and StopAchterkant
int wekker[2] = {-1, -1};                   // self-pipe: signal handlers wake poll

struct sigaction oudeEindActies[AantalEindSignalen];
struct sigaction oudePauze, oudeVerder, oudeMaat;
struct sigaction onzePauze;
stack_t oudeSignaalStapel{};
alignas(16) char signaalStapel[64 * 1024];
std::terminate_handler oudeTerminate = nullptr;

WeergaveOpties weergave;
std::optional<ConsoleModel> getoond; // what the terminal shows; nothing: unknown
Terminalstand stand;                 // its size, cursor and colours as the last frame left them
bool meldingGetoond = false;         // the "too small" notice is on the screen
int terminalBreedte = 80;
int terminalHoogte = 25;
std::string invoer; // bytes read but not yet whole key presses
std::deque<ToetsDruk> wachtrij;

// Async-signal-safe: write() and poll() only.
void SchrijfAlles(const char* data, std::size_t lengte) {
    while (lengte > 0) {
        const ssize_t n = write(STDOUT_FILENO, data, lengte);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN) { // someone made the terminal non-blocking: wait, do not spin
                pollfd uit{STDOUT_FILENO, POLLOUT, 0};
                if (poll(&uit, 1, 1000) > 0) continue;
            }
            return; // the terminal is gone; nothing more to do
        }
        data += n;
        lengte -= static_cast<std::size_t>(n);
    }
}

void SchrijfAlles(const std::string& tekst) {
    SchrijfAlles(tekst.data(), tekst.size());
}

// The one restore routine. Async-signal-safe: write() and tcsetattr() (and
// poll() should the terminal push back).
void GeefTerug() {
    if (!overgenomen) return;
    overgenomen = 0;
    SchrijfAlles(Teruggeven, sizeof Teruggeven - 1);
    while (tcsetattr(STDIN_FILENO, TCSAFLUSH, &oudeInstellingen) != 0 && errno == EINTR) {
    }
}

// Raw mode, keeping ISIG so that Ctrl+C, Ctrl+Z and Ctrl+\ stay signals.
bool RauweModus() {
    termios rauw = oudeInstellingen;
    rauw.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    rauw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | IEXTEN);
    rauw.c_cc[VMIN] = 1;
    rauw.c_cc[VTIME] = 0;
    while (tcsetattr(STDIN_FILENO, TCSAFLUSH, &rauw) != 0)
        if (errno != EINTR) return false;
    return true;
}

bool NeemOver() {
    overgenomen = 1; // from here on a signal gives the terminal back
    if (!RauweModus()) {
        overgenomen = 0;
        return false;
    }
    SchrijfAlles(Overnemen, sizeof Overnemen - 1);
    return true;
}

void Wek(char reden) {
    const int fout = errno;
    if (wekker[1] >= 0) {
        const ssize_t n = write(wekker[1], &reden, 1);
        static_cast<void>(n); // a full pipe has woken poll already
    }
    errno = fout;
}

// SIGINT, SIGTERM, SIGHUP, SIGQUIT and the crashes. SA_RESETHAND has put the
// default action back; the signal raised here is delivered as soon as the
// handler returns, and ends the process with the status that belongs to it.
void BijEindsignaal(int signaal) {
    GeefTerug();
    raise(signaal);
}

// Ctrl+Z: give the terminal back, stop, and on waking up let the loop take the
// terminal over again and repaint.
void BijPauze(int) {
    const int fout = errno;
    GeefTerug();
    struct sigaction standaard {};
    standaard.sa_handler = SIG_DFL;
    sigemptyset(&standaard.sa_mask);
    sigaction(SIGTSTP, &standaard, nullptr);
    sigset_t alleenPauze;
    sigemptyset(&alleenPauze);
    sigaddset(&alleenPauze, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &alleenPauze, nullptr);
    raise(SIGTSTP); // the process stops here until SIGCONT
    sigaction(SIGTSTP, &onzePauze, nullptr);
    Wek('c');
    errno = fout;
}

void BijVerder(int) {
    Wek('c');
}

void BijMaat(int) {
    Wek('w');
}

[[noreturn]] void BijTerminate() {
    GeefTerug();
    if (oudeTerminate != nullptr) oudeTerminate();
    std::abort();
}

void Installeer(int signaal, void (*handler)(int), int vlaggen, struct sigaction* oud) {
    struct sigaction actie {};
    actie.sa_handler = handler;
    actie.sa_flags = vlaggen;
    sigemptyset(&actie.sa_mask);
    sigaction(signaal, &actie, oud);
    // A signal the caller chose to ignore (nohup, a background job) stays ignored.
    if (oud->sa_handler == SIG_IGN) sigaction(signaal, oud, nullptr);
}

void InstalleerSignalen() {
    // A crash from a stack overflow needs a stack of its own for the handler.
    stack_t stapel{};
    stapel.ss_sp = signaalStapel;
    stapel.ss_size = sizeof signaalStapel;
    sigaltstack(&stapel, &oudeSignaalStapel);
    for (std::size_t i = 0; i < AantalEindSignalen; ++i)
        Installeer(EindSignalen[i], BijEindsignaal, SA_RESETHAND | SA_ONSTACK, &oudeEindActies[i]);
    Installeer(SIGTSTP, BijPauze, SA_RESTART, &oudePauze);
    sigaction(SIGTSTP, nullptr, &onzePauze);
    Installeer(SIGCONT, BijVerder, SA_RESTART, &oudeVerder);
    Installeer(SIGWINCH, BijMaat, SA_RESTART, &oudeMaat);
}

void HerstelSignalen() {
    for (std::size_t i = 0; i < AantalEindSignalen; ++i)
        sigaction(EindSignalen[i], &oudeEindActies[i], nullptr);
    sigaction(SIGTSTP, &oudePauze, nullptr);
    sigaction(SIGCONT, &oudeVerder, nullptr);
    sigaction(SIGWINCH, &oudeMaat, nullptr);
    sigaltstack(&oudeSignaalStapel, nullptr);
}

bool MaakWekker() {
    if (pipe(wekker) != 0) return false;
    for (int fd : wekker) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    return true;
}

void SluitWekker() {
    for (int& fd : wekker) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
}

void LeesMaat() {
    winsize maat{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &maat) == 0 && maat.ws_col > 0 && maat.ws_row > 0) {
        terminalBreedte = maat.ws_col;
        terminalHoogte = maat.ws_row;
    } else {
        terminalBreedte = 80; // a terminal that does not say: assume the classic size
        terminalHoogte = 25;
    }
}

bool OpDeVoorgrond() {
    return tcgetpgrp(STDIN_FILENO) == getpgrp();
}

void VolledigOpnieuw() {
    getoond.reset();
    meldingGetoond = false;
}

[[noreturn]] void InvoerWeg();

// What the signal handlers asked for: a new size, or waking up after a stop.
void VerwerkWekker() {
    bool verder = false;
    bool maat = false;
    char redenen[64];
    ssize_t n = 0;
    while ((n = read(wekker[0], redenen, sizeof redenen)) > 0) {
        for (ssize_t i = 0; i < n; ++i) {
            if (redenen[i] == 'c') verder = true;
            if (redenen[i] == 'w') maat = true;
        }
    }
    if (verder && OpDeVoorgrond()) {
        // Stopped by SIGSTOP the screen modes are still ours, but the shell
        // may have reset the terminal's; after Ctrl+Z everything is given back.
        const bool gelukt = overgenomen ? RauweModus() : NeemOver();
        if (!gelukt) InvoerWeg();
        invoer.clear();
    }
    if (verder || maat) {
        LeesMaat();
        VolledigOpnieuw();
    }
}

[[noreturn]] void InvoerWeg() {
    StopAchterkant();
    MeldNaStop("struinpaadje: de invoer van de terminal is weg; het spel stopt.");
    std::exit(1);
}

void Decodeer(bool stilte) {
    for (const ToetsDruk& toets : DecodeerToetsen(invoer, stilte)) {
        // Terminals that report Ctrl+key as an escape sequence (the kitty
        // protocol) bypass the terminal's own signals: raise them here.
        if (toets.teken == 3) raise(SIGINT);
        if (toets.teken == 0x1c) raise(SIGQUIT);
        if (toets.teken == 0x1a) {
            raise(SIGTSTP);
            continue;
        }
        if (wachtrij.size() < MaxWachtendeToetsen) wachtrij.push_back(toets);
    }
}

// Blocks until something happens: bytes from the keyboard, a signal, or the
// end of the Esc wait.
void WachtOpInvoer() {
    pollfd bronnen[2] = {{wekker[0], POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    // While the terminal is not ours (suspended in the background) only a
    // signal can wake us.
    const nfds_t aantal = overgenomen ? 2 : 1;
    const int wachttijd = overgenomen && !invoer.empty() ? EscWachttijdMs : -1;
    const int klaar = poll(bronnen, aantal, wachttijd);
    if (klaar < 0) {
        if (errno == EINTR || errno == EAGAIN) return;
        InvoerWeg();
    }
    if (klaar == 0) {
        Decodeer(true);
        return;
    }
    if (aantal < 2) return;
    const short gebeurd = bronnen[1].revents;
    if (gebeurd & POLLIN) {
        char buffer[512];
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n > 0) {
            invoer.append(buffer, static_cast<std::size_t>(n));
            Decodeer(false);
            return;
        }
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
        InvoerWeg(); // end of file, or the terminal hung up
    }
    if (gebeurd & (POLLHUP | POLLERR | POLLNVAL)) InvoerWeg();
}

} // namespace

bool StartAchterkant() {
    if (gestart) return true;
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
    if (tcgetattr(STDIN_FILENO, &oudeInstellingen) != 0 || !MaakWekker()) {
        SluitWekker();
        std::fputs("struinpaadje: de terminal laat zich niet instellen.\n", stderr);
        return false;
    }
    weergave = soort.weergave;
    InstalleerSignalen();
    oudeTerminate = std::set_terminate(BijTerminate);
    if (!NeemOver()) {
        GeefTerug();
        std::set_terminate(oudeTerminate);
        HerstelSignalen();
        SluitWekker();
        std::fputs("struinpaadje: de terminal laat zich niet instellen.\n", stderr);
        return false;
    }
    LeesMaat();
    VolledigOpnieuw();
    invoer.clear();
    wachtrij.clear();
    gestart = true;
    return true;
}

void StopAchterkant() {
    if (!gestart) return;
    gestart = false;
    GeefTerug();
    std::set_terminate(oudeTerminate);
    HerstelSignalen();
    SluitWekker();
    getoond.reset();
    invoer.clear();
    wachtrij.clear();
}

void MeldNaStop(const char* tekst) {
    std::fputs(tekst, stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

ToetsDruk WachtOpToets(const ConsoleModel& model) {
    if (!gestart) return ToetsDruk{ToetsEsc, ToetsEsc}; // no terminal: every screen leaves on Esc
    while (true) {
        VerwerkWekker();
        if (overgenomen) {
            if (terminalBreedte < model.breedte || terminalHoogte < model.hoogte) {
                // Keys typed while the game cannot be seen do not reach it.
                wachtrij.clear();
                if (!meldingGetoond) {
                    SchrijfAlles(
                        TekenTeKlein(terminalBreedte, terminalHoogte, model.breedte, model.hoogte));
                    meldingGetoond = true;
                    getoond.reset();
                }
            } else {
                if (!wachtrij.empty()) {
                    // Keys already typed come first; the frame they lead to
                    // is drawn when the game waits with nothing queued.
                    const ToetsDruk toets = wachtrij.front();
                    wachtrij.pop_front();
                    return toets;
                }
                stand.breedte = terminalBreedte;
                stand.hoogte = terminalHoogte;
                SchrijfAlles(TekenVerschil(getoond ? &*getoond : nullptr, model, weergave, stand));
                getoond = model;
                meldingGetoond = false;
            }
        }
        WachtOpInvoer();
    }
}
