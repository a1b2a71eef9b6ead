#include "console/TeKlein.h"

#include <algorithm>
#include <string_view>

namespace {

// The lines of `tekst`, broken between words to at most `breedte` columns; a
// word longer than a line is cut.
std::vector<std::string> Ombreken(std::string_view tekst, int breedte) {
    std::vector<std::string> regels;
    const auto max = static_cast<std::size_t>(breedte);
    std::string regel;
    std::size_t i = 0;
    while (i < tekst.size()) {
        const std::size_t eind = std::min(tekst.find(' ', i), tekst.size());
        std::string_view woord = tekst.substr(i, eind - i);
        i = eind + 1;
        while (!woord.empty()) {
            const std::size_t nodig =
                regel.empty() ? woord.size() : regel.size() + 1 + woord.size();
            if (nodig <= max) {
                if (!regel.empty()) regel += ' ';
                regel += woord;
                break;
            }
            if (!regel.empty()) {
                regels.push_back(regel);
                regel.clear();
                continue;
            }
            regels.emplace_back(woord.substr(0, max));
            woord.remove_prefix(max);
        }
    }
    if (!regel.empty()) regels.push_back(regel);
    return regels;
}

} // namespace

std::vector<std::string> TeKleinMelding(int breedte, int hoogte, int nodigBreedte,
                                        int nodigHoogte) {
    if (breedte <= 0 || hoogte <= 0) return {};
    // A size stays on one line: its blanks are kept apart until the text is broken.
    constexpr char VasteSpatie = '\x01';
    const auto maat = [](int b, int h) {
        return std::to_string(b) + VasteSpatie + 'x' + VasteSpatie + std::to_string(h);
    };
    // The notice on a line of its own where it fits, then what to do about it.
    const std::string melding = "Het venster is te klein: minstens " +
                                maat(nodigBreedte, nodigHoogte) + " nodig (nu " +
                                maat(breedte, hoogte) + ")";
    std::vector<std::string> regels = Ombreken(melding, breedte);
    for (const std::string& regel :
         Ombreken("Maak het venster groter, dan gaat het spel verder.", breedte))
        regels.push_back(regel);
    for (std::string& regel : regels) std::replace(regel.begin(), regel.end(), VasteSpatie, ' ');
    if (regels.size() > static_cast<std::size_t>(hoogte))
        regels.resize(static_cast<std::size_t>(hoogte));
    return regels;
}
