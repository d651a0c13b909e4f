// SPDX-License-Identifier: MIT
#include "banco.h"

#include "nomefisso.h"

#include <QCoreApplication>

Giocatori Banco::Dialoghi::MostraPresentazione(QWidget *padre, const Partita::Nomi &nomi)
{
    padri.push_back(padre);
    diario->append(QStringLiteral("presentazione"));
    nomiRicevuti.push_back(nomi);
    if (durante)
        durante();
    const Scelta s = scelte.empty() ? Scelta{} : scelte.front();
    if (!scelte.empty())
        scelte.pop_front();
    Giocatori g{s.giocatori, nomi};
    if (s.giocatori == 2)
        for (int i = 0; i < 2; ++i)
            g.NomeGiocatore[i] = NomeFisso::Adatta(s.nomi[i]);
    return g;
}

void Banco::Dialoghi::MostraInformazioni(QWidget *padre, bool avvio)
{
    padri.push_back(padre);
    diario->append(QStringLiteral("informazioni"));
    avvioDuranteInfo.push_back(avvio);
    if (durante)
        durante();
}

Banco::Banco()
{
    messaggi.diario = &diario;
    dialoghi.diario = &diario;
    terminazione.diario = &diario;
    audio.diario = &diario;
}

Banco::~Banco()
{
    finestra.reset();
}

frmCercanum &Banco::Finestra()
{
    if (!finestra)
        finestra = std::make_unique<frmCercanum>(Servizi{orologio, caso, messaggi, dialoghi, terminazione, suoni});
    return *finestra;
}

frmCercanum &Banco::Avvia(Scelta scelta)
{
    dialoghi.scelte.push_back(scelta);
    Finestra().Form_Load();
    // Nothing of the game runs the event loop any more: the window becomes active (and its
    // controls see their focus come and go) only once it runs.
    QCoreApplication::processEvents();
    return *finestra;
}

float PerSegreto(int segreto, int massimo)
{
    return (static_cast<float>(segreto) - 0.5f) / static_cast<float>(massimo);
}
