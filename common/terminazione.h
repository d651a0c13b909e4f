// SPDX-License-Identifier: MIT
#pragma once

// Ends the program at once: no further handler runs. Tests record the request instead.
class Terminazione
{
public:
    virtual ~Terminazione() = default;
    virtual void TerminaSubito() = 0;
};
