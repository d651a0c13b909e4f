// SPDX-License-Identifier: MIT
#include "orologioreale.h"

#include <QTimer>

OrologioReale::OrologioReale()
{
    partenza.start(); // monotonic
}

std::int64_t OrologioReale::Adesso()
{
    return partenza.elapsed();
}

void OrologioReale::Attendi(int ms, std::function<void()> poi)
{
    // The coarse default may come up to 5 % late: a letter of 15 ms would take 16.
    QTimer::singleShot(ms, Qt::PreciseTimer, &contesto, std::move(poi));
}
