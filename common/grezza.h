// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// A picture already decoded at build time (tools/grezze), embedded uncompressed so that the game
// wraps its pixels in place instead of going through Qt's image readers and their plugins.
// The header is followed by the rows, top first, as QImage::Format_ARGB32_Premultiplied words.
// Header and pixels are in the byte order of the machine that builds: the converter runs there.
namespace Grezza {

inline constexpr char Magia[4] = {'C', 'G', 'R', '1'};

// The picture has no transparent or partly covered pixel: its words are valid RGB32 too, which
// spares QPixmap a scan and a copy to drop the alpha channel.
inline constexpr quint32 Opaca = 1;

struct Intestazione
{
    char magia[4];
    quint16 larghezza;
    quint16 altezza;
    // The hot spot of a cursor; -1, -1 for a picture.
    qint16 puntoX;
    qint16 puntoY;
    quint32 opzioni;
};
// Sixteen bytes keep the rows on a 32-bit boundary wherever the data starts on one.
static_assert(sizeof(Intestazione) == 16);

} // namespace Grezza
