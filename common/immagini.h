// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>

// Pictures embedded under :/images/, decoded at build time (see grezza.h): "<name>.grezza" holds
// the pixels of "<name>". On a high-density screen the double-size "<name>@2x.png" is taken when
// there is one, so the pictures stay crisp at the same logical size.
struct Figura;

class Immagini
{
public:
    static QPixmap Carica(const QString &nome);
    static QPixmap Carica(const Figura &figura);
    // The picture to draw through a painter that enlarges by `scala`: its double-density
    // version when it has one and the enlargement calls for it, otherwise the picture itself.
    static QPixmap PerScala(const QPixmap &figura, qreal scala);

    // The raw picture of a resource, sharing the resource's own bytes; a null image when it is
    // missing or malformed. `punto` receives the hot spot (-1, -1 for a picture).
    static QImage LeggiGrezza(const QString &risorsa, QPoint *punto = nullptr);
    // The same over bytes that must outlive the image, unless they are not 32-bit aligned: then
    // the image holds a copy.
    static QImage AvvolgiGrezza(QByteArrayView dati, QPoint *punto = nullptr);
};
