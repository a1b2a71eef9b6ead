#include "app/Opdrachtregel.h"
#include "app/Start.h"

#include <iostream>

int main(int argc, char** argv) {
    // The browser starts main without arguments.
    if (argc > 1) {
        if (const auto status =
                LeesOpties({argv + 1, static_cast<std::size_t>(argc - 1)}, std::cout, std::cerr))
            return *status;
    }
    return Programma();
}
