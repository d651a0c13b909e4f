// SPDX-License-Identifier: MIT
#pragma once

#include "cercanum.h"
#include "codaazioni.h"
#include "compito.h"
#include "partita.h"
#include "servizi.h"

#include <QPixmap>
#include <QWidget>

#include <list>
#include <memory>

class Etichetta;
class Immagine;
class PistaPalline;
class Pulsante;
class QCheckBox;
class QLineEdit;
class Riscontro;
class SchermoIntero;
class Tabellone;

// The window in which the game is played, from start-up to the end of the program: its play
// flow, its keys and the handlers around a game. The ball track, the score board and the
// feedback are parts of it with their own classes.
class frmCercanum : public QWidget
{
    Q_OBJECT
public:
    explicit frmCercanum(const Servizi &servizi, QWidget *parent = nullptr);
    ~frmCercanum() override;

    // Start-up: shows the window, the information window and the start dialog, then flashes
    // "Nuovo Numero".
    void Form_Load();

    // The game state and the players, for whoever needs to look at them (tests among them).
    const Partita &Stato() const { return partita; }
    const Cercanum &Modulo() const { return modulo; }
    // A ball rolls: Enter judges nothing.
    bool AnimazioneInCorso() const;
    // The game's actions as they come and go (tests).
    CodaAzioni &Azioni() { return *azioni; }

    // Full screen, enlarged with the number pad beside it; F11 and the window manager's
    // maximise or full-screen request enter it. Asked before start-up, the window opens in it.
    void AlternaSchermoIntero();
    void ApriASchermoIntero() { schermoInteroAllAvvio = true; }
    // Null until full screen is first entered.
    SchermoIntero *Schermo() const { return schermo.get(); }

signals:
    // Each message as a screen reader says it, once it stands: the range and whose turn it is at
    // the announcement's end, a verdict once its ball has stopped, a number found or lost with its
    // points, and the game's scores before the last question.
    void Frase(const QString &testo);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    void changeEvent(QEvent *evento) override;

private:
    void CreaControlli();
    void CreaControlliFinestra();

    // An action of the game's doors, run by the queue now or after the step.
    void Esegui(const CodaAzioni::Azione &azione);
    void TastoDelTastierino(int tasto, const QString &testo);
    // The one way to start a step nobody waits for: the window keeps it until it ends, and ends
    // it when the window goes.
    void Lancia(Compito compito);

    // Events.
    Compito Carica();
    Compito cmdNew_Click();
    Compito cmdNuovoGioco_Click();
    void cmdChiudi_Click();
    void cmdInfo_Click();
    void chkNoSound_Click();
    bool TastoComando(const QKeyEvent *evento);
    void Form_KeyPress(int &codice);
    void txtInput_KeyPress(int &codice);
    void Digita(int codice);

    // A number.
    void PreparaNumero();
    void SvuotaRisposta();
    Compito AnnunciaNumero(Intero n);
    Compito GiudicaRisposta();
    void MostraErrore();
    Compito VerificaRisposta(Intero a);
    void ChiudiNumero(const Risultato &r, const QString &messaggio);
    QString FraseFineGioco() const;

    // Around a game.
    void VerificaNumeroGiocatori();
    Compito VerificaFineGioco();

    Compito Lampeggia(QWidget *bersaglio);
    QWidget *PadreDialoghi();
    void DisegnaForm();

    Servizi servizi;
    Cercanum modulo;
    Partita partita{modulo}; // reads who plays from the module above

    // The paper, laid from the window's corner at every repaint: a tile, not a copy of the whole
    // window, which would be 800 kB more for as long as the game runs.
    QPixmap tessera;

    // Controls, by the names the game gives them.
    QWidget *strato = nullptr; // holds every windowless control, beneath the windowed ones
    Pulsante *cmdNew = nullptr;
    QLineEdit *txtInput = nullptr;
    Pulsante *cmdInfo = nullptr;
    Pulsante *cmdNuovoGioco = nullptr;
    Pulsante *cmdChiudi = nullptr;
    QCheckBox *chkNoSound = nullptr;
    Etichetta *lblMessaggio = nullptr;
    Etichetta *lblInfoTemp = nullptr;
    Etichetta *Label1 = nullptr;
    Immagine *imgTitolo = nullptr;
    Immagine *imgIndice = nullptr;
    Immagine *Image1 = nullptr;
    Immagine *imgsfondo = nullptr;

    std::unique_ptr<PistaPalline> pista;
    std::unique_ptr<Tabellone> tabellone;
    Riscontro *riscontro = nullptr; // owned by the window as its QObject child
    CodaAzioni *azioni = nullptr;   // likewise

    bool schermoInteroAllAvvio = false;
    // Last, so it gives the window back before anything of the window goes.
    std::unique_ptr<SchermoIntero> schermo;
    // Ended first of all, while what they use is still there.
    std::list<Compito> lanciati;
};
