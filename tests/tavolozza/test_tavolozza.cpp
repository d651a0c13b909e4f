// SPDX-License-Identifier: MIT
// Palettes and the style's pixmap cache: a control that changes colour over and over must be
// drawn under as many palette identities as it has colours, or the cache fills with copies.
#include "pulsante.h"
#include "stilecondiviso.h"
#include "tavolozza.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <gtest/gtest.h>

#include <set>

namespace {

// Fusion, writing down the palette identity of every button bevel it draws.
class StileSpia : public QProxyStyle
{
public:
    StileSpia() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    // Only the palette the bevel is finally drawn with counts.
    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
    {
        if (e == PE_PanelButtonCommand)
            chiavi.insert(o->palette.cacheKey());
        QProxyStyle::drawPrimitive(e, o, p, w);
    }
    void drawControl(ControlElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
    {
        QProxyStyle::drawControl(e, o, p, w);
    }
    mutable std::set<qint64> chiavi;
};

QPalette ConBottone(const QColor &c)
{
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Button, c);
    return p;
}

TEST(Tavolozza, ColoriUgualiUnaSolaIdentita)
{
    const QPalette &a = Tavolozza::Condivisa(ConBottone(Qt::red));
    const QPalette &b = Tavolozza::Condivisa(ConBottone(Qt::red));
    const QPalette &c = Tavolozza::Condivisa(ConBottone(Qt::green));
    EXPECT_EQ(a.cacheKey(), b.cacheKey());
    EXPECT_NE(a.cacheKey(), c.cacheKey());
    EXPECT_EQ(c.color(QPalette::Button), QColor(Qt::green));
    // Earlier answers stay valid while new palettes are added.
    for (int i = 0; i < 50; ++i)
        Tavolozza::Condivisa(ConBottone(QColor(i, 0, 0)));
    EXPECT_EQ(a.color(QPalette::Button), QColor(Qt::red));
}

TEST(Tavolozza, UnPulsanteCheLampeggiaUsaDueTavolozze)
{
    StileSpia stile;
    Pulsante pulsante(nullptr);
    pulsante.setStyle(&stile);
    pulsante.resize(134, 43);
    QImage immagine(pulsante.size(), QImage::Format_ARGB32);
    for (int passo = 0; passo < 20; ++passo) {
        pulsante.ImpostaSfondo(passo % 2 ? QColor(255, 0, 0) : QColor(255, 255, 192));
        pulsante.render(&immagine);
    }
    EXPECT_EQ(stile.chiavi.size(), 2u);
}

TEST(Tavolozza, LoStileDisegnaIPulsantiConTavolozzeCondivise)
{
    // Plain buttons, as the dialogs have, built afresh at every opening with their colours.
    auto *spia = new StileSpia;
    StileCondiviso stile(spia); // owns the spy
    QImage immagine(75, 23, QImage::Format_ARGB32);
    for (int apertura = 0; apertura < 10; ++apertura) {
        QPushButton pulsante;
        pulsante.setStyle(&stile);
        pulsante.resize(immagine.size());
        Tavolozza::Imposta(&pulsante, QPalette::Button, QColor(255, 255, 192));
        pulsante.render(&immagine);
    }
    EXPECT_EQ(spia->chiavi.size(), 1u);
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
