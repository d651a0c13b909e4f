// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The game's fonts: Liberation Sans, embedded, for both of its faces (a sans serif and an Arial-like one).
class Caratteri
{
public:
    // Registers the embedded font files once; call after the application object exists.
    static void Registra();
    // Registers the fonts and makes the game's regular face every widget's default, message
    // boxes included.
    static void ImpostaPerApplicazione();
    // The size of every control without a font of its own.
    static constexpr double PuntiFinestra = 8.25;

    // A face at `punti` points at 96 dpi, set in pixels so that the look is the same everywhere.
    static QFont Font(double punti, bool grassetto = false, bool sottolineato = false);
};
