// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <optional>
#include <vector>

// The pictures sit on the cream paper (or on cream and light yellow buttons): edges are blended
// with it before the mask is cut, so that they stay smooth where they are actually seen.
constexpr QRgb kCarta = qRgb(244, 242, 212);

// A premultiplied pixel laid on the paper colour, opaque.
QRgb SuCarta(QRgb premoltiplicato);

// A picture as the palette formats store it.
struct Indicizzata
{
    int larghezza = 0;
    int altezza = 0;
    std::vector<QRgb> tavolozza;
    std::vector<std::uint8_t> indici;      // row by row, top row first
    std::vector<std::uint8_t> trasparente; // 1 where the mask hides the pixel

    QImage Immagine() const;
};

// Reduces a premultiplied picture to at most `colori` colours chosen for it. With a mask, pixels
// less than about half covered become transparent; the others, and every pixel without a mask,
// are laid on the paper colour. A fixed colour, when given, is palette entry 0 and is also the
// index of the transparent pixels.
Indicizzata Quantizza(const QImage &premoltiplicata, int colori, bool conMaschera,
                      std::optional<QRgb> fisso = std::nullopt);

// Black and white with a mask, for the cursor: entry 0 black, entry 1 white. Every white pixel
// next to a transparent one turns black, so the outline is always closed.
Indicizzata Bicolore(const QImage &premoltiplicata);
