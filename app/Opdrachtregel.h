// The program's command-line options, GNU style: --zonder-numeriek,
// --regelmodus, --help and --version.
#pragma once

#include <optional>
#include <ostream>
#include <span>

// Applies the options in `argumenten` (without the program name). Returns the
// exit status when the program should stop right away: 0 after --help or
// --version (their text on `uit`; 1 and one line on `fout` when that write
// failed), 2 after an unknown option (one line on `fout`). Nothing when the
// game should start.
std::optional<int> LeesOpties(std::span<char* const> argumenten, std::ostream& uit,
                              std::ostream& fout);
