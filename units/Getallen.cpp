// The number units: the pigeon's way home, the safe's digit verdicts and the
// nutritional value of a stock of nuts.
#include "units/Units.h"

bool Terugreis(int noord, int oost, int zuid, int west, int noordZuid, int oostWest) {
    return noord - zuid == noordZuid && west - oost == oostWest;
}

int VergelijkGetallen(int eerste, int tweede) {
    if (tweede == eerste) return 0;
    return tweede < eerste ? -1 : 1;
}

int Voedingswaarde(int hazelnoten, int beukennoten, int walnoten, int kastanjes) {
    return hazelnoten * 1 + beukennoten * 2 + walnoten * 5 + kastanjes * 3;
}

bool TestTerugreis() {
    struct Geval {
        int noord, oost, zuid, west, noordZuid, oostWest;
        bool verwacht;
    };
    static constexpr Geval gevallen[] = {
        {4, 0, 1, 0, 3, 0, true},
        {1, 8, 1, 2, 0, -6, true},
        {3, 4, 8, 5, -5, 1, true},
        {2, 2, 4, 3, -2, 3, false},
    };
    bool geslaagd = true;
    for (const Geval& g : gevallen)
        if (Terugreis(g.noord, g.oost, g.zuid, g.west, g.noordZuid, g.oostWest) != g.verwacht)
            geslaagd = false;
    return geslaagd;
}

bool TestVergelijkGetallen() {
    bool geslaagd = true;
    if (!(VergelijkGetallen(1, 1) == 0)) geslaagd = false;
    if (!(VergelijkGetallen(9, 1) < 0)) geslaagd = false;
    if (!(VergelijkGetallen(1, 9) > 0)) geslaagd = false;
    return geslaagd;
}

bool TestVoedingswaarde() {
    return Voedingswaarde(2, 3, 1, 3) == 22;
}
