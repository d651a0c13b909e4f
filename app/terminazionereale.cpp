// SPDX-License-Identifier: MIT
#include "terminazionereale.h"

#include "suoni.h"

#include <cstdio>
#include <cstdlib>

void TerminazioneReale::TerminaSubito()
{
    // Leaving the event loops one by one would let the code after each exec() run on.
    suoni.Ferma();
    std::fflush(nullptr);
    std::exit(0);
}
