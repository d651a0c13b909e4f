// SPDX-License-Identifier: MIT
#include "msadpcm.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace msadpcm {
namespace {

constexpr std::array<int, 16> Adattamento = {230, 230, 230, 230, 307, 409, 512, 614,
                                             768, 614, 512, 409, 307, 230, 230, 230};

// Kept in the header as a signed 16-bit field; some decoders read it so.
constexpr int DeltaMinimo = 16;
constexpr int DeltaMassimo = 32767;

struct Stato
{
    int c1 = 0;
    int c2 = 0;
    int delta = DeltaMinimo;
    int s1 = 0; // the newer of the last two samples
    int s2 = 0;
};

int Previsione(const Stato &st)
{
    // Division, not a shift: decoders round toward zero here, and the encoder has to agree
    // bit for bit with what the player will hear.
    return (st.s1 * st.c1 + st.s2 * st.c2) / 256;
}

int Ricostruisci(int previsto, int delta, int nibble)
{
    const int errore = nibble >= 8 ? nibble - 16 : nibble;
    return std::clamp(previsto + delta * errore, -32768, 32767);
}

void Avanza(Stato &st, int campione, int nibble)
{
    st.delta = std::clamp(st.delta * Adattamento[nibble] / 256, DeltaMinimo, 65535);
    st.s2 = st.s1;
    st.s1 = campione;
}

// Greedy choice per sample; `nibble`/`uscita` may be null while only the error is wanted.
long long CodificaBlocco(std::span<const std::int16_t> x, Stato st, std::uint8_t *nibble, std::int16_t *uscita)
{
    long long errore = 0;
    for (std::size_t i = 2; i < x.size(); ++i) {
        const int previsto = Previsione(st);
        int migliore = 0;
        int ricostruito = 0;
        long long minimo = std::numeric_limits<long long>::max();
        for (int n = 0; n < 16; ++n) {
            const int r = Ricostruisci(previsto, st.delta, n);
            const long long d = static_cast<long long>(r) - x[i];
            if (d * d < minimo) {
                minimo = d * d;
                migliore = n;
                ricostruito = r;
            }
        }
        errore += minimo;
        Avanza(st, ricostruito, migliore);
        if (nibble)
            nibble[i - 2] = static_cast<std::uint8_t>(migliore);
        if (uscita)
            uscita[i] = static_cast<std::int16_t>(ricostruito);
    }
    return errore;
}

// A starting step near half the typical prediction error of the first samples, since the
// middle nibbles (about +-2 steps) are the ones that adapt least.
int DeltaIniziale(std::span<const std::int16_t> x, int c1, int c2)
{
    const std::size_t fine = std::min<std::size_t>(x.size(), 10);
    long long somma = 0;
    for (std::size_t i = 2; i < fine; ++i)
        somma += std::abs(x[i] - (x[i - 1] * c1 + x[i - 2] * c2) / 256);
    const long long n = fine > 2 ? static_cast<long long>(fine - 2) : 1;
    return static_cast<int>(std::clamp<long long>(somma / n / 2, DeltaMinimo, DeltaMassimo));
}

void Scrivi16(std::vector<std::uint8_t> &v, int valore)
{
    v.push_back(static_cast<std::uint8_t>(valore & 0xff));
    v.push_back(static_cast<std::uint8_t>((valore >> 8) & 0xff));
}

} // namespace

Codificato Codifica(std::span<const std::int16_t> pcm)
{
    const std::size_t ultimo = pcm.size() % CampioniBlocco;
    if (pcm.size() < 2 || ultimo == 1 || ultimo % 2 != 0)
        throw std::invalid_argument("the last ADPCM block needs an even number of samples, at least 2");

    Codificato c;
    c.decodifica.resize(pcm.size());
    for (std::size_t inizio = 0; inizio < pcm.size(); inizio += CampioniBlocco) {
        const std::span<const std::int16_t> x =
            pcm.subspan(inizio, std::min<std::size_t>(CampioniBlocco, pcm.size() - inizio));

        Stato scelto;
        long long minimo = std::numeric_limits<long long>::max();
        int indice = 0;
        for (int p = 0; p < static_cast<int>(Coefficienti.size()); ++p) {
            Stato st;
            st.c1 = Coefficienti[p][0];
            st.c2 = Coefficienti[p][1];
            st.s1 = x[1];
            st.s2 = x[0];
            const int base = DeltaIniziale(x, st.c1, st.c2);
            for (const int delta : {DeltaMinimo, base / 2, base * 3 / 4, base, base * 3 / 2, base * 2}) {
                st.delta = std::clamp(delta, DeltaMinimo, DeltaMassimo);
                const long long errore = CodificaBlocco(x, st, nullptr, nullptr);
                if (errore < minimo) {
                    minimo = errore;
                    scelto = st;
                    indice = p;
                }
            }
        }

        std::vector<std::uint8_t> nibble(x.size() - 2);
        std::int16_t *uscita = c.decodifica.data() + inizio;
        uscita[0] = x[0];
        uscita[1] = x[1];
        CodificaBlocco(x, scelto, nibble.data(), uscita);

        c.dati.push_back(static_cast<std::uint8_t>(indice));
        Scrivi16(c.dati, scelto.delta);
        // The newer header sample comes first, though the decoder outputs it second.
        Scrivi16(c.dati, scelto.s1);
        Scrivi16(c.dati, scelto.s2);
        for (std::size_t i = 0; i < nibble.size(); i += 2)
            c.dati.push_back(static_cast<std::uint8_t>(nibble[i] << 4 | nibble[i + 1]));
    }
    return c;
}

} // namespace msadpcm
