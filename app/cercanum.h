// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <QByteArray>

#include <array>
#include <string>

class UscitaAudio;

// Program-wide state and the one shared operation, alive for the whole run.
namespace Cercanum {

inline Intero NumGiocatori = 1;
// Both names are empty until the start dialog stores them; then exactly 10 characters (UTF-8).
inline std::array<std::string, 2> NomeGiocatore;
inline bool SuonoAttivo = false;
inline bool AvvioInCorso = false;
inline QByteArray DatiSuono;

// The audio output SuonaWav plays through; main installs the real one, tests a recorder.
void ImpostaUscitaAudio(UscitaAudio *uscita);
UscitaAudio *UscitaCorrente();

// Loads the stored sound `id` afresh, plays it, then lets pending events run once.
// Callers check SuonoAttivo first.
void SuonaWav(Intero id);

} // namespace Cercanum
