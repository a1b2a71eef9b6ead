// Shows every key press exactly as the console backend hands it to the game,
// so that a driver on the same console can read it back:
//   row 0: "Toetsprobe"
//   row 1: "<number>: <code> <character>" of the last press, numbered from 1
// The cursor is hidden while it runs. 'q' ends it with status 0.
#include "console/Achterkant.h"
#include "console/Console.h"

#include <string>

int main() {
    if (!StartAchterkant()) return 2;
    WisScherm();
    VerbergCursor();
    SchrijfTekst("Toetsprobe", 0, 0, 15, 1);
    for (int nummer = 1;; ++nummer) {
        const ToetsDruk toets = WachtOpToets(Model());
        if (toets.teken == 'q') break;
        const std::string regel = std::to_string(nummer) + ": " + std::to_string(toets.code) + " " +
                                  std::to_string(static_cast<unsigned char>(toets.teken));
        SchrijfTekst(regel + std::string(40 - regel.size(), ' '), 0, 1, 7, 0);
    }
    StopAchterkant();
    return 0;
}
