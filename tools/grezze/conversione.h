// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

// A committed picture decoded the way the game used to decode it at run time.
struct Decodificata
{
    QImage immagine;
    QPoint punto{-1, -1}; // a cursor's hot spot
};

// Qt's own reader for a picture; a .cur is read as an icon once its header says so, with the hot
// spot from its directory entry. A null image when the file cannot be read.
Decodificata Decodifica(const QString &percorso);

// The raw form of common/grezza.h.
QByteArray ScriviGrezza(const QImage &immagine, QPoint punto = {-1, -1});
