#include "console/terminal/Toetsdecoder.h"

#include "console/Console.h"

#include <cstdint>
#include <string_view>
#include <utility>

namespace {

constexpr unsigned char Esc = 0x1b;

// One step of the decoder: how many bytes it took (0: wait for more) and the
// key press they made, if any. While it waits, `korter` (when not empty) is
// what the rest of the buffer may be shortened to without changing its meaning.
struct Stap {
    std::size_t lengte = 0;
    bool heeftToets = false;
    ToetsDruk toets{};
    std::string korter;
};

const Stap Wacht{};

Stap WachtKorter(std::string korter) {
    return Stap{0, false, {}, std::move(korter)};
}

Stap Toets(std::size_t lengte, ToetsDruk toets) {
    return Stap{lengte, true, toets, {}};
}

Stap Niets(std::size_t lengte) {
    return Stap{lengte, false, {}, {}};
}

// The terminal's answer to the keyboard protocol's question (CSI ? flags u):
// not a key, DecodeerToetsen reports it apart.
constexpr ToetsDruk ToetsenbordAntwoord{0, 0xffff};

// What an over-long sequence that has not ended yet is shortened to: its
// introducer and this mark. No terminal starts a sequence's parameters with
// it, and a sequence that starts with it means nothing.
constexpr char TeLangMerk = ';';

ToetsDruk Code(std::uint16_t code) {
    return ToetsDruk{0, code};
}

ToetsDruk Gelijk(char teken) {
    return ToetsDruk{teken, static_cast<std::uint16_t>(static_cast<unsigned char>(teken))};
}

// A single byte that is not ESC and not part of UTF-8.
ToetsDruk EnkeleByte(unsigned char b) {
    switch (b) {
    case '\r':
    case '\n':
        return Gelijk('\r');
    case 0x7f:
    case 0x08:
        return Gelijk('\b');
    case '\t':
        return Gelijk('\t');
    default:
        break;
    }
    // Ctrl+\, Ctrl+], Ctrl+^ and Ctrl+_: the control character with the key of
    // the character it stands for.
    if (b >= 0x1c && b <= 0x1f)
        return ToetsDruk{static_cast<char>(b), ToetsVoorTeken(static_cast<char>(b + 0x40)).code};
    if (b >= 0x20) return ToetsVoorTeken(static_cast<char>(b));
    if (b == 0) return ToetsDruk{};
    // Ctrl+letter: the control character with the letter's key, as a console gives it.
    return ToetsDruk{static_cast<char>(b), static_cast<std::uint16_t>('A' + b - 1)};
}

// The numbers of a CSI sequence: fields split by ';', sub-fields by ':'.
struct Parameters {
    long veld[3][3] = {{-1, -1, -1}, {-1, -1, -1}, {-1, -1, -1}}; // -1: absent
    int velden = 0;
};

Parameters LeesParameters(std::string_view tekst) {
    Parameters p;
    int veld = 0;
    int sub = 0;
    p.velden = tekst.empty() ? 0 : 1;
    for (char c : tekst) {
        if (c == ';') {
            ++veld;
            sub = 0;
            if (veld < 3) p.velden = veld + 1;
        } else if (c == ':') {
            ++sub;
        } else if (c >= '0' && c <= '9' && veld < 3 && sub < 3) {
            long& n = p.veld[veld][sub];
            if (n < 0) n = 0;
            if (n < 1000000) n = n * 10 + (c - '0');
        }
    }
    return p;
}

long Of(long waarde, long standaard) {
    return waarde < 0 ? standaard : waarde;
}

// A final byte, a number or a code point of a sequence, and the key it stands for.
struct Betekenis {
    long sleutel;
    ToetsDruk toets;
};

template <std::size_t N> bool Zoek(const Betekenis (&tabel)[N], long sleutel, ToetsDruk& toets) {
    for (const Betekenis& b : tabel) {
        if (b.sleutel == sleutel) {
            toets = b.toets;
            return true;
        }
    }
    return false;
}

// A key of the keypad, the cursor block or the function row, given as the
// final byte of ESC O or of CSI 1;mods.
constexpr Betekenis LetterSloten[] = {
    {'A', {0, ToetsOmhoog}}, {'B', {0, ToetsOmlaag}}, {'C', {0, ToetsRechts}},
    {'D', {0, ToetsLinks}},  {'H', {0, ToetsHome}},   {'F', {0, ToetsEnd}},
    {'E', {0, ToetsClear}},  {'P', {0, ToetsF1}},     {'Q', {0, ToetsF1 + 1}},
    {'R', {0, ToetsF1 + 2}}, {'S', {0, ToetsF1 + 3}},
};

bool LetterToets(unsigned char slot, ToetsDruk& toets) {
    return Zoek(LetterSloten, slot, toets);
}

// The keypad in application mode (ESC O x), beyond what LetterToets knows.
constexpr Betekenis KeypadSloten[] = {
    {'M', {'\r', ToetsEnter}},  {'I', {'\t', ToetsTab}},    {' ', {' ', ToetsSpatie}},
    {'j', {'*', ToetsMaalNum}}, {'k', {'+', ToetsPlusNum}}, {'l', {',', ToetsKommaNum}},
    {'m', {'-', ToetsMinNum}},  {'n', {'.', ToetsPuntNum}}, {'o', {'/', ToetsDeelNum}},
    {'X', {'=', ToetsPlus}},
};

bool KeypadToets(unsigned char slot, ToetsDruk& toets) {
    if (slot >= 'p' && slot <= 'y') {
        const int cijfer = slot - 'p';
        toets = ToetsDruk{static_cast<char>('0' + cijfer),
                          static_cast<std::uint16_t>(ToetsNum0 + cijfer)};
        return true;
    }
    return Zoek(KeypadSloten, slot, toets) || LetterToets(slot, toets);
}

// CSI n ~: the editing block and the function keys (F1-F5 are 11-15, F6-F10
// 17-21, F11 and F12 23 and 24, F13 and F14 25 and 26).
constexpr Betekenis TildeNummers[] = {
    {1, {0, ToetsHome}},     {7, {0, ToetsHome}},     {4, {0, ToetsEnd}},
    {8, {0, ToetsEnd}},      {2, {0, ToetsInsert}},   {3, {0, ToetsDelete}},
    {5, {0, ToetsPageUp}},   {6, {0, ToetsPageDown}}, {11, {0, ToetsF1}},
    {12, {0, ToetsF1 + 1}},  {13, {0, ToetsF1 + 2}},  {14, {0, ToetsF1 + 3}},
    {15, {0, ToetsF1 + 4}},  {17, {0, ToetsF1 + 5}},  {18, {0, ToetsF1 + 6}},
    {19, {0, ToetsF1 + 7}},  {20, {0, ToetsF1 + 8}},  {21, {0, ToetsF1 + 9}},
    {23, {0, ToetsF1 + 10}}, {24, {0, ToetsF1 + 11}}, {25, {0, ToetsF1 + 12}},
    {26, {0, ToetsF1 + 13}},
};

// Code points of keys that are not typed characters: the control keys, and
// the keypad and cursor block in the private use area.
constexpr Betekenis Codepunten[] = {
    {27, {'\x1b', ToetsEsc}},     {13, {'\r', ToetsEnter}},      {9, {'\t', ToetsTab}},
    {8, {'\b', ToetsBackspace}},  {127, {'\b', ToetsBackspace}}, {32, {' ', ToetsSpatie}},
    {57409, {'.', ToetsPuntNum}}, {57410, {'/', ToetsDeelNum}},  {57411, {'*', ToetsMaalNum}},
    {57412, {'-', ToetsMinNum}},  {57413, {'+', ToetsPlusNum}},  {57414, {'\r', ToetsEnter}},
    {57415, {'=', ToetsPlus}},    {57416, {',', ToetsKommaNum}}, {57417, {0, ToetsLinks}},
    {57418, {0, ToetsRechts}},    {57419, {0, ToetsOmhoog}},     {57420, {0, ToetsOmlaag}},
    {57421, {0, ToetsPageUp}},    {57422, {0, ToetsPageDown}},   {57423, {0, ToetsHome}},
    {57424, {0, ToetsEnd}},       {57425, {0, ToetsInsert}},     {57426, {0, ToetsDelete}},
    {57427, {0, ToetsClear}},
};

// What the kitty protocol tells of a key besides its code point: the text
// it typed, its shifted form and the key of the base (US) layout; 0: not sent.
struct Kittyvelden {
    long tekst = 0;
    long geschoven = 0;
    long basis = 0;
};

// A key reported by its Unicode code point (CSI cp;mods u, and xterm's
// CSI 27;mods;cp ~), with the functional keys in the private use area. The
// text the key typed is the character, whatever the layout, Shift or Caps
// Lock made of the key; without it the shifted form stands in for a key
// pressed with Shift. With Ctrl or Alt, a key of a layout that is not Latin
// counts as its base-layout key, so that Ctrl+C stays Ctrl+C on a Cyrillic
// layout, as other terminals send it.
bool CodepuntToets(long codepunt, long modificaties, Kittyvelden kitty, ToetsDruk& toets) {
    const long bits = modificaties > 0 ? modificaties - 1 : 0;
    const bool shift = (bits & 1) != 0;
    const bool alt = (bits & 2) != 0;
    const bool ctrl = (bits & 4) != 0;
    if (Zoek(Codepunten, codepunt, toets)) return true;
    if (codepunt >= 57399 && codepunt <= 57408) { // keypad digits
        const long cijfer = codepunt - 57399;
        toets = ToetsDruk{static_cast<char>('0' + cijfer),
                          static_cast<std::uint16_t>(ToetsNum0 + cijfer)};
        return true;
    }
    if (codepunt >= 57376 && codepunt <= 57387) { // F13-F24
        toets = Code(static_cast<std::uint16_t>(ToetsF1 + 12 + (codepunt - 57376)));
        return true;
    }
    // F25-F35, and the lock, media and modifier keys.
    if (codepunt >= 57344 && codepunt <= 63743) return false;
    if ((ctrl || alt) && codepunt >= 128 && kitty.basis > 0 && kitty.basis < 128) {
        codepunt = kitty.basis;
        kitty = {};
    }
    if (kitty.tekst > 0) return CodepuntToets(kitty.tekst, 1, {}, toets);
    if (shift && kitty.geschoven > 0) codepunt = kitty.geschoven;
    if (codepunt >= 128) {
        toets = ToetsDruk{};
        return true;
    }
    if (codepunt < 32) {
        if (codepunt == 0) return false;
        toets = EnkeleByte(static_cast<unsigned char>(codepunt));
        return true;
    }
    auto teken = static_cast<unsigned char>(codepunt);
    if (shift && teken >= 'a' && teken <= 'z') teken = static_cast<unsigned char>(teken - 32);
    toets = ToetsVoorTeken(static_cast<char>(teken));
    if (ctrl && teken >= 0x40 && teken <= 0x7f) toets.teken = static_cast<char>(teken & 0x1f);
    return true;
}

// The meaning of a whole CSI sequence, given its parameter bytes and final byte.
bool CsiToets(std::string_view parameters, unsigned char slot, ToetsDruk& toets) {
    if (!parameters.empty()) {
        const char eerste = parameters.front();
        if (eerste == '?' && slot == 'u' && parameters.size() > 1 &&
            parameters.find_first_not_of("0123456789", 1) == std::string_view::npos) {
            toets = ToetsenbordAntwoord;
            return true;
        }
        if (eerste == '<' || eerste == '=' || eerste == '>' || eerste == '?') return false;
    }
    for (char c : parameters)
        if (c < '0' || c > ';') return false; // intermediate bytes: not a key
    const Parameters p = LeesParameters(parameters);
    if (p.veld[1][1] == 3) return false; // a key release
    const long eerste = p.veld[0][0];
    if (slot == 'u')
        return CodepuntToets(eerste, Of(p.veld[1][0], 1),
                             {Of(p.veld[2][0], 0), Of(p.veld[0][1], 0), Of(p.veld[0][2], 0)},
                             toets);
    if (slot == '~') {
        if (eerste == 27 && p.velden == 3) // xterm's modifyOtherKeys
            return CodepuntToets(p.veld[2][0], Of(p.veld[1][0], 1), {}, toets);
        return Zoek(TildeNummers, eerste, toets);
    }
    if (slot == 'Z') {
        toets = Gelijk('\t'); // Shift+Tab
        return true;
    }
    // Cursor keys and F1-F4, bare or as CSI 1;mods X. A cursor position
    // report (CSI row;col R) is not a key, but on the first row it reads as F3
    // with modifiers: only CSI 1;1 R, which no key sends, is told apart (the
    // game never asks for a report).
    if (eerste > 1) return false;
    if (slot == 'R' && p.velden == 2 && p.veld[1][0] == 1 && p.veld[1][1] < 0) return false;
    return LetterToets(slot, toets);
}

bool IsParameterByte(unsigned char c) {
    return c >= 0x20 && c <= 0x3f;
}

bool IsSlotByte(unsigned char c) {
    return c >= 0x40 && c <= 0x7e;
}

// ESC [ ... and ESC O ...: `begin` is the first byte after the introducer.
// `parameterByte` says which bytes may stand between introducer and final.
// A sequence of MaxSequentieLengte bytes or more before its final byte is
// garbage, swallowed whole.
template <class Parameter, class Betekenis>
Stap LeesSequentie(const std::string& s, std::size_t i, std::size_t begin, bool stilte,
                   Parameter parameterByte, Betekenis betekenis) {
    std::size_t k = begin;
    while (k < s.size() && parameterByte(static_cast<unsigned char>(s[k]))) ++k;
    const bool teLang = k - i >= MaxSequentieLengte || (begin < s.size() && s[begin] == TeLangMerk);
    if (k >= s.size()) {
        if (stilte) return Niets(k - i);
        return teLang ? WachtKorter(s.substr(i, begin - i) + TeLangMerk) : Wacht;
    }
    const auto slot = static_cast<unsigned char>(s[k]);
    if (!IsSlotByte(slot)) return Niets(k - i); // broken off by a control byte
    if (teLang) return Niets(k - i + 1);
    ToetsDruk toets;
    const std::string_view parameters(s.data() + begin, k - begin);
    if (betekenis(parameters, slot, toets)) return Toets(k - i + 1, toets);
    return Niets(k - i + 1);
}

Stap LeesCsi(const std::string& s, std::size_t i, bool stilte) {
    const std::size_t begin = i + 2;
    // The Linux console sends F1-F5 as ESC [ [ A to ESC [ [ E.
    if (begin < s.size() && s[begin] == '[') {
        if (begin + 1 >= s.size()) return stilte ? Niets(s.size() - i) : Wacht;
        const auto slot = static_cast<unsigned char>(s[begin + 1]);
        if (slot >= 'A' && slot <= 'E')
            return Toets(4, Code(static_cast<std::uint16_t>(ToetsF1 + (slot - 'A'))));
        return IsSlotByte(slot) ? Niets(4) : Niets(3);
    }
    // An X10 mouse report: ESC [ M and three bytes of button and position,
    // whatever they are.
    if (begin < s.size() && s[begin] == 'M') {
        if (begin + 4 <= s.size()) return Niets(6);
        return stilte ? Niets(s.size() - i) : Wacht;
    }
    return LeesSequentie(s, i, begin, stilte, IsParameterByte, CsiToets);
}

Stap LeesSs3(const std::string& s, std::size_t i, bool stilte) {
    // Some terminals put a modifier between ESC O and the key (ESC O 5 A).
    const auto cijfer = [](unsigned char c) { return (c >= '0' && c <= '9') || c == ';'; };
    const auto betekenis = [](std::string_view, unsigned char slot, ToetsDruk& toets) {
        return KeypadToets(slot, toets);
    };
    // ESC O SP is the keypad's space bar: a final byte outside the usual range.
    if (i + 2 < s.size() && s[i + 2] == ' ') return Toets(3, Gelijk(' '));
    return LeesSequentie(s, i, i + 2, stilte, cijfer, betekenis);
}

// A string: OSC (ESC ]), DCS (ESC P), SOS (ESC X), PM (ESC ^) or APC (ESC _),
// ended by ST (ESC \) or BEL. Another ESC ends it too and starts a sequence
// of its own. Nothing in it is a key; while it lasts only its introducer
// (and an ESC that may start ST) stays in the buffer.
Stap LeesTekenreeks(const std::string& s, std::size_t i, bool stilte) {
    for (std::size_t k = i + 2; k < s.size(); ++k) {
        if (s[k] == '\a') return Niets(k - i + 1);
        if (s[k] != '\x1b') continue;
        if (k + 1 >= s.size()) break;
        return Niets(s[k + 1] == '\\' ? k - i + 2 : k - i);
    }
    if (stilte) return Niets(s.size() - i);
    return WachtKorter(s.substr(i, 2) + (s.size() - i > 2 && s.back() == '\x1b' ? "\x1b" : ""));
}

bool IsTekenreeksBegin(char c) {
    return c == ']' || c == 'P' || c == 'X' || c == '^' || c == '_';
}

Stap LeesEscape(const std::string& s, std::size_t i, bool stilte) {
    if (i + 1 >= s.size()) return stilte ? Toets(1, Gelijk('\x1b')) : Wacht;
    const char volgende = s[i + 1];
    if (volgende == '[') return LeesCsi(s, i, stilte);
    if (volgende == 'O') return LeesSs3(s, i, stilte);
    if (IsTekenreeksBegin(volgende)) return LeesTekenreeks(s, i, stilte);
    // ESC before anything else (Alt+key, or Esc typed just before a key):
    // the Esc key, and the next byte is a key of its own.
    return Toets(1, Gelijk('\x1b'));
}

// A non-ASCII character: its whole UTF-8 sequence is one key without a
// character. A byte that starts no sequence (a stray continuation byte) is
// one such key, and so is a sequence broken off by a byte that cannot
// continue it (a Latin-1 terminal's é before a letter); one that silence cuts
// short gives nothing.
Stap LeesUtf8(const std::string& s, std::size_t i, bool stilte) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t lengte = 1;
    if (b >= 0xc2 && b <= 0xdf)
        lengte = 2;
    else if (b >= 0xe0 && b <= 0xef)
        lengte = 3;
    else if (b >= 0xf0 && b <= 0xf4)
        lengte = 4;
    for (std::size_t t = 1; t < lengte; ++t) {
        if (i + t >= s.size()) return stilte ? Niets(s.size() - i) : Wacht;
        const auto vervolg = static_cast<unsigned char>(s[i + t]);
        if ((vervolg & 0xc0) != 0x80) return Toets(t, ToetsDruk{});
    }
    return Toets(lengte, ToetsDruk{});
}

