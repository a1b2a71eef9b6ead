// The information screens of the main menu. Each draws over the whole screen,
// waits for one key of any kind and returns.
#pragma once

void ToonHelp();
void ToonOverHetSpel();
// The map of the forest: its paths, the start and end point and the game places.
void ToonKaart();
