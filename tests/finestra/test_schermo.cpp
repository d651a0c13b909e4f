// SPDX-License-Identifier: MIT
// The game window in full screen: enlarged evenly, clicked where it is seen, played from the
// number pad, and given back at its own size.
#include "banco.h"
#include "cerca.h"

#include <QGraphicsView>
#include <QPainter>
#include <QTest>

using namespace Cerca;

class TestSchermo : public QObject
{
    Q_OBJECT
private slots:
    void scala_disposizioneEClic_data();
    void scala_disposizioneEClic();
    void f11_restituisceLaFinestra();
    void tastierino_comeLaTastiera();
    void figure_doppieQuandoIngrandite();
    void dialoghi_sopraLoSchermo();
    void entrate_senzaTastiera();
};

void TestSchermo::scala_disposizioneEClic_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<double>("fattore");
    // Wide screens are bound by the width of window and pad together, narrow ones too.
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 1920.0 / 744;
    QTest::newRow("1024x768") << QSize(1024, 768) << 1024.0 / 744;
    QTest::newRow("3000x600") << QSize(3000, 600) << 600.0 / 370; // bound by the height
}

void TestSchermo::scala_disposizioneEClic()
{
    QFETCH(QSize, schermo);
    QFETCH(double, fattore);
    Banco b;
    frmCercanum &f = b.Avvia();
    SchermoIntero &s = Entra(f, schermo);
    QCOMPARE(s.Fattore(), fattore);
    const QRectF gioco = s.RettangoloGioco();
    const QRectF pad = s.RettangoloTastierino();
    QCOMPARE(gioco.size(), QSizeF(564 * fattore, 370 * fattore));
    // Centred as one block, the pad beside the window and never over it.
    QVERIFY(!gioco.intersects(pad));
    QVERIFY(qAbs(gioco.left() - (schermo.width() - pad.right())) < 1);
    QVERIFY(qAbs(gioco.center().y() - schermo.height() / 2.0) < 1);
    QVERIFY(gioco.top() >= 0 && gioco.bottom() <= schermo.height());
    for (QPushButton *t : s.Tasti()->findChildren<QPushButton *>()) {
        QVERIFY(t->width() * fattore >= 48 && t->height() * fattore >= 48);
        QVERIFY(!t->accessibleName().isEmpty());
    }

    // The window's empty paper is the screen's one sheet, not a window's plain colour over it.
    const QImage visto = s.viewport()->grab().toImage();
    QImage carta(visto.size(), QImage::Format_RGB32);
    QPainter(&carta).fillRect(carta.rect(), s.backgroundBrush());
    auto blu = [vuoto = QRect(Visto(s, {1, 100}), Visto(s, {11, 160}))](const QImage &i) {
        double somma = 0;
        for (int y = vuoto.top(); y <= vuoto.bottom(); ++y)
            for (int x = vuoto.left(); x <= vuoto.right(); ++x)
                somma += qBlue(i.pixel(x, y));
        return somma / (vuoto.width() * vuoto.height());
    };
    QVERIFY2(qAbs(blu(visto) - blu(carta)) < 3, qPrintable(QStringLiteral("%1 %2").arg(blu(visto)).arg(blu(carta))));

    // A click on the enlarged "Nuovo Numero" starts a number; one on the enlarged close button
    // ends the game.
    b.caso.valori = {PerSegreto(6, 10)};
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Visto(s, QPointF(203 + 134 - 3, 98 + 43 - 3)));
    QVERIFY(!P(f, QStringLiteral("cmdNew"))->isVisible());
    QCOMPARE(f.focusWidget(), Casella(f));
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Visto(s, QPointF(203 - 2, 98 - 2))); // just outside
    QCOMPARE(b.terminazione.richieste, 0);
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Visto(s, QPointF(512 + 2, 329 + 2)));
    QCOMPARE(b.terminazione.richieste, 1);
}

