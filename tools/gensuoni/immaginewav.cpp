// SPDX-License-Identifier: MIT
#include "immaginewav.h"

#include "msadpcm.h"

#include <string_view>

namespace {

class Scrittore
{
public:
    void Etichetta(std::string_view s) { byte_.insert(byte_.end(), s.begin(), s.end()); }
    void U16(std::uint32_t v)
    {
        byte_.push_back(static_cast<std::uint8_t>(v & 0xff));
        byte_.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
    }
    void U32(std::uint32_t v)
    {
        U16(v & 0xffff);
        U16(v >> 16);
    }
    std::vector<std::uint8_t> &Byte() { return byte_; }

private:
    std::vector<std::uint8_t> byte_;
};

} // namespace

std::vector<std::uint8_t> ImmagineWav(int frequenza, std::span<const std::uint8_t> dati,
                                      std::optional<std::uint32_t> campioniFact)
{
    constexpr std::uint32_t ExtraFmt = 32; // samples per block, pair count, 7 pairs
    Scrittore w;
    w.Etichetta("RIFF");
    w.U32(0); // filled in below, once the size is known
    w.Etichetta("WAVE");

    w.Etichetta("fmt ");
    w.U32(18 + ExtraFmt);
    w.U16(2); // Microsoft ADPCM
    w.U16(1);
    w.U32(static_cast<std::uint32_t>(frequenza));
    w.U32(static_cast<std::uint32_t>(frequenza) * msadpcm::ByteBlocco / msadpcm::CampioniBlocco);
    w.U16(msadpcm::ByteBlocco);
    w.U16(4);
    w.U16(ExtraFmt);
    w.U16(msadpcm::CampioniBlocco);
    w.U16(msadpcm::Coefficienti.size());
    for (const auto &coppia : msadpcm::Coefficienti) {
        w.U16(static_cast<std::uint16_t>(coppia[0]));
        w.U16(static_cast<std::uint16_t>(coppia[1]));
    }

    if (campioniFact) {
        w.Etichetta("fact");
        w.U32(4);
        w.U32(*campioniFact);
    }

    w.Etichetta("data");
    w.U32(static_cast<std::uint32_t>(dati.size()));
    auto &b = w.Byte();
    b.insert(b.end(), dati.begin(), dati.end());
    if (dati.size() % 2 != 0)
        b.push_back(0); // RIFF keeps chunks at even offsets

    const auto dimensione = static_cast<std::uint32_t>(b.size() - 8);
    for (int i = 0; i < 4; ++i)
        b[4 + i] = static_cast<std::uint8_t>(dimensione >> (8 * i));
    return b;
}
