// SPDX-License-Identifier: MIT
#include "configurazionecaratteri.h"

#include <dlfcn.h>

ConfigurazioneCaratteri::ConfigurazioneCaratteri()
{
    // Found, not linked: the font library is the one Qt's GUI module already loaded, and a build
    // without it simply skips the head start.
    using Funzione = int (*)();
    const auto inizializza = reinterpret_cast<Funzione>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (inizializza)
        lettura = std::thread(inizializza);
}

ConfigurazioneCaratteri::~ConfigurazioneCaratteri()
{
    Attendi();
}

void ConfigurazioneCaratteri::Attendi()
{
    if (lettura.joinable())
        lettura.join();
}
