// SPDX-License-Identifier: MIT
// On a screen of double density the game takes the @2x pictures, at the same logical size.
#include "cursoremano.h"
#include "figure.h"
#include "immagini.h"

#include <QApplication>
#include <QTest>

#include <vector>

class TestAltaDensita : public QObject
{
    Q_OBJECT
private slots:
    void figureDoppie()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        std::vector<Figura> tutte(Figure::Tutte.begin(), Figure::Tutte.end());
        tutte.insert(tutte.end(), Figure::DelleInformazioni.begin(), Figure::DelleInformazioni.end());
        for (const Figura &figura : tutte) {
            const QPixmap f = Immagini::Carica(figura);
            QVERIFY2(!f.isNull(), figura.file);
            QCOMPARE(f.devicePixelRatio(), 2.0);
            QCOMPARE(f.deviceIndependentSize().toSize(), QSize(figura.larghezza, figura.altezza));
            QCOMPARE(f.size(), 2 * f.deviceIndependentSize().toSize());
        }
    }
    void cursoreConIlSuoPunto()
    {
        const QCursor c = CursoreMano();
        QCOMPARE(c.shape(), Qt::BitmapCursor); // not the system's stand-in
        QCOMPARE(c.hotSpot(), QPoint(6, 5));
    }
};

QTEST_MAIN(TestAltaDensita)
#include "test_altadensita.moc"
