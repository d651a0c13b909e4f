// SPDX-License-Identifier: MIT
#include "scivolata.h"

#include "orologio.h"
#include "tempi.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

Scivolata::Scivolata(Orologio &orologio)
    : orologio(orologio)
{
}

int Scivolata::Posizione(int da, int a, std::int64_t ms)
{
    const std::int64_t percorso = std::max<std::int64_t>(0, ms) * Tempi::PallinaPixelAlSecondo / 1000;
    const int distanza = std::abs(a - da);
    const int fatto = static_cast<int>(std::min<std::int64_t>(percorso, distanza));
    return da < a ? da + fatto : da - fatto;
}

std::int64_t Scivolata::ProssimoQuadro(std::int64_t ms, int quadriAlSecondo)
{
    // Frames sit on a fixed grid from the start, so late ones are skipped rather than shifting the rest.
    const std::int64_t quadro = std::max<std::int64_t>(0, ms) * quadriAlSecondo / 1000 + 1;
    return (quadro * 1000 + quadriAlSecondo - 1) / quadriAlSecondo;
}

int Scivolata::QuadriAlSecondo(const QWidget *oggetto)
{
    const QScreen *schermo = oggetto->screen();
    const int hz = schermo ? static_cast<int>(std::lround(schermo->refreshRate())) : 0;
    return hz > 0 && hz <= Tempi::QuadriAlSecondoMassimi ? hz : Tempi::QuadriAlSecondo;
}

void Scivolata::Esegui(QWidget *oggetto, int da, int a)
{
    const int hz = QuadriAlSecondo(oggetto);
    const std::int64_t inizio = orologio.Adesso();
    for (;;) {
        const std::int64_t trascorso = orologio.Adesso() - inizio;
        const int x = Posizione(da, a, trascorso);
        oggetto->move(x, oggetto->y());
        // Paints the frame and lets a key press, a click or a timer tick run in between.
        QCoreApplication::processEvents();
        if (x == a)
            return;
        const std::int64_t ora = orologio.Adesso() - inizio;
        orologio.Attendi(static_cast<int>(std::max<std::int64_t>(1, ProssimoQuadro(ora, hz) - ora)));
    }
}
