// SPDX-License-Identifier: MIT
#include "tavolozza.h"

#include <QWidget>

void Tavolozza::Imposta(QWidget *w, QPalette::ColorRole ruolo, const QColor &c)
{
    QPalette pal = w->palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(gruppo, ruolo, c);
    w->setPalette(pal);
}
