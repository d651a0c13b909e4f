// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdlib>

// The tuning is glibc's; any other C library keeps its own rules and its heap.
#if defined(__GLIBC__) && !defined(CERCANUM_RIPIEGHI)
#include <malloc.h>
#define CERCANUM_MEMORIA_GLIBC 1
#endif

// Blocks from this size up are taken straight from the system and given back the moment they are
// freed: a decoded sound is one.
inline constexpr std::size_t SogliaBlocchiGrandi = 128 * 1024;

// The heap's rules, set before any thread starts. One arena for the game's few threads: a thread's
// own arena keeps its free pages to itself. A fixed threshold for big blocks: left to itself, malloc
// raises it to the size of the first big block freed, and every sound decoded after that would grow
// the heap by its size until the next trim.
inline void RegolaMemoria()
{
#ifdef CERCANUM_MEMORIA_GLIBC
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(SogliaBlocchiGrandi));
#endif
}

// Hands the heap's free pages back to the system. Called after start-up and around every dialog and
// message box: a window opening does not stack on what the play before it dropped, and what the
// window itself dropped does not stay with the game for the rest of a school day.
inline void RestituisciMemoria()
{
#ifdef CERCANUM_MEMORIA_GLIBC
    malloc_trim(0);
#endif
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
