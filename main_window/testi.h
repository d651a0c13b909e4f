// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The game window's own words, exactly as the children read them.
namespace Testi {
inline const QString Titolo = QStringLiteral("Cercanum");
inline const QString NuovoNumero = QStringLiteral("Nuovo Numero");
inline const QString ScriviNumero = QStringLiteral("Scrivi un numero compreso tra 0 e ");
inline const QString Annuncio = QStringLiteral("Il numero da indovinare è compreso tra 0  e  ");
inline const QString ScriviEInvio = QStringLiteral("scrivi il numero e premi il tasto invio");
inline const QString Gioca = QStringLiteral("Gioca ");
inline const QString Errore = QStringLiteral("Devi scrivere un numero compreso fra 0 e ");
inline const QString TitoloErrore = QStringLiteral("Errore");
inline const QString Esatto = QStringLiteral("Esatto! Hai indovinato il numero in ");
inline const QString Risposta = QStringLiteral(" risposta.");
inline const QString Risposte = QStringLiteral(" risposte.");
inline const QString AdessoGioca = QStringLiteral("Adesso gioca ");
inline const QString TroppoGrande = QStringLiteral("Il numero è troppo grande!\r\nScrivi un  numero più piccolo.");
inline const QString TroppoPiccolo = QStringLiteral("Il numero è troppo piccolo!\r\nScrivi un numero più grande.");
inline const QString NumeroEra = QStringLiteral("Il numero da indovinare era: ");
inline const QString TermineGioco = QStringLiteral("Termine del gioco");
inline const QString PerIniziare = QStringLiteral("Per iniziare a giocare premi il pulsante Nuovo Numero");
inline const QString IniziaIlGioco = QStringLiteral(" Inizia il gioco ");
inline const QString GiocoFinito = QStringLiteral("Il gioco è finito!");
inline const QString FineDelGioco = QStringLiteral("Fine del gioco!\r\n Vuoi iniziare un nuovo gioco?");
inline const QString Punti = QStringLiteral("punti");
inline const QString Punteggio = QStringLiteral("Punteggio");
inline const QString Acapo = QStringLiteral("\r\n");

inline const QString SuggerimentoInfo = QStringLiteral("Informazioni sul programma");
inline const QString SuggerimentoNuovoGioco = QStringLiteral("Nuovo gioco");
inline const QString SuggerimentoChiudi = QStringLiteral("Chiude il programma");
inline const QString SuggerimentoSuono = QStringLiteral("Abilita o disabilita il suono");
inline const QString SuggerimentoPunti = QStringLiteral("Punteggio complessivo");

// What the six judgement pictures show, from the best.
inline constexpr const char *Giudizi[] = {"Tocco con diploma", "Tocco con nappa", "Statuetta d'oro",
                                          "Medaglia",          "Testa d'asino",   "Cervello bocciato"};

// A message as it is said: each line a sentence, its spaces single.
inline QString Frasi(const QString &testo)
{
    QStringList frasi;
    for (QString riga : testo.split(Acapo)) {
        riga = riga.simplified();
        if (riga.isEmpty())
            continue;
        if (!riga.back().isPunct())
            riga += QLatin1Char('.');
        frasi.append(riga);
    }
    return frasi.join(QLatin1Char(' '));
}
} // namespace Testi
