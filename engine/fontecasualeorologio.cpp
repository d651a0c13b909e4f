// SPDX-License-Identifier: MIT
#include "fontecasualeorologio.h"

#include <chrono>
#include <random>

float FonteCasualeOrologio::Estrai()
{
    const auto adesso = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seme{static_cast<unsigned>(adesso), static_cast<unsigned>(adesso >> 32)};
    std::mt19937 generatore(seme);
    // 24 random bits scaled by 2^-24: every value is exact in a float and 1.0 is never reached.
    return static_cast<float>(generatore() >> 8) * (1.0f / 16777216.0f);
}
