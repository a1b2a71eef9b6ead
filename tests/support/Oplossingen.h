// The keys that win each mini-game from its first screen, worked out the way a
// player would: from the game's fixed puzzle, or from what the random-number
// generator will draw. Each ends with the key that dismisses the win box.
#pragma once

#include "console/Script.h"
#include "units/Units.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>

// Any key dismisses a win box; the solutions use Space.
inline const ToetsDruk WegKlikken = script::Spatie;

// What `trek` draws (TrekKluisCode, say) from generator state `toestand`. The
// generator is left set to that state, so that the game draws the same.
template <class Trek> auto TrekUit(std::uint32_t toestand, Trek trek) {
    ZetWillekeurigToestand(toestand);
    const auto getrokken = trek();
    ZetWillekeurigToestand(toestand);
    return getrokken;
}

// The first generator state from `begin` whose draw by `trek` has the
// property; the generator is left set to it.
template <class Trek, class Eigenschap>
std::uint32_t ToestandMet(std::uint32_t begin, Trek trek, Eigenschap eigenschap) {
    for (std::uint32_t toestand = begin;; ++toestand)
        if (eigenschap(TrekUit(toestand, trek))) return toestand;
}

// Alfabet: carry the word that belongs at each position up to it, top first.
inline script::Toetsen WinAlfabet() {
    using namespace script;
    WoordLijst woorden = {"koelbloedig", "aanvullen", "onlangs",   "president",
                          "afgunst",     "bedroefd",  "rubriek",   "onaangenaam",
                          "winstgevend", "geregeld",  "supplement"};
    WoordLijst gesorteerd = woorden;
    std::sort(gesorteerd.begin(), gesorteerd.end());
    Toetsen toetsen;
    int cursor = 0;
    for (int doel = 0; doel < static_cast<int>(woorden.size()); ++doel) {
        const auto bron = static_cast<int>(std::find(woorden.begin() + doel, woorden.end(),
                                                     gesorteerd[static_cast<std::size_t>(doel)]) -
                                           woorden.begin());
        if (bron == doel) continue;
        toetsen = toetsen +
                  Herhaal(Pijl(bron > cursor ? Omlaag : Omhoog), std::abs(bron - cursor)) +
                  Toetsen{Enter} + Herhaal(Pijl(Omhoog), bron - doel) + Toetsen{Enter};
        std::rotate(woorden.begin() + doel, woorden.begin() + bron, woorden.begin() + bron + 1);
        cursor = doel;
    }
    return toetsen + Toetsen{Spatie, WegKlikken};
}

// Klinkers: walk the grid row by row and hide every vowel with Space; the game
// ends by itself on the last one.
inline script::Toetsen WinKlinkers() {
    using namespace script;
    const std::array<std::string, 7> woorden = {"ijscoman", "evenaren", "langzaam", "breeduit",
                                                "overloop", "platinum", "politiek"};
    Toetsen toetsen;
    int kolom = 0;
    for (std::size_t rij = 0; rij < woorden.size(); ++rij) {
        if (rij > 0) toetsen = toetsen + Toetsen{Pijl(Omlaag)};
        for (int c = 0; c < 8; ++c) {
            if (std::string("aeiou").find(woorden[rij][static_cast<std::size_t>(c)]) ==
                std::string::npos)
                continue;
            toetsen = toetsen + Herhaal(Pijl(c > kolom ? Rechts : Links), std::abs(c - kolom)) +
                      Toetsen{Spatie};
            kolom = c;
        }
    }
    return toetsen + Toetsen{WegKlikken};
}

// Geheimschrift: type what Ontcijfer makes of the letter, then Enter.
inline script::Toetsen WinGeheimschrift() {
    using namespace script;
    const std::string brief =
        std::string("Njko mjfgtuf. Wbefs iffgu ffo nfutfmbbs hfwsbbhe pn ifu hbu jo ef nvvs") +
        " uf ejdiufo. Jo ifu wfswpmh avmmfo xf fmlbbs evt folfm oph lvoofo pounpfufo" +
        " cjk Ojovt. Kf hfmjfgef mffvxjo. Q.T.: Ifc kjk njko tmvjfs fshfot hfajfo?";
    return Tekst(Ontcijfer(brief)) + Toetsen{Enter, WegKlikken};
}

// De Kluis: five digits drawn with Willekeurig(9), position 1 first.
inline std::array<int, 5> TrekKluisCode() {
    std::array<int, 5> code{};
    for (int& cijfer : code) cijfer = Willekeurig(9);
    return code;
}

