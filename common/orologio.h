// SPDX-License-Identifier: MIT
#pragma once

// Blocking waits of the announcement and the flashes; tests make them instant.
class Orologio
{
public:
    virtual ~Orologio() = default;
    // Blocks the user-interface thread for `ms` milliseconds without processing events.
    virtual void Attendi(int ms) = 0;
};
