// The browser backend (built with emscripten). The page in web/ draws the
// model on a canvas and hands over the key presses; this file is the bridge.
//
// WachtOpToets shows the model and then awaits a promise that the page's
// keydown handler resolves. Asyncify unwinds the game's stack meanwhile, so
// the browser stays free, and an idle page runs no script at all: no polling,
// no timers, no animation loop.
//
// Keys arrive as on the Windows console: the virtual-key code (the browser's
// keyCode uses the same numbers) and the character as code page 437, through
// the same table the other backends draw with. The page does the browser's
// side (which key, which code); see web/speelveld.js.
//
// The end of the program works as in a Windows console: the last picture
// stays, and the page shows the exit status under it.
//
// With each frame goes its announcement for screen readers (the sentences
// said for it, then the text at the focus when that changed; see
// console/Voorlezer.h): web/voorlezen.js puts it in the page's live region.
#include "console/Achterkant.h"
#include "console/Cp437.h"
#include "console/Voorlezer.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int Breedte = 80;
constexpr int Hoogte = 25;
constexpr int Cellen = Breedte * Hoogte;

// What the page draws: every cell's glyph as Unicode and its attribute.
std::array<std::uint32_t, Cellen> glyphs{};
std::array<std::uint8_t, Cellen> attributen{};

bool actief = false;
std::vector<std::string> zinnen; // the sentences for the next frame
std::string vorigeFocus;         // where and what the focus was in the last frame

// clang-format off
EM_JS(void, ToonOpPagina, (const std::uint32_t* tekens, const std::uint8_t* kleuren, int aantal), {
    Module.toonBeeld(HEAPU32.slice(tekens >> 2, (tekens >> 2) + aantal),
                     HEAPU8.slice(kleuren, kleuren + aantal));
});

EM_JS(void, LeesVoorOpPagina, (const char* tekst, int lengte), {
    if (Module.leesVoor)
        Module.leesVoor(new TextDecoder().decode(HEAPU8.subarray(tekst, tekst + lengte)));
});

// The next key press as character * 65536 + virtual-key code; the character
// is a Unicode code point below 65536, or 0.
EM_ASYNC_JS(std::uint32_t, VolgendeToetsVanPagina, (), {
    return await Module.volgendeToets();
});
// clang-format on

void Toon(const ConsoleModel& model) {
    glyphs.fill(' ');
    attributen.fill(7);
    const int breedte = std::min(model.breedte, Breedte);
    const int hoogte = std::min(model.hoogte, Hoogte);
    for (int y = 0; y < hoogte; ++y) {
        for (int x = 0; x < breedte; ++x) {
            const Cel& cel = model.cellen[static_cast<std::size_t>(y * model.breedte + x)];
            const auto plek = static_cast<std::size_t>(y * Breedte + x);
            glyphs[plek] = Cp437NaarUnicode(cel.teken);
            attributen[plek] = cel.attribuut;
        }
    }
    ToonOpPagina(glyphs.data(), attributen.data(), Cellen);
}

// The code page 437 byte of a typed character: ASCII (with Enter, Backspace
// and Esc) as it is, anything else through the table, 0 when it has none.
char TekenVan(char32_t c) {
    if (c < 128) return static_cast<char>(c);
    for (int byte = 1; byte < 256; ++byte) {
        if (Cp437NaarUnicode(static_cast<unsigned char>(byte)) == c) return static_cast<char>(byte);
    }
    return 0;
}

} // namespace

bool StartAchterkant() {
    actief = true;
    return true;
}

void StopAchterkant() {
    if (!actief) return;
    actief = false;
    Toon(Model()); // the last picture, drawn or not, stays
}

void MeldNaStop(const char*) {
    // The message stays on the last picture, as in a Windows console.
}

void Voorlezen(const std::string& zin) {
    zinnen.push_back(zin);
}

ToetsDruk WachtOpToets(const ConsoleModel& model) {
    Toon(model);
    const Melding melding = MeldingVoorBeeld(model, zinnen, vorigeFocus);
    vorigeFocus = melding.focus;
    zinnen.clear();
    LeesVoorOpPagina(melding.tekst.data(), static_cast<int>(melding.tekst.size()));
    const std::uint32_t toets = VolgendeToetsVanPagina();
    return ToetsDruk{TekenVan(toets >> 16), static_cast<std::uint16_t>(toets & 0xFFFF)};
}
