// The program entry: start-up with the self-tests of the six units.
#pragma once

#include "units/Units.h"

#include <span>

// Clears the screen and runs every self-test; true (and the forest tables
// filled) when all passed, otherwise the message on the screen and false.
bool Opstarten(std::span<const UnitTest> testen = UnitTesten);

extern const char* const StartFoutmelding;

// The whole program on the backend it was linked with; returns the exit status:
// 0 after a normal end, 1 after a failed self-test, 2 when the backend could not start.
int Programma();
