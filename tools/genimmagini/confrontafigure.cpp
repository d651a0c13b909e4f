// Tells whether a regenerated picture matches the committed one. Qt's raster engine picks its
// blending code by the processor (SSE, AVX2, AVX-512), and the paths round antialiased edges
// differently by one level, so the pictures drawn with antialiasing are compared pixel by pixel
// with that step allowed; everything else must match byte for byte.
// confrontafigure GENERATED COMMITTED: exit 0 when they match.
#include <QFile>
#include <QImage>

#include <cstdio>
#include <cstdlib>

namespace {

bool StessiByte(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly)) {
        return false;
    }
    return fa.readAll() == fb.readAll();
}

bool VicinoDiUnPasso(int x, int y)
{
    return std::abs(x - y) <= 1;
}

bool PixelEntroUnPasso(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.hasAlphaChannel() != b.hasAlphaChannel()) {
        return false;
    }
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pa.height(); ++y) {
        const auto *ra = reinterpret_cast<const QRgb *>(pa.constScanLine(y));
        const auto *rb = reinterpret_cast<const QRgb *>(pb.constScanLine(y));
        for (int x = 0; x < pa.width(); ++x) {
            if (!VicinoDiUnPasso(qRed(ra[x]), qRed(rb[x])) || !VicinoDiUnPasso(qGreen(ra[x]), qGreen(rb[x]))
                || !VicinoDiUnPasso(qBlue(ra[x]), qBlue(rb[x])) || !VicinoDiUnPasso(qAlpha(ra[x]), qAlpha(rb[x]))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: confrontafigure GENERATED COMMITTED\n");
        return 2;
    }
    const QString generata = QString::fromLocal8Bit(argv[1]);
    const QString salvata = QString::fromLocal8Bit(argv[2]);
    if (StessiByte(generata, salvata)) {
        return 0;
    }
    // Only the antialiased PNGs may differ; the other formats it writes are exact.
    if (!generata.endsWith(QLatin1String(".png"))) {
        return 1;
    }
    const QImage a(generata), b(salvata);
    return !a.isNull() && !b.isNull() && PixelEntroUnPasso(a, b) ? 0 : 1;
}
