// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"
#include "partita.h"

#include <optional>

// The face that reacts to the answers of a number: faces 0 to 6 by the count of answers so far,
// in steps of three; two special values for a number found and a number given up.
class Faccia
{
public:
    static constexpr Intero Indovinato = 100;
    static constexpr Intero Perso = 50;
    static constexpr Intero Nessuna = -1;

    static constexpr int RispostePerFaccia = 3;
    static constexpr int FacciaIndovinato = 8;
    static constexpr int FacciaPerso = 7;

    // The face for `valore`; none for every value outside the table.
    static constexpr std::optional<int> PerValore(Intero valore)
    {
        if (valore >= 0 && valore <= Partita::RisposteMassime)
            return valore / RispostePerFaccia;
        if (valore == Perso)
            return FacciaPerso;
        if (valore == Indovinato)
            return FacciaIndovinato;
        return std::nullopt;
    }
};
