// SPDX-License-Identifier: MIT
#include "faccia.h"
#include "giudizio.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

TEST(Giudizio, FasceAiLoroConfini)
{
    struct Caso
    {
        Intero media;
        int figura;
    };
    const std::vector<Caso> casi{
        {100, 0}, {90, 0}, {89, 1}, {80, 1}, {79, 2}, {65, 2}, {64, 3}, {50, 3}, {49, 4}, {20, 4}, {19, 5}, {0, 5},
    };
    for (const Caso &c : casi)
        EXPECT_EQ(Giudizio::PerMedia(c.media), c.figura) << "average " << c.media;
}

TEST(Faccia, TabellaAiConfiniEValoriSpeciali)
{
    struct Caso
    {
        Intero valore;
        std::optional<int> faccia;
    };
    const std::vector<Caso> casi{
        {0, 0},
        {2, 0},
        {3, 1},
        {5, 1},
        {6, 2},
        {8, 2},
        {9, 3},
        {11, 3},
        {12, 4},
        {14, 4},
        {15, 5},
        {17, 5},
        {18, 6},
        {19, 6},
        {20, 6},
        {50, 7},
        {100, 8},
        {-1, std::nullopt},
        {21, std::nullopt},
        {49, std::nullopt},
        {51, std::nullopt},
        {99, std::nullopt},
        {101, std::nullopt},
    };
    for (const Caso &c : casi)
        EXPECT_EQ(Faccia::PerValore(c.valore), c.faccia) << "value " << c.valore;
}
