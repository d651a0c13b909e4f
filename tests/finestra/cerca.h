// SPDX-License-Identifier: MIT
#pragma once

#include "banco.h"
#include "etichetta.h"
#include "forma.h"
#include "immagine.h"
#include "schermointero.h"
#include "tastierino.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTouchEvent>

// The game window's controls by the names the game gives them, and the moves of a player.
namespace Cerca {

template <typename T> T *Controllo(const QWidget &f, const QString &nome)
{
    auto *c = f.findChild<T *>(nome);
    if (!c)
        qFatal("no control %s", qPrintable(nome));
    return c;
}

inline Etichetta *E(const QWidget &f, const QString &nome)
{
    return Controllo<Etichetta>(f, nome);
}
inline Immagine *I(const QWidget &f, const QString &nome)
{
    return Controllo<Immagine>(f, nome);
}
inline Forma *F(const QWidget &f, const QString &nome)
{
    return Controllo<Forma>(f, nome);
}
inline QPushButton *P(const QWidget &f, const QString &nome)
{
    return Controllo<QPushButton>(f, nome);
}
inline QLineEdit *Casella(const QWidget &f)
{
    return Controllo<QLineEdit>(f, QStringLiteral("txtInput"));
}
inline QString Messaggio(const QWidget &f)
{
    return E(f, QStringLiteral("lblMessaggio"))->Testo();
}

// Starts a number whose secret will be `segreto` (drawn with the maximum still in force).
inline void NuovoNumero(Banco &b, int segreto)
{
    b.caso.valori = {PerSegreto(segreto, b.finestra->Stato().NumMax())};
    QTest::mouseClick(P(*b.finestra, QStringLiteral("cmdNew")), Qt::LeftButton);
}

inline void Rispondi(frmCercanum &f, const QString &testo)
{
    QLineEdit *casella = Casella(f);
    QCOMPARE(f.focusWidget(), casella);
    QTest::keyClicks(casella, testo);
    QTest::keyClick(casella, Qt::Key_Return);
}

// The full screen.
inline SchermoIntero &Entra(frmCercanum &f, QSize schermo = {1920, 1080})
{
    QTest::keyClick(f.focusWidget(), Qt::Key_F11);
    SchermoIntero *s = f.Schermo();
    if (!s || !s->Attivo())
        qFatal("F11 left the window as it was");
    s->resize(schermo);
    return *s;
}

// Where a point of the window's own client area is seen on the screen.
inline QPoint Visto(const SchermoIntero &s, QPointF punto)
{
    return (s.RettangoloGioco().topLeft() + punto * s.Fattore()).toPoint();
}

// A finger's tap on the pad's key, as a touch screen sends it. The test screen is 800 x 800: it
// drops touches beyond it, and a full screen of another size would be laid out again at its size
// in the middle of a tap.
constexpr QSize SchermoPerDita{800, 800};
inline void Tocca(SchermoIntero &s, const QString &tasto)
{
    static QPointingDevice *const dito = QTest::createTouchDevice();
    const QRect r = Controllo<QPushButton>(*s.Tasti(), tasto)->geometry();
    const QPoint punto = (s.RettangoloTastierino().topLeft() + QPointF(r.center()) * s.Fattore()).toPoint();
    QTest::touchEvent(s.viewport(), dito).press(0, punto);
    QTest::touchEvent(s.viewport(), dito).release(0, punto);
}

} // namespace Cerca
