// SPDX-License-Identifier: MIT
#include "etichettanitida.h"

#include "immagini.h"

#include <QPainter>
#include <QStyle>

void EtichettaNitida::paintEvent(QPaintEvent *evento)
{
    const QPixmap figura = pixmap();
    QPainter p(this);
    const qreal scala = p.deviceTransform().m11();
    if (figura.isNull() || scala <= 1.0 || hasScaledContents() || !isEnabled()) {
        p.end();
        QLabel::paintEvent(evento);
        return;
    }
    drawFrame(&p);
    // Where QLabel itself would put it: the same alignment in the same rectangle.
    style()->drawItemPixmap(&p, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                            Immagini::PerScala(figura, scala));
}
