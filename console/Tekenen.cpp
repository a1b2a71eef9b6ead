#include "console/Tekenen.h"

#include <array>
#include <cctype>
#include <map>

std::string MetKomma(std::initializer_list<unsigned char> glyphs) {
    std::string tekst;
    for (unsigned char glyph : glyphs) {
        if (!tekst.empty()) tekst += ',';
        tekst += static_cast<char>(glyph);
    }
    return tekst;
}

const std::string VerderMetToets = "Druk op een toets.";

const std::string CopyrightRegel = "(c) 2026 De Struinpaadje - een puzzelspel in het bos";

void GaNaar(int x, int y) {
    GaNaarXY(static_cast<std::int16_t>(x - 1), static_cast<std::int16_t>(y - 1));
}

void VulVlak(int x1, int y1, int x2, int y2, Kleur kleur) {
    for (int c = x1; c <= x2; ++c)
        for (int r = y1; r <= y2; ++r)
            SchrijfTekst(" ", static_cast<std::int16_t>(c - 1), static_cast<std::int16_t>(r - 1),
                         Blauw, kleur);
}

void VerticaleLijn(int x, int y1, int y2, Kleur kleur) {
    for (int r = y1; r <= y2; ++r)
        SchrijfTeken(LijnVerticaal, static_cast<std::int16_t>(x + 1), static_cast<std::int16_t>(r),
                     kleur, Zwart);
}

void Schrijf(const std::string& tekst) {
    Uitvoer() << tekst;
}

void SchrijfRegel(const std::string& tekst) {
    Uitvoer() << tekst << std::endl;
}

void SchrijfOmgebroken(const std::string& tekst, int x, int y, int breedte) {
    int kolom = 1;
    int regel = 1;
    for (char c : tekst) {
        if (c == ' ' && kolom > breedte) {
            ++regel;
            kolom = 1;
        } else {
            ++kolom;
        }
        GaNaar(x + kolom, y + regel);
        Uitvoer() << c;
    }
}

void SchrijfHerhaald(unsigned char teken, int aantal) {
    for (int i = 0; i < aantal; ++i) Uitvoer() << static_cast<char>(teken);
}

namespace {

// The title bar and the rule above the footer, on a screen already cleared.
void TitelEnLijn() {
    VulVlak(1, 1, 80, 1, Blauw);
    SchrijfTekst("De Struinpaadje", 30, 0, Geel, Blauw);
    GaNaar(2, 24);
    SchrijfHerhaald(LijnHorizontaal, 78);
}

void SchrijfVoet(const std::vector<VoetDeel>& bediening) {
    for (const VoetDeel& deel : bediening) {
        GaNaar(deel.kolom, 25);
        Schrijf(deel.tekst);
    }
}

} // namespace

void SchermKader(const std::vector<VoetDeel>& bediening) {
    WisScherm();
    TitelEnLijn();
    SchrijfVoet(bediening);
}

void SchermKaderCopyright() {
    WisScherm();
    TitelEnLijn();
    GaNaar(11, 25);
    Schrijf(CopyrightRegel);
}

namespace {

// A controls footer as said: its arrow glyphs as words, each "<key>" the start
// of a sentence ("Enter: Probeer code") and a gap of blanks a full stop.
std::string BedieningZin(const std::vector<VoetDeel>& bediening) {
    std::string voet;
    for (const VoetDeel& deel : bediening) voet += deel.tekst + "  ";
    std::string zin;
    const auto punt = [&zin] {
        while (!zin.empty() && zin.back() == ' ') zin.pop_back();
        if (!zin.empty() && zin.back() != '.' && zin.back() != ':') zin += '.';
        if (!zin.empty()) zin += ' ';
    };
    for (std::size_t i = 0; i < voet.size(); ++i) {
        const auto teken = static_cast<unsigned char>(voet[i]);
        const std::size_t sluit = voet.find('>', i);
        if (teken == '<' && sluit != std::string::npos) {
            punt();
            zin += static_cast<char>(std::toupper(voet[i + 1])) +
                   voet.substr(i + 2, sluit - i - 2) + ':';
            i = sluit;
        } else if (teken == ' ' && i + 1 < voet.size() && voet[i + 1] == ' ') {
            punt();
            while (i + 1 < voet.size() && voet[i + 1] == ' ') ++i;
        } else if (teken >= PijlOmhoog && teken <= PijlLinks) {
            static constexpr std::array<const char*, 4> woorden = {"omhoog", "omlaag", "rechts",
                                                                   "links"};
            zin += woorden.at(teken - PijlOmhoog);
        } else {
            zin += static_cast<char>(teken);
            if (teken == ',') zin += ' ';
        }
    }
    while (!zin.empty() && zin.back() == ' ') zin.pop_back();
    return zin;
}

} // namespace

