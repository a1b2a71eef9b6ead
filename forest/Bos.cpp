// The fixed content of the forest: what each place says, where one can go from
// it and which game it holds.
#include "forest/Bos.h"

KamerTabel KamerBeschrijvingen;
KamerTabel KamerUitgangen;
KamerTabel KamerSpellen;

namespace {

using Rijen = std::vector<std::vector<std::string>>;

// The places row by row (y = 1 to 4), each row west to east (x = 1 to 4).
const Rijen Beschrijvingen = {
    {
        "Je staat aan het begin van het bos. Het bos is gevuld met allerlei soorten bomen en "
        "planten. Langs de wandelpaden groeit mos en onder de bomen staan vele verschillende "
        "soorten paddestoelen. Dit wordt een mooie wandeling.",
        "Dat is vreemd. Midden in het bos staat een grote bankkluis. Er hangt een briefje aan: "
        "'Wie de combinatie raadt, mag de inhoud hebben.' Dat is toch zeker een poging waard. Je "
        "ziet dat er op de achterkant van het briefje nog iets staat: 'Je mag het vijf keer "
        "proberen, daarna verandert de combinatie.' Mmm.",
        "Het bospad ligt hier vol met stenen tegels en op elke tegel staat een letter. Even "
        "verderop staat een smurf aan zijn hoofd te krabben. 'Sinds we deze stenen hebben "
        "neergesmurft,' verklaart hij, 'hebben we moeite om met onze smurfwagens over dit pad te "
        "smurfen. Grote Smurf heeft mij daarom opgedragen alle klinkers te verwijderen, maar tot "
        "nu toe wil het nog niet zo smurfen.' Het wordt tijd dat je een handje smurft.",
        "Vlak naast het bospad staat een groot bord met een aantal woorden erop. Boven de woorden "
        "staat: 'Je mag pas naar binnen als alle woorden op alfabetische volgorde staan.' Je kijkt "
        "eens om je heen en ziet helemaal niets dat je binnen kunt gaan. Vreemd. Maar goed, "
        "woorden op alfabetische volgorde zetten, da's wel een klusje voor jou.",
    },
    {
        "Je staat in een hoek van het bos.",
        "De frisse boslucht geeft je een goed humeur. Je ademt diep in en loopt verder.",
        "Je loopt ergens middenin het bos.",
        "Tussen de bomen zie je een hert wegspringen. Je kijkt het dier na zo lang je kunt en "
        "daarna vervolg je je wandeling.",
    },
    {
        "Je bent in een hoek van het bos aanbeland. Dit zou een mooie plaats zijn om te "
        "picknicken, maar je besluit door te lopen.",
        "De boslucht begint hier plaats te maken voor de geur van de overwinning, maar je bent er "
        "nog niet.",
        "Je hoort gefladder boven je. Als je omhoog kijkt, zie je dat er een postduif komt "
        "aangevlogen. 'Kun je me alsjeblieft helpen?' vraagt de postduif. 'Ik ben twee dagen "
        "geleden van huis vertrokken, maar ik weet niet meer hoe ik terug moet. Ik ben nogal "
        "slecht in de weg vinden namelijk. Dit keer heb ik maatregelen genomen door op te "
        "schrijven hoe ik tot nu toe gevlogen ben, maar ik weet niet hoe ik die informatie moet "
        "gebruiken om terug te vliegen. Kun jij me de kortste weg naar huis wijzen?'",
        "Aaah, de frisse buitenlucht.",
    },
    {
        "Je bent aan het eind van het bos gekomen. Laat eens zien wat je in het bos allemaal "
        "verzameld hebt. Maar dat is niet eerlijk; je hebt nog niet alle spelletjes gewonnen. Je "
        "probeert toch niet stiekem het bos te verlaten? Ga maar gauw alle voorwerpen verzamelen.",
        "Onder een grote boom zie je een eekhoorn zitten met een grote verzameling noten naast "
        "zich. De eekhoorn kijkt nogal beteuterd, dus je biedt je hulp aan. 'Deze noten zijn voor "
        "de winter,' zegt de eekhoorn. 'Vier eekhoornfamilies hebben de noten de afgelopen tijd "
        "verzameld en ze hebben mij gevraagd de noten eerlijk te verdelen. Elk soort noot heeft "
        "een bepaalde voedingswaarde en ieder gezin met evenveel voedingswaarde krijgen, zodat we "
        "allemaal de winter door kunnen komen. Ik kom er helemaal niet uit.' Misschien moet je de "
        "eekhoorn maar een handje helpen.",
        "Het bospad is hier bijna volledig dichtgegroeid met bosjes en mos, maar je kunt nog net "
        "verder lopen.",
        "Onder een grote moerbeiboom zit een leeuw ingespannen naar een stukje papier te staren. "
        "Hij vertelt je dat het papier een brief is van zijn geliefde. Omdat hun ouders het niet "
        "goed vinden dat de leeuw en de leeuwin verkering hebben, hebben ze afgesproken dat ze hun "
        "brieven in geheimschrift opstellen. 'Maar ik ben vergeten hoe ik de brief moet "
        "ontcijferen,' zegt de leeuw. Je kunt hem vast wel helpen.",
    },
};

const Rijen Uitgangen = {
    {
        "zuid",
        "oost zuid",
        "zuid west",
        "zuid",
    },
    {
        "noord oost",
        "noord oost west",
        "noord oost zuid west",
        "noord zuid west",
    },
    {
        "oost zuid",
        "oost zuid west",
        "noord zuid west",
        "noord zuid",
    },
    {
        "noord",
        "noord oost",
        "noord oost west",
        "noord west",
    },
};

const Rijen Spellen = {
    {
        "",
        "kluis",
        "klinkers",
        "alfabet",
    },
    {
        "",
        "",
        "",
        "",
    },
    {
        "",
        "",
        "postduif",
        "",
    },
    {
        "",
        "eekhoorn",
        "",
        "geheimschrift",
    },
};

void Vul(KamerTabel& tabel, const Rijen& rijen) {
    for (const auto& rij : rijen) {
        std::vector<std::string> kamers;
        for (const std::string& kamer : rij) kamers.push_back(kamer);
        tabel.push_back(kamers);
    }
}

} // namespace

void VulKamerBeschrijvingen() {
    Vul(KamerBeschrijvingen, Beschrijvingen);
}

void VulKamerSpellen() {
    Vul(KamerSpellen, Spellen);
}

void VulKamerUitgangen() {
    Vul(KamerUitgangen, Uitgangen);
}

bool UitgangOpen(int x, int y, const std::string& richting) {
    const std::string uitgangen =
        KamerUitgangen.at(static_cast<std::size_t>(y - 1)).at(static_cast<std::size_t>(x - 1));
    return uitgangen.find(richting) != std::string::npos;
}
