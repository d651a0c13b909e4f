// SPDX-License-Identifier: MIT
#include "terminazionereale.h"

#include "cercanum.h"
#include "uscitaaudio.h"

#include <cstdio>
#include <cstdlib>

void TerminazioneReale::TerminaSubito()
{
    // Leaving the event loops one by one would let the code after each exec() run on.
    if (UscitaAudio *audio = Cercanum::UscitaCorrente())
        audio->Ferma();
    std::fflush(nullptr);
    std::exit(0);
}
