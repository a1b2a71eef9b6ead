// The line mode in a pseudo-terminal under TERM=dumb: the whole walk won by
// reading lines alone, without one escape byte from the game.
#include "Pty.h"
#include "support/Oplossingen.h"
#include "support/Wandelen.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using namespace script;

// Reads until `tekst` comes after byte `vanaf` of what the game wrote; then
// `vanaf` moves past it.
void WachtOpRegel(pty::Sessie& s, std::size_t& vanaf, const std::string& tekst) {
    ASSERT_TRUE(pty::WachtOp(
        s, [&](const vt::Scherm&) { return s.alles.find(tekst, vanaf) != std::string::npos; },
        pty::Kort))
        << "\"" << tekst << "\" kwam niet na:\n"
        << s.alles.substr(vanaf);
    vanaf = s.alles.find(tekst, vanaf) + tekst.size();
}

TEST(Regelmodus, DeHeleWandelingGewonnenOnderEenDommeTerminal) {
    pty::Opties opties;
    opties.term = "dumb";
    pty::Sessie s;
    std::string fout;
    const std::time_t begin = std::time(nullptr);
    ASSERT_TRUE(pty::Start(s, opties, fout)) << fout;
    std::size_t vanaf = 0;
    WachtOpRegel(s, vanaf, "Ctrl+L");
    WachtOpRegel(s, vanaf, "Spel Starten.\r\n");
    pty::Stuur(s, "\x1b[B");
    WachtOpRegel(s, vanaf, "Informatie, submenu.\r\n");
    pty::Stuur(s, "\x1b[A\r");
    WachtOpRegel(s, vanaf, "Paden: zuid.");

    // The pigeon first: its flight, read from the screen as text, says
    // which seed the clock gave, and so what the safe and the nuts will be.
    pty::Stuur(s, pty::Bytes(s.scherm, Route({1, 1}, {3, 3}) + Toetsen{Enter}) + "\x0c");
    WachtOpRegel(s, vanaf, " west\r\n");
    const std::optional<Vlucht> vlucht = LeesVlucht(s.alles);
    ASSERT_TRUE(vlucht);
    ASSERT_TRUE(ZaaiVoorVlucht(*vlucht, begin - 1, std::time(nullptr) + 1)) << VluchtTekst(*vlucht);
    const Toetsen rest = RestVanDeWandeling(*vlucht);
    pty::Stuur(s, pty::Bytes(s.scherm, rest) + "\x0c");
    WachtOpRegel(s, vanaf, "Gefeliciteerd!");
    // Any key, then Afsluiten.
    pty::Stuur(s, " ");
    WachtOpRegel(s, vanaf, "Spel Starten.\r\n");
    pty::Stuur(s, "\x1b[A\r");
    EXPECT_EQ(pty::WachtOpEinde(s, pty::Kort), 0);
    EXPECT_EQ(s.alles.find('\x1b'), std::string::npos);
    EXPECT_TRUE(pty::ZelfdeModi(pty::Modi(s), s.modiVooraf)) << pty::ModiTekst(pty::Modi(s));
}

} // namespace
