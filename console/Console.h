// The console layer: the only way the game reaches the screen and the keyboard.
// Positions are 0-based cells; an attribute is achter * 16 + voor.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

using Kleur = std::uint16_t;

// The console colours the screens use.
constexpr Kleur Zwart = 0;
constexpr Kleur Blauw = 1;
constexpr Kleur Rood = 4;
constexpr Kleur Lichtgrijs = 7;
constexpr Kleur Donkergrijs = 8;
constexpr Kleur Lichtgroen = 10;
constexpr Kleur Geel = 14;
constexpr Kleur Wit = 15;

// Key codes (Windows virtual-key codes): the screens compare against the
// first group; the backends and the tests also hand out the rest.
constexpr std::uint16_t ToetsBackspace = 8;
constexpr std::uint16_t ToetsEnter = 13;
constexpr std::uint16_t ToetsEsc = 27;
constexpr std::uint16_t ToetsSpatie = 32;
constexpr std::uint16_t ToetsLinks = 37;
constexpr std::uint16_t ToetsOmhoog = 38;
constexpr std::uint16_t ToetsRechts = 39;
constexpr std::uint16_t ToetsOmlaag = 40;
constexpr std::uint16_t ToetsPlusNum = 107;
constexpr std::uint16_t ToetsMinNum = 109;
constexpr std::uint16_t ToetsF12 = 123;
constexpr std::uint16_t ToetsPlus = 187; // main keyboard '+' / '='
constexpr std::uint16_t ToetsMin = 189;  // main keyboard '-'

constexpr std::uint16_t ToetsTab = 9;
constexpr std::uint16_t ToetsClear = 12; // keypad 5 without Num Lock
constexpr std::uint16_t ToetsShift = 16;
constexpr std::uint16_t ToetsCtrl = 17;
constexpr std::uint16_t ToetsAlt = 18;
constexpr std::uint16_t ToetsPageUp = 33;
constexpr std::uint16_t ToetsPageDown = 34;
constexpr std::uint16_t ToetsEnd = 35;
constexpr std::uint16_t ToetsHome = 36;
constexpr std::uint16_t ToetsInsert = 45;
constexpr std::uint16_t ToetsDelete = 46;
constexpr std::uint16_t ToetsNum0 = 96; // keypad digits 96 to 105
constexpr std::uint16_t ToetsMaalNum = 106;
constexpr std::uint16_t ToetsKommaNum = 108;
constexpr std::uint16_t ToetsPuntNum = 110;
constexpr std::uint16_t ToetsDeelNum = 111;
constexpr std::uint16_t ToetsF1 = 112; // F1 to F24 are 112 to 135

// Clears every cell of the buffer (character 0, attribute 7); cursor to (0, 0).
void WisScherm();
void VerbergCursor();
// Moves the cursor; a screen leaves it on what matters now (its focus), where
// a screen reader reads even when the cursor is hidden.
void GaNaarXY(std::int16_t x, std::int16_t y);
// Hands a Dutch sentence to the backend for a screen reader: what the screen
// shows only by colour or layout, the most important first. Draws nothing; it
// belongs to the next frame.
void Zeg(const std::string& zin);
// Wait for the next key press; its character, or its virtual-key code.
signed char LeesToets();
std::uint16_t LeesToetsCode();
// For keyboards without a keypad: from now on the main keyboard's + (the key
// that also types '=') and - reach the game as the keypad's + and -; the
// character stays what was typed.
void ZetZonderNumeriek(bool aan);
// A terminal shows the game as a line of text after each key instead of a
// picture (for braille displays and screen readers); other consoles ignore it.
void ZetRegelmodus(bool aan);
// Cell writes: the cursor does not move. Text past the right edge continues on
// the next row; cells outside the buffer are not written.
void SchrijfTekst(const std::string& tekst, std::int16_t x, std::int16_t y, Kleur voor,
                  Kleur achter);
void SchrijfTeken(unsigned char teken, std::int16_t x, std::int16_t y, Kleur voor, Kleur achter);

// The console's standard output stream: text lands at the cursor in the current
// text attribute, the cursor moves on, a line end goes to column 0 of the next
// row and the buffer scrolls up past the bottom. Unbuffered.
std::ostream& Uitvoer();
