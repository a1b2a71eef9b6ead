#include "console/Console.h"

#include "console/Achterkant.h"
#include "console/Model.h"

#include <algorithm>
#include <streambuf>

namespace {

unsigned char Attribuut(Kleur voor, Kleur achter) {
    return static_cast<unsigned char>(achter * 16 + voor);
}

// Moves the cursor to the start of the next row, scrolling the buffer up one
// row when it is already on the last.
void VolgendeRegel(ConsoleModel& m) {
    m.cursorX = 0;
    if (m.cursorY + 1 < m.hoogte) {
        ++m.cursorY;
        return;
    }
    std::copy(m.cellen.begin() + m.breedte, m.cellen.end(), m.cellen.begin());
    std::fill(m.cellen.end() - m.breedte, m.cellen.end(), Cel{' ', m.tekstAttribuut});
}

// Every key the game reads comes through here, whatever the backend.
ToetsDruk VolgendeToets() {
    ConsoleModel& m = Model();
    ToetsDruk toets = WachtOpToets(m);
    if (m.zonderNumeriek && toets.code == ToetsPlus) toets.code = ToetsPlusNum;
    if (m.zonderNumeriek && toets.code == ToetsMin) toets.code = ToetsMinNum;
    return toets;
}

class ConsoleBuf : public std::streambuf {
  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        ConsoleModel& m = Model();
        const auto byte = static_cast<unsigned char>(traits_type::to_char_type(c));
        if (byte == '\n') {
            VolgendeRegel(m);
            return c;
        }
        if (Cel* cel = CelOp(m, m.cursorX, m.cursorY)) *cel = Cel{byte, m.tekstAttribuut};
        if (++m.cursorX >= m.breedte) VolgendeRegel(m);
        return c;
    }
};

} // namespace

void WisScherm() {
    ConsoleModel& m = Model();
    std::fill(m.cellen.begin(), m.cellen.end(), Cel{0, 7});
    m.cursorX = 0;
    m.cursorY = 0;
}

void VerbergCursor() {
    Model().cursorZichtbaar = false;
}

void GaNaarXY(std::int16_t x, std::int16_t y) {
    ConsoleModel& m = Model();
    if (x < 0 || y < 0 || x >= m.breedte || y >= m.hoogte) return; // as the console refuses it
    m.cursorX = x;
    m.cursorY = y;
}

void Zeg(const std::string& zin) {
    Voorlezen(zin);
}

signed char LeesToets() {
    return static_cast<signed char>(VolgendeToets().teken);
}

std::uint16_t LeesToetsCode() {
    return VolgendeToets().code;
}

void ZetZonderNumeriek(bool aan) {
    Model().zonderNumeriek = aan;
}

void ZetRegelmodus(bool aan) {
    Model().regelmodus = aan;
}

void SchrijfTekst(const std::string& tekst, std::int16_t x, std::int16_t y, Kleur voor,
                  Kleur achter) {
    ConsoleModel& m = Model();
    if (x < 0 || y < 0 || x >= m.breedte || y >= m.hoogte) return;
    const unsigned char attribuut = Attribuut(voor, achter);
    std::size_t plek = static_cast<std::size_t>(y * m.breedte + x);
    for (char c : tekst) {
        if (plek >= m.cellen.size()) break;
        m.cellen[plek++] = Cel{static_cast<unsigned char>(c), attribuut};
    }
}

void SchrijfTeken(unsigned char teken, std::int16_t x, std::int16_t y, Kleur voor, Kleur achter) {
    if (Cel* cel = CelOp(Model(), x, y)) *cel = Cel{teken, Attribuut(voor, achter)};
}

std::ostream& Uitvoer() {
    static ConsoleBuf buf;
    static std::ostream stroom(&buf);
    return stroom;
}
