// SPDX-License-Identifier: MIT
#include "libreriasdl.h"

#ifdef CERCANUM_SDL_APERTA
#include <dlfcn.h>
#endif

namespace {

#ifdef CERCANUM_SDL_APERTA
template <typename F> bool Risolvi(void *libreria, const char *nome, F &funzione)
{
    funzione = reinterpret_cast<F>(dlsym(libreria, nome));
    return funzione != nullptr;
}

// The soname of every SDL 2 release: the ABI the headers we build with promise.
constexpr const char *NomeLibreria = "libSDL2-2.0.so.0";

bool Trova(LibreriaSdl &l)
{
    void *h = dlopen(NomeLibreria, RTLD_NOW | RTLD_LOCAL);
    if (!h)
        return false;
    // A library without every function stays loaded but unused.
    return Risolvi(h, "SDL_SetHint", l.SetHint) && Risolvi(h, "SDL_InitSubSystem", l.InitSubSystem)
           && Risolvi(h, "SDL_QuitSubSystem", l.QuitSubSystem)
           && Risolvi(h, "SDL_GetNumAudioDevices", l.GetNumAudioDevices)
           && Risolvi(h, "SDL_OpenAudioDevice", l.OpenAudioDevice)
           && Risolvi(h, "SDL_PauseAudioDevice", l.PauseAudioDevice)
           && Risolvi(h, "SDL_CloseAudioDevice", l.CloseAudioDevice)
           && Risolvi(h, "SDL_LockAudioDevice", l.LockAudioDevice)
           && Risolvi(h, "SDL_UnlockAudioDevice", l.UnlockAudioDevice) && Risolvi(h, "SDL_QueueAudio", l.QueueAudio)
           && Risolvi(h, "SDL_ClearQueuedAudio", l.ClearQueuedAudio)
           && Risolvi(h, "SDL_GetQueuedAudioSize", l.GetQueuedAudioSize)
           && Risolvi(h, "SDL_RWFromConstMem", l.RWFromConstMem) && Risolvi(h, "SDL_LoadWAV_RW", l.LoadWAV_RW)
           && Risolvi(h, "SDL_FreeWAV", l.FreeWAV) && Risolvi(h, "SDL_BuildAudioCVT", l.BuildAudioCVT)
           && Risolvi(h, "SDL_ConvertAudio", l.ConvertAudio);
}
#else
// Linked: every function is simply there.
bool Trova(LibreriaSdl &l)
{
    l = {SDL_SetHint,          SDL_InitSubSystem,      SDL_QuitSubSystem,   SDL_GetNumAudioDevices, SDL_OpenAudioDevice,
         SDL_PauseAudioDevice, SDL_CloseAudioDevice,   SDL_LockAudioDevice, SDL_UnlockAudioDevice,  SDL_QueueAudio,
         SDL_ClearQueuedAudio, SDL_GetQueuedAudioSize, SDL_RWFromConstMem,  SDL_LoadWAV_RW,         SDL_FreeWAV,
         SDL_BuildAudioCVT,    SDL_ConvertAudio};
    return true;
}
#endif

bool Apri(LibreriaSdl &l)
{
    if (!Trova(l))
        return false;
    // Without this SDL swallows SIGTERM and the desktop cannot stop the game.
    l.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Exact sample counts: keep the final partial ADPCM block and honour the "fact" count.
    l.SetHint(SDL_HINT_WAVE_TRUNCATION, "dropframe");
    l.SetHint(SDL_HINT_WAVE_FACT_CHUNK, "truncate");
    return true;
}

} // namespace

const LibreriaSdl *LibreriaSdl::Carica()
{
    static LibreriaSdl libreria{};
    static const bool caricata = Apri(libreria);
    return caricata ? &libreria : nullptr;
}
