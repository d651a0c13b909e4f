// SPDX-License-Identifier: MIT
// How soon a requested sound reaches the audio device, and what a request costs the UI thread.
//
// The hand-off is seen on the real path: UscitaAudioSdl's own queue, watched until the audio thread
// takes the first buffer out of it. A device opened here with a callback would time SDL, not us, and
// the disk driver's file is written through a stdio buffer that hides single device buffers.
// Runs on the device SDL_AUDIODRIVER names; by default on the disk driver into /dev/null, which keeps
// real time like a sound card and works on machines without one.
#include "suoni.h"
#include "uscitaaudiosdl.h"

#include <QCoreApplication>
#include <QFile>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <thread>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;
using namespace std::chrono_literals;

double Millisecondi(Orologio::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void Riassumi(const char *cosa, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto quantile = [&](double q) { return ms[std::size_t(q * double(ms.size() - 1) + 0.5)]; };
    std::printf("%-46s n=%4zu  median %7.3f ms  p95 %7.3f ms  max %7.3f ms\n", cosa, ms.size(), quantile(0.5),
                quantile(0.95), ms.back());
}

// Stand-in when the stored sounds are not there yet: one second of a 440 Hz tone, 16-bit PCM at 8000 Hz.
QByteArray ToneDiProva()
{
    constexpr int frequenza = 8000;
    QByteArray dati;
    for (int i = 0; i < frequenza; ++i) {
        const auto s = std::int16_t(8000 * std::sin(2 * M_PI * 440 * i / frequenza));
        dati.append(char(s & 0xff)).append(char((s >> 8) & 0xff));
    }
    QByteArray wav("RIFF");
    const auto metti32 = [&wav](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            wav.append(char((v >> (8 * i)) & 0xff));
    };
    metti32(std::uint32_t(36 + dati.size()));
    wav += "WAVEfmt ";
    metti32(16);
    metti32(1 | (1u << 16));
    metti32(frequenza);
    metti32(frequenza * 2);
    metti32(2 | (16u << 16));
    wav += "data";
    metti32(std::uint32_t(dati.size()));
    return wav + dati;
}

struct Suono
{
    int id;
    QByteArray immagine;
};

std::vector<Suono> SuoniDelGioco()
{
    std::vector<Suono> suoni;
    for (int id = 101; id <= 107; ++id) {
        QFile f(QStringLiteral(CERCANUM_SUONI "/%1.wav").arg(id));
        if (f.open(QIODevice::ReadOnly))
            suoni.push_back({id, f.readAll()});
    }
    if (suoni.empty()) {
        std::printf("(no stored sounds in %s: using a 1 s PCM tone at 8000 Hz)\n", CERCANUM_SUONI);
        suoni.push_back({0, ToneDiProva()});
    }
    return suoni;
}

// One request, timed until the audio thread has taken the first buffer of it; none within 1 s
// counts as lost.
std::optional<double> PrimoBuffer(UscitaAudioSdl &uscita, const Suono &suono, std::uint32_t inCoda)
{
    const auto t0 = Orologio::now();
    uscita.Riproduci(Intero(suono.id), suono.immagine);
    while (uscita.ByteInAttesa() >= inCoda && Orologio::now() - t0 < 1s)
        std::this_thread::sleep_for(50us);
    const auto t1 = Orologio::now();
    if (t1 - t0 >= 1s)
        return std::nullopt;
    return Millisecondi(t1 - t0);
}

// From the request to the moment the audio thread takes the first buffer of the new sound.
// Requests land at random moments of the device period, as a timer tick or a key press would.
void MisuraConsegna(UscitaAudioSdl &uscita, const Suono &suono, int ripetizioni)
{
    const auto inCoda = std::uint32_t(uscita.Decodifica(suono.immagine).size());
    std::mt19937 caso(12345);
    std::uniform_int_distribution<int> attesaUs(0, 40000);
    std::vector<double> ms;
    int perse = 0;
    for (int i = 0; i < ripetizioni; ++i) {
        std::this_thread::sleep_for(std::chrono::microseconds(attesaUs(caso)));
        if (const std::optional<double> t = PrimoBuffer(uscita, suono, inCoda))
            ms.push_back(*t);
        else
            ++perse;
    }
    char titolo[64];
    std::snprintf(titolo, sizeof titolo, "request -> first buffer (id %d)", suono.id);
    Riassumi(titolo, ms);
    if (perse)
        std::printf("  %d requests not taken within 1 s\n", perse);
}

// The same, from a device closed because its queue ran dry: the request opens it again first.
void MisuraRipresa(UscitaAudioSdl &uscita, const Suono &suono, int ripetizioni)
{
    const auto inCoda = std::uint32_t(uscita.Decodifica(suono.immagine).size());
    std::vector<double> ms;
    int perse = 0;
    for (int i = 0; i < ripetizioni; ++i) {
        const auto limite = Orologio::now() + 5s;
        while (!uscita.Sospeso() && Orologio::now() < limite) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(1ms);
        }
        std::this_thread::sleep_for(100ms); // the old device has finished closing
        if (const std::optional<double> t = PrimoBuffer(uscita, suono, inCoda))
            ms.push_back(*t);
        else
            ++perse;
        uscita.Riproduci(Intero(suono.id), QByteArray()); // silence at once: the queue runs dry
    }
    char titolo[64];
    std::snprintf(titolo, sizeof titolo, "resume: request -> first buffer (id %d)", suono.id);
    Riassumi(titolo, ms);
    if (perse)
        std::printf("  %d requests not taken within 1 s\n", perse);
}

