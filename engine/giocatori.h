// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <array>
#include <string>

// Who plays: chosen in the start dialog, kept for the whole run by the game window, and read by
// the rules for the turns and the names.
struct Giocatori
{
    using Nomi = std::array<std::string, 2>;

    Intero NumGiocatori = 1;
    // Empty until two players are first chosen; then exactly 10 characters each (UTF-8).
    Nomi NomeGiocatore;
};
