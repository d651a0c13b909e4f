// SPDX-License-Identifier: MIT
// What a child sees, measured from outside the game: the real program runs on an X server, is
// driven with xdotool, and its window's pixels are read every millisecond through XShm. Nothing
// in the game is instrumented. Run it on an Xvfb display, with a runtime directory and a network
// namespace of its own so that the game's single-copy lock meets no other copy:
//   Xvfb :71 -screen 0 1024x768x24 &
//   DISPLAY=:71 XDG_RUNTIME_DIR="$(mktemp -d)" unshare -n build/bench/osservatore/bench_osservatore build/app/cercanum
//       build/bench/osservatore/bench_nudo [games [build/bench/osservatore/bench_nudo_testo]]
//       (one line)
// or, on a larger screen, the glide in full screen:
//   .../bench_osservatore build/app/cercanum --schermo-intero
// SDL_AUDIODRIVER defaults to "dummy" for the game, so an audio device exists to keep quiet.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;
using namespace std::chrono_literals;

double Ms(Orologio::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Mediana(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string Elenco(const std::vector<double> &v)
{
    std::string s;
    char b[32];
    for (double x : v) {
        std::snprintf(b, sizeof b, "%s%.0f", s.empty() ? "" : " ", x);
        s += b;
    }
    return s;
}

// Places of the main window's client area (the game's own layout), watched one by one.
struct Zona
{
    const char *nome;
    int x, y, l, a;
};
constexpr Zona Messaggio{"message", 77, 21, 400, 57};
constexpr Zona Pulsante{"cmdNew", 203, 98, 134, 43};
constexpr Zona Ingranaggi{"gears", 350, 98, 44, 32};
constexpr Zona Filo{"wire", 53, 160, 448, 26}; // between the two counters
constexpr Zona Zone[] = {Messaggio, Pulsante, Ingranaggi, Filo};
constexpr int NumZone = 4;
constexpr int CmdInfoX = 442, CmdInfoY = 347;
constexpr int CmdNuovoGiocoX = 484, CmdNuovoGiocoY = 347;
constexpr int CmdNewX = 270, CmdNewY = 119; // "Nuovo Numero", and the answer box under it

struct Cambio
{
    Orologio::time_point t;
    int zona;
};

// Reads the zones through shared memory and writes down every moment one of them changes.
class Osservatore
{
public:
    // In full screen the window is drawn enlarged by `f` from (x0, y0): the zones are watched there.
    Osservatore(Display *d, Window w, double f = 1, int x0 = 0, int y0 = 0)
        : schermo(d)
        , finestra(w)
    {
        for (int i = 0; i < NumZone; ++i)
            zone[i] = {Zone[i].nome, x0 + int(Zone[i].x * f), y0 + int(Zone[i].y * f), int(Zone[i].l * f),
                       int(Zone[i].a * f)};
        for (int i = 0; i < NumZone; ++i) {
            XShmSegmentInfo &s = segmenti[i];
            immagini[i] = XShmCreateImage(schermo, DefaultVisual(schermo, DefaultScreen(schermo)),
                                          DefaultDepth(schermo, DefaultScreen(schermo)), ZPixmap, nullptr, &s,
                                          zone[i].l, zone[i].a);
            s.shmid = shmget(IPC_PRIVATE, immagini[i]->bytes_per_line * immagini[i]->height, IPC_CREAT | 0600);
            s.shmaddr = immagini[i]->data = static_cast<char *>(shmat(s.shmid, nullptr, 0));
            s.readOnly = False;
            XShmAttach(schermo, &s);
            shmctl(s.shmid, IPC_RMID, nullptr);
        }
        XSync(schermo, False);
    }
    ~Osservatore()
    {
        Ferma();
        for (int i = 0; i < NumZone; ++i) {
            XShmDetach(schermo, &segmenti[i]);
            XDestroyImage(immagini[i]);
            shmdt(segmenti[i].shmaddr);
        }
    }
    void Avvia()
    {
        attivo = true;
        filo = std::thread([this] { Ciclo(); });
    }
    void Ferma()
    {
        attivo = false;
        if (filo.joinable())
            filo.join();
    }
    std::vector<Cambio> Cambi(int zona, Orologio::time_point da, Orologio::time_point a)
    {
        std::lock_guard<std::mutex> l(blocco);
        std::vector<Cambio> r;
        for (const Cambio &c : cambi)
            if (c.zona == zona && c.t >= da && c.t <= a)
                r.push_back(c);
        return r;
    }

private:
    std::uint64_t Impronta(int i)
    {
        XImage *im = immagini[i];
        std::uint64_t h = 1469598103934665603ull;
        for (int y = 0; y < im->height; ++y) {
            const auto *riga = reinterpret_cast<const unsigned char *>(im->data + y * im->bytes_per_line);
            for (int x = 0; x < im->width * 4; ++x)
                h = (h ^ riga[x]) * 1099511628211ull;
        }
        return h;
    }
    void Ciclo()
    {
        std::uint64_t ultime[NumZone] = {};
        while (attivo) {
            for (int i = 0; i < NumZone; ++i) {
                if (!XShmGetImage(schermo, finestra, immagini[i], zone[i].x, zone[i].y, AllPlanes))
                    continue;
                const std::uint64_t h = Impronta(i);
                if (h != ultime[i]) {
                    ultime[i] = h;
                    std::lock_guard<std::mutex> l(blocco);
                    cambi.push_back({Orologio::now(), i});
                }
            }
            std::this_thread::sleep_for(1ms);
        }
    }

    Display *schermo;
    Window finestra;
    Zona zone[NumZone];
    XImage *immagini[NumZone] = {};
    XShmSegmentInfo segmenti[NumZone] = {};
    std::thread filo;
    std::atomic<bool> attivo{false};
    std::mutex blocco;
    std::vector<Cambio> cambi;
};

// Windows come and go under us (a closed dialog, a process just ended): ignore what they answer.
int IgnoraErrori(Display *, XErrorEvent *)
{
    return 0;
}

pid_t Lancia(const char *programma)
{
    const pid_t p = fork();
    if (p == 0) {
        setenv("SDL_AUDIODRIVER", std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "dummy", 1);
        unsetenv("QT_QPA_PLATFORM");
        freopen("/dev/null", "w", stderr);
        execl(programma, programma, static_cast<char *>(nullptr));
        _exit(127);
    }
    return p;
}

void Chiudi(pid_t p)
{
    kill(p, SIGTERM);
    waitpid(p, nullptr, 0);
}

pid_t PidDi(Display *d, Window w)
{
    const Atom pid = XInternAtom(d, "_NET_WM_PID", False);
    Atom tipo;
    int formato;
    unsigned long n, resto;
    unsigned char *dati = nullptr;
    pid_t r = 0;
    if (XGetWindowProperty(d, w, pid, 0, 1, False, XA_CARDINAL, &tipo, &formato, &n, &resto, &dati) == Success && dati
        && n == 1)
        r = pid_t(*reinterpret_cast<unsigned long *>(dati));
    if (dati)
        XFree(dati);
    return r;
}

// The first top-level window of process `p` to be mapped, and when.
Window AttendiMappa(Display *d, pid_t p, Orologio::time_point &quando)
{
    const auto limite = Orologio::now() + 30s;
    while (Orologio::now() < limite) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && PidDi(d, e.xmap.window) == p) {
                quando = Orologio::now();
                return e.xmap.window;
            }
        }
        std::this_thread::sleep_for(200us);
    }
    return 0;
}

