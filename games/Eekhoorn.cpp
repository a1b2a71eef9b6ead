// De Eekhoorn: share a stock of nuts fairly, by nutritional value, over four
// squirrel families.
#include "console/Tekenen.h"
#include "games/Spellen.h"
#include "units/Units.h"

#include <array>
#include <iomanip>
#include <string>

namespace {

constexpr int AantalSoorten = 4;  // hazelnuts, beechnuts, walnuts, chestnuts
constexpr int AantalFamilies = 4; // Knabbel, Babbel, Chip, Munk
constexpr int AantalKeuzes = AantalSoorten * AantalFamilies;
constexpr std::array<int, AantalSoorten> Gewichten = {1, 2, 5, 3};

using Noten = std::array<int, AantalSoorten>;

// Where a family's block stands, as 1-based `GaNaar` positions: its value, and
// the first of its four count fields. A count field is written as " nn "; the
// selection marks go into its two blanks.
struct FamilieVak {
    int waardeKolom;
    int waardeRij;
    int aantalKolom;
    int aantalRij;
};
constexpr std::array<FamilieVak, AantalFamilies> FamilieVakken = {{
    {50, 9, 49, 11},  // Knabbel
    {73, 9, 72, 11},  // Babbel
    {50, 16, 49, 18}, // Chip
    {73, 16, 72, 18}, // Munk
}};

constexpr std::array<const char*, AantalFamilies> FamilieNamen = {"Knabbel", "Babbel", "Chip",
                                                                  "Munk"};
constexpr std::array<const char*, AantalSoorten> NotenNamen = {
    "Hazelnoten:", "Beukennoten:", "Walnoten:", "Kastanjes:"};

const std::string EekhoornBediening =
    "Noten selecteren: " + MetKomma({PijlLinks, PijlOmhoog, PijlRechts, PijlOmlaag}) +
    "  Voorraad verhogen/verlagen: +,- <esc> Spel verlaten";

void SchrijfGetal(int kolom, int rij, int getal) {
    GaNaar(kolom, rij);
    Uitvoer() << std::setw(2) << getal;
}

// A value can reach three digits; the blank behind it wipes the third digit
// once the value has gone below 100.
void SchrijfWaarde(int kolom, int rij, int waarde) {
    SchrijfGetal(kolom, rij, waarde);
    Schrijf(" ");
}

void TekenVasteDelen() {
    SpelScherm("De Eekhoorn", {{2, EekhoornBediening}});
    SchrijfInleiding({"Het is de bedoeling dat je een willekeurig aantal noten eerlijk verdeelt",
                      " over de vier eekhoorn-families."});

    SchrijfTekst("Algemene Voorraad", 1, 8, Wit, Zwart);
    GaNaar(2, 10);
    SchrijfHerhaald(LijnHorizontaal, 22);
    SchrijfNotenNamen(2, 11);
    SchrijfTekst("Voedingswaarde", 1, 15, Wit, Zwart);
    GaNaar(2, 17);
    SchrijfHerhaald(LijnHorizontaal, 22);
    SchrijfNotenNamen(2, 18);
    VerticaleLijn(27, 8, 20, Lichtgrijs);

    SchrijfTekst("Fam. Knabbel", 34, 8, Wit, Zwart);
    SchrijfTekst("Fam. Babbel", 57, 8, Wit, Zwart);
    SchrijfTekst("Fam. Chip", 34, 15, Wit, Zwart);
    SchrijfTekst("Fam. Munk", 57, 15, Wit, Zwart);
    for (const auto& [kolom, rij] : {std::pair{35, 10}, {58, 10}, {35, 17}, {58, 17}}) {
        GaNaar(kolom, rij);
        SchrijfHerhaald(LijnHorizontaal, 18);
    }
    SchrijfNotenNamen(35, 11);
    SchrijfNotenNamen(35, 18);
    SchrijfNotenNamen(58, 11);
    SchrijfNotenNamen(58, 18);
}

void TekenGetallen(const Noten& voorraad, int voorraadWaarde,
                   const std::array<Noten, AantalFamilies>& families,
                   const std::array<int, AantalFamilies>& waarden) {
    SchrijfWaarde(22, 9, voorraadWaarde);
    for (int soort = 0; soort < AantalSoorten; ++soort)
        SchrijfGetal(22, 11 + soort, voorraad[soort]);
    for (int familie = 0; familie < AantalFamilies; ++familie) {
        const FamilieVak& vak = FamilieVakken[familie];
        SchrijfWaarde(vak.waardeKolom, vak.waardeRij, waarden[familie]);
        // The blanks on both sides wipe the selection marks of the previous pass.
        for (int soort = 0; soort < AantalSoorten; ++soort) {
            GaNaar(vak.aantalKolom, vak.aantalRij + soort);
            Uitvoer() << ' ' << std::setw(2) << families[familie][soort] << ' ';
        }
    }
}

// A nut's name as said: "hazelnoten".
std::string Noot(int soort) {
    std::string naam = NotenNamen[soort];
    naam.pop_back();
    naam[0] = static_cast<char>(naam[0] - 'A' + 'a');
    return naam;
}

// The marks around the selected count; the focus on the left mark, where the
// text is this count alone (the counts below start with a blank).
void TekenSelectie(int selectie) {
    const int familie = (selectie - 1) / AantalSoorten;
    const FamilieVak& vak = FamilieVakken[familie];
    const int soort = (selectie - 1) % AantalSoorten;
    const auto rij = static_cast<std::int16_t>(vak.aantalRij - 1 + soort);
    SchrijfTekst("[", static_cast<std::int16_t>(vak.aantalKolom - 1), rij, Geel, Zwart);
    SchrijfTekst("]", static_cast<std::int16_t>(vak.aantalKolom + 2), rij, Geel, Zwart);
    GaNaarXY(static_cast<std::int16_t>(vak.aantalKolom - 1), rij);
}

// The selection's family, nut and count, and the stock of that nut: the
// screen shows them only by where they stand. "Knabbel, hazelnoten: 3, nog 2
// in voorraad".
std::string SelectieZin(int selectie, const Noten& voorraad,
                        const std::array<Noten, AantalFamilies>& families) {
    const int familie = (selectie - 1) / AantalSoorten;
    const int soort = (selectie - 1) % AantalSoorten;
    return std::string(FamilieNamen[familie]) + ", " + Noot(soort) + ": " +
           std::to_string(families[familie][soort]) + ", nog " + std::to_string(voorraad[soort]) +
           " in voorraad";
}

// Moves the selection (1 to AantalKeuzes) by `stap`, wrapping at both ends.
int Stap(int selectie, int stap) {
    return (selectie - 1 + stap + AantalKeuzes) % AantalKeuzes + 1;
}

} // namespace

