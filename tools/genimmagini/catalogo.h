// SPDX-License-Identifier: MIT
#pragma once

#include "resa.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

enum class Formato {
    Gif,
    Bmp,
    Ico,
    Cur
};

// One picture of the game: how it is drawn and how its file is stored.
struct Figura
{
    QString nome; // file name without extension
    Disegno disegno;
    QSize dimensione;
    Formato formato;
    int colori;        // palette entries in the file
    bool maschera;     // transparent where nothing is drawn
    QPoint puntoCaldo; // cursors only

    QString Cartella() const; // under the root, e.g. "resources/images"
    QString Estensione() const;
};

const QList<Figura> &Catalogo();
