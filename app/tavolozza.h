// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// A colour as the windows' layout tables write it.
struct Rgb
{
    int r, g, b;
};

// Colours of the three windows: from the layout tables to a widget's palette.
class Tavolozza
{
public:
    static QColor Colore(const Rgb &c) { return QColor(c.r, c.g, c.b); }
    // The same colour whether the widget is active, inactive or disabled, as the game's
    // controls keep their colours when disabled.
    static void Imposta(QWidget *w, QPalette::ColorRole ruolo, const QColor &c);
    // One palette object per distinct set of colours, to draw with. Styles cache their drawings
    // under the palette's identity (cacheKey), not its colours, and a widget gets a new identity
    // at every setPalette: drawn with its own palette, a flashing button filled the pixmap cache
    // with copies of the same two bevels, ~250 kB a game until the cache's 10 MB were reached.
    static const QPalette &Condivisa(const QPalette &p);
};
