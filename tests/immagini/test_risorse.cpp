// SPDX-License-Identifier: MIT
// The committed picture files: sizes, colour depths and masks as the game expects them, and the
// double-size variants that belong to them.
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

enum class Tipo {
    Gif,
    Bmp,
    Ico,
    Cur
};

struct Risorsa
{
    const char *file; // under resources/
    int larghezza;
    int altezza;
    Tipo tipo;
    int bit;          // bits per pixel (GIF: of the palette size)
    bool trasparente; // has a mask
};

void PrintTo(const Risorsa &r, std::ostream *os)
{
    *os << r.file;
}

const Risorsa kRisorse[] = {
    {"images/titolo.gif", 267, 38, Tipo::Gif, 6, true},        {"images/sfondo.bmp", 78, 85, Tipo::Bmp, 4, false},
    {"images/busta.bmp", 14, 11, Tipo::Bmp, 4, false},         {"images/libro.bmp", 16, 17, Tipo::Bmp, 4, false},
    {"images/smile0.ico", 32, 32, Tipo::Ico, 4, true},         {"images/smile1.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/smile2.ico", 32, 32, Tipo::Ico, 4, true},         {"images/smile3.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/smile4.ico", 32, 32, Tipo::Ico, 4, true},         {"images/smile5.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/smile6.ico", 32, 32, Tipo::Ico, 4, true},         {"images/smile7.ico", 32, 32, Tipo::Ico, 8, true},
    {"images/smile8.ico", 32, 32, Tipo::Ico, 4, true},         {"images/maestro0.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/maestro1.ico", 32, 32, Tipo::Ico, 4, true},       {"images/domanda_rossa.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/domanda_gialla.ico", 32, 32, Tipo::Ico, 4, true}, {"images/giudizio0.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/giudizio1.ico", 32, 32, Tipo::Ico, 4, true},      {"images/giudizio2.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/giudizio3.ico", 32, 32, Tipo::Ico, 8, true},      {"images/giudizio4.ico", 32, 32, Tipo::Ico, 8, true},
    {"images/giudizio5.ico", 32, 32, Tipo::Ico, 4, true},      {"images/pensa.ico", 32, 32, Tipo::Ico, 8, true},
    {"images/ingranaggio0.ico", 32, 32, Tipo::Ico, 4, true},   {"images/ingranaggio1.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/indice.ico", 32, 32, Tipo::Ico, 4, true},         {"images/buco.ico", 48, 48, Tipo::Ico, 8, true},
    {"images/bimbo0.ico", 32, 32, Tipo::Ico, 8, true},         {"images/bimbo1.ico", 32, 32, Tipo::Ico, 8, true},
    {"images/nosuono.ico", 32, 32, Tipo::Ico, 4, true},        {"images/mano.ico", 32, 32, Tipo::Ico, 4, true},
    {"images/ricomincia.ico", 32, 32, Tipo::Ico, 4, true},     {"images/esci.ico", 32, 32, Tipo::Ico, 4, true},
    {"cursors/101.cur", 32, 32, Tipo::Cur, 1, true},
};

QString Percorso(const char *file)
{
    return QStringLiteral(CERCANUM_RISORSE "/") + QLatin1String(file);
}

QByteArray Leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int Parola(const QByteArray &d, int i)
{
    return quint8(d[i]) | quint8(d[i + 1]) << 8;
}

int Doppia(const QByteArray &d, int i)
{
    return Parola(d, i) | Parola(d, i + 2) << 16;
}

// Qt has no reader for cursors; like the game, call the file an icon to read its image.
QImage Decodifica(const Risorsa &r)
{
    if (r.tipo != Tipo::Cur)
        return QImage(Percorso(r.file));
    QByteArray dati = Leggi(Percorso(r.file));
    if (dati.size() > 2)
        dati[2] = 1;
    return QImage::fromData(dati, "ICO");
}

