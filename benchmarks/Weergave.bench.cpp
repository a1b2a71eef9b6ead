// The terminal renderer on real sessions, against ncursesw on the same frames.
// Two sessions are played on the scripted backend and their frames recorded:
// the benchmark's own (a walk of 30 steps, a game of De Kluis won, a round
// through the menu: about screen, debug section, map) and the whole game won
// by play (every mini-game, the end point, back to the menu).
//
// Each session's frames go through TekenVerschil as the terminal backend
// draws them, and through ncursesw as a program built on it would (one
// doupdate per frame, TERM=xterm-256color, its output into a pipe so that the
// bytes can be counted). Both byte streams are fed into the test terminal,
// which must show the model after every frame (a blank by its background
// alone), with the cursor where the model has it. Reported for both: total
// bytes, bytes per key (mean, median, max), the first frame, and the processor
// time per key; and whether the renderer meets its goals against ncursesw.
//
// A key here is a key that leads to a frame: each session stops when its keys
// run out, on the screen its last key leads to.
#include "console/terminal/Weergave.h"
#include "app/Start.h"
#include "console/Cp437.h"
#include "console/Model.h"
#include "console/Script.h"
#include "console/terminal/Terminalsoort.h"
#include "forest/Bos.h"
#include "support/Oplossingen.h"
#include "support/Vt.h"
#include "units/Units.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <queue>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

// Last: curses.h defines macros with common names.
#include <ncursesw/curses.h>

