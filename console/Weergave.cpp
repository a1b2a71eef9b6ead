#include "console/Weergave.h"

#include "console/Cp437.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Console colour number (blue 1, green 2, red 4) to ANSI (red 1, green 2, blue 4).
constexpr int Ansi[8] = {0, 4, 2, 6, 1, 5, 3, 7};

// A cell's colours as the terminal takes them: SGR codes for foreground and
// background, and whether bold is on (8-colour terminals only).
struct TerminalKleur {
    int voor = 37;
    int achter = 40;
    bool vet = false;
    bool operator==(const TerminalKleur&) const = default;
};

TerminalKleur Kleuren16(int voor, int achter) {
    return TerminalKleur{30 + Ansi[voor & 7] + (voor & 8 ? 60 : 0),
                         40 + Ansi[achter & 7] + (achter & 8 ? 60 : 0), false};
}

// Eight colours: bright text is bold, and there are no bright backgrounds.
// Dark grey panels become light grey with dark text, so that they stay panels
// and stay apart from the blue of headers and selected items; other bright
// backgrounds become their dark colour.
TerminalKleur Kleuren8(int voor, int achter) {
    if (achter < 8) return TerminalKleur{30 + Ansi[voor & 7], 40 + Ansi[achter], voor >= 8};
    const int vervangAchter = achter == 8 ? 7 : achter & 7;
    int nieuwVoor = voor & 7;
    bool vet = voor >= 8;
    if (voor == achter) {
        // Text in its own background colour stays invisible.
        nieuwVoor = vervangAchter;
        vet = false;
    } else if (vervangAchter == 7) {
        // On light grey: white and light grey text turn black, yellow (the colour
        // that stands out) turns blue, other bright colours their dark ones, and
        // dark grey stays dark grey.
        static constexpr int opLichtgrijs[16] = {0, 1, 2, 3, 4, 5, 6, 0, 0, 1, 2, 3, 4, 5, 1, 0};
        nieuwVoor = opLichtgrijs[voor];
        vet = voor == 8;
    } else if (nieuwVoor == vervangAchter) {
        // The background's own colour: black on the light ones, white on the dark.
        const bool licht = vervangAchter == 2 || vervangAchter == 3 || vervangAchter == 6;
        nieuwVoor = licht ? 0 : 7;
        vet = !licht;
    }
    return TerminalKleur{30 + Ansi[nieuwVoor], 40 + Ansi[vervangAchter], vet};
}

TerminalKleur KleurVan(unsigned char attribuut, const WeergaveOpties& opties) {
    const int voor = attribuut & 15;
    const int achter = attribuut >> 4;
    return opties.achtKleuren ? Kleuren8(voor, achter) : Kleuren16(voor, achter);
}

// The SGR parameters that change `pen` (nullopt: unknown) into `doel`.
std::string Verander(const std::optional<TerminalKleur>& pen, const TerminalKleur& doel,
                     const WeergaveOpties& opties) {
    std::string uit;
    const auto voegToe = [&uit](int code) {
        if (!uit.empty()) uit += ';';
        uit += std::to_string(code);
    };
    if (opties.achtKleuren && (!pen || pen->vet != doel.vet)) voegToe(doel.vet ? 1 : 22);
    if (!pen || pen->voor != doel.voor) voegToe(doel.voor);
    if (!pen || pen->achter != doel.achter) voegToe(doel.achter);
    return uit;
}

void VoegGetalToe(std::string& uit, int getal) {
    uit += std::to_string(getal);
}

// Moves the cursor from column x0 of row y0 (x0 < 0: unknown) to (x, y).
void Verplaats(std::string& uit, int x0, int y0, int x, int y) {
    if (x0 >= 0 && y0 == y && x > x0) {
        uit += "\x1b[";
        if (x - x0 > 1) VoegGetalToe(uit, x - x0);
        uit += 'C';
        return;
    }
    uit += "\x1b[";
    if (x != 0 || y != 0) {
        VoegGetalToe(uit, y + 1);
        uit += ';';
        VoegGetalToe(uit, x + 1);
    }
    uit += 'H';
}

