// SPDX-License-Identifier: MIT
#pragma once

#include "partita.h"
#include "servizi.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <vector>

class Etichetta;
class Forma;
class Immagine;
class Linea;
class Pulsante;
class QCheckBox;
class QLineEdit;

// The window in which the game is played, from start-up to the end of the program.
class frmCercanum : public QWidget
{
    Q_OBJECT
public:
    explicit frmCercanum(const Servizi &servizi, QWidget *parent = nullptr);
    ~frmCercanum() override;

    // Start-up: shows the window, the information window and the start dialog.
    void Form_Load();

    // The game state, for whoever needs to look at it (tests among them).
    const Partita &Stato() const { return partita; }
    bool AnimazioneInCorso() const { return animazioneInCorso; }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void CreaControlli();
    void CreaControlliFinestra();

    // Events.
    void cmdNew_Click();
    void cmdNuovoGioco_Click();
    void cmdChiudi_Click();
    void cmdInfo_Click();
    void chkNoSound_Click();
    void Timer1_Timer();
    bool TastoComando(const QKeyEvent *evento);
    void Form_KeyPress(int &codice);
    void txtInput_KeyPress(int &codice);
    // A click that arrives while an answer or a new number is being handled waits for the end.
    void ClicNuovoGioco();
    void ClicInfo();
    void EseguiRinvio();

    // A number.
    void PreparaNumero();
    void AnnunciaNumero(Intero n);
    void MostraErrore();
    void VerificaRisposta(Intero a);
    void MostraTurno(int prossimo, const QString &messaggio);

    // Around a game.
    void VerificaNumeroGiocatori();
    void VerificaFineGioco();

    // Ball track.
    void CaricaBall();
    void AppendBall(Intero n, Intero risposta);
    void ResetBall();
    void SmileAnim(bool on);

    // Score board.
    void CaricaLabel();
    void CaricaLabel1();
    void MostraTotale(int riga, const Etichetta &numero, const Etichetta &punteggio);
    void ScaricaLabel();
    void ScaricaLabel1();
    Intero CalcolaPunteggio(int colonna, const Risultato &risultato);

    // Feedback.
    void PensaAnim(bool on);
    void MostraSmile(Intero v);
    void Lampeggia(QWidget *bersaglio);

    // Painting and pictures.
    void DisegnaForm();
    void MostraGiudizio(Intero punteggio);

    Servizi servizi;
    Partita partita;
    bool animazioneInCorso = false;
    bool ingranaggioAlterno = false;
    int occupato = 0;
    enum class Rinvio { Nessuno, NuovoGioco, Info } rinvio = Rinvio::Nessuno;
    friend class Occupazione;

    QPixmap sfondo; // the painted background, kept for every repaint

    // Controls, by the names the game has always used.
    QWidget *strato = nullptr; // holds every windowless control, beneath the windowed ones
    Pulsante *cmdNew = nullptr;
    QLineEdit *txtInput = nullptr;
    Pulsante *cmdInfo = nullptr;
    Pulsante *cmdNuovoGioco = nullptr;
    Pulsante *cmdChiudi = nullptr;
    QCheckBox *chkNoSound = nullptr;
    QTimer Timer1;

    Etichetta *lblMessaggio = nullptr;
    Etichetta *lblInfoTemp = nullptr;
    Etichetta *Label1 = nullptr;
    Etichetta *lblAnimazNumeri = nullptr;
    Etichetta *lblPuntiRealizzati = nullptr;
    std::array<Etichetta *, 2> lblNumRisp{};
    std::vector<Etichetta *> lblBall;
    std::array<Etichetta *, 2> lblNome{};
    std::vector<Etichetta *> lblNumGioco;
    std::vector<Etichetta *> lblPunteggio;
    std::vector<Etichetta *> lblNumGioco1;
    std::vector<Etichetta *> lblPunteggio1;
    std::array<Etichetta *, 2> lblEtic{};
    std::array<Etichetta *, 2> lblPunti{};

    Immagine *imgTitolo = nullptr;
    std::array<Immagine *, 4> imgSmileForm{};
    std::array<Immagine *, 9> imgSmile{};
    Immagine *imgIndice = nullptr;
    std::array<Immagine *, 2> imgIngranaggio{};
    Immagine *imgPensa = nullptr;
    Immagine *imgBuco = nullptr;
    std::array<Immagine *, 2> imgbimbo{};
    std::array<Immagine *, 2> imgPunteggio{};
    Immagine *Image1 = nullptr;
    std::array<Immagine *, 6> imgGiudizio{};
    Immagine *imgsfondo = nullptr;

    Forma *Shape4 = nullptr;
    Forma *Shape3 = nullptr;
    std::vector<Forma *> shpBall;
    Linea *linBall = nullptr;
};
