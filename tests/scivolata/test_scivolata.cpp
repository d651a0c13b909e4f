// SPDX-License-Identifier: MIT
// The glide follows the clock: where the widget stands at each frame, how many frames an idle
// and a busy machine show, and that the time it takes does not depend on either.
#include "orologio.h"
#include "scivolata.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

// Time passes only through the waits; `ritardo` makes each wait longer, as on a loaded machine,
// and `durante` runs while the glide processes its events.
struct Orologio final : ::Orologio
{
    std::int64_t ora = 1000;
    int ritardo = 0;
    std::vector<int> attese;
    bool differito = false; // the wait ends from the event loop, as the real clock's does
    void Attendi(int ms, std::function<void()> poi) override
    {
        attese.push_back(ms);
        ora += ms + ritardo;
        if (differito)
            QMetaObject::invokeMethod(qApp, std::move(poi), Qt::QueuedConnection);
        else
            poi();
    }
    std::int64_t Adesso() override { return ora; }
};

// A widget that writes down the x and the clock of every position it is moved to.
struct Segnato : QWidget
{
    explicit Segnato(QWidget *padre, Orologio &o)
        : QWidget(padre)
        , orologio(o)
    {
        resize(22, 22);
        show();
    }
    void moveEvent(QMoveEvent *) override { quadri.push_back({x(), orologio.Adesso()}); }
    struct Quadro
    {
        int x;
        std::int64_t t;
    };
    Orologio &orologio;
    std::vector<Quadro> quadri;
};

TEST(Scivolata, PosizioneSecondoIlTempo)
{
    const struct
    {
        int da, a;
        std::int64_t ms;
        int x;
    } casi[] = {
        {511, 42, 0, 511},   {511, 42, 1, 510},   {511, 42, 100, 411}, {511, 42, 469, 42}, {511, 42, 5000, 42},
        {511, 479, 20, 491}, {511, 479, 33, 479}, {10, 20, 4, 14},     {511, 42, -5, 511},
    };
    for (const auto &c : casi)
        EXPECT_EQ(Scivolata::Posizione(c.da, c.a, c.ms), c.x) << c.da << "->" << c.a << " at " << c.ms;
}

TEST(Scivolata, QuadriSuUnaGrigliaFissa)
{
    const struct
    {
        std::int64_t ms;
        int hz;
        std::int64_t prossimo;
    } casi[] = {
        {0, 60, 17}, {16, 60, 17}, {17, 60, 34}, {40, 60, 50}, {0, 100, 10}, {95, 100, 100}, {1000, 60, 1017},
    };
    for (const auto &c : casi)
        EXPECT_EQ(Scivolata::ProssimoQuadro(c.ms, c.hz), c.prossimo) << c.ms << " ms at " << c.hz << " Hz";
}

class Vetrina : public testing::Test
{
protected:
    void SetUp() override
    {
        finestra.resize(600, 100);
        finestra.show();
    }
    QWidget finestra;
    Orologio orologio;
};

TEST_F(Vetrina, SuUnaMacchinaLiberaOgniQuadroSegueLOrologio)
{
    Segnato palla(&finestra, orologio);
    palla.move(100, 50); // wherever it stood before
    palla.quadri.clear();
    const std::int64_t inizio = orologio.ora;
    const Compito scivolata = Scivolata(orologio).Esegui(&palla, 511, 42);

    EXPECT_EQ(palla.x(), 42);
    ASSERT_FALSE(palla.quadri.empty());
    EXPECT_EQ(palla.quadri.front().x, 511); // the first frame shows the start
    for (const auto &q : palla.quadri)
        EXPECT_EQ(q.x, Scivolata::Posizione(511, 42, q.t - inizio));
    // 469 ms at one pixel a millisecond, in frames of the screen's rate (60 Hz offscreen).
    EXPECT_GE(orologio.ora - inizio, 469);
    EXPECT_LE(orologio.ora - inizio, 469 + 17);
    EXPECT_GE(palla.quadri.size(), 28u);
    EXPECT_LE(palla.quadri.size(), 30u);
}

TEST_F(Vetrina, SuUnaMacchinaCaricaSiPerdonoQuadriNonTempo)
{
    Segnato palla(&finestra, orologio);
    palla.quadri.clear();
    orologio.ritardo = 40; // every frame late by more than two frames
    const std::int64_t inizio = orologio.ora;
    const Compito scivolata = Scivolata(orologio).Esegui(&palla, 511, 42);

    EXPECT_EQ(palla.x(), 42);
    EXPECT_LE(orologio.ora - inizio, 469 + 17 + 40);
    EXPECT_LE(palla.quadri.size(), 12u); // against 29 on an idle machine
    for (const auto &q : palla.quadri)
        EXPECT_EQ(q.x, Scivolata::Posizione(511, 42, q.t - inizio));
}

TEST_F(Vetrina, TraUnQuadroELAltroGliEventiScorrono)
{
    Segnato palla(&finestra, orologio);
    std::set<int> visti; // where the widget stood whenever a queued event ran
    std::function<void()> rilancia = [&] {
        visti.insert(palla.x());
        QMetaObject::invokeMethod(&finestra, rilancia, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(&finestra, rilancia, Qt::QueuedConnection);
    orologio.differito = true;
    const Compito scivolata = Scivolata(orologio).Esegui(&palla, 511, 42);
    EXPECT_EQ(palla.x(), 511); // back at once, the thread free
    while (!scivolata.Finito())
        QCoreApplication::processEvents();
    EXPECT_EQ(palla.x(), 42);
    QCoreApplication::removePostedEvents(&finestra);
    visti.erase(42);
    visti.erase(511);
    EXPECT_GE(visti.size(), palla.quadri.size() - 3);
}

} // namespace

int main(int argc, char *argv[])
{
    // Also when CTest lists the tests, with no display around.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
