// SPDX-License-Identifier: MIT
#pragma once

#include "giocatori.h"

// What the game remembers between games for the whole run: who plays (`NumGiocatori`,
// `NomeGiocatore`), and whether the information window is the one shown at start-up. The game
// window owns it; the dialogs are handed what they need and return their answer.
struct Cercanum : Giocatori
{
    bool AvvioInCorso = false;
};
