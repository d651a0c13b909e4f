// SPDX-License-Identifier: MIT
#include "testo.h"

#include <QRawFont>
#include <QTransform>

namespace {

// Large enough that the outlines come out unhinted.
constexpr qreal kDimensioneCarattere = 400.0;

const QRawFont &Carattere()
{
    static const QRawFont carattere(FileCarattere(), kDimensioneCarattere);
    if (!carattere.isValid())
        qFatal("cannot read the font %s", qPrintable(FileCarattere()));
    return carattere;
}

} // namespace

QString FileCarattere()
{
    return QStringLiteral(CERCANUM_CARATTERE_GRASSETTO);
}

QList<QPainterPath> PercorsiLettere(const QString &testo, qreal altezzaMaiuscole, qreal spaziatura)
{
    const QRawFont &carattere = Carattere();
    const QList<quint32> glifi = carattere.glyphIndexesForString(testo);
    const QList<QPointF> avanzamenti = carattere.advancesForGlyphIndexes(glifi);
    const qreal scala = altezzaMaiuscole / carattere.capHeight();

    QList<QPainterPath> lettere;
    qreal x = 0;
    for (qsizetype i = 0; i < glifi.size(); ++i) {
        QTransform t;
        t.translate(x, 0);
        t.scale(scala, scala);
        lettere.append(t.map(carattere.pathForGlyph(glifi[i])));
        x += avanzamenti[i].x() * scala + spaziatura;
    }
    return lettere;
}

QPainterPath PercorsoTesto(const QString &testo, qreal altezzaMaiuscole, qreal spaziatura)
{
    QPainterPath tutto;
    for (const QPainterPath &lettera : PercorsiLettere(testo, altezzaMaiuscole, spaziatura))
        tutto.addPath(lettera);
    return tutto;
}
