// The word units: alphabetical order, the one-letter-back cipher and the
// text without its vowels. All comparisons are on byte values.
#include "units/Units.h"

#include <algorithm>

namespace {

// True when a comes strictly before b in byte-wise order, every byte taken as
// unsigned.
bool KomtVoor(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

} // namespace

bool Alfabetisch(WoordLijst woorden) {
    WoordLijst gesorteerd = woorden;
    std::sort(gesorteerd.begin(), gesorteerd.end(), KomtVoor);
    bool opVolgorde = true;
    for (std::size_t i = 0; i < woorden.size(); ++i)
        if (woorden.at(i) != gesorteerd.at(i)) opVolgorde = false;
    return opVolgorde;
}

std::string Ontcijfer(std::string tekst) {
    std::string uit;
    for (char c : tekst) {
        if (c == 'a')
            uit += 'z';
        else if (c > 'a' && c <= 'z')
            uit += static_cast<char>(c - 1);
        else if (c == 'A')
            uit += 'Z';
        else if (c > 'A' && c <= 'Z')
            uit += static_cast<char>(c - 1);
        else
            uit += c;
    }
    return uit;
}

bool VerwijderdeKlinkers(std::string volledig, std::string voorstel) {
    static const std::string klinkers = "aeiouAEIOU";
    std::string zonder;
    for (char c : volledig)
        if (klinkers.find(c) == std::string::npos) zonder += c;
    return zonder == voorstel;
}

bool TestAlfabetisch() {
    struct Geval {
        WoordLijst woorden;
        bool verwacht;
    };
    const Geval gevallen[] = {
        {{}, true},
        {{"alfa"}, true},
        {{"alfa", "alfa"}, true},
        {{"beta", "alfa"}, false},
        {{"alfa", "beta"}, true},
        {{"delta", "alfa", "epsilon", "gamma", "beta", "iota", "kappa", "zeta", "eta", "theta"},
         false},
        {{"alfa", "beta", "delta", "epsilon", "eta", "gamma", "iota", "kappa", "theta", "zeta"},
         true},
    };
    bool geslaagd = true;
    WoordLijst lijst;
    for (const Geval& g : gevallen) {
        lijst.clear();
        for (const std::string& w : g.woorden) lijst.push_back(w);
        if (Alfabetisch(lijst) != g.verwacht) geslaagd = false;
    }
    return geslaagd;
}

bool TestOntcijfer() {
    struct Geval {
        const char* invoer;
        const char* verwacht;
    };
    static constexpr Geval gevallen[] = {
        {"", ""},
        {"-2", "-2"},
        {"q", "p"},
        {"a", "z"},
        {"L", "K"},
        {"A", "Z"},
        {"verzamelen", "udqyzldkdm"},
        {"IBM", "HAL"},
        {"1 Filmquiz brAcht (knappe) eX-yogi 'van de wijs'",
         "1 Ehklpthy aqZbgs (jmzood) dW-xnfh 'uzm cd vhir'"},
    };
    bool geslaagd = true;
    for (const Geval& g : gevallen)
        if (Ontcijfer(g.invoer) != g.verwacht) geslaagd = false;
    return geslaagd;
}

bool TestVerwijderdeKlinkers() {
    struct Geval {
        const char* volledig;
        const char* voorstel;
        bool verwacht;
    };
    static constexpr Geval gevallen[] = {
        {"", "", true},
        {"aoeiu", "", true},
        {"smurf", "", false},
        {"", "smurf", false},
        {"+(-/)*", "*(/-)+", false},
        {"+(-/(*", "+(-/(*", true},
        {"azrael", "azrael", false},
        {"de fluit met de 7 smurfen", "d flt mt d 7 smrfn", true},
        {"de fluit met de 7 smurgen", "dfmd7smfrn", false},
    };
    bool geslaagd = true;
    for (const Geval& g : gevallen)
        if (VerwijderdeKlinkers(g.volledig, g.voorstel) != g.verwacht) geslaagd = false;
    return geslaagd;
}
