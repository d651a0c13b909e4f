// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <QByteArray>

// Where sound images go. The game plays them through SDL; tests record the ids.
class UscitaAudio
{
public:
    virtual ~UscitaAudio() = default;
    // Audio output devices on this machine.
    virtual int NumDispositivi() = 0;
    // Starts playing a RIFF/WAVE image asynchronously, replacing any sound in progress.
    // Silent on any failure.
    virtual void Riproduci(Intero id, const QByteArray &immagine) = 0;
    // Stops playback and releases the device; called just before the program ends.
    virtual void Ferma() {}
};
