// SPDX-License-Identifier: MIT
#pragma once

// Every pace of the game window, in milliseconds.
namespace Tempi {
inline constexpr int Lettera = 15;        // typewriter, per letter of the announcement
inline constexpr int PausaAnnuncio = 400; // before the blinking
inline constexpr int PassiLampeggio = 6;
inline constexpr int Lampeggio = 200; // per blink step
inline constexpr int PassiLampo = 10; // red flash of a control
inline constexpr int Lampo = 100;
inline constexpr int Pensiero = 750; // thinking animation tick
// The ball glides at one speed on every machine: 469 px, the whole wire, in 469 ms.
inline constexpr int PallinaPixelAlSecondo = 1000;
// Frames of the glide when the screen does not tell its refresh rate (or tells nonsense).
inline constexpr int QuadriAlSecondo = 60;
inline constexpr int QuadriAlSecondoMassimi = 240;
} // namespace Tempi
