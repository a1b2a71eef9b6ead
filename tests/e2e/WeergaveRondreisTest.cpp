// The renderer checked against the test terminal: the whole program plays
// random keys on the scripted backend, every frame goes through TekenVerschil
// into a vt::Scherm, and that screen must then show exactly the console model,
// with and without back-colour erase and repeating, on a larger terminal too.
// The differences of thousands of frames pile up on one terminal, so a diff
// that forgets a cell, a colour or a cursor move shows at once.
#include "app/Start.h"
#include "console/Cp437.h"
#include "console/Script.h"
#include "console/terminal/Weergave.h"
#include "forest/Bos.h"
#include "support/Bostabellen.h"
#include "support/Vt.h"
#include "units/Units.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>
#include <string>

namespace {

script::Toetsen WillekeurigeToetsen(int aantal, unsigned zaad) {
    using namespace script;
    const ToetsDruk toetsen[] = {Pijl(Links),  Pijl(Omhoog), Pijl(Rechts), Pijl(Omlaag),
                                 Pijl(Omlaag), Pijl(Rechts), Enter,        Enter,
                                 Esc,          Spatie,       F12,          PlusNum,
                                 MinNum,       Backspace,    Teken('e'),   Teken('Q')};
    std::mt19937 gen(zaad);
    Toetsen uit;
    for (int i = 0; i < aantal; ++i) uit.push_back(toetsen[gen() % std::size(toetsen)]);
    return uit;
}

struct Rondgang {
    WeergaveOpties opties;
    vt::Scherm scherm;
    Terminalstand stand;
    std::optional<ConsoleModel> vorig;
    long frames = 0;
    std::string fout;
};

char32_t VerwachtTeken(unsigned char teken, const WeergaveOpties& opties) {
    const char32_t c =
        opties.utf8 ? Cp437NaarUnicode(teken)
                    : static_cast<char32_t>(static_cast<unsigned char>(Cp437NaarAscii(teken)));
    return c == 0 ? U' ' : c;
}

// Compares the terminal with the model, which stands in its middle with the
// terminal's own blank around it; the first difference, or "".
std::string Verschil(const vt::Scherm& s, const ConsoleModel& m, const WeergaveOpties& opties) {
    const int links = (s.breedte - m.breedte) / 2;
    const int boven = (s.hoogte - m.hoogte) / 2;
    for (int y = 0; y < s.hoogte; ++y)
        for (int x = 0; x < s.breedte; ++x)
            if ((x < links || x >= links + m.breedte || y < boven || y >= boven + m.hoogte) &&
                vt::CelOp(s, x, y) != vt::Cel{})
                return "cel (" + std::to_string(x) + ", " + std::to_string(y) +
                       ") buiten het beeld is niet leeg";
    for (int y = 0; y < m.hoogte; ++y)
        for (int x = 0; x < m.breedte; ++x) {
            const Cel& cel = m.cellen[static_cast<std::size_t>(y * m.breedte + x)];
            const vt::Cel& t = vt::CelOp(s, links + x, boven + y);
            const std::string plek = "cel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            if (t.teken != VerwachtTeken(cel.teken, opties))
                return plek + " toont een ander teken dan code " + std::to_string(cel.teken);
            if (opties.achtKleuren) {
                if (t.achter < 0 || t.achter > 7 || t.voor < 0 || t.voor > 7)
                    return plek + " heeft een kleur die acht kleuren niet kennen";
            } else if (!vt::ZelfdeBeeld(
                           t, vt::Cel{t.teken, cel.attribuut & 15, cel.attribuut >> 4, t.vet}) ||
                       (m.cursorZichtbaar && x == m.cursorX && y == m.cursorY &&
                        t.voor != (cel.attribuut & 15))) {
                return plek + " heeft kleur " + std::to_string(t.voor) + " op " +
                       std::to_string(t.achter) + " in plaats van attribuut " +
                       std::to_string(cel.attribuut);
            }
        }
    if (s.cursorZichtbaar != m.cursorZichtbaar) return "de cursor is anders (on)zichtbaar";
    // Hidden too: screen readers read at the cursor.
    if (s.cursorX != links + m.cursorX || s.cursorY != boven + m.cursorY)
        return "de cursor staat elders";
    if (!s.onbekend.empty()) return "onbekende reeks: " + s.onbekend.front();
    return "";
}

// Plays random keys on a terminal of this size, with or without back-colour
// erase as the options say; returns how often each operation came by.
std::map<char, long> SpeelRondgang(const WeergaveOpties& opties, unsigned zaad, int breedte = 80,
                                   int hoogte = 25) {
    Rondgang r;
    r.opties = opties;
    r.scherm = vt::NieuwScherm(breedte, hoogte);
    r.scherm.achtergrondWissen = opties.achtergrondWissen;
    r.stand.breedte = breedte;
    r.stand.hoogte = hoogte;
    script::BijTonen([&r](const ConsoleModel& m) {
        if (!r.fout.empty()) return;
        ++r.frames;
        if (r.frames % 97 == 0) {
            // Now and then a full picture over a screen full of rubbish: it
            // must cover every cell.
            vt::Verwerk(r.scherm,
                        "\x1b[1;1H\x1b[35;46m" + std::string(r.scherm.normaal.size(), '#'));
            r.vorig.reset();
        }
        vt::Verwerk(r.scherm, TekenVerschil(r.vorig ? &*r.vorig : nullptr, m, r.opties, r.stand));
        r.fout = Verschil(r.scherm, m, r.opties);
        if (!r.fout.empty())
            r.fout += " (frame " + std::to_string(r.frames) + ")\n" + vt::Dump(r.scherm);
        r.vorig = m;
    });
    NieuwModel();
    ZetWillekeurigToestand(zaad);
    script::ZetScript(WillekeurigeToetsen(6000, zaad));
    // " Afsluiten       " may come up among the random keys: then the program
    // simply starts again, until the keys are used up.
    while (script::ToetsenOver() > 0 && r.fout.empty()) {
        LeegBosTabellen();
        try {
            Programma();
        } catch (const script::ToetsenOp&) {
        }
    }
    script::BijTonen(nullptr);
    EXPECT_TRUE(r.fout.empty()) << r.fout;
    EXPECT_GT(r.frames, 6000);
    // Erasing only with back-colour erase, repeating only where asked.
    EXPECT_EQ(r.scherm.gebruikt['K'] + r.scherm.gebruikt['X'] > 0, opties.achtergrondWissen);
    EXPECT_EQ(r.scherm.gebruikt['b'] > 0, opties.herhalen);
    return r.scherm.gebruikt;
}

// Absolute and relative moves, backspaces, colours and the clear came by in
// the two sessions together (a move to another row in the same column, where
// VPA is shortest, is rare in the game).
void VerwachtElkeBewerking(std::map<char, long> a, std::map<char, long> b) {
    for (char code : std::string("HABCDdmJ\b")) EXPECT_GT(a[code] + b[code], 0) << code;
}

TEST(WeergaveRondreisTest, ZestienKleurenEnUtf8TonenPreciesHetModel) {
    VerwachtElkeBewerking(SpeelRondgang(WeergaveOpties{true, false}, 11),
                          SpeelRondgang(WeergaveOpties{true, false, true, true}, 14));
}

TEST(WeergaveRondreisTest, AsciiTekensTonenDeLookalikes) {
    VerwachtElkeBewerking(SpeelRondgang(WeergaveOpties{false, false}, 12),
                          SpeelRondgang(WeergaveOpties{false, false, true, false}, 15));
}

TEST(WeergaveRondreisTest, AchtKleurenBlijvenBinnenAcht) {
    VerwachtElkeBewerking(SpeelRondgang(WeergaveOpties{true, true}, 13),
                          SpeelRondgang(WeergaveOpties{true, true, true, true}, 16));
}

TEST(WeergaveRondreisTest, OpEenGroterVensterStaatHetBeeldInHetMidden) {
    VerwachtElkeBewerking(SpeelRondgang(WeergaveOpties{true, false, true, true}, 17, 97, 31),
                          SpeelRondgang(WeergaveOpties{true, false, false, false}, 18, 81, 26));
}

} // namespace
