// SPDX-License-Identifier: MIT
#include "punteggio.h"

#include <array>
#include <charconv>
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
    {0, -1, -1},
    {100, -1, -1}, {100, -1, -1}, {100, -1, -1}, {100, -1, -1},
    {95, -1, -1}, {90, -1, -1}, {80, -1, -1}, {75, -1, -1},
    {70, 50, -1}, {70, 50, -1},
    {60, 10, -1}, {60, 10, -1},
    {50, 5, -1}, {50, 5, -1},
    {40, 5, -1}, {40, 5, -1},
    {30, 0, -1}, {20, 0, -1},
    {10, 0, 5}, {5, 0, 0},
}};

bool Numerico(const std::string &testo, int &valore)
{
    const auto inizio = testo.find_first_not_of(' ');
    if (inizio == std::string::npos)
        return false;
    const auto fine = testo.find_last_not_of(' ') + 1;
    const char *primo = testo.data() + inizio;
    const char *ultimo = testo.data() + fine;
    if (*primo == '+')
        ++primo;
    const auto [resto, errore] = std::from_chars(primo, ultimo, valore);
    return errore == std::errc{} && resto == ultimo;
}

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
    if (risposte >= 1) { // a lost number (21) never gets a bonus: it stays above every threshold
        if (numMax == 20 && risposte <= 5)
            s = 100;
        if (numMax >= 30 && risposte <= 6)
            s = 100;
        if (numMax >= 80 && risposte <= 7)
            s = 100;
    }
    return s;
}

Intero Punteggio::Media(const std::vector<std::string> &celle)
{
    int somma = 0;
    int conteggio = 0;
    for (const std::string &cella : celle) {
        if (cella.empty())
            break;
        ++conteggio;
        int valore = 0;
        if (Numerico(cella, valore))
            somma += valore;
    }
    if (conteggio == 0)
        return 0;
    return ArrotondaPari(std::floor(static_cast<double>(somma) / conteggio + 0.5));
}
