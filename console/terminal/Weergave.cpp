// The terminal renderer: a frame of the console model to the bytes that draw
// it. The stages from model to bytes, each a function of this file:
//
//   TekenVerschil  the entry point: one frame, from the model the terminal
//                  shows (or nothing known) to the new one
//   Vergelijk      what the frame is about: drawn afresh or not, where the
//                  cursor stands and whether it moved or appears
//   BeginBeeld     where the picture stands on the terminal and what the last
//                  frame left there to build on (a `Tekenaar`)
//   WisVooraf      a frame drawn afresh starts by clearing the terminal
//   TekenRijen     every row that changed; TekenRij goes through one run by
//                  run (ZoekRun), and each run is erased (WisRun) or written,
//                  repeated where that is shorter (SchrijfRun)
//   GaNaarCel      to a run: the cheapest cursor move (Verplaats), or the
//                  cells in between written again
//   Kleur, Glyph   a cell's colours as the terminal takes them (KleurVan,
//                  Sgr) and its character, UTF-8 or ASCII
//   Schrijver      the bytes: appended to the frame, or only counted (Kosten)
//   SluitBeeld     the cursor where the model has it, and what the frame
//                  leaves for the next (`Terminalstand`)
//
// TekenMelding draws a notice in place of the picture.
#include "console/terminal/Weergave.h"

#include "console/Cp437.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Console colour number (blue 1, green 2, red 4) to ANSI (red 1, green 2, blue 4).
constexpr int Ansi[8] = {0, 4, 2, 6, 1, 5, 3, 7};

// A cell's colours as the terminal takes them: SGR codes for foreground and
// background, and whether bold is on (8-colour terminals only).
struct TerminalKleur {
    int voor = 37;
    int achter = 40;
    bool vet = false;
    bool operator==(const TerminalKleur&) const = default;
};

TerminalKleur Kleuren16(int voor, int achter) {
    return TerminalKleur{30 + Ansi[voor & 7] + (voor & 8 ? 60 : 0),
                         40 + Ansi[achter & 7] + (achter & 8 ? 60 : 0), false};
}

// Eight colours: bright text is bold, and there are no bright backgrounds.
// Dark grey panels become light grey with dark text, so that they stay panels
// and stay apart from the blue of headers and selected items; other bright
// backgrounds become their dark colour.
TerminalKleur Kleuren8(int voor, int achter) {
    if (achter < 8) return TerminalKleur{30 + Ansi[voor & 7], 40 + Ansi[achter], voor >= 8};
    const int vervangAchter = achter == 8 ? 7 : achter & 7;
    int nieuwVoor = voor & 7;
    bool vet = voor >= 8;
    if (voor == achter) {
        // Text in its own background colour stays invisible.
        nieuwVoor = vervangAchter;
        vet = false;
    } else if (vervangAchter == 7) {
        // On light grey: white and light grey text turn black, yellow (the colour
        // that stands out) turns blue, other bright colours their dark ones, and
        // dark grey stays dark grey.
        static constexpr int opLichtgrijs[16] = {0, 1, 2, 3, 4, 5, 6, 0, 0, 1, 2, 3, 4, 5, 1, 0};
        nieuwVoor = opLichtgrijs[voor];
        vet = voor == 8;
    } else if (nieuwVoor == vervangAchter) {
        // The background's own colour: black on the light ones, white on the dark.
        const bool licht = vervangAchter == 2 || vervangAchter == 3 || vervangAchter == 6;
        nieuwVoor = licht ? 0 : 7;
        vet = !licht;
    }
    return TerminalKleur{30 + Ansi[nieuwVoor], 40 + Ansi[vervangAchter], vet};
}

TerminalKleur KleurVan(unsigned char attribuut, const WeergaveOpties& opties) {
    const int voor = attribuut & 15;
    const int achter = attribuut >> 4;
    return opties.achtKleuren ? Kleuren8(voor, achter) : Kleuren16(voor, achter);
}

