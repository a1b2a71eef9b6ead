// The scripted backend: a test (or the monkey run, or a benchmark) hands it a
// list of key presses and reads back every cell of the console and every
// sentence said for a screen reader.
#pragma once

#include "console/Achterkant.h"
#include "console/Console.h"

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace script {

// Thrown by the backend when a screen waits for a key and the script has none
// left. It unwinds the screen under test; it is never caught by game code.
struct ToetsenOp : std::runtime_error {
    ToetsenOp() : std::runtime_error("het script heeft geen toetsen meer") {}
};

enum Richting { Links, Omhoog, Rechts, Omlaag };

ToetsDruk Pijl(Richting richting);
ToetsDruk Teken(char teken); // a typed character with its plausible key code
inline const ToetsDruk Enter{ToetsEnter, ToetsEnter};
inline const ToetsDruk Esc{ToetsEsc, ToetsEsc};
inline const ToetsDruk Spatie{ToetsSpatie, ToetsSpatie};
inline const ToetsDruk Backspace{ToetsBackspace, ToetsBackspace};
inline const ToetsDruk F12{0, ToetsF12};
inline const ToetsDruk PlusNum{'+', ToetsPlusNum};
inline const ToetsDruk MinNum{'-', ToetsMinNum};
inline const ToetsDruk Plus{'+', ToetsPlus};
inline const ToetsDruk Min{'-', ToetsMin};
inline const ToetsDruk Shift{0, ToetsShift};

// A list of key presses, built readably: Toetsen{Pijl(Rechts), Enter} + Tekst("abc").
using Toetsen = std::vector<ToetsDruk>;
Toetsen Tekst(std::string_view tekst);
Toetsen Herhaal(ToetsDruk toets, int aantal);
Toetsen operator+(Toetsen a, const Toetsen& b);

// Starts a new script; the keys are taken from the front.
void ZetScript(Toetsen toetsen);
void VoegToe(const Toetsen& toetsen);
std::size_t ToetsenOver();
// How many frames the backend was asked to present.
std::size_t AantalFrames();
// Every sentence handed to the screen reader since the script was set (the
// last thousand at least, in a long run).
const std::vector<std::string>& Berichten();
// Called with the model on every presentation (a benchmark attaches a renderer).
void BijTonen(std::function<void(const ConsoleModel&)> waarnemer);

// Reading the console.
Cel CelOp(int x, int y);
unsigned char TekenOp(int x, int y);
unsigned char AttribuutOp(int x, int y);
// Row y as bytes, byte 0 shown as a blank.
std::string RijTekst(int y);
// The bytes of row y from column x, `lengte` long.
std::string TekstOp(int x, int y, int lengte);
// The whole screen as UTF-8 text, followed by its attribute layer in hex.
std::string SchermDump();

} // namespace script
