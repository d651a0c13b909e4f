// SPDX-License-Identifier: MIT
#include "canaleaccessibile.h"

#include <QAccessible>

#include <utility>

namespace {

CanaleAccessibile::Osservatore &OsservatoreCorrente()
{
    static CanaleAccessibile::Osservatore o;
    return o;
}

} // namespace

void CanaleAccessibile::ImpostaOsservatore(Osservatore osservatore)
{
    OsservatoreCorrente() = std::move(osservatore);
}

bool CanaleAccessibile::Osservato()
{
    return bool(OsservatoreCorrente());
}

void CanaleAccessibile::Invia(QAccessibleEvent *evento)
{
    if (OsservatoreCorrente())
        OsservatoreCorrente()(evento);
    QAccessible::updateAccessibility(evento);
}
