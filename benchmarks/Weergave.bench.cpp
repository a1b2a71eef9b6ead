// The terminal renderer on a real session: the whole program on the scripted
// backend, every presented frame handed to TekenVerschil as the terminal
// backend does. The session: a walk of 30 steps, a game of De Kluis won, and a
// round through the menu (about screen, debug section, map) before Afsluiten.
//
// Reported per key: the bytes the renderer writes, the bytes of a full
// repaint, and the bytes of the smallest change this file can count (see
// MinimaalVerschil); and the processor time for the model update plus render.
#include "console/Weergave.h"
#include "app/Start.h"
#include "console/Cp437.h"
#include "console/Model.h"
#include "console/Script.h"
#include "forest/Bos.h"
#include "units/Units.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <optional>
#include <queue>
#include <random>
#include <string>

namespace {

constexpr std::uint32_t KluisZaad = 20260512;

// The five digits the safe will draw after ZetWillekeurigToestand(KluisZaad).
std::array<int, 5> KluisCode() {
    ZetWillekeurigToestand(KluisZaad);
    std::array<int, 5> code{};
    for (int& cijfer : code) cijfer = Willekeurig(9);
    return code;
}

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

script::Toetsen SessieToetsen() {
    using namespace script;
    VulKamerBeschrijvingen();
    VulKamerSpellen();
    VulKamerUitgangen();
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
    // To the safe at (2, 1) and open it.
    t = t + Route(plek, Plek{2, 1}) + Toetsen{Enter};
    const std::array<int, 5> code = KluisCode();
    for (int p = 0; p < 5; ++p) {
        const int omhoog = (code[static_cast<std::size_t>(p)] - 5 + 10) % 10;
        t = t + (omhoog <= 5 ? Herhaal(Pijl(Omhoog), omhoog) : Herhaal(Pijl(Omlaag), 10 - omhoog));
        if (p < 4) t.push_back(Pijl(Rechts));
    }
    t = t + Toetsen{Enter, Spatie, Esc};
    // The menu: the about screen, the debug section with the map, and out.
    t = t + Toetsen{Pijl(Omlaag), Pijl(Rechts), Pijl(Omlaag), Enter, Spatie};
    t = t + Toetsen{F12, Pijl(Omlaag), Pijl(Omlaag), Pijl(Omlaag), Enter, Spatie, F12};
    t = t + Toetsen{Pijl(Omlaag), Pijl(Omlaag), Enter};
    return t;
}

int Cijfers(int n) {
    return n >= 100 ? 3 : n >= 10 ? 2 : 1;
}

int CupLengte(int x, int y) { // ESC [ row ; col H, or ESC [ row H for column 1
    return x == 0 ? 3 + Cijfers(y + 1) : 4 + Cijfers(y + 1) + Cijfers(x + 1);
}

int GlyphLengte(unsigned char teken) {
    std::string s;
    VoegUtf8Toe(s, Cp437NaarUnicode(teken == 0 ? ' ' : teken));
    return static_cast<int>(s.size());
}

// SGR for a new attribute: only the halves that change, each 30-37/90-97 or 40-47/100-107.
int SgrLengte(std::optional<unsigned char> pen, unsigned char attribuut) {
    if (pen == attribuut) return 0;
    const int voor = attribuut & 15;
    const int achter = attribuut >> 4;
    const int voorLengte = 2;
    const int achterLengte = achter >= 8 ? 3 : 2;
    const bool voorAnders = !pen || (*pen & 15) != voor;
    const bool achterAnders = !pen || (*pen >> 4) != achter;
    if (voorAnders && achterAnders) return 3 + voorLengte + 1 + achterLengte;
    return 3 + (voorAnders ? voorLengte : achterLengte);
}

// The smallest change this file counts: only the cells that differ are written
// (their glyphs in UTF-8), each run reached by the cheapest of a cursor
// position, a cursor-forward or rewriting the unchanged cells in between; the
// colour set only where it changes and only the half that changes; then the
// cursor's visibility and position if those changed. Cursor and colour are
// taken as unknown at the start of each frame.
std::size_t MinimaalVerschil(const ConsoleModel& a, const ConsoleModel& b) {
    std::size_t bytes = 0;
    std::optional<unsigned char> pen;
    int cx = -1, cy = -1;
    for (int y = 0; y < b.hoogte; ++y) {
        for (int x = 0; x < b.breedte; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * b.breedte + x);
            const Cel& nieuw = b.cellen[i];
            if (a.cellen[i] == nieuw) continue;
            if (cx != x || cy != y) {
                int sprong = CupLengte(x, y);
                if (cy == y && cx >= 0 && x > cx) {
                    const int gat = x - cx;
                    sprong = std::min(sprong, gat == 1 ? 3 : 3 + Cijfers(gat));
                    int herschrijf = 0;
                    std::optional<unsigned char> p = pen;
                    for (int g = cx; g < x; ++g) {
                        const Cel& c = b.cellen[static_cast<std::size_t>(y * b.breedte + g)];
                        herschrijf += SgrLengte(p, c.attribuut) + GlyphLengte(c.teken);
                        p = c.attribuut;
                    }
                    if (herschrijf < sprong) {
                        sprong = herschrijf;
                        pen = p;
                    }
                }
                bytes += static_cast<std::size_t>(sprong);
            }
            bytes += static_cast<std::size_t>(SgrLengte(pen, nieuw.attribuut) +
                                              GlyphLengte(nieuw.teken));
            pen = nieuw.attribuut;
            cx = x + 1 < b.breedte ? x + 1 : -1;
            cy = y;
        }
    }
    if (a.cursorZichtbaar != b.cursorZichtbaar) bytes += 6;
    if (b.cursorZichtbaar && (cx != b.cursorX || cy != b.cursorY))
        bytes += static_cast<std::size_t>(CupLengte(b.cursorX, b.cursorY));
    return bytes;
}

