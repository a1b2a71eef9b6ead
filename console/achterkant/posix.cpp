// The terminal backend: the game on the alternate screen of a terminal in raw
// mode, each frame drawn as the difference from the last one, keys decoded
// from the bytes the terminal sends. This half runs the key loop and draws
// the frames; posix_terminal.cpp holds the terminal for it (see there for
// signals, job control and the restore).
//
// A terminal that stops reading (a frozen window, a stalled connection):
// frames wait for it as long as it takes; a frame cut short by Ctrl+Z leaves
// the screen unknown, and the next one is drawn whole.
#include "console/Achterkant.h"
#include "console/Console.h"
#include "console/TeKlein.h"
#include "console/achterkant/posix_terminal.h"
#include "console/terminal/Regelmodus.h"
#include "console/terminal/Terminalsoort.h"
#include "console/terminal/Toetsdecoder.h"
#include "console/terminal/Weergave.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace posix;

namespace {

// Keys beyond this many waiting are dropped (a paste cannot eat the memory).
constexpr std::size_t MaxWachtendeToetsen = 1024;

bool gestart = false; // between StartAchterkant and StopAchterkant

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
    bool toetsenbordOphogen = false; // the terminal answered the keyboard protocol's question
};
Invoer invoer;

// The game's own output, a frame at a time, written until all of it arrived
// (what one write() leaves over goes in the next). The takeover after a start
// or a resume rides in front of the frame that follows it, so the terminal
// never shows an empty alternate screen. False when the frame did not all arrive:
// the screen is then unknown, and the next frame must be drawn whole.
bool SchrijfBeeld(const std::string& tekst) {
    std::string uit = signalen.bezit == OvernameOnderweg ? terminal.overnemen : std::string();
    if (invoer.toetsenbordOphogen) uit += ToetsenbordOphogen; // after the push, on our own entry
    uit += tekst;
    signalen.bezit = Overgenomen;
    invoer.toetsenbordOphogen = false;
    const Geschreven uitkomst = Schrijf(uit.data(), uit.size(), -1);
    if (uitkomst == Geschreven::TerminalWeg) terminal.weg = true;
    return uitkomst == Geschreven::Alles;
}

Regelstaat regels; // in the line mode (terminal.regelmodus)

// The line mode's turn in the key loop: the next typed key for the game, or,
// with none left, the lines that wait go out (what Ctrl+Z cuts short is not
// written again) and nothing is handed out.
std::optional<ToetsDruk> RegelmodusBeurt(const ConsoleModel& model) {
    while (!invoer.wachtrij.empty()) {
        const std::optional<ToetsDruk> voorHetSpel =
            RegelToets(regels, model, invoer.wachtrij.front());
        invoer.wachtrij.pop_front();
        if (voorHetSpel) return voorHetSpel;
    }
    if (!regels.uit.empty()) SchrijfBeeld(regels.uit);
    regels.uit.clear();
    return std::nullopt;
}

void VolledigOpnieuw() {
    beeld.getoond.reset();
    beeld.meldingGetoond = false;
}

[[noreturn]] void TerminalWeg() {
    StopAchterkant();
    MeldNaStop("struinpaadje: het spel heeft geen terminal meer; het spel stopt.");
    std::exit(1);
}

// Before every frame: what the terminal half found, for the screen and keys.
void VoorbereidBeeld() {
    switch (VoorElkBeeld()) {
    case Voorbereid::TerminalWeg:
        TerminalWeg();
    case Voorbereid::OpnieuwOvergenomen:
        invoer.bytes.clear();
        VolledigOpnieuw();
        break;
    case Voorbereid::NieuweMaat:
        VolledigOpnieuw();
        break;
    case Voorbereid::Niets:
        break;
    }
}

void Decodeer(bool stilte) {
    for (const ToetsDruk& toets :
         DecodeerToetsen(invoer.bytes, stilte, &invoer.toetsenbordOphogen)) {
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

// Which side is not a terminal (reading, writing), as the player is told;
// nullptr when both are.
const char* GeenTerminal() {
    const bool leest = isatty(STDIN_FILENO);
    const bool schrijft = isatty(STDOUT_FILENO);
    if (!leest && !schrijft) return "invoer en uitvoer zijn nu geen terminal";
    if (!leest) return "de invoer is nu geen terminal";
    if (!schrijft) return "de uitvoer is nu geen terminal";
    return nullptr;
}

} // namespace

bool StartAchterkant() {
    if (gestart) return true;
    if (const char* welke = GeenTerminal()) {
        std::fprintf(stderr, "struinpaadje: dit spel moet in een terminal draaien (%s).\n", welke);
        return false;
    }
    const Terminalsoort soort = HerkenTerminal([](const char* naam) { return std::getenv(naam); });
    const char* term = std::getenv("TERM");
    terminal.regelmodus = Model().regelmodus || (term && std::string_view(term) == "dumb");
    if (!soort.bruikbaar && !terminal.regelmodus) {
        std::fputs("struinpaadje: TERM is leeg; zet TERM, of speel met --regelmodus.\n", stderr);
        return false;
    }
    beeld.weergave = soort.weergave;
    // Without escape sequences the keypad cannot be told apart: its + and -
    // are the main keyboard's.
    if (terminal.regelmodus) ZetZonderNumeriek(true);
    regels = Regelstaat{};
    regels.utf8 = soort.weergave.utf8;
    if (!NeemTerminal(soort.toetsenprotocol)) return false;
    VolledigOpnieuw();
    invoer.bytes.clear();
    invoer.wachtrij.clear();
    gestart = true;
    return true;
}

void StopAchterkant() {
    if (!gestart) return;
    gestart = false;
    LaatTerminalLos();
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
    if (!gestart) return ToetsDruk{ToetsEsc, ToetsEsc}; // no terminal: every screen leaves on Esc
    if (terminal.regelmodus) RegelBijBeeld(regels, model);
    while (true) {
        VoorbereidBeeld();
        if (signalen.bezit != BijDeShell && terminal.regelmodus) {
            if (const std::optional<ToetsDruk> getypt = RegelmodusBeurt(model)) return *getypt;
        } else if (signalen.bezit != BijDeShell) {
            if (terminal.breedte < model.breedte || terminal.hoogte < model.hoogte) {
                // Keys typed while the game cannot be seen do not reach it.
                invoer.wachtrij.clear();
                if (!beeld.meldingGetoond) {
                    beeld.meldingGetoond =
                        SchrijfBeeld(TekenMelding(terminal.breedte, terminal.hoogte,
                                                  TeKleinMelding(terminal.breedte, terminal.hoogte,
                                                                 model.breedte, model.hoogte)));
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

// Screen readers read the console itself, at its cursor; the line mode
// writes the sentences.
void Voorlezen(const std::string& zin) {
    if (terminal.regelmodus) regels.zinnen.push_back(zin);
}