// Where an operation's bytes go: appended to `tekst`, or (without one) only
// counted. Every operation is written once, against this, and its cost is what
// it writes (see Kosten), so the two cannot drift apart.
struct Schrijver {
    std::string* tekst = nullptr;
    int lengte = 0; // the bytes written so far

    Schrijver& operator<<(std::string_view bytes) {
        if (tekst) *tekst += bytes;
        lengte += static_cast<int>(bytes.size());
        return *this;
    }
    Schrijver& operator<<(char byte) { return *this << std::string_view(&byte, 1); }
    Schrijver& operator<<(int getal) {
        char cijfers[12];
        int n = sizeof cijfers;
        do cijfers[--n] = static_cast<char>('0' + getal % 10);
        while ((getal /= 10) > 0);
        return *this << std::string_view(cijfers + n, sizeof cijfers - static_cast<std::size_t>(n));
    }
};

// What `schrijf(Schrijver&)` would write, in bytes, without writing it.
template <typename Bewerking> int Kosten(const Bewerking& schrijf) {
    Schrijver teller;
    schrijf(teller);
    return teller.lengte;
}

// The SGR parameters that change `pen` (nullopt: unknown) into `doel`.
void KleurParameters(Schrijver& s, const std::optional<TerminalKleur>& pen,
                     const TerminalKleur& doel, const WeergaveOpties& opties) {
    bool eerste = true;
    const auto voegToe = [&](int code) {
        if (!eerste) s << ';';
        s << code;
        eerste = false;
    };
    if (opties.achtKleuren && (!pen || pen->vet != doel.vet)) voegToe(doel.vet ? 1 : 22);
    if (!pen || pen->voor != doel.voor) voegToe(doel.voor);
    if (!pen || pen->achter != doel.achter) voegToe(doel.achter);
}

// The SGR that sets the colours of `attribuut` on a terminal that has those of
// `pen` (nullopt: unknown) set; nothing where they look the same.
void Sgr(Schrijver& s, std::optional<unsigned char> pen, unsigned char attribuut,
         const WeergaveOpties& opties) {
    if (pen == attribuut) return;
    const TerminalKleur doel = KleurVan(attribuut, opties);
    std::optional<TerminalKleur> oud;
    if (pen) oud = KleurVan(*pen, opties);
    if (oud == doel) return;
    s << "\x1b[";
    KleurParameters(s, oud, doel, opties);
    s << 'm';
}

// ESC [ n letter, with the count left out where it is 1 (every terminal's default).
void Csi(Schrijver& s, int n, char letter) {
    s << "\x1b[";
    if (n != 1) s << n;
    s << letter;
}

// The cursor's absolute position (CUP), 0-based.
void Positie(Schrijver& s, int x, int y) {
    s << "\x1b[";
    if (x != 0 || y != 0) {
        s << y + 1;
        if (x != 0) s << ';' << x + 1;
    }
    s << 'H';
}

// The row part of a cursor move: none, up or down (CUU, CUD), or to row y (VPA).
enum class Rijsprong { Geen, Relatief, NaarRij };

void Schrijf(Schrijver& s, Rijsprong sprong, int dy, int y) {
    if (sprong == Rijsprong::Relatief) Csi(s, std::abs(dy), dy < 0 ? 'A' : 'B');
    if (sprong == Rijsprong::NaarRij) Csi(s, y + 1, 'd');
}

// Its column part: none, carriage return, backspaces, forward
// or back (CUF, CUB), or to column x (CHA).
enum class Kolomsprong { Geen, Terugloop, Backspaces, Relatief, NaarKolom };

void Schrijf(Schrijver& s, Kolomsprong sprong, int dx, int x) {
    if (sprong == Kolomsprong::Terugloop) s << '\r';
    if (sprong == Kolomsprong::Backspaces)
        for (int i = 0; i < -dx; ++i) s << '\b';
    if (sprong == Kolomsprong::Relatief) Csi(s, std::abs(dx), dx < 0 ? 'D' : 'C');
    if (sprong == Kolomsprong::NaarKolom) Csi(s, x + 1, 'G');
}

