// SPDX-License-Identifier: MIT
#pragma once

#include "tavolozza.h"

#include "twips.h"

// Where everything of the information window stands and how it looks, in twips.
namespace DisposizioneAbout {

using ::Rgb;
using Twips::Rett;
struct Incisione
{
    int y, x1, x2;
    Rgb colore;
};

inline constexpr int LarghezzaClient = 5025;
inline constexpr int AltezzaClient = 2850;

namespace Colore = ::Colore;

namespace Font {
inline constexpr double Finestra = 8.25; // "Arial", every control without its own
inline constexpr double Label1 = 14.25;
inline constexpr double lblVersione = 9.75;
inline constexpr double lblEmail = 9;
inline constexpr double Check1 = 8.25; // "MS Sans Serif"
} // namespace Font

inline constexpr Rett Label1{1359, 75, 2850, 330};
inline constexpr Rett lblVersione{1464, 465, 2745, 225};
inline constexpr Rett Image1{480, 120, 750, 645};
inline constexpr Rett Command1{3600, 2460, 1170, 330};
inline constexpr Rett lblEmail{1470, 1410, 2115, 225};
inline constexpr Rett Image2{1245, 1440, 210, 165};
inline constexpr Rett Label3{615, 1080, 3795, 225};
inline constexpr Rett Label4{510, 2040, 4005, 225};
inline constexpr Rett Label5{930, 1830, 3165, 225};
inline constexpr Rett Check1{3000, 2460, 435, 330};
inline constexpr Rett Text1{240, 810, 4560, 1605};

// Three engraved separators, each a grey line over a light one.
inline constexpr Incisione Line1[6]{
    {975, 405, 4450, Colore::Grigio},  {990, 405, 4450, Colore::GrigioChiaro},  {1740, 405, 4450, Colore::GrigioChiaro},
    {1725, 405, 4450, Colore::Grigio}, {2310, 405, 4450, Colore::GrigioChiaro}, {2295, 405, 4450, Colore::Grigio},
};

} // namespace DisposizioneAbout
