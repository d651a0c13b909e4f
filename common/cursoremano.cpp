// SPDX-License-Identifier: MIT
#include "cursoremano.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace {

quint16 Parola(const QByteArray &b, int i)
{
    return static_cast<quint16>(static_cast<quint8>(b[i]) | (static_cast<quint8>(b[i + 1]) << 8));
}

} // namespace

QCursor CursoreMano()
{
    QFile file(QStringLiteral(":/cursors/101.cur"));
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(Qt::PointingHandCursor);
    QByteArray dati = file.readAll();
    // Header (6 bytes) and first directory entry (16): type 2 marks a cursor, whose entry holds
    // the hot spot where an icon's holds planes and bit count.
    if (dati.size() < 22 || Parola(dati, 0) != 0 || Parola(dati, 2) != 2 || Parola(dati, 4) < 1)
        return QCursor(Qt::PointingHandCursor);
    const int x = Parola(dati, 10);
    const int y = Parola(dati, 12);
    // Qt reads the image part as an icon once the type says so.
    dati[2] = 1;
    const QImage immagine = QImage::fromData(dati, "ICO");
    if (immagine.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(QPixmap::fromImage(immagine), x, y);
}