// The cheapest way from column x0 of row y0 (x0 < 0: unknown) to (x, y): the
// absolute position, or a row move combined with a column move.
void Verplaats(Schrijver& s, int x0, int y0, int x, int y) {
    const auto absoluut = [x, y](Schrijver& t) { Positie(t, x, y); };
    if (x0 < 0 || y0 < 0) return absoluut(s);
    if (x0 == x && y0 == y) return;
    const int dy = y - y0;
    const int dx = x - x0;
    const auto rijKosten = [&](Rijsprong r) {
        return Kosten([&](Schrijver& t) { Schrijf(t, r, dy, y); });
    };
    const auto kolomKosten = [&](Kolomsprong k) {
        return Kosten([&](Schrijver& t) { Schrijf(t, k, dx, x); });
    };
    Rijsprong rij = Rijsprong::Geen;
    if (dy != 0)
        rij = rijKosten(Rijsprong::Relatief) <= rijKosten(Rijsprong::NaarRij) ? Rijsprong::Relatief
                                                                              : Rijsprong::NaarRij;
    Kolomsprong kolom = Kolomsprong::Geen;
    if (dx != 0) {
        // Relative unless another is shorter; carriage return the shortest of all.
        for (Kolomsprong k : {Kolomsprong::Relatief, Kolomsprong::NaarKolom,
                              Kolomsprong::Backspaces, Kolomsprong::Terugloop}) {
            const bool kan =
                (k != Kolomsprong::Backspaces || dx < 0) && (k != Kolomsprong::Terugloop || x == 0);
            if (kan && (kolom == Kolomsprong::Geen || kolomKosten(k) < kolomKosten(kolom)))
                kolom = k;
        }
    }
    if (rijKosten(rij) + kolomKosten(kolom) >= Kosten(absoluut)) return absoluut(s);
    Schrijf(s, rij, dy, y);
    Schrijf(s, kolom, dx, x);
}

void Glyph(Schrijver& s, unsigned char teken, const WeergaveOpties& opties) {
    if (!opties.utf8) {
        s << Cp437NaarAscii(teken);
        return;
    }
    std::string utf8;
    VoegUtf8Toe(utf8, Cp437NaarUnicode(teken));
    s << utf8;
}

// Erasing n cells from the cursor on (ECH), or to the end of the line (EL).
void Wis(Schrijver& s, int n, bool totEinde) {
    if (totEinde)
        s << "\x1b[K";
    else
        Csi(s, n, 'X');
}

bool Leeg(unsigned char teken) {
    return teken == 0 || teken == ' ';
}

int Achtergrond(unsigned char attribuut) {
    return attribuut >> 4;
}

// Two cells that look the same on the terminal: a blank shows only its
// background, unless `volledig` (a shown cursor on it may take its foreground).
bool Zelfde(const Cel& a, const Cel& b, bool volledig) {
    if (Leeg(a.teken) && Leeg(b.teken))
        return volledig ? a.attribuut == b.attribuut
                        : Achtergrond(a.attribuut) == Achtergrond(b.attribuut);
    return a.attribuut == b.attribuut && a.teken == b.teken;
}

// Unchanged cells written again at most to reach a change on the same row,
// where that is shorter than moving the cursor over them.
constexpr int HoogstensOverschrijven = 8;
// What moving on past an erased run costs, reckoned for the choice to erase: a
// short forward move (ESC [ n C).
constexpr int VerderNaWissen = 4;

