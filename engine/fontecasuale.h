// SPDX-License-Identifier: MIT
#pragma once

// A source of single-precision values uniform in [0, 1). Tests script it; the game uses
// FonteCasualeOrologio.
class FonteCasuale
{
public:
    virtual ~FonteCasuale() = default;
    virtual float Estrai() = 0;
};
