// SPDX-License-Identifier: MIT
#include "messaggireali.h"

#include "ingrandimento.h"
#include "memoria.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString TestoOk = QStringLiteral("OK");
const QString TestoSi = QStringLiteral("&Sì");
const QString TestoNo = QStringLiteral("&No");

// A question must be answered: with Yes and No only, Esc and the close box do nothing (a child
// tapping Esc keeps the finished board in front of them). OK boxes close on Esc as usual.
class Scatola final : public QMessageBox
{
public:
    Scatola(QWidget *padre, bool domanda)
        : QMessageBox(padre)
        , domanda(domanda)
    {
        if (domanda)
            setWindowFlag(Qt::WindowCloseButtonHint, false);
    }

protected:
    void keyPressEvent(QKeyEvent *evento) override
    {
        if (domanda && evento->key() == Qt::Key_Escape) {
            evento->accept();
            return;
        }
        QMessageBox::keyPressEvent(evento);
    }
    void closeEvent(QCloseEvent *evento) override
    {
        if (domanda) {
            evento->ignore(); // a button's answer hides the box without a close event
            return;
        }
        QMessageBox::closeEvent(evento);
    }

private:
    bool domanda;
};

} // namespace

Messaggi::Risposta MessaggiReali::Mostra(QWidget *padre, const QString &testo, const QString &titolo, Icona icona,
                                         Pulsanti pulsanti)
{
    const MemoriaRestituitaIntorno memoria;
    // A question whose window another client destroyed is asked again in a new one: it must be
    // answered, and its answer may end the program.
    for (;;) {
        Scatola box(padre, pulsanti == Pulsanti::SiNo);
        box.setWindowTitle(titolo);
        box.setTextFormat(Qt::PlainText); // a player's text must never be read as markup
        box.setText(testo);
        switch (icona) {
        case Icona::Stop: box.setIcon(QMessageBox::Critical); break;
        case Icona::Esclamazione: box.setIcon(QMessageBox::Warning); break;
        case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
        }
        // Named here, not by Qt's translations, which an installation may lack: the boxes speak
        // Italian everywhere, and S and N answer the question.
        if (pulsanti == Pulsanti::SiNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::Yes)->setText(TestoSi);
            box.button(QMessageBox::No)->setText(TestoNo);
            // Some desktops would make No the default; Enter must mean Yes.
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
            box.button(QMessageBox::Ok)->setText(TestoOk);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
        }
        const EsitoDialogo esito = EseguiSopra(box, padre);
        if (pulsanti == Pulsanti::Ok)
            return Risposta::Ok;
        if (!esito.persa)
            return esito.risultato == QMessageBox::Yes ? Risposta::Si : Risposta::No;
    }
}
