// The forest in tests: the passages as the player knows them (every neighbour
// is reachable except through six closed passages), the arrow keys of a
// shortest route, what the walk shows, and a fixture with the tables filled.
#pragma once

#include "console/Script.h"
#include "forest/Bos.h"
#include "forest/Speurtocht.h"
#include "support/Bostabellen.h"
#include "support/Spelen.h"

#include <algorithm>
#include <array>
#include <compare>
#include <map>
#include <queue>
#include <string>
#include <utility>

// A place of the forest, (x, y) from (1, 1) in the north-west.
struct Plek {
    int x = 0;
    int y = 0;
    auto operator<=>(const Plek&) const = default;
};

// The neighbours with no passage between them.
inline constexpr std::array<std::pair<Plek, Plek>, 6> GeslotenDoorgangen = {{
    {{1, 1}, {2, 1}},
    {{3, 1}, {4, 1}},
    {{1, 2}, {1, 3}},
    {{2, 2}, {2, 3}},
    {{3, 3}, {4, 3}},
    {{1, 4}, {2, 4}},
}};

// A step to a neighbour: its arrow key, its direction and the exit word it uses.
struct Stap {
    script::Richting pijl;
    int dx, dy;
    const char* uitgang;
};
inline constexpr std::array<Stap, 4> Stappen = {{
    {script::Omhoog, 0, -1, "noord"},
    {script::Rechts, 1, 0, "oost"},
    {script::Omlaag, 0, 1, "zuid"},
    {script::Links, -1, 0, "west"},
}};

// Whether the place lies inside the 4 by 4 forest.
inline bool OpKaart(Plek p) {
    return p.x >= 1 && p.x <= 4 && p.y >= 1 && p.y <= 4;
}

// True when a and b are neighbours on the map and the passage between them is open.
inline bool Doorgang(Plek a, Plek b) {
    if (!OpKaart(a) || !OpKaart(b) || std::abs(a.x - b.x) + std::abs(a.y - b.y) != 1) return false;
    for (const auto& [p, q] : GeslotenDoorgangen)
        if ((p == a && q == b) || (p == b && q == a)) return false;
    return true;
}

// The neighbour that the step leads to (it may lie off the map).
inline Plek Buur(Plek p, const Stap& stap) {
    return {p.x + stap.dx, p.y + stap.dy};
}

// A breadth-first search from `van` along the steps that `open(plek, stap)`
// allows: every place reached, with the place and the arrow it was first
// reached by (`van` itself by the up arrow from itself).
template <class Open>
std::map<Plek, std::pair<Plek, script::Richting>> Routes(Plek van, Open open) {
    std::map<Plek, std::pair<Plek, script::Richting>> via;
    std::queue<Plek> rij;
    rij.push(van);
    via[van] = {van, script::Omhoog};
    while (!rij.empty()) {
        const Plek p = rij.front();
        rij.pop();
        for (const Stap& stap : Stappen) {
            const Plek b = Buur(p, stap);
            if (open(p, stap) && via.emplace(b, std::pair{p, stap.pijl}).second) rij.push(b);
        }
    }
    return via;
}

// The arrow keys of a shortest route from `van` to `naar`.
inline script::Toetsen Route(Plek van, Plek naar) {
    const auto via =
        Routes(van, [](Plek p, const Stap& stap) { return Doorgang(p, Buur(p, stap)); });
    script::Toetsen toetsen;
    for (Plek p = naar; p != van; p = via.at(p).first)
        toetsen.insert(toetsen.begin(), script::Pijl(via.at(p).second));
    return toetsen;
}

// The place whose description the walk shows (its first row, from column 4 of
// row 3), or {0, 0} when the screen shows none.
inline Plek PlekOpScherm() {
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x) {
            const std::string begin = KamerBeschrijvingen.at(y - 1).at(x - 1).substr(0, 30);
            if (script::TekstOp(4, 3, static_cast<int>(begin.size())) == begin) return {x, y};
        }
    return {};
}

// The texts of a place whose game is won, and of one whose game can be played.
inline const std::string Verlaten = "Deze plek in het bos is volledig verlaten...";
inline const std::string SpelSpelen = "<enter> Spel spelen!";

// Where each game stands, in the order of `Verzameld`.
inline constexpr std::array<Plek, 6> SpelPlekken = {
    {{2, 1}, {2, 4}, {3, 3}, {4, 1}, {4, 4}, {3, 1}}};

// The count line of the walk with n objects.
inline std::string Telling(int n) {
    return std::to_string(n) + "/6 Objecten verzameld";
}

// Whether no object is collected.
inline bool AllesVergeten() {
    return std::none_of(Verzameld.begin(), Verzameld.end(), [](bool v) { return v; });
}

// The compass arrows as the walk draws them: yellow when open, dark grey when closed.
inline void VerwachtKompas(Plek p) {
    EXPECT_EQ(script::CelOp(5, 14), (Cel{250, 0x0e}));
    const std::array<std::pair<int, int>, 4> cellen = {{{5, 13}, {6, 14}, {5, 15}, {4, 14}}};
    const std::array<unsigned char, 4> pijlen = {24, 26, 25, 27};
    for (std::size_t i = 0; i < Stappen.size(); ++i) {
        const bool open = Doorgang(p, Buur(p, Stappen[i]));
        EXPECT_EQ(script::CelOp(cellen[i].first, cellen[i].second),
                  (Cel{pijlen[i], static_cast<unsigned char>(open ? 0x0e : 0x08)}))
            << p.x << "," << p.y << " " << Stappen[i].uitgang;
    }
}

// A fresh console, the forest tables filled and no objects.
class Wandeling : public SchermTest {
  protected:
    void SetUp() override {
        SchermTest::SetUp();
        Verzameld.fill(false);
        VulBosTabellen();
    }
    void TearDown() override {
        script::BijTonen(nullptr);
        Verzameld.fill(false);
        LeegBosTabellen();
    }
};
