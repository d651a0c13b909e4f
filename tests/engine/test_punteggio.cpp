// SPDX-License-Identifier: MIT
#include "punteggio.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {
struct Riga
{
    Intero risposte;
    Intero max;
    Intero atteso;
};
} // namespace

TEST(PunteggioNumero, TabellaEBonus)
{
    const std::vector<Riga> righe{
        // base table at a wide range (no bonus beyond 6 answers below 80)
        {1, 50, 100},
        {4, 50, 100},
        {7, 50, 80},
        {8, 50, 75},
        {9, 50, 70},
        {10, 50, 70},
        {11, 50, 60},
        {13, 50, 50},
        {15, 50, 40},
        {16, 50, 40},
        {17, 50, 30},
        {18, 50, 20},
        {19, 50, 10},
        {20, 50, 5},
        {21, 50, 0},
        // 0..10 has its own column and no bonus at all
        {4, 10, 100},
        {5, 10, 95},
        {6, 10, 90},
        {8, 10, 75},
        {9, 10, 50},
        {10, 10, 50},
        {11, 10, 10},
        {12, 10, 10},
        {13, 10, 5},
        {16, 10, 5},
        {17, 10, 0},
        {19, 10, 0},
        {20, 10, 0},
        {21, 10, 0},
        // 0..20: its two cells and its bonus up to 5 answers
        {5, 20, 100},
        {6, 20, 90},
        {19, 20, 5},
        {20, 20, 0},
        {21, 20, 0},
        // from 30 the bonus reaches 6 answers, from 80 it reaches 7
        {5, 30, 100},
        {6, 30, 100},
        {7, 30, 80},
        {7, 60, 80},
        {6, 60, 100},
        {7, 80, 100},
        {8, 80, 75},
        {7, 100, 100},
        {21, 100, 0},
    };
    for (const Riga &r : righe)
        EXPECT_EQ(Punteggio::PerNumero(r.risposte, r.max), r.atteso) << r.risposte << " answers in 0.." << r.max;
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
