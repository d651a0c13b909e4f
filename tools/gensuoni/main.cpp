// SPDX-License-Identifier: MIT
// gensuoni OUTDIR: writes the game's seven sound effects as OUTDIR/101.wav ... 107.wav.
#include "immaginewav.h"
#include "msadpcm.h"
#include "suoni.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

// What the player will hear, as fractions of full scale. The loudest 50 ms says more about how
// loud a sound seems than the mean over the whole file, whose silent tail pulls it down.
void Riassumi(const Suono &s, const std::vector<std::int16_t> &pcm)
{
    const auto finestra = static_cast<std::size_t>(s.frequenza / 20);
    const auto n = static_cast<std::size_t>(s.campioni);
    double picco = 0, somma = 0, quadrati = 0, finestraMassima = 0, inFinestra = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double v = pcm[i] / 32768.0;
        picco = std::max(picco, std::abs(v));
        somma += v;
        quadrati += v * v;
        inFinestra += v * v;
        if (i >= finestra) {
            const double uscente = pcm[i - finestra] / 32768.0;
            inFinestra -= uscente * uscente;
        }
        if (i + 1 >= finestra)
            finestraMassima = std::max(finestraMassima, inFinestra);
    }
    const double rms = std::sqrt(quadrati / static_cast<double>(n));
    const double rms50 = std::sqrt(finestraMassima / static_cast<double>(finestra));
    std::printf("%d.wav  %.3f s  peak %.3f (%.1f dBFS)  rms %.4f (%.1f dBFS)  loudest 50 ms %.4f (%.1f dBFS)"
                "  mean %+.6f\n",
                s.id, static_cast<double>(s.campioni) / s.frequenza, picco, 20 * std::log10(picco), rms,
                20 * std::log10(rms), rms50, 20 * std::log10(rms50), somma / static_cast<double>(n));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gensuoni OUTDIR\n");
        return 2;
    }
    const std::filesystem::path cartella = argv[1];
    std::error_code errore;
    std::filesystem::create_directories(cartella, errore);

    for (const Suono &s : TabellaSuoni) {
        std::vector<std::int16_t> pcm = Sintetizza(s);
        // A stated count leaves the last block full; what follows the sound there is silence.
        if (s.conFact)
            pcm.resize((pcm.size() + msadpcm::CampioniBlocco - 1) / msadpcm::CampioniBlocco * msadpcm::CampioniBlocco,
                       0);

        const msadpcm::Codificato c = msadpcm::Codifica(pcm);
        const auto fact =
            s.conFact ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(s.campioni)) : std::nullopt;
        if (static_cast<int>(c.dati.size()) != s.byteDati) {
            std::fprintf(stderr, "gensuoni: %d has %zu data bytes, not %d\n", s.id, c.dati.size(), s.byteDati);
            return 1;
        }
        const std::vector<std::uint8_t> immagine = ImmagineWav(s.frequenza, c.dati, fact);

        const std::filesystem::path file = cartella / (std::to_string(s.id) + ".wav");
        std::ofstream uscita(file, std::ios::binary);
        uscita.write(reinterpret_cast<const char *>(immagine.data()), static_cast<std::streamsize>(immagine.size()));
        if (!uscita) {
            std::fprintf(stderr, "gensuoni: cannot write %s\n", file.c_str());
            return 1;
        }
        Riassumi(s, c.decodifica);
    }
    return 0;
}
