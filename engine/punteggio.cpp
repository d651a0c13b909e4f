// SPDX-License-Identifier: MIT
#include "punteggio.h"

#include <cmath>

namespace {

struct Riga
{
    Intero base;
    Intero conMax10; // -1: the base value holds
    Intero conMax20;
};

// Indexed by the number of answers, 1..20.
constexpr std::array<Riga, 21> Tabella{{
    {0, -1, -1},  {100, -1, -1}, {100, -1, -1}, {100, -1, -1}, {100, -1, -1}, {95, -1, -1}, {90, -1, -1},
    {80, -1, -1}, {75, -1, -1},  {70, 50, -1},  {70, 50, -1},  {60, 10, -1},  {60, 10, -1}, {50, 5, -1},
    {50, 5, -1},  {40, 5, -1},   {40, 5, -1},   {30, 0, -1},   {20, 0, -1},   {10, 0, 5},   {5, 0, 0},
}};

} // namespace

Intero Punteggio::PerNumero(Intero risposte, Intero numMax)
{
    Intero s = 0;
    if (risposte >= 1 && risposte <= 20) {
        const Riga &r = Tabella[static_cast<std::size_t>(risposte)];
        s = r.base;
        if (numMax == 10 && r.conMax10 >= 0)
            s = r.conMax10;
        if (numMax == 20 && r.conMax20 >= 0)
            s = r.conMax20;
    }
    // A lost number (21) stays above every threshold, so it never gets a bonus.
    for (const Premio &b : Premi)
        if (risposte >= 1 && numMax >= b.daMax && numMax <= b.aMax && risposte <= b.risposteAlPiu)
            s = Massimo;
    return s;
}

Intero Punteggio::Media(std::span<const std::optional<Intero>> punteggi)
{
    int somma = 0;
    int conteggio = 0;
    for (const std::optional<Intero> &p : punteggi) {
        if (!p)
            break;
        ++conteggio;
        somma += *p;
    }
    if (conteggio == 0)
        return 0;
    return ArrotondaPari(std::floor(static_cast<double>(somma) / conteggio + 0.5));
}
