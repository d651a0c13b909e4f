// SPDX-License-Identifier: MIT
#include "dialoghireali.h"

#include "accessibilita.h"
#include "frmabout.h"
#include "frmpresent.h"
#include "ingrandimento.h"
#include "memoria.h"

namespace {

// Centred over the window that opens it. Qt's own centring assumes a 10 × 40 frame when it
// sees none (no window manager), which puts the dialog off centre; the opener's frame is the
// better guess for the dialog's.
void CentraSopra(QWidget *dialogo, QWidget *padre)
{
    if (!padre)
        return; // Qt centres it on the screen
    const QWidget *apre = padre->window();
    const QRect fuori = apre->frameGeometry();
    const QSize tutto = dialogo->size() + (fuori.size() - apre->size());
    dialogo->move(fuori.center() - QPoint(tutto.width() / 2, tutto.height() / 2));
}

} // namespace

// Both windows are built afresh at every opening, so each starts from its designed state,
// and are gone when the call returns.

Giocatori DialoghiReali::MostraPresentazione(QWidget *padre, const Partita::Nomi &nomi)
{
    const MemoriaRestituitaIntorno memoria;
    frmPresent dialogo(padre, nomi, suoni);
    Accessibilita::Prepara(&dialogo);
    CentraSopra(&dialogo, padre);
    EseguiSopra(dialogo, padre);
    return dialogo.Scelta();
}

void DialoghiReali::MostraInformazioni(QWidget *padre, bool avvio)
{
    const MemoriaRestituitaIntorno memoria;
    frmAbout dialogo(padre, avvio);
    Accessibilita::Prepara(&dialogo);
    CentraSopra(&dialogo, padre);
    EseguiSopra(dialogo, padre);
}
