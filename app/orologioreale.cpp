// SPDX-License-Identifier: MIT
#include "orologioreale.h"

#include <QThread>

OrologioReale::OrologioReale()
{
    partenza.start(); // monotonic
}

std::int64_t OrologioReale::Adesso()
{
    return partenza.elapsed();
}

void OrologioReale::Attendi(int ms)
{
    // Keys typed meanwhile stay queued and are handled, in order, once the handler returns.
    QThread::msleep(static_cast<unsigned long>(ms));
}
