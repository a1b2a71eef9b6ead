#include "Pty.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace pty {

namespace {

using Klok = std::chrono::steady_clock;

// Milliseconds without output after which a picture counts as complete.
constexpr int Rust = 30;

int Resterend(Klok::time_point einde) {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(einde - Klok::now()).count();
    return ms < 0 ? 0 : static_cast<int>(ms);
}

void SluitVeilig(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

void Verwerk(Sessie& s, const char* data, std::size_t n) {
    s.alles.append(data, n);
    vt::Verwerk(s.scherm, std::string_view(data, n));
    if (!s.scherm.antwoord.empty() && s.master >= 0) {
        const std::string antwoord = std::move(s.scherm.antwoord);
        s.scherm.antwoord.clear();
        [[maybe_unused]] const auto r = write(s.master, antwoord.data(), antwoord.size());
    }
}

// Reads whatever is ready on the program's outputs, waiting at most `ms`.
// False when nothing came.
bool LeesEenKeer(Sessie& s, int ms) {
    pollfd fds[3];
    int n = 0;
    if (s.master >= 0) fds[n++] = pollfd{s.master, POLLIN, 0};
    if (s.fouten >= 0) fds[n++] = pollfd{s.fouten, POLLIN, 0};
    if (s.uitvoerVan >= 0) fds[n++] = pollfd{s.uitvoerVan, POLLIN, 0};
    if (n == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms < 1 ? 0 : 1));
        return false;
    }
    if (poll(fds, static_cast<nfds_t>(n), ms) <= 0) return false;
    bool iets = false;
    char buf[65536];
    for (int i = 0; i < n; ++i) {
        if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        const ssize_t r = read(fds[i].fd, buf, sizeof buf);
        if (r > 0) {
            iets = true;
            const auto len = static_cast<std::size_t>(r);
            if (fds[i].fd == s.master)
                Verwerk(s, buf, len);
            else if (fds[i].fd == s.fouten)
                s.foutTekst.append(buf, len);
            else
                s.pijpTekst.append(buf, len);
        } else if (r == 0 || (errno != EAGAIN && errno != EINTR)) {
            // The other side is gone. The master stays: the program may still
            // have bytes in flight when we keep the slave open.
            if (fds[i].fd == s.fouten) SluitVeilig(s.fouten);
            if (fds[i].fd == s.uitvoerVan) SluitVeilig(s.uitvoerVan);
            if (fds[i].fd == s.master && r < 0) SluitVeilig(s.master);
        }
    }
    return iets;
}

void KijkOfGestopt(Sessie& s) {
    if (s.status || s.pid <= 0) return;
    int w = 0;
    if (waitpid(s.pid, &w, WNOHANG) == s.pid) {
        if (WIFEXITED(w)) s.status = WEXITSTATUS(w);
        if (WIFSIGNALED(w)) s.status = 128 + WTERMSIG(w);
    }
}

} // namespace

Sessie::~Sessie() {
    // Only what this session started: the game it found, and the process
    // group its first process leads (setsid made it one).
    if (spel > 0 && spel != pid) kill(spel, SIGKILL);
    if (pid > 0 && !status) {
        killpg(pid, SIGKILL);
        int w = 0;
        waitpid(pid, &w, 0);
    }
    SluitVeilig(master);
    SluitVeilig(slaaf);
    SluitVeilig(fouten);
    SluitVeilig(uitvoerVan);
}

const char* Programma() {
    return STRUIN_PROGRAMMA;
}

