// SPDX-License-Identifier: MIT
#pragma once

#include "terminazione.h"

class TerminazioneReale final : public Terminazione
{
public:
    [[noreturn]] void TerminaSubito() override;
};
