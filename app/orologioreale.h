// SPDX-License-Identifier: MIT
#pragma once

#include "orologio.h"

#include <QElapsedTimer>

class OrologioReale final : public Orologio
{
public:
    OrologioReale();
    void Attendi(int ms) override;
    std::int64_t Adesso() override;

private:
    QElapsedTimer partenza;
};
