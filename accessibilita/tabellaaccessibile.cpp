// SPDX-License-Identifier: MIT
#include "tabellaaccessibile.h"

#include "testi.h"

#include <QWidget>

namespace {

// "{n}" in a name stands for the array index + 1, as the children count.
struct Riga
{
    const char *finestra;
    const char *controllo; // the whole object name; "#" stands for an array index
    const char *nome;
    const char *descrizione;
    bool testoComeNome = false;
};

constexpr Riga Righe[] = {
    // The game window.
    {"frmCercanum", "frmCercanum", "Cercanum", "Indovina il numero pensato dal computer"},
    {"frmCercanum", "strato", "Tavolo di gioco", "Messaggi, palline, facce e punteggi"},
    {"frmCercanum", "cmdNew", "Nuovo Numero", "Il computer pensa un nuovo numero da indovinare"},
    {"frmCercanum", "txtInput", "Risposta", "Scrivi qui il numero e premi Invio"},
    {"frmCercanum", "cmdInfo", "Informazioni", "Informazioni sul programma e regole del gioco"},
    {"frmCercanum", "cmdNuovoGioco", "Nuovo gioco", "Ricomincia il gioco dalla scelta dei giocatori"},
    {"frmCercanum", "cmdChiudi", "Esci", "Chiude il programma"},
    {"frmCercanum", "chkNoSound", "Senza suono", "Abilita o disabilita il suono"},
    {"frmCercanum", "lblMessaggio", "Messaggio", "Messaggi del gioco", true},
    {"frmCercanum", "lblInfoTemp", "Promemoria", "Promemoria dell'intervallo", true},
    {"frmCercanum", "Label1", "Riquadro della risposta", ""},
    {"frmCercanum", "lblAnimazNumeri", "Numero a caso del professore", "Cambia mentre il professore pensa"},
    {"frmCercanum", "lblPuntiRealizzati", "Punti di questo numero", ""},
    {"frmCercanum", "lblNumRisp(0)", "Risposte date", ""},
    {"frmCercanum", "lblNumRisp(1)", "Risposte rimaste", ""},
    {"frmCercanum", "lblBall(#)", "Risposta {n}", "Il numero scritto sulla pallina"},
    {"frmCercanum", "shpBall(#)", "Pallina della risposta {n}",
     "Rossa se il numero era troppo grande, verde se troppo piccolo, blu se giusto"},
    {"frmCercanum", "Shape4", "Pallina grigia delle risposte date", ""},
    {"frmCercanum", "Shape3", "Pallina grigia delle risposte rimaste", ""},
    {"frmCercanum", "linBall", "Filo delle palline", ""},
    {"frmCercanum", "lblNome(#)", "Nome del giocatore {n}", ""},
    {"frmCercanum", "lblNumGioco(#)", "Colonna {n}, giocatore 1", "Numero del gioco"},
    {"frmCercanum", "lblNumGioco1(#)", "Colonna {n}, giocatore 2", "Numero del gioco"},
    {"frmCercanum", "lblPunteggio(#)", "Numero {n}, giocatore 1", "Punti del numero"},
    {"frmCercanum", "lblPunteggio1(#)", "Numero {n}, giocatore 2", "Punti del numero"},
    {"frmCercanum", "lblEtic(#)", "Intestazione del punteggio, giocatore {n}", ""},
    {"frmCercanum", "lblPunti(#)", "Media, giocatore {n}", "Punteggio complessivo"},
    {"frmCercanum", "imgTitolo", "Titolo: Cercanum", ""},
    {"frmCercanum", "imgSmileForm(0)", "Maestro contento", ""},
    {"frmCercanum", "imgSmileForm(1)", "Maestro arrabbiato", ""},
    {"frmCercanum", "imgSmileForm(2)", "Punto interrogativo rosso", ""},
    {"frmCercanum", "imgSmileForm(3)", "Punto interrogativo giallo", ""},
    {"frmCercanum", "imgSmile(0)", "Faccina che ride", ""},
    {"frmCercanum", "imgSmile(1)", "Faccina sorridente", ""},
    {"frmCercanum", "imgSmile(2)", "Faccina seria", ""},
    {"frmCercanum", "imgSmile(3)", "Faccina a bocca spalancata", ""},
    {"frmCercanum", "imgSmile(4)", "Faccina un po' triste", ""},
    {"frmCercanum", "imgSmile(5)", "Faccina triste", ""},
    {"frmCercanum", "imgSmile(6)", "Faccina arrabbiata", ""},
    {"frmCercanum", "imgSmile(7)", "Faccina con la lingua fuori", ""},
    {"frmCercanum", "imgSmile(8)", "Faccina con un gran sorriso", ""},
    {"frmCercanum", "imgIndice", "Dito che indica il promemoria", ""},
    {"frmCercanum", "imgIngranaggio(#)", "Ingranaggi che girano", ""},
    {"frmCercanum", "imgPensa", "Professore che pensa", ""},
    {"frmCercanum", "imgBuco", "Buco", ""},
    {"frmCercanum", "imgbimbo(0)", "Bambino in rosso, giocatore 1", "Tocca a lui quando si vede"},
    {"frmCercanum", "imgbimbo(1)", "Bambino in verde, giocatore 2", "Tocca a lui quando si vede"},
    {"frmCercanum", "imgPunteggio(#)", "Giudizio, giocatore {n}", ""},
    {"frmCercanum", "Image1", "Altoparlante barrato", "Suono"},
    {"frmCercanum", "imgGiudizio(0)", Testi::Giudizi[0], ""},
    {"frmCercanum", "imgGiudizio(1)", Testi::Giudizi[1], ""},
    {"frmCercanum", "imgGiudizio(2)", Testi::Giudizi[2], ""},
    {"frmCercanum", "imgGiudizio(3)", Testi::Giudizi[3], ""},
    {"frmCercanum", "imgGiudizio(4)", Testi::Giudizi[4], ""},
    {"frmCercanum", "imgGiudizio(5)", Testi::Giudizi[5], ""},
    {"frmCercanum", "imgsfondo", "Sfondo", ""},

    // The start dialog.
    {"frmPresent", "frmPresent", "Cercanum", "Scegli se giocare da solo o in due"},
    {"frmPresent", "Image1", "Un bambino: si gioca da soli", ""},
    {"frmPresent", "Image2", "Bambino in rosso", ""},
    {"frmPresent", "Image3", "Bambino in verde: si gioca in due", ""},
    {"frmPresent", "optNumGiocatori0", "", "Gioca da solo"},
    {"frmPresent", "optNumGiocatori1", "", "Giocano due amici, a turno"},
    {"frmPresent", "imgNome0", "Bambino in rosso, giocatore 1", ""},
    {"frmPresent", "imgNome1", "Bambino in verde, giocatore 2", ""},
    {"frmPresent", "txtGiocatori0", "Nome del giocatore 1", "Al massimo dieci lettere"},
    {"frmPresent", "txtGiocatori1", "Nome del giocatore 2", "Al massimo dieci lettere"},
    {"frmPresent", "cmdOk", "", "Conferma la scelta e va al gioco"},

    // The information window.
    {"frmAbout", "frmAbout", "Informazioni", "Nome, versione e regole del gioco"},
    {"frmAbout", "Image1", "Punto interrogativo giallo: l'icona del programma", ""},
    {"frmAbout", "lblEmail", "", "Indirizzo e-mail: scrivi all'autore"},
    {"frmAbout", "Image2", "Busta", ""},
    {"frmAbout", "Check1", "Guida", "Guida all'uso del programma."},
    {"frmAbout", "Text1", "Regole del gioco", ""},
};

// Matches `nome` against `modello`; a "#" takes one or more digits, whose value goes to `indice`.
// A plain walk, not a regular expression: every widget asks at start-up.
bool Corrisponde(const char *modello, QStringView nome, int &indice)
{
    qsizetype i = 0;
    for (const char *m = modello; *m; ++m) {
        if (*m != '#') {
            if (i >= nome.size() || nome[i] != QLatin1Char(*m))
                return false;
            ++i;
            continue;
        }
        const qsizetype inizio = i;
        while (i < nome.size() && nome[i].isDigit() && nome[i].unicode() < 128)
            ++i;
        if (i == inizio)
            return false;
        bool ok = false;
        indice = nome.mid(inizio, i - inizio).toInt(&ok);
        if (!ok)
            return false;
    }
    return i == nome.size();
}

} // namespace

std::optional<TabellaAccessibile::Voce> TabellaAccessibile::Cerca(const QString &finestra, const QString &controllo)
{
    if (controllo.isEmpty())
        return std::nullopt;
    for (const Riga &r : Righe) {
        int indice = -1;
        if (finestra != QLatin1String(r.finestra) || !Corrisponde(r.controllo, controllo, indice))
            continue;
        Voce v{QString::fromUtf8(r.nome), QString::fromUtf8(r.descrizione), r.testoComeNome};
        if (indice >= 0)
            v.nome.replace(QStringLiteral("{n}"), QString::number(indice + 1));
        return v;
    }
    return std::nullopt;
}

std::optional<TabellaAccessibile::Voce> TabellaAccessibile::Per(const QWidget *w)
{
    return Cerca(w->window()->objectName(), w->objectName());
}
