// SPDX-License-Identifier: MIT
#include "catalogo.h"
#include "figure.h"

namespace {

Figura Icona(const char *nome, Disegno disegno, int colori = 16)
{
    return {QString::fromLatin1(nome), disegno, QSize(32, 32), Formato::Ico, colori, true, {}};
}

} // namespace

QString Figura::Cartella() const
{
    return formato == Formato::Cur ? QStringLiteral("resources/cursors") : QStringLiteral("resources/images");
}

QString Figura::Estensione() const
{
    switch (formato) {
    case Formato::Gif: return QStringLiteral("gif");
    case Formato::Bmp: return QStringLiteral("bmp");
    case Formato::Ico: return QStringLiteral("ico");
    case Formato::Cur: return QStringLiteral("cur");
    }
    return {};
}

const QList<Figura> &Catalogo()
{
    static const QList<Figura> catalogo = {
        {QStringLiteral("titolo"), DisegnaTitolo, QSize(267, 38), Formato::Gif, 64, true, {}},
        {QStringLiteral("sfondo"), DisegnaSfondo, QSize(78, 85), Formato::Bmp, 13, false, {}},
        Icona("smile0", DisegnaFaccia0),
        Icona("smile1", DisegnaFaccia1),
        Icona("smile2", DisegnaFaccia2),
        Icona("smile3", DisegnaFaccia3),
        Icona("smile4", DisegnaFaccia4),
        Icona("smile5", DisegnaFaccia5),
        Icona("smile6", DisegnaFaccia6),
        Icona("smile7", DisegnaFaccia7, 256),
        Icona("smile8", DisegnaFaccia8),
        Icona("maestro0", DisegnaMaestroContento),
        Icona("maestro1", DisegnaMaestroArrabbiato),
        Icona("domanda_rossa", DisegnaDomandaRossa),
        Icona("domanda_gialla", DisegnaDomandaGialla),
        Icona("giudizio0", DisegnaGiudizio0),
        Icona("giudizio1", DisegnaGiudizio1),
        Icona("giudizio2", DisegnaGiudizio2),
        Icona("giudizio3", DisegnaGiudizio3, 256),
        Icona("giudizio4", DisegnaGiudizio4, 256),
        Icona("giudizio5", DisegnaGiudizio5),
        Icona("pensa", DisegnaProfessore, 256),
        Icona("ingranaggio0", DisegnaIngranaggio0),
        Icona("ingranaggio1", DisegnaIngranaggio1),
        Icona("indice", DisegnaIndice),
        {QStringLiteral("buco"), DisegnaBuco, QSize(48, 48), Formato::Ico, 256, true, {}},
        Icona("bimbo0", DisegnaBimbo0, 256),
        Icona("bimbo1", DisegnaBimbo1, 256),
        Icona("nosuono", DisegnaNoSuono),
        Icona("mano", DisegnaManoPremuta),
        Icona("ricomincia", DisegnaRicomincia),
        Icona("esci", DisegnaEsci),
        {QStringLiteral("busta"), DisegnaBusta, QSize(14, 11), Formato::Bmp, 16, false, {}},
        {QStringLiteral("libro"), DisegnaLibro, QSize(16, 17), Formato::Bmp, 16, false, {}},
        {QStringLiteral("101"), DisegnaCursore, QSize(32, 32), Formato::Cur, 2, true, QPoint(6, 5)},
    };
    return catalogo;
}
