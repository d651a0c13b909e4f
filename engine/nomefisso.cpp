// SPDX-License-Identifier: MIT
#include "nomefisso.h"

namespace {

// Decodes UTF-8; a malformed byte becomes U+FFFD so that nothing is lost silently.
std::u32string Decodifica(std::string_view s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        if (i + extra >= s.size()) { // sequence cut short by the end of the text
            out.push_back(U'\uFFFD');
            break;
        }
        bool valido = true;
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) {
                valido = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!valido) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

std::string Codifica(std::u32string_view s)
{
    std::string out;
    for (char32_t cp : s) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

// Case mapping for the letters a name can hold: ASCII, Latin-1 and Latin Extended-A.
char32_t Maiuscola(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        const bool dispariMinuscola = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        if (dispariMinuscola)
            return (c % 2 == 0) ? c - 1 : c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    return c;
}

char32_t Minuscola(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x100 && c <= 0x17F) {
        const bool dispariMinuscola = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x130 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        if (dispariMinuscola)
            return (c % 2 == 1) ? c + 1 : c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    return c;
}

bool Spazio(char32_t c)
{
    return c == U' ';
}

} // namespace

std::string NomeFisso::Adatta(std::string_view utf8)
{
    std::u32string s = Decodifica(utf8);
    s.resize(Lunghezza, U' ');
    return Codifica(s);
}

std::string NomeFisso::Rifila(std::string_view utf8)
{
    const auto inizio = utf8.find_first_not_of(' ');
    if (inizio == std::string_view::npos)
        return {};
    const auto fine = utf8.find_last_not_of(' ');
    return std::string(utf8.substr(inizio, fine - inizio + 1));
}

std::string NomeFisso::RifilaDestra(std::string_view utf8)
{
    const auto fine = utf8.find_last_not_of(' ');
    return fine == std::string_view::npos ? std::string{} : std::string(utf8.substr(0, fine + 1));
}

std::string NomeFisso::Iniziali(std::string_view utf8)
{
    std::u32string s = Decodifica(utf8);
    bool inizioParola = true;
    for (char32_t &c : s) {
        if (Spazio(c)) {
            inizioParola = true;
            continue;
        }
        c = inizioParola ? Maiuscola(c) : Minuscola(c);
        inizioParola = false;
    }
    return Codifica(s);
}

int NomeFisso::Caratteri(std::string_view utf8)
{
    return static_cast<int>(Decodifica(utf8).size());
}
