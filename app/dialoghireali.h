// SPDX-License-Identifier: MIT
#pragma once

#include "dialoghi.h"

class Suoni;

class DialoghiReali final : public Dialoghi
{
public:
    explicit DialoghiReali(Suoni &suoni)
        : suoni(suoni)
    {
    }
    Giocatori MostraPresentazione(QWidget *padre, const Partita::Nomi &nomi) override;
    void MostraInformazioni(QWidget *padre, bool avvio) override;

private:
    Suoni &suoni;
};
