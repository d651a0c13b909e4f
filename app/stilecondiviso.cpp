// SPDX-License-Identifier: MIT
#include "stilecondiviso.h"

#include "tavolozza.h"

#include <QStyleOptionButton>

StileCondiviso::StileCondiviso(QStyle *base) : QProxyStyle(base)
{
}

void StileCondiviso::drawControl(ControlElement elemento, const QStyleOption *opzione, QPainter *pittore,
                                 const QWidget *widget) const
{
    const auto *pulsante = qstyleoption_cast<const QStyleOptionButton *>(opzione);
    if (pulsante && (elemento == CE_PushButton || elemento == CE_PushButtonBevel)) {
        QStyleOptionButton copia(*pulsante);
        copia.palette = Tavolozza::Condivisa(copia.palette);
        QProxyStyle::drawControl(elemento, &copia, pittore, widget);
        return;
    }
    QProxyStyle::drawControl(elemento, opzione, pittore, widget);
}
