// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QWidget>

// The colour of a control's background as painted: the pixels that take exactly each of two probe
// colours given as its background are its empty part, and all of them must read `atteso` exactly.
// Returns how many there are (0 when some read otherwise).
inline int PixelDelColore(QWidget *w, const QColor &atteso)
{
    auto sfondo = [w](const QColor &c) {
        QPalette pal = w->palette();
        for (auto ruolo : {QPalette::Button, QPalette::Base})
            pal.setColor(ruolo, c);
        w->setPalette(pal);
        return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QPalette originale = w->palette();
    const QColor sondaA(1, 2, 3), sondaB(250, 251, 252);
    const QImage a = sfondo(sondaA);
    const QImage b = sfondo(sondaB);
    w->setPalette(originale);
    const QImage vero = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int vuoti = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixelColor(x, y) != sondaA || b.pixelColor(x, y) != sondaB)
                continue;
            if (vero.pixelColor(x, y) != atteso)
                return 0;
            ++vuoti;
        }
    return vuoti;
}
