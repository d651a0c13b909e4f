// SPDX-License-Identifier: MIT
#include "elabora.h"
#include "catalogo.h"
#include "scrittori.h"

namespace {

// Drawn at 16 times the real size: averaging 16 x 16 blocks gives the real size, 8 x 8 the double.
constexpr int kSovracampionamento = 16;

} // namespace

Elaborata Elabora(const Figura &f)
{
    const QImage grande = Rendi(f.disegno, f.dimensione, kSovracampionamento);
    const QImage unoX = Riduci(grande, kSovracampionamento);

    Elaborata e;
    e.doppia = PerPng(Riduci(grande, kSovracampionamento / 2), f.maschera);
    switch (f.formato) {
    case Formato::Gif:
        // One entry goes to the transparent colour.
        e.piccola = Quantizza(unoX, f.colori - 1, true);
        e.file = Gif(e.piccola, f.colori);
        break;
    case Formato::Bmp:
        e.piccola = Quantizza(unoX, f.colori, false);
        e.file = Bmp4(e.piccola, f.colori);
        break;
    case Formato::Ico:
        e.piccola = Quantizza(unoX, f.colori, true, qRgb(0, 0, 0));
        e.file = Ico(e.piccola, f.colori > 16 ? 8 : 4);
        break;
    case Formato::Cur:
        e.piccola = Bicolore(unoX);
        e.file = Cur(e.piccola, f.puntoCaldo);
        break;
    }
    return e;
}
