// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// The start dialog and the information window are laid out in twips; every position of theirs
// becomes pixels here and nowhere else.
namespace Twips {

inline constexpr int PerPixel = 15; // at 96 dpi

struct Rett
{
    int x, y, l, a;
};

// Nearest pixel, ties to even, symmetric around zero so that moves up and down match.
constexpr int Px(int twips)
{
    if (twips < 0)
        return -Px(-twips);
    const int intero = twips / PerPixel;
    const int resto = twips % PerPixel;
    if (2 * resto > PerPixel || (2 * resto == PerPixel && intero % 2 != 0))
        return intero + 1;
    return intero;
}

constexpr QRect Px(Rett r)
{
    return QRect(Px(r.x), Px(r.y), Px(r.l), Px(r.a));
}

static_assert(Px(15) == 1 && Px(22) == 1 && Px(23) == 2 && Px(-700) == -47 && Px(1910) == 127);

} // namespace Twips
