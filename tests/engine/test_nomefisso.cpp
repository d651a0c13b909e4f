// SPDX-License-Identifier: MIT
#include "nomefisso.h"

#include <gtest/gtest.h>

TEST(NomeFisso, TagliaORiempieADieciCaratteri)
{
    EXPECT_EQ(NomeFisso::Adatta("Anna"), "Anna      ");
    EXPECT_EQ(NomeFisso::Adatta("Massimiliano"), "Massimilia");
    EXPECT_EQ(NomeFisso::Adatta(""), "          ");
    // Characters, not bytes: "è" is two bytes and one character.
    EXPECT_EQ(NomeFisso::Adatta("Niccolò"), "Niccolò   ");
    EXPECT_EQ(NomeFisso::Caratteri(NomeFisso::Adatta("àèìòùàèìòùà")), 10);
    EXPECT_EQ(NomeFisso::Adatta("àèìòùàèìòùà"), "àèìòùàèìòù");
}

TEST(NomeFisso, Rifila)
{
    EXPECT_EQ(NomeFisso::Rifila("  marco   "), "marco");
    EXPECT_EQ(NomeFisso::Rifila("          "), "");
    EXPECT_EQ(NomeFisso::RifilaDestra("  Anna Maria"), "  Anna Maria");
    EXPECT_EQ(NomeFisso::RifilaDestra("Rosso     "), "Rosso");
}

TEST(NomeFisso, IniziaMaiuscole)
{
    EXPECT_EQ(NomeFisso::Iniziali("marco"), "Marco");
    EXPECT_EQ(NomeFisso::Iniziali("ANNA MARIA"), "Anna Maria");
    EXPECT_EQ(NomeFisso::Iniziali("èLLA"), "Èlla");
    EXPECT_EQ(NomeFisso::Iniziali("ÀNGELO  ÒSCAR"), "Àngelo  Òscar");
    EXPECT_EQ(NomeFisso::Iniziali("łukasz ŻANETA"), "Łukasz Żaneta");
    EXPECT_EQ(NomeFisso::Iniziali("d'amico"), "D'amico") << "only blanks separate words";
    EXPECT_EQ(NomeFisso::Iniziali("x9 7b"), "X9 7b");
}
