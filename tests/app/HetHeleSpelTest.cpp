// The whole program played through once, from the menu, through the forest and
// all six games, to the end point, back to the menu and out.
#include "app/Start.h"
#include "console/Voorlezer.h"
#include "console/terminal/Regelmodus.h"
#include "support/Menu.h"
#include "support/Oplossingen.h"

#include <algorithm>
#include <map>

using namespace script;

namespace {

// Where a screen reader reads: every frame leaves the cursor on what matters,
// a character that is neither blank nor line drawing. The one exception is a
// typing position, which is blank until something is typed there.
void VerwachtFocusOpInhoud(const ConsoleModel& m) {
    const unsigned char teken = TekenOp(m.cursorX, m.cursorY);
    const bool typpositie = TekstOp(1, 2, 17) == "Het geheimschrift" && m.cursorY >= 13;
    EXPECT_TRUE(typpositie || (teken != 0 && teken != ' ' && (teken < 179 || teken > 218)))
        << "frame " << AantalFrames() << ": de focus staat op (" << m.cursorX << ", " << m.cursorY
        << ")\n"
        << SchermDump();
}

// A script of keys with checks on the pictures in between: a check added with
// `Dan` looks at the picture that waits for the next key pressed after it. Every
// picture is checked for its focus.
struct Doorspeling {
    Toetsen toetsen;
    std::map<std::size_t, std::vector<std::function<void()>>> controles;
    std::size_t gecontroleerd = 0;
    std::function<void(const ConsoleModel&)> elkBeeld; // one more check on every picture

    void Druk(const Toetsen& meer) { toetsen = toetsen + meer; }
    void Dan(std::function<void()> controle) {
        controles[toetsen.size() + 1].push_back(std::move(controle));
    }
    int SpeelProgramma() {
        BijTonen([this](const ConsoleModel& m) {
            VerwachtFocusOpInhoud(m);
            if (elkBeeld) elkBeeld(m);
            for (const auto& controle : controles[AantalFrames()]) {
                controle();
                ++gecontroleerd;
            }
        });
        ZetScript(toetsen);
        const int status = Programma();
        BijTonen(nullptr);
        return status;
    }
    std::size_t AantalControles() const {
        std::size_t n = 0;
        for (const auto& [frame, lijst] : controles) n += lijst.size();
        return n;
    }
};

class HetHeleSpelTest : public Wandeling {
  protected:
    void SetUp() override {
        Wandeling::SetUp();
        LeegBosTabellen(); // start-up fills them
    }
};

constexpr std::uint32_t Toestand = 20261209;

Toetsen SpeelOp(Plek van, Plek naar) {
    return Route(van, naar) + Toetsen{Enter};
}

std::function<void()> HetMenu() {
    return [] {
        VerwachtMenuKader();
        VerwachtMenu(1, false);
    };
}

std::function<void()> OpDePlek(Plek plek, int objecten) {
    return [=] {
        EXPECT_EQ(PlekOpScherm(), plek);
        EXPECT_EQ(TekstOp(4, 21, 22), Telling(objecten));
    };
}

std::function<void()> HetSpel(const std::string& naam) {
    return [=] { EXPECT_EQ(TekstOp(1, 2, static_cast<int>(naam.size())), naam); };
}

std::function<void()> Leeggespeeld(int objecten) {
    return [=] {
        EXPECT_EQ(TekstOp(4, 3, static_cast<int>(Verlaten.size())), Verlaten);
        EXPECT_EQ(TekstOp(4, 21, 22), objecten < 6 ? Telling(objecten) : "6/6 Objecten verzameld");
        EXPECT_EQ(AttribuutOp(4, 21), objecten < 6 ? 0x07 : 0x0e);
    };
}

std::function<void()> DeFelicitatie() {
    return [] {
        EXPECT_EQ(TekstOp(32, 9, 14), "Gefeliciteerd!");
        EXPECT_EQ(TekstOp(22, 11, 34), "Je hebt het spel 'De Struinpaadje'");
    };
}

// What the screen shows of the drawn puzzles: the pigeon's flight and the nuts.
std::function<void()> DeVlucht(const Vlucht& v) {
    return [=] {
        const std::string vlucht = VluchtTekst(v);
        EXPECT_EQ(TekstOp(0, 7, static_cast<int>(vlucht.size())), vlucht);
    };
}
std::function<void()> DeVoorraad(const std::array<int, 4>& voorraad) {
    return [=] {
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string getal = std::to_string(voorraad[i]);
            EXPECT_EQ(TekstOp(21, 10 + static_cast<int>(i), 2),
                      std::string(2 - std::min<std::size_t>(2, getal.size()), ' ') + getal);
        }
    };
}

