// SPDX-License-Identifier: MIT
#include "etichetta.h"

#include <QPainter>

Etichetta::Etichetta(QWidget *parent) : QWidget(parent), coloreTesto(palette().color(QPalette::WindowText))
{
}

void Etichetta::ImpostaTesto(const QString &t)
{
    if (t == testo)
        return;
    testo = t;
    update();
}

void Etichetta::ImpostaColoreTesto(const QColor &c)
{
    coloreTesto = c;
    update();
}

void Etichetta::ImpostaSfondo(const QColor &c)
{
    sfondo = c;
    update();
}

void Etichetta::ImpostaBordo(bool b)
{
    bordo = b;
    update();
}

Etichetta *Etichetta::Copia() const
{
    auto *copia = new Etichetta(parentWidget());
    copia->setGeometry(geometry());
    copia->setFont(font());
    copia->setToolTip(toolTip());
    copia->setCursor(cursor());
    copia->testo = testo;
    copia->coloreTesto = coloreTesto;
    copia->sfondo = sfondo;
    copia->bordo = bordo;
    copia->hide();
    return copia;
}

void Etichetta::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (sfondo.isValid())
        p.fillRect(rect(), sfondo);
    const int margine = bordo ? 1 : 0;
    p.setPen(coloreTesto);
    p.setFont(font());
    QString mostrato = testo;
    mostrato.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    p.drawText(rect().adjusted(margine, margine, -margine, -margine),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, mostrato);
    if (bordo) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
