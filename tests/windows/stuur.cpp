// Drives a console program from the same console: starts it, types exact key
// records into the console input (WriteConsoleInputW) and reads the cells back
// (ReadConsoleOutputCharacterW, ReadConsoleOutputAttribute).
//
//   stuur.exe SCRIPT LOG PROGRAM
//
// SCRIPT holds one command a line ('#' starts a comment):
//   start                      blank the screen, start PROGRAM on this console
//   tekst X Y "text"           wait until the cells from (X, Y) read the text
//   teken X Y CODE             wait until cell (X, Y) holds this Unicode character
//   kleur X Y N ATTR           wait until N cells from (X, Y) have attribute ATTR (0x1e)
//   toets CODE [t=CHAR] [shift] [ctrl] [xN]
//                              a key-down and its key-up, N times
//   ruis                       records that are no key press: a lone key-up, a
//                              mouse move, a focus change, a buffer size change
//   cursor zichtbaar|verborgen wait until the cursor is shown or hidden
//   einde STATUS               wait until the program ends with this exit status
//   hersteld                   the console is as it was before start: input
//                              mode, cursor size and visibility, text attribute
//   wachtbestand PAD           wait until the file exists (for a look from outside)
//   meld TEXT                  a line in the log
// Waits give up after 30 seconds. On the first failing command the log gets
// the screen, the program is ended and stuur exits with 1; otherwise 0.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD WachtTijdMs = 30000;
constexpr DWORD StapMs = 20;

std::FILE* logboek = nullptr;
PROCESS_INFORMATION programma{};
bool gestart = false;

DWORD oudeModus = 0;
CONSOLE_CURSOR_INFO oudeCursor{};
WORD oudAttribuut = 0;

HANDLE In() {
    return GetStdHandle(STD_INPUT_HANDLE);
}
HANDLE Uit() {
    return GetStdHandle(STD_OUTPUT_HANDLE);
}

void Log(const std::string& regel) {
    std::fprintf(logboek, "%s\n", regel.c_str());
    std::fflush(logboek);
}

std::string Rij(int y) {
    std::wstring w(80, L' ');
    DWORD n = 0;
    ReadConsoleOutputCharacterW(Uit(), w.data(), 80, COORD{0, static_cast<SHORT>(y)}, &n);
    std::string s;
    for (wchar_t c : w) s += (c >= 32 && c < 127) ? static_cast<char>(c) : '.';
    return s;
}

std::string Hex(unsigned waarde) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%02x", waarde);
    return buf;
}

[[noreturn]] void Mislukt(const std::string& waarom) {
    Log("MISLUKT: " + waarom);
    Log("scherm:");
    for (int y = 0; y < 25; ++y) Log("  |" + Rij(y) + "|");
    if (gestart) TerminateProcess(programma.hProcess, 99);
    std::fclose(logboek);
    ExitProcess(1);
}

// Polls until the check holds or the time is up; the last look explains a failure.
template <class Kijk> bool Wacht(Kijk kijk) {
    for (DWORD t = 0; t < WachtTijdMs; t += StapMs) {
        if (kijk()) return true;
        Sleep(StapMs);
    }
    return kijk();
}

std::wstring LeesCellen(int x, int y, std::size_t n) {
    std::wstring w(n, L'\0');
    DWORD gelezen = 0;
    ReadConsoleOutputCharacterW(Uit(), w.data(), static_cast<DWORD>(n),
                                COORD{static_cast<SHORT>(x), static_cast<SHORT>(y)}, &gelezen);
    w.resize(gelezen);
    return w;
}

std::vector<WORD> LeesAttributen(int x, int y, std::size_t n) {
    std::vector<WORD> a(n, 0);
    DWORD gelezen = 0;
    ReadConsoleOutputAttribute(Uit(), a.data(), static_cast<DWORD>(n),
                               COORD{static_cast<SHORT>(x), static_cast<SHORT>(y)}, &gelezen);
    a.resize(gelezen);
    return a;
}

void Schrijf(const INPUT_RECORD& r) {
    DWORD n = 0;
    if (!WriteConsoleInputW(In(), &r, 1, &n) || n != 1) Mislukt("WriteConsoleInputW weigert");
}

INPUT_RECORD Toets(WORD code, wchar_t teken, DWORD toestand, bool neer) {
    INPUT_RECORD r{};
    r.EventType = KEY_EVENT;
    r.Event.KeyEvent.bKeyDown = neer ? TRUE : FALSE;
    r.Event.KeyEvent.wRepeatCount = 1;
    r.Event.KeyEvent.wVirtualKeyCode = code;
    r.Event.KeyEvent.uChar.UnicodeChar = teken;
    r.Event.KeyEvent.dwControlKeyState = toestand;
    return r;
}

