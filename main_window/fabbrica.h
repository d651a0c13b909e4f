// SPDX-License-Identifier: MIT
#pragma once

#include "disposizione.h"

#include <QColor>
#include <QString>

class Etichetta;
class Forma;
class Immagine;
class Linea;
class QWidget;
struct Figura;

// Makes the game window's windowless controls on its layer, from the layout table. Siblings
// paint in the order they are made, so the order of the calls is the stacking order.
class Fabbrica
{
public:
    explicit Fabbrica(QWidget *strato);

    Etichetta *NuovaEtichetta(const QString &nome, const Disposizione::Rett &r, const Disposizione::Carattere &f,
                              bool bordo = false) const;
    Immagine *NuovaImmagine(const QString &nome, const Disposizione::Rett &r, const Figura *figura,
                            bool visibile) const;
    Linea *NuovaLinea(const Disposizione::Segmento &s, int spessore, const QColor &colore) const;
    Forma *NuovaForma(const QString &nome, const Disposizione::Rett &r, const QColor &riempimento) const;
    // Window text, the colour of every label and line without its own.
    QColor TestoFinestra() const;
    // Window background, behind the score board's cells.
    QColor SfondoFinestra() const;

    static QColor Colore(const Rgb &c);
    static QFont Font(const Disposizione::Carattere &c);
    static QRect Rettangolo(const Disposizione::Rett &r);

private:
    QWidget *strato;
};