// The drawing of one frame: the bytes so far and what the terminal has been
// left with by them.
struct Tekenaar {
    Schrijver uit;
    const WeergaveOpties& opties;
    int links;           // the terminal column of the picture's first column
    int boven;           // the terminal row of its first row
    int terminalBreedte; // erasing to the end of a line reaches this far
    int cx;              // the terminal's cursor; -1: unknown
    int cy;
    std::optional<unsigned char> pen; // the attribute whose colours are set; nullopt: unknown
    int cursorCel;                    // the picture's cell under a shown cursor; -1: none

    // A blank the terminal can draw by erasing: only where erasing takes the
    // current background.
    bool Wisbaar(const Cel& cel) const { return opties.achtergrondWissen && Leeg(cel.teken); }

    // The attribute to draw a cell of the picture in: a blank takes the
    // foreground that is set, as nothing of it shows, except under the cursor.
    unsigned char Attribuut(const Cel& cel, int plek) const {
        if (!Leeg(cel.teken) || !pen || plek == cursorCel) return cel.attribuut;
        return static_cast<unsigned char>((cel.attribuut & 0xf0) | (*pen & 0x0f));
    }

    void Kleur(unsigned char attribuut) {
        Sgr(uit, pen, attribuut, opties);
        pen = attribuut;
    }

    void Ga(int x, int y) {
        Verplaats(uit, cx, cy, x, y);
        cx = x;
        cy = y;
    }

    // The cursor moves on by n cells; past the terminal's last column it
    // waits at the edge, where terminals differ, so it counts as unknown.
    void Verder(int n) {
        if (cx < 0) return;
        cx += n;
        if (cx >= terminalBreedte) cx = cy = -1;
    }

    // Cell `plek` of the picture.
    void Schrijf(const Cel& cel, int plek) {
        Kleur(Attribuut(cel, plek));
        Glyph(uit, cel.teken, opties);
        Verder(1);
    }

    // To cell x of picture row `rij` (row y, its first cell at `begin`): by a
    // cursor move, or by writing the cells in between again where that is shorter.
    void GaNaarCel(const Cel* rij, int begin, int x, int y) {
        const int doelX = links + x;
        const int doelY = boven + y;
        const int van = cx - links;
        if (cy == doelY && van >= 0 && van < x && x - van <= HoogstensOverschrijven) {
            const int verplaatsen =
                Kosten([&](Schrijver& s) { Verplaats(s, cx, cy, doelX, doelY); });
            // Writing them again, as far as it stays shorter.
            Tekenaar kladje = *this;
            kladje.uit = Schrijver{};
            for (int i = van; i < x && kladje.uit.lengte < verplaatsen; ++i)
                kladje.Schrijf(rij[i], begin + i);
            if (kladje.uit.lengte < verplaatsen) {
                for (int i = van; i < x; ++i) Schrijf(rij[i], begin + i);
                return;
            }
        }
        Ga(doelX, doelY);
    }
};

// Row y of the picture as its drawing sees it: what the terminal holds there
// and what it must show.
struct Rij {
    const Cel* oud; // nullptr: nothing on the terminal matches
    const Cel* nieuw;
    int breedte;
    int y;
    int begin;        // the picture's index of the row's first cell
    int cursorCel;    // the picture's cell under a shown cursor; -1: none
    bool cursorNieuw; // a shown cursor has just come to this row
    bool totRand;     // the row ends at the terminal's last column

    // The cell under a shown cursor, drawn in full.
    bool Volledig(int x) const { return begin + x == cursorCel; }

    // A cell the terminal does not show as it must be. Where a shown cursor
    // has just arrived the terminal may hold any foreground under it, so that
    // cell counts as changed.
    bool Anders(int x) const {
        return oud == nullptr || (cursorNieuw && Volledig(x)) ||
               !Zelfde(oud[x], nieuw[x], Volledig(x));
    }
};

// A run of cells that look like its first, from `van` up to (not including)
// `eind`, and the last of them that changed.
struct Run {
    int van;
    int eind;
    int laatste;
    int Lengte() const { return laatste - van + 1; } // up to the last change
};

