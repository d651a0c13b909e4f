// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// Microsoft ADPCM, mono, 4 bits per sample, in the one layout all the game's sounds share.
namespace msadpcm {

inline constexpr int ByteBlocco = 256;
inline constexpr int CampioniBlocco = 500;
inline constexpr int ByteIntestazione = 7;

// The standard pairs. Decoders (SDL among them) refuse a header whose first seven differ.
inline constexpr std::array<std::array<std::int16_t, 2>, 7> Coefficienti = {{
    {256, 0},
    {512, -256},
    {0, 0},
    {192, 64},
    {240, 0},
    {460, -208},
    {392, -232},
}};

struct Codificato
{
    std::vector<std::uint8_t> dati;       // the blocks, ready for the "data" chunk
    std::vector<std::int16_t> decodifica; // what a decoder of the format gets back from them
};

// Every block but the last holds 500 samples; the last needs an even count of at least 2
// (std::invalid_argument otherwise). Each block gets the predictor that loses least.
Codificato Codifica(std::span<const std::int16_t> pcm);

} // namespace msadpcm