// The double-size variant reduced to real size over the paper colour, with the mean coverage.
struct Ridotta
{
    double r, g, b, alfa;
};

Ridotta Riduci2x2(const QImage &doppia, int x, int y)
{
    Ridotta m{0, 0, 0, 0};
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            const QRgb c = doppia.pixel(2 * x + dx, 2 * y + dy);
            const double a = qAlpha(c) / 255.0;
            m.r += (qRed(c) * a + 244 * (1 - a)) / 4;
            m.g += (qGreen(c) * a + 242 * (1 - a)) / 4;
            m.b += (qBlue(c) * a + 212 * (1 - a)) / 4;
            m.alfa += a / 4;
        }
    return m;
}

class Risorse : public ::testing::TestWithParam<Risorsa>
{
};

TEST_P(Risorse, DecodesAtItsSizeWithACleanMask)
{
    const Risorsa &r = GetParam();
    const QImage im = Decodifica(r).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(im.isNull());
    EXPECT_EQ(im.size(), QSize(r.larghezza, r.altezza));
    int trasparenti = 0, opachi = 0, altri = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const int a = qAlpha(im.pixel(x, y));
            (a == 0 ? trasparenti : a == 255 ? opachi : altri)++;
        }
    EXPECT_EQ(altri, 0) << "a mask is all or nothing";
    if (r.trasparente) {
        EXPECT_GT(trasparenti, 0);
        EXPECT_GT(opachi, im.width() * im.height() / 10) << "the picture is almost empty";
    } else {
        EXPECT_EQ(trasparenti, 0);
    }
}

TEST_P(Risorse, HeaderStatesTheColourDepth)
{
    const Risorsa &r = GetParam();
    const QByteArray d = Leggi(Percorso(r.file));
    ASSERT_GT(d.size(), 62);
    switch (r.tipo) {
    case Tipo::Gif: {
        EXPECT_TRUE(d.startsWith("GIF89a"));
        EXPECT_EQ(Parola(d, 6), r.larghezza);
        EXPECT_EQ(Parola(d, 8), r.altezza);
        const int flag = quint8(d[10]);
        EXPECT_TRUE(flag & 0x80) << "global palette";
        EXPECT_EQ((flag & 7) + 1, r.bit) << "palette of 64";
        const int controllo = 13 + 3 * (2 << (flag & 7));
        ASSERT_EQ(d.mid(controllo, 3), QByteArray("\x21\xf9\x04", 3));
        EXPECT_TRUE(quint8(d[controllo + 3]) & 1) << "one transparent colour";
        // The decoded picture uses no more opaque colours than the palette minus that one.
        const QImage im = QImage(Percorso(r.file)).convertToFormat(QImage::Format_ARGB32);
        std::set<QRgb> colori;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (qAlpha(im.pixel(x, y)))
                    colori.insert(im.pixel(x, y));
        EXPECT_LE(colori.size(), 63u);
        break;
    }
    case Tipo::Bmp:
        EXPECT_TRUE(d.startsWith("BM"));
        EXPECT_EQ(Doppia(d, 18), r.larghezza);
        EXPECT_EQ(Doppia(d, 22), r.altezza);
        EXPECT_EQ(Parola(d, 28), r.bit);
        EXPECT_EQ(Doppia(d, 30), 0) << "uncompressed";
        break;
    case Tipo::Ico:
    case Tipo::Cur: {
        EXPECT_EQ(Parola(d, 0), 0);
        EXPECT_EQ(Parola(d, 2), r.tipo == Tipo::Ico ? 1 : 2);
        EXPECT_EQ(Parola(d, 4), 1);
        EXPECT_EQ(quint8(d[6]), r.larghezza);
        EXPECT_EQ(quint8(d[7]), r.altezza);
        EXPECT_EQ(quint8(d[8]), r.bit == 8 ? 0 : 1 << r.bit) << "colour count";
        if (r.tipo == Tipo::Ico) {
            EXPECT_EQ(Parola(d, 12), r.bit);
        }
        const int immagine = Doppia(d, 18);
        ASSERT_LT(immagine + 40, d.size());
        EXPECT_EQ(Doppia(d, immagine + 4), r.larghezza);
        EXPECT_EQ(Doppia(d, immagine + 8), 2 * r.altezza) << "XOR image and AND mask";
        EXPECT_EQ(Parola(d, immagine + 14), r.bit);
        break;
    }
    }
}