Run ZoekRun(const Rij& rij, int x) {
    Run run{x, x + 1, x};
    // The cell under a shown cursor stands alone, drawn in its own colours.
    for (; run.eind < rij.breedte && !rij.Volledig(x) && !rij.Volledig(run.eind) &&
           Zelfde(rij.nieuw[run.eind], rij.nieuw[x], false);
         ++run.eind)
        if (rij.Anders(run.eind)) run.laatste = run.eind;
    return run;
}

int GlyphKosten(unsigned char teken, const WeergaveOpties& opties) {
    return Kosten([&](Schrijver& s) { Glyph(s, teken, opties); });
}

// The last character written, n times more (REP).
void Herhaal(Schrijver& s, int n) {
    Csi(s, n, 'b');
}

int HerhaalKosten(int n) {
    return Kosten([n](Schrijver& s) { Herhaal(s, n); });
}

// A run of blanks erased, where that is shorter than writing it: the column
// after it; nullopt where writing is shorter.
std::optional<int> WisRun(Tekenaar& t, const Rij& rij, const Run& run) {
    const Cel cel = rij.nieuw[run.van];
    const int n = run.Lengte();
    if (n <= 1 || !t.Wisbaar(cel)) return std::nullopt;
    // Erasing leaves the cursor where it is, which costs a move when the next
    // change follows right after the run.
    const bool totEinde = rij.totRand && run.eind == rij.breedte;
    const auto wis = [&](Schrijver& s) { Wis(s, n, totEinde); };
    const bool verder = !totEinde && run.laatste + 1 < rij.breedte && rij.Anders(run.laatste + 1);
    const int wissen = Kosten(wis) + (verder ? VerderNaWissen : 0);
    const int glyph = GlyphKosten(cel.teken, t.opties);
    const int schrijven = t.opties.herhalen ? glyph + HerhaalKosten(n - 1) : n * glyph;
    if (wissen >= schrijven) return std::nullopt;
    t.GaNaarCel(rij.nieuw, rij.begin, run.van, rij.y);
    t.Kleur(t.Attribuut(cel, rij.begin + run.van));
    wis(t.uit);
    return totEinde ? rij.breedte : run.laatste + 1;
}

// A run written: its first cell, then the rest by repeating it, or as it is
// as far as it changed. The column after what was written.
int SchrijfRun(Tekenaar& t, const Rij& rij, const Run& run) {
    const Cel cel = rij.nieuw[run.van];
    t.GaNaarCel(rij.nieuw, rij.begin, run.van, rij.y);
    t.Schrijf(cel, rij.begin + run.van);
    const int rest = run.Lengte() - 1;
    if (rest > 0 && t.opties.herhalen && HerhaalKosten(rest) < rest &&
        GlyphKosten(cel.teken, t.opties) == 1) {
        // Straight after the character it repeats, with nothing in between;
        // ASCII only, as some terminals (xterm, tmux) repeat nothing else.
        Herhaal(t.uit, rest);
        t.Verder(rest);
        return run.laatste + 1;
    }
    int x = run.van + 1;
    for (; x <= run.laatste && rij.Anders(x); ++x) t.Schrijf(rij.nieuw[x], rij.begin + x);
    return x;
}

// A row drawn where it differs from what the terminal holds, run by run: a
// run of blanks by erasing where that is shorter, a run of equal characters
// by repeating the first, other cells as they are.
void TekenRij(Tekenaar& t, const Rij& rij) {
    int x = 0;
    while (true) {
        while (x < rij.breedte && !rij.Anders(x)) ++x;
        if (x == rij.breedte) return;
        const Run run = ZoekRun(rij, x);
        const std::optional<int> naWissen = WisRun(t, rij, run);
        x = naWissen ? *naWissen : SchrijfRun(t, rij, run);
    }
}

