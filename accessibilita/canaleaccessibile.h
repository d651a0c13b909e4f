// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

#include <functional>
#include <utility>

// The one way out to assistive technology for what this layer tells, where a test can watch
// every event before Qt drops it (as it does while no assistive technology listens).
class CanaleAccessibile
{
public:
    using Osservatore = std::function<void(QAccessibleEvent *)>;
    // Empty to stop.
    static void ImpostaOsservatore(Osservatore o) { Corrente() = std::move(o); }
    static bool Osservato() { return bool(Corrente()); }
    static void Invia(QAccessibleEvent *evento)
    {
        if (Corrente())
            Corrente()(evento);
        QAccessible::updateAccessibility(evento);
    }

private:
    static Osservatore &Corrente()
    {
        static Osservatore o;
        return o;
    }
};
