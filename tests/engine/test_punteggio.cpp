// SPDX-License-Identifier: MIT
#include "punteggio.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

// The score of a number for every count of answers (21 = lost) and every maximum a game
// announces, copied by hand from the rules' table and its three bonuses.
TEST(PunteggioNumero, TabellaIntera)
{
    constexpr std::array<Intero, 8> Massimi{10, 20, 30, 40, 50, 60, 80, 100};
    // clang-format off
    constexpr std::array<std::array<Intero, 8>, 21> Attesi{{
        //  10   20   30   40   50   60   80  100
        {  100, 100, 100, 100, 100, 100, 100, 100 }, //  1
        {  100, 100, 100, 100, 100, 100, 100, 100 }, //  2
        {  100, 100, 100, 100, 100, 100, 100, 100 }, //  3
        {  100, 100, 100, 100, 100, 100, 100, 100 }, //  4
        {   95, 100, 100, 100, 100, 100, 100, 100 }, //  5
        {   90,  90, 100, 100, 100, 100, 100, 100 }, //  6
        {   80,  80,  80,  80,  80,  80, 100, 100 }, //  7
        {   75,  75,  75,  75,  75,  75,  75,  75 }, //  8
        {   50,  70,  70,  70,  70,  70,  70,  70 }, //  9
        {   50,  70,  70,  70,  70,  70,  70,  70 }, // 10
        {   10,  60,  60,  60,  60,  60,  60,  60 }, // 11
        {   10,  60,  60,  60,  60,  60,  60,  60 }, // 12
        {    5,  50,  50,  50,  50,  50,  50,  50 }, // 13
        {    5,  50,  50,  50,  50,  50,  50,  50 }, // 14
        {    5,  40,  40,  40,  40,  40,  40,  40 }, // 15
        {    5,  40,  40,  40,  40,  40,  40,  40 }, // 16
        {    0,  30,  30,  30,  30,  30,  30,  30 }, // 17
        {    0,  20,  20,  20,  20,  20,  20,  20 }, // 18
        {    0,   5,  10,  10,  10,  10,  10,  10 }, // 19
        {    0,   0,   5,   5,   5,   5,   5,   5 }, // 20
        {    0,   0,   0,   0,   0,   0,   0,   0 }, // 21: lost, never a bonus
    }};
    // clang-format on
    for (std::size_t r = 0; r < Attesi.size(); ++r)
        for (std::size_t c = 0; c < Massimi.size(); ++c) {
            const auto risposte = static_cast<Intero>(r + 1);
            EXPECT_EQ(Punteggio::PerNumero(risposte, Massimi[c]), Attesi[r][c])
                << risposte << " answers in 0.." << Massimi[c];
        }
}

namespace {
Intero Media(std::vector<std::optional<Intero>> punteggi)
{
    return Punteggio::Media(punteggi);
}
} // namespace

TEST(Media, MezzoArrotondaInSu)
{
    EXPECT_EQ(Media({100, 75}), 88); // 87.5
    EXPECT_EQ(Media({90, 95}), 93);  // 92.5
    EXPECT_EQ(Media({100, 50}), 75);
    EXPECT_EQ(Media({100, 100, 0}), 67); // 66.67: a lost number pulls it down
    EXPECT_EQ(Media({100}), 100);
}

TEST(Media, NumeroNonGiocatoFermaLaMedia)
{
    std::vector<std::optional<Intero>> colonna(15);
    colonna[0] = 100;
    colonna[1] = 80;
    colonna[3] = 0; // beyond the first number not played: ignored
    EXPECT_EQ(Media(colonna), 90);
    EXPECT_EQ(Media(std::vector<std::optional<Intero>>(15)), 0) << "nothing to average";
}
