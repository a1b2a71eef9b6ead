// The walk through the forest: the player moves from place to place, plays the
// mini-games and collects their objects.
#pragma once

#include "games/Spellen.h"

#include <array>

// One flag per game of `MiniSpellen`, at the game's `vlag`. Only the walk
// reads and writes them; they are cleared whenever a walk ends.
extern std::array<bool, AantalSpellen> Verzameld;

// The number of collected objects, 0 to AantalSpellen.
int AantalVerzameld();

// Walks from (1, 1) until Esc, or until (1, 4) is reached with all
// objects and the congratulation screen has been dismissed.
void Speurtocht();
