// The one source of random numbers: a linear congruential generator, seeded
// from the clock on first use.
#include "units/Units.h"

#include <ctime>

namespace {

std::uint32_t toestand = 0;
bool eersteKeer = true;

int VolgendeTrekking() {
    toestand = toestand * 214013u + 2531011u;
    return static_cast<int>((toestand >> 16) & 32767u);
}

} // namespace

int Willekeurig(int n) {
    if (eersteKeer) {
        toestand = static_cast<std::uint32_t>(std::time(nullptr));
        eersteKeer = false;
    }
    const int r = VolgendeTrekking();
    return static_cast<int>(r / 32767.0 * n);
}

void ZetWillekeurigToestand(std::uint32_t nieuw) {
    toestand = nieuw;
    eersteKeer = false;
}
