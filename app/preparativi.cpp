// SPDX-License-Identifier: MIT
#include "preparativi.h"

#include <QDBusConnection>

#include <dlfcn.h>

void LeggiConfigurazioneCaratteri()
{
    // Found, not linked: the font library is the one Qt's GUI module already loaded, and a build
    // without it simply skips the head start.
    using Funzione = int (*)();
    if (const auto inizializza = reinterpret_cast<Funzione>(dlsym(RTLD_DEFAULT, "FcInit")))
        inizializza();
}

void CollegaBusDiSessione()
{
    QDBusConnection::sessionBus();
}
