// SPDX-License-Identifier: MIT
#pragma once

#include "compito.h"

#include <cstdint>

class Orologio;
class QWidget;

// A widget gliding along x at a fixed speed that follows the clock: every frame the screen can
// show is painted, the event loop runs between frames, and a frame that comes late is dropped, so a
// busy machine shows fewer frames instead of a slower glide. Ends at the target.
class Scivolata
{
public:
    explicit Scivolata(Orologio &orologio);

    Compito Esegui(QWidget *oggetto, int da, int a);

    // Where the glide from `da` to `a` stands `ms` after it began.
    static int Posizione(int da, int a, std::int64_t ms);
    // When, counted from the start, the frame after the one due at `ms` is due.
    static std::int64_t ProssimoQuadro(std::int64_t ms, int quadriAlSecondo);

private:
    static int QuadriAlSecondo(const QWidget *oggetto);

    Orologio &orologio;
};