// The blank the most cells of the picture can be erased to (blanks count by
// their background; of that background the commonest attribute), if any can.
std::optional<unsigned char> MeestGewisteLeeg(const ConsoleModel& m, const Tekenaar& t) {
    int aantal[256] = {};
    int perAchtergrond[16] = {};
    for (const Cel& cel : m.cellen)
        if (Leeg(cel.teken)) {
            ++aantal[cel.attribuut];
            ++perAchtergrond[Achtergrond(cel.attribuut)];
        }
    // Whether a blank in `a` covers more cells than one in `b`.
    const auto meer = [&](unsigned char a, unsigned char b) {
        if (Achtergrond(a) == Achtergrond(b)) return aantal[a] > aantal[b];
        return perAchtergrond[Achtergrond(a)] > perAchtergrond[Achtergrond(b)];
    };
    std::optional<unsigned char> beste;
    for (int i = 0; i < 256; ++i) {
        const auto a = static_cast<unsigned char>(i);
        if (aantal[a] > 0 && t.Wisbaar(Cel{' ', a}) && (!beste || meer(a, *beste))) beste = a;
    }
    return beste;
}

// What a frame is about, apart from its cells: whether all of it is drawn
// afresh, and where the model's cursor stands and whether it just came there.
struct Beeld {
    const ConsoleModel& nieuw;
    bool alles;              // the terminal holds nothing of the last frame to go by
    bool zichtbaarVeranderd; // the cursor is shown or hidden anew
    int hoogte;              // the rows the model has cells for
    int cursorX;             // the model's cursor, kept inside the picture
    int cursorY;
    bool cursorNieuw; // a shown cursor that has just come to its cell
};

Beeld Vergelijk(const ConsoleModel* vorig, const ConsoleModel& nieuw) {
    const bool alles = vorig == nullptr || vorig->breedte != nieuw.breedte ||
                       vorig->hoogte != nieuw.hoogte || vorig->cellen.size() != nieuw.cellen.size();
    const bool zichtbaarVeranderd = alles || vorig->cursorZichtbaar != nieuw.cursorZichtbaar;
    const int breedte = nieuw.breedte;
    const int hoogte =
        std::min(nieuw.hoogte, breedte > 0 ? static_cast<int>(nieuw.cellen.size()) / breedte : 0);
    const bool cursorNieuw =
        nieuw.cursorZichtbaar &&
        (zichtbaarVeranderd || vorig->cursorX != nieuw.cursorX || vorig->cursorY != nieuw.cursorY);
    return Beeld{nieuw,
                 alles,
                 zichtbaarVeranderd,
                 hoogte,
                 std::clamp(nieuw.cursorX, 0, std::max(breedte - 1, 0)),
                 std::clamp(nieuw.cursorY, 0, std::max(hoogte - 1, 0)),
                 cursorNieuw};
}

// The frame begun: a cursor that goes away goes before the drawing, so it
// does not flit about; the picture stands in the middle of the terminal; what
// the last frame left there counts only when the frame builds on it.
Tekenaar BeginBeeld(const Beeld& b, const WeergaveOpties& opties, const Terminalstand& stand,
                    std::string& bytes) {
    Schrijver uit{&bytes};
    if (b.zichtbaarVeranderd && !b.nieuw.cursorZichtbaar) uit << "\x1b[?25l";
    const int breedte = b.nieuw.breedte;
    return Tekenaar{uit,
                    opties,
                    std::max(0, (stand.breedte - breedte) / 2),
                    std::max(0, (stand.hoogte - b.hoogte) / 2),
                    stand.breedte,
                    b.alles ? -1 : stand.cursorX,
                    b.alles ? -1 : stand.cursorY,
                    b.alles ? std::nullopt : stand.pen,
                    b.nieuw.cursorZichtbaar ? b.cursorY * breedte + b.cursorX : -1};
}

