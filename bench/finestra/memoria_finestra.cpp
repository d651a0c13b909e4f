// SPDX-License-Identifier: MIT
// The game window's memory over a school morning: 200 whole games, then 12,000 keys of a child
// typing at random (digits, Backspace, a letter, Enter) through the numbers and games they lead
// to. The test bench's instant stand-ins play them, offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/finestra/bench_memoria
// RSS is read after the heap's free pages are handed back, as the game does around every box.
#include "banco.h"
#include "cerca.h"
#include "memoria.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <random>

using namespace Cerca;

namespace {

long Rss()
{
    QCoreApplication::processEvents();
    RestituisciMemoria();
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray riga = stato.readLine(); !riga.isEmpty(); riga = stato.readLine())
        if (riga.startsWith("VmRSS:"))
            return riga.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// One number guessed by halves, every answer typed and confirmed.
void GiocaNumero(Banco &b, frmCercanum &f, std::mt19937 &caso)
{
    NuovoNumero(b, std::uniform_int_distribution<int>(1, f.Stato().NumMax())(caso));
    int minimo = 0, massimo = f.Stato().NumMax();
    QPushButton *nuovo = P(f, QStringLiteral("cmdNew"));
    while (!nuovo->isVisible()) {
        const int tentativo = (minimo + massimo) / 2;
        Rispondi(f, QString::number(tentativo));
        // The verdict's text says which way to go.
        if (Messaggio(f).contains(QStringLiteral("grande")))
            massimo = tentativo - 1;
        else
            minimo = tentativo + 1;
    }
}

// The bench's own journals would grow with every game: emptied, so what grows is the game's. And
// what the window posted meanwhile (repaints, shows) is handled, as the game's event loop would.
void Dimentica(Banco &b)
{
    QCoreApplication::processEvents();
    b.diario.clear();
    b.messaggi.mostrati.clear();
    b.messaggi.padri.clear();
    b.dialoghi.avvioDuranteInfo.clear();
    b.dialoghi.nomiRicevuti.clear();
    b.dialoghi.padri.clear();
    b.audio.suonati.clear();
}

} // namespace

int main(int argc, char *argv[])
{
    RegolaMemoria();
    QApplication app(argc, argv);
    std::mt19937 caso(7);
    Banco b;
    frmCercanum &f = b.Avvia();

    constexpr int Partite = 200;
    constexpr int Riscaldamento = 5; // the first games fill Qt's caches
    long inizio = 0;
    for (int partita = 0; partita < Partite + Riscaldamento; ++partita) {
        if (partita == Riscaldamento)
            inizio = Rss();
        for (int numero = 0; numero < 15; ++numero) {
            GiocaNumero(b, f, caso);
            Dimentica(b);
        }
    }
    const long dopoPartite = Rss();
    std::printf("RSS: %ld kB after %d warm-up games, %ld kB after %d more (%+ld kB)\n", inizio, Riscaldamento,
                dopoPartite, Partite, dopoPartite - inizio);

    constexpr int Tasti = 12000;
    const Qt::Key tasti[] = {Qt::Key_0,         Qt::Key_1, Qt::Key_2,      Qt::Key_5,     Qt::Key_7,
                             Qt::Key_Backspace, Qt::Key_A, Qt::Key_Return, Qt::Key_Return};
    std::uniform_int_distribution<int> quale(0, int(std::size(tasti)) - 1);
    QPushButton *nuovo = P(f, QStringLiteral("cmdNew"));
    int numeri = 0, partite = 0;
    for (int i = 0; i < Tasti; ++i) {
        if (nuovo->isVisible()) {
            NuovoNumero(b, 2);
            ++numeri;
        }
        QTest::keyClick(f.focusWidget(), tasti[quale(caso)]);
        partite += int(b.diario.count(QStringLiteral("presentazione")));
        Dimentica(b);
    }
    const long dopoTasti = Rss();
    std::printf("RSS: %ld kB after %d random keys (%+ld kB), through %d numbers and %d new games\n", dopoTasti, Tasti,
                dopoTasti - dopoPartite, numeri, partite);
    return 0;
}
