// SPDX-License-Identifier: MIT
#pragma once

#include "partita.h"

class QWidget;

// Opens the two modal windows the game window depends on; each call returns once it is closed.
class Dialoghi
{
public:
    virtual ~Dialoghi() = default;
    // The start dialog, its name boxes filled with the names chosen last. With one player the
    // names come back as they were handed in.
    virtual Giocatori MostraPresentazione(QWidget *padre, const Partita::Nomi &nomi) = 0;
    // The information window; `avvio` when it opens at start-up, before the first game.
    virtual void MostraInformazioni(QWidget *padre, bool avvio) = 0;
};
