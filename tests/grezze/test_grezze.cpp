// SPDX-License-Identifier: MIT
// The pictures and the cursor as the game loads them from their raw form: the same pixels, mask
// and hot spot as the committed files decoded by Qt, read in place, and no image plugin loaded.
#include "conversione.h"
#include "cursoremano.h"
#include "figure.h"
#include "grezza.h"
#include "immagini.h"

#include <QFile>
#include <QResource>

#include <gtest/gtest.h>

#include <link.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

QString Originale(const QString &file)
{
    return QStringLiteral(CERCANUM_RISORSE "/") + file;
}

// Pixels that differ between two pictures, alpha included, compared as a pixmap holds them.
int Differenze(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (int y = 0; y < pa.height(); ++y)
        for (int x = 0; x < pa.width(); ++x)
            n += pa.pixel(x, y) != pb.pixel(x, y);
    return n;
}

std::vector<Figura> TutteLeFigure()
{
    std::vector<Figura> tutte(Figure::Tutte.begin(), Figure::Tutte.end());
    tutte.insert(tutte.end(), Figure::DelleInformazioni.begin(), Figure::DelleInformazioni.end());
    return tutte;
}

class FigureGrezze : public ::testing::TestWithParam<Figura>
{
};

TEST_P(FigureGrezze, SamePixelsAsTheOriginalReadInPlace)
{
    const Figura &f = GetParam();
    const QString nome = QString::fromLatin1(f.file);
    const QString percorso = QStringLiteral(":/images/%1.grezza").arg(nome);
    const QResource r(percorso);
    ASSERT_TRUE(r.isValid()) << "not embedded";
    EXPECT_EQ(r.compressionAlgorithm(), QResource::NoCompression);
    const auto *pixel = reinterpret_cast<const uchar *>(r.data()) + sizeof(Grezza::Intestazione);
    EXPECT_EQ(Immagini::LeggiGrezza(percorso).constBits(), pixel) << "copied, not wrapped";

    const QPixmap grezza = Immagini::Carica(f);
    const QPixmap originale(Originale(QStringLiteral("images/") + nome));
    ASSERT_FALSE(originale.isNull());
    EXPECT_EQ(grezza.size(), QSize(f.larghezza, f.altezza));
    EXPECT_EQ(grezza.hasAlphaChannel(), originale.hasAlphaChannel());
    EXPECT_EQ(Differenze(grezza.toImage(), originale.toImage()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Immagini, FigureGrezze, ::testing::ValuesIn(TutteLeFigure()), [](const ::testing::TestParamInfo<Figura> &i) {
        return QString::fromLatin1(i.param.file).replace(QLatin1Char('.'), QLatin1Char('_')).toStdString();
    });

TEST(CursoreGrezzo, SameImageAndHotSpotAsTheCurFile)
{
    QFile file(Originale(QStringLiteral("cursors/101.cur")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray dati = file.readAll();
    ASSERT_GE(dati.size(), 22);
    const QPoint punto(quint8(dati[10]) | quint8(dati[11]) << 8, quint8(dati[12]) | quint8(dati[13]) << 8);
    dati[2] = 1; // Qt reads the image once the file calls itself an icon
    const QImage originale = QImage::fromData(dati, "ICO");
    ASSERT_FALSE(originale.isNull());

    const QCursor c = CursoreMano();
    EXPECT_EQ(c.shape(), Qt::BitmapCursor);
    EXPECT_EQ(c.hotSpot(), punto);
    EXPECT_EQ(Differenze(c.pixmap().toImage(), originale), 0);
}

QImage Prova()
{
    QImage im(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            im.setPixel(x, y, qRgba(40 * x, 80 * y, 200, 255));
    im.setPixel(1, 1, qRgba(200, 100, 50, 128));
    im.setPixel(4, 2, qRgba(10, 20, 30, 0));
    return im;
}

TEST(LeggiGrezza, RoundTripKeepsPixelsAndHotSpot)
{
    const QByteArray dati = ScriviGrezza(Prova(), QPoint(4, 2));
    QPoint punto;
    const QImage letta = Immagini::AvvolgiGrezza(dati, &punto);
    EXPECT_EQ(punto, QPoint(4, 2));
    EXPECT_EQ(letta.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(Differenze(letta, Prova()), 0);

    // Bytes off a 32-bit boundary are copied, not handed to QImage.
    const QByteArray spostati = QByteArray(1, '\0') + dati;
    const QImage copia = Immagini::AvvolgiGrezza(QByteArrayView(spostati).sliced(1));
    EXPECT_NE(copia.constBits(),
              reinterpret_cast<const uchar *>(spostati.constData()) + 1 + sizeof(Grezza::Intestazione));
    EXPECT_EQ(Differenze(copia, letta), 0);
}

TEST(LeggiGrezza, OpaqueOnlyWithoutAnyTransparency)
{
    QImage im = Prova();
    im.setPixel(1, 1, qRgb(1, 2, 3));
    im.setPixel(4, 2, qRgb(4, 5, 6));
    const QByteArray opaca = ScriviGrezza(im);
    EXPECT_EQ(Immagini::AvvolgiGrezza(opaca).format(), QImage::Format_RGB32);
    EXPECT_EQ(Differenze(Immagini::AvvolgiGrezza(opaca), im), 0);
    im.setPixel(2, 0, qRgba(255, 255, 255, 254));
    EXPECT_EQ(Immagini::AvvolgiGrezza(ScriviGrezza(im)).format(), QImage::Format_ARGB32_Premultiplied);
}

TEST(LeggiGrezza, MalformedOrMissingGivesNothing)
{
    const QByteArray buona = ScriviGrezza(Prova());
    ASSERT_FALSE(Immagini::AvvolgiGrezza(buona).isNull());
    EXPECT_TRUE(Immagini::AvvolgiGrezza(buona.first(buona.size() - 1)).isNull()) << "a byte short";
    EXPECT_TRUE(Immagini::AvvolgiGrezza(buona + '\0').isNull()) << "a byte more";
    EXPECT_TRUE(Immagini::AvvolgiGrezza(buona.first(10)).isNull()) << "header cut";
    QByteArray alterata = buona;
    alterata[3] = '2';
    EXPECT_TRUE(Immagini::AvvolgiGrezza(alterata).isNull()) << "another magic";
    alterata = buona;
    alterata[4] = alterata[5] = char(0xff); // 65535 wide, with the pixels of 5
    EXPECT_TRUE(Immagini::AvvolgiGrezza(alterata).isNull()) << "size beyond the data";
    EXPECT_TRUE(Immagini::AvvolgiGrezza(ScriviGrezza(QImage())).isNull());

    EXPECT_TRUE(Immagini::Carica(QStringLiteral("nessuna.ico")).isNull());
    EXPECT_TRUE(Immagini::LeggiGrezza(QStringLiteral(":/cursors/nessuno.grezza")).isNull());
}

int PerOgniLibreria(dl_phdr_info *info, size_t, void *dati)
{
    if (std::strstr(info->dlpi_name, "/imageformats/"))
        static_cast<std::string *>(dati)->append(info->dlpi_name).append(" ");
    return 0;
}

// Run alone: every other case decodes an original through Qt's readers.
TEST(SenzaPlugin, LoadingEveryPictureAndTheCursorLoadsNoImagePlugin)
{
    for (const Figura &f : TutteLeFigure())
        ASSERT_FALSE(Immagini::Carica(f).isNull()) << f.file;
    ASSERT_EQ(CursoreMano().shape(), Qt::BitmapCursor);
    std::string caricati;
    dl_iterate_phdr(PerOgniLibreria, &caricati);
    EXPECT_EQ(caricati, "");
}

} // namespace
