// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// SDL2's audio functions, taken from the shared library the first time sound is needed. Linked
// normally, SDL and the thirty libraries it pulls in would be loaded and relocated before the
// game's window could appear; loaded here, they cost the start-up nothing. Where the library has no
// file name to open it by (not an ELF system), SDL is linked and the functions are its own.
struct LibreriaSdl
{
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_GetNumAudioDevices) GetNumAudioDevices;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_LockAudioDevice) LockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice;
    decltype(&SDL_QueueAudio) QueueAudio;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&SDL_RWFromConstMem) RWFromConstMem;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&SDL_ConvertAudio) ConvertAudio;

    // The library, loaded once with the game's hints set and never unloaded (its threads may outlive any owner); nullptr
    // when it is missing or lacks a function, and the game is then silent.
    static const LibreriaSdl *Carica();
};
