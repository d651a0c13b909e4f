// SPDX-License-Identifier: MIT
#include "suoni.h"

#include "uscitaaudio.h"

#include <QFile>

Suoni::Suoni(UscitaAudio *u)
    : uscita(u)
{
}

int Suoni::NumDispositivi() const
{
    return uscita ? uscita->NumDispositivi() : 0;
}

void Suoni::Suona(Effetto effetto)
{
    if (attivo)
        SuonaWav(static_cast<Intero>(effetto));
}

void Suoni::SuonaWav(Intero id)
{
    QFile risorsa(QStringLiteral(":/sounds/%1.wav").arg(id));
    datiSuono = risorsa.open(QIODevice::ReadOnly) ? risorsa.readAll() : QByteArray();
    if (uscita)
        uscita->Riproduci(id, datiSuono); // an image it cannot play stays silent there
}

void Suoni::Ferma()
{
    if (uscita)
        uscita->Ferma();
}
