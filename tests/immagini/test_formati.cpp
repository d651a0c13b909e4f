// SPDX-License-Identifier: MIT
// The generator's writers and palette reduction, read back through Qt's own decoders.
#include "quantizza.h"
#include "scrittori.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Fixed-seed generator: the same pictures every run.
struct Lcg
{
    quint32 stato;
    int operator()(int n)
    {
        stato = stato * 1664525u + 1013904223u;
        return int((stato >> 8) % quint32(n));
    }
};

Indicizzata Casuale(int w, int h, int colori, bool maschera, quint32 seme)
{
    Lcg caso{seme};
    Indicizzata im;
    im.larghezza = w;
    im.altezza = h;
    for (int i = 0; i < colori; ++i)
        im.tavolozza.push_back(qRgb((i * 37) % 256, (i * 91 + 40) % 256, (i * 53 + 7) % 256));
    for (int i = 0; i < w * h; ++i) {
        im.indici.push_back(std::uint8_t(caso(colori)));
        im.trasparente.push_back(maschera && caso(4) == 0 ? 1 : 0);
    }
    return im;
}

// Every pixel decoded by Qt must be the palette colour written, or transparent where masked.
void Confronta(const QImage &letta, const Indicizzata &im)
{
    ASSERT_FALSE(letta.isNull());
    ASSERT_EQ(letta.size(), QSize(im.larghezza, im.altezza));
    const QImage argb = letta.convertToFormat(QImage::Format_ARGB32);
    int errori = 0;
    for (int y = 0; y < im.altezza; ++y)
        for (int x = 0; x < im.larghezza; ++x) {
            const size_t i = size_t(y) * im.larghezza + x;
            const QRgb c = argb.pixel(x, y);
            const bool ok = im.trasparente[i] ? qAlpha(c) == 0 : c == (im.tavolozza[im.indici[i]] | 0xff000000u);
            errori += ok ? 0 : 1;
        }
    EXPECT_EQ(errori, 0);
}

TEST(Gif, RandomPixelsFillTheCodeTableManyTimes)
{
    // Noise with 63 colours outgrows the 4096 codes every few thousand pixels, so the width
    // changes and table resets are all exercised.
    const Indicizzata im = Casuale(301, 97, 63, true, 1);
    Confronta(QImage::fromData(Gif(im, 64), "GIF"), im);
}

TEST(Gif, LongRunsAndTinyPictures)
{
    Indicizzata piana = Casuale(267, 38, 1, false, 2);
    Confronta(QImage::fromData(Gif(piana, 64), "GIF"), piana);
    const Indicizzata uno = Casuale(1, 1, 3, false, 3);
    Confronta(QImage::fromData(Gif(uno, 4), "GIF"), uno);
}

TEST(Bmp4, OddWidthsPadRowsCorrectly)
{
    for (int w : {1, 7, 14, 78}) {
        SCOPED_TRACE(w);
        const Indicizzata im = Casuale(w, 11, 13, false, quint32(w));
        Confronta(QImage::fromData(Bmp4(im, 13), "BMP"), im);
        Confronta(QImage::fromData(Bmp4(im, 16), "BMP"), im);
    }
}

TEST(Ico, MaskAndColoursSurviveAtBothDepths)
{
    const Indicizzata sedici = Casuale(32, 32, 16, true, 4);
    Confronta(QImage::fromData(Ico(sedici, 4), "ICO"), sedici);
    // 48 pixels make mask rows of 6 bytes, padded to 8.
    const Indicizzata buco = Casuale(48, 48, 256, true, 5);
    Confronta(QImage::fromData(Ico(buco, 8), "ICO"), buco);
}

TEST(Cur, HotSpotInTheDirectoryAndImageReadable)
{
    Indicizzata im = Casuale(32, 32, 2, true, 6);
    QByteArray file = Cur(im, QPoint(6, 5));
    EXPECT_EQ(quint8(file[2]), 2);
    EXPECT_EQ(quint8(file[10]) | quint8(file[11]) << 8, 6);
    EXPECT_EQ(quint8(file[12]) | quint8(file[13]) << 8, 5);
    file[2] = 1; // Qt reads the image once the file calls itself an icon
    Confronta(QImage::fromData(file, "ICO"), im);
}

