#include "console/Voorlezer.h"

#include "console/Cp437.h"

#include <cstdint>

namespace {

const Cel* CelIn(const ConsoleModel& m, int x, int y) {
    if (x < 0 || y < 0 || x >= m.breedte || y >= m.hoogte) return nullptr;
    return &m.cellen[static_cast<std::size_t>(y * m.breedte + x)];
}

// Blank to the eye: nothing, a space or the no-break space (255).
bool Leeg(const Cel* cel) {
    return cel == nullptr || cel->teken == 0 || cel->teken == ' ' || cel->teken == 255;
}

int Achtergrond(const Cel* cel) {
    return cel == nullptr ? -1 : cel->attribuut >> 4;
}

// Letters and digits only, lower case: to see whether the sentences already
// say what stands at the focus. Beyond ASCII the Latin and Greek letters count.
std::u32string Kern(const std::string& tekst) {
    std::u32string uit;
    for (char32_t c : Utf8NaarCodePunten(tekst)) {
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
        if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3A9)) c += 0x20;
        const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            (c >= 0xDF && c <= 0x24F && c != 0xF7) || (c >= 0x3B1 && c <= 0x3C9);
        if (letter) uit += c;
    }
    return uit;
}

bool EindigtAlsZin(const std::string& zin) {
    const char laatste = zin.back();
    return laatste == '.' || laatste == '!' || laatste == '?' || laatste == ':';
}

// At a typing position (x, y): the word just typed before it, past one blank.
std::string WoordVoor(const ConsoleModel& m, int x, int y) {
    const Cel* focus = CelIn(m, x, y); // past the row's end at the end of a full row
    const int achter = Achtergrond(focus != nullptr ? focus : CelIn(m, x - 1, y));
    int begin = x - 1;
    if (Leeg(CelIn(m, begin, y))) --begin;
    const int eind = begin + 1;
    while (!Leeg(CelIn(m, begin, y)) && Achtergrond(CelIn(m, begin, y)) == achter) --begin;
    std::string woord;
    for (int kolom = begin + 1; kolom < eind; ++kolom)
        VoegUtf8Toe(woord, Cp437NaarUnicode(CelIn(m, kolom, y)->teken));
    return woord;
}

} // namespace

std::string TekstBijFocus(const ConsoleModel& m) {
    const int x = m.cursorX;
    const Cel* focus = CelIn(m, x, m.cursorY);
    if (focus == nullptr) return {};
    if (Leeg(focus)) {
        std::string woord = WoordVoor(m, x, m.cursorY);
        int eind = m.breedte; // at the start of a row: the last word of the row above
        while (woord.empty() && eind > 0 && Leeg(CelIn(m, eind - 1, m.cursorY - 1))) --eind;
        return woord.empty() && eind > 0 ? WoordVoor(m, eind, m.cursorY - 1) : woord;
    }
    const int achter = Achtergrond(focus);
    std::string tekst;
    bool blanco = true; // what came last was blank (nothing yet counts as blank)
    for (int rij = m.cursorY; rij < m.hoogte; ++rij) {
        if (rij > m.cursorY && (Leeg(CelIn(m, x, rij)) || Achtergrond(CelIn(m, x, rij)) != achter))
            break;
        blanco = true; // rows are joined with a blank
        for (int kolom = x; kolom < m.breedte && Achtergrond(CelIn(m, kolom, rij)) == achter;
             ++kolom) {
            const Cel* cel = CelIn(m, kolom, rij);
            if (Leeg(cel)) {
                if (kolom > x && Leeg(CelIn(m, kolom - 1, rij))) break;
                blanco = true;
                continue;
            }
            if (blanco && !tekst.empty()) tekst += ' ';
            blanco = false;
            VoegUtf8Toe(tekst, Cp437NaarUnicode(cel->teken));
        }
    }
    return tekst;
}

Melding MeldingVoorBeeld(const ConsoleModel& model, const std::vector<std::string>& zinnen,
                         const std::string& vorigeFocus) {
    std::vector<std::string> delen;
    std::string samen;
    for (const std::string& zin : zinnen) {
        if (zin.empty()) continue;
        delen.push_back(zin);
        samen += zin + ' ';
    }
    const std::string focus = TekstBijFocus(model);
    Melding melding;
    melding.focus =
        std::to_string(model.cursorX) + "," + std::to_string(model.cursorY) + ":" + focus;
    if (melding.focus != vorigeFocus && !focus.empty() &&
        Kern(samen).find(Kern(focus)) == std::u32string::npos)
        delen.push_back(focus);
    for (const std::string& deel : delen) {
        if (!melding.tekst.empty()) melding.tekst += ' ';
        melding.tekst += deel;
        if (!EindigtAlsZin(deel)) melding.tekst += '.';
    }
    return melding;
}

std::string SchermAlsTekst(const ConsoleModel& m, bool utf8) {
    std::string tekst;
    for (int y = 0; y < m.hoogte; ++y) {
        int eind = m.breedte;
        while (eind > 0 && Leeg(CelIn(m, eind - 1, y))) --eind;
        for (int x = 0; x < eind; ++x) {
            const unsigned char teken = Leeg(CelIn(m, x, y)) ? ' ' : CelIn(m, x, y)->teken;
            if (utf8)
                VoegUtf8Toe(tekst, Cp437NaarUnicode(teken));
            else
                tekst += Cp437NaarAscii(teken);
        }
        tekst += '\n';
    }
    return tekst;
}
