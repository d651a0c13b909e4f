// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// A picture embedded under :/images/, with the size it is drawn at.
struct Figura
{
    const char *file;
    int larghezza;
    int altezza;
};

// Every picture the three windows show, by what it shows. Nothing else names a picture file.
namespace Figure {
inline constexpr Figura Titolo{"titolo.gif", 267, 38};
inline constexpr Figura Sfondo{"sfondo.bmp", 78, 85};
inline constexpr std::array<Figura, 9> Smile{{
    {"smile0.ico", 32, 32},
    {"smile1.ico", 32, 32},
    {"smile2.ico", 32, 32},
    {"smile3.ico", 32, 32},
    {"smile4.ico", 32, 32},
    {"smile5.ico", 32, 32},
    {"smile6.ico", 32, 32},
    {"smile7.ico", 32, 32},
    {"smile8.ico", 32, 32},
}};
// Pleased teacher, angry teacher, red question mark, yellow question mark.
inline constexpr std::array<Figura, 4> SmileForm{{
    {"maestro0.ico", 32, 32},
    {"maestro1.ico", 32, 32},
    {"domanda_rossa.ico", 32, 32},
    {"domanda_gialla.ico", 32, 32},
}};
// From the best judgement to the worst.
inline constexpr std::array<Figura, 6> Giudizio{{
    {"giudizio0.ico", 32, 32},
    {"giudizio1.ico", 32, 32},
    {"giudizio2.ico", 32, 32},
    {"giudizio3.ico", 32, 32},
    {"giudizio4.ico", 32, 32},
    {"giudizio5.ico", 32, 32},
}};
inline constexpr Figura Pensa{"pensa.ico", 32, 32};
inline constexpr std::array<Figura, 2> Ingranaggio{{{"ingranaggio0.ico", 32, 32}, {"ingranaggio1.ico", 32, 32}}};
inline constexpr Figura Indice{"indice.ico", 32, 32};
inline constexpr Figura Buco{"buco.ico", 48, 48};
// The boy in red (first player) and the boy in green (second player).
inline constexpr std::array<Figura, 2> Bimbo{{{"bimbo0.ico", 32, 32}, {"bimbo1.ico", 32, 32}}};
inline constexpr Figura NoSuono{"nosuono.ico", 32, 32};
inline constexpr Figura Mano{"mano.ico", 32, 32};
inline constexpr Figura Ricomincia{"ricomincia.ico", 32, 32};
inline constexpr Figura Esci{"esci.ico", 32, 32};
// The game's icon: the yellow question mark.
inline constexpr Figura Icona = SmileForm[3];
inline constexpr Figura Busta{"busta.bmp", 14, 11};
inline constexpr Figura Libro{"libro.bmp", 16, 17};

inline constexpr std::array<Figura, 32> Tutte{
    Titolo,      Sfondo,      Smile[0],    Smile[1],     Smile[2],     Smile[3],     Smile[4],       Smile[5],
    Smile[6],    Smile[7],    Smile[8],    SmileForm[0], SmileForm[1], SmileForm[2], SmileForm[3],   Giudizio[0],
    Giudizio[1], Giudizio[2], Giudizio[3], Giudizio[4],  Giudizio[5],  Pensa,        Ingranaggio[0], Ingranaggio[1],
    Indice,      Buco,        Bimbo[0],    Bimbo[1],     NoSuono,      Mano,         Ricomincia,     Esci,
};
inline constexpr std::array<Figura, 2> DelleInformazioni{Busta, Libro};
} // namespace Figure
