// SPDX-License-Identifier: MIT
// The generator's encoder, judged by the decoder the game uses.
#include "decodificasdl.h"
#include "immaginewav.h"
#include "msadpcm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

// Everything that strains an encoder, a block of each: a smooth low tone (where the second-order
// predictors win), a tone sweeping up to near Nyquist, full-scale steps that hit the clamp, noise,
// and a loud tone fading into silence in a partial last block (5 x 500 + 234 samples).
std::vector<std::int16_t> SegnaleDifficile()
{
    std::vector<std::int16_t> x(5 * 500 + 234);
    std::uint32_t seme = 12345;
    double fase = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double t = static_cast<double>(i % 500);
        double v = 0;
        switch (i / 500) {
        case 0: v = 25000 * std::sin(2 * std::numbers::pi * 90.0 * t / 8000.0); break;
        case 1:
            fase += 2 * std::numbers::pi * (100.0 + 7.5 * t) / 8000.0;
            v = 20000 * std::sin(fase);
            break;
        case 2: v = (i / 20) % 2 ? 32767 : -32768; break;
        case 3:
            seme = seme * 1103515245u + 12345u;
            v = static_cast<double>(seme >> 16 & 0x7fff) - 16384;
            break;
        default: v = 32000 * std::exp(-t / 40.0) * std::sin(2 * std::numbers::pi * 300.0 * t / 8000.0); break;
        }
        x[i] = static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0));
    }
    return x;
}

TEST(CodificaMsAdpcm, SdlSenteEsattamenteCioCheIlCodificatorePrevede)
{
    const std::vector<std::int16_t> x = SegnaleDifficile();
    const msadpcm::Codificato c = msadpcm::Codifica(x);
    ASSERT_EQ(c.dati.size(), 5u * 256 + 7 + (234 - 2) / 2);
    ASSERT_EQ(c.decodifica.size(), x.size());
    std::set<int> predittori;
    for (std::size_t b = 0; b < c.dati.size(); b += 256)
        predittori.insert(c.dati[b]);
    EXPECT_GE(predittori.size(), 3u) << "the signal should make the encoder use several predictors";

    const PcmDecodificato sdl = DecodificaConSdl(ImmagineWav(8000, c.dati, std::nullopt));
    ASSERT_TRUE(sdl.riuscito) << sdl.errore;
    EXPECT_EQ(sdl.campioni, c.decodifica);
}

TEST(CodificaMsAdpcm, IlContoDelFactTroncaLUltimoBlocco)
{
    const std::vector<std::int16_t> x(1000, 0);
    const msadpcm::Codificato c = msadpcm::Codifica(x);
    const PcmDecodificato sdl = DecodificaConSdl(ImmagineWav(11025, c.dati, 777));
    ASSERT_TRUE(sdl.riuscito) << sdl.errore;
    EXPECT_EQ(sdl.frequenza, 11025);
    EXPECT_EQ(sdl.campioni.size(), 777u);
}

TEST(CodificaMsAdpcm, UnTonoPassaConPocoRumore)
{
    std::vector<std::int16_t> x(4000);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<std::int16_t>(
            std::lround(16000 * std::sin(2 * std::numbers::pi * 660.0 * static_cast<double>(i) / 8000.0)));
    const msadpcm::Codificato c = msadpcm::Codifica(x);

    double segnale = 0, rumore = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        segnale += static_cast<double>(x[i]) * x[i];
        rumore += std::pow(static_cast<double>(c.decodifica[i]) - x[i], 2);
    }
    EXPECT_GT(10 * std::log10(segnale / rumore), 25.0);
}

TEST(CodificaMsAdpcm, SoloCampioniCheUnBloccoPuoContenere)
{
    EXPECT_THROW(msadpcm::Codifica(std::vector<std::int16_t>(501)), std::invalid_argument);
    EXPECT_THROW(msadpcm::Codifica(std::vector<std::int16_t>(503)), std::invalid_argument);
    EXPECT_THROW(msadpcm::Codifica(std::vector<std::int16_t>(1)), std::invalid_argument);
    EXPECT_NO_THROW(msadpcm::Codifica(std::vector<std::int16_t>(502)));
}

} // namespace
