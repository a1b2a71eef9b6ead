// The walk through the forest: the player moves from place to place, plays the
// mini-games and collects their objects.
#pragma once

#include <array>

// One flag per game key, in this order: kluis, eekhoorn, postduif, alfabet,
// geheimschrift, klinkers. Only the walk reads and writes them; they are
// cleared whenever a walk ends.
extern std::array<bool, 6> Verzameld;

// The number of collected objects, 0 to 6.
int AantalVerzameld();

// Walks from (1, 1) until Esc, or until (1, 4) is reached with all six
// objects and the congratulation screen has been dismissed.
void Speurtocht();