void SchrijfNotenNamen(int x, int y) {
    for (int soort = 0; soort < AantalSoorten; ++soort) {
        GaNaar(x, y + soort);
        Schrijf(NotenNamen[soort]);
    }
}

bool SpeelEekhoorn() {
    TekenVasteDelen();

    const int w = Willekeurig(2) + 1;
    const int h = Willekeurig(3);
    const int b = Willekeurig(3);
    const int k = Willekeurig(3);
    Noten voorraad = {5 * w + 4 * h + 2 * b + 3 * k, 2 * w + 3 * b + 3 * k, w, 2 * w + k};
    for (int soort = 0; soort < AantalSoorten; ++soort) {
        GaNaar(23, 18 + soort);
        Uitvoer() << Gewichten[soort];
    }
    int selectie = 1;
    std::array<Noten, AantalFamilies> families{};
    std::array<int, AantalFamilies> waarden{};
    bool gewonnen = false;
    int voorraadWaarde = 4 * (5 * w + h + 2 * b + 3 * k);

    std::string gewichten;
    for (int soort = 0; soort < AantalSoorten; ++soort)
        gewichten +=
            (soort == 0 ? "" : ", ") + Noot(soort) + " " + std::to_string(Gewichten[soort]);
    std::string zegNa = "Voedingswaarde per noot: " + gewichten;

    for (;;) {
        TekenGetallen(voorraad, voorraadWaarde, families, waarden);
        TekenSelectie(selectie);
        Zeg(SelectieZin(selectie, voorraad, families));
        if (!zegNa.empty()) Zeg(zegNa);
        zegNa.clear();
        const std::uint16_t toets = LeesToetsCode();
        const int familie = (selectie - 1) / AantalSoorten;
        const int soort = (selectie - 1) % AantalSoorten;
        const int waardeVoor = waarden[familie];
        // Right and left go to the same nut of the next or previous family (in the
        // order Knabbel, Babbel, Chip, Munk), up and down to the next or previous
        // nut; both wrap at the ends of the selections.
        if (toets == ToetsRechts) selectie = Stap(selectie, AantalSoorten);
        if (toets == ToetsLinks) selectie = Stap(selectie, -AantalSoorten);
        if (toets == ToetsOmlaag) selectie = Stap(selectie, 1);
        if (toets == ToetsOmhoog) selectie = Stap(selectie, -1);
        if (toets == ToetsPlusNum && voorraad[soort] > 0) {
            --voorraad[soort];
            voorraadWaarde -= Gewichten[soort];
            ++families[familie][soort];
            waarden[familie] += Gewichten[soort];
        }
        if (toets == ToetsMinNum && families[familie][soort] > 0) {
            --families[familie][soort];
            waarden[familie] -= Gewichten[soort];
            ++voorraad[soort];
            voorraadWaarde += Gewichten[soort];
        }
        // After a move of nuts, the values it changed.
        if ((toets == ToetsPlusNum || toets == ToetsMinNum) && waarden[familie] != waardeVoor)
            zegNa = "Voedingswaarde " + std::string(FamilieNamen[familie]) + ": " +
                    std::to_string(waarden[familie]) +
                    ", voorraad: " + std::to_string(voorraadWaarde);
        // Fairness is judged after every key, whatever the key.
        if (waarden[0] != 0 && waarden[1] == waarden[0] && waarden[2] == waarden[0] &&
            waarden[3] == waarden[0] && voorraadWaarde == 0)
            gewonnen = true;
        if (toets == ToetsEsc || gewonnen) break;
    }
    if (!gewonnen) return false;

    // The winning move is not drawn: the box comes straight over the last counts.
    return Feliciteer({{22, 11, "Je hebt de voorraden eerlijk"},
                       {22, 12, "verdeeld onder de families! Als"},
                       {22, 13, "dank krijg je van de eekhoorn een"},
                       {22, 14, "hazelnoot", Geel},
                       {31, 14, " uit zijn voorraad!"},
                       {22, 16, "Nu kunnen we weer verder reizen!"}},
                      19);
}
