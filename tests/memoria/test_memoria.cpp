// SPDX-License-Identifier: MIT
#include "memoria.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>

namespace {

// A sound's worth of samples, written through so that its pages are really taken.
[[maybe_unused]] void DecodificaFinta(std::size_t byte)
{
    const auto campioni = std::make_unique<std::uint8_t[]>(byte);
    std::memset(campioni.get(), 0x55, byte);
    volatile std::uint8_t letto = campioni[byte - 1];
    (void)letto;
}

} // namespace

// Sounds of several sizes decoded one after another, as a game does: none of them may leave the heap
// grown by its size once it is freed, however big the one before was.
TEST(Memoria, SuoniDecodificatiNonRestanoNelloHeap)
{
#ifndef CERCANUM_MEMORIA_GLIBC
    GTEST_SKIP() << "the heap is tuned on glibc only";
#else
    RegolaMemoria();
    for (const std::size_t byte : {400u * 1024u, 344u * 1024u, 512u * 1024u, 184u * 1024u, 400u * 1024u}) {
        const std::size_t prima = mallinfo2().arena;
        DecodificaFinta(byte);
        EXPECT_LT(mallinfo2().arena, prima + SogliaBlocchiGrandi) << byte << " bytes";
    }
#endif
}
