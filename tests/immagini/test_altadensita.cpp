// SPDX-License-Identifier: MIT
// On a screen of double density the game takes the @2x pictures, at the same logical size.
#include "cursoremano.h"
#include "immagini.h"

#include <QApplication>
#include <QTest>

class TestAltaDensita : public QObject
{
    Q_OBJECT
private slots:
    void figureDoppie()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        for (const char *nome : {"smile0.ico", "buco.ico", "titolo.gif", "sfondo.bmp", "busta.bmp"}) {
            const QPixmap f = Immagini::Carica(QString::fromLatin1(nome));
            QVERIFY2(!f.isNull(), nome);
            QCOMPARE(f.devicePixelRatio(), 2.0);
            QCOMPARE(f.size(), 2 * f.deviceIndependentSize().toSize());
        }
        QCOMPARE(Immagini::Carica(QStringLiteral("buco.ico")).deviceIndependentSize().toSize(), QSize(48, 48));
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
