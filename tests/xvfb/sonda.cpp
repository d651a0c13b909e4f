// SPDX-License-Identifier: MIT
// How long a window leaves the desktop without an answer, measured as a window manager would:
// _NET_WM_PING is sent to it every few milliseconds and its echo, which a Qt window sends from its
// event loop, is awaited on the root window. The steps are named on standard input, one a line,
// by whoever drives the window meanwhile; at the end of input a line per step is printed:
//   STEP pings SENT answered ANSWERED longest MS
// where MS is the longest time one ping waited for its answer (pings never answered count up to
// the end of input). The exit status is 0, or 2 when the window cannot be reached.
// Given the processes on the ping's way (the X server, the game), the time that their threads and
// the probe itself spent ready to run but waiting for a processor is left out of each wait, so that
// a busy machine does not pass for a window that stopped answering: what remains is the time the
// window took, sleeping or working, before its event loop answered. The raw figure is printed too:
//   STEP pings SENT answered ANSWERED raw RAW_MS longest MS
//   sonda_ping WINDOW_ID [INTERVAL_MS [PID...]]
#include <X11/Xlib.h>
#include <dirent.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

double Ms(Orologio::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Milliseconds that the threads of a process spent on a run queue so far (the second figure of
// each thread's schedstat), or 0 where the kernel keeps no such count.
double InCoda(const std::string &processo)
{
    double ns = 0;
    const std::string cartella = "/proc/" + processo + "/task";
    if (DIR *d = opendir(cartella.c_str())) {
        while (const dirent *voce = readdir(d)) {
            if (voce->d_name[0] == '.')
                continue;
            std::ifstream f(cartella + "/" + voce->d_name + "/schedstat");
            double corsa = 0, attesa = 0;
            if (f >> corsa >> attesa)
                ns += attesa;
        }
        closedir(d);
    }
    return ns / 1e6;
}

struct Passo
{
    std::string nome;
    int inviati = 0;
    int risposti = 0;
    double peggiore = 0;
    double peggioreGrezzo = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s WINDOW_ID [INTERVAL_MS]\n", argv[0]);
        return 2;
    }
    const Window finestra = std::strtoul(argv[1], nullptr, 0);
    const auto intervallo = std::chrono::milliseconds(argc > 2 ? std::atoi(argv[2]) : 10);
    std::vector<std::string> processi{"self"};
    for (int i = 3; i < argc; ++i)
        processi.emplace_back(argv[i]);
    const auto inCoda = [&processi] {
        double ms = 0;
        for (const std::string &p : processi)
            ms += InCoda(p);
        return ms;
    };
    Display *d = XOpenDisplay(nullptr);
    if (!d || finestra == 0) {
        std::fprintf(stderr, "no display or no window\n");
        return 2;
    }
    const Window radice = DefaultRootWindow(d);
    const Atom protocolli = XInternAtom(d, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(d, "_NET_WM_PING", False);
    // The echo goes to the root window, to whoever listens to its structure's changes.
    XSelectInput(d, radice, StructureNotifyMask | SubstructureNotifyMask);
    XSync(d, False);

    std::vector<Passo> passi{{"(before the first step)"}};
    struct Inviato
    {
        Orologio::time_point quando;
        double inCoda;
        std::size_t passo;
    };
    const auto attesa = [&inCoda](const Inviato &inviato, Orologio::time_point ora, Passo &p) {
        const double grezza = Ms(ora - inviato.quando);
        p.peggioreGrezzo = std::max(p.peggioreGrezzo, grezza);
        // A thread that ended meanwhile takes its count along: never more than the raw wait.
        p.peggiore = std::max(p.peggiore, std::clamp(grezza - (inCoda() - inviato.inCoda), 0.0, grezza));
    };
    std::map<long, Inviato> inAttesa;
    long numero = 0;
    auto prossimo = Orologio::now();
    std::string riga;
    bool aperto = true;

    while (aperto) {
        const auto ora = Orologio::now();
        if (ora >= prossimo) {
            XEvent e{};
            e.xclient.type = ClientMessage;
            e.xclient.window = finestra;
            e.xclient.message_type = protocolli;
            e.xclient.format = 32;
            e.xclient.data.l[0] = static_cast<long>(ping);
            e.xclient.data.l[1] = ++numero; // echoed back: which ping this answers
            e.xclient.data.l[2] = static_cast<long>(finestra);
            if (!XSendEvent(d, finestra, False, NoEventMask, &e)) {
                std::fprintf(stderr, "window 0x%lx cannot be reached\n", finestra);
                return 2;
            }
            XFlush(d);
            inAttesa[numero] = {ora, inCoda(), passi.size() - 1};
            ++passi.back().inviati;
            prossimo = ora + intervallo;
        }
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != ClientMessage || static_cast<Atom>(e.xclient.data.l[0]) != ping)
                continue;
            const auto it = inAttesa.find(e.xclient.data.l[1]);
            if (it == inAttesa.end())
                continue;
            Passo &p = passi[it->second.passo];
            ++p.risposti;
            attesa(it->second, Orologio::now(), p);
            inAttesa.erase(it);
        }
        pollfd fd[2]{{ConnectionNumber(d), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const auto dormi = std::chrono::duration_cast<std::chrono::milliseconds>(prossimo - Orologio::now());
        poll(fd, 2, static_cast<int>(std::max<long>(0, dormi.count())));
        if (fd[1].revents & (POLLIN | POLLHUP)) {
            char b[256];
            const ssize_t n = read(STDIN_FILENO, b, sizeof b);
            if (n <= 0) {
                aperto = false;
                break;
            }
            for (ssize_t i = 0; i < n; ++i) {
                if (b[i] != '\n') {
                    riga += b[i];
                    continue;
                }
                if (!riga.empty())
                    passi.push_back({riga});
                riga.clear();
            }
        }
    }

    const auto fine = Orologio::now();
    for (const auto &[n, inviato] : inAttesa)
        attesa(inviato, fine, passi[inviato.passo]);
    for (const Passo &p : passi)
        if (p.inviati > 0)
            std::printf("%s pings %d answered %d raw %.1f longest %.1f\n", p.nome.c_str(), p.inviati, p.risposti,
                        p.peggioreGrezzo, p.peggiore);
    XCloseDisplay(d);
    return 0;
}
