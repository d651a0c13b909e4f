// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Blocking waits of the announcement and the flashes, and the time the ball's glide follows;
// tests make them instant.
class Orologio
{
public:
    virtual ~Orologio() = default;
    // Blocks the user-interface thread for `ms` milliseconds without processing events.
    virtual void Attendi(int ms) = 0;
    // Milliseconds from an arbitrary origin, never going back.
    virtual std::int64_t Adesso() = 0;
};
