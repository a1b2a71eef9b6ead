// The Windows console backend. The model goes into the cells of the console
// window with the wide-character calls, so every code page 437 glyph shows
// right whatever code page the console uses; nothing goes through a stream.
// Keys come from the console input as raw key-down records.
//
// The player's console is given back as it was found: input mode, cursor size
// and visibility, text attribute. The last picture stays on the screen.
//
// Ways out: the normal end, and these, each after the console is restored:
//   Ctrl+C                     exit status 130
//   Ctrl+Break                 exit status 131
//   closing the console window 129
//   logging off, shutting down 143
//   the console input fails    1
//   an exception nobody caught abort (3), the console restored first
#include "console/Achterkant.h"
#include "console/Console.h"
#include "console/Cp437.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

namespace {

constexpr int Breedte = 80;
constexpr int Hoogte = 25;

constexpr int StatusCtrlC = 130;
constexpr int StatusCtrlBreak = 131;
constexpr int StatusVenster = 129;
constexpr int StatusAfmelden = 143;
constexpr int StatusInvoerWeg = 1;

// What the console looked like before the game took it over.
DWORD oudeInvoer = 0;
CONSOLE_CURSOR_INFO oudeCursor{};
WORD oudAttribuut = 7;
// The game's picture stands from this cell on: the top left of the window.
SHORT oorsprongX = 0;
SHORT oorsprongY = 0;

bool actief = false;
std::terminate_handler oudeTerminate = nullptr;
// The control handler runs on a thread of its own; this lock keeps it from
// restoring the console halfway through a frame.
CRITICAL_SECTION& Slot() {
    static CRITICAL_SECTION slot;
    static const bool klaar = (InitializeCriticalSection(&slot), true);
    (void)klaar;
    return slot;
}

// The frame last written, to write only the rows that changed.
std::vector<CHAR_INFO> vorigBeeld;

HANDLE Invoer() {
    return GetStdHandle(STD_INPUT_HANDLE);
}
HANDLE Uit() {
    return GetStdHandle(STD_OUTPUT_HANDLE);
}

bool IsConsole(HANDLE h) {
    DWORD modus = 0;
    return h != nullptr && h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &modus) != 0;
}

bool ZelfdeCel(const CHAR_INFO& a, const CHAR_INFO& b) {
    return a.Char.UnicodeChar == b.Char.UnicodeChar && a.Attributes == b.Attributes;
}

// Writes the model's top-left 80 by 25 cells, then places the cursor.
// Holds the lock.
void Toon(const ConsoleModel& model) {
    const int breedte = std::min(model.breedte, Breedte);
    const int hoogte = std::min(model.hoogte, Hoogte);
    std::vector<CHAR_INFO> beeld(static_cast<std::size_t>(breedte * hoogte));
    for (int y = 0; y < hoogte; ++y) {
        for (int x = 0; x < breedte; ++x) {
            const Cel& cel = model.cellen[static_cast<std::size_t>(y * model.breedte + x)];
            CHAR_INFO& uit = beeld[static_cast<std::size_t>(y * breedte + x)];
            uit.Char.UnicodeChar = static_cast<WCHAR>(Cp437NaarUnicode(cel.teken));
            uit.Attributes = cel.attribuut;
        }
    }

    // Only the band of rows from the first to the last that changed.
    int eerste = 0;
    int laatste = hoogte - 1;
    if (vorigBeeld.size() == beeld.size()) {
        auto rijGelijk = [&](int y) {
            const auto begin = static_cast<std::ptrdiff_t>(y * breedte);
            return std::equal(beeld.begin() + begin, beeld.begin() + begin + breedte,
                              vorigBeeld.begin() + begin, ZelfdeCel);
        };
        while (eerste <= laatste && rijGelijk(eerste)) ++eerste;
        while (laatste >= eerste && rijGelijk(laatste)) --laatste;
    }
    if (eerste <= laatste && breedte > 0) {
        SMALL_RECT gebied{oorsprongX, static_cast<SHORT>(oorsprongY + eerste),
                          static_cast<SHORT>(oorsprongX + breedte - 1),
                          static_cast<SHORT>(oorsprongY + laatste)};
        WriteConsoleOutputW(Uit(), beeld.data() + static_cast<std::ptrdiff_t>(eerste * breedte),
                            COORD{static_cast<SHORT>(breedte), static_cast<SHORT>(hoogte - eerste)},
                            COORD{0, 0}, &gebied);
    }
    vorigBeeld = std::move(beeld);

    SetConsoleCursorPosition(Uit(), COORD{static_cast<SHORT>(oorsprongX + model.cursorX),
                                          static_cast<SHORT>(oorsprongY + model.cursorY)});
    CONSOLE_CURSOR_INFO cursor = oudeCursor;
    cursor.bVisible = model.cursorZichtbaar ? TRUE : FALSE;
    SetConsoleCursorInfo(Uit(), &cursor);
}

