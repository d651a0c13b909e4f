// SPDX-License-Identifier: MIT
#pragma once

#include "orologio.h"

#include <QElapsedTimer>
#include <QObject>

class OrologioReale final : public Orologio
{
public:
    OrologioReale();
    void Attendi(int ms, std::function<void()> poi) override;
    std::int64_t Adesso() override;

private:
    QElapsedTimer partenza;
    QObject contesto; // waits still running when the clock goes are dropped with it
};
