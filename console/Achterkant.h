// What a backend offers the console layer. Each program links exactly one:
// the terminal (POSIX), the Windows console, the browser, or the scripted one
// of the tests.
#pragma once

#include "console/Model.h"

#include <string>

// Takes over the screen. False when that is impossible; the backend has then
// told the player why and touched nothing.
bool StartAchterkant();
// Gives the screen back as it was. Safe to call more than once.
void StopAchterkant();
// Shows the model, then blocks until the next key press and returns it.
ToetsDruk WachtOpToets(const ConsoleModel& model);
// A message for the player once the screen has been given back (a terminal
// shows it below its own prompt; a console that keeps the picture needs none).
void MeldNaStop(const char* tekst);
// A sentence for a screen reader, belonging to the next frame shown. A
// backend with no screen reader to hand it to drops it.
void Voorlezen(const std::string& zin);