// The walk, from the menu through every game to the end point and out.
Doorspeling HeleWandeling() {
    // What the games will draw, in the order they are played.
    ZetWillekeurigToestand(Toestand);
    const std::array<int, 5> code = TrekKluisCode();
    const Vlucht vlucht = TrekVlucht();
    const std::array<int, 4> noten = TrekVoorraad();
    ZetWillekeurigToestand(Toestand);

    Doorspeling spel;
    spel.Dan(HetMenu());

    // 1. Open the walk from the menu.
    spel.Druk({Enter});
    spel.Dan(OpDePlek({1, 1}, 0));

    // 2. Walk to each game and win it; the pigeon's flight and the nuts show
    // what the generator drew.
    const struct {
        Plek plek;
        std::string naam;
        Toetsen winnen;
        std::function<void()> toont;
    } spellen[] = {
        {{2, 1}, "De Kluis", WinKluis(code), nullptr},
        {{3, 1}, "De klinkers", WinKlinkers(), nullptr},
        {{4, 1}, "Het alfabet", WinAlfabet(), nullptr},
        {{3, 3}, "De Postduif", WinPostduif(vlucht), DeVlucht(vlucht)},
        {{4, 4}, "Het geheimschrift", WinGeheimschrift(), nullptr},
        {{2, 4}, "De Eekhoorn", WinEekhoorn(noten), DeVoorraad(noten)},
    };
    Plek hier{1, 1};
    int objecten = 0;
    for (const auto& gespeeld : spellen) {
        spel.Druk(SpeelOp(hier, gespeeld.plek));
        spel.Dan(HetSpel(gespeeld.naam));
        if (gespeeld.toont) spel.Dan(gespeeld.toont);
        spel.Druk(gespeeld.winnen);
        spel.Dan(Leeggespeeld(++objecten));
        hier = gespeeld.plek;
    }

    // 3. The end point with all six objects.
    spel.Druk(Route({2, 4}, {1, 4}));
    spel.Dan(DeFelicitatie());

    // 4. Any key goes back to the menu.
    spel.Druk({Spatie});
    spel.Dan(HetMenu());

    // 5. A new walk starts with nothing.
    spel.Druk({Enter});
    spel.Dan(OpDePlek({1, 1}, 0));
    spel.Druk({Esc});
    spel.Dan(HetMenu());

    // 6. Afsluiten ends the program.
    spel.Druk({Pijl(Omhoog), Enter});
    return spel;
}

TEST_F(HetHeleSpelTest, VanHetMenuDoorHetBosNaarHetEindpuntEnAfsluiten) {
    Doorspeling spel = HeleWandeling();
    EXPECT_EQ(spel.SpeelProgramma(), 0);
    EXPECT_EQ(ToetsenOver(), 0u);
    EXPECT_EQ(spel.gecontroleerd, spel.AantalControles());
    EXPECT_TRUE(AllesVergeten());
}

// The terminal's line mode writes for every picture of the walk the page's
// announcement as one line, without a control character, and no picture
// leaves a blind player without a word: a sentence or a text at the focus.
TEST_F(HetHeleSpelTest, DeRegelmodusZegtBijElkBeeldWatDePaginaZegt) {
    Doorspeling spel = HeleWandeling();
    std::size_t gezegd = 0; // the sentences that belong to earlier pictures
    std::string focusPagina, focusRegel;
    spel.elkBeeld = [&](const ConsoleModel& m) {
        const std::vector<std::string> zinnen(Berichten().begin() + static_cast<long>(gezegd),
                                              Berichten().end());
        gezegd = Berichten().size();
        const Melding pagina = MeldingVoorBeeld(m, zinnen, focusPagina);
        focusPagina = pagina.focus;
        const std::string regel = RegelVoorBeeld(m, zinnen, focusRegel, true);
        const std::string waar = "beeld " + std::to_string(AantalFrames()) + ": " + regel;
        EXPECT_TRUE(!zinnen.empty() || !TekstBijFocus(m).empty()) << waar << SchermDump();
        EXPECT_EQ(regel, pagina.tekst.empty() ? "" : pagina.tekst + "\n") << waar;
        EXPECT_TRUE(std::none_of(regel.begin(), regel.end() - !regel.empty(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20;
        })) << waar;
        for (const std::string& zin : zinnen) EXPECT_NE(regel.find(zin), std::string::npos) << waar;
    };
    EXPECT_EQ(spel.SpeelProgramma(), 0);
}

} // namespace
