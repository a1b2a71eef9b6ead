#include "units/Units.h"

const std::vector<UnitTest> UnitTesten = {
    {"Terugreis", TestTerugreis},           {"VergelijkGetallen", TestVergelijkGetallen},
    {"Voedingswaarde", TestVoedingswaarde}, {"Alfabetisch", TestAlfabetisch},
    {"Ontcijfer", TestOntcijfer},           {"VerwijderdeKlinkers", TestVerwijderdeKlinkers},
};