// Every digit starts at 5: set each one and step right, then try the code.
inline script::Toetsen WinKluis(const std::array<int, 5>& code) {
    using namespace script;
    Toetsen toetsen;
    for (std::size_t i = 0; i < code.size(); ++i) {
        toetsen = toetsen + Herhaal(Pijl(code[i] > 5 ? Omhoog : Omlaag), std::abs(code[i] - 5));
        if (i + 1 < code.size()) toetsen = toetsen + Toetsen{Pijl(Rechts)};
    }
    return toetsen + Toetsen{Enter, WegKlikken};
}

// De Postduif: the outward flight, four draws of Willekeurig(30).
struct Vlucht {
    int noord, oost, zuid, west;
};
// The flight the game draws next.
inline Vlucht TrekVlucht() {
    Vlucht v{};
    v.noord = Willekeurig(30);
    v.oost = Willekeurig(30);
    v.zuid = Willekeurig(30);
    v.west = Willekeurig(30);
    return v;
}
// The flight as the game writes it on its row (appended piece by piece).
inline std::string VluchtTekst(const Vlucht& v) {
    std::string tekst;
    tekst.append(" ").append(std::to_string(v.noord)).append(" noord, ");
    tekst.append(std::to_string(v.oost)).append(" oost, ");
    tekst.append(std::to_string(v.zuid)).append(" zuid, ");
    return tekst.append(std::to_string(v.west)).append(" west");
}

// The way back undoes the flight: north-south counts south, east-west east.
inline script::Toetsen WinPostduif(const Vlucht& v) {
    using namespace script;
    const int noordZuid = v.noord - v.zuid;
    const int oostWest = v.west - v.oost;
    return Herhaal(Pijl(noordZuid > 0 ? Omlaag : Omhoog), std::abs(noordZuid)) +
           Herhaal(Pijl(oostWest > 0 ? Rechts : Links), std::abs(oostWest)) +
           Toetsen{Enter, WegKlikken};
}

// De Eekhoorn: the general stock of hazelnuts, beechnuts, walnuts and
// chestnuts made from four draws.
inline std::array<int, 4> TrekVoorraad() {
    const int w = Willekeurig(2) + 1;
    const int h = Willekeurig(3);
    const int b = Willekeurig(3);
    const int k = Willekeurig(3);
    return {5 * w + 4 * h + 2 * b + 3 * k, 2 * w + 3 * b + 3 * k, w, 2 * w + k};
}

// Shares `over` between the families from `familie` on, each getting `doel`.
inline bool Verdeel(std::array<std::array<int, 4>, 4>& delen, std::array<int, 4> over, int familie,
                    int doel) {
    if (familie == 4) return over == std::array<int, 4>{};
    std::array<int, 4>& deel = delen[static_cast<std::size_t>(familie)];
    for (deel[2] = 0; deel[2] <= over[2]; ++deel[2])
        for (deel[3] = 0; deel[3] <= over[3]; ++deel[3])
            for (deel[1] = 0; deel[1] <= over[1]; ++deel[1]) {
                deel[0] = doel - 5 * deel[2] - 3 * deel[3] - 2 * deel[1];
                if (deel[0] < 0 || deel[0] > over[0]) continue;
                std::array<int, 4> rest = over;
                for (std::size_t i = 0; i < 4; ++i) rest[i] -= deel[i];
                if (Verdeel(delen, rest, familie + 1, doel)) return true;
            }
    return false;
}

// Finds a fair share, then walks the selection down (Knabbel's hazelnuts
// first, Munk's chestnuts last) and moves the nuts with the keypad plus.
inline script::Toetsen WinEekhoorn(const std::array<int, 4>& voorraad) {
    using namespace script;
    const int waarde = Voedingswaarde(voorraad[0], voorraad[1], voorraad[2], voorraad[3]);
    std::array<std::array<int, 4>, 4> delen{};
    if (!Verdeel(delen, voorraad, 0, waarde / 4)) return {};
    Toetsen toetsen;
    int selectie = 0;
    for (int familie = 0; familie < 4; ++familie)
        for (int soort = 0; soort < 4; ++soort) {
            const int aantal =
                delen[static_cast<std::size_t>(familie)][static_cast<std::size_t>(soort)];
            if (aantal == 0) continue;
            toetsen = toetsen + Herhaal(Pijl(Omlaag), familie * 4 + soort - selectie) +
                      Herhaal(PlusNum, aantal);
            selectie = familie * 4 + soort;
        }
    return toetsen + Toetsen{WegKlikken};
}
