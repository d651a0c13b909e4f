// SPDX-License-Identifier: MIT
// Times the paced steps of the game window with the real clock: the announcement of a
// number and the roll of the first and of the last ball; and how long the full screen takes to
// paint the whole enlarged window at 1920x1080. Run offscreen or on a display:
//   QT_QPA_PLATFORM=offscreen build/bench/finestra/bench_finestra
#include "banco.h"
#include "orologioreale.h"
#include "schermointero.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// The test bench with its instant clock replaced by the real one.
struct OrologioMisto final : Orologio
{
    OrologioReale reale;
    void Attendi(int ms, std::function<void()> poi) override { reale.Attendi(ms, std::move(poi)); }
    std::int64_t Adesso() override { return reale.Adesso(); }
};

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A step that never ends would make every figure below meaningless.
void AttendiChe(const std::function<bool()> &condizione)
{
    if (!QTest::qWaitFor(condizione, 10000)) {
        std::fprintf(stderr, "a step did not end within 10 s\n");
        std::exit(1);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::vector<double> annuncio, primaPallina, ultimaPallina;
    for (int giro = 0; giro < 5; ++giro) {
        Banco b;
        OrologioMisto orologio;
        frmCercanum f(Servizi{orologio, b.caso, b.messaggi, b.dialoghi, b.terminazione, b.suoni});
        b.dialoghi.scelte.push_back({});
        f.Form_Load();
        AttendiChe([&] { return !f.Azioni().Attende(); });
        auto *nuovo = f.findChild<QPushButton *>(QStringLiteral("cmdNew"));
        auto *casella = f.findChild<QLineEdit *>(QStringLiteral("txtInput"));

        b.caso.valori = {PerSegreto(10, 10)};
        QElapsedTimer t;
        t.start();
        nuovo->click();
        AttendiChe([&] { return !f.Azioni().Attende(); });
        annuncio.push_back(t.elapsed());

        for (int risposta = 1; risposta <= 20; ++risposta) {
            casella->setText(QStringLiteral("1"));
            t.restart();
            QTest::keyClick(casella, Qt::Key_Return);
            AttendiChe([&] { return !f.AnimazioneInCorso(); });
            if (risposta == 1)
                primaPallina.push_back(t.elapsed());
            if (risposta == 20)
                ultimaPallina.push_back(t.elapsed());
        }
    }
    std::printf("announcement of a number:       median %.0f ms\n", Mediana(annuncio));
    std::printf("first answer (ball rolls 469 px): median %.0f ms\n", Mediana(primaPallina));
    std::printf("20th answer (ball rolls 33 px):   median %.0f ms\n", Mediana(ultimaPallina));

    // The whole screen painted again, window, pad and paper, in the middle of a number.
    Banco b;
    frmCercanum &f = b.Avvia();
    b.caso.valori = {PerSegreto(10, 10)};
    f.findChild<QPushButton *>(QStringLiteral("cmdNew"))->click();
    QTest::keyClick(f.focusWidget(), Qt::Key_F11);
    SchermoIntero *s = f.Schermo();
    s->resize(1920, 1080);
    QCoreApplication::processEvents();
    std::vector<double> ridisegni;
    for (int i = 0; i < 51; ++i) {
        QElapsedTimer t;
        t.start();
        s->viewport()->repaint();
        ridisegni.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    // The first paints the enlarged text and pictures for the first time at this size.
    const double primo = ridisegni.front();
    ridisegni.erase(ridisegni.begin());
    std::printf("full screen 1920x1080, whole repaint: first %.2f ms, then median %.2f ms, longest %.2f ms\n", primo,
                Mediana(ridisegni), *std::max_element(ridisegni.begin(), ridisegni.end()));
    return 0;
}