void Start(const std::wstring& opdracht) {
    // A state of the console that the program has to give back exactly.
    CONSOLE_CURSOR_INFO cursor{42, TRUE};
    SetConsoleCursorInfo(Uit(), &cursor);
    SetConsoleTextAttribute(Uit(), 0x0a);
    GetConsoleMode(In(), &oudeModus);
    GetConsoleCursorInfo(Uit(), &oudeCursor);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(Uit(), &info);
    oudAttribuut = info.wAttributes;
    FlushConsoleInputBuffer(In());
    // A blank screen, so that no check can match what an earlier run left.
    GetConsoleScreenBufferInfo(Uit(), &info);
    DWORD n = 0;
    FillConsoleOutputCharacterW(
        Uit(), L' ', static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y),
        COORD{0, 0}, &n);

    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring regel = opdracht;
    if (!CreateProcessW(nullptr, regel.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &programma))
        Mislukt("het programma start niet");
    gestart = true;
}

std::string Woord(std::istringstream& in) {
    std::string w;
    in >> w;
    return w;
}

int Getal(const std::string& s) {
    return static_cast<int>(std::stol(s, nullptr, 0));
}

void Voer(const std::string& regel, const std::wstring& opdracht) {
    std::istringstream in(regel);
    const std::string bevel = Woord(in);
    if (bevel.empty() || bevel[0] == '#') return;
    if (bevel != "meld") Log("> " + regel);

    if (bevel == "start") {
        Start(opdracht);
    } else if (bevel == "tekst") {
        const int x = Getal(Woord(in));
        const int y = Getal(Woord(in));
        std::string rest;
        std::getline(in, rest);
        const auto open = rest.find('"');
        const auto dicht = rest.rfind('"');
        if (open == std::string::npos || dicht == open) Mislukt("tekst zonder aanhalingstekens");
        const std::string tekst = rest.substr(open + 1, dicht - open - 1);
        const std::wstring verwacht(tekst.begin(), tekst.end());
        if (!Wacht([&] { return LeesCellen(x, y, verwacht.size()) == verwacht; })) Mislukt(regel);
    } else if (bevel == "teken") {
        const int x = Getal(Woord(in));
        const int y = Getal(Woord(in));
        const std::wstring verwacht(1, static_cast<wchar_t>(Getal(Woord(in))));
        std::wstring gezien;
        if (!Wacht([&] { return (gezien = LeesCellen(x, y, 1)) == verwacht; }))
            Mislukt(regel + " (gezien: " + (gezien.empty() ? "niets" : Hex(gezien[0])) + ")");
    } else if (bevel == "kleur") {
        const int x = Getal(Woord(in));
        const int y = Getal(Woord(in));
        const auto n = static_cast<std::size_t>(Getal(Woord(in)));
        const auto attribuut = static_cast<WORD>(Getal(Woord(in)));
        std::vector<WORD> gezien;
        if (!Wacht([&] {
                gezien = LeesAttributen(x, y, n);
                if (gezien.size() != n) return false;
                for (WORD a : gezien)
                    if ((a & 0xff) != attribuut) return false;
                return true;
            })) {
            std::string lijst;
            for (WORD a : gezien) lijst += " " + Hex(a & 0xff);
            Mislukt(regel + " (gezien:" + lijst + ")");
        }
    } else if (bevel == "toets") {
        const auto code = static_cast<WORD>(Getal(Woord(in)));
        wchar_t teken = (code == 8 || code == 13 || code == 27 || code == 32) ? code : 0;
        DWORD toestand = 0;
        int keer = 1;
        for (std::string w = Woord(in); !w.empty(); w = Woord(in)) {
            if (w.rfind("t=", 0) == 0)
                teken = static_cast<wchar_t>(Getal(w.substr(2)));
            else if (w == "shift")
                toestand |= SHIFT_PRESSED;
            else if (w == "ctrl")
                toestand |= LEFT_CTRL_PRESSED;
            else if (w[0] == 'x')
                keer = Getal(w.substr(1));
            else
                Mislukt("onbekend deel van toets: " + w);
        }
        for (int i = 0; i < keer; ++i) {
            Schrijf(Toets(code, teken, toestand, true));
            Schrijf(Toets(code, teken, toestand, false));
        }
    } else if (bevel == "ruis") {
        Schrijf(Toets('A', L'a', 0, false));
        INPUT_RECORD r{};
        r.EventType = MOUSE_EVENT;
        r.Event.MouseEvent.dwMousePosition = COORD{10, 10};
        r.Event.MouseEvent.dwEventFlags = MOUSE_MOVED;
        Schrijf(r);
        r = INPUT_RECORD{};
        r.EventType = FOCUS_EVENT;
        r.Event.FocusEvent.bSetFocus = TRUE;
        Schrijf(r);
        r = INPUT_RECORD{};
        r.EventType = WINDOW_BUFFER_SIZE_EVENT;
        r.Event.WindowBufferSizeEvent.dwSize = COORD{80, 25};
        Schrijf(r);
    } else if (bevel == "cursor") {
        const bool zichtbaar = Woord(in) == "zichtbaar";
        if (!Wacht([&] {
                CONSOLE_CURSOR_INFO c{};
                GetConsoleCursorInfo(Uit(), &c);
                return (c.bVisible != 0) == zichtbaar;
            }))
            Mislukt(regel);
    } else if (bevel == "einde") {
        if (!gestart) Mislukt("einde zonder start");
        const auto verwacht = static_cast<DWORD>(Getal(Woord(in)));
        if (WaitForSingleObject(programma.hProcess, WachtTijdMs) != WAIT_OBJECT_0)
            Mislukt(regel + " (het programma loopt nog)");
        DWORD status = 0;
        GetExitCodeProcess(programma.hProcess, &status);
        CloseHandle(programma.hProcess);
        CloseHandle(programma.hThread);
        gestart = false;
        if (status != verwacht) Mislukt(regel + " (status " + std::to_string(status) + ")");
    } else if (bevel == "hersteld") {
        DWORD modus = 0;
        GetConsoleMode(In(), &modus);
        CONSOLE_CURSOR_INFO cursor{};
        GetConsoleCursorInfo(Uit(), &cursor);
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(Uit(), &info);
        if (modus != oudeModus)
            Mislukt("invoermodus " + Hex(modus) + " in plaats van " + Hex(oudeModus));
        if (cursor.dwSize != oudeCursor.dwSize || cursor.bVisible != oudeCursor.bVisible)
            Mislukt("cursor " + std::to_string(cursor.dwSize) + "/" +
                    std::to_string(cursor.bVisible) + " in plaats van " +
                    std::to_string(oudeCursor.dwSize) + "/" + std::to_string(oudeCursor.bVisible));
        if (info.wAttributes != oudAttribuut)
            Mislukt("tekstkleur " + Hex(info.wAttributes) + " in plaats van " + Hex(oudAttribuut));
    } else if (bevel == "wachtbestand") {
        std::string pad;
        std::getline(in >> std::ws, pad);
        if (!Wacht([&] { return GetFileAttributesA(pad.c_str()) != INVALID_FILE_ATTRIBUTES; }))
            Mislukt(regel);
    } else if (bevel == "invoermodus") {
        DWORD modus = 0;
        GetConsoleMode(In(), &modus);
        Log("invoermodus " + Hex(modus));
    } else if (bevel == "meld") {
        std::string rest;
        std::getline(in >> std::ws, rest);
        Log(rest);
    } else {
        Mislukt("onbekend bevel: " + regel);
    }
}

BOOL WINAPI NegeerCtrlC(DWORD soort) {
    return soort == CTRL_C_EVENT || soort == CTRL_BREAK_EVENT ? TRUE : FALSE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fputs("gebruik: stuur SCRIPT LOG PROGRAMMA\n", stderr);
        return 2;
    }
    // A Ctrl+C typed for the program must not end its driver. (A handler, not
    // the ignore flag: that one the program would inherit.)
    SetConsoleCtrlHandler(NegeerCtrlC, TRUE);
    logboek = _wfopen(argv[2], L"wb");
    if (logboek == nullptr) return 2;
    std::ifstream script(argv[1]);
    if (!script) Mislukt("script niet te lezen");
    const std::wstring opdracht = std::wstring(L"\"") + argv[3] + L"\"";
    std::string regel;
    int nummer = 0;
    while (std::getline(script, regel)) {
        ++nummer;
        if (!regel.empty() && regel.back() == '\r') regel.pop_back();
        Voer(regel, opdracht);
    }
    if (gestart) Mislukt("het script eindigt terwijl het programma nog loopt");
    Log("GESLAAGD (" + std::to_string(nummer) + " regels)");
    std::fclose(logboek);
    return 0;
}