// Nanoseconds on a CPU, all threads of the process.
double CpuMs(pid_t p)
{
    double ns = 0;
    const std::string base = "/proc/" + std::to_string(p) + "/task";
    if (DIR *dir = opendir(base.c_str())) {
        while (dirent *e = readdir(dir)) {
            if (e->d_name[0] == '.')
                continue;
            std::ifstream f(base + "/" + e->d_name + "/schedstat");
            double v = 0;
            if (f >> v)
                ns += v;
        }
        closedir(dir);
    }
    return ns / 1e6;
}

long Campo(pid_t p, const char *nome)
{
    std::ifstream f("/proc/" + std::to_string(p) + "/status");
    std::string riga;
    const std::size_t n = std::strlen(nome);
    while (std::getline(f, riga))
        if (riga.compare(0, n, nome) == 0)
            return std::atol(riga.c_str() + n + 1);
    return 0;
}

long ContestiDi(pid_t p)
{
    long n = 0;
    const std::string base = "/proc/" + std::to_string(p) + "/task";
    if (DIR *dir = opendir(base.c_str())) {
        while (dirent *e = readdir(dir)) {
            if (e->d_name[0] == '.')
                continue;
            std::ifstream f(base + "/" + e->d_name + "/status");
            std::string riga;
            while (std::getline(f, riga))
                if (riga.rfind("voluntary_ctxt_switches:", 0) == 0 || riga.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                    n += std::atol(riga.c_str() + riga.find(':') + 1);
        }
        closedir(dir);
    }
    return n;
}

double ContestiAlSecondo(pid_t p, std::chrono::seconds durata)
{
    const long prima = ContestiDi(p);
    std::this_thread::sleep_for(durata);
    return double(ContestiDi(p) - prima) / double(durata.count());
}

Window FinestraGioco = 0; // clicks are placed in its client area, wherever it stands

std::string Clic(int x, int y)
{
    return "mousemove --window " + std::to_string(FinestraGioco) + " " + std::to_string(x) + " " + std::to_string(y)
           + " click 1";
}

void Xdotool(const std::string &argomenti)
{
    const std::string comando = "xdotool " + argomenti;
    if (std::system(comando.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", comando.c_str());
}

// Context switches while the thinking animation runs, split between those around a timer tick
// (from 15 ms before to 40 ms after the gears change on the screen) and all the others.
struct ContestiPensiero
{
    double alSecondo, fuoriDalTick, perTick;
};

ContestiPensiero ContestiDelPensiero(pid_t p, Osservatore &o, std::chrono::seconds durata)
{
    std::vector<std::pair<Orologio::time_point, long>> campioni;
    const auto inizio = Orologio::now();
    campioni.emplace_back(inizio, ContestiDi(p));
    while (Orologio::now() - inizio < durata) {
        std::this_thread::sleep_for(2ms);
        campioni.emplace_back(Orologio::now(), ContestiDi(p));
    }
    const auto tick = o.Cambi(2, inizio, campioni.back().first);
    long totale = 0, fuori = 0;
    for (std::size_t i = 1; i < campioni.size(); ++i) {
        const long n = campioni[i].second - campioni[i - 1].second;
        totale += n;
        const auto t = campioni[i].first;
        const bool vicino =
            std::any_of(tick.begin(), tick.end(), [&](const Cambio &c) { return t > c.t - 15ms && t < c.t + 40ms; });
        if (!vicino)
            fuori += n;
    }
    const double secondi = Ms(campioni.back().first - inizio) / 1000.0;
    return {double(totale) / secondi, double(fuori) / secondi,
            tick.empty() ? 0.0 : double(totale - fuori) / double(tick.size())};
}

std::vector<double> Intervalli(const std::vector<Cambio> &c)
{
    std::vector<double> v;
    for (std::size_t i = 1; i < c.size(); ++i)
        v.push_back(Ms(c[i].t - c[i - 1].t));
    return v;
}

// Three answers, each given by `rispondi`, and the glide each starts: its time from the first
// changed frame of the ball's zone to the last, and the longest gap between painted frames.
struct Scivolate
{
    std::vector<double> durate, buchi;
};
Scivolate MisuraScivolate(Osservatore &o, const std::function<void()> &rispondi)
{
    Scivolate s;
    for (int risposta = 0; risposta < 3; ++risposta) {
        const auto t0 = Orologio::now();
        rispondi();
        std::this_thread::sleep_for(1500ms);
        const auto c = o.Cambi(3, t0, Orologio::now());
        if (c.size() < 2)
            continue;
        s.durate.push_back(Ms(c.back().t - c.front().t));
        const auto g = Intervalli(c);
        s.buchi.push_back(*std::max_element(g.begin(), g.end()));
    }
    return s;
}

// Start-up of the game against each yardstick, runs alternated so that a slow spell of the machine
// hits every program alike.
void Avvio(Display *d, const std::vector<const char *> &programmi, int volte)
{
    std::vector<std::vector<double>> mappa(programmi.size()), cpu(programmi.size());
    for (int i = 0; i < volte; ++i) {
        for (std::size_t quale = 0; quale < programmi.size(); ++quale) {
            const char *prog = programmi[quale];
            const auto t0 = Orologio::now();
            const pid_t p = Lancia(prog);
            Orologio::time_point t1;
            if (!AttendiMappa(d, p, t1)) {
                std::printf("%s: no window mapped\n", prog);
                Chiudi(p);
                return;
            }
            cpu[quale].push_back(CpuMs(p));
            mappa[quale].push_back(Ms(t1 - t0));
            Chiudi(p);
            std::this_thread::sleep_for(300ms);
        }
    }
    const double mg = Mediana(mappa[0]), cg = Mediana(cpu[0]);
    std::printf("start-up, exec -> first map, median of %d alternated runs:\n", volte);
    static const char *const nomi[] = {"bare Qt window", "bare window with one line of text"};
    for (std::size_t quale = 1; quale < programmi.size(); ++quale) {
        const double mn = Mediana(mappa[quale]), cn = Mediana(cpu[quale]);
        std::printf("  game %.1f ms (CPU %.1f ms), %s %.1f ms (CPU %.1f ms): %.2fx time, %.2fx CPU\n", mg, cg,
                    nomi[quale - 1], mn, cn, mg / mn, cg / cn);
    }
}

// The glide in full screen: F11, then a click on the enlarged "Nuovo Numero" and three answers of
// 0 tapped on the number pad, each glide watched at the enlarged wire.
int SchermoIntero(Display *d, const char *gioco)
{
    const pid_t p = Lancia(gioco);
    Orologio::time_point mappata;
    if (!AttendiMappa(d, p, mappata))
        return 1;
    std::this_thread::sleep_for(1500ms);
    Xdotool("key Escape");
    std::this_thread::sleep_for(700ms);
    Xdotool("key Return");
    std::this_thread::sleep_for(2500ms);
    Xdotool("key F11");
    const Window w = AttendiMappa(d, p, mappata);
    if (!w)
        return 1;
    std::this_thread::sleep_for(500ms);
    XWindowAttributes a;
    XGetWindowAttributes(d, w, &a);
    // The game's arithmetic: the window and the pad beside it (744 x 370 together), centred.
    const double f = std::min(a.width / 744.0, a.height / 370.0);
    const int x0 = int((a.width - 744 * f) / 2), y0 = int((a.height - 370 * f) / 2);
    FinestraGioco = w;
    auto visto = [&](int x, int y) { return Clic(x0 + int(x * f), y0 + int(y * f)); };
    Osservatore o(d, w, f, x0, y0);
    o.Avvia();
    Xdotool(visto(CmdNewX, CmdNewY));
    std::this_thread::sleep_for(5s);
    const auto [durate, buchi] = MisuraScivolate(o, [&] {
        Xdotool(visto(564 + 12 + 6 + 54 + 24, 74 + 6 + 3 * 54 + 24) + " " // "0"
                + visto(564 + 12 + 6 + 108 + 24, 74 + 6 + 3 * 54 + 24));  // "Invio"
    });
    o.Ferma();
    std::printf("full screen %dx%d (x%.3f): glides (469, 446, 423 px of the window): %s; longest gap between "
                "painted frames: %s\n",
                a.width, a.height, f, Elenco(durate).c_str(), Elenco(buchi).c_str());
    Chiudi(p);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME BARE_WINDOW [games [BARE_WINDOW_WITH_TEXT]]\n", argv[0]);
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const char *gioco = argv[1];
    const int giochi = argc > 3 ? std::atoi(argv[3]) : 100;
    Display *d = XOpenDisplay(nullptr);
    if (!d || !XShmQueryExtension(d)) {
        std::fprintf(stderr, "needs an X display with MIT-SHM\n");
        return 1;
    }
    XSetErrorHandler(IgnoraErrori);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    if (std::strcmp(argv[2], "--schermo-intero") == 0) {
        const int r = SchermoIntero(d, gioco);
        XCloseDisplay(d);
        return r;
    }
    std::vector<const char *> programmi{gioco, argv[2]};
    if (argc > 4)
        programmi.push_back(argv[4]);
    Avvio(d, programmi, 10);

    const pid_t p = Lancia(gioco);
    Orologio::time_point mappata;
    const Window w = AttendiMappa(d, p, mappata);
    if (!w)
        return 1;
    FinestraGioco = w;
    std::this_thread::sleep_for(1500ms); // the information window is up
    auto osservatore = std::make_unique<Osservatore>(d, w);
    Osservatore &o = *osservatore;
    o.Avvia();
    std::printf("context switches a second (all threads):\n");
    std::printf("  information window open at start-up: %.1f\n", ContestiAlSecondo(p, 5s));
    Xdotool("key Escape");
    std::this_thread::sleep_for(700ms);
    const auto avvioGioco = Orologio::now();
    Xdotool("key Return"); // one player
    std::this_thread::sleep_for(2500ms);
    const auto lampo = Intervalli(o.Cambi(1, avvioGioco, Orologio::now()));
    std::printf("  \"Nuovo Numero\" wait: %.1f\n", ContestiAlSecondo(p, 5s));
    Xdotool(Clic(CmdInfoX, CmdInfoY));
    std::this_thread::sleep_for(500ms);
    std::printf("  information window open over the game: %.1f\n", ContestiAlSecondo(p, 5s));
    Xdotool("key Escape");
    std::this_thread::sleep_for(500ms);

    // One number: the announcement, the ticks, then three answers that are always too small.
    const auto annuncio = Orologio::now();
    Xdotool(Clic(CmdNewX, CmdNewY));
    std::this_thread::sleep_for(5s);
    std::vector<double> messaggio = Intervalli(o.Cambi(0, annuncio, Orologio::now()));
    const auto tickDa = Orologio::now();
    std::printf("  thinking, tick sound on: %.1f\n", ContestiAlSecondo(p, 4s));
    const std::vector<double> tick = Intervalli(o.Cambi(2, tickDa, Orologio::now()));
    const auto [durate, buchi] = MisuraScivolate(o, [] {
        Xdotool(Clic(CmdNewX, CmdNewY) + " type 0");
        Xdotool("key Return");
    });
    const ContestiPensiero pensiero = ContestiDelPensiero(p, o, 8s);
    std::printf("  thinking, after the first answer (ticks silent): %.1f, of which %.1f away from the timer "
                "ticks (%.1f around each tick)\n",
                pensiero.alSecondo, pensiero.fuoriDalTick, pensiero.perTick);
    osservatore.reset(); // before the display goes

    std::printf("pixels as seen on the screen (ms):\n");
    std::printf("  flash steps of \"Nuovo Numero\": %s\n", Elenco(lampo).c_str());
    // The announcement: letters, then the pause (the longest interval), then the blinks.
    if (!messaggio.empty()) {
        const auto pausa = std::max_element(messaggio.begin(), messaggio.end());
        const std::vector<double> lettere(messaggio.begin(), pausa);
        const std::vector<double> lampeggi(pausa + 1, messaggio.end());
        std::printf("  typed letters: %zu, median %.1f ms a letter\n", lettere.size(), Mediana(lettere));
        std::printf("  pause before the blinks: %.0f\n", *pausa);
        std::printf("  blinks: %s\n", Elenco(lampeggi).c_str());
    }
    std::printf("  timer ticks: %s\n", Elenco(tick).c_str());
    std::printf("  glides (469, 446, 423 px): %s; longest gap between painted frames: %s\n", Elenco(durate).c_str(),
                Elenco(buchi).c_str());

    // Memory: new games, then information window openings.
    const long inizio = Campo(p, "VmRSS:");
    for (int i = 0; i < giochi; ++i) {
        Xdotool(Clic(CmdNuovoGiocoX, CmdNuovoGiocoY) + " sleep 0.3 key Return sleep 1.2");
    }
    const long dopoGiochi = Campo(p, "VmRSS:");
    for (int i = 0; i < giochi; ++i)
        Xdotool(Clic(CmdInfoX, CmdInfoY) + " sleep 0.2 key Escape sleep 0.1");
    const long dopoInfo = Campo(p, "VmRSS:");
    std::printf("RSS: %ld kB after one number, %ld kB after %d new games (%+ld kB), %ld kB after %d information "
                "windows (%+ld kB); peak %ld kB\n",
                inizio, dopoGiochi, giochi, dopoGiochi - inizio, dopoInfo, giochi, dopoInfo - dopoGiochi,
                Campo(p, "VmHWM:"));
    Chiudi(p);
    XCloseDisplay(d);
    return 0;
}
