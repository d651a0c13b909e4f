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
};
