// SPDX-License-Identifier: MIT
#include "cursoremano.h"

#include "immagini.h"

QCursor CursoreMano()
{
    QPoint punto;
    const QImage immagine = Immagini::LeggiGrezza(QStringLiteral(":/cursors/101.cur.grezza"), &punto);
    if (immagine.isNull() || punto.x() < 0 || punto.y() < 0)
        return QCursor(Qt::PointingHandCursor);
    return QCursor(QPixmap::fromImage(immagine), punto.x(), punto.y());
}