TEST_P(Risorse, DoubleSizeVariantMatchesThePicture)
{
    const Risorsa &r = GetParam();
    QString nome = Percorso(r.file);
    nome = nome.left(nome.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@2x.png");
    const QImage doppia = QImage(nome).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(doppia.isNull()) << qPrintable(nome);
    ASSERT_EQ(doppia.size(), QSize(2 * r.larghezza, 2 * r.altezza));

    // The two are drawn from the same picture: a row flipped, a palette shuffled or the wrong
    // picture under a name shows up here.
    const QImage reale = Decodifica(r).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(reale.size(), QSize(r.larghezza, r.altezza));
    int discordi = 0, confrontati = 0;
    double scarto = 0;
    for (int y = 0; y < r.altezza; ++y)
        for (int x = 0; x < r.larghezza; ++x) {
            const Ridotta m = Riduci2x2(doppia, x, y);
            const QRgb c = reale.pixel(x, y);
            if (!r.trasparente) {
                EXPECT_EQ(m.alfa, 1.0) << x << "," << y;
            }
            const bool visibile = qAlpha(c) != 0;
            if (visibile != (m.alfa >= 0.43) && std::abs(m.alfa - 0.43) > 0.2)
                ++discordi;
            if (visibile && m.alfa > 0.9) {
                scarto += (std::abs(qRed(c) - m.r) + std::abs(qGreen(c) - m.g) + std::abs(qBlue(c) - m.b)) / 3;
                ++confrontati;
            }
        }
    EXPECT_EQ(discordi, 0) << "mask differs from the double-size coverage";
    ASSERT_GT(confrontati, 0);
    // Black and white against antialiased grey differ by much more than a palette does.
    EXPECT_LT(scarto / confrontati, r.bit == 1 ? 60.0 : 20.0) << "colours differ from the double-size variant";
}

INSTANTIATE_TEST_SUITE_P(Immagini, Risorse, ::testing::ValuesIn(kRisorse),
                         [](const ::testing::TestParamInfo<Risorsa> &i) {
                             QString n = QString::fromLatin1(i.param.file).section(QLatin1Char('/'), 1);
                             return n.replace(QLatin1Char('.'), QLatin1Char('_')).toStdString();
                         });

// ---- particular pictures -----------------------------------------------------------------------

TEST(Cursore, HotSpotIsTheFingertip)
{
    const QByteArray d = Leggi(Percorso("cursors/101.cur"));
    ASSERT_GE(d.size(), 22);
    EXPECT_EQ(Parola(d, 10), 6);
    EXPECT_EQ(Parola(d, 12), 5);

    const QImage im = Decodifica(kRisorse[std::size(kRisorse) - 1]).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(im.size(), QSize(32, 32));
    EXPECT_NE(qAlpha(im.pixel(6, 5)), 0) << "the hot spot is on the hand";
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(qAlpha(im.pixel(x, y)), 0) << "nothing above the tip at " << x << "," << y;
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(qAlpha(im.pixel(x, 5)), 0) << "nothing left of the tip at " << x;
    // Two colours: black outline and white hand, both present.
    int bianchi = 0, neri = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = im.pixel(x, y);
            if (!qAlpha(c))
                continue;
            ASSERT_TRUE((c & 0xffffff) == 0 || (c & 0xffffff) == 0xffffff) << x << "," << y;
            ((c & 0xffffff) ? bianchi : neri)++;
        }
    EXPECT_GT(bianchi, 100);
    EXPECT_GT(neri, 40);
}

