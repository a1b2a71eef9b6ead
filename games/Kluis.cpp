// De Kluis: crack a five-digit combination in five tries per combination.
#include "console/Tekenen.h"
#include "games/Spellen.h"
#include "units/Units.h"

#include <array>
#include <string>

namespace {

constexpr int AantalCijfers = 5;
constexpr int AantalPogingen = 5;
// The 1-based column of each box's top-left corner; every box starts on row 13.
constexpr std::array<int, AantalCijfers> VakKolommen = {11, 25, 39, 53, 67};
constexpr int VakRij = 13;
constexpr int CijferRij = 14;
constexpr int OordeelRij = 17;

using Cijfers = std::array<int, AantalCijfers>;

const std::string KluisBediening =
    "Bediening: " + MetKomma({PijlLinks, PijlOmhoog, PijlRechts, PijlOmlaag}) +
    "           <enter> Probeer code          <esc> Spel verlaten";

void TekenKluisScherm() {
    SpelScherm("De Kluis", {{2, KluisBediening}});
    SchrijfInleiding({"Het is de bedoeling dat je een kluis openbreekt! Dit doe je door de",
                      " vijf-cijferige combinatie te raden. Je krijgt daarvoor vijf pogingen",
                      " en na elke poging krijg je van elk cijfer te zien of het goed is, of dat",
                      " het hoger of lager moet zijn."});
    SchrijfTekst("Pogingen:", 1, 9, Wit, Zwart);
}

// A new combination: the verdicts wiped, five tries, all guesses 5, cursor on
// the first digit.
void NieuweCombinatie(Cijfers& code, Cijfers& gok, int& pogingen, int& cursor) {
    GaNaar(1, OordeelRij);
    Schrijf(std::string(80, ' '));
    pogingen = AantalPogingen;
    for (int& cijfer : code) cijfer = Willekeurig(9);
    gok.fill(5);
    for (int kolom : VakKolommen) TekenCijferVak(kolom, VakRij, 0);
    cursor = 1;
}

// The previous cursor position is always one of the two neighbours, so only
// they go back to plain.
void TekenMarkering(int cursor) {
    const int links = cursor == 1 ? AantalCijfers : cursor - 1;
    const int rechts = cursor == AantalCijfers ? 1 : cursor + 1;
    TekenCijferVak(VakKolommen[links - 1], VakRij, 0);
    TekenCijferVak(VakKolommen[rechts - 1], VakRij, 0);
    TekenCijferVak(VakKolommen[cursor - 1], VakRij, 1);
}

void VerwerkToets(std::uint16_t toets, Cijfers& gok, int& cursor) {
    int& cijfer = gok[cursor - 1];
    switch (toets) {
    case ToetsOmlaag:
        cijfer = cijfer == 0 ? 9 : cijfer - 1;
        break;
    case ToetsOmhoog:
        cijfer = cijfer == 9 ? 0 : cijfer + 1;
        break;
    case ToetsRechts:
        cursor = cursor == AantalCijfers ? 1 : cursor + 1;
        break;
    case ToetsLinks:
        cursor = cursor == 1 ? AantalCijfers : cursor - 1;
        break;
    default:
        break;
    }
}

void ToonLawaai() {
    MeldingVenster("Oeps!", 36,
                   {{22, 11, "Je hebt vijf keer een onjuiste code"},
                    {22, 12, "ingevoerd. Je hoort de kluis lawaai"},
                    {22, 13, "maken."},
                    {22, 15, "De combinatie is veranderd, je moet"},
                    {22, 16, "opnieuw beginnen met raden..."}});
}

} // namespace

void TekenCijferVak(int x, int y, int modus) {
    struct Hoek {
        int dx;
        int dy;
        unsigned char teken;
    };
    static constexpr std::array<Hoek, 4> hoeken = {{{0, 0, DubbelLinksBoven},
                                                    {2, 0, DubbelRechtsBoven},
                                                    {0, 2, DubbelLinksOnder},
                                                    {2, 2, DubbelRechtsOnder}}};
    for (const Hoek& hoek : hoeken) {
        if (modus == 0) {
            GaNaar(x + hoek.dx, y + hoek.dy);
            SchrijfHerhaald(hoek.teken, 1);
        } else if (modus == 1) {
            SchrijfTeken(hoek.teken, static_cast<std::int16_t>(x + hoek.dx - 1),
                         static_cast<std::int16_t>(y + hoek.dy - 1), Geel, Zwart);
        }
    }
}

void ToonOordeel(int vergelijking) {
    if (vergelijking == 0)
        Schrijf("  Goed ! ");
    else if (vergelijking < 0)
        Schrijf(" Te Laag!");
    else
        Schrijf(" Te Hoog!");
}

bool SpeelKluis() {
    TekenKluisScherm();
    Cijfers code{};
    Cijfers gok{};
    int pogingen = 0;
    int cursor = 1;
    std::uint16_t laatsteToets = 0; // no key read yet
    NieuweCombinatie(code, gok, pogingen, cursor);
    for (;;) {
        GaNaar(12, 10);
        Uitvoer() << pogingen;
        // A key acts only once it has been read, at the start of the next pass.
        VerwerkToets(laatsteToets, gok, cursor);
        TekenMarkering(cursor);
        for (int i = 0; i < AantalCijfers; ++i) {
            GaNaar(VakKolommen[i] + 1, CijferRij);
            Uitvoer() << gok[i];
        }
        if (pogingen != AantalPogingen && laatsteToets == ToetsEnter) {
            std::string oordeel;
            for (int i = 0; i < AantalCijfers; ++i) {
                GaNaar(VakKolommen[i] - 3, OordeelRij);
                const int vergelijking = VergelijkGetallen(code[i], gok[i]);
                ToonOordeel(vergelijking);
                oordeel += std::string(i == 0 ? "" : ", ") + (vergelijking == 0  ? "goed"
                                                              : vergelijking < 0 ? "te laag"
                                                                                 : "te hoog");
            }
            Zeg("Cijfers: " + oordeel + ". Nog " + std::to_string(pogingen) +
                (pogingen == 1 ? " poging." : " pogingen."));
        } else {
            // Where the cursor stands is shown only by the yellow corners.
            Zeg("Cijfer " + std::to_string(cursor) + " van " + std::to_string(AantalCijfers) +
                ": " + std::to_string(gok[cursor - 1]));
        }
        GaNaarXY(static_cast<std::int16_t>(VakKolommen[cursor - 1]), CijferRij - 1);
        laatsteToets = LeesToetsCode();
        if (laatsteToets == ToetsEnter) {
            --pogingen;
            if (gok == code)
                return Feliciteer({{22, 11, "Je hebt de combinatie van de kluis"},
                                   {22, 12, "geraden! De kluis gaat open en je"},
                                   {22, 13, "ziet er een "},
                                   {34, 13, "diamant", Geel},
                                   {42, 13, "in liggen!"},
                                   {22, 15, "Je stopt de diamant in je rugtas,"},
                                   {22, 16, "sluit je tas en vervolgt je reis!"}});
            if (pogingen == 0) {
                ToonLawaai();
                Zeg(VerderMetToets);
                LeesToets();
                VulVlak(22, 10, 58, 18, Zwart);
            }
        }
        if (laatsteToets == ToetsEsc) return false;
        if (pogingen == 0) NieuweCombinatie(code, gok, pogingen, cursor);
    }
}