void MisuraCosto(UscitaAudioSdl &uscita, const Suono &suono, int ripetizioni)
{
    std::vector<double> ms;
    for (int i = 0; i < ripetizioni; ++i) {
        const auto t0 = Orologio::now();
        uscita.Riproduci(Intero(suono.id), suono.immagine);
        ms.push_back(Millisecondi(Orologio::now() - t0));
    }
    char titolo[64];
    std::snprintf(titolo, sizeof titolo, "Riproduci on the UI thread (id %d, %lld B)", suono.id,
                  static_cast<long long>(suono.immagine.size()));
    Riassumi(titolo, ms);
}

// The whole request as the game makes it: resource, DatiSuono, Riproduci, one round of events.
void MisuraSuonaWav(Suoni &suoni, int ripetizioni)
{
    for (int id = 101; id <= 107; ++id) {
        std::vector<double> ms;
        for (int i = 0; i < ripetizioni; ++i) {
            const auto t0 = Orologio::now();
            suoni.SuonaWav(Intero(id));
            ms.push_back(Millisecondi(Orologio::now() - t0));
        }
        if (suoni.DatiSuono().isEmpty()) {
            std::printf("(sound %d is not embedded yet: SuonaWav not measured)\n", id);
            return;
        }
        char titolo[64];
        std::snprintf(titolo, sizeof titolo, "SuonaWav(%d), whole request", id);
        Riassumi(titolo, ms);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (!std::getenv("SDL_AUDIODRIVER")) {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    }
    QCoreApplication app(argc, argv);
    // Start-up pays this once: SDL init, counting the devices, opening one.
    const auto t0 = Orologio::now();
    UscitaAudioSdl uscita;
    const double avvio = Millisecondi(Orologio::now() - t0);
    std::printf("driver %s, %d output device(s), ready in %.2f ms; buffer %d frames at %d Hz = %.1f ms\n",
                SDL_GetCurrentAudioDriver() ? SDL_GetCurrentAudioDriver() : "none", uscita.NumDispositivi(), avvio,
                UscitaAudioSdl::CampioniPerBuffer, UscitaAudioSdl::Frequenza,
                1000.0 * UscitaAudioSdl::CampioniPerBuffer / UscitaAudioSdl::Frequenza);
    if (uscita.NumDispositivi() < 1)
        return 1;

    const std::vector<Suono> suoni = SuoniDelGioco();
    // The tick sound when it is there: it is the one requested over and over.
    MisuraConsegna(uscita, suoni.back(), 300);
    MisuraRipresa(uscita, suoni.back(), 30);
    for (const Suono &s : suoni)
        MisuraCosto(uscita, s, 300);
    Suoni gioco(&uscita);
    MisuraSuonaWav(gioco, 300);
    uscita.Ferma();
    return 0;
}
