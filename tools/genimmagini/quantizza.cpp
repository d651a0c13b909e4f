// SPDX-License-Identifier: MIT
#include "quantizza.h"

#include <algorithm>
#include <limits>
#include <map>

namespace {

// A little under half, since the blend with the paper already softens the edge pixels.
constexpr int kSogliaAlfa = 110;
constexpr int kIterazioni = 60;

struct Colore
{
    double r = 0, g = 0, b = 0;
};

Colore DaRgb(QRgb c)
{
    return {double(qRed(c)), double(qGreen(c)), double(qBlue(c))};
}

// Green counts most and blue least, roughly as the eye weighs them.
double Distanza(const Colore &a, const Colore &b)
{
    const double dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

QRgb ARgb(const Colore &c)
{
    auto canale = [](double v) { return std::clamp(int(v + 0.5), 0, 255); };
    return qRgb(canale(c.r), canale(c.g), canale(c.b));
}

int Luminanza(QRgb c)
{
    return 299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c);
}

int Vicino(const std::vector<Colore> &centri, const Colore &c)
{
    int migliore = 0;
    double minima = std::numeric_limits<double>::max();
    for (int i = 0; i < int(centri.size()); ++i) {
        const double d = Distanza(centri[i], c);
        if (d < minima) {
            minima = d;
            migliore = i;
        }
    }
    return migliore;
}

// k-means over the distinct colours weighted by how often they occur. Seeding picks, each time,
// the colour that is both frequent and far from every centre so far, so small but distinct areas
// (a red cross on grey) get a colour of their own.
std::vector<QRgb> Tavolozza(const std::map<QRgb, int> &conteggi, int colori, std::optional<QRgb> fisso)
{
    std::vector<QRgb> distinti;
    std::vector<Colore> campioni;
    std::vector<double> pesi;
    for (const auto &[colore, quanti] : conteggi) {
        distinti.push_back(colore);
        campioni.push_back(DaRgb(colore));
        pesi.push_back(quanti);
    }

    const int fissi = fisso ? 1 : 0;
    std::vector<Colore> centri;
    if (fisso)
        centri.push_back(DaRgb(*fisso));

    if (int(distinti.size()) + fissi <= colori) {
        for (QRgb c : distinti)
            if (!fisso || c != *fisso)
                centri.push_back(DaRgb(c));
    } else {
        if (centri.empty())
            centri.push_back(campioni[std::max_element(pesi.begin(), pesi.end()) - pesi.begin()]);
        std::vector<double> minime(campioni.size(), std::numeric_limits<double>::max());
        while (int(centri.size()) < colori) {
            int scelto = -1;
            double meglio = 0;
            for (size_t i = 0; i < campioni.size(); ++i) {
                minime[i] = std::min(minime[i], Distanza(campioni[i], centri.back()));
                if (pesi[i] * minime[i] > meglio) {
                    meglio = pesi[i] * minime[i];
                    scelto = int(i);
                }
            }
            if (scelto < 0)
                break;
            centri.push_back(campioni[scelto]);
        }

        std::vector<int> gruppo(campioni.size(), -1);
        for (int giro = 0; giro < kIterazioni; ++giro) {
            bool cambiato = false;
            for (size_t i = 0; i < campioni.size(); ++i) {
                const int g = Vicino(centri, campioni[i]);
                cambiato = cambiato || g != gruppo[i];
                gruppo[i] = g;
            }
            if (!cambiato)
                break;
            std::vector<Colore> somme(centri.size());
            std::vector<double> totali(centri.size(), 0);
            for (size_t i = 0; i < campioni.size(); ++i) {
                Colore &s = somme[gruppo[i]];
                s.r += campioni[i].r * pesi[i];
                s.g += campioni[i].g * pesi[i];
                s.b += campioni[i].b * pesi[i];
                totali[gruppo[i]] += pesi[i];
            }
            for (size_t k = fissi; k < centri.size(); ++k)
                if (totali[k] > 0)
                    centri[k] = {somme[k].r / totali[k], somme[k].g / totali[k], somme[k].b / totali[k]};
        }

        // A flat fill that dominates its group keeps its exact colour instead of drifting towards
        // the antialiased pixels around it.
        std::vector<int> moda(centri.size(), -1);
        std::vector<double> totali(centri.size(), 0);
        for (size_t i = 0; i < campioni.size(); ++i) {
            const int g = Vicino(centri, campioni[i]);
            totali[g] += pesi[i];
            if (moda[g] < 0 || pesi[i] > pesi[moda[g]])
                moda[g] = int(i);
        }
        for (size_t k = fissi; k < centri.size(); ++k)
            if (moda[k] >= 0 && pesi[moda[k]] * 3 >= totali[k])
                centri[k] = campioni[moda[k]];
    }

    std::vector<QRgb> tavolozza;
    for (const Colore &c : centri) {
        const QRgb rgb = ARgb(c);
        if (std::find(tavolozza.begin(), tavolozza.end(), rgb) == tavolozza.end())
            tavolozza.push_back(rgb);
    }
    std::stable_sort(tavolozza.begin() + fissi, tavolozza.end(),
                     [](QRgb a, QRgb b) { return Luminanza(a) < Luminanza(b); });
    return tavolozza;
}

} // namespace

