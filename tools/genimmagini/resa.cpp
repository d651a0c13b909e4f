// SPDX-License-Identifier: MIT
#include "resa.h"
#include "quantizza.h"

#include <QPainter>

QImage Rendi(Disegno disegno, QSize dimensione, int scala)
{
    QImage grande(dimensione * scala, QImage::Format_ARGB32_Premultiplied);
    grande.fill(Qt::transparent);
    QPainter p(&grande);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.scale(scala, scala);
    disegno(p);
    p.end();
    return grande;
}

QImage Riduci(const QImage &grande, int fattore)
{
    const QImage sorgente = grande.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage piccola(sorgente.width() / fattore, sorgente.height() / fattore, QImage::Format_ARGB32_Premultiplied);
    const int area = fattore * fattore;
    for (int y = 0; y < piccola.height(); ++y) {
        auto *riga = reinterpret_cast<QRgb *>(piccola.scanLine(y));
        for (int x = 0; x < piccola.width(); ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int dy = 0; dy < fattore; ++dy) {
                const auto *s = reinterpret_cast<const QRgb *>(sorgente.constScanLine(y * fattore + dy)) + x * fattore;
                for (int dx = 0; dx < fattore; ++dx) {
                    a += qAlpha(s[dx]);
                    r += qRed(s[dx]);
                    g += qGreen(s[dx]);
                    b += qBlue(s[dx]);
                }
            }
            // Rounded, so that a block of one colour keeps exactly that colour.
            riga[x] = qRgba((r + area / 2) / area, (g + area / 2) / area, (b + area / 2) / area, (a + area / 2) / area);
        }
    }
    return piccola;
}

QImage PerPng(const QImage &premoltiplicata, bool conAlfa)
{
    if (conAlfa)
        return premoltiplicata.convertToFormat(QImage::Format_ARGB32);
    QImage opaca(premoltiplicata.size(), QImage::Format_ARGB32);
    for (int y = 0; y < opaca.height(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(premoltiplicata.constScanLine(y));
        auto *d = reinterpret_cast<QRgb *>(opaca.scanLine(y));
        for (int x = 0; x < opaca.width(); ++x)
            d[x] = SuCarta(s[x]);
    }
    return opaca;
}
