#include "console/terminal/Regelmodus.h"

#include "console/Console.h"
#include "console/Cp437.h"
#include "console/Voorlezer.h"

#include <utility>

const char RegelmodusUitleg[] =
    "De Struinpaadje in de regelmodus: na elke toets een regel. Ctrl+L leest het hele "
    "scherm, Ctrl+Q of Esc gaat terug, Ctrl+C stopt.\n";

namespace {

// The ASCII look-alike of a code point the screen can show, '?' otherwise.
char AlsAscii(char32_t c) {
    for (int byte = 1; byte < 256; ++byte)
        if (Cp437NaarUnicode(static_cast<unsigned char>(byte)) == c)
            return Cp437NaarAscii(static_cast<unsigned char>(byte));
    return '?';
}

} // namespace

std::string Regel(const std::string& melding, bool utf8) {
    if (melding.empty()) return {};
    std::string regel;
    for (const char32_t c : Utf8NaarCodePunten(melding)) {
        if (c < 0x20 || c == 0x7f)
            regel += ' ';
        else if (utf8)
            VoegUtf8Toe(regel, c);
        else
            regel += c < 0x80 ? static_cast<char>(c) : AlsAscii(c);
    }
    return regel + '\n';
}

std::string RegelVoorBeeld(const ConsoleModel& model, const std::vector<std::string>& zinnen,
                           std::string& vorigeFocus, bool utf8) {
    Melding melding = MeldingVoorBeeld(model, zinnen, vorigeFocus);
    vorigeFocus = std::move(melding.focus);
    return Regel(melding.tekst, utf8);
}

void RegelBijBeeld(Regelstaat& staat, const ConsoleModel& model) {
    if (!staat.uitgelegd) staat.uit += RegelmodusUitleg;
    staat.uitgelegd = true;
    staat.uit += RegelVoorBeeld(model, staat.zinnen, staat.vorigeFocus, staat.utf8);
    staat.zinnen.clear();
}

std::optional<ToetsDruk> RegelToets(Regelstaat& staat, const ConsoleModel& model,
                                    const ToetsDruk& toets) {
    if (toets.teken == RegelmodusTerug) return ToetsDruk{ToetsEsc, ToetsEsc};
    if (toets.teken != RegelmodusScherm) return toets;
    staat.uit += SchermAlsTekst(model, staat.utf8);
    return std::nullopt;
}
