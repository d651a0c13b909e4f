// SPDX-License-Identifier: MIT
#pragma once

#include "fontecasuale.h"

// Reseeds from the high-resolution clock before every draw.
class FonteCasualeOrologio final : public FonteCasuale
{
public:
    float Estrai() override;
};
