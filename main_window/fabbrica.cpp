// SPDX-License-Identifier: MIT
#include "fabbrica.h"

#include "caratteri.h"
#include "etichetta.h"
#include "figure.h"
#include "forma.h"
#include "immagine.h"
#include "immagini.h"
#include "linea.h"
#include "tavolozza.h"

namespace D = Disposizione;

Fabbrica::Fabbrica(QWidget *s)
    : strato(s)
{
}

QColor Fabbrica::Colore(const Rgb &c)
{
    return Tavolozza::Colore(c);
}

QFont Fabbrica::Font(const D::Carattere &c)
{
    return Caratteri::Font(c.punti, c.grassetto);
}

QRect Fabbrica::Rettangolo(const D::Rett &r)
{
    return QRect(r.x, r.y, r.l, r.a);
}

QColor Fabbrica::TestoFinestra() const
{
    return strato->palette().color(QPalette::WindowText);
}

QColor Fabbrica::SfondoFinestra() const
{
    return strato->palette().color(QPalette::Base);
}

Etichetta *Fabbrica::NuovaEtichetta(const QString &nome, const D::Rett &r, const D::Carattere &f, bool bordo) const
{
    auto *e = new Etichetta(strato);
    e->setObjectName(nome);
    e->setGeometry(Rettangolo(r));
    e->setFont(Font(f));
    e->ImpostaColoreTesto(TestoFinestra());
    e->ImpostaBordo(bordo);
    return e;
}

Immagine *Fabbrica::NuovaImmagine(const QString &nome, const D::Rett &r, const Figura *figura, bool visibile) const
{
    auto *i = new Immagine(strato);
    i->setObjectName(nome);
    i->setGeometry(Rettangolo(r));
    if (figura)
        i->ImpostaFigura(Immagini::Carica(*figura));
    i->setVisible(visibile);
    return i;
}

Linea *Fabbrica::NuovaLinea(const D::Segmento &s, int spessore, const QColor &colore) const
{
    return new Linea(strato, QLine(s.x1, s.y1, s.x2, s.y2), spessore, colore);
}

Forma *Fabbrica::NuovaForma(const QString &nome, const D::Rett &r, const QColor &riempimento) const
{
    auto *f = new Forma(strato);
    f->setObjectName(nome);
    f->setGeometry(Rettangolo(r));
    f->ImpostaRiempimento(riempimento);
    return f;
}
