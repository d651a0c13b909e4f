// SPDX-License-Identifier: MIT
#include "scivolata.h"

#include "orologio.h"
#include "tempi.h"

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

Compito Scivolata::Esegui(QWidget *oggetto, int da, int a)
{
    // Nothing of the object that started the glide is used once it has begun: it may be gone.
    Orologio &o = orologio;
    const int hz = QuadriAlSecondo(oggetto);
    const std::int64_t inizio = o.Adesso();
    for (;;) {
        const std::int64_t trascorso = o.Adesso() - inizio;
        const int x = Posizione(da, a, trascorso);
        oggetto->move(x, oggetto->y());
        if (x == a)
            co_return;
        // The event loop paints the frame meanwhile, and a key press, a click or a timer tick runs.
        const std::int64_t ora = o.Adesso() - inizio;
        co_await Attesa(o, static_cast<int>(std::max<std::int64_t>(1, ProssimoQuadro(ora, hz) - ora)));
    }
}
