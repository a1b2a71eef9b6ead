#include "app/Start.h"

#ifdef __EMSCRIPTEN__
// The page starts main without arguments: the browser has no options, and
// leaving their text out keeps the download small.
int main() {
    return Programma();
}
#else
#include "app/Opdrachtregel.h"

#include <iostream>

int main(int argc, char** argv) {
    if (const auto status =
            LeesOpties({argv + 1, static_cast<std::size_t>(argc - 1)}, std::cout, std::cerr))
        return *status;
    return Programma();
}
#endif
