// SPDX-License-Identifier: MIT
#pragma once

#include "dialoghi.h"
#include "twips.h"

#include <QDialog>

class CasellaNome;
class Suoni;
class Pulsante;
class QGroupBox;
class QLabel;
class QRadioButton;

// The start dialog: one or two players and their names. Handed the names chosen last, it
// answers with the players once it closes. Loaded (and its sound requested) on construction.
class frmPresent : public QDialog
{
    Q_OBJECT
public:
    frmPresent(QWidget *padre, const Partita::Nomi &nomi, Suoni &suoni);

    // The answer: one player with the names as handed in until two are confirmed.
    const Giocatori &Scelta() const { return scelta; }

protected:
    // Every way of closing ends here: OK, Enter and the close box store the same answer.
    void done(int esito) override;
    void keyPressEvent(QKeyEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    void Form_Load(const Partita::Nomi &nomi);
    void optNumGiocatori_Click(int indice);
    void Form_Unload();
    // The designed "window height" is the outer one; Qt sizes the client area.
    void ImpostaAltezza(int twips);
    void RestaNelloSchermo();
    static void Colloca(QWidget *w, Twips::Rett r);

    QLabel *Label2 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Image3 = nullptr;
    QRadioButton *optNumGiocatori[2] = {};
    QGroupBox *Frame1 = nullptr;
    QLabel *imgNome[2] = {};
    QLabel *Label1[2] = {};
    CasellaNome *txtGiocatori[2] = {};
    Pulsante *cmdOk = nullptr;
    bool scaricato = false;
    Suoni &suoni;
    Giocatori scelta;
};
