// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <array>

// Which of the six judgement pictures a player's average earns: 0 is the best (mortarboard
// with a diploma), 5 the worst (brain struck through).
class Giudizio
{
public:
    struct Fascia
    {
        Intero minimo; // lowest average of the band
        int figura;
    };
    // From the best band down; the first whose minimum the average reaches is its band.
    static constexpr std::array<Fascia, 6> Fasce{{
        {90, 0},
        {80, 1},
        {65, 2},
        {50, 3},
        {20, 4},
        {0, 5},
    }};

    static constexpr int PerMedia(Intero media)
    {
        for (const Fascia &f : Fasce)
            if (media >= f.minimo)
                return f.figura;
        return Fasce.back().figura;
    }
};