void SpelScherm(const std::string& naam, const std::vector<VoetDeel>& bediening) {
    WisScherm();
    VerbergCursor();
    TitelEnLijn();
    SchrijfVoet(bediening);
    SchrijfTekst(naam, 1, 2, Wit, Zwart);
    Zeg(naam);
    Zeg(BedieningZin(bediening));
}

void SchrijfInleiding(const std::vector<std::string>& regels) {
    GaNaar(2, 5);
    std::string tekst;
    for (const std::string& regel : regels) {
        SchrijfRegel(regel);
        tekst += regel;
    }
    while (!tekst.empty() && tekst.back() == ' ') tekst.pop_back();
    Zeg(tekst);
}

void TekenPaneel(const std::string& titel, int titelKolom, int x1, int y1, int x2, int y2) {
    VulVlak(x1, y1, x2, y1, Blauw);
    SchrijfTekst(titel, static_cast<std::int16_t>(titelKolom), static_cast<std::int16_t>(y1 - 1),
                 Geel, Blauw);
    VulVlak(x1, y1 + 1, x2, y2, Donkergrijs);
}

namespace {

// The panel's lines as one text, row by row, each piece at its column, so that
// pieces on one row read as the screen shows them; blank rows and runs of
// blanks become a single blank.
std::string VensterTekst(const std::vector<MeldingRegel>& regels) {
    std::map<int, std::string> rijen;
    for (const MeldingRegel& regel : regels) {
        std::string& rij = rijen[regel.rij];
        const auto kolom = static_cast<std::size_t>(regel.kolom);
        if (rij.size() < kolom + regel.tekst.size()) rij.resize(kolom + regel.tekst.size(), ' ');
        rij.replace(kolom, regel.tekst.size(), regel.tekst);
    }
    std::string tekst;
    for (const auto& [rij, inhoud] : rijen)
        for (char teken : inhoud)
            if (teken != ' ' || (!tekst.empty() && tekst.back() != ' ')) tekst += teken;
    if (!tekst.empty() && tekst.back() == ' ') tekst.pop_back();
    return tekst;
}

} // namespace

void MeldingVenster(const std::string& titel, int titelKolom,
                    const std::vector<MeldingRegel>& regels, int margeOnder) {
    if (margeOnder > 0) VulVlak(21, 9, 59, margeOnder, Zwart);
    TekenPaneel(titel, titelKolom, 22, 10, 58, 18);
    for (const MeldingRegel& regel : regels)
        SchrijfTekst(regel.tekst, static_cast<std::int16_t>(regel.kolom),
                     static_cast<std::int16_t>(regel.rij), regel.voor, Donkergrijs);
    if (!regels.empty())
        GaNaarXY(static_cast<std::int16_t>(regels.front().kolom),
                 static_cast<std::int16_t>(regels.front().rij));
    Zeg(titel);
    if (!regels.empty()) Zeg(VensterTekst(regels));
}

void MeldTotToets(const std::string& tekst, int kolom, int rij) {
    SchrijfTekst(tekst, static_cast<std::int16_t>(kolom), static_cast<std::int16_t>(rij), Geel,
                 Zwart);
    GaNaarXY(static_cast<std::int16_t>(kolom), static_cast<std::int16_t>(rij));
    Zeg(tekst);
    Zeg(VerderMetToets);
    LeesToets();
    GaNaar(kolom + 1, rij + 1);
    Schrijf(std::string(tekst.size(), ' '));
}

bool Feliciteer(const std::vector<MeldingRegel>& regels, int margeOnder) {
    // The object first: only its colour tells it from the rest of the box.
    for (const MeldingRegel& regel : regels)
        if (regel.voor == Geel) Zeg("Gewonnen: " + regel.tekst);
    MeldingVenster("Gefeliciteerd!", 32, regels, margeOnder);
    Zeg(VerderMetToets);
    LeesToets();
    return true;
}
