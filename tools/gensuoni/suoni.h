// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The seven effects the game embeds. Sizes are fixed by the game; the sound is ours.
struct Suono
{
    int id;
    int frequenza; // Hz
    int byteDati;  // length of the "data" chunk
    int campioni;  // samples a player decodes
    bool conFact;  // the count is stated in a "fact" chunk (the last block is not full)
};

inline constexpr std::array<Suono, 7> TabellaSuoni = {{
    {101, 8000, 2117, 4126, false},
    {102, 11025, 12544, 24373, true},
    {103, 8000, 7097, 13858, false},
    {104, 8000, 3862, 7532, false},
    {105, 8000, 10779, 21042, false},
    {106, 8000, 4449, 8682, false},
    {107, 11025, 11008, 21344, true},
}};

// `s.campioni` samples of 16-bit PCM at `s.frequenza`.
std::vector<std::int16_t> Sintetizza(const Suono &s);
