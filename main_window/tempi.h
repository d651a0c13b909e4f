// SPDX-License-Identifier: MIT
#pragma once

// Every pace of the game window, in milliseconds.
namespace Tempi {
inline constexpr int Lettera = 15;          // typewriter, per letter of the announcement
inline constexpr int PausaAnnuncio = 400;   // before the blinking
inline constexpr int PassiLampeggio = 6;
inline constexpr int Lampeggio = 200;       // per blink step
inline constexpr int PassiLampo = 10;       // red flash of a control
inline constexpr int Lampo = 100;
inline constexpr int Pensiero = 750;        // thinking animation tick
// The ball glides one pixel per event pass; without a pause a fast machine makes it invisible.
inline constexpr int PassoPallina = 1;
} // namespace Tempi
