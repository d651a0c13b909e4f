// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PcmDecodificato
{
    bool riuscito = false;
    std::string errore;
    int frequenza = 0;
    int canali = 0;
    std::vector<std::int16_t> campioni;
};

// Decodes a RIFF/WAVE image with SDL, set up as the game sets it up for exact sample counts.
PcmDecodificato DecodificaConSdl(const std::vector<std::uint8_t> &immagine);
