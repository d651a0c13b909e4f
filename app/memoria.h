// SPDX-License-Identifier: MIT
#pragma once

#include <malloc.h>

// Hands the heap's free pages back to the system. Called after start-up and around every dialog and
// message box: a window opening does not stack on what the play before it dropped, and what the
// window itself dropped does not stay with the game for the rest of a school day.
inline void RestituisciMemoria()
{
    malloc_trim(0);
}

// Hands them back when made and again when it goes: made before a dialog or message box, it is gone
// after the window is.
class MemoriaRestituitaIntorno
{
public:
    MemoriaRestituitaIntorno() { RestituisciMemoria(); }
    ~MemoriaRestituitaIntorno() { RestituisciMemoria(); }
    MemoriaRestituitaIntorno(const MemoriaRestituitaIntorno &) = delete;
    MemoriaRestituitaIntorno &operator=(const MemoriaRestituitaIntorno &) = delete;
};