namespace {

struct Plek {
    int x = 1, y = 1;
};

const char* const Richtingen[] = {"noord", "oost", "zuid", "west"};
const script::Richting Pijlen[] = {script::Omhoog, script::Rechts, script::Omlaag, script::Links};
constexpr int Dx[] = {0, 1, 0, -1};
constexpr int Dy[] = {-1, 0, 1, 0};

// The shortest way through the forest from `van` to `naar`.
script::Toetsen Route(Plek van, Plek naar) {
    std::array<int, 16> vorige{};
    vorige.fill(-1);
    std::array<int, 16> richting{};
    std::queue<int> rij;
    const int begin = (van.y - 1) * 4 + (van.x - 1);
    vorige[static_cast<std::size_t>(begin)] = begin;
    rij.push(begin);
    while (!rij.empty()) {
        const int p = rij.front();
        rij.pop();
        for (int r = 0; r < 4; ++r) {
            if (!UitgangOpen(p % 4 + 1, p / 4 + 1, Richtingen[r])) continue;
            const int q = p + Dy[r] * 4 + Dx[r];
            if (vorige[static_cast<std::size_t>(q)] >= 0) continue;
            vorige[static_cast<std::size_t>(q)] = p;
            richting[static_cast<std::size_t>(q)] = r;
            rij.push(q);
        }
    }
    script::Toetsen uit;
    for (int p = (naar.y - 1) * 4 + (naar.x - 1); p != begin;
         p = vorige[static_cast<std::size_t>(p)])
        uit.insert(uit.begin(), script::Pijl(Pijlen[richting[static_cast<std::size_t>(p)]]));
    return uit;
}

void LeegBos() {
    KamerBeschrijvingen.clear();
    KamerSpellen.clear();
    KamerUitgangen.clear();
}

void VulBos() {
    VulKamerBeschrijvingen();
    VulKamerSpellen();
    VulKamerUitgangen();
}

struct Sessie {
    const char* naam;
    std::uint32_t toestand; // the random generator's state at the start
    script::Toetsen toetsen;
    // Whether the session went as planned, judged on every frame.
    std::function<bool(const ConsoleModel&)> gelukt;
};

bool Toont(int x, int y, const std::string& tekst) {
    return script::TekstOp(x, y, static_cast<int>(tekst.size())) == tekst;
}

constexpr std::uint32_t KluisZaad = 20260512;

Sessie Rondgang() {
    using namespace script;
    VulBos();
    Toetsen t{Enter}; // " Spel Starten    "
    // A walk of 30 steps, each through an open exit, chosen by a fixed seed.
    std::mt19937 gen(7);
    Plek plek;
    for (int stap = 0; stap < 30; ++stap) {
        int r = 0;
        do r = static_cast<int>(gen() % 4);
        while (!UitgangOpen(plek.x, plek.y, Richtingen[r]));
        t.push_back(Pijl(Pijlen[r]));
        plek = Plek{plek.x + Dx[r], plek.y + Dy[r]};
    }
    // To the safe at (2, 1) and open it, each digit the short way round.
    t = t + Route(plek, Plek{2, 1}) + Toetsen{Enter};
    ZetWillekeurigToestand(KluisZaad);
    const std::array<int, 5> code = TrekKluisCode();
    for (std::size_t p = 0; p < 5; ++p) {
        const int omhoog = (code[p] - 5 + 10) % 10;
        t = t + (omhoog <= 5 ? Herhaal(Pijl(Omhoog), omhoog) : Herhaal(Pijl(Omlaag), 10 - omhoog));
        if (p < 4) t.push_back(Pijl(Rechts));
    }
    t = t + Toetsen{Enter, Spatie, Esc};
    // The menu: the about screen, the debug section with the map, and down to Afsluiten.
    t = t + Toetsen{Pijl(Omlaag), Pijl(Rechts), Pijl(Omlaag), Enter, Spatie};
    t = t + Toetsen{F12, Pijl(Omlaag), Pijl(Omlaag), Pijl(Omlaag), Enter, Spatie, F12};
    t = t + Toetsen{Pijl(Omlaag), Pijl(Omlaag)};
    LeegBos();
    return Sessie{"rondgang", KluisZaad, t, [](const ConsoleModel&) {
                      return Toont(32, 9, "Gefeliciteerd!") && Toont(34, 13, "diamant");
                  }};
}

Sessie GewonnenSpel() {
    using namespace script;
    constexpr std::uint32_t toestand = 20261209;
    ZetWillekeurigToestand(toestand);
    const std::array<int, 5> code = TrekKluisCode();
    const Vlucht vlucht = TrekVlucht();
    const std::array<int, 4> noten = TrekVoorraad();
    VulBos();
    const auto speelOp = [](Plek van, Plek naar) { return Route(van, naar) + Toetsen{Enter}; };
    Toetsen t{Enter};
    t = t + speelOp({1, 1}, {2, 1}) + WinKluis(code);
    t = t + speelOp({2, 1}, {3, 1}) + WinKlinkers();
    t = t + speelOp({3, 1}, {4, 1}) + WinAlfabet();
    t = t + speelOp({4, 1}, {3, 3}) + WinPostduif(vlucht);
    t = t + speelOp({3, 3}, {4, 4}) + WinGeheimschrift();
    t = t + speelOp({4, 4}, {2, 4}) + WinEekhoorn(noten);
    t = t + Route({2, 4}, {1, 4}) + Toetsen{Spatie};
    LeegBos();
    return Sessie{"gewonnen spel", toestand, t, [](const ConsoleModel&) {
                      return Toont(32, 9, "Gefeliciteerd!") &&
                             Toont(22, 11, "Je hebt het spel 'De Struinpaadje'");
                  }};
}

const std::vector<Sessie>& Sessies() {
    static const std::vector<Sessie> sessies = {Rondgang(), GewonnenSpel()};
    return sessies;
}

// Plays a session; every frame goes to `bijFrame`.
void Speel(const Sessie& sessie, const std::function<void(const ConsoleModel&)>& bijFrame) {
    bool gelukt = false;
    script::BijTonen([&](const ConsoleModel& m) {
        gelukt = gelukt || sessie.gelukt(m);
        bijFrame(m);
    });
    NieuwModel();
    ZetWillekeurigToestand(sessie.toestand);
    LeegBos(); // start-up fills the forest tables; each session starts them from empty
    script::ZetScript(sessie.toetsen);
    try {
        Programma();
    } catch (const script::ToetsenOp&) {
    }
    script::BijTonen(nullptr);
    if (script::AantalFrames() != sessie.toetsen.size() + 1 || !gelukt) {
        std::fprintf(stderr, "sessie %s liep niet zoals gepland (%zu frames, %s)\n", sessie.naam,
                     script::AantalFrames(), gelukt ? "gelukt" : "niet gelukt");
        std::abort();
    }
}

std::vector<ConsoleModel> Frames(const Sessie& sessie) {
    std::vector<ConsoleModel> frames;
    Speel(sessie, [&frames](const ConsoleModel& m) { frames.push_back(m); });
    return frames;
}

// The options the terminal backend picks on an xterm that makes itself known,
// the terminal ncursesw is told it writes to.
WeergaveOpties OptiesVoorXterm() {
    return HerkenTerminal([](const char* naam) -> const char* {
               const std::string n = naam;
               if (n == "TERM") return "xterm-256color";
               if (n == "LANG") return "C.UTF-8";
               if (n == "XTERM_VERSION") return "XTerm(379)";
               return nullptr;
           })
        .weergave;
}

// The renderer as the terminal backend runs it: one string per frame.
struct EigenWeergave {
    WeergaveOpties opties = OptiesVoorXterm();
    Terminalstand stand;
    const ConsoleModel* vorig = nullptr;

