// The forest: three tables of the 4 by 4 places, filled once at start-up.
#pragma once

#include <string>
#include <vector>

using KamerTabel = std::vector<std::vector<std::string>>;

// Entry of place (x, y) is [y - 1][x - 1].
extern KamerTabel KamerBeschrijvingen;
extern KamerTabel KamerUitgangen;
extern KamerTabel KamerSpellen;

void VulKamerBeschrijvingen();
void VulKamerSpellen();
void VulKamerUitgangen();

// True when the direction word ("noord", "oost", "zuid", "west") is an exit of (x, y).
bool UitgangOpen(int x, int y, const std::string& richting);