QRgb SuCarta(QRgb c)
{
    const int resto = 255 - qAlpha(c);
    auto canale = [resto](int premoltiplicato, int carta) {
        return std::min(255, premoltiplicato + (carta * resto + 127) / 255);
    };
    return qRgb(canale(qRed(c), qRed(kCarta)), canale(qGreen(c), qGreen(kCarta)), canale(qBlue(c), qBlue(kCarta)));
}

QImage Indicizzata::Immagine() const
{
    QImage immagine(larghezza, altezza, QImage::Format_ARGB32);
    for (int y = 0; y < altezza; ++y) {
        auto *riga = reinterpret_cast<QRgb *>(immagine.scanLine(y));
        for (int x = 0; x < larghezza; ++x) {
            const size_t i = size_t(y) * larghezza + x;
            riga[x] = trasparente[i] ? qRgba(0, 0, 0, 0) : tavolozza[indici[i]];
        }
    }
    return immagine;
}

Indicizzata Quantizza(const QImage &premoltiplicata, int colori, bool conMaschera, std::optional<QRgb> fisso)
{
    Indicizzata risultato;
    risultato.larghezza = premoltiplicata.width();
    risultato.altezza = premoltiplicata.height();
    const size_t quanti = size_t(risultato.larghezza) * risultato.altezza;
    risultato.indici.assign(quanti, 0);
    risultato.trasparente.assign(quanti, 0);

    std::vector<QRgb> opachi(quanti);
    std::map<QRgb, int> conteggi;
    for (int y = 0; y < risultato.altezza; ++y) {
        const auto *riga = reinterpret_cast<const QRgb *>(premoltiplicata.constScanLine(y));
        for (int x = 0; x < risultato.larghezza; ++x) {
            const size_t i = size_t(y) * risultato.larghezza + x;
            if (conMaschera && qAlpha(riga[x]) < kSogliaAlfa) {
                risultato.trasparente[i] = 1;
                continue;
            }
            opachi[i] = SuCarta(riga[x]);
            ++conteggi[opachi[i]];
        }
    }
    if (conteggi.empty())
        conteggi[fisso.value_or(qRgb(0, 0, 0))] = 1;

    risultato.tavolozza = Tavolozza(conteggi, colori, fisso);
    std::vector<Colore> centri;
    for (QRgb c : risultato.tavolozza)
        centri.push_back(DaRgb(c));
    std::map<QRgb, int> scelte;
    for (size_t i = 0; i < quanti; ++i) {
        if (risultato.trasparente[i])
            continue;
        auto trovato = scelte.find(opachi[i]);
        if (trovato == scelte.end())
            trovato = scelte.emplace(opachi[i], Vicino(centri, DaRgb(opachi[i]))).first;
        risultato.indici[i] = std::uint8_t(trovato->second);
    }
    return risultato;
}

Indicizzata Bicolore(const QImage &premoltiplicata)
{
    Indicizzata risultato;
    risultato.larghezza = premoltiplicata.width();
    risultato.altezza = premoltiplicata.height();
    risultato.tavolozza = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    const int w = risultato.larghezza, h = risultato.altezza;
    risultato.indici.assign(size_t(w) * h, 0);
    risultato.trasparente.assign(size_t(w) * h, 0);

    for (int y = 0; y < h; ++y) {
        const auto *riga = reinterpret_cast<const QRgb *>(premoltiplicata.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * w + x;
            const int a = qAlpha(riga[x]);
            if (a < 128) {
                risultato.trasparente[i] = 1;
                continue;
            }
            // Premultiplied, so compare with half the coverage rather than half of 255.
            risultato.indici[i] = Luminanza(riga[x]) >= 500 * a ? 1 : 0;
        }
    }
    auto fuori = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h || risultato.trasparente[size_t(y) * w + x];
    };
    std::vector<std::uint8_t> bordo(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bordo[size_t(y) * w + x] =
                !fuori(x, y) && (fuori(x - 1, y) || fuori(x + 1, y) || fuori(x, y - 1) || fuori(x, y + 1));
    for (size_t i = 0; i < bordo.size(); ++i)
        if (bordo[i])
            risultato.indici[i] = 0;
    return risultato;
}