// Gives back what was found; the picture stays. Holds the lock.
void Herstel() {
    SetConsoleMode(Invoer(), oudeInvoer);
    SetConsoleCursorInfo(Uit(), &oudeCursor);
    SetConsoleTextAttribute(Uit(), oudAttribuut);
}

// Ends the program from any thread, with the console given back first.
[[noreturn]] void Afbreken(int status) {
    EnterCriticalSection(&Slot());
    if (actief) {
        actief = false;
        Herstel();
    }
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(status));
}

BOOL WINAPI Onderbreking(DWORD soort) {
    switch (soort) {
    case CTRL_C_EVENT:
        Afbreken(StatusCtrlC);
    case CTRL_BREAK_EVENT:
        Afbreken(StatusCtrlBreak);
    case CTRL_CLOSE_EVENT:
        Afbreken(StatusVenster);
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        Afbreken(StatusAfmelden);
    default:
        return FALSE;
    }
}

// The character of a key record as the game wants it: ASCII as typed,
// anything else 0. Some consoles give Enter, Esc, Tab, Backspace and Space no
// character; they get the one they always have.
char TekenVan(const KEY_EVENT_RECORD& toets) {
    const WCHAR c = toets.uChar.UnicodeChar;
    if (c != 0) return c < 128 ? static_cast<char>(c) : char{0};
    switch (toets.wVirtualKeyCode) {
    case ToetsBackspace:
    case ToetsTab:
    case ToetsEnter:
    case ToetsEsc:
    case ToetsSpatie:
        return static_cast<char>(toets.wVirtualKeyCode);
    default:
        return 0;
    }
}

bool IsCtrlC(const KEY_EVENT_RECORD& toets) {
    const bool ctrl = (toets.dwControlKeyState & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) != 0;
    return toets.uChar.UnicodeChar == 3 || (ctrl && toets.wVirtualKeyCode == 'C');
}

[[noreturn]] void BijTerminate() {
    EnterCriticalSection(&Slot());
    if (actief) {
        actief = false;
        Herstel();
    }
    LeaveCriticalSection(&Slot());
    if (oudeTerminate) oudeTerminate();
    std::abort();
}

} // namespace

bool StartAchterkant() {
    if (actief) return true; // already ours: keep what was found the first time
    if (!IsConsole(Invoer()) || !IsConsole(Uit())) {
        std::fputs("struinpaadje: dit spel moet in een console draaien.\n", stderr);
        return false;
    }
    EnterCriticalSection(&Slot());
    GetConsoleMode(Invoer(), &oudeInvoer);
    GetConsoleCursorInfo(Uit(), &oudeCursor);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(Uit(), &info)) {
        oudAttribuut = info.wAttributes;
        oorsprongX = info.srWindow.Left;
        oorsprongY = info.srWindow.Top;
    }
    vorigBeeld.clear();
    // Raw key records: no line editing, no echo, no mouse or window records,
    // no quick-edit selection that would freeze the game. Ctrl+C then comes in
    // as a key record, which ends the game just like the control event does.
    SetConsoleMode(Invoer(), ENABLE_EXTENDED_FLAGS);
    actief = true;
    LeaveCriticalSection(&Slot());
    SetConsoleCtrlHandler(Onderbreking, TRUE);
    oudeTerminate = std::set_terminate(BijTerminate);
    return true;
}

void StopAchterkant() {
    EnterCriticalSection(&Slot());
    const bool wasActief = actief;
    if (actief) {
        actief = false;
        Toon(Model()); // the last picture, drawn or not, stays
        Herstel();
    }
    LeaveCriticalSection(&Slot());
    if (!wasActief) return;
    SetConsoleCtrlHandler(Onderbreking, FALSE);
    std::set_terminate(oudeTerminate);
}

void MeldNaStop(const char* tekst) {
    // The picture with the message stays on the console; only a redirected
    // error stream needs it as well.
    if (IsConsole(GetStdHandle(STD_ERROR_HANDLE))) return;
    std::fputs(tekst, stderr);
    std::fputs("\n", stderr);
}

ToetsDruk WachtOpToets(const ConsoleModel& model) {
    EnterCriticalSection(&Slot());
    Toon(model);
    LeaveCriticalSection(&Slot());
    for (;;) {
        INPUT_RECORD record{};
        DWORD gelezen = 0;
        // A console that is gone cannot give keys any more: stop rather than spin.
        if (!ReadConsoleInputW(Invoer(), &record, 1, &gelezen) || gelezen != 1) {
            StopAchterkant();
            MeldNaStop("struinpaadje: de invoer van de console is weg; het spel stopt.");
            std::exit(StatusInvoerWeg);
        }
        if (record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown) continue;
        const KEY_EVENT_RECORD& toets = record.Event.KeyEvent;
        if (IsCtrlC(toets)) Afbreken(StatusCtrlC);
        return ToetsDruk{TekenVan(toets), toets.wVirtualKeyCode};
    }
}

void Voorlezen(const std::string&) {} // screen readers read the console itself, at its cursor
