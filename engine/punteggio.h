// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <array>
#include <limits>
#include <optional>
#include <span>

// The score of one number and the running average of a player's scores.
class Punteggio
{
public:
    // Full marks for few answers in a wide range; each bonus holds on its own.
    struct Premio
    {
        Intero daMax; // announced maximum from...
        Intero aMax;  // ...to, both included
        Intero risposteAlPiu;
    };
    static constexpr std::array<Premio, 3> Premi{{
        {20, 20, 5},
        {30, std::numeric_limits<Intero>::max(), 6},
        {80, std::numeric_limits<Intero>::max(), 7},
    }};
    static constexpr Intero Massimo = 100;

    // 0..100 from the answers used (21 = lost) and the announced maximum.
    static Intero PerNumero(Intero risposte, Intero numMax);
    // Average of a player's scores in the order played: stops at the first number not played
    // yet, and an exact half goes up. 0 when none is played.
    static Intero Media(std::span<const std::optional<Intero>> punteggi);
};
