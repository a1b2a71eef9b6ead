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

inline const ToetsDruk WegKlikken = script::Spatie;

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
