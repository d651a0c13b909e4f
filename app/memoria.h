// SPDX-License-Identifier: MIT
#pragma once

#include <malloc.h>

// Hands the heap's free pages back to the system. Called once something big is gone (start-up's
// work, a dialog, a message box), so that the next one does not stack on its leftovers: a school
// day is hundreds of them.
inline void RestituisciMemoria()
{
    malloc_trim(0);
}
