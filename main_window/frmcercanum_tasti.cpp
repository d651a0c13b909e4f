// SPDX-License-Identifier: MIT
// The game window's keys: Esc and Enter as its cancel and default buttons, and the key preview
// that lets the window judge Enter and filter the answer box's characters.
#include "frmcercanum.h"

#include "etichetta.h"
#include "immagine.h"
#include "pistapalline.h"
#include "pulsante.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Key code as the game's handlers see it: the typed character, so that keypad digits and any
// keyboard layout work; -1 for keys that type nothing (arrows, Delete, Shift...) and for Tab,
// which moves the focus along the window's order and is never a character.
int CodiceTasto(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return 13;
    if (e->key() == Qt::Key_Backspace)
        return 8;
    if (e->key() == Qt::Key_Delete || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab || e->text().isEmpty())
        return -1;
    return e->text().at(0).unicode();
}

} // namespace

bool frmCercanum::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress || oggetto != focusWidget())
        return QWidget::eventFilter(oggetto, evento);
    const auto *tasto = static_cast<QKeyEvent *>(evento);
    if (TastoComando(tasto))
        return true;
    int codice = CodiceTasto(tasto);
    if (codice < 0)
        return false;
    Form_KeyPress(codice);
    if (oggetto != txtInput)
        return codice == 13; // Enter has done its work; the window must not see it twice
    txtInput_KeyPress(codice);
    return codice == 1; // a dropped key never reaches the box
}

void frmCercanum::keyPressEvent(QKeyEvent *evento)
{
    // With no control focused the keys come straight to the window; keys a control let through
    // were seen already.
    if (focusWidget() && focusWidget() != this)
        return QWidget::keyPressEvent(evento);
    if (TastoComando(evento))
        return;
    int codice = CodiceTasto(evento);
    if (codice >= 0)
        Form_KeyPress(codice);
}

// The cancel and default buttons: Esc presses cmdChiudi at any moment, Enter presses cmdNew
// while it is shown (and only then reaches the window's own handler); F11 switches full screen.
bool frmCercanum::TastoComando(const QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape) {
        cmdChiudi->click();
        return true;
    }
    if (evento->key() == Qt::Key_F11) {
        AlternaSchermoIntero();
        return true;
    }
    const bool invio = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (invio && cmdNew->isVisible() && cmdNew->isEnabled()) {
        cmdNew->click();
        return true;
    }
    return false;
}

void frmCercanum::Form_KeyPress(int &codice)
{
    // While a ball rolls Enter must not start a second judgement; at every other moment of an
    // answer's handling the Enter waits with the rest of the input.
    if (pista->AnimazioneInCorso() || codice != 13)
        return;
    GiudicaRisposta();
}

void frmCercanum::txtInput_KeyPress(int &codice)
{
    if ((codice >= '0' && codice <= '9') || codice == 8)
        lblMessaggio->ImpostaTesto({});
    else
        codice = 1;
    // Only during a number: the Enter that ends a game may have started the next one by now, and
    // its reminder would still name the last game's player and range.
    if (partita.NumRisposte() == 0 && !cmdNew->isVisible()) {
        lblInfoTemp->show();
        imgIndice->show();
    }
}
