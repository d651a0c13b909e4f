// SPDX-License-Identifier: MIT
// One number of the game window, from the "Nuovo Numero" button to its end: the announcement,
// the answers and the verdicts.
#include "frmcercanum.h"

#include "etichetta.h"
#include "fabbrica.h"
#include "faccia.h"
#include "immagine.h"
#include "messaggi.h"
#include "nomefisso.h"
#include "orologio.h"
#include "pistapalline.h"
#include "pulsante.h"
#include "riscontro.h"
#include "suoni.h"
#include "tabellone.h"
#include "tavolozza.h"
#include "tempi.h"
#include "testi.h"

#include <QLineEdit>

Compito frmCercanum::cmdNew_Click()
{
    partita.CambiaTurno();
    riscontro->MostraSmile(Faccia::Nessuna);
    cmdNew->hide();
    PreparaNumero();
    lblMessaggio->ImpostaTesto(Testi::ScriviNumero + QString::number(partita.NumMax()));
    txtInput->setEnabled(true);
    txtInput->setFocus();
    co_await AnnunciaNumero(partita.NumGiocati());
}

void frmCercanum::PreparaNumero()
{
    tabellone->NascondiPuntiRealizzati();
    SvuotaRisposta();
    Tavolozza::Imposta(txtInput, QPalette::Base, Fabbrica::Colore(Colore::Bianco));
    partita.PreparaNumero(servizi.caso);
    lblMessaggio->ImpostaTesto(Testi::ScriviNumero + QString::number(partita.NumMax()));
    pista->ResetBall();
}

// Emptied as a new box would be: setText forgets the box's undo history, which clear() would lengthen
// with every answer of the morning, and whose "Annulla" would bring back the answers of earlier numbers.
void frmCercanum::SvuotaRisposta()
{
    txtInput->setText({});
}

// The announcement holds input from its first letter to its last blink: a digit typed meanwhile
// is in the box, and an Enter judges it, only after.
// Its letters and blinks are shown, not told: assistive technology hears the message once it stands.
Compito frmCercanum::AnnunciaNumero(Intero n)
{
    const CodaAzioni::InCorso passo(*azioni, CodaAzioni::Passo::Annuncio);
    partita.ImpostaIntervallo(n);
    servizi.suoni.Suona(Effetto::Annuncio);
    const QString msg = Testi::Annuncio + QString::number(partita.NumMax());

    for (int i = 1; i <= msg.size(); ++i) {
        lblMessaggio->MostraSoltanto(msg.left(i));
        lblMessaggio->repaint();
        co_await Attesa(servizi.orologio, Tempi::Lettera);
    }
    co_await Attesa(servizi.orologio, Tempi::PausaAnnuncio);

    bool vuoto = false;
    for (int passo = 0; passo < Tempi::PassiLampeggio; ++passo) {
        vuoto = !vuoto;
        lblMessaggio->MostraSoltanto(msg);
        if (vuoto)
            lblMessaggio->MostraSoltanto({});
        lblMessaggio->repaint();
        co_await Attesa(servizi.orologio, Tempi::Lampeggio);
        lblMessaggio->repaint();
    }

    lblMessaggio->ImpostaTesto(lblMessaggio->Testo() + Testi::Acapo + Testi::ScriviEInvio);
    if (partita.NumGiocatori() == 1)
        lblInfoTemp->ImpostaTesto(msg);
    else
        lblInfoTemp->ImpostaTesto(Testi::Gioca
                                  + QString::fromStdString(NomeFisso::RifilaDestra(partita.GiocatoreAttivo()))
                                  + QStringLiteral(". ") + msg);
    riscontro->PensaAnim(true);
    emit Frase(Testi::Frasi(lblInfoTemp->Testo() + Testi::Acapo + Testi::ScriviEInvio));
}

