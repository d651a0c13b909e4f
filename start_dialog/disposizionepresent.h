// SPDX-License-Identifier: MIT
#pragma once

#include "tavolozza.h"

#include "twips.h"

// Where everything of the start dialog stands and how it looks, in twips.
// Controls inside Frame1 are measured from the frame's corner.
namespace DisposizionePresent {

using ::Rgb;
using Twips::Rett;

inline constexpr int LarghezzaClient = 4800;
// Caption bar and borders: the run-time heights below are outer heights.
inline constexpr int Cornice = 330;
inline constexpr int AltezzaUnGiocatore = 2240;
inline constexpr int AltezzaDueGiocatori = 3825;
inline constexpr int Salita = 700;
inline constexpr int cmdOkTopUnGiocatore = 1530;
inline constexpr int cmdOkTopDueGiocatori = 3090;

namespace Colore = ::Colore;

namespace Font {
inline constexpr double Finestra = 8.25; // "MS Sans Serif", every control without its own
inline constexpr double Label2 = 9.75;
} // namespace Font

inline constexpr Rett cmdOk{3570, 2940, 1065, 330};
inline constexpr Rett Frame1{105, 1575, 4425, 1275};
inline constexpr Rett txtGiocatori[2]{{2205, 315, 1905, 330}, {2205, 735, 1905, 330}};
inline constexpr Rett imgNome[2]{{105, 210, 330, 330}, {105, 630, 330, 330}};
inline constexpr Rett Label1[2]{{420, 315, 1695, 330}, {420, 735, 1695, 330}};
inline constexpr Rett optNumGiocatori[2]{{915, 735, 1170, 330}, {3360, 735, 1065, 330}};
inline constexpr Rett Shape1{105, 420, 4425, 855};
inline constexpr Rett Image1{255, 630, 480, 480};
inline constexpr Rett Image2{2310, 495, 480, 480};
inline constexpr Rett Image3{2835, 735, 480, 480};
inline constexpr Rett Label2{315, 105, 3900, 330};

} // namespace DisposizionePresent
