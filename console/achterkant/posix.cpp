// The terminal backend (first cut): raw mode, alternate screen, full repaint.
#include "console/Achterkant.h"
#include "console/Cp437.h"

#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

termios oud{};
bool actief = false;

void SchrijfAlles(const std::string& s) {
    std::size_t gedaan = 0;
    while (gedaan < s.size()) {
        const ssize_t n = write(1, s.data() + gedaan, s.size() - gedaan);
        if (n <= 0) return;
        gedaan += static_cast<std::size_t>(n);
    }
}

} // namespace

bool StartAchterkant() {
    if (!isatty(0) || !isatty(1)) {
        std::fputs("struinpaadje: dit spel moet in een terminal draaien.\n", stderr);
        return false;
    }
    tcgetattr(0, &oud);
    termios rauw = oud;
    rauw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    rauw.c_iflag &= ~static_cast<tcflag_t>(ICRNL | IXON);
    tcsetattr(0, TCSAFLUSH, &rauw);
    SchrijfAlles("\x1b[?1049h\x1b[?1h\x1b=");
    actief = true;
    return true;
}

void StopAchterkant() {
    if (!actief) return;
    actief = false;
    SchrijfAlles("\x1b[0m\x1b[?25h\x1b[?1l\x1b>\x1b[?1049l");
    tcsetattr(0, TCSAFLUSH, &oud);
}

void MeldNaStop(const char* tekst) {
    std::fputs(tekst, stderr);
    std::fputs("\n", stderr);
}

ToetsDruk WachtOpToets(const ConsoleModel& model) {
    static constexpr int ansi[] = {0, 4, 2, 6, 1, 5, 3, 7};
    std::string uit = "\x1b[H";
    for (int y = 0; y < model.hoogte && y < 25; ++y) {
        uit += "\x1b[" + std::to_string(y + 1) + ";1H";
        for (int x = 0; x < model.breedte && x < 80; ++x) {
            const Cel& c = model.cellen[static_cast<std::size_t>(y * model.breedte + x)];
            const int voor = c.attribuut & 15;
            const int achter = c.attribuut >> 4;
            uit += "\x1b[" + std::to_string(30 + ansi[voor & 7] + (voor & 8 ? 60 : 0)) + ";" +
                   std::to_string(40 + ansi[achter & 7] + (achter & 8 ? 60 : 0)) + "m";
            VoegUtf8Toe(uit, Cp437NaarUnicode(c.teken));
        }
    }
    uit +=
        "\x1b[" + std::to_string(model.cursorY + 1) + ";" + std::to_string(model.cursorX + 1) + "H";
    uit += model.cursorZichtbaar ? "\x1b[?25h" : "\x1b[?25l";
    SchrijfAlles(uit);
    unsigned char b = 0;
    if (read(0, &b, 1) != 1) return ToetsDruk{27, 27};
    if (b == 0x1b) {
        unsigned char seq[2];
        if (read(0, seq, 2) == 2) {
            static constexpr std::uint16_t pijlen[] = {38, 40, 39, 37};
            if (seq[1] >= 'A' && seq[1] <= 'D') return ToetsDruk{0, pijlen[seq[1] - 'A']};
        }
        return ToetsDruk{27, 27};
    }
    if (b == '\r' || b == '\n') return ToetsDruk{13, 13};
    if (b == 0x7f) return ToetsDruk{8, 8};
    return ToetsDruk{static_cast<char>(b),
                     static_cast<std::uint16_t>(b >= 'a' && b <= 'z' ? b - 32 : b)};
}
