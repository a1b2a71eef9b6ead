// The in-memory console that every backend presents: cells of (code page 437
// byte, attribute), a cursor and the text attribute of the output stream.
#pragma once

#include <cstdint>
#include <vector>

struct Cel {
    unsigned char teken = 0;
    unsigned char attribuut = 7;
    bool operator==(const Cel&) const = default;
};

// One key-down event as a backend delivers it.
struct ToetsDruk {
    char teken = 0;         // the typed character, 0 for keys without one
    std::uint16_t code = 0; // the Windows virtual-key code
    bool operator==(const ToetsDruk&) const = default;
};

struct ConsoleModel {
    int breedte = 80;
    int hoogte = 25;
    std::vector<Cel> cellen = std::vector<Cel>(80 * 25);
    int cursorX = 0;
    int cursorY = 0;
    bool cursorZichtbaar = true;
    unsigned char tekstAttribuut = 7;
    // Keyboards without a keypad: the main keyboard's + and - read as the keypad's.
    bool zonderNumeriek = false;
    // A terminal shows the game in its line mode (console/terminal/Regelmodus.h).
    bool regelmodus = false;
};

// The one console of the process.
ConsoleModel& Model();
// A fresh console of the given size (tests use other sizes than 80 by 25).
void NieuwModel(int breedte = 80, int hoogte = 25);
// The cell at (x, y), or nullptr outside the buffer.
Cel* CelOp(ConsoleModel& model, int x, int y);
