// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// Additive synthesis of short musical effects: struck or blown notes made of a few partials.

struct Parziale
{
    double rapporto;    // frequency over the fundamental
    double ampiezza;    // relative to the fundamental
    double decadimento; // its decay time over the note's
};
using Timbro = std::vector<Parziale>;

namespace timbri {
extern const Timbro Marimba;
extern const Timbro Campanello;
extern const Timbro Vibrafono;
extern const Timbro Fiato; // a soft brass-like tone for held notes
extern const Timbro Legno; // a wood block
} // namespace timbri

struct Nota
{
    double inizio = 0;      // s
    double frequenza = 440; // Hz
    double ampiezza = 1;
    double decadimento = 0.3; // time constant of the fundamental, s
    double durata = 1e9;      // release starts this long after the start, s
    double attacco = 0.004;   // s; never 0, or the note clicks
    double rilascio = 0.06;   // s
    double vibrato = 0;       // relative depth of a 5.5 Hz pitch wobble
    double tremolo = 0;       // relative depth of a 5 Hz loudness wobble
    double piega = 0;         // semitones the pitch has slid by the start of the release
    double chiarezza = 0;     // > 0: upper partials swell with loudness, as in a horn
};

// Equal temperament, A4 = 440 Hz; 60 is middle C.
double Hz(int midi);

class Traccia
{
public:
    Traccia(int frequenzaCampionamento, std::size_t campioni);

    void Aggiungi(const Timbro &timbro, const Nota &nota);
    // A short burst of high-passed noise, the strike of a stick; `seme` keeps it repeatable.
    void Rumore(double inizio, double decadimento, double ampiezza, std::uint32_t seme);

    // Soft edges at both ends, then scaled so the loudest sample is `picco` (of full scale).
    std::vector<std::int16_t> Finale(double picco, double dissolvenza) const;

private:
    int fs_;
    std::vector<double> campioni_;
};