Stap LeesStap(const std::string& s, std::size_t i, bool stilte) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b == Esc) return LeesEscape(s, i, stilte);
    if (b >= 0x80) return LeesUtf8(s, i, stilte);
    return Toets(1, EnkeleByte(b));
}

} // namespace

ToetsDruk ToetsVoorTeken(char teken) {
    const auto c = static_cast<unsigned char>(teken);
    if (c >= 'a' && c <= 'z') return ToetsDruk{teken, static_cast<std::uint16_t>(c - 32)};
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return Gelijk(teken);
    if (c == '\b' || c == '\t' || c == '\r' || c == 0x1b) return Gelijk(teken);
    if (c == '\n') return Gelijk('\r');
    // The US keyboard: which key types this character (with or without Shift).
    static constexpr std::string_view cijferrij = ")!@#$%^&*(";
    if (const auto plek = cijferrij.find(teken); plek != std::string_view::npos)
        return ToetsDruk{teken, static_cast<std::uint16_t>('0' + plek)};
    struct Oem {
        std::string_view tekens;
        std::uint16_t code;
    };
    static constexpr Oem oem[] = {{";:", 186},  {"=+", ToetsPlus}, {",<", 188}, {"-_", ToetsMin},
                                  {".>", 190},  {"/?", 191},       {"`~", 192}, {"[{", 219},
                                  {"\\|", 220}, {"]}", 221},       {"'\"", 222}};
    for (const Oem& toets : oem)
        if (toets.tekens.find(teken) != std::string_view::npos) return ToetsDruk{teken, toets.code};
    return ToetsDruk{teken, 0};
}

std::string ToetsenbordAan(bool protocolBekend) {
    if (protocolBekend) return ToetsenbordAlleToetsen;
    return std::string(ToetsenbordOnderscheiden) + ToetsenbordVraag;
}

std::vector<ToetsDruk> DecodeerToetsen(std::string& invoer, bool stilte,
                                       bool* toetsenbordAntwoord) {
    std::vector<ToetsDruk> toetsen;
    std::size_t i = 0;
    while (i < invoer.size()) {
        Stap stap = LeesStap(invoer, i, stilte);
        if (stap.lengte == 0) {
            if (!stap.korter.empty()) invoer.replace(i, std::string::npos, stap.korter);
            break;
        }
        if (stap.toets == ToetsenbordAntwoord) {
            if (toetsenbordAntwoord != nullptr) *toetsenbordAntwoord = true;
        } else if (stap.heeftToets) {
            toetsen.push_back(stap.toets);
        }
        i += stap.lengte;
    }
    invoer.erase(0, i);
    return toetsen;
}
