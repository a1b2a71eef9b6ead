// The main menu: the hub from which every screen of the game is reached. F12
// shows and hides its debug section.
#pragma once

#include "units/Units.h"

#include <vector>

// The six main items (17 characters each; items 4 to 6 form the debug section)
// and the entries of each item's submenu, empty for items without one.
WoordLijst HoofdmenuItems();
std::vector<WoordLijst> Submenus();

// Runs until " Afsluiten       " is chosen; the last menu picture stays on screen.
void Hoofdmenu();