    std::string Frame(const ConsoleModel& m) {
        std::string bytes = TekenVerschil(vorig, m, opties, stand);
        vorig = &m;
        return bytes;
    }
};

// A program on ncursesw that shows the same frames: every cell with its
// colour pair, light grey on black as the terminal's own colours (pair 0), the
// cursor where the model has it (ncursesw places it there, hidden or not), then
// one doupdate. Its output goes into a
// pipe and is read back after each frame.
class Ncurses {
  public:
    Ncurses() {
        setenv("TERM", "xterm-256color", 1);
        setenv("LINES", "25", 1);
        setenv("COLUMNS", "80", 1);
        std::setlocale(LC_ALL, "C.UTF-8");
        if (pipe(pijp_) != 0) std::abort();
        fcntl(pijp_[0], F_SETFL, fcntl(pijp_[0], F_GETFL) | O_NONBLOCK);
        fcntl(pijp_[0], F_SETPIPE_SZ, 1 << 20);
        uit_ = fdopen(pijp_[1], "w");
        in_ = std::fopen("/dev/null", "r");
        scherm_ = newterm("xterm-256color", uit_, in_);
        if (scherm_ == nullptr) {
            std::fprintf(stderr, "ncursesw kent xterm-256color niet\n");
            std::abort();
        }
        typeahead(-1);
        noecho();
        cbreak();
        start_color();
        static constexpr short ansi[8] = {0, 4, 2, 6, 1, 5, 3, 7};
        for (int attribuut = 0; attribuut < 256; ++attribuut) {
            if (Paar(attribuut) == 0) continue;
            const int voor = attribuut & 15;
            const int achter = attribuut >> 4;
            init_pair(Paar(attribuut), static_cast<short>(ansi[voor & 7] + (voor & 8)),
                      static_cast<short>(ansi[achter & 7] + (achter & 8)));
        }
        opstart_ = Lees();
    }
    ~Ncurses() {
        endwin();
        delscreen(scherm_);
        std::fclose(uit_);
        std::fclose(in_);
        close(pijp_[0]);
    }
    Ncurses(const Ncurses&) = delete;
    Ncurses& operator=(const Ncurses&) = delete;

    // Light grey on black, the commonest cell, is pair 0; the rest follow.
    static short Paar(int attribuut) { return static_cast<short>(attribuut ^ 0x07); }

    // A new terminal from now on: the cursor shown as a terminal starts, and
    // the screen unknown, so that the next frame repaints it.
    void Opnieuw() {
        curs_set(1);
        Lees();
        clearok(curscr, TRUE);
    }

    std::string Frame(const ConsoleModel& m) {
        for (int y = 0; y < m.hoogte; ++y)
            for (int x = 0; x < m.breedte; ++x) {
                const Cel& cel = m.cellen[static_cast<std::size_t>(y * m.breedte + x)];
                const wchar_t teken[2] = {static_cast<wchar_t>(Cp437NaarUnicode(cel.teken)), 0};
                cchar_t c;
                setcchar(&c, teken, A_NORMAL, Paar(cel.attribuut), nullptr);
                mvadd_wch(y, x, &c);
            }
        curs_set(m.cursorZichtbaar ? 1 : 0);
        move(m.cursorY, m.cursorX);
        wnoutrefresh(stdscr);
        doupdate();
        return Lees();
    }

    const std::string& Opstart() const { return opstart_; }

