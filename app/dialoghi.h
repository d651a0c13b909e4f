// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Opens the two modal windows the game window depends on; each call returns once it is closed.
class Dialoghi
{
public:
    virtual ~Dialoghi() = default;
    // The start dialog: leaves its answer in Cercanum::NumGiocatori and Cercanum::NomeGiocatore.
    virtual void MostraPresentazione(QWidget *padre) = 0;
    // The information window.
    virtual void MostraInformazioni(QWidget *padre) = 0;
};