void frmCercanum::MostraErrore()
{
    servizi.messaggi.Mostra(PadreDialoghi(), Testi::Errore + QString::number(partita.NumMax()), Testi::TitoloErrore,
                            Messaggi::Icona::Stop, Messaggi::Pulsanti::Ok);
    SvuotaRisposta();
    txtInput->setFocus();
}

// An answer's handling, from Enter to its verdict's end.
Compito frmCercanum::GiudicaRisposta()
{
    const CodaAzioni::InCorso passo(*azioni, CodaAzioni::Passo::Risposta);
    const std::optional<Intero> risposta = Partita::LeggiRisposta(txtInput->text().toStdString());
    if (risposta)
        co_await VerificaRisposta(*risposta);
    else
        MostraErrore();
}

Compito frmCercanum::VerificaRisposta(Intero a)
{
    const Risultato r = partita.VerificaRisposta(a);
    if (r.esito == Esito::Rifiutata) {
        MostraErrore();
        co_return;
    }

    if (r.esito == Esito::Indovinato) {
        const QString s2 = r.numero == 1 ? Testi::Risposta : Testi::Risposte;
        riscontro->MostraSmile(Faccia::Indovinato);
        // Disabling the focused box would hand the focus to the close button, where a stray
        // Space during the roll would end the program; the window holds it meanwhile.
        setFocus();
        txtInput->setEnabled(false);
        co_await pista->AppendBall(r.numero, a, partita.NumSegreto());
        servizi.suoni.Suona(Effetto::Indovinato);
        co_await Lampeggia(txtInput);
        lblInfoTemp->hide();
        imgIndice->hide();
        cmdNew->show();
        cmdNew->setFocus();
        ChiudiNumero(r, Testi::Esatto + QString::number(r.numero) + s2);
    } else {
        const QString verdetto = r.esito == Esito::TroppoGrande ? Testi::TroppoGrande : Testi::TroppoPiccolo;
        lblMessaggio->ImpostaTesto(verdetto);
        SvuotaRisposta();
        txtInput->setFocus();
        riscontro->MostraSmile(r.numero);
        co_await pista->AppendBall(r.numero, a, partita.NumSegreto());
        // Told once the ball has stopped: Enter during its roll is not taken, so a child who
        // answers at once after hearing the verdict is heard.
        emit Frase(Testi::Frasi(verdetto));
        if (!r.perso)
            co_return;

        riscontro->MostraSmile(Faccia::Perso);
        servizi.messaggi.Mostra(PadreDialoghi(), Testi::NumeroEra + QString::number(partita.NumSegreto()),
                                Testi::TermineGioco, Messaggi::Icona::Esclamazione, Messaggi::Pulsanti::Ok);
        riscontro->MostraSmile(Faccia::Nessuna);
        cmdNew->show();
        cmdNew->setFocus();
        txtInput->setEnabled(false);
        ChiudiNumero(r, {});
        lblInfoTemp->hide();
        imgIndice->hide();
    }

    if (r.fineGioco)
        co_await VerificaFineGioco();
}

// The score of the finished number and the message: with two players it names the player
// whose turn it is now, whose name turns bold and whose picture marks the turn.
void frmCercanum::ChiudiNumero(const Risultato &r, const QString &messaggio)
{
    tabellone->CalcolaPunteggio(r);
    // Said with the points between the result and the turn.
    const QString punti = QString::number(r.punteggio) + QLatin1Char(' ') + Testi::Punti;
    if (partita.NumGiocatori() == 1) {
        lblMessaggio->ImpostaTesto(messaggio);
        emit Frase(Testi::Frasi(messaggio + Testi::Acapo + punti));
        return;
    }
    const QString turno =
        Testi::AdessoGioca + QString::fromStdString(NomeFisso::RifilaDestra(partita.GiocatoreAttivo()));
    lblMessaggio->ImpostaTesto(messaggio.isEmpty() ? turno : messaggio + Testi::Acapo + turno);
    tabellone->SegnaTurno(1 - r.colonna);
    emit Frase(Testi::Frasi(messaggio + Testi::Acapo + punti + Testi::Acapo + turno));
}
