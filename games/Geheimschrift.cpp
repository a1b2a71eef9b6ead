// The cipher game: a letter whose letters were all moved one place on in the
// alphabet, to be typed back in plain text under it. The letter is kept only
// enciphered; the plain text is worked out when the player asks for a check.
#include "console/Tekenen.h"
#include "games/Spellen.h"
#include "units/Units.h"

#include <array>
#include <map>

namespace {

// The letter as shown, on three lines; the second and third begin with a blank.
const std::array<std::string, 3> BerichtRegels = {
    "Njko mjfgtuf. Wbefs iffgu ffo nfutfmbbs hfwsbbhe pn ifu hbu jo ef nvvs",
    " uf ejdiufo. Jo ifu wfswpmh avmmfo xf fmlbbs evt folfm oph lvoofo pounpfufo",
    " cjk Ojovt. Kf hfmjfgef mffvxjo. Q.T.: Ifc kjk njko tmvjfs fshfot hfajfo?"};

// The same letter as one text: the three lines joined.
const std::string Bericht = BerichtRegels[0] + BerichtRegels[1] + BerichtRegels[2];

// The answer runs over three lines of 71, 75 and 77 characters (0-based rows 13
// to 15, from column 1), so that every typed character stands under the one it
// deciphers; the blank that starts the next shown line ends the answer line.
constexpr int AantalRegels = 3;
constexpr std::array<int, AantalRegels> AntwoordBreedte = {71, 75, 77};

// The width of answer line `regel` (1 to 3).
int Breedte(int regel) {
    return AntwoordBreedte.at(static_cast<std::size_t>(regel - 1));
}

// The 0-based row of answer line `regel`.
int AntwoordRij(int regel) {
    return 12 + regel;
}

// How many characters of the answer come before column `kolom` of line `regel`.
std::size_t TekensVoor(int regel, int kolom) {
    int aantal = kolom - 1;
    for (int eerder = 1; eerder < regel; ++eerder) aantal += Breedte(eerder);
    return static_cast<std::size_t>(aantal);
}

// Takes the last typed character away, if there is one, and blanks its cell.
void WisTeken(std::string& antwoord, int& regel, int& kolom) {
    if (kolom > 1) {
        --kolom;
    } else if (regel > 1) {
        --regel;
        kolom = Breedte(regel);
    }
    GaNaar(kolom + 1, AntwoordRij(regel) + 1);
    Schrijf(" ");
    antwoord.resize(TekensVoor(regel, kolom));
}

// Types one character at the typing position, unless the answer is full.
void TypTeken(char teken, std::string& antwoord, int& regel, int& kolom) {
    if (regel == AantalRegels && kolom > Breedte(regel)) return;
    SchrijfTeken(static_cast<unsigned char>(teken), static_cast<std::int16_t>(kolom),
                 static_cast<std::int16_t>(AntwoordRij(regel)), Geel, Zwart);
    ++kolom;
    antwoord += teken;
    if (regel < AantalRegels && kolom > Breedte(regel)) {
        ++regel;
        kolom = 1;
    }
}

// A typed character as said: a blank, a capital and the letter's punctuation
// by name, "hoofdletter N".
std::string TekenZin(char teken) {
    static const std::map<char, std::string> namen = {
        {' ', "spatie"},     {'.', "punt"},         {',', "komma"},    {':', "dubbele punt"},
        {'?', "vraagteken"}, {'!', "uitroepteken"}, {'\'', "apostrof"}};
    if (const auto naam = namen.find(teken); naam != namen.end()) return naam->second;
    if (teken >= 'A' && teken <= 'Z') return "hoofdletter " + std::string(1, teken);
    return std::string(1, teken);
}

} // namespace

bool SpeelGeheimschrift() {
    SpelScherm("Het geheimschrift",
               {{2, "<enter> Probeer oplossing"}, {61, "<esc> Spel verlaten"}});
    SchrijfInleiding({"De letters van het bericht zijn vervangen. Kun jij het bericht ontcijferen",
                      " zodat je het oorspronkelijke bericht krijgt?"});
    SchrijfTekst("Het versleutelde bericht:", 1, 7, Wit, Zwart);
    GaNaar(2, 9);
    for (const std::string& regel : BerichtRegels) SchrijfRegel(regel);
    SchrijfTekst("Het ontcijferde bericht:", 1, 12, Wit, Zwart);

    std::string antwoord;
    int regel = 1;
    int kolom = 1;
    bool gewonnen = false;
    while (!gewonnen) {
        GaNaarXY(static_cast<std::int16_t>(kolom), static_cast<std::int16_t>(AntwoordRij(regel)));
        // The enciphered character above the typing position, which only the
        // layout pairs with it.
        if (antwoord.size() < Bericht.size())
            Zeg("Versleuteld: " + TekenZin(Bericht[antwoord.size()]));
        // Characters 128 and up come as negative values and are never typed.
        const signed char teken = LeesToets();
        // What the key typed or took away, and a new answer line, which the
        // screen shows only by where the next character goes.
        const std::size_t lengte = antwoord.size();
        const int regelVoor = regel;
        if (teken == ToetsBackspace) {
            const std::string weg = antwoord.empty() ? "" : TekenZin(antwoord.back());
            WisTeken(antwoord, regel, kolom);
            Zeg(weg.empty() ? "Het antwoord is leeg" : weg + " gewist");
        }
        if (teken >= 32 && teken <= 126) {
            TypTeken(teken, antwoord, regel, kolom);
            Zeg(antwoord.size() > lengte ? TekenZin(teken) : "Het antwoord is vol");
        }
        if (regel != regelVoor) Zeg("Regel " + std::to_string(regel));
        if (teken == ToetsEnter) {
            gewonnen = Ontcijfer(Bericht) == antwoord;
            if (!gewonnen) MeldTotToets("Nee, dat klopt niet...", 27, 21);
        }
        if (teken == ToetsEsc) return false;
    }

    return Feliciteer({{22, 11, "Je hebt de brief van de leeuw"},
                       {22, 12, "ontcijfert. De leeuw plukt een"},
                       {22, 13, "moerbei", Geel},
                       {30, 13, "uit de boom en geeft hem"},
                       {22, 14, "aan jou als dank voor je moeite!"},
                       {22, 16, "Kom op! We gaan weer verder!"}},
                      18);
}
