// SPDX-License-Identifier: MIT
#pragma once

#include "quantizza.h"

#include <QByteArray>
#include <QImage>

struct Figura;

// What one picture becomes: the file at real size, the picture that file holds, and the
// double-size variant for high-density screens.
struct Elaborata
{
    Indicizzata piccola;
    QByteArray file;
    QImage doppia; // straight ARGB, saved as <name>@2x.png
};

Elaborata Elabora(const Figura &figura);
