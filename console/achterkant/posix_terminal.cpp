// The terminal backend's hold on the terminal: taking it over (raw mode, and
// the screen modes the loop sends in front of its next frame), giving it back,
// job control and the signals.
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
// The restore bytes wait at most TeruggaveMs for a terminal that stopped
// reading, so a signal ends the game in bounded time.
//
// When the terminal is gone (hang-up, a read or write error, its session
// ended, or a background game that no shell can bring back) the game ends with
// exit status 1 and the terminal restored as far as it still exists.
#include "console/achterkant/posix_terminal.h"
#include "console/terminal/Toetsdecoder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <fcntl.h>
#include <iterator>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#ifdef __linux__
#include <sys/signalfd.h>
#endif
#include <unistd.h>

namespace posix {

Signaalstaat signalen;
Terminal terminal;
int pauzeFd = -1;

namespace {

// The terminal modes the game sets, one row each: what sets it, what undoes
// it. Taking over sends the rows in order; giving back undoes them from the
// last to the first.
struct Modus {
    const char* zetten; // nullptr: the frames set it as they draw
    const char* terugzetten;
};
constexpr Modus Modi[] = {
    {"\x1b[?1049h", "\x1b[?1049l"}, // the alternate screen
    // The kitty keyboard protocol pushed on the alternate screen's own stack
    // (every key as an escape code where the terminal says it can, see
    // Toetsdecoder.h): what it sends depends on the terminal.
    {ToetsenbordAlleToetsen, "\x1b[<u"},
    {"\x1b[?1h", "\x1b[?1l"}, // application cursor keys
    {"\x1b=", "\x1b>"},       // application keypad
    {"\x1b[?7l", "\x1b[?7h"}, // no automatic wrap at the right edge
    {nullptr, "\x1b[?25h"},   // the cursor, hidden and shown by the frames
    {nullptr, "\x1b[0m"},     // the colours of the frames
};

std::string Overnemen(bool toetsenprotocol) {
    std::string uit;
    for (const Modus& modus : Modi) {
        if (modus.zetten == ToetsenbordAlleToetsen)
            uit += ToetsenbordAan(toetsenprotocol);
        else if (modus.zetten != nullptr)
            uit += modus.zetten;
    }
    return uit;
}

// Giving back. Signal handlers write it too, so it is a constant made in
// advance: the undo column read from the bottom up.
constexpr std::size_t TeruggevenLengte() {
    std::size_t lengte = 0;
    for (const Modus& modus : Modi) lengte += std::char_traits<char>::length(modus.terugzetten);
    return lengte;
}
constexpr std::array<char, TeruggevenLengte()> MaakTeruggeven() {
    std::array<char, TeruggevenLengte()> uit{};
    std::size_t i = 0;
    for (auto modus = std::rbegin(Modi); modus != std::rend(Modi); ++modus)
        for (const char* c = modus->terugzetten; *c != '\0'; ++c) uit[i++] = *c;
    return uit;
}
constexpr std::array<char, TeruggevenLengte()> Teruggeven = MaakTeruggeven();

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

bool PauzeGevraagd();
void InstalleerPauze();
void HerstelPauze();
void Pauzeer();

// What the game is writing is out of date: it is being suspended, or it was
// continued after a stop and must take the terminal over again first.
bool Onderbroken() {
    return PauzeGevraagd() || signalen.verderTeller != terminal.verderGezien;
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
// background. The modes go first: they take effect at once, while the
// restore bytes may wait for a terminal that does not read, and whoever
// started the game may end it before they are through (su kills its child
// two seconds after passing on a SIGTERM).
void GeefTerug() {
    if (signalen.bezit == BijDeShell) return;
    const sigset_t terminalSignalen = EenSignaal(SIGTTOU);
    sigset_t oud;
    sigprocmask(SIG_BLOCK, &terminalSignalen, &oud);
    const bool voorgrond = !OpDeAchtergrond();
    if (voorgrond || NogRauw()) {
        while (tcsetattr(STDIN_FILENO, TCSANOW, &terminal.oudeInstellingen) != 0 &&
               errno == EINTR) {
        }
    }
    if (signalen.bezit == Overgenomen && !terminal.regelmodus)
        Schrijf(Teruggeven.data(), Teruggeven.size(), TeruggaveMs);
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

// Installs `handler`. A signal the caller chose to ignore (nohup, a shell's
// background job) stays ignored unless `ookGenegeerd`.
void Installeer(int signaal, void (*handler)(int), int vlaggen, bool ookGenegeerd = false) {
    struct sigaction actie {};
    actie.sa_handler = handler;
    actie.sa_flags = vlaggen;
    sigemptyset(&actie.sa_mask);
    if (handler == BijEindsignaal)
        sigfillset(&actie.sa_mask); // one restore, not one inside another
    // The signals the C library keeps for itself (its threads' own) refuse.
    if (sigaction(signaal, &actie, &vooraf.acties[signaal]) != 0) return;
    vooraf.vervangen[signaal] = true;
    if (vooraf.acties[signaal].sa_handler == SIG_IGN && !ookGenegeerd)
        sigaction(signaal, &vooraf.acties[signaal], nullptr);
}

void InstalleerSignalen() {
    // A crash from a stack overflow needs a stack of its own for the handler.
    stack_t stapel{};
    stapel.ss_sp = signaalStapel;
    stapel.ss_size = sizeof signaalStapel;
    sigaltstack(&stapel, &vooraf.stapel);
    // Ctrl+C and Ctrl+\ end the game whenever it starts in the terminal's
    // foreground, even with their signals ignored: a screen reader may start
    // it so, and a player must be able to leave. A shell's background job is
    // not in the foreground and keeps them as the shell set them.
    const bool voorgrond = tcgetpgrp(STDIN_FILENO) == getpgrp();
    for (int signaal = 1; signaal < NSIG; ++signaal)
        if (EindigtHetProces(signaal))
            Installeer(signaal, BijEindsignaal, SA_RESETHAND | SA_ONSTACK,
                       voorgrond && (signaal == SIGINT || signaal == SIGQUIT));
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
    InstalleerPauze();
}

void HerstelSignalen() {
    for (int signaal = 1; signaal < NSIG; ++signaal)
        if (vooraf.vervangen[signaal]) sigaction(signaal, &vooraf.acties[signaal], nullptr);
    std::fill(std::begin(vooraf.vervangen), std::end(vooraf.vervangen), false);
    HerstelPauze();
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

// Ctrl+Z or a SIGTSTP from elsewhere: give the terminal back, then stop. A
// group that no shell could continue is not stopped by the system; the game
// then simply goes on.
#ifdef __linux__
// On Linux SIGTSTP stays blocked while the game runs, and a signalfd tells
// the loop it is pending; unblocking it stops the process.
bool PauzeGevraagd() {
    sigset_t wachtend;
    return sigpending(&wachtend) == 0 && sigismember(&wachtend, SIGTSTP) == 1;
}

void InstalleerPauze() {
    const sigset_t pauze = EenSignaal(SIGTSTP);
    sigprocmask(SIG_BLOCK, &pauze, nullptr);
    pauzeFd = signalfd(-1, &pauze, SFD_NONBLOCK | SFD_CLOEXEC);
}

void HerstelPauze() {
    if (pauzeFd >= 0) close(pauzeFd);
    pauzeFd = -1;
}

void Pauzeer() {
    GeefTerug();
    const sigset_t pauze = EenSignaal(SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &pauze, nullptr); // the process stops here until SIGCONT
    sigprocmask(SIG_BLOCK, &pauze, nullptr);
}
#else
// Elsewhere a handler takes note, and the loop stops with a SIGTSTP of its
// own; a SIGCONT that came after the first one cancels it.
volatile std::sig_atomic_t pauzeGevraagd = 0;  // SIGTSTP
volatile std::sig_atomic_t verderBijPauze = 0; // verderTeller at that SIGTSTP

bool PauzeGevraagd() {
    return pauzeGevraagd;
}

void BijPauze(int) {
    verderBijPauze = signalen.verderTeller;
    pauzeGevraagd = 1;
    Wek();
}

// Installed after the signal mask was taken, so it unblocks its own signal.
void InstalleerPauze() {
    Installeer(SIGTSTP, BijPauze, SA_RESTART);
    if (!vooraf.vervangen[SIGTSTP]) return;
    const sigset_t pauze = EenSignaal(SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &pauze, nullptr);
}

void HerstelPauze() {}

void Pauzeer() {
    const std::sig_atomic_t voor = verderBijPauze;
    pauzeGevraagd = 0;
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
        // Still in the background, and not stopped by setting the modes:
        // whoever started us ignores SIGTTOU (InstalleerSignalen unblocked it).
        // Look again now and then, or when something happens.
        pollfd bronnen[3] = {
            {signalen.wekker[0], POLLIN, 0}, {terminal.invoerFd, 0, 0}, {pauzeFd, POLLIN, 0}};
        if (poll(bronnen, 3, 1000) > 0 && (bronnen[1].revents & (POLLHUP | POLLERR | POLLNVAL)))
            terminal.weg = true;
    }
}

} // namespace

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
        // How long poll() may wait, reckoned once: what is left of wachtMs
        // (at least a millisecond: a negative timeout would wait forever), or
        // for a frame no bound but job control.
        int overMs = -1;
        if (wachtMs < 0 && Onderbroken()) return Geschreven::NietAlles;
        if (wachtMs >= 0) {
            overMs = wachtMs - VerstrekenMs(begin);
            if (overMs <= 0) return Geschreven::NietAlles;
        }
        if (ruimteGemeld) { // too little room for what comes next: nap instead of spinning
            poll(nullptr, 0, 10);
            ruimteGemeld = false;
            continue;
        }
        // A frame also wakes for Ctrl+Z.
        pollfd bronnen[2] = {{terminal.uitvoerFd, POLLOUT, 0},
                             {wachtMs < 0 ? pauzeFd : -1, POLLIN, 0}};
        const int klaar = poll(bronnen, 2, overMs);
        if (klaar > 0 && (bronnen[0].revents & (POLLHUP | POLLERR | POLLNVAL)))
            return Geschreven::TerminalWeg;
        ruimteGemeld = bronnen[0].revents & POLLOUT;
    }
    return Geschreven::Alles;
}

Voorbereid VoorElkBeeld() {
    if (signalen.gewekt) {
        signalen.gewekt = 0; // first: a signal during the checks is looked at next time
        do {
            if (PauzeGevraagd()) Pauzeer();
            if (!WachtOpDeVoorgrond()) return Voorbereid::TerminalWeg;
        } while (PauzeGevraagd());
    } else if (terminal.weg) {
        return Voorbereid::TerminalWeg;
    }
    bool overgenomen = false;
    if (signalen.bezit == BijDeShell || signalen.verderTeller != terminal.verderGezien) {
        terminal.verderGezien = signalen.verderTeller;
        // Stopped by SIGSTOP the screen modes are still ours, but the shell
        // may have reset the terminal's; after Ctrl+Z everything is given back.
        const bool gelukt = signalen.bezit != BijDeShell ? RauweModus() : NeemOver();
        if (!gelukt) return Voorbereid::TerminalWeg;
        overgenomen = true;
        signalen.maatGewijzigd = 1;
    }
    if (!signalen.maatGewijzigd) return Voorbereid::Niets;
    signalen.maatGewijzigd = 0;
    LeesMaat();
    return overgenomen ? Voorbereid::OpnieuwOvergenomen : Voorbereid::NieuweMaat;
}

bool NeemTerminal(bool toetsenprotocol) {
    if (tcgetattr(STDIN_FILENO, &terminal.oudeInstellingen) != 0 || !OpenTerminal()) {
        SluitTerminal();
        std::fputs("struinpaadje: de terminal laat zich niet instellen.\n", stderr);
        return false;
    }
    terminal.overnemen = terminal.regelmodus ? std::string() : Overnemen(toetsenprotocol);
    terminal.stuurterminal = tcgetpgrp(STDIN_FILENO) != -1;
    terminal.weg = false;
    InstalleerSignalen();
    vooraf.terminate = std::set_terminate(BijTerminate);
    // Started in the background (with &): wait for fg before taking over.
    terminal.verderGezien = signalen.verderTeller;
    if (!WachtOpDeVoorgrond() || !NeemOver()) {
        LaatTerminalLos();
        std::fputs("struinpaadje: de terminal laat zich niet instellen.\n", stderr);
        return false;
    }
    terminal.verderGezien = signalen.verderTeller;
    signalen.gewekt = 1;
    LeesMaat();
    return true;
}

void LaatTerminalLos() {
    GeefTerug();
    std::set_terminate(vooraf.terminate);
    HerstelSignalen();
    SluitTerminal();
}

} // namespace posix
