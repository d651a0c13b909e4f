// SPDX-License-Identifier: MIT
#include "pulsante.h"

#include "tavolozza.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

Pulsante::Pulsante(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
}

QColor Pulsante::Sfondo() const
{
    return palette().color(QPalette::Button);
}

void Pulsante::ImpostaSfondo(const QColor &c)
{
    Tavolozza::Imposta(this, QPalette::Button, c);
}

void Pulsante::ImpostaFigura(const QPixmap &f)
{
    figura = f;
    update();
}

void Pulsante::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // Flat in its own colour with a plain 3-D frame: a style's shading would lighten the cream,
    // the light yellow and the red of a flash.
    const bool premuto = isDown() || isChecked();
    p.fillRect(rect(), Sfondo());
    qDrawWinButton(&p, rect(), palette(), premuto);

    const int spinta = premuto ? 1 : 0; // a pressed button shifts its content by a pixel
    const QSize lato = figura.isNull() ? QSize() : figura.deviceIndependentSize().toSize();
    const QFontMetrics fm(font());
    const int altezzaTesto = text().isEmpty() ? 0 : fm.height();
    const int alto = (height() - lato.height() - altezzaTesto) / 2;
    if (!figura.isNull())
        p.drawPixmap((width() - lato.width()) / 2 + spinta, std::max(alto, 1) + spinta, figura);
    if (!text().isEmpty()) {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        // Under the picture when there is one, otherwise in the middle.
        const int cima = figura.isNull() ? alto : height() - altezzaTesto - 2;
        const QRect riga(spinta, cima + spinta, width(), altezzaTesto);
        p.drawText(riga, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fuoco, &p, this);
    }
}
