// The debug options of the main menu: one unit's self-test on a result screen,
// and any mini-game started outside the walk.
#pragma once

#include "units/Units.h"

#include <span>
#include <string>

// Runs the self-test whose unit name equals `naam` exactly (whole string, case
// counts) and shows whether it passed; an unknown name did not pass. Waits for
// one key and returns.
void TestUnit(std::string naam, std::span<const UnitTest> testen = UnitTesten);

// The actions of the submenus " Test een unit > " and " Test een spel > ",
// chosen by position (from 1), never by label: the unit of that position in
// `UnitTesten`, the game of that position in `MiniSpellen`.
void TestUnitOpPositie(int positie);
void TestSpelOpPositie(int positie);
