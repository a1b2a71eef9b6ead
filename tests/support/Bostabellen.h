// The forest tables between tests: start-up fills them once per process, so a
// test that starts the program, or needs the forest, sets them itself.
#pragma once

#include "forest/Bos.h"

// Empty, as before start-up.
inline void LeegBosTabellen() {
    KamerBeschrijvingen.clear();
    KamerSpellen.clear();
    KamerUitgangen.clear();
}

// Filled as start-up fills them.
inline void VulBosTabellen() {
    LeegBosTabellen();
    VulKamerBeschrijvingen();
    VulKamerSpellen();
    VulKamerUitgangen();
}
