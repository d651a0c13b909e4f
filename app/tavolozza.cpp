// SPDX-License-Identifier: MIT
#include "tavolozza.h"

#include <QWidget>

#include <deque>

void Tavolozza::Imposta(QWidget *w, QPalette::ColorRole ruolo, const QColor &c)
{
    QPalette pal = w->palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(gruppo, ruolo, c);
    w->setPalette(pal);
}

const QPalette &Tavolozza::Condivisa(const QPalette &p)
{
    // A handful of colour sets over a whole run; never released, like the style's own.
    static std::deque<QPalette> viste; // references stay valid as it grows
    for (const QPalette &v : viste)
        if (v == p && v.resolveMask() == p.resolveMask())
            return v;
    viste.push_back(p);
    return viste.back();
}
