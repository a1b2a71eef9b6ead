// The scripted backend: keys come from a list, presenting only counts frames.
#include "console/Script.h"
#include "console/Console.h"
#include "console/Cp437.h"
#include "console/terminal/Toetsdecoder.h"

#include <deque>

namespace {

std::deque<ToetsDruk>& Wachtrij() {
    static std::deque<ToetsDruk> rij;
    return rij;
}
std::size_t frames = 0;
std::vector<std::string> berichten;
std::function<void(const ConsoleModel&)>& Waarnemer() {
    static std::function<void(const ConsoleModel&)> w;
    return w;
}

} // namespace

bool StartAchterkant() {
    return true;
}

void StopAchterkant() {}

void MeldNaStop(const char*) {}

void Voorlezen(const std::string& zin) {
    // A long run (the monkey's million keys) keeps only the recent ones.
    if (berichten.size() >= 2000) berichten.erase(berichten.begin(), berichten.begin() + 1000);
    berichten.push_back(zin);
}

ToetsDruk WachtOpToets(const ConsoleModel& model) {
    ++frames;
    if (Waarnemer()) Waarnemer()(model);
    if (Wachtrij().empty()) throw script::ToetsenOp();
    const ToetsDruk toets = Wachtrij().front();
    Wachtrij().pop_front();
    return toets;
}

namespace script {

ToetsDruk Pijl(Richting richting) {
    static constexpr std::uint16_t codes[] = {ToetsLinks, ToetsOmhoog, ToetsRechts, ToetsOmlaag};
    return ToetsDruk{0, codes[richting]};
}

ToetsDruk Teken(char teken) {
    return ToetsVoorTeken(teken);
}

Toetsen Tekst(std::string_view tekst) {
    Toetsen uit;
    for (char c : tekst) uit.push_back(Teken(c));
    return uit;
}

Toetsen Herhaal(ToetsDruk toets, int aantal) {
    return Toetsen(static_cast<std::size_t>(aantal < 0 ? 0 : aantal), toets);
}

Toetsen operator+(Toetsen a, const Toetsen& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void ZetScript(Toetsen toetsen) {
    Wachtrij().assign(toetsen.begin(), toetsen.end());
    frames = 0;
    berichten.clear();
}

void VoegToe(const Toetsen& toetsen) {
    Wachtrij().insert(Wachtrij().end(), toetsen.begin(), toetsen.end());
}

std::size_t ToetsenOver() {
    return Wachtrij().size();
}

std::size_t AantalFrames() {
    return frames;
}

const std::vector<std::string>& Berichten() {
    return berichten;
}

void BijTonen(std::function<void(const ConsoleModel&)> waarnemer) {
    Waarnemer() = std::move(waarnemer);
}

Cel CelOp(int x, int y) {
    const Cel* cel = ::CelOp(Model(), x, y);
    return cel ? *cel : Cel{};
}

unsigned char TekenOp(int x, int y) {
    return CelOp(x, y).teken;
}

unsigned char AttribuutOp(int x, int y) {
    return CelOp(x, y).attribuut;
}

std::string TekstOp(int x, int y, int lengte) {
    std::string uit;
    for (int i = 0; i < lengte; ++i) {
        const unsigned char c = TekenOp(x + i, y);
        uit += static_cast<char>(c == 0 ? ' ' : c);
    }
    return uit;
}

std::string RijTekst(int y) {
    return TekstOp(0, y, Model().breedte);
}

std::string SchermDump() {
    const ConsoleModel& m = Model();
    static constexpr char hex[] = "0123456789abcdef";
    std::string tekst;
    std::string kleuren;
    for (int y = 0; y < m.hoogte; ++y) {
        std::string regel;
        std::string attributen;
        for (int x = 0; x < m.breedte; ++x) {
            const Cel c = CelOp(x, y);
            VoegUtf8Toe(regel, Cp437NaarUnicode(c.teken));
            attributen += hex[c.attribuut >> 4];
            attributen += hex[c.attribuut & 15];
        }
        // The row number right-aligned in two columns, appended piece by piece.
        const std::string kop = std::string(y < 10 ? 1 : 0, ' ') + std::to_string(y) + '|';
        tekst.append(kop).append(regel).append("|\n");
        kleuren.append(kop).append(attributen).append("|\n");
    }
    return tekst + "attributen (achter, voor):\n" + kleuren + "cursor (" +
           std::to_string(m.cursorX) + ", " + std::to_string(m.cursorY) + ")" +
           (m.cursorZichtbaar ? "" : " verborgen") + "\n";
}

} // namespace script
