// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPalette>
#include <QString>
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

// The frame of a button as painted, read along its diagonals: the three outermost pixels of its
// top-left corner, then the three of its bottom-right corner, outermost first.
inline QList<QColor> Cornice(QWidget *w)
{
    const QImage im = w->grab().toImage();
    QList<QColor> c;
    for (int d = 0; d < 3; ++d)
        c.append(im.pixelColor(d, d));
    for (int d = 0; d < 3; ++d)
        c.append(im.pixelColor(im.width() - 1 - d, im.height() - 1 - d));
    return c;
}

// How a dotted line runs down column x of a control from y0 to y1: '#' where a pixel reads
// `punto`, '.' where it reads `sfondo`, '?' elsewhere.
inline QString Colonna(QWidget *w, int x, int y0, int y1, const QColor &punto, const QColor &sfondo)
{
    const QImage im = w->grab().toImage();
    QString s;
    for (int y = y0; y <= y1; ++y) {
        const QColor c = im.pixelColor(x, y);
        s += c == punto ? QLatin1Char('#') : c == sfondo ? QLatin1Char('.') : QLatin1Char('?');
    }
    return s;
}
