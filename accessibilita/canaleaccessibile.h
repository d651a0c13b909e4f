// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QAccessibleEvent;

// The one way out to assistive technology for what this layer tells: every event goes through
// here, where a test can watch it (Qt drops events while no assistive technology listens).
class CanaleAccessibile
{
public:
    static void Invia(QAccessibleEvent *evento);

    // Sees every event sent from here before Qt does. Empty to stop.
    using Osservatore = std::function<void(QAccessibleEvent *)>;
    static void ImpostaOsservatore(Osservatore osservatore);
    static bool Osservato();
};
