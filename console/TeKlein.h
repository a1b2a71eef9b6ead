// The notice a backend shows in place of the game when the window is too
// small for it.
#pragma once

#include <string>
#include <vector>

// The notice for a window of breedte x hoogte where the game needs
// nodigBreedte x nodigHoogte: why it does not fit, then what to do about it,
// broken between words into lines of at most `breedte` columns (a size stays
// on one line), and no more lines than `hoogte`.
std::vector<std::string> TeKleinMelding(int breedte, int hoogte, int nodigBreedte, int nodigHoogte);
