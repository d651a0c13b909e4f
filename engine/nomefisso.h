// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Player names are stored as exactly 10 characters (Unicode code points, not bytes), UTF-8 encoded.
class NomeFisso
{
public:
    static constexpr int Lunghezza = 10;

    // Cut to 10 characters or pad on the right with blanks.
    static std::string Adatta(std::string_view utf8);
    // Leading and trailing blanks removed (what the windows show).
    static std::string Rifila(std::string_view utf8);
    // Only trailing blanks removed.
    static std::string RifilaDestra(std::string_view utf8);
    // First letter of each blank-separated word upper case, every other letter lower case.
    static std::string Iniziali(std::string_view utf8);
    // Number of characters (code points) in a UTF-8 text.
    static int Caratteri(std::string_view utf8);
};
