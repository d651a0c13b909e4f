// SPDX-License-Identifier: MIT
#include "sintesi.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace timbri {
// Struck bars: the inharmonic overtones fade much faster than the fundamental.
const Timbro Marimba = {{1.0, 1.0, 1.0}, {3.93, 0.22, 0.35}, {9.2, 0.06, 0.15}};
const Timbro Campanello = {{1.0, 1.0, 1.0}, {2.76, 0.32, 0.55}, {5.40, 0.12, 0.3}, {8.93, 0.05, 0.2}};
const Timbro Vibrafono = {{1.0, 1.0, 1.0}, {4.0, 0.15, 0.4}, {10.0, 0.03, 0.2}};
const Timbro Fiato = {{1, 1.0, 1}, {2, 0.55, 1}, {3, 0.35, 1}, {4, 0.2, 1}, {5, 0.1, 1}, {6, 0.05, 1}};
const Timbro Legno = {{1.0, 1.0, 1.0}, {2.57, 0.35, 0.55}, {4.3, 0.12, 0.35}};
} // namespace timbri

namespace {
constexpr double DuePi = 2 * std::numbers::pi;

double Morbido(double x) // 0 -> 0, 1 -> 1, flat at both ends
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}
} // namespace

double Hz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Traccia::Traccia(int frequenzaCampionamento, std::size_t campioni)
    : fs_(frequenzaCampionamento)
    , campioni_(campioni, 0.0)
{
}

void Traccia::Aggiungi(const Timbro &timbro, const Nota &nota)
{
    // Overtones above this would fold back as out-of-tune tones.
    const double limite = 0.45 * fs_;
    const auto primo = static_cast<std::size_t>(std::ceil(nota.inizio * fs_));
    double fase = 0;
    for (std::size_t n = primo; n < campioni_.size(); ++n) {
        const double t = static_cast<double>(n) / fs_ - nota.inizio;
        if (t > nota.durata + nota.rilascio)
            break;

        double frequenza = nota.frequenza;
        if (nota.piega != 0)
            frequenza *= std::pow(2.0, nota.piega * Morbido((t - 0.4 * nota.durata) / (0.6 * nota.durata)) / 12.0);
        if (nota.vibrato != 0)
            frequenza *= 1 + nota.vibrato * Morbido(t / 0.25) * std::sin(DuePi * 5.5 * t);
        fase += DuePi * frequenza / fs_;

        const double inviluppo = Morbido(t / nota.attacco) * (1 - Morbido((t - nota.durata) / nota.rilascio));
        double somma = 0;
        for (const Parziale &p : timbro) {
            if (p.rapporto * frequenza > limite)
                continue;
            double a = p.ampiezza * std::exp(-t / (nota.decadimento * p.decadimento));
            if (nota.chiarezza > 0)
                a *= std::pow(inviluppo, nota.chiarezza * (p.rapporto - 1));
            somma += a * std::sin(p.rapporto * fase);
        }
        const double tremolo = 1 - nota.tremolo * 0.5 * (1 - std::cos(DuePi * 5.0 * t));
        campioni_[n] += nota.ampiezza * inviluppo * tremolo * somma;
    }
}

void Traccia::Rumore(double inizio, double decadimento, double ampiezza, std::uint32_t seme)
{
    std::uint32_t x = seme ? seme : 1;
    double precedente = 0;
    const auto primo = static_cast<std::size_t>(std::ceil(inizio * fs_));
    const auto ultimo = std::min(campioni_.size(), primo + static_cast<std::size_t>(8 * decadimento * fs_));
    for (std::size_t n = primo; n < ultimo; ++n) {
        x ^= x << 13; // xorshift32: the same noise on every machine
        x ^= x >> 17;
        x ^= x << 5;
        const double bianco = x / 2147483648.0 - 1.0;
        const double t = static_cast<double>(n - primo) / fs_;
        // The difference of successive values keeps only the bright part, and no DC.
        campioni_[n] += ampiezza * Morbido(t / 0.0005) * std::exp(-t / decadimento) * 0.5 * (bianco - precedente);
        precedente = bianco;
    }
}

std::vector<std::int16_t> Traccia::Finale(double picco, double dissolvenza) const
{
    std::vector<double> x = campioni_;
    const double n = static_cast<double>(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double t = static_cast<double>(i) / fs_;
        const double restante = (n - 1 - static_cast<double>(i)) / fs_;
        x[i] *= Morbido(t / 0.002) * Morbido(restante / dissolvenza);
    }
    double massimo = 0;
    for (const double v : x)
        massimo = std::max(massimo, std::abs(v));
    const double scala = massimo > 0 ? picco * 32767.0 / massimo : 0;

    std::vector<std::int16_t> pcm(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::lround(x[i] * scala));
    return pcm;
}
