// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <QByteArray>

class UscitaAudio;

// The seven embedded effects, by what they mark; the value is the stored sound's id.
enum class Effetto : Intero {
    Bonk = 101,       // stored, played by no event
    Benvenuto = 102,  // the start dialog opens
    DingDong = 103,   // stored, played by no event
    Annuncio = 104,   // a new number is announced
    Perso = 105,      // the twentieth answer without the number
    Indovinato = 106, // the answer is exact
    Attesa = 107,     // no answer yet for the number: repeated with the thinking animation
};

// The game's sounds and their switch. Every effect goes through Suona, the one place that
// looks at the switch; nothing else knows the audio back end.
class Suoni
{
public:
    explicit Suoni(UscitaAudio *uscita);

    bool SuonoAttivo() const { return attivo; }
    void ImpostaSuonoAttivo(bool a) { attivo = a; }
    // Audio output devices: none means sound stays off for the whole run.
    int NumDispositivi() const;

    // Plays `effetto` when the switch is on; nothing at all reaches the output when it is off.
    void Suona(Effetto effetto);
    // Loads the stored sound `id` afresh and starts it; returns at once, running nothing else.
    void SuonaWav(Intero id);
    // The image of the sound loaded last, kept while it plays.
    const QByteArray &DatiSuono() const { return datiSuono; }
    // Stops playback and releases the device, just before the program ends.
    void Ferma();

private:
    UscitaAudio *uscita;
    bool attivo = false;
    QByteArray datiSuono;
};
