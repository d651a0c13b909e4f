// SPDX-License-Identifier: MIT
#pragma once

#include "orologio.h"

class OrologioReale final : public Orologio
{
public:
    void Attendi(int ms) override;
};