struct Telling {
    std::size_t toetsen = 0;
    std::size_t verschil = 0;
    std::size_t minimaal = 0;
    std::size_t volledig = 0;
    std::size_t eersteFrame = 0;
};

const script::Toetsen& Sessie() {
    static const script::Toetsen toetsen = SessieToetsen();
    return toetsen;
}

enum class Modus { ZonderWeergave, MetWeergave, Tellen };

// Plays the session: the model alone, with the renderer as the terminal backend
// runs it, or with the comparison figures counted as well.
Telling Speel(Modus modus) {
    const bool tellen = modus == Modus::Tellen;
    const script::Toetsen& toetsen = Sessie();
    const WeergaveOpties opties;
    Telling telling;
    std::optional<ConsoleModel> vorig;
    Terminalstand stand;
    bool kluisOpen = false;
    script::BijTonen([&](const ConsoleModel& m) {
        kluisOpen = kluisOpen || (script::TekstOp(32, 9, 14) == "Gefeliciteerd!" &&
                                  script::TekstOp(34, 13, 7) == "diamant");
        if (modus == Modus::ZonderWeergave) return;
        const std::string bytes = TekenVerschil(vorig ? &*vorig : nullptr, m, opties, stand);
        benchmark::DoNotOptimize(bytes.data());
        if (tellen) {
            if (!vorig) {
                telling.eersteFrame = bytes.size();
            } else {
                ++telling.toetsen;
                telling.verschil += bytes.size();
                telling.minimaal += MinimaalVerschil(*vorig, m);
                Terminalstand vers;
                telling.volledig += TekenVerschil(nullptr, m, opties, vers).size();
            }
        }
        vorig = m;
    });
    NieuwModel();
    ZetWillekeurigToestand(KluisZaad);
    // Start-up fills the forest tables; each session starts them from empty.
    KamerBeschrijvingen.clear();
    KamerSpellen.clear();
    KamerUitgangen.clear();
    script::ZetScript(toetsen);
    const int status = Programma();
    script::BijTonen(nullptr);
    if (status != 0 || script::ToetsenOver() != 0 || !kluisOpen) {
        std::fprintf(stderr,
                     "de sessie liep niet zoals gepland (status %d, %zu toetsen over, kluis %s)\n",
                     status, script::ToetsenOver(), kluisOpen ? "open" : "dicht");
        std::abort();
    }
    return telling;
}

void TijdPerToets(benchmark::State& state, Modus modus) {
    for (auto _ : state) Speel(modus);
    const std::size_t toetsen = Sessie().size();
    state.counters["toetsen"] = static_cast<double>(toetsen);
    state.counters["tijd_per_toets"] = benchmark::Counter(
        static_cast<double>(toetsen),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(TijdPerToets, model_en_weergave, Modus::MetWeergave)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TijdPerToets, alleen_model, Modus::ZonderWeergave)->Unit(benchmark::kMicrosecond);

void BytesPerToets(benchmark::State& state) {
    Telling t;
    for (auto _ : state) t = Speel(Modus::Tellen);
    const double n = static_cast<double>(t.toetsen);
    state.counters["verschil"] = static_cast<double>(t.verschil) / n;
    state.counters["minimaal"] = static_cast<double>(t.minimaal) / n;
    state.counters["volledig"] = static_cast<double>(t.volledig) / n;
    state.counters["tegen_minimaal"] =
        static_cast<double>(t.verschil) / static_cast<double>(t.minimaal);
    state.counters["eerste_frame"] = static_cast<double>(t.eersteFrame);
    std::printf("bytes per toets over %zu toetsen: verschil %.1f, minimaal %.1f (%.3fx), "
                "volledig %.1f; eerste frame %zu bytes\n",
                t.toetsen, static_cast<double>(t.verschil) / n, static_cast<double>(t.minimaal) / n,
                static_cast<double>(t.verschil) / static_cast<double>(t.minimaal),
                static_cast<double>(t.volledig) / n, t.eersteFrame);
}
BENCHMARK(BytesPerToets)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
