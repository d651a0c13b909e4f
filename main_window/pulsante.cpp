// SPDX-License-Identifier: MIT
#include "pulsante.h"

#include "tavolozza.h"

#include <QPainter>
#include <QStyleOptionButton>

Pulsante::Pulsante(QWidget *parent) : QPushButton(parent)
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
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    opt.palette = Tavolozza::Condivisa(opt.palette);
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);

    const int spinta = isDown() ? 1 : 0; // pressed buttons shift their content, as they always did
    const QSize lato = figura.isNull() ? QSize() : figura.deviceIndependentSize().toSize();
    const QFontMetrics fm(font());
    const int altezzaTesto = text().isEmpty() ? 0 : fm.height();
    const int alto = (height() - lato.height() - altezzaTesto) / 2;
    if (!figura.isNull())
        p.drawPixmap((width() - lato.width()) / 2 + spinta, std::max(alto, 1) + spinta, figura);
    if (!text().isEmpty()) {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        const QRect riga(0, height() - altezzaTesto - 2 + spinta, width(), altezzaTesto);
        p.drawText(riga.translated(spinta, 0), Qt::AlignHCenter | Qt::AlignVCenter, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fuoco, &p, this);
    }
}
