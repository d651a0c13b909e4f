// SPDX-License-Identifier: MIT
#include "dialoghireali.h"

#include "cercanum.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// Stand-ins until the start dialog and the information window are built: the smallest modal
// windows that keep the game going (one player; a single button that closes).
namespace {

void MostraSegnaposto(QWidget *padre, const QString &titolo, const QString &testo, const QString &pulsante)
{
    QDialog dialogo(padre, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialogo.setWindowTitle(titolo);
    auto *colonna = new QVBoxLayout(&dialogo);
    auto *etichetta = new QLabel(testo, &dialogo);
    etichetta->setTextFormat(Qt::PlainText);
    colonna->addWidget(etichetta);
    auto *chiudi = new QPushButton(pulsante, &dialogo);
    chiudi->setDefault(true);
    colonna->addWidget(chiudi);
    QObject::connect(chiudi, &QPushButton::clicked, &dialogo, &QDialog::accept);
    dialogo.exec();
}

} // namespace

void DialoghiReali::MostraPresentazione(QWidget *padre)
{
    Cercanum::NumGiocatori = 1;
    if (Cercanum::SuonoAttivo)
        Cercanum::SuonaWav(102);
    MostraSegnaposto(padre, QStringLiteral("Cercanum "), QStringLiteral("1 giocatore"), QStringLiteral("&OK"));
}

void DialoghiReali::MostraInformazioni(QWidget *padre)
{
    MostraSegnaposto(padre, QStringLiteral("Informazioni "), QStringLiteral("CERCANUM"),
                     Cercanum::AvvioInCorso ? QStringLiteral("&Gioca") : QStringLiteral("&Chiudi"));
}
