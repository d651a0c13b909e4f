// SPDX-License-Identifier: MIT
#include "decodificasdl.h"

#include <SDL.h>

#include <cstring>

PcmDecodificato DecodificaConSdl(const std::vector<std::uint8_t> &immagine)
{
    // Without these SDL drops the final partial block and ignores the "fact" count.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "dropframe");
    SDL_SetHint(SDL_HINT_WAVE_FACT_CHUNK, "truncate");

    PcmDecodificato r;
    SDL_AudioSpec formato{};
    Uint8 *buffer = nullptr;
    Uint32 lunghezza = 0;
    SDL_RWops *rw = SDL_RWFromConstMem(immagine.data(), static_cast<int>(immagine.size()));
    if (!rw || !SDL_LoadWAV_RW(rw, 1, &formato, &buffer, &lunghezza)) {
        r.errore = SDL_GetError();
        return r;
    }
    if (formato.format == AUDIO_S16SYS) {
        r.riuscito = true;
        r.frequenza = formato.freq;
        r.canali = formato.channels;
        r.campioni.resize(lunghezza / 2);
        std::memcpy(r.campioni.data(), buffer, r.campioni.size() * 2);
    } else {
        r.errore = "SDL gave a sample format other than 16-bit";
    }
    SDL_FreeWAV(buffer);
    return r;
}