  private:
    std::string Lees() {
        std::fflush(uit_);
        std::string bytes;
        char buffer[65536];
        ssize_t n = 0;
        while ((n = read(pijp_[0], buffer, sizeof buffer)) > 0)
            bytes.append(buffer, static_cast<std::size_t>(n));
        return bytes;
    }

    int pijp_[2] = {-1, -1};
    FILE* uit_ = nullptr;
    FILE* in_ = nullptr;
    SCREEN* scherm_ = nullptr;
    std::string opstart_;
};

Ncurses& DeNcurses() {
    static Ncurses ncurses;
    return ncurses;
}

// The first difference between the test terminal and the model, or "". A
// program on ncursesw leaves light grey on black to the terminal's own colours.
std::string Verschil(const vt::Scherm& s, const ConsoleModel& m, bool eigenKleurIsGrijs) {
    for (int y = 0; y < m.hoogte; ++y)
        for (int x = 0; x < m.breedte; ++x) {
            const Cel& cel = m.cellen[static_cast<std::size_t>(y * m.breedte + x)];
            vt::Cel t = vt::CelOp(s, x, y);
            if (eigenKleurIsGrijs && t.voor == vt::Standaard) t.voor = 7;
            if (eigenKleurIsGrijs && t.achter == vt::Standaard) t.achter = 0;
            const vt::Cel verwacht{Cp437NaarUnicode(cel.teken), cel.attribuut & 15,
                                   cel.attribuut >> 4, false};
            if (!vt::ZelfdeBeeld(t, verwacht))
                return "cel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    // Hidden or not, the cursor stands where the model has it (screen readers read there).
    if (s.cursorZichtbaar != m.cursorZichtbaar) return "cursor (on)zichtbaar";
    if (s.cursorX != m.cursorX || s.cursorY != m.cursorY)
        return "cursor op (" + std::to_string(s.cursorX) + ", " + std::to_string(s.cursorY) + ")";
    return "";
}

struct Cijfers {
    std::vector<std::size_t> perFrame; // [0] is the first frame
    std::size_t Totaal() const {
        std::size_t n = 0;
        for (std::size_t b : perFrame) n += b;
        return n;
    }
    std::size_t Toetsen() const { return perFrame.size() - 1; }
    double Gemiddeld() const {
        return static_cast<double>(Totaal() - perFrame[0]) / static_cast<double>(Toetsen());
    }
    double Mediaan() const {
        std::vector<std::size_t> v(perFrame.begin() + 1, perFrame.end());
        std::sort(v.begin(), v.end());
        const std::size_t h = v.size() / 2;
        return v.size() % 2 ? static_cast<double>(v[h])
                            : (static_cast<double>(v[h - 1] + v[h])) / 2;
    }
    std::size_t Max() const { return *std::max_element(perFrame.begin() + 1, perFrame.end()); }
};

// Both byte streams of one session, each checked against the model frame by frame.
std::pair<Cijfers, Cijfers> Vergelijk(const Sessie& sessie) {
    const std::vector<ConsoleModel> frames = Frames(sessie);
    EigenWeergave eigen;
    Ncurses& ncurses = DeNcurses();
    ncurses.Opnieuw();
    vt::Scherm eigenScherm = vt::NieuwScherm(80, 25);
    vt::Scherm ncursesScherm = vt::NieuwScherm(80, 25);
    vt::Verwerk(ncursesScherm, ncurses.Opstart());
    std::pair<Cijfers, Cijfers> cijfers;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::string a = eigen.Frame(frames[i]);
        const std::string b = ncurses.Frame(frames[i]);
        cijfers.first.perFrame.push_back(a.size());
        cijfers.second.perFrame.push_back(b.size());
        vt::Verwerk(eigenScherm, a);
        vt::Verwerk(ncursesScherm, b);
        const std::string fout = Verschil(eigenScherm, frames[i], false);
        const std::string foutNcurses = Verschil(ncursesScherm, frames[i], true);
        if (!fout.empty() || !foutNcurses.empty()) {
            std::fprintf(stderr, "sessie %s, frame %zu: weergave %s, ncursesw %s\n%s%s",
                         sessie.naam, i, fout.empty() ? "goed" : fout.c_str(),
                         foutNcurses.empty() ? "goed" : foutNcurses.c_str(),
                         vt::Dump(eigenScherm).c_str(), vt::Dump(ncursesScherm).c_str());
            std::abort();
        }
    }
    return cijfers;
}

void Rapporteer(const Sessie& sessie) {
    const auto [eigen, ncurses] = Vergelijk(sessie);
    const auto regel = [](const char* wie, const Cijfers& c) {
        std::printf("  %-9s totaal %6zu bytes; per toets gemiddeld %6.1f, mediaan %5.1f, "
                    "hoogstens %5zu; eerste frame %5zu\n",
                    wie, c.Totaal(), c.Gemiddeld(), c.Mediaan(), c.Max(), c.perFrame[0]);
    };
    std::printf("sessie %s, %zu toetsen, dezelfde schermen na elke toets:\n", sessie.naam,
                eigen.Toetsen());
    regel("weergave", eigen);
    regel("ncursesw", ncurses);
    // The goals: at most 0.8x in total, the first frame no larger, and no key
    // more than 10% (or 8 bytes, whichever is more) above ncursesw's.
    std::size_t teVeel = 0;
    for (std::size_t i = 1; i < eigen.perFrame.size(); ++i) {
        const std::size_t grens =
            std::max(ncurses.perFrame[i] + 8, ncurses.perFrame[i] + ncurses.perFrame[i] / 10);
        if (eigen.perFrame[i] <= grens) continue;
        ++teVeel;
        std::printf("  toets %zu: %zu bytes, ncursesw %zu\n", i, eigen.perFrame[i],
                    ncurses.perFrame[i]);
    }
    const double verhouding =
        static_cast<double>(eigen.Totaal()) / static_cast<double>(ncurses.Totaal());
    std::printf("  totaal %.3fx ncursesw (doel <= 0.8: %s); eerste frame %s; toetsen boven de "
                "grens: %zu (doel 0)\n",
                verhouding, verhouding <= 0.8 ? "gehaald" : "NIET gehaald",
                eigen.perFrame[0] <= ncurses.perFrame[0] ? "niet groter (doel gehaald)"
                                                         : "GROTER (doel niet gehaald)",
                teVeel);
}

void Bytes(benchmark::State& state) {
    for (auto _ : state)
        for (const Sessie& sessie : Sessies()) Rapporteer(sessie);
}
BENCHMARK(Bytes)->Iterations(1)->Unit(benchmark::kMillisecond);

void PerToets(benchmark::State& state, std::size_t toetsen) {
    state.counters["toetsen"] = static_cast<double>(toetsen);
    state.counters["tijd_per_toets"] = benchmark::Counter(
        static_cast<double>(toetsen),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The whole program on the benchmark's session, with the renderer as the
// terminal backend runs it, or the model alone.
void HeelProgramma(benchmark::State& state, bool metWeergave) {
    const Sessie& sessie = Sessies()[0];
    for (auto _ : state) {
        EigenWeergave eigen;
        std::optional<ConsoleModel> vorig;
        Speel(sessie, [&](const ConsoleModel& m) {
            if (!metWeergave) return;
            eigen.vorig = vorig ? &*vorig : nullptr;
            benchmark::DoNotOptimize(eigen.Frame(m).data());
            vorig = m;
        });
    }
    PerToets(state, sessie.toetsen.size());
}
BENCHMARK_CAPTURE(HeelProgramma, model_en_weergave, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HeelProgramma, alleen_model, false)->Unit(benchmark::kMicrosecond);

// The recorded frames of a session drawn by the renderer or by ncursesw alone.
void Tekenen(benchmark::State& state, std::size_t sessie, bool ncursesw) {
    const std::vector<ConsoleModel> frames = Frames(Sessies()[sessie]);
    for (auto _ : state) {
        if (ncursesw) {
            DeNcurses().Opnieuw();
            for (const ConsoleModel& m : frames)
                benchmark::DoNotOptimize(DeNcurses().Frame(m).data());
        } else {
            EigenWeergave eigen;
            for (const ConsoleModel& m : frames) benchmark::DoNotOptimize(eigen.Frame(m).data());
        }
    }
    PerToets(state, frames.size() - 1);
}
BENCHMARK_CAPTURE(Tekenen, rondgang_weergave, 0, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Tekenen, rondgang_ncursesw, 0, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Tekenen, gewonnen_spel_weergave, 1, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Tekenen, gewonnen_spel_ncursesw, 1, true)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
