// Fuzz target of the key decoder: any bytes a terminal (or a cat on the
// keyboard) sends must decode without a fault, and into the same key presses
// however the reads happened to cut them.
//
// Input layout: the first byte says into how many pieces the rest is cut, the
// following bytes say where; the remainder is what the terminal sent.
#include "console/terminal/Toetsdecoder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fout(const char* wat, const std::string& invoer) {
    std::fprintf(stderr, "%s; invoer (%zu bytes):", wat, invoer.size());
    for (unsigned char c : invoer) std::fprintf(stderr, " %02x", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

// Decoding as the terminal backend does it: bytes as they came, then a
// silence that settles what is left.
std::vector<ToetsDruk> InStukken(const std::string& bytes, const std::vector<std::size_t>& sneden) {
    std::vector<ToetsDruk> toetsen;
    std::string buffer;
    std::size_t van = 0;
    for (std::size_t snede : sneden) {
        buffer.append(bytes, van, snede - van);
        van = snede;
        for (const ToetsDruk& t : DecodeerToetsen(buffer, false)) toetsen.push_back(t);
        // What waits is at most one unfinished sequence, never a backlog.
        if (buffer.size() > MaxSequentieLengte) Fout("de buffer groeide", bytes);
    }
    buffer.append(bytes, van, std::string::npos);
    for (const ToetsDruk& t : DecodeerToetsen(buffer, false)) toetsen.push_back(t);
    for (const ToetsDruk& t : DecodeerToetsen(buffer, true)) toetsen.push_back(t);
    if (!buffer.empty()) Fout("na de stilte bleven bytes over", bytes);
    // Silence with nothing waiting gives nothing.
    if (!DecodeerToetsen(buffer, true).empty()) Fout("een lege buffer gaf toetsen", bytes);
    return toetsen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t aantalSneden = std::min<std::size_t>(data[0] % 8, size - 1);
    const std::uint8_t* plekken = data + 1;
    const std::string bytes(reinterpret_cast<const char*>(data + 1 + aantalSneden),
                            size - 1 - aantalSneden);

    std::vector<std::size_t> sneden;
    for (std::size_t i = 0; i < aantalSneden; ++i)
        sneden.push_back(bytes.empty() ? 0 : plekken[i] % (bytes.size() + 1));
    std::sort(sneden.begin(), sneden.end());

    const std::vector<ToetsDruk> inEenKeer = InStukken(bytes, {});
    // Every byte cut into its own read: the slowest terminal.
    std::vector<std::size_t> perByte;
    for (std::size_t i = 1; i < bytes.size(); ++i) perByte.push_back(i);
    if (InStukken(bytes, sneden) != inEenKeer) Fout("andere toetsen bij andere sneden", bytes);
    if (bytes.size() <= 64 && InStukken(bytes, perByte) != inEenKeer)
        Fout("andere toetsen bij losse bytes", bytes);

    // One key press takes at least one byte.
    if (inEenKeer.size() > bytes.size()) Fout("meer toetsen dan bytes", bytes);
    return 0;
}
