// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

// The waits of the announcement and the flashes, and the time the ball's glide follows; tests
// make them instant.
class Orologio
{
public:
    virtual ~Orologio() = default;
    // Calls `poi` once `ms` milliseconds have passed, from the event loop, which runs meanwhile.
    // An instant stand-in may call it before returning.
    virtual void Attendi(int ms, std::function<void()> poi) = 0;
    // Milliseconds from an arbitrary origin, never going back.
    virtual std::int64_t Adesso() = 0;
};
