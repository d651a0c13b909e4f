// SPDX-License-Identifier: MIT
#pragma once

#include "frmcercanum.h"

// Marks the handling of an answer or of a new number; clicks on the new-game and information
// buttons that arrive meanwhile run once it is over.
class Occupazione
{
public:
    explicit Occupazione(frmCercanum &f)
        : finestra(f)
    {
        ++finestra.occupato;
    }
    ~Occupazione()
    {
        if (--finestra.occupato == 0 && finestra.rinvio != frmCercanum::Rinvio::Nessuno)
            QMetaObject::invokeMethod(&finestra, &frmCercanum::EseguiRinvio, Qt::QueuedConnection);
    }
    Occupazione(const Occupazione &) = delete;
    Occupazione &operator=(const Occupazione &) = delete;

private:
    frmCercanum &finestra;
};
