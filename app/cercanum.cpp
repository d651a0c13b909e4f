// SPDX-License-Identifier: MIT
#include "cercanum.h"

#include "uscitaaudio.h"

#include <QCoreApplication>
#include <QFile>

namespace {
UscitaAudio *uscitaAudio = nullptr;
}

namespace Cercanum {

void ImpostaUscitaAudio(UscitaAudio *uscita)
{
    uscitaAudio = uscita;
}

UscitaAudio *UscitaCorrente()
{
    return uscitaAudio;
}

void SuonaWav(Intero id)
{
    QFile risorsa(QStringLiteral(":/sounds/%1.wav").arg(id));
    DatiSuono = risorsa.open(QIODevice::ReadOnly) ? risorsa.readAll() : QByteArray();
    if (uscitaAudio)
        uscitaAudio->Riproduci(id, DatiSuono); // an image it cannot play stays silent there
    QCoreApplication::processEvents();
}

} // namespace Cercanum
