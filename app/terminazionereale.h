// SPDX-License-Identifier: MIT
#pragma once

#include "terminazione.h"

class Suoni;

class TerminazioneReale final : public Terminazione
{
public:
    explicit TerminazioneReale(Suoni &suoni)
        : suoni(suoni)
    {
    }
    [[noreturn]] void TerminaSubito() override;

private:
    Suoni &suoni;
};
