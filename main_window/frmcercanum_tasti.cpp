// SPDX-License-Identifier: MIT
// The game window's keys: Esc and Enter as its cancel and default buttons, and the key preview
// that lets the window judge Enter and filter the answer box's characters.
#include "frmcercanum.h"

#include "etichetta.h"
#include "immagine.h"
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
    const int codice = CodiceTasto(tasto);
    if (codice == 13) {
        azioni->Ricevi({CodaAzioni::Azione::Tipo::Invio});
        return true;
    }
    if (oggetto != txtInput)
        return false; // a button's Space clicks it, and the click is the button's action
    if (codice >= 0) {
        azioni->Ricevi({CodaAzioni::Azione::Tipo::Tasto, codice});
        return true; // typed into the box by its action, in its turn
    }
    // The caret's keys would act out of turn during a step; Tab moves the focus at any time.
    const bool tab = tasto->key() == Qt::Key_Tab || tasto->key() == Qt::Key_Backtab;
    return azioni->Attende() && !tab;
}

void frmCercanum::keyPressEvent(QKeyEvent *evento)
{
    // With no control focused the keys come straight to the window; keys a control let through
    // were seen already.
    if (focusWidget() && focusWidget() != this)
        return QWidget::keyPressEvent(evento);
    if (!TastoComando(evento) && CodiceTasto(evento) == 13)
        azioni->Ricevi({CodaAzioni::Azione::Tipo::Invio});
}

// The pad's keys are the keyboard's: Invio wherever the focus is, a digit or a deletion into the
// answer box when it has the focus, as a typed one would reach it.
void frmCercanum::TastoDelTastierino(int tasto, const QString &testo)
{
    if (tasto == Qt::Key_Return)
        azioni->Ricevi({CodaAzioni::Azione::Tipo::Invio});
    else if (focusWidget() == txtInput && !testo.isEmpty())
        azioni->Ricevi({CodaAzioni::Azione::Tipo::Tasto, tasto == Qt::Key_Backspace ? 8 : testo.at(0).unicode()});
}

// The cancel button: Esc presses cmdChiudi at any moment; F11 switches full screen. Enter, the
// default button's key, is an action of its own.
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
    return false;
}

// The queue takes no Enter while a ball rolls, so a second judgement cannot start.
void frmCercanum::Form_KeyPress(int &codice)
{
    if (codice == 13)
        Lancia(GiudicaRisposta());
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

// A key of the box in its turn: a box disabled meanwhile (the number is over) takes none.
void frmCercanum::Digita(int codice)
{
    if (!txtInput->isEnabled())
        return;
    txtInput_KeyPress(codice);
    if (codice == 8)
        txtInput->backspace();
    else if (codice != 1)
        txtInput->insert(QString(QChar(codice)));
}
