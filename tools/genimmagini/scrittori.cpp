// SPDX-License-Identifier: MIT
#include "scrittori.h"
#include "quantizza.h"

#include <vector>

namespace {

void Byte(QByteArray &d, int v)
{
    d.append(char(v & 0xff));
}

void Parola(QByteArray &d, int v)
{
    Byte(d, v);
    Byte(d, v >> 8);
}

void Doppia(QByteArray &d, quint32 v)
{
    Parola(d, int(v & 0xffff));
    Parola(d, int(v >> 16));
}

// BMP rows are padded to whole 32-bit words.
int ByteRiga(int larghezza, int bit)
{
    return (larghezza * bit + 31) / 32 * 4;
}

void Tavolozza(QByteArray &d, const Indicizzata &immagine, int voci)
{
    for (int i = 0; i < voci; ++i) {
        const QRgb c = i < int(immagine.tavolozza.size()) ? immagine.tavolozza[i] : qRgb(0, 0, 0);
        Byte(d, qBlue(c));
        Byte(d, qGreen(c));
        Byte(d, qRed(c));
        Byte(d, 0);
    }
}

// Rows bottom first, as every bitmap stores them; `valore` gives what one pixel holds.
template <typename F> void Pixel(QByteArray &d, int larghezza, int altezza, int bit, F valore)
{
    const int perByte = 8 / bit;
    const int riga = ByteRiga(larghezza, bit);
    for (int y = altezza - 1; y >= 0; --y) {
        QByteArray r(riga, '\0');
        for (int x = 0; x < larghezza; ++x) {
            const int spostamento = (perByte - 1 - x % perByte) * bit;
            r[x / perByte] = char(quint8(r[x / perByte]) | (valore(x, y) << spostamento));
        }
        d.append(r);
    }
}

void Intestazione(QByteArray &d, int larghezza, int altezza, int bit, int coloriUsati, int dimensioneDati)
{
    Doppia(d, 40);
    Doppia(d, quint32(larghezza));
    Doppia(d, quint32(altezza));
    Parola(d, 1);
    Parola(d, bit);
    Doppia(d, 0); // no compression
    Doppia(d, quint32(dimensioneDati));
    Doppia(d, 0);
    Doppia(d, 0);
    Doppia(d, quint32(coloriUsati));
    Doppia(d, 0);
}

// The image of an icon or cursor: header with double height, palette, XOR image, AND mask.
QByteArray ImmagineIcona(const Indicizzata &im, int bit)
{
    const int w = im.larghezza, h = im.altezza;
    const int dati = ByteRiga(w, bit) * h + ByteRiga(w, 1) * h;
    QByteArray d;
    Intestazione(d, w, 2 * h, bit, 0, dati);
    Tavolozza(d, im, 1 << bit);
    // Hidden pixels hold entry 0 (black), so XOR-ing them leaves the screen unchanged.
    Pixel(d, w, h, bit, [&](int x, int y) {
        const size_t i = size_t(y) * w + x;
        return im.trasparente[i] ? 0 : int(im.indici[i]);
    });
    Pixel(d, w, h, 1, [&](int x, int y) { return int(im.trasparente[size_t(y) * w + x]); });
    return d;
}

QByteArray Raccolta(int tipo, const Indicizzata &im, int coloriVoce, int campo1, int campo2, const QByteArray &immagine)
{
    QByteArray d;
    Parola(d, 0);
    Parola(d, tipo);
    Parola(d, 1);
    Byte(d, im.larghezza == 256 ? 0 : im.larghezza);
    Byte(d, im.altezza == 256 ? 0 : im.altezza);
    Byte(d, coloriVoce);
    Byte(d, 0);
    Parola(d, campo1);
    Parola(d, campo2);
    Doppia(d, quint32(immagine.size()));
    Doppia(d, 6 + 16);
    d.append(immagine);
    return d;
}

} // namespace