TEST(Mano, LeavesTheBottomRowsForTheCaption)
{
    const QImage im = QImage(Percorso("images/mano.ico")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(im.size(), QSize(32, 32));
    for (int y = 28; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(qAlpha(im.pixel(x, y)), 0) << x << "," << y;
}

// Counts the pixels of a picture that are clearly of one hue.
int Quanti(const char *file, bool (*come)(QRgb))
{
    const QImage im = QImage(Percorso(file)).convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            n += qAlpha(im.pixel(x, y)) && come(im.pixel(x, y)) ? 1 : 0;
    return n;
}

bool Rosso(QRgb c)
{
    return qRed(c) > 170 && qGreen(c) < 90 && qBlue(c) < 90;
}

bool Giallo(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) > 170 && qBlue(c) < 90;
}

bool Verde(QRgb c)
{
    return qGreen(c) > 110 && qRed(c) < 100 && qBlue(c) < 110;
}

TEST(Colori, PicturesThatDifferByColourAreNotSwapped)
{
    EXPECT_GT(Quanti("images/domanda_rossa.ico", Rosso), 80);
    EXPECT_EQ(Quanti("images/domanda_rossa.ico", Giallo), 0);
    EXPECT_GT(Quanti("images/domanda_gialla.ico", Giallo), 80);
    EXPECT_EQ(Quanti("images/domanda_gialla.ico", Rosso), 0);
    EXPECT_GT(Quanti("images/bimbo0.ico", Rosso), Quanti("images/bimbo0.ico", Verde));
    EXPECT_GT(Quanti("images/bimbo1.ico", Verde), Quanti("images/bimbo1.ico", Rosso));
}

// The tile repeats across the window: the step from its last column (row) to its first must look
// like any step between neighbouring columns (rows) inside it.
double Passo(const QImage &im, int a, int b, bool colonne)
{
    const int n = colonne ? im.height() : im.width();
    double somma = 0;
    for (int i = 0; i < n; ++i) {
        const QRgb p = colonne ? im.pixel(a, i) : im.pixel(i, a);
        const QRgb q = colonne ? im.pixel(b, i) : im.pixel(i, b);
        somma += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return somma / n;
}

void SenzaCuciture(const QImage &im)
{
    ASSERT_FALSE(im.isNull());
    for (bool colonne : {true, false}) {
        const int n = colonne ? im.width() : im.height();
        double interni = 0;
        for (int i = 0; i + 1 < n; ++i)
            interni += Passo(im, i, i + 1, colonne);
        interni /= n - 1;
        EXPECT_GT(interni, 0.2) << "no texture at all";
        EXPECT_LT(Passo(im, n - 1, 0, colonne), 1.6 * interni + 0.5) << (colonne ? "columns" : "rows");
    }
}

TEST(Sfondo, TilesWithoutSeams)
{
    SenzaCuciture(QImage(Percorso("images/sfondo.bmp")).convertToFormat(QImage::Format_RGB32));
    SenzaCuciture(QImage(Percorso("images/sfondo@2x.png")).convertToFormat(QImage::Format_RGB32));
}

TEST(Sfondo, ThirteenColoursAroundTheCreamPaper)
{
    const QByteArray d = Leggi(Percorso("images/sfondo.bmp"));
    ASSERT_GT(d.size(), 50);
    EXPECT_EQ(Doppia(d, 46), 13) << "colours used";
    const QImage im = QImage(Percorso("images/sfondo.bmp")).convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colori;
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const QRgb c = im.pixel(x, y);
            colori.insert(c);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    const double n = im.width() * im.height();
    EXPECT_LE(colori.size(), 13u);
    EXPECT_GE(colori.size(), 6u);
    EXPECT_NEAR(r / n, 244, 4);
    EXPECT_NEAR(g / n, 242, 4);
    EXPECT_NEAR(b / n, 212, 5);
}

} // namespace
