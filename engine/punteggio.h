// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <string>
#include <vector>

// The score of one number and the running average of a score column.
class Punteggio
{
public:
    // 0..100 from the answers used (21 = lost) and the announced maximum.
    static Intero PerNumero(Intero risposte, Intero numMax);
    // Average of a column of cell texts: stops at the first empty cell, counts every cell before
    // it, adds only the numeric ones; an exact half goes up. 0 for a column with no cell to count.
    static Intero Media(const std::vector<std::string> &celle);
};
