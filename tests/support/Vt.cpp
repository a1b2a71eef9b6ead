#include "support/Vt.h"

#include "console/Cp437.h"

#include <algorithm>
#include <cstdint>

namespace vt {

namespace {

// ANSI colour index (0 black, 1 red, 2 green, 3 yellow, 4 blue, ...) to the
// console's numbering (0 black, 1 blue, 2 green, 3 cyan, 4 red, ...). The
// mapping is its own inverse.
constexpr int AnsiNaarConsole[8] = {0, 4, 2, 6, 1, 5, 3, 7};

std::vector<Cel>& Actief(Scherm& s) {
    return s.opAlternatief ? s.alternatief : s.normaal;
}

Cel Leeg(const Scherm& s) {
    if (!s.achtergrondWissen) return Cel{};
    return Cel{U' ', s.pen.voor, s.pen.achter, false};
}

void Wis(Scherm& s, int van, int tot) { // cells [van, tot) of the active grid
    auto& cellen = Actief(s);
    const int totaal = s.breedte * s.hoogte;
    van = std::clamp(van, 0, totaal);
    tot = std::clamp(tot, 0, totaal);
    for (int i = van; i < tot; ++i) cellen[static_cast<std::size_t>(i)] = Leeg(s);
}

void ZetCursor(Scherm& s, int x, int y) {
    if (x < 0 || y < 0 || x >= s.breedte || y >= s.hoogte) ++s.buitenRand;
    s.cursorX = std::clamp(x, 0, s.breedte - 1);
    s.cursorY = std::clamp(y, 0, s.hoogte - 1);
    s.wachtOpTerugloop = false;
}

void SchuifOp(Scherm& s) {
    auto& cellen = Actief(s);
    std::copy(cellen.begin() + s.breedte, cellen.end(), cellen.begin());
    std::fill(cellen.end() - s.breedte, cellen.end(), Leeg(s));
}

void VolgendeRegel(Scherm& s) {
    s.wachtOpTerugloop = false;
    if (s.cursorY + 1 < s.hoogte)
        ++s.cursorY;
    else
        SchuifOp(s);
}

void SchrijfTeken(Scherm& s, char32_t c) {
    if (s.wachtOpTerugloop) {
        s.cursorX = 0;
        VolgendeRegel(s);
    }
    Cel& cel = Actief(s)[static_cast<std::size_t>(s.cursorY * s.breedte + s.cursorX)];
    cel = s.pen;
    cel.teken = c;
    s.laatsteTeken = c;
    if (s.cursorX + 1 < s.breedte)
        ++s.cursorX;
    else if (s.autoTerugloop)
        s.wachtOpTerugloop = true;
}

std::vector<int> Getallen(std::string_view parameters) {
    std::vector<int> uit;
    int waarde = -1;
    for (char c : parameters) {
        if (c >= '0' && c <= '9') {
            waarde = (waarde < 0 ? 0 : waarde) * 10 + (c - '0');
            if (waarde > 100000) waarde = 100000;
        } else if (c == ';' || c == ':') {
            uit.push_back(waarde);
            waarde = -1;
        }
    }
    uit.push_back(waarde);
    return uit;
}

int Param(const std::vector<int>& p, std::size_t i, int standaard) {
    return i < p.size() && p[i] > 0 ? p[i] : standaard;
}

int Kleur256(int n) {
    if (n < 0 || n > 15) return Onbekend;
    return AnsiNaarConsole[n & 7] + (n & 8);
}

void Sgr(Scherm& s, const std::vector<int>& p) {
    for (std::size_t i = 0; i < p.size(); ++i) {
        const int n = p[i] < 0 ? 0 : p[i];
        if (n == 0) {
            s.pen = Cel{};
        } else if (n == 1) {
            s.pen.vet = true;
        } else if (n == 22) {
            s.pen.vet = false;
        } else if (n >= 30 && n <= 37) {
            s.pen.voor = AnsiNaarConsole[n - 30];
        } else if (n >= 90 && n <= 97) {
            s.pen.voor = AnsiNaarConsole[n - 90] + 8;
        } else if (n == 39) {
            s.pen.voor = Standaard;
        } else if (n >= 40 && n <= 47) {
            s.pen.achter = AnsiNaarConsole[n - 40];
        } else if (n >= 100 && n <= 107) {
            s.pen.achter = AnsiNaarConsole[n - 100] + 8;
        } else if (n == 49) {
            s.pen.achter = Standaard;
        } else if (n == 38 || n == 48) {
            int& doel = n == 38 ? s.pen.voor : s.pen.achter;
            if (i + 2 < p.size() && p[i + 1] == 5) {
                doel = Kleur256(p[i + 2]);
                i += 2;
            } else if (i + 4 < p.size() && p[i + 1] == 2) {
                doel = Onbekend;
                i += 4;
            } else {
                s.onbekend.push_back("SGR " + std::to_string(n) + " zonder kleur");
                return;
            }
        } else {
            s.onbekend.push_back("SGR " + std::to_string(n));
        }
    }
}

void Modus(Scherm& s, const std::vector<int>& p, bool aan) {
    for (int n : p) {
        switch (n) {
        case 1:
            s.cursortoetsenApplicatie = aan;
            break;
        case 7:
            s.autoTerugloop = aan;
            break;
        case 25:
            s.cursorZichtbaar = aan;
            break;
        case 1049:
            s.schakelingen1049 += aan ? 'h' : 'l';
            if (aan && !s.opAlternatief) {
                s.bewaardX = s.cursorX;
                s.bewaardY = s.cursorY;
                s.opAlternatief = true;
                Wis(s, 0, s.breedte * s.hoogte);
            } else if (!aan && s.opAlternatief) {
                s.opAlternatief = false;
                ZetCursor(s, s.bewaardX, s.bewaardY);
            }
            break;
        case 47:
        case 1047:
            if (aan && !s.opAlternatief) {
                s.opAlternatief = true;
                Wis(s, 0, s.breedte * s.hoogte);
            } else if (!aan) {
                s.opAlternatief = false;
            }
            break;
        default:
            break; // mouse, paste and other modes change nothing on the picture
        }
    }
}

void ToetsenStapel(Scherm& s, char soort, const std::vector<int>& p) {
    auto& stapel = s.toetsenStapel;
    if (soort == '?')
        s.antwoord += "\x1b[?" + std::to_string(stapel.empty() ? 0 : stapel.back()) + "u";
    if (soort == '>') stapel.push_back(Param(p, 0, 0));
    for (int n = Param(p, 0, 1); soort == '<' && n > 0 && !stapel.empty(); --n) stapel.pop_back();
    if (soort == '=' && !stapel.empty() && Param(p, 1, 1) == 1) stapel.back() = Param(p, 0, 0);
}

void Csi(Scherm& s, std::string_view parameters, char eind) {
    const bool prive = !parameters.empty() && (parameters[0] == '?' || parameters[0] == '>' ||
                                               parameters[0] == '<' || parameters[0] == '=');
    const std::vector<int> p = Getallen(prive ? parameters.substr(1) : parameters);
    if (prive) {
        if (parameters[0] == '?' && (eind == 'h' || eind == 'l')) Modus(s, p, eind == 'h');
        if (eind == 'u' && s.toetsenprotocol) ToetsenStapel(s, parameters[0], p);
        return; // other private queries and settings do not change the picture
    }
    ++s.gebruikt[eind];
    const int x = s.cursorX;
    const int y = s.cursorY;
    switch (eind) {
    case 'H':
    case 'f':
        ZetCursor(s, Param(p, 1, 1) - 1, Param(p, 0, 1) - 1);
        break;
    case 'A':
        ZetCursor(s, x, y - Param(p, 0, 1));
        break;
    case 'B':
        ZetCursor(s, x, y + Param(p, 0, 1));
        break;
    case 'C':
        ZetCursor(s, x + Param(p, 0, 1), y);
        break;
    case 'D':
        ZetCursor(s, x - Param(p, 0, 1), y);
        break;
    case 'E':
        ZetCursor(s, 0, y + Param(p, 0, 1));
        break;
    case 'F':
        ZetCursor(s, 0, y - Param(p, 0, 1));
        break;
    case 'G':
    case '`':
        ZetCursor(s, Param(p, 0, 1) - 1, y);
        break;
    case 'd':
        ZetCursor(s, x, Param(p, 0, 1) - 1);
        break;
    case 'J': {
        const int hier = y * s.breedte + x;
        const int modus = p[0] < 0 ? 0 : p[0];
        if (modus == 0) Wis(s, hier, s.breedte * s.hoogte);
        if (modus == 1) Wis(s, 0, hier + 1);
        if (modus == 2 || modus == 3) Wis(s, 0, s.breedte * s.hoogte);
        break;
    }
    case 'K': {
        const int begin = y * s.breedte;
        const int modus = p[0] < 0 ? 0 : p[0];
        if (modus == 0) Wis(s, begin + x, begin + s.breedte);
        if (modus == 1) Wis(s, begin, begin + x + 1);
        if (modus == 2) Wis(s, begin, begin + s.breedte);
        break;
    }
    case 'X': {
        const int begin = y * s.breedte + x;
        Wis(s, begin, std::min(begin + Param(p, 0, 1), (y + 1) * s.breedte));
        break;
    }
    case 'b': { // repeat the character printed just before, in the current colours
        const char32_t teken = s.laatsteTeken;
        if (teken == 0) {
            s.onbekend.push_back("CSI b zonder teken ervoor");
            break;
        }
        const int n = Param(p, 0, 1);
        for (int i = 0; i < n && i < s.breedte * s.hoogte; ++i) SchrijfTeken(s, teken);
        break;
    }
    case '@':   // insert blanks at the cursor; the rest of the line moves right
    case 'P': { // delete characters at the cursor; the rest moves left, blanks come in
        auto& cellen = Actief(s);
        const auto begin = cellen.begin() + y * s.breedte;
        const int n = std::min(Param(p, 0, 1), s.breedte - x);
        if (eind == '@') {
            std::copy_backward(begin + x, begin + s.breedte - n, begin + s.breedte);
            std::fill(begin + x, begin + x + n, Leeg(s));
        } else {
            std::copy(begin + x + n, begin + s.breedte, begin + x);
            std::fill(begin + s.breedte - n, begin + s.breedte, Leeg(s));
        }
        s.wachtOpTerugloop = false;
        break;
    }
    case 'm':
        Sgr(s, p);
        break;
    case 's':
        s.bewaardX = x;
        s.bewaardY = y;
        break;
    case 'u':
        ZetCursor(s, s.bewaardX, s.bewaardY);
        break;
    case 'n':
        if (Param(p, 0, 0) == 6)
            s.antwoord += "\x1b[" + std::to_string(y + 1) + ";" + std::to_string(x + 1) + "R";
        break;
    case 'c':
        s.antwoord += "\x1b[?1;2c";
        break;
    case 'h':
    case 'l':
        break; // ANSI modes (insert mode and the like): not used for pictures
    default:
        s.onbekend.push_back("CSI " + std::string(parameters) + std::string(1, eind));
        break;
    }
}

// Length of the sequence at the start of `t` that begins with ESC, 0 when it is
// not complete yet.
std::size_t EscapeLengte(std::string_view t) {
    if (t.size() < 2) return 0;
    const char soort = t[1];
    if (soort == '[') {
        for (std::size_t i = 2; i < t.size(); ++i) {
            const auto c = static_cast<unsigned char>(t[i]);
            if (c >= 0x40 && c <= 0x7e) return i + 1;
            if (c < 0x20) return i; // broken sequence: stop before the control
        }
        return 0;
    }
    if (soort == ']' || soort == 'P' || soort == '_' || soort == '^' || soort == 'X') {
        for (std::size_t i = 2; i < t.size(); ++i) {
            if (t[i] == '\a') return i + 1;
            if (t[i] == '\x1b') {
                if (i + 1 >= t.size()) return 0;
                if (t[i + 1] == '\\') return i + 2;
            }
        }
        return 0;
    }
    if (soort == '(' || soort == ')' || soort == '*' || soort == '+' || soort == '#' ||
        soort == '%' || soort == ' ')
        return t.size() >= 3 ? 3 : 0;
    return 2;
}

void Escape(Scherm& s, std::string_view reeks) {
    const char soort = reeks[1];
    switch (soort) {
    case '[':
        Csi(s, reeks.substr(2, reeks.size() - 3), reeks.back());
        break;
    case '7':
        s.bewaardX = s.cursorX;
        s.bewaardY = s.cursorY;
        break;
    case '8':
        ZetCursor(s, s.bewaardX, s.bewaardY);
        break;
    case '=':
        s.toetsenbordApplicatie = true;
        break;
    case '>':
        s.toetsenbordApplicatie = false;
        break;
    case 'D':
        VolgendeRegel(s);
        break;
    case 'E':
        s.cursorX = 0;
        VolgendeRegel(s);
        break;
    case 'M':
        ZetCursor(s, s.cursorX, s.cursorY - 1);
        break;
    case 'c': {
        const int b = s.breedte;
        const int h = s.hoogte;
        Scherm nieuw = NieuwScherm(b, h);
        nieuw.schakelingen1049 = s.schakelingen1049;
        nieuw.achtergrondWissen = s.achtergrondWissen; // a property of the terminal
        s = std::move(nieuw);
        break;
    }
    default:
        break; // strings (titles) and character sets: nothing to draw
    }
}

// Length of the UTF-8 character at the start of `t`, 0 when it is not complete
// yet; `c` gets the character (U+FFFD for a broken one).
std::size_t Utf8(std::string_view t, char32_t& c) {
    const auto b = static_cast<unsigned char>(t[0]);
    std::size_t n = 1;
    if (b >= 0xf0 && b < 0xf8) {
        n = 4;
        c = b & 0x07;
    } else if (b >= 0xe0) {
        n = 3;
        c = b & 0x0f;
    } else if (b >= 0xc0) {
        n = 2;
        c = b & 0x1f;
    } else {
        c = b < 0x80 ? b : 0xfffd;
        return 1;
    }
    if (b >= 0xf8) {
        c = 0xfffd;
        return 1;
    }
    for (std::size_t i = 1; i < n; ++i) {
        if (i >= t.size()) return 0;
        const auto v = static_cast<unsigned char>(t[i]);
        if ((v & 0xc0) != 0x80) {
            c = 0xfffd;
            return i;
        }
        c = (c << 6) | (v & 0x3f);
    }
    return n;
}

} // namespace

Scherm NieuwScherm(int breedte, int hoogte) {
    Scherm s;
    s.breedte = breedte;
    s.hoogte = hoogte;
    s.normaal.assign(static_cast<std::size_t>(breedte * hoogte), Cel{});
    s.alternatief = s.normaal;
    return s;
}

void Verwerk(Scherm& s, std::string_view bytes) {
    std::string invoer = std::move(s.rest);
    s.rest.clear();
    invoer.append(bytes);
    std::string_view t = invoer;
    while (!t.empty()) {
        const auto b = static_cast<unsigned char>(t[0]);
        std::size_t lengte = 1;
        if (b == 0x1b) {
            lengte = EscapeLengte(t);
            if (lengte == 0) break;
            Escape(s, t.substr(0, lengte));
        } else if (b == '\r') {
            ZetCursor(s, 0, s.cursorY);
        } else if (b == '\n' || b == '\v' || b == '\f') {
            VolgendeRegel(s);
        } else if (b == '\b') {
            ZetCursor(s, s.cursorX - 1, s.cursorY);
        } else if (b == '\t') {
            ZetCursor(s, (s.cursorX / 8 + 1) * 8, s.cursorY);
        } else if (b < 0x20 || b == 0x7f) {
            // BEL and the other controls draw nothing
        } else {
            char32_t c = 0;
            lengte = Utf8(t, c);
            if (lengte == 0) break;
            SchrijfTeken(s, c);
            t.remove_prefix(lengte);
            continue;
        }
        if (b < 0x20 && b != 0x1b) ++s.gebruikt[static_cast<char>(b)];
        // Anything but a printed character stands between a character and its repeat.
        s.laatsteTeken = 0;
        t.remove_prefix(lengte);
    }
    s.rest = std::string(t);
}

void ZetGrootte(Scherm& s, int breedte, int hoogte) {
    auto pas = [&](std::vector<Cel>& cellen) {
        std::vector<Cel> nieuw(static_cast<std::size_t>(breedte * hoogte));
        for (int y = 0; y < std::min(hoogte, s.hoogte); ++y)
            for (int x = 0; x < std::min(breedte, s.breedte); ++x)
                nieuw[static_cast<std::size_t>(y * breedte + x)] =
                    cellen[static_cast<std::size_t>(y * s.breedte + x)];
        cellen = std::move(nieuw);
    };
    pas(s.normaal);
    pas(s.alternatief);
    s.breedte = breedte;
    s.hoogte = hoogte;
    const int buitenRand = s.buitenRand; // a smaller window is no cursor move
    ZetCursor(s, s.cursorX, s.cursorY);
    s.buitenRand = buitenRand;
}

const Cel& CelOp(const Scherm& s, int x, int y) {
    static const Cel buiten{U'\0', Onbekend, Onbekend, false};
    if (x < 0 || y < 0 || x >= s.breedte || y >= s.hoogte) return buiten;
    const auto& cellen = s.opAlternatief ? s.alternatief : s.normaal;
    return cellen[static_cast<std::size_t>(y * s.breedte + x)];
}

bool ZelfdeBeeld(const Cel& a, const Cel& b) {
    if (a.teken == U' ' && b.teken == U' ') return a.achter == b.achter;
    return a == b;
}

bool ToontHetzelfde(const Scherm& s, const Scherm& verwacht) {
    if (s.breedte != verwacht.breedte || s.hoogte != verwacht.hoogte) return false;
    for (int y = 0; y < s.hoogte; ++y)
        for (int x = 0; x < s.breedte; ++x) {
            const bool onderCursor =
                verwacht.cursorZichtbaar && x == verwacht.cursorX && y == verwacht.cursorY;
            const Cel& a = CelOp(s, x, y);
            const Cel& b = CelOp(verwacht, x, y);
            if (onderCursor ? a != b : !ZelfdeBeeld(a, b)) return false;
        }
    return true;
}

std::string NaarUtf8(std::u32string_view tekst) {
    std::string uit;
    for (char32_t c : tekst) VoegUtf8Toe(uit, c);
    return uit;
}

std::string TekstOp(const Scherm& s, int x, int y, int lengte) {
    std::u32string tekens;
    for (int i = 0; i < lengte; ++i) tekens += CelOp(s, x + i, y).teken;
    return NaarUtf8(tekens);
}

std::string RijTekst(const Scherm& s, int y) {
    return TekstOp(s, 0, y, s.breedte);
}

bool ToontErgens(const Scherm& s, std::string_view tekst) {
    for (int y = 0; y < s.hoogte; ++y)
        if (RijTekst(s, y).find(tekst) != std::string::npos) return true;
    return false;
}

void PrintTo(const Cel& cel, std::ostream* os) {
    *os << "'" << NaarUtf8(std::u32string(1, cel.teken)) << "' voor " << cel.voor << " achter "
        << cel.achter << (cel.vet ? " vet" : "");
}

std::string Standen(const Scherm& s) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely on "literal" + string.
    std::string uit = "alternatief scherm ";
    uit += std::to_string(s.opAlternatief);
    uit += ", cursor zichtbaar ";
    uit += std::to_string(s.cursorZichtbaar);
    uit += ", toetsenbord applicatie ";
    uit += std::to_string(s.toetsenbordApplicatie);
    uit += ", cursortoetsen applicatie ";
    uit += std::to_string(s.cursortoetsenApplicatie);
    uit += ", terugloop ";
    uit += std::to_string(s.autoTerugloop);
    uit += ", pen ";
    uit += std::to_string(s.pen.voor);
    uit += "/";
    uit += std::to_string(s.pen.achter);
    if (s.pen.vet) uit += " vet";
    uit += ", toetsenstapel [";
    for (int vlaggen : s.toetsenStapel) {
        uit += " ";
        uit += std::to_string(vlaggen);
    }
    uit += " ]";
    return uit;
}

std::string Dump(const Scherm& s) {
    static constexpr char hex[] = "0123456789abcdef";
    auto kleur = [](int k) { return k == Standaard ? '.' : k < 0 ? '?' : hex[k]; };
    std::string tekst;
    std::string kleuren;
    for (int y = 0; y < s.hoogte; ++y) {
        const std::string nr = std::string(y < 10 ? 1 : 0, ' ') + std::to_string(y) + '|';
        tekst += nr + RijTekst(s, y) + "|\n";
        kleuren += nr;
        for (int x = 0; x < s.breedte; ++x) {
            kleuren += kleur(CelOp(s, x, y).achter);
            kleuren += kleur(CelOp(s, x, y).voor);
        }
        kleuren += "|\n";
    }
    return tekst + "kleuren (achter, voor; . = standaard):\n" + kleuren + "cursor (" +
           std::to_string(s.cursorX) + ", " + std::to_string(s.cursorY) + ")" +
           (s.cursorZichtbaar ? "" : " verborgen") +
           (s.opAlternatief ? ", alternatief scherm" : ", normaal scherm") + "\n";
}

} // namespace vt
