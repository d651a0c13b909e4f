// SPDX-License-Identifier: MIT
#include "forma.h"

#include <QPainter>

Forma::Forma(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::ImpostaRiempimento(const QColor &c)
{
    riempimento = c;
    update();
}

Forma *Forma::Copia() const
{
    auto *copia = new Forma(parentWidget());
    copia->setGeometry(geometry());
    copia->riempimento = riempimento;
    copia->hide();
    return copia;
}

void Forma::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(riempimento);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
