// SPDX-License-Identifier: MIT
#include "istanzaunica.h"

#include <unistd.h>

bool IstanzaUnica::Acquisisci()
{
    server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    // The abstract namespace is shared by every user of the machine.
    return server.listen(QStringLiteral("cercanum-%1").arg(::getuid()));
}
