// SPDX-License-Identifier: MIT
#include "messaggireali.h"

#include <QMessageBox>

Messaggi::Risposta MessaggiReali::Mostra(QWidget *padre, const QString &testo,
                                         const QString &titolo, Icona icona, Pulsanti pulsanti)
{
    QMessageBox box(padre);
    box.setWindowTitle(titolo);
    box.setTextFormat(Qt::PlainText); // a player's text must never be read as markup
    box.setText(testo);
    switch (icona) {
    case Icona::Stop: box.setIcon(QMessageBox::Critical); break;
    case Icona::Esclamazione: box.setIcon(QMessageBox::Warning); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    }
    if (pulsanti == Pulsanti::SiNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        // Some desktops would make No the default; Enter must mean Yes.
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int scelta = box.exec();
    if (pulsanti == Pulsanti::Ok)
        return Risposta::Ok;
    return scelta == QMessageBox::Yes ? Risposta::Si : Risposta::No;
}
