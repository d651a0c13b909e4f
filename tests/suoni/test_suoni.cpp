// SPDX-License-Identifier: MIT
// The seven committed sound files: their bytes, and what SDL makes of them.
#include "decodificasdl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Atteso
{
    int id;
    int risorsa; // bytes, the image rounded up to 4
    int frequenza;
    int byteDati;
    int campioni;
    bool fact;
    double durata; // s
};

void PrintTo(const Atteso &a, std::ostream *os)
{
    *os << a.id << ".wav";
}

const Atteso Tabella[] = {
    {101, 2196, 8000, 2117, 4126, false, 0.516},    {102, 12636, 11025, 12544, 24373, true, 2.211},
    {103, 7176, 8000, 7097, 13858, false, 1.732},   {104, 3940, 8000, 3862, 7532, false, 0.942},
    {105, 10860, 8000, 10779, 21042, false, 2.630}, {106, 4528, 8000, 4449, 8682, false, 1.085},
    {107, 11100, 11025, 11008, 21344, true, 1.936},
};

std::vector<std::uint8_t> Leggi(int id)
{
    std::ifstream f(std::string(CERCANUM_SUONI) + "/" + std::to_string(id) + ".wav", std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::uint32_t U16(const std::vector<std::uint8_t> &b, std::size_t o)
{
    return b.at(o) | b.at(o + 1) << 8;
}
std::uint32_t U32(const std::vector<std::uint8_t> &b, std::size_t o)
{
    return U16(b, o) | U16(b, o + 2) << 16;
}
std::string Id(const std::vector<std::uint8_t> &b, std::size_t o)
{
    return {b.begin() + static_cast<std::ptrdiff_t>(o), b.begin() + static_cast<std::ptrdiff_t>(o + 4)};
}

struct Chunk
{
    std::string id;
    std::size_t inizio; // first byte of the body
    std::uint32_t lunghezza;
};

// Walks the chunks after "WAVE"; each must fit, and the last must end where the file does.
std::vector<Chunk> Chunks(const std::vector<std::uint8_t> &b)
{
    std::vector<Chunk> c;
    std::size_t o = 12;
    while (o + 8 <= b.size()) {
        const Chunk k{Id(b, o), o + 8, U32(b, o + 4)};
        c.push_back(k);
        o = k.inizio + k.lunghezza + (k.lunghezza % 2);
    }
    EXPECT_EQ(o, b.size()) << "chunks do not end at the end of the file";
    return c;
}

class SuonoSalvato : public testing::TestWithParam<Atteso>
{
};

TEST_P(SuonoSalvato, ImmagineRiffComeDaTabella)
{
    const Atteso &a = GetParam();
    const std::vector<std::uint8_t> b = Leggi(a.id);
    ASSERT_GE(b.size(), 12u);
    EXPECT_EQ(Id(b, 0), "RIFF");
    EXPECT_EQ(U32(b, 4), b.size() - 8);
    EXPECT_EQ(Id(b, 8), "WAVE");
    EXPECT_EQ((b.size() + 3) / 4 * 4, static_cast<std::size_t>(a.risorsa));

    const std::vector<Chunk> c = Chunks(b);
    std::vector<std::string> ordine;
    for (const Chunk &k : c)
        ordine.push_back(k.id);
    const std::vector<std::string> atteso =
        a.fact ? std::vector<std::string>{"fmt ", "fact", "data"} : std::vector<std::string>{"fmt ", "data"};
    ASSERT_EQ(ordine, atteso);

    const Chunk &fmt = c[0];
    const std::size_t f = fmt.inizio;
    EXPECT_EQ(fmt.lunghezza, 50u);
    EXPECT_EQ(U16(b, f), 2u) << "format tag";
    EXPECT_EQ(U16(b, f + 2), 1u) << "channels";
    EXPECT_EQ(U32(b, f + 4), static_cast<std::uint32_t>(a.frequenza));
    EXPECT_EQ(U32(b, f + 8), a.frequenza == 8000 ? 4096u : 5644u) << "average bytes per second";
    EXPECT_EQ(U16(b, f + 12), 256u) << "block align";
    EXPECT_EQ(U16(b, f + 14), 4u) << "bits per sample";
    EXPECT_EQ(U16(b, f + 16), 32u) << "extra size";
    EXPECT_EQ(U16(b, f + 18), 500u) << "samples per block";
    EXPECT_EQ(U16(b, f + 20), 7u) << "coefficient pairs";
    const int standard[14] = {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232};
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(static_cast<std::int16_t>(U16(b, f + 22 + 2 * i)), standard[i]) << "coefficient " << i;

    if (a.fact) {
        EXPECT_EQ(c[1].lunghezza, 4u);
        EXPECT_EQ(U32(b, c[1].inizio), static_cast<std::uint32_t>(a.campioni));
    }
    EXPECT_EQ(c.back().lunghezza, static_cast<std::uint32_t>(a.byteDati));
}

TEST_P(SuonoSalvato, SdlDecodificaTuttiICampioni)
{
    const Atteso &a = GetParam();
    const PcmDecodificato pcm = DecodificaConSdl(Leggi(a.id));
    ASSERT_TRUE(pcm.riuscito) << pcm.errore;
    EXPECT_EQ(pcm.frequenza, a.frequenza);
    EXPECT_EQ(pcm.canali, 1);
    EXPECT_EQ(static_cast<int>(pcm.campioni.size()), a.campioni);
    EXPECT_NEAR(static_cast<double>(pcm.campioni.size()) / pcm.frequenza, a.durata, 0.0005);
}

// What a child hears: audible, clear of full scale, centred, and without a click at either end.
TEST_P(SuonoSalvato, MisureDelSuonoDecodificato)
{
    const Atteso &a = GetParam();
    const PcmDecodificato pcm = DecodificaConSdl(Leggi(a.id));
    ASSERT_TRUE(pcm.riuscito) << pcm.errore;
    ASSERT_FALSE(pcm.campioni.empty());

    double picco = 0, somma = 0, quadrati = 0;
    for (const std::int16_t c : pcm.campioni) {
        const double v = c / 32768.0;
        picco = std::max(picco, std::abs(v));
        somma += v;
        quadrati += v * v;
    }
    const double n = static_cast<double>(pcm.campioni.size());
    EXPECT_LT(picco, 0.95);
    EXPECT_GT(picco, 0.2);
    EXPECT_LT(std::abs(somma / n), 0.002) << "DC offset";
    EXPECT_GT(std::sqrt(quadrati / n), 0.01) << "nearly silent";

    const std::size_t bordo = static_cast<std::size_t>(pcm.frequenza / 200); // 5 ms
    const auto massimo = [&](std::size_t da, std::size_t a) {
        int m = 0;
        for (std::size_t i = da; i < a; ++i)
            m = std::max(m, std::abs(static_cast<int>(pcm.campioni[i])));
        return m / 32768.0;
    };
    EXPECT_LT(massimo(0, 2), 0.01) << "starts with a click";
    EXPECT_LT(massimo(pcm.campioni.size() - bordo, pcm.campioni.size()), 0.01) << "ends with a click";
}

INSTANTIATE_TEST_SUITE_P(Tutti, SuonoSalvato, testing::ValuesIn(Tabella),
                         [](const testing::TestParamInfo<Atteso> &i) { return "id" + std::to_string(i.param.id); });

struct Livelli
{
    double picco;
    double rms;        // over the whole sound
    double rmsMassimo; // over its loudest 50 ms
};

Livelli Misura(const std::vector<std::int16_t> &campioni, int frequenza)
{
    const auto finestra = static_cast<std::size_t>(frequenza / 20);
    Livelli l{0, 0, 0};
    double quadrati = 0, inFinestra = 0, finestraMassima = 0;
    for (std::size_t i = 0; i < campioni.size(); ++i) {
        const double v = campioni[i] / 32768.0;
        l.picco = std::max(l.picco, std::abs(v));
        quadrati += v * v;
        inFinestra += v * v;
        if (i >= finestra) {
            const double uscente = campioni[i - finestra] / 32768.0;
            inFinestra -= uscente * uscente;
        }
        if (i + 1 >= finestra)
            finestraMassima = std::max(finestraMassima, inFinestra);
    }
    l.rms = std::sqrt(quadrati / static_cast<double>(campioni.size()));
    l.rmsMassimo = std::sqrt(finestraMassima / static_cast<double>(finestra));
    return l;
}

// A number found must sound at least as loud as a number lost, however loudness is measured.
TEST(LivelliDeiSuoni, TrovatoNonPiuPianoDiPerso)
{
    const PcmDecodificato perso = DecodificaConSdl(Leggi(105));
    const PcmDecodificato trovato = DecodificaConSdl(Leggi(106));
    ASSERT_TRUE(perso.riuscito) << perso.errore;
    ASSERT_TRUE(trovato.riuscito) << trovato.errore;
    ASSERT_FALSE(perso.campioni.empty());
    ASSERT_FALSE(trovato.campioni.empty());

    const Livelli p = Misura(perso.campioni, perso.frequenza);
    const Livelli t = Misura(trovato.campioni, trovato.frequenza);
    const auto dB = [](double x) {
        std::ostringstream s;
        s << std::fixed << std::setprecision(1) << 20 * std::log10(x) << " dBFS";
        return s.str();
    };
    EXPECT_GE(t.rms, p.rms) << "rms: found " << dB(t.rms) << ", lost " << dB(p.rms);
    EXPECT_GE(t.rmsMassimo, p.rmsMassimo)
        << "loudest 50 ms: found " << dB(t.rmsMassimo) << ", lost " << dB(p.rmsMassimo);
    EXPECT_GE(t.picco, p.picco) << "peak: found " << dB(t.picco) << ", lost " << dB(p.picco);
}

// The tick is cut off and restarted every 750 ms: what comes before the cut must already be quiet,
// and what is heard before it must not be.
TEST(SuonoPensiero, PrimiSettecentocinquantaMillisecondiStannoDaSoli)
{
    const PcmDecodificato pcm = DecodificaConSdl(Leggi(107));
    ASSERT_TRUE(pcm.riuscito) << pcm.errore;
    const auto taglio = static_cast<std::size_t>(0.750 * pcm.frequenza);
    ASSERT_GT(pcm.campioni.size(), taglio);

    int coda = 0;
    for (std::size_t i = taglio - static_cast<std::size_t>(0.05 * pcm.frequenza); i < taglio; ++i)
        coda = std::max(coda, std::abs(static_cast<int>(pcm.campioni[i])));
    EXPECT_LT(coda / 32768.0, 0.002);

    // A tick at the start and a tock halfway: 50 ms after each is not silent.
    for (const double centro : {0.0, 0.375}) {
        int m = 0;
        const auto da = static_cast<std::size_t>(centro * pcm.frequenza);
        for (std::size_t i = da; i < da + static_cast<std::size_t>(0.05 * pcm.frequenza); ++i)
            m = std::max(m, std::abs(static_cast<int>(pcm.campioni[i])));
        EXPECT_GT(m / 32768.0, 0.1) << "no stroke at " << centro << " s";
    }
}

} // namespace
