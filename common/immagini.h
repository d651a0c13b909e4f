// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

// Pictures embedded under :/images/. On a high-density screen the double-size "<name>@2x.png"
// is taken when there is one, so the pictures stay crisp at the same logical size.
struct Figura;

class Immagini
{
public:
    static QPixmap Carica(const QString &nome);
    static QPixmap Carica(const Figura &figura);
};