bool Start(Sessie& s, const Opties& opties, std::string& fout) {
    s.scherm = vt::NieuwScherm(opties.breedte, opties.hoogte);
    s.scherm.toetsenprotocol = opties.toetsenprotocol;
    s.standenVooraf = vt::Standen(s.scherm);
    s.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (s.master < 0 || grantpt(s.master) != 0 || unlockpt(s.master) != 0) {
        fout = std::string("geen pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* naam = ptsname(s.master);
    s.slaaf = naam ? open(naam, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
    if (s.slaaf < 0) {
        fout = std::string("slaaf niet te openen: ") + std::strerror(errno);
        return false;
    }
    winsize w{};
    w.ws_col = static_cast<unsigned short>(opties.breedte);
    w.ws_row = static_cast<unsigned short>(opties.hoogte);
    ioctl(s.master, TIOCSWINSZ, &w);
    tcgetattr(s.slaaf, &s.modiVooraf);

    int foutPijp[2];
    int uitPijp[2] = {-1, -1};
    if (pipe2(foutPijp, O_CLOEXEC) != 0 || (opties.uitvoerPijp && pipe2(uitPijp, O_CLOEXEC) != 0)) {
        fout = "geen pijp";
        return false;
    }
    const std::string term = "TERM=" + opties.term;
    std::vector<std::string> omgeving = {term, "LANG=" + opties.taal, "LC_ALL=" + opties.taal,
                                         "PATH=/usr/bin:/bin"};
    omgeving.insert(omgeving.end(), opties.omgeving.begin(), opties.omgeving.end());
    // A sanitizer build must not turn the test signals into reports of its own.
    std::string asan = "ASAN_OPTIONS=handle_segv=0:handle_sigbus=0:handle_abort=0";
    if (const char* bestaand = std::getenv("ASAN_OPTIONS")) asan += std::string(":") + bestaand;
    omgeving.push_back(asan);
    if (const char* ubsan = std::getenv("UBSAN_OPTIONS"))
        omgeving.push_back(std::string("UBSAN_OPTIONS=") + ubsan);
    std::vector<char*> envp;
    for (auto& e : omgeving) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string programma = opties.programma.empty() ? Programma() : opties.programma;
    std::vector<std::string> opdracht = opties.opdracht;
    if (opdracht.empty()) {
        opdracht = {programma};
        opdracht.insert(opdracht.end(), opties.argumenten.begin(), opties.argumenten.end());
    }
    const bool alsNobody = opties.gedeeldeTerminal && geteuid() == 0;
    if (alsNobody) {
        std::string regel = "exec";
        for (const std::string& deel : opdracht) regel += " " + deel;
        opdracht = {"/bin/su", "nobody", "-s", "/bin/sh", "-c", regel};
    }
    std::vector<char*> argv;
    for (auto& a : opdracht) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (opties.nietBlokkerend) fcntl(s.slaaf, F_SETFL, fcntl(s.slaaf, F_GETFL) | O_NONBLOCK);
    s.vlaggenVooraf = fcntl(s.slaaf, F_GETFL);

    const pid_t pid = fork();
    if (pid < 0) {
        fout = "fork mislukt";
        return false;
    }
    if (pid == 0) {
        setsid();
        if (opties.stuurterminal) ioctl(s.slaaf, TIOCSCTTY, 0);
        const int leeg = open("/dev/null", O_RDWR);
        dup2(opties.invoerLeeg ? leeg : s.slaaf, 0);
        dup2(opties.uitvoerPijp ? uitPijp[1] : s.slaaf, 1);
        // A shell talks to the player on standard error.
        dup2(opties.opdracht.empty() ? foutPijp[1] : s.slaaf, 2);
        rlimit geenKern{0, 0};
        setrlimit(RLIMIT_CORE, &geenKern);
        sigset_t alles;
        sigemptyset(&alles);
        sigprocmask(SIG_SETMASK, &alles, nullptr);
        for (int sig : {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGPIPE, SIGCHLD, SIGWINCH})
            signal(sig, SIG_DFL);
        if (opties.gedeeldeTerminal && !alsNobody) fchmod(s.slaaf, 0);
        if (opties.eigenGroep && fork() != 0) {
            // As a shell waits for its job: stops do not count, the end does.
            int einde = 0;
            while (wait(&einde) < 0 && errno == EINTR) {
            }
            _exit(WIFSIGNALED(einde) ? 128 + WTERMSIG(einde) : WEXITSTATUS(einde));
        }
        if (opties.eigenGroep) {
            setpgid(0, 0);
            signal(SIGTTOU, SIG_IGN);
            tcsetpgrp(0, getpid());
            signal(SIGTTOU, SIG_DFL);
        }
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    s.pid = pid;
    s.spel = pid;
    close(foutPijp[1]);
    s.fouten = foutPijp[0];
    if (opties.uitvoerPijp) {
        close(uitPijp[1]);
        s.uitvoerVan = uitPijp[0];
    }
    fcntl(s.master, F_SETFL, fcntl(s.master, F_GETFL) | O_NONBLOCK);
    fcntl(s.fouten, F_SETFL, fcntl(s.fouten, F_GETFL) | O_NONBLOCK);
    if (s.uitvoerVan >= 0) fcntl(s.uitvoerVan, F_SETFL, fcntl(s.uitvoerVan, F_GETFL) | O_NONBLOCK);
    if (!opties.eigenGroep && !alsNobody) return true;
    // The game is a grandchild: look for it until it runs, the start has
    // failed, or a busy machine has had time enough.
    s.spel = -1;
    const auto einde = Klok::now() + std::chrono::milliseconds(Kort);
    while (s.spel <= 0 && !s.status && Resterend(einde) > 0) {
        s.spel = SpelOnder(pid, 50, programma);
        LeesEenKeer(s, 0);
        KijkOfGestopt(s);
    }
    if (s.spel > 0) return true;
    while (LeesEenKeer(s, 10)) {
    }
    fout = std::string("het spel is niet gevonden ") +
           (alsNobody ? "onder su als nobody" : "in zijn eigen procesgroep") +
           (s.status ? ", de start eindigde met status " + std::to_string(*s.status) : "") + ":\n" +
           s.foutTekst + (s.alles.empty() ? "" : vt::Dump(s.scherm));
    return false;
}

bool Signaleer(pid_t pid, int signaal, bool groep) {
    if (pid <= 0) {
        ADD_FAILURE() << "signaal " << signaal << " niet gestuurd: pid " << pid
                      << " is geen proces dat de test startte ("
                      << (pid == 0 ? "0 is de eigen groep" : "-1 is elk proces") << ")";
        return false;
    }
    if ((groep ? killpg(pid, signaal) : kill(pid, signaal)) == 0) return true;
    // Already gone is the test's business: it sees that the program ended.
    return errno == ESRCH;
}

void Stuur(Sessie& s, std::string_view bytes) {
    while (!bytes.empty() && s.master >= 0) {
        const ssize_t n = write(s.master, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EAGAIN) {
            LeesEenKeer(s, 5); // the program reads slower than we type: let it draw
        } else {
            return;
        }
    }
}

bool WachtOp(Sessie& s, const std::function<bool(const vt::Scherm&)>& klaar, int ms) {
    const auto einde = Klok::now() + std::chrono::milliseconds(ms);
    while (true) {
        if (klaar(s.scherm)) {
            // A picture arrives in several reads: only a picture that stays is
            // the one the program shows.
            while (LeesEenKeer(s, Rust)) {
            }
            if (klaar(s.scherm)) return true;
            continue;
        }
        const int over = Resterend(einde);
        if (over == 0) return false;
        if (!LeesEenKeer(s, std::min(over, 20))) {
            KijkOfGestopt(s);
            if (s.status) return klaar(s.scherm); // gone, and nothing more to read
        }
    }
}

bool WachtOpTekst(Sessie& s, std::string_view tekst, int ms) {
    const std::string gezocht(tekst);
    return WachtOp(
        s, [&](const vt::Scherm& sch) { return vt::ToontErgens(sch, gezocht); }, ms);
}

void LeesTijdje(Sessie& s, int ms) {
    const auto einde = Klok::now() + std::chrono::milliseconds(ms);
    while (Resterend(einde) > 0) LeesEenKeer(s, Resterend(einde));
}

std::optional<int> WachtOpEinde(Sessie& s, int ms, bool lezen) {
    const auto einde = Klok::now() + std::chrono::milliseconds(ms);
    while (!s.status) {
        KijkOfGestopt(s);
        if (s.status) break;
        if (Resterend(einde) == 0) return std::nullopt;
        if (lezen)
            LeesEenKeer(s, 1);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // The program is gone; take in what it wrote last.
    while (LeesEenKeer(s, 10)) {
    }
    return s.status;
}

void ZetGrootte(Sessie& s, int breedte, int hoogte) {
    winsize w{};
    w.ws_col = static_cast<unsigned short>(breedte);
    w.ws_row = static_cast<unsigned short>(hoogte);
    // Take in what was drawn for the old size first, then change the picture
    // as a terminal does (cutting it off), then tell the program.
    while (LeesEenKeer(s, 0)) {
    }
    vt::ZetGrootte(s.scherm, breedte, hoogte);
    ioctl(s.master, TIOCSWINSZ, &w);
    Signaleer(s.pid, SIGWINCH);
}

void HangOp(Sessie& s) {
    SluitVeilig(s.master);
    SluitVeilig(s.slaaf);
}

termios Modi(const Sessie& s) {
    termios t{};
    tcgetattr(s.slaaf, &t);
    return t;
}

bool ZelfdeModi(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0 &&
           cfgetispeed(&a) == cfgetispeed(&b) && cfgetospeed(&a) == cfgetospeed(&b);
}

std::string ModiTekst(const termios& t) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "iflag %#x oflag %#x cflag %#x lflag %#x", t.c_iflag, t.c_oflag,
                  t.c_cflag, t.c_lflag);
    std::string uit = buf;
    uit += " cc";
    for (unsigned char c : t.c_cc) uit.append(" ").append(std::to_string(c));
    return uit;
}

namespace {

// The fields of /proc/<pid>/stat after the command name: state, parent, ...
std::string StatVelden(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string regel;
    std::getline(stat, regel);
    const auto haakje = regel.rfind(')');
    return haakje == std::string::npos ? "" : regel.substr(haakje + 2);
}

} // namespace

char Toestand(pid_t pid) {
    const std::string velden = StatVelden(pid);
    return velden.empty() ? 0 : velden[0];
}

bool WachtOpToestand(pid_t pid, char gewenst, int ms) {
    const auto einde = Klok::now() + std::chrono::milliseconds(ms);
    while (Toestand(pid) != gewenst) {
        if (Resterend(einde) == 0) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

pid_t SpelOnder(pid_t ouder, int ms, const std::string& programma) {
    std::error_code fout;
    const auto spel = std::filesystem::canonical(programma.empty() ? Programma() : programma, fout);
    const auto einde = Klok::now() + std::chrono::milliseconds(ms);
    do {
        for (const auto& map : std::filesystem::directory_iterator("/proc", fout)) {
            const std::string naam = map.path().filename();
            if (naam.find_first_not_of("0123456789") != std::string::npos) continue;
            const pid_t pid = std::stoi(naam);
            std::istringstream velden(StatVelden(pid));
            char toestand = 0;
            pid_t ouderVan = 0;
            // Until exec the child still runs its parent's program.
            if (velden >> toestand >> ouderVan && ouderVan == ouder &&
                std::filesystem::read_symlink(map.path() / "exe", fout) == spel)
                return pid;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    } while (Resterend(einde) > 0);
    return -1;
}

std::string OnbereikbaarVoorNobody(const std::string& programma) {
    std::error_code fout;
    const auto pad = std::filesystem::canonical(programma, fout);
    if (fout) return programma + ": " + fout.message();
    struct stat st {};
    for (auto map = pad.parent_path();; map = map.parent_path()) {
        if (stat(map.c_str(), &st) != 0 || !(st.st_mode & S_IXOTH)) {
            char modus[8];
            std::snprintf(modus, sizeof modus, "%04o", st.st_mode & 07777);
            return "nobody kan niet in " + map.string() + " (modus " + modus + ")";
        }
        if (map == map.root_path()) break;
    }
    if (stat(pad.c_str(), &st) != 0 || (st.st_mode & (S_IROTH | S_IXOTH)) != (S_IROTH | S_IXOTH))
        return "nobody mag " + pad.string() + " niet lezen en uitvoeren";
    return "";
}

KopieVoorNobody::KopieVoorNobody() {
    std::error_code fout1;
    std::string sjabloon = (std::filesystem::temp_directory_path(fout1) / "struin-XXXXXX").string();
    if (fout1 || !mkdtemp(sjabloon.data())) {
        fout = "geen tijdelijke map: " + (fout1 ? fout1.message() : std::strerror(errno));
        return;
    }
    map = sjabloon;
    const std::string doel = map + "/struinpaadje";
    std::error_code fout2;
    std::filesystem::copy_file(Programma(), doel, fout2);
    if (fout2 || chmod(map.c_str(), 0755) != 0 || chmod(doel.c_str(), 0755) != 0) {
        fout = "geen kopie in " + map + ": " + (fout2 ? fout2.message() : std::strerror(errno));
        return;
    }
    fout = OnbereikbaarVoorNobody(doel);
    if (fout.empty()) programma = doel;
}

KopieVoorNobody::~KopieVoorNobody() {
    std::error_code fout1;
    if (!map.empty()) std::filesystem::remove_all(map, fout1);
}

bool ToontTekstOp(const vt::Scherm& s, int x, int y, const std::string& tekst) {
    int cellen = 0;
    for (char c : tekst)
        if ((static_cast<unsigned char>(c) & 0xc0) != 0x80) ++cellen;
    return vt::TekstOp(s, x, y, cellen) == tekst;
}

bool MenuZichtbaar(const vt::Scherm& s) {
    return ToontTekstOp(s, 3, 2, "Hoofdmenu") && ToontTekstOp(s, 3, 4, MenuItems[0]);
}

int Gekozen(const vt::Scherm& s) {
    for (int i = 0; i < 6; ++i)
        if (ToontTekstOp(s, 3, ItemRijen[i], MenuItems[i]) &&
            vt::CelOp(s, 3, ItemRijen[i]).achter == Blauw)
            return i + 1;
    return 0;
}

void StartTotMenu(Sessie& s, const Opties& opties) {
    std::string fout;
    ASSERT_TRUE(Start(s, opties, fout)) << fout;
    ASSERT_TRUE(WachtOp(s, MenuZichtbaar, Kort)) << "geen hoofdmenu:\n"
                                                 << vt::Dump(s.scherm) << s.foutTekst;
}

void WachtOpMenu(Sessie& s, int gekozen) {
    ASSERT_TRUE(WachtOp(
        s, [&](const vt::Scherm& sch) { return MenuZichtbaar(sch) && Gekozen(sch) == gekozen; },
        Kort))
        << "het menu kwam niet terug met item " << gekozen << " gekozen:\n"
        << vt::Dump(s.scherm);
}

int Volgende(int gekozen) {
    return gekozen % 3 + 1;
}

bool Antwoordt(Sessie& s) {
    if (!WachtOp(
            s, [](const vt::Scherm& sch) { return Gekozen(sch) != 0; }, Kort))
        return false;
    const int voor = Gekozen(s.scherm);
    for (int poging = 0; poging < 10; ++poging) {
        Stuur(s, Pijl(s.scherm, 'B'));
        if (WachtOp(
                s, [&](const vt::Scherm& sch) { return Gekozen(sch) == Volgende(voor); },
                300 * Traag))
            return true;
    }
    return false;
}

void ExpectHersteld(const Sessie& s) {
    const termios nu = Modi(s);
    EXPECT_TRUE(ZelfdeModi(nu, s.modiVooraf))
        << "voor: " << ModiTekst(s.modiVooraf) << "\nna:   " << ModiTekst(nu);
    EXPECT_EQ(fcntl(s.slaaf, F_GETFL), s.vlaggenVooraf) << "de vlaggen van de descriptors";
    ASSERT_FALSE(s.scherm.schakelingen1049.empty()) << "het spel nam het scherm niet over";
    EXPECT_EQ(s.scherm.schakelingen1049.back(), 'l') << "nog op het alternatieve scherm";
    EXPECT_EQ(vt::Standen(s.scherm), s.standenVooraf) << "de modi van de terminal";
}

std::string Pijl(const vt::Scherm& scherm, char richting) {
    return std::string(scherm.cursortoetsenApplicatie ? "\x1bO" : "\x1b[") + richting;
}

std::string Bytes(const vt::Scherm& scherm, const script::Toetsen& toetsen) {
    std::string uit;
    for (const ToetsDruk& t : toetsen)
        uit += t.code >= ToetsLinks && t.code <= ToetsOmlaag
                   ? Pijl(scherm, "DACB"[t.code - ToetsLinks])
                   : std::string(1, t.teken == '\b' ? '\x7f' : t.teken);
    return uit;
}

} // namespace pty
