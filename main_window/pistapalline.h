// SPDX-License-Identifier: MIT
#pragma once

#include "compito.h"
#include "intero16.h"

#include <array>
#include <vector>

class Etichetta;
class Fabbrica;
class Forma;
class Immagine;
class Linea;
class Orologio;

// The wire across the window on which every answer of the number rolls in as a ball coloured by
// its verdict, with the two end balls that count the answers given and left, and the teacher who
// frowns while a wrong answer's ball rolls.
class PistaPalline
{
public:
    PistaPalline(const Fabbrica &fabbrica, Orologio &orologio);

    void CaricaBall();
    // Rolls the ball of the n-th answer to its place; the event loop runs between its steps.
    Compito AppendBall(Intero n, Intero risposta, Intero segreto);
    void ResetBall();
    void SmileAnim(bool on);

    // No answer given yet for this number: the left counter is blank.
    bool NessunaRisposta() const;

private:
    Orologio &orologio;

    std::array<Immagine *, 4> imgSmileForm{};
    Linea *linBall = nullptr;
    Forma *Shape4 = nullptr;
    Forma *Shape3 = nullptr;
    std::array<Etichetta *, 2> lblNumRisp{};
    std::vector<Forma *> shpBall;
    std::vector<Etichetta *> lblBall;
};
