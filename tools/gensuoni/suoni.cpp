// SPDX-License-Identifier: MIT
#include "suoni.h"

#include "sintesi.h"

#include <stdexcept>

namespace {

// Loudest sample, as a part of full scale: -3 dBFS for the moments of play, quieter for the
// neutral ones and for the tick that repeats for as long as the child thinks. Found is the
// loudest of all and lost is held back: the lost horn is sustained, so at the same peak it
// would carry far more energy than the found fanfare, and a success must never sound smaller
// than a failure.
constexpr double Pieno = 0.70;
constexpr double Festoso = 0.85;
constexpr double Sommesso = 0.56;
constexpr double Neutro = 0.50;
constexpr double Tenue = 0.36;

// A neutral "bonk": one marimba stroke on a fifth.
void Suono101(Traccia &t)
{
    t.Aggiungi(timbri::Marimba, {.inizio = 0.005, .frequenza = Hz(79), .decadimento = 0.11});
    t.Aggiungi(timbri::Marimba, {.inizio = 0.005, .frequenza = Hz(72), .ampiezza = 0.5, .decadimento = 0.13});
}

// Welcome: a marimba climbing the major chord to a ringing top note, a bell an octave above.
void Suono102(Traccia &t)
{
    struct Passo
    {
        double quando;
        int nota;
    };
    constexpr Passo melodia[] = {{0.00, 67}, {0.15, 72}, {0.30, 76}, {0.45, 79}, {0.60, 76}, {0.75, 79}};
    for (const Passo &p : melodia)
        t.Aggiungi(timbri::Marimba,
                   {.inizio = p.quando, .frequenza = Hz(p.nota), .ampiezza = 0.8, .decadimento = 0.18});
    for (const Passo &p : {Passo{0.60, 88}, Passo{0.75, 91}})
        t.Aggiungi(timbri::Campanello,
                   {.inizio = p.quando, .frequenza = Hz(p.nota), .ampiezza = 0.18, .decadimento = 0.15});

    t.Aggiungi(timbri::Marimba, {.inizio = 0.95, .frequenza = Hz(84), .ampiezza = 1.0, .decadimento = 0.6});
    t.Aggiungi(timbri::Campanello, {.inizio = 0.95, .frequenza = Hz(84), .ampiezza = 0.3, .decadimento = 0.5});

    // A soft bass under the first stroke, the middle of the run and the last chord.
    t.Aggiungi(timbri::Marimba, {.inizio = 0.00, .frequenza = Hz(48), .ampiezza = 0.5, .decadimento = 0.35});
    t.Aggiungi(timbri::Marimba, {.inizio = 0.45, .frequenza = Hz(43), .ampiezza = 0.45, .decadimento = 0.35});
    for (const int nota : {48, 64, 67})
        t.Aggiungi(timbri::Marimba, {.inizio = 0.95, .frequenza = Hz(nota), .ampiezza = 0.35, .decadimento = 0.7});
}

// Neutral "ding-dong" on a vibraphone.
void Suono103(Traccia &t)
{
    t.Aggiungi(timbri::Vibrafono, {.inizio = 0.0, .frequenza = Hz(76), .decadimento = 0.45, .tremolo = 0.25});
    t.Aggiungi(timbri::Vibrafono, {.inizio = 0.45, .frequenza = Hz(72), .decadimento = 0.55, .tremolo = 0.25});
}

// "Here comes a number": two quick bright strokes, a fourth apart, the second ringing.
void Suono104(Traccia &t)
{
    t.Aggiungi(timbri::Marimba, {.inizio = 0.0, .frequenza = Hz(79), .ampiezza = 0.7, .decadimento = 0.12});
    t.Aggiungi(timbri::Campanello, {.inizio = 0.0, .frequenza = Hz(79), .ampiezza = 0.35, .decadimento = 0.12});
    t.Aggiungi(timbri::Marimba, {.inizio = 0.13, .frequenza = Hz(84), .ampiezza = 1.0, .decadimento = 0.28});
    t.Aggiungi(timbri::Campanello, {.inizio = 0.13, .frequenza = Hz(84), .ampiezza = 0.5, .decadimento = 0.25});
    t.Aggiungi(timbri::Campanello, {.inizio = 0.13, .frequenza = Hz(88), .ampiezza = 0.2, .decadimento = 0.2});
}

// Lost: four soft horn notes stepping down by semitones, the last one long, wavering and sagging.
void Suono105(Traccia &t)
{
    const Nota base = {
        .ampiezza = 0.85, .decadimento = 3.0, .durata = 0.40, .attacco = 0.05, .rilascio = 0.06, .chiarezza = 0.6};
    int nota = 67;
    for (const double quando : {0.0, 0.46, 0.92}) {
        Nota n = base;
        n.inizio = quando;
        n.frequenza = Hz(nota--);
        t.Aggiungi(timbri::Fiato, n);
    }
    Nota ultima = base;
    ultima.inizio = 1.38;
    ultima.frequenza = Hz(nota);
    ultima.ampiezza = 1.0;
    ultima.durata = 1.0;
    ultima.rilascio = 0.2;
    ultima.vibrato = 0.012;
    ultima.piega = -0.6;
    t.Aggiungi(timbri::Fiato, ultima);
}

// Exact: a quick run up the major chord to a bright horn note held to the end, struck with a
// bell, then two sparkles above it. Held rather than ringing away, it stays as loud as the
// lost horn for as long as it plays.
void Suono106(Traccia &t)
{
    int passo = 0;
    for (const int nota : {72, 76, 79}) {
        const double quando = 0.06 * passo++;
        t.Aggiungi(timbri::Campanello, {.inizio = quando, .frequenza = Hz(nota), .ampiezza = 0.6, .decadimento = 0.15});
        t.Aggiungi(timbri::Marimba, {.inizio = quando, .frequenza = Hz(nota), .ampiezza = 0.4, .decadimento = 0.12});
    }
    t.Aggiungi(timbri::Campanello, {.inizio = 0.18, .frequenza = Hz(84), .ampiezza = 0.5, .decadimento = 0.5});
    t.Aggiungi(timbri::Fiato, {.inizio = 0.18,
                               .frequenza = Hz(84),
                               .ampiezza = 1.2,
                               .decadimento = 6.0,
                               .durata = 0.76,
                               .attacco = 0.03,
                               .rilascio = 0.14,
                               .vibrato = 0.006,
                               .chiarezza = 0.6});
    t.Aggiungi(timbri::Campanello, {.inizio = 0.40, .frequenza = Hz(91), .ampiezza = 0.25, .decadimento = 0.15});
    t.Aggiungi(timbri::Campanello, {.inizio = 0.48, .frequenza = Hz(96), .ampiezza = 0.2, .decadimento = 0.15});
}

// Thinking: a clock's tick-tock. The game restarts it every 750 ms, so the first 750 ms are one
// tick and one tock, and both have died away well before the restart.
void Suono107(Traccia &t)
{
    constexpr double Periodo = 0.375;
    for (int i = 0; i < 5; ++i) {
        const bool tick = i % 2 == 0;
        const double quando = Periodo * i;
        t.Aggiungi(timbri::Legno, {.inizio = quando,
                                   .frequenza = tick ? 1320.0 : 990.0,
                                   .ampiezza = tick ? 1.0 : 0.85,
                                   .decadimento = tick ? 0.022 : 0.028,
                                   .attacco = 0.001});
        t.Rumore(quando, 0.002, 0.25, 0x9e3779b9u + static_cast<std::uint32_t>(i));
    }
}

} // namespace

std::vector<std::int16_t> Sintetizza(const Suono &s)
{
    Traccia t(s.frequenza, static_cast<std::size_t>(s.campioni));
    double picco = Pieno;
    switch (s.id) {
    case 101:
        Suono101(t);
        picco = Neutro;
        break;
    case 102: Suono102(t); break;
    case 103:
        Suono103(t);
        picco = Neutro;
        break;
    case 104: Suono104(t); break;
    case 105:
        Suono105(t);
        picco = Sommesso;
        break;
    case 106:
        Suono106(t);
        picco = Festoso;
        break;
    case 107:
        Suono107(t);
        picco = Tenue;
        break;
    default: throw std::invalid_argument("no such sound");
    }
    return t.Finale(picco, 0.06);
}
