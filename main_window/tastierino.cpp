// SPDX-License-Identifier: MIT
#include "tastierino.h"

#include "disposizione.h"
#include "fabbrica.h"
#include "pulsante.h"

namespace D = Disposizione;

namespace {

struct Tasto
{
    QString nome;
    QString scritta;
    QString nomeAccessibile;
    int tasto;
    QString testo;
};

} // namespace

Tastierino::Tastierino(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tastierino"));
    setFixedSize(D::Tastierino::Larghezza, D::Tastierino::Altezza);
    // A tap on a key must leave the focus in the game, where the key is headed.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);

    const Tasto cancella{QStringLiteral("tastoCancella"), QStringLiteral("\u2190"),
                         QStringLiteral("Cancella l'ultima cifra"), Qt::Key_Backspace, QStringLiteral("\b")};
    const Tasto invio{QStringLiteral("tastoInvio"), QStringLiteral("Invio"), QStringLiteral("Invio"), Qt::Key_Return,
                      QStringLiteral("\r")};
    // As on a telephone's keypad turned to a calculator's: 7 8 9 on top.
    const int cifre[D::Tastierino::Righe - 1][D::Tastierino::Colonne]{{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    auto aggiungi = [this](const Tasto &t, int riga, int colonna) {
        auto *p = new Pulsante(this);
        p->setObjectName(t.nome);
        p->setText(t.scritta);
        p->setAccessibleName(t.nomeAccessibile);
        p->setFocusPolicy(Qt::NoFocus);
        p->setFont(Fabbrica::Font(D::Font::Tasto));
        p->ImpostaSfondo(Fabbrica::Colore(Colore::GialloChiaro));
        const int passo = D::Tastierino::Lato + D::Tastierino::Spazio;
        p->setGeometry(D::Tastierino::Spazio + colonna * passo, D::Tastierino::Spazio + riga * passo,
                       D::Tastierino::Lato, D::Tastierino::Lato);
        connect(p, &QPushButton::clicked, this, [this, t] { emit Premuto(t.tasto, t.testo); });
    };
    auto cifra = [](int n) {
        const QString s = QString::number(n);
        return Tasto{QStringLiteral("tasto") + s, s, QStringLiteral("Cifra %1").arg(n), Qt::Key_0 + n, s};
    };
    for (int riga = 0; riga < D::Tastierino::Righe - 1; ++riga)
        for (int colonna = 0; colonna < D::Tastierino::Colonne; ++colonna)
            aggiungi(cifra(cifre[riga][colonna]), riga, colonna);
    aggiungi(cancella, D::Tastierino::Righe - 1, 0);
    aggiungi(cifra(0), D::Tastierino::Righe - 1, 1);
    aggiungi(invio, D::Tastierino::Righe - 1, 2);
}
