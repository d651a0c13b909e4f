// SPDX-License-Identifier: MIT
#include "linea.h"

#include <QPainter>

Linea::Linea(QWidget *parent, const QLine &e, int s, const QColor &c)
    : QWidget(parent)
    , estremi(e)
    , spessore(s)
    , colore(c)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect box = QRect(e.p1(), e.p2()).normalized();
    setGeometry(box.adjusted(-spessore, -spessore, spessore, spessore));
}

void Linea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(estremi.translated(-pos()));
}
