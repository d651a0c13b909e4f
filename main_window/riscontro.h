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
    Riscontro(const Fabbrica &fabbrica, QWidget *finestra, Orologio &orologio, FonteCasuale &caso, Suoni &suoni,
              const Partita &partita, std::function<bool()> inAttesa);

    void PensaAnim(bool on);
    void MostraSmile(Intero v);
    // Blinks `bersaglio`'s background red five times, for about a second; the timer's tick
    // waits for its end.
    Compito Lampeggia(QWidget *bersaglio);

private:
    void Timer1_Timer();

    QWidget *finestra;
    Orologio &orologio;
    FonteCasuale &caso;
    Suoni &suoni;
    const Partita &partita;
    std::function<bool()> inAttesa;
    bool ingranaggioAlterno = false;
    bool lampoInCorso = false;
    bool tickRinviato = false;

    QTimer Timer1;
    std::array<Immagine *, 2> imgIngranaggio{};
    Immagine *imgPensa = nullptr;
    Etichetta *lblAnimazNumeri = nullptr;
    std::array<Immagine *, 9> imgSmile{};
};
