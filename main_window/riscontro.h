// SPDX-License-Identifier: MIT
#pragma once

#include "compito.h"
#include "intero16.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

class Etichetta;
class Fabbrica;
class FonteCasuale;
class Immagine;
class Orologio;
class Partita;
class QWidget;
class Suoni;

// The feedback that keeps the window alive: the thinking professor with the turning gears and a
// flickering number, the face that reacts to the answers, and the red flash of a control.
class Riscontro : public QObject
{
    Q_OBJECT
public:
    // `inAttesa`: no answer yet for the number and nothing typed, so the tick may sound.
    // `ticchettio`: the timer's tick is due; the window runs Timer1_Timer in its turn.
    Riscontro(const Fabbrica &fabbrica, QWidget *finestra, Orologio &orologio, FonteCasuale &caso, Suoni &suoni,
              const Partita &partita, std::function<bool()> inAttesa, std::function<void()> ticchettio);

    void PensaAnim(bool on);
    void MostraSmile(Intero v);
    // Blinks `bersaglio`'s background red five times, for about a second.
    Compito Lampeggia(QWidget *bersaglio);
    void Timer1_Timer();
    // The thinking animation is on: its timer ticks.
    bool Pensa() const { return Timer1.isActive(); }

private:
    QWidget *finestra;
    Orologio &orologio;
    FonteCasuale &caso;
    Suoni &suoni;
    const Partita &partita;
    std::function<bool()> inAttesa;
    bool ingranaggioAlterno = false;

    QTimer Timer1;
    std::array<Immagine *, 2> imgIngranaggio{};
    Immagine *imgPensa = nullptr;
    Etichetta *lblAnimazNumeri = nullptr;
    std::array<Immagine *, 9> imgSmile{};
};
