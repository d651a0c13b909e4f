// SPDX-License-Identifier: MIT
#pragma once

#include "banco.h"
#include "etichetta.h"
#include "forma.h"
#include "immagine.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

} // namespace Cerca
