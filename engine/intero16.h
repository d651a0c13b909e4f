// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdint>

// The game counts in signed 16-bit integers.
using Intero = std::int16_t;

// Fraction to 16-bit integer: nearest, ties to even (2.5 -> 2, 3.5 -> 4), saturated at the ends.
inline Intero ArrotondaPari(double valore)
{
    const double r = std::nearbyint(valore); // the default rounding mode breaks ties to even
    if (r >= 32767.0)
        return 32767;
    if (r <= -32768.0)
        return -32768;
    return static_cast<Intero>(r);
}