QByteArray Lzw(const std::vector<std::uint8_t> &indici, int dimensioneMinima)
{
    constexpr int kCodiciMassimi = 4096;
    const int alfabeto = 1 << dimensioneMinima;
    const int pulisci = alfabeto;
    const int fine = alfabeto + 1;

    // dizionario[prefisso * alfabeto + simbolo] = code of that string, or 0 when absent.
    std::vector<int> dizionario(size_t(kCodiciMassimi) * alfabeto, 0);
    int prossimo = fine + 1;
    int dimensione = dimensioneMinima + 1;

    QByteArray flusso;
    quint32 accumulo = 0;
    int bitPronti = 0;
    auto emetti = [&](int codice) {
        accumulo |= quint32(codice) << bitPronti;
        bitPronti += dimensione;
        while (bitPronti >= 8) {
            Byte(flusso, int(accumulo));
            accumulo >>= 8;
            bitPronti -= 8;
        }
    };
    auto azzera = [&] {
        std::fill(dizionario.begin(), dizionario.end(), 0);
        prossimo = fine + 1;
        dimensione = dimensioneMinima + 1;
    };

    emetti(pulisci);
    if (!indici.empty()) {
        int prefisso = indici[0];
        for (size_t i = 1; i < indici.size(); ++i) {
            const int simbolo = indici[i];
            int &voce = dizionario[size_t(prefisso) * alfabeto + simbolo];
            if (voce != 0) {
                prefisso = voce;
                continue;
            }
            emetti(prefisso);
            voce = prossimo++;
            // The reader adds its entry one code later, so it widens exactly when this one has
            // just handed out the last code of the current width.
            if (prossimo > (1 << dimensione) && dimensione < 12)
                ++dimensione;
            if (prossimo == kCodiciMassimi) {
                emetti(pulisci);
                azzera();
            }
            prefisso = simbolo;
        }
        emetti(prefisso);
    }
    emetti(fine);
    if (bitPronti > 0)
        Byte(flusso, int(accumulo));

    QByteArray blocchi;
    for (qsizetype da = 0; da < flusso.size(); da += 255) {
        const QByteArray pezzo = flusso.mid(da, 255);
        Byte(blocchi, int(pezzo.size()));
        blocchi.append(pezzo);
    }
    Byte(blocchi, 0);
    return blocchi;
}

QByteArray Gif(const Indicizzata &im, int colori)
{
    int bit = 1;
    while ((1 << bit) < colori)
        ++bit;

    QByteArray d("GIF89a");
    Parola(d, im.larghezza);
    Parola(d, im.altezza);
    Byte(d, 0x80 | ((bit - 1) << 4) | (bit - 1)); // global palette, its size, colour resolution
    Byte(d, 0);                                   // background: the transparent entry
    Byte(d, 0);
    // Entry 0 is the paper colour, so a reader that ignores transparency shows the right thing.
    for (int i = 0; i < colori; ++i) {
        const QRgb c = i == 0 ? kCarta : i - 1 < int(im.tavolozza.size()) ? im.tavolozza[i - 1] : qRgb(0, 0, 0);
        Byte(d, qRed(c));
        Byte(d, qGreen(c));
        Byte(d, qBlue(c));
    }
    // Graphic control extension: no disposal, no delay, transparent colour entry 0.
    d.append("\x21\xf9\x04\x01\x00\x00\x00\x00", 8);
    Byte(d, 0x2c);
    Parola(d, 0);
    Parola(d, 0);
    Parola(d, im.larghezza);
    Parola(d, im.altezza);
    Byte(d, 0); // no local palette, not interlaced

    std::vector<std::uint8_t> indici(im.indici.size());
    for (size_t i = 0; i < indici.size(); ++i)
        indici[i] = im.trasparente[i] ? 0 : std::uint8_t(im.indici[i] + 1);
    const int minima = std::max(2, bit);
    Byte(d, minima);
    d.append(Lzw(indici, minima));
    Byte(d, 0x3b);
    return d;
}

QByteArray Bmp4(const Indicizzata &im, int colori)
{
    constexpr int kIntestazioni = 14 + 40;
    const int dati = ByteRiga(im.larghezza, 4) * im.altezza;
    const int inizio = kIntestazioni + 4 * colori;
    QByteArray d("BM");
    Doppia(d, quint32(inizio + dati));
    Doppia(d, 0);
    Doppia(d, quint32(inizio));
    Intestazione(d, im.larghezza, im.altezza, 4, colori == 16 ? 0 : colori, dati);
    Tavolozza(d, im, colori);
    Pixel(d, im.larghezza, im.altezza, 4, [&](int x, int y) { return int(im.indici[size_t(y) * im.larghezza + x]); });
    return d;
}

QByteArray Ico(const Indicizzata &im, int bit)
{
    return Raccolta(1, im, bit >= 8 ? 0 : 1 << bit, 1, bit, ImmagineIcona(im, bit));
}

QByteArray Cur(const Indicizzata &im, QPoint puntoCaldo)
{
    return Raccolta(2, im, 2, puntoCaldo.x(), puntoCaldo.y(), ImmagineIcona(im, 1));
}
