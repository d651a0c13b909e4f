// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A whole RIFF/WAVE file around Microsoft ADPCM blocks (mono, 4 bits, 256-byte blocks of 500
// samples): "fmt " of 50 bytes, then "fact" when a sample count is given, then "data".
std::vector<std::uint8_t> ImmagineWav(int frequenza, std::span<const std::uint8_t> dati,
                                      std::optional<std::uint32_t> campioniFact);
