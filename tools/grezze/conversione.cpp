// SPDX-License-Identifier: MIT
#include "conversione.h"

#include "grezza.h"

#include <QFile>

#include <cstring>

namespace {

quint16 Parola(const QByteArray &b, int i)
{
    return static_cast<quint16>(static_cast<quint8>(b[i]) | (static_cast<quint8>(b[i + 1]) << 8));
}

} // namespace

Decodificata Decodifica(const QString &percorso)
{
    if (!percorso.endsWith(QLatin1String(".cur"), Qt::CaseInsensitive))
        return {QImage(percorso)};
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray dati = file.readAll();
    // Header (6 bytes) and first directory entry (16): type 2 marks a cursor, whose entry holds
    // the hot spot where an icon's holds planes and bit count.
    if (dati.size() < 22 || Parola(dati, 0) != 0 || Parola(dati, 2) != 2 || Parola(dati, 4) < 1)
        return {};
    const QPoint punto(Parola(dati, 10), Parola(dati, 12));
    dati[2] = 1;
    return {QImage::fromData(dati, "ICO"), punto};
}

QByteArray ScriviGrezza(const QImage &immagine, QPoint punto)
{
    const QImage pixel = immagine.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (pixel.isNull() || pixel.width() > 0xffff || pixel.height() > 0xffff)
        return {};
    bool opaca = true;
    for (int y = 0; y < pixel.height() && opaca; ++y) {
        const QRgb *riga = reinterpret_cast<const QRgb *>(pixel.constScanLine(y));
        for (int x = 0; x < pixel.width() && opaca; ++x)
            opaca = qAlpha(riga[x]) == 255;
    }
    Grezza::Intestazione t{};
    std::memcpy(t.magia, Grezza::Magia, sizeof t.magia);
    t.larghezza = quint16(pixel.width());
    t.altezza = quint16(pixel.height());
    t.puntoX = qint16(punto.x());
    t.puntoY = qint16(punto.y());
    t.opzioni = opaca ? Grezza::Opaca : 0;

    const qsizetype lunghezzaRiga = qsizetype(pixel.width()) * 4;
    QByteArray dati(reinterpret_cast<const char *>(&t), sizeof t);
    dati.reserve(dati.size() + lunghezzaRiga * pixel.height());
    for (int y = 0; y < pixel.height(); ++y)
        dati.append(reinterpret_cast<const char *>(pixel.constScanLine(y)), lunghezzaRiga);
    return dati;
}