void VoegGlyphToe(std::string& uit, unsigned char teken, const WeergaveOpties& opties) {
    if (opties.utf8)
        VoegUtf8Toe(uit, Cp437NaarUnicode(teken));
    else
        uit += Cp437NaarAscii(teken);
}

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

std::string KleurParameters(unsigned char attribuut, const WeergaveOpties& opties) {
    return Verander(std::nullopt, KleurVan(attribuut, opties), opties);
}

std::string TekenVerschil(const ConsoleModel* vorig, const ConsoleModel& nieuw,
                          const WeergaveOpties& opties) {
    const bool alles = vorig == nullptr || vorig->breedte != nieuw.breedte ||
                       vorig->hoogte != nieuw.hoogte || vorig->cellen.size() != nieuw.cellen.size();
    std::string uit;
    const bool zichtbaarVeranderd = alles || vorig->cursorZichtbaar != nieuw.cursorZichtbaar;
    // A cursor that goes away goes before the drawing, so it does not flit about.
    if (zichtbaarVeranderd && !nieuw.cursorZichtbaar) uit += "\x1b[?25l";
    if (alles) uit += "\x1b[0m\x1b[2J";

    int cursorX = -1; // where the terminal's cursor is; -1: unknown
    int cursorY = -1;
    std::optional<TerminalKleur> pen;
    bool getekend = false;
    const int breedte = nieuw.breedte;
    const int hoogte =
        std::min(nieuw.hoogte, breedte > 0 ? static_cast<int>(nieuw.cellen.size()) / breedte : 0);
    for (int y = 0; y < hoogte; ++y) {
        for (int x = 0; x < breedte; ++x) {
            const auto plek = static_cast<std::size_t>(y * breedte + x);
            const Cel& cel = nieuw.cellen[plek];
            if (!alles && vorig->cellen[plek] == cel) continue;
            getekend = true;
            if (cursorX != x || cursorY != y) Verplaats(uit, cursorX, cursorY, x, y);
            const TerminalKleur kleur = KleurVan(cel.attribuut, opties);
            if (!pen || *pen != kleur) {
                uit += "\x1b[";
                uit += Verander(pen, kleur, opties);
                uit += 'm';
                pen = kleur;
            }
            VoegGlyphToe(uit, cel.teken, opties);
            // After the last column the terminal's cursor waits at the edge.
            cursorX = x + 1 < breedte ? x + 1 : -1;
            cursorY = y;
        }
    }

    if (nieuw.cursorZichtbaar) {
        const int x = std::clamp(nieuw.cursorX, 0, std::max(breedte - 1, 0));
        const int y = std::clamp(nieuw.cursorY, 0, std::max(hoogte - 1, 0));
        const bool verplaatst =
            alles || vorig->cursorX != nieuw.cursorX || vorig->cursorY != nieuw.cursorY;
        if ((getekend || verplaatst || zichtbaarVeranderd) && (cursorX != x || cursorY != y))
            Verplaats(uit, cursorX, cursorY, x, y);
        if (zichtbaarVeranderd) uit += "\x1b[?25h";
    }
    return uit;
}

std::string TekenTeKlein(int breedte, int hoogte, int nodigBreedte, int nodigHoogte) {
    std::string uit = "\x1b[?25l\x1b[0m\x1b[2J";
    if (breedte <= 0 || hoogte <= 0) return uit;
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
    const int boven = (hoogte - static_cast<int>(regels.size())) / 2;
    for (std::size_t r = 0; r < regels.size(); ++r) {
        const int links = (breedte - static_cast<int>(regels[r].size())) / 2;
        Verplaats(uit, -1, -1, links, boven + static_cast<int>(r));
        uit += regels[r];
    }
    return uit;
}
