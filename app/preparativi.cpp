// SPDX-License-Identifier: MIT
#include "preparativi.h"

#include <QDBusConnection>

#if __has_include(<dlfcn.h>) && !defined(CERCANUM_RIPIEGHI)
#include <dlfcn.h>
#endif

void LeggiConfigurazioneCaratteri()
{
    // Found, not linked: the font library is the one Qt's GUI module already loaded, and a build
    // without it simply skips the head start; so does a system whose dynamic linker cannot be asked
    // for a symbol in whatever is loaded.
#ifdef RTLD_DEFAULT
    using Funzione = int (*)();
    if (const auto inizializza = reinterpret_cast<Funzione>(dlsym(RTLD_DEFAULT, "FcInit")))
        inizializza();
#endif
}

void CollegaBusDiSessione()
{
    QDBusConnection::sessionBus();
}