void TestSchermo::f11_restituisceLaFinestra()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 7);
    SchermoIntero &s = Entra(f);
    QCOMPARE(f.focusWidget(), Casella(f));
    QTest::keyClick(s.viewport(), Qt::Key_4); // the screen's keys reach the answer box
    QCOMPARE(Casella(f)->text(), QStringLiteral("4"));
    QTest::keyClick(f.focusWidget(), Qt::Key_F11);
    QVERIFY(!s.Attivo());
    QVERIFY(!s.isVisible());
    QVERIFY(f.isWindow());
    QVERIFY(f.isVisible());
    QCOMPARE(f.size(), QSize(564, 370));
    // Its own size only, and no maximise button: full screen is the one larger view of it.
    QCOMPARE(f.maximumSize(), QSize(564, 370));
    QCOMPARE(f.minimumSize(), QSize(564, 370));
    QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(Casella(f)->text(), QStringLiteral("4")); // the number goes on
    QCOMPARE(Casella(f)->geometry(), QRect(210, 105, 120, 29));
    Rispondi(f, QString());
    QCOMPARE(f.Stato().NumRisposte(), Intero(1));

    // And in again: the same window, nothing left of the last time.
    Entra(f);
    QVERIFY(s.Attivo());
    QCOMPARE(s.RettangoloGioco().size(), QSizeF(564, 370) * s.Fattore());
    QTest::keyClick(f.focusWidget(), Qt::Key_F11);
    QCOMPARE(f.size(), QSize(564, 370));
}

void TestSchermo::tastierino_comeLaTastiera()
{
    // One number played once by the pad, once by the keyboard: the same journal of sounds,
    // messages and dialogs, the same state. Between them, every rule of the keys: the reminder,
    // the three-digit limit, the deletion, Enter on both sides of a number.
    struct Mossa
    {
        const char *tasto;
        Qt::Key chiave;
    };
    const Mossa mosse[]{
        {"tastoInvio", Qt::Key_Return}, // between numbers: "Nuovo Numero"
        {"tasto1", Qt::Key_1},
        {"tasto2", Qt::Key_2},
        {"tasto3", Qt::Key_3},
        {"tasto4", Qt::Key_4}, // a fourth digit is not taken
        {"tastoCancella", Qt::Key_Backspace},
        {"tastoCancella", Qt::Key_Backspace},
        {"tastoInvio", Qt::Key_Return}, // 1: too small
        {"tasto9", Qt::Key_9},
        {"tastoInvio", Qt::Key_Return}, // too big
        {"tasto6", Qt::Key_6},
        {"tastoInvio", Qt::Key_Return}, // found
        {"tastoInvio", Qt::Key_Return}, // the next number
    };
    auto gioca = [&](bool colTastierino, QStringList *caselle) {
        auto b = std::make_unique<Banco>();
        frmCercanum &f = b->Avvia();
        SchermoIntero &s = Entra(f, SchermoPerDita);
        b->diario.clear();
        b->caso.valori = {PerSegreto(6, 10), PerSegreto(2, 10)};
        for (const Mossa &m : mosse) {
            if (colTastierino)
                Tocca(s, QString::fromLatin1(m.tasto));
            else
                QTest::keyClick(f.focusWidget(), m.chiave);
            caselle->append(
                Casella(f)->text() + QLatin1Char('|') + Messaggio(f) + QLatin1Char('|')
                + (E(f, QStringLiteral("lblInfoTemp"))->isVisible() ? QStringLiteral("promemoria") : QString()));
        }
        return b;
    };
    QStringList conPad, conTastiera;
    const auto pad = gioca(true, &conPad);
    const auto tastiera = gioca(false, &conTastiera);
    QCOMPARE(conPad, conTastiera);
    QCOMPARE(pad->diario, tastiera->diario);
    QCOMPARE(pad->audio.suonati, tastiera->audio.suonati);
    // What the sequence must have done, so that equal is not merely equally nothing.
    QCOMPARE(conPad.at(3).section(u'|', 0, 0), QStringLiteral("123"));
    QCOMPARE(conPad.at(4).section(u'|', 0, 0), QStringLiteral("123"));
    QVERIFY(conPad.at(1).endsWith(QStringLiteral("promemoria")));
    QCOMPARE(pad->finestra->Stato().NumGiocati(), Intero(1));
    QCOMPARE(pad->finestra->Stato().NumRisposte(), Intero(0));
    QVERIFY(!P(*pad->finestra, QStringLiteral("cmdNew"))->isVisible()); // the second number is on
}

