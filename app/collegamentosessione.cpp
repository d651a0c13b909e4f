// SPDX-License-Identifier: MIT
#include "collegamentosessione.h"

#include <QDBusConnection>

CollegamentoSessione::CollegamentoSessione()
    : collegamento([] { QDBusConnection::sessionBus(); })
{
}

CollegamentoSessione::~CollegamentoSessione()
{
    collegamento.join();
}
