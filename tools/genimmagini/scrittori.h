// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPoint>

#include <cstdint>
#include <vector>

struct Indicizzata;

// The file formats of the game's pictures, written byte by byte (Qt reads them all but writes
// none of them the way the game needs them). Every function returns the whole file.

// GIF89a with a global palette of `colori` entries (a power of two): entry 0 is the transparent
// colour, the picture's own palette follows it.
QByteArray Gif(const Indicizzata &immagine, int colori);

// Uncompressed BMP at 4 bits per pixel, no mask; `colori` palette entries are stored (the
// picture's own, padded with black).
QByteArray Bmp4(const Indicizzata &immagine, int colori);

// An icon with one image: XOR image at `bit` bits per pixel (4 or 8) and the AND mask.
QByteArray Ico(const Indicizzata &immagine, int bit);

// A monochrome cursor (XOR image and AND mask at 1 bit) with its hot spot.
QByteArray Cur(const Indicizzata &immagine, QPoint puntoCaldo);

// The LZW code stream of a GIF image (the sub-blocks, without the minimum code size byte).
QByteArray Lzw(const std::vector<std::uint8_t> &indici, int dimensioneMinima);