// A frame drawn afresh starts with a clear: in the commonest blank when the
// picture covers the whole terminal; otherwise in the terminal's own colours,
// which leave the rest of a larger terminal blank and match no cell of the
// picture. What the terminal then holds: the cleared picture in `gewist`, or
// nullptr where it matches nothing.
const Cel* WisVooraf(Tekenaar& t, const Beeld& b, const Terminalstand& stand,
                     std::vector<Cel>& gewist) {
    const bool bedekt = b.nieuw.breedte == stand.breedte && b.hoogte == stand.hoogte;
    const std::optional<unsigned char> achtergrond =
        bedekt ? MeestGewisteLeeg(b.nieuw, t) : std::nullopt;
    const Cel* oud = nullptr;
    if (achtergrond) {
        t.Kleur(*achtergrond);
        gewist.assign(b.nieuw.cellen.size(), Cel{' ', *achtergrond});
        oud = gewist.data();
    } else {
        t.uit << "\x1b[0m";
    }
    t.uit << "\x1b[2J";
    return oud;
}

// Every row that differs from what the terminal holds (`oud`, nullptr:
// nothing matches), and the row a shown cursor has just come to.
void TekenRijen(Tekenaar& t, const Beeld& b, const Cel* oud) {
    const int breedte = b.nieuw.breedte;
    for (int y = 0; y < b.hoogte; ++y) {
        const auto begin = static_cast<std::size_t>(y * breedte);
        const Cel* rij = b.nieuw.cellen.data() + begin;
        const bool cursorHier = b.cursorNieuw && y == b.cursorY;
        if (oud != nullptr && !cursorHier && std::equal(rij, rij + breedte, oud + begin)) continue;
        TekenRij(t, Rij{oud ? oud + begin : nullptr, rij, breedte, y, static_cast<int>(begin),
                        t.cursorCel, cursorHier, t.links + breedte == t.terminalBreedte});
    }
}

// The frame ended: the cursor where the model has it, hidden or not (screen
// readers read what stands at the terminal's cursor, and the game keeps its
// focus there), shown where it appears; what the frame leaves is noted.
void SluitBeeld(Tekenaar& t, const Beeld& b, Terminalstand& stand) {
    t.Ga(t.links + b.cursorX, t.boven + b.cursorY);
    if (b.nieuw.cursorZichtbaar && b.zichtbaarVeranderd) t.uit << "\x1b[?25h";
    stand.cursorX = t.cx;
    stand.cursorY = t.cy;
    stand.pen = t.pen;
}

} // namespace

std::string KleurParameters(unsigned char attribuut, const WeergaveOpties& opties) {
    std::string parameters;
    Schrijver s{&parameters};
    KleurParameters(s, std::nullopt, KleurVan(attribuut, opties), opties);
    return parameters;
}

std::string TekenVerschil(const ConsoleModel* vorig, const ConsoleModel& nieuw,
                          const WeergaveOpties& opties, Terminalstand& stand) {
    const Beeld beeld = Vergelijk(vorig, nieuw);
    std::string bytes;
    Tekenaar t = BeginBeeld(beeld, opties, stand, bytes);
    std::vector<Cel> gewist;
    const Cel* oud = beeld.alles ? WisVooraf(t, beeld, stand, gewist) : vorig->cellen.data();
    TekenRijen(t, beeld, oud);
    SluitBeeld(t, beeld, stand);
    return bytes;
}

std::string TekenMelding(int breedte, int hoogte, const std::vector<std::string>& regels) {
    std::string bytes = "\x1b[?25l\x1b[0m\x1b[2J";
    if (breedte <= 0 || hoogte <= 0) return bytes;
    const int aantal = std::min(static_cast<int>(regels.size()), hoogte);
    const int boven = (hoogte - aantal) / 2;
    Schrijver uit{&bytes};
    for (int r = 0; r < aantal; ++r) {
        const std::string& regel = regels[static_cast<std::size_t>(r)];
        Positie(uit, (breedte - static_cast<int>(regel.size())) / 2, boven + r);
        uit << regel;
    }
    return bytes;
}
