// SPDX-License-Identifier: MIT
#include "immagini.h"

#include "figure.h"
#include "grezza.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QResource>

#include <cstring>

namespace {

// The name each picture was loaded under, by the pixmap's key (copies share it), so that its
// double-density version can be found when the picture is drawn enlarged.
QHash<qint64, QString> &NomiCaricati()
{
    static QHash<qint64, QString> nomi;
    return nomi;
}

QString NomeDoppio(const QString &nome)
{
    return QStringLiteral(":/images/%1@2x.png").arg(QFileInfo(nome).completeBaseName());
}

} // namespace

QPixmap Immagini::Carica(const QString &nome)
{
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        QPixmap grande(NomeDoppio(nome));
        if (!grande.isNull()) {
            grande.setDevicePixelRatio(2.0);
            return grande;
        }
    }
    QPixmap figura = QPixmap::fromImage(LeggiGrezza(QStringLiteral(":/images/%1.grezza").arg(nome)));
    if (!figura.isNull())
        NomiCaricati().insert(figura.cacheKey(), nome);
    return figura;
}

QPixmap Immagini::PerScala(const QPixmap &figura, qreal scala)
{
    if (scala <= 1.0 || figura.devicePixelRatio() > 1.0)
        return figura;
    static QHash<qint64, QPixmap> doppie; // each loaded once, the first time it is drawn enlarged
    const qint64 chiave = figura.cacheKey();
    const auto trovata = doppie.constFind(chiave);
    if (trovata != doppie.constEnd())
        return *trovata;
    const QString nome = NomiCaricati().value(chiave);
    QPixmap grande = nome.isEmpty() ? QPixmap() : QPixmap(NomeDoppio(nome));
    if (grande.isNull())
        grande = figura;
    else
        grande.setDevicePixelRatio(2.0);
    doppie.insert(chiave, grande);
    return grande;
}

QPixmap Immagini::Carica(const Figura &figura)
{
    return Carica(QString::fromLatin1(figura.file));
}

QImage Immagini::LeggiGrezza(const QString &risorsa, QPoint *punto)
{
    const QResource r(risorsa);
    if (!r.isValid())
        return {};
    if (r.compressionAlgorithm() == QResource::NoCompression)
        return AvvolgiGrezza(QByteArrayView(r.data(), r.size()), punto);
    // Embedded compressed by mistake: still shown, at the cost of a copy.
    const QByteArray dati = r.uncompressedData();
    return AvvolgiGrezza(QByteArrayView(dati), punto).copy();
}

QImage Immagini::AvvolgiGrezza(QByteArrayView dati, QPoint *punto)
{
    Grezza::Intestazione t;
    if (dati.size() < qsizetype(sizeof t))
        return {};
    std::memcpy(&t, dati.data(), sizeof t);
    const qsizetype lunghezzaRiga = qsizetype(t.larghezza) * 4;
    if (std::memcmp(t.magia, Grezza::Magia, sizeof t.magia) != 0 || t.larghezza == 0 || t.altezza == 0
        || dati.size() - qsizetype(sizeof t) != lunghezzaRiga * t.altezza)
        return {};
    const auto *pixel = reinterpret_cast<const uchar *>(dati.data()) + sizeof t;
    const QImage::Format formato =
        t.opzioni & Grezza::Opaca ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    if (punto)
        *punto = QPoint(t.puntoX, t.puntoY);
    if (reinterpret_cast<quintptr>(pixel) % 4 == 0)
        return QImage(pixel, t.larghezza, t.altezza, lunghezzaRiga, formato);
    QImage copia(t.larghezza, t.altezza, formato);
    for (int y = 0; y < t.altezza; ++y)
        std::memcpy(copia.scanLine(y), pixel + y * lunghezzaRiga, size_t(lunghezzaRiga));
    return copia;
}