void TestSchermo::figure_doppieQuandoIngrandite()
{
    // Enlarged twice, a picture is its double-density version pixel for pixel, not its own
    // pixels magnified; at its own size it is the same as ever.
    Banco b;
    frmCercanum &f = b.Avvia();
    Immagine *figura = I(f, QStringLiteral("Image1"));
    auto disegna = [figura](qreal scala) {
        QImage tela((QSizeF(figura->size()) * scala).toSize(), QImage::Format_ARGB32_Premultiplied);
        tela.fill(Qt::transparent);
        QPainter p(&tela);
        p.scale(scala, scala);
        figura->render(&p, {}, {}, QWidget::DrawChildren);
        return tela;
    };
    QImage doppia =
        QImage(QStringLiteral(":/images/nosuono@2x.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!doppia.isNull());
    doppia.setDevicePixelRatio(1.0); // compared as the pixels on the screen
    QCOMPARE(disegna(2.0), doppia);
    QCOMPARE(disegna(1.0), figura->Figura().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestSchermo::dialoghi_sopraLoSchermo()
{
    // Opened from the window inside the scene, a modal dialog would block the screen showing it.
    Banco b;
    frmCercanum &f = b.Avvia();
    SchermoIntero &s = Entra(f);
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Visto(s, QPointF(424 + 18, 329 + 18))); // cmdInfo
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Visto(s, QPointF(464 + 20, 329 + 18))); // cmdNuovoGioco
    NuovoNumero(b, 3);
    b.messaggi.risposte = {Messaggi::Risposta::Si};
    Rispondi(f, QStringLiteral("11")); // out of the range: the error box
    QCOMPARE(b.dialoghi.padri, (std::vector<QWidget *>{&f, &f, &s, &s}));
    QCOMPARE(b.messaggi.padri, std::vector<QWidget *>{&s});
    QTest::keyClick(f.focusWidget(), Qt::Key_F11);
    QTest::mouseClick(P(f, QStringLiteral("cmdInfo")), Qt::LeftButton);
    QCOMPARE(b.dialoghi.padri.back(), &f);
}

void TestSchermo::entrate_senzaTastiera()
{
    {
        // A touch screen at start-up: the game opens on the whole screen, its dialogs over it.
        Banco b;
        b.Finestra().ApriASchermoIntero();
        frmCercanum &f = b.Avvia();
        QVERIFY(f.Schermo() && f.Schermo()->Attivo());
        QVERIFY(f.isVisible());
        QCOMPARE(b.dialoghi.padri, (std::vector<QWidget *>{f.Schermo(), f.Schermo()}));
        QCOMPARE(f.focusWidget(), P(f, QStringLiteral("cmdNew")));
        // Esc keeps its meaning.
        QTest::keyClick(f.focusWidget(), Qt::Key_Escape);
        QCOMPARE(b.terminazione.richieste, 1);
    }
    for (const Qt::WindowState richiesta : {Qt::WindowFullScreen, Qt::WindowMaximized})
        for (const Qt::WindowState uscita : {Qt::WindowNoState, Qt::WindowMaximized}) {
            // The window manager's request for full screen, or to maximise, enters it; its leaving
            // full screen, even when it calls the window maximised then, gives the window back,
            // neither maximised nor full screen; and the way in works again.
            Banco b;
            frmCercanum &f = b.Avvia();
            f.setWindowState(richiesta);
            QVERIFY(f.Schermo() && f.Schermo()->Attivo());
            f.Schermo()->setWindowState(uscita);
            QVERIFY(!f.Schermo()->Attivo());
            QVERIFY(!f.Schermo()->isVisible());
            QVERIFY(f.isVisible());
            QCOMPARE(f.windowState(), Qt::WindowNoState);
            QCOMPARE(f.size(), QSize(564, 370));
            QTest::keyClick(f.focusWidget(), Qt::Key_F11);
            QVERIFY(f.Schermo()->Attivo());
        }
}

QTEST_MAIN(TestSchermo)
#include "test_schermo.moc"
