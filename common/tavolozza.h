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

// Every colour of the three windows, by name.
namespace Colore {
inline constexpr Rgb Crema{244, 242, 212};
inline constexpr Rgb GialloChiaro{255, 255, 192};
inline constexpr Rgb Giallo{255, 255, 0};
inline constexpr Rgb RossoChiaro{255, 192, 192};
inline constexpr Rgb Rosso{255, 0, 0};
inline constexpr Rgb RossoScuro{192, 0, 0};
inline constexpr Rgb VerdeChiaro{192, 255, 192};
inline constexpr Rgb Verde{0, 192, 0};
inline constexpr Rgb VerdeScuro{0, 128, 0};
inline constexpr Rgb Blu{0, 0, 255};
inline constexpr Rgb Grigio{128, 128, 128};
inline constexpr Rgb GrigioChiaro{224, 224, 224};
inline constexpr Rgb Argento{192, 192, 192};
inline constexpr Rgb Bianco{255, 255, 255};
inline constexpr Rgb Nero{0, 0, 0};
} // namespace Colore

// Colours of the three windows: from the layout tables to a widget's palette.
class Tavolozza
{
public:
    static QColor Colore(const Rgb &c) { return QColor(c.r, c.g, c.b); }
    // The same colour whether the widget is active, inactive or disabled, as the game's
    // controls keep their colours when disabled.
    static void Imposta(QWidget *w, QPalette::ColorRole ruolo, const QColor &c);
};
