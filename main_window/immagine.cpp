// SPDX-License-Identifier: MIT
#include "immagine.h"

#include "immagini.h"

#include <QPainter>

Immagine::Immagine(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Immagine::ImpostaFigura(const QPixmap &f)
{
    figura = f;
    update();
}

void Immagine::paintEvent(QPaintEvent *)
{
    if (figura.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, Immagini::PerScala(figura, p.deviceTransform().m11()));
}
