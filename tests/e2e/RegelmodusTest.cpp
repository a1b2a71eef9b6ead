// The line mode in a pseudo-terminal under TERM=dumb: the whole walk won by
// reading lines alone, without one escape byte from the game.
#include "Pty.h"
#include "support/Oplossingen.h"
#include "support/Wandelen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

namespace {

using namespace script;

TEST(RegelmodusTest, DeHeleWandelingGewonnenOnderEenDommeTerminal) {
    pty::Opties opties;
    opties.term = "dumb";
    pty::Sessie s;
    std::string fout;
    const std::time_t begin = std::time(nullptr);
    ASSERT_TRUE(pty::Start(s, opties, fout)) << fout;
    ASSERT_TRUE(pty::WachtOpTekst(s, "Spel Starten.", pty::Kort)) << s.alles;
    pty::Stuur(s, "\r");
    ASSERT_TRUE(pty::WachtOpTekst(s, "Paden: zuid.", pty::Kort)) << s.alles;

    // The pigeon first: its flight, read from the screen as text, says
    // which seed the clock gave, and so what the safe and the nuts will be.
    pty::Stuur(s, pty::Bytes(s.scherm, Route({1, 1}, {3, 3}) + Toetsen{Enter}) + "\x0c");
    ASSERT_TRUE(pty::WachtOpTekst(s, " west", pty::Kort)) << s.alles;
    Vlucht v{};
    const std::size_t rij = s.alles.rfind('\n', s.alles.rfind(" noord, ")) + 1;
    ASSERT_EQ(std::sscanf(s.alles.c_str() + rij, "%d noord, %d oost, %d zuid, %d west", &v.noord,
                          &v.oost, &v.zuid, &v.west),
              4);
    bool gezaaid = false;
    for (std::time_t t = begin - 1; t <= std::time(nullptr) + 1 && !gezaaid; ++t) {
        ZetWillekeurigToestand(static_cast<std::uint32_t>(t));
        gezaaid = VluchtTekst(TrekVlucht()) == VluchtTekst(v);
    }
    ASSERT_TRUE(gezaaid) << VluchtTekst(v);
    const std::array<int, 5> code = TrekKluisCode();
    const std::array<int, 4> noten = TrekVoorraad();
    const Toetsen rest = WinPostduif(v) + Route({3, 3}, {2, 1}) + Toetsen{Enter} + WinKluis(code) +
                         Route({2, 1}, {3, 1}) + Toetsen{Enter} + WinKlinkers() +
                         Route({3, 1}, {4, 1}) + Toetsen{Enter} + WinAlfabet() +
                         Route({4, 1}, {4, 4}) + Toetsen{Enter} + WinGeheimschrift() +
                         Route({4, 4}, {2, 4}) + Toetsen{Enter} + WinEekhoorn(noten) +
                         Route({2, 4}, {1, 4});
    pty::Stuur(s, pty::Bytes(s.scherm, rest) + "\x0c");
    ASSERT_TRUE(pty::WachtOpTekst(s, "Gefeliciteerd!", pty::Kort)) << s.alles;
    pty::Stuur(s, " \x1b[A\r"); // any key, then Afsluiten
    EXPECT_EQ(pty::WachtOpEinde(s, pty::Kort), 0);
    EXPECT_EQ(s.alles.find('\x1b'), std::string::npos);
    EXPECT_TRUE(pty::ZelfdeModi(pty::Modi(s), s.modiVooraf)) << pty::ModiTekst(pty::Modi(s));
}

} // namespace