QImage Premoltiplicata(int w, int h, QRgb colore)
{
    QImage im(w, h, QImage::Format_ARGB32_Premultiplied);
    im.fill(colore);
    return im;
}

TEST(Quantizza, FewColoursAreKeptExactly)
{
    QImage im = Premoltiplicata(10, 10, qRgb(10, 200, 30));
    for (int x = 0; x < 10; ++x)
        im.setPixel(x, 0, qRgb(x * 20, 5, 250));
    const Indicizzata q = Quantizza(im, 16, false);
    EXPECT_EQ(q.tavolozza.size(), 11u);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(q.tavolozza[q.indici[size_t(y) * 10 + x]], (im.pixel(x, y) & 0xffffffu) | 0xff000000u);
}

TEST(Quantizza, SmallDistinctAreaGetsItsOwnColour)
{
    // A grey ramp with far more shades than entries, and a dozen red pixels.
    QImage im(64, 32, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            im.setPixel(x, y, qRgb(x * 4, x * 4, x * 4 + y % 3));
    for (int x = 20; x < 32; ++x)
        im.setPixel(x, 10, qRgb(230, 20, 20));
    const Indicizzata q = Quantizza(im, 16, false);
    EXPECT_LE(q.tavolozza.size(), 16u);
    EXPECT_EQ(q.tavolozza[q.indici[10 * 64 + 25]], qRgb(230, 20, 20));
    // The ramp is still a ramp: no pixel far from its own shade.
    for (int x = 0; x < 64; ++x) {
        const QRgb c = q.tavolozza[q.indici[size_t(5) * 64 + x]];
        EXPECT_LE(std::abs(qGreen(c) - x * 4), 24) << x;
    }
}

TEST(Quantizza, MaskCutsAtAboutHalfAndFixedEntryComesFirst)
{
    QImage im = Premoltiplicata(4, 1, qRgba(0, 0, 0, 0));
    im.setPixel(1, 0, qPremultiply(qRgba(200, 0, 0, 60)));
    im.setPixel(2, 0, qPremultiply(qRgba(200, 0, 0, 180)));
    im.setPixel(3, 0, qRgb(200, 0, 0));
    const Indicizzata q = Quantizza(im, 16, true, qRgb(0, 0, 0));
    EXPECT_EQ(q.tavolozza[0], qRgb(0, 0, 0));
    EXPECT_EQ(q.trasparente, (std::vector<std::uint8_t>{1, 1, 0, 0}));
    EXPECT_EQ(q.indici[0], 0); // hidden pixels point at black, so XOR leaves the screen alone
    // The partly covered edge is blended with the paper, between red and cream.
    const QRgb bordo = q.tavolozza[q.indici[2]];
    EXPECT_GT(qGreen(bordo), 20);
    EXPECT_LT(qGreen(bordo), qGreen(kCarta));
}

TEST(Bicolore, OutlineIsClosedEvenWhenNotDrawn)
{
    QImage im = Premoltiplicata(8, 8, qRgba(0, 0, 0, 0));
    for (int y = 2; y < 6; ++y)
        for (int x = 1; x < 7; ++x)
            im.setPixel(x, y, qRgb(255, 255, 255));
    const Indicizzata q = Bicolore(im);
    auto a = [&](int x, int y) {
        return q.trasparente[size_t(y) * 8 + x] ? '.' : q.indici[size_t(y) * 8 + x] ? 'o' : '#';
    };
    QByteArray righe;
    for (int y = 1; y < 7; ++y) {
        for (int x = 0; x < 8; ++x)
            righe.append(a(x, y));
        righe.append('|');
    }
    EXPECT_EQ(righe, QByteArray("........|.######.|.#oooo#.|.#oooo#.|.######.|........|"));
}

} // namespace
