// SPDX-License-Identifier: MIT
#pragma once

#include "partita.h"

// What the game remembers between games for the whole run: who plays, and whether the
// information window is the one shown at start-up. The game window owns it; the dialogs are
// handed what they need and return their answer.
struct Cercanum
{
    Intero NumGiocatori = 1;
    // Empty until two players are first chosen; then exactly 10 characters each (UTF-8).
    Partita::Nomi NomeGiocatore;
    bool AvvioInCorso = false;
};
