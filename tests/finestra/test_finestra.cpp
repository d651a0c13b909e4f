// SPDX-License-Identifier: MIT
#include "banco.h"
#include "cerca.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace Cerca;

namespace {

// Chooses the entry of the box's own context menu that does what the standard key does (undo,
// paste), found by the shortcut it shows, whatever the language of its text. False when the entry
// is disabled.
bool DalMenu(QLineEdit *casella, QKeySequence::StandardKey voce)
{
    const QPoint punto(5, 5);
    QContextMenuEvent evento(QContextMenuEvent::Mouse, punto, casella->mapToGlobal(punto));
    QApplication::sendEvent(casella, &evento);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        qFatal("the answer box opened no context menu");
    const QString scorciatoia = QKeySequence(voce).toString(QKeySequence::NativeText);
    bool scelta = false;
    for (QAction *a : menu->actions()) {
        if (a->text().section(QLatin1Char('\t'), 1) == scorciatoia && a->isEnabled()) {
            a->trigger();
            scelta = true;
        }
    }
    menu->close();
    return scelta;
}

} // namespace

class TestFinestra : public QObject
{
    Q_OBJECT
private slots:
    void avvio_nellOrdine();
    void avvio_senzaDispositiviAudio();
    void tasti_passanoPrimaPerLaFinestra();
    void tasti_primoTastoMostraIlPromemoria();
    void tasti_invioEdEsc();
    void casella_soloCifreDaOgniVia();
    void casella_annullaNonRiportaLeRisposte();
    void numero_annuncioETesto();
    void numero_indovinatoAllaPrimaEDopo();
    void numero_persoAllaVentesima();
    void numero_rispostaFuoriIntervallo();
    void dueGiocatori_turni();
    void fineGioco_siRicominciaNoTermina();
    void fineGioco_dueGiocatoriRestanoSulTabellone();
    void nuovoGioco_aMetaNumeroScarta();
    void info_restituisceIlFuoco();
    void trattenuti_tastiDellAnnuncioDopoInOrdine_data();
    void trattenuti_tastiDellAnnuncioDopoInOrdine();
    void trattenuti_pulsantiDopoLaRisposta_data();
    void trattenuti_pulsantiDopoLaRisposta();
    void trattenuti_fineGiocoRispondeAllaDomanda();
    void trattenuti_ticchettioFermoDuranteIlLampo();
    void trattenuti_limitatiSenzaPerdereLInvio();
    void chiusura_fermaIlPassoInCorso();
    void rientro_invioDuranteLaPallinaIgnorato();
    void testi_stannoNelleEtichette();
    void suono_momentiDiUnNumero();
    void suono_ticchettioFinoAllaPrimaCifra();
    void suono_interruttore();
};

void TestFinestra::avvio_nellOrdine()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    QCOMPARE(b.diario, QStringList({"informazioni", "presentazione"}));
    QCOMPARE(b.dialoghi.avvioDuranteInfo, std::vector<bool>{true});
    QVERIFY(!f.Modulo().AvvioInCorso);
    QVERIFY(b.suoni.SuonoAttivo());
    QVERIFY(f.findChild<QCheckBox *>(QStringLiteral("chkNoSound"))->isEnabled());
    QVERIFY(f.isVisible());
    QCOMPARE(f.size(), QSize(564, 370));
    QCOMPARE(f.windowTitle(), QStringLiteral("Cercanum"));
    QVERIFY(!I(f, QStringLiteral("imgTitolo"))->isVisible());
    QCOMPARE(Messaggio(f), QStringLiteral("Per iniziare a giocare premi il pulsante Nuovo Numero"));
    QVERIFY(P(f, QStringLiteral("cmdNew"))->isVisible());
    QVERIFY(!Casella(f)->isEnabled());
    QCOMPARE(f.focusWidget(), P(f, QStringLiteral("cmdNew")));
    QCOMPARE(b.orologio.totale, 1000L); // the button flashes ten times 100 ms
}

void TestFinestra::avvio_senzaDispositiviAudio()
{
    Banco b;
    b.audio.dispositivi = 0;
    frmCercanum &f = b.Avvia();
    QVERIFY(!b.suoni.SuonoAttivo());
    QVERIFY(!f.findChild<QCheckBox *>(QStringLiteral("chkNoSound"))->isEnabled());
    NuovoNumero(b, 4);
    Rispondi(f, QStringLiteral("4"));
    QVERIFY(b.audio.suonati.empty());
}

void TestFinestra::tasti_passanoPrimaPerLaFinestra()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 5);
    QLineEdit *casella = Casella(f);

    // Enter in the empty box: the window's handler answers, not the box.
    QTest::keyClick(casella, Qt::Key_Return);
    QCOMPARE(b.messaggi.mostrati.size(), std::size_t(1));
    QCOMPARE(b.messaggi.mostrati[0].testo, QStringLiteral("Devi scrivere un numero compreso fra 0 e 10"));
    QCOMPARE(b.messaggi.mostrati[0].titolo, QStringLiteral("Errore"));
    QCOMPARE(b.messaggi.mostrati[0].icona, Messaggi::Icona::Stop);
    QCOMPARE(f.Stato().NumRisposte(), Intero(0));

    // A letter is dropped and leaves the message; a digit empties it.
    const QString prima = Messaggio(f);
    QTest::keyClicks(casella, QStringLiteral("a"));
    QCOMPARE(casella->text(), QString());
    QCOMPARE(Messaggio(f), prima);
    QTest::keyClick(casella, Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(casella->text(), QStringLiteral("7"));
    QCOMPARE(Messaggio(f), QString());
    QTest::keyClicks(casella, QStringLiteral("123"));
    QCOMPARE(casella->text(), QStringLiteral("712")); // no fourth character
    QTest::keyClick(casella, Qt::Key_Backspace);
    QCOMPARE(casella->text(), QStringLiteral("71"));

    // Text that is no number, however it got there, is no answer: the error again, nothing counted.
    casella->setText(QStringLiteral("1e3"));
    QTest::keyClick(casella, Qt::Key_Return);
    QCOMPARE(b.messaggi.mostrati.size(), std::size_t(2));
    QCOMPARE(f.Stato().NumRisposte(), Intero(0));
    QCOMPARE(casella->text(), QString());
}

void TestFinestra::tasti_primoTastoMostraIlPromemoria()
{
    for (const QString &tasto : {QStringLiteral("x"), QStringLiteral("3")}) {
        Banco b;
        frmCercanum &f = b.Avvia({2, {"Anna", "Marco"}});
        NuovoNumero(b, 5);
        QVERIFY(!E(f, QStringLiteral("lblInfoTemp"))->isVisible());
        QTest::keyClicks(Casella(f), tasto);
        QVERIFY(E(f, QStringLiteral("lblInfoTemp"))->isVisible());
        QVERIFY(I(f, QStringLiteral("imgIndice"))->isVisible());
        QCOMPARE(E(f, QStringLiteral("lblInfoTemp"))->Testo(),
                 QStringLiteral("Gioca Anna. Il numero da indovinare è compreso tra 0  e  10"));
    }
}

void TestFinestra::tasti_invioEdEsc()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    // Enter presses the shown button wherever the focus is, and judges nothing.
    f.findChild<QCheckBox *>(QStringLiteral("chkNoSound"))->setFocus();
    b.caso.valori = {PerSegreto(5, 10)};
    QTest::keyClick(f.focusWidget(), Qt::Key_Return);
    QVERIFY(!P(f, QStringLiteral("cmdNew"))->isVisible());
    QVERIFY(b.messaggi.mostrati.empty());
    QCOMPARE(f.focusWidget(), Casella(f));
    // Hidden, the button leaves Enter to the answer.
    QTest::keyClicks(Casella(f), QStringLiteral("5"));
    QTest::keyClick(Casella(f), Qt::Key_Enter);
    QCOMPARE(f.Stato().NumGiocati(), Intero(1));
    QCOMPARE(b.terminazione.richieste, 0);
    // Esc ends the program from any control.
    for (const char *nome : {"cmdNew", "cmdInfo", "chkNoSound"}) {
        QWidget *w = f.findChild<QWidget *>(QString::fromLatin1(nome));
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
    }
    QCOMPARE(b.terminazione.richieste, 3);
}

// Whatever way text comes into the answer box, only digits get in, at most three, as typed ones.
void TestFinestra::casella_soloCifreDaOgniVia()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 5);
    QLineEdit *casella = Casella(f);

    // The context menu's paste (the middle button's pastes the same way, from the selection).
    QGuiApplication::clipboard()->setText(QStringLiteral("a-1"));
    QVERIFY(DalMenu(casella, QKeySequence::Paste));
    QCOMPARE(casella->text(), QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    QVERIFY(DalMenu(casella, QKeySequence::Paste));
    QCOMPARE(casella->text(), QStringLiteral("42"));
    QVERIFY(DalMenu(casella, QKeySequence::Paste));
    QCOMPARE(casella->text(), QStringLiteral("424"));

    // An input method's text, and a drop.
    casella->setText({});
    for (const QString &arriva :
         {QStringLiteral("x"), QStringLiteral("1 "), QStringLiteral("٣"), QStringLiteral("7")}) {
        QInputMethodEvent composto;
        composto.setCommitString(arriva);
        QApplication::sendEvent(casella, &composto);
    }
    QCOMPARE(casella->text(), QStringLiteral("7"));
    for (const QString &trascinato : {QStringLiteral("b2"), QStringLiteral("3")}) {
        QMimeData dati;
        dati.setText(trascinato);
        const QPoint centro = casella->rect().center();
        QDragEnterEvent entra(centro, Qt::CopyAction, &dati, Qt::LeftButton, {});
        QApplication::sendEvent(casella, &entra);
        QDragMoveEvent passa(centro, Qt::CopyAction, &dati, Qt::LeftButton, {});
        QApplication::sendEvent(casella, &passa);
        QDropEvent lascia(QPointF(centro), Qt::CopyAction, &dati, Qt::LeftButton, {});
        QApplication::sendEvent(casella, &lascia);
    }
    QCOMPARE(casella->text(), QStringLiteral("37")); // dropped at the middle, before the 7

    // What got in is judged as a typed answer.
    QTest::keyClick(casella, Qt::Key_Return);
    QCOMPARE(b.messaggi.mostrati.back().titolo, QStringLiteral("Errore")); // 37 is above 10
    QCOMPARE(f.Stato().NumRisposte(), Intero(0));
}

// The game empties the box as a new one: its undo history goes too, and the context menu's undo
// never brings back an answer given before, in this number or an earlier one.
void TestFinestra::casella_annullaNonRiportaLeRisposte()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    QLineEdit *casella = Casella(f);
    auto vuotaSenzaStoria = [&] {
        QCOMPARE(casella->text(), QString());
        QVERIFY(!casella->isUndoAvailable());
        QVERIFY(!DalMenu(casella, QKeySequence::Undo));
        QCOMPARE(casella->text(), QString());
    };
    NuovoNumero(b, 5);
    // Within an answer the undo still works.
    QTest::keyClicks(casella, QStringLiteral("36"));
    QVERIFY(DalMenu(casella, QKeySequence::Undo));
    QCOMPARE(casella->text(), QString());
    QVERIFY(DalMenu(casella, QKeySequence::Redo));
    QCOMPARE(casella->text(), QStringLiteral("36"));
    QTest::keyClick(casella, Qt::Key_Return); // above 10: the error box empties it
    vuotaSenzaStoria();
    Rispondi(f, QStringLiteral("3")); // too small
    vuotaSenzaStoria();
    Rispondi(f, QStringLiteral("5")); // found: it stays in the box until the next number
    NuovoNumero(b, 2);
    vuotaSenzaStoria();
    // The last number of a game, and the next game's first.
    for (int i = 1; i < 15; ++i) {
        Rispondi(f, QStringLiteral("2"));
        NuovoNumero(b, 2);
    }
    QTest::keyClicks(casella, QStringLiteral("7"));
    QTest::keyClick(casella, Qt::Key_Backspace);
    Rispondi(f, QStringLiteral("2"));
    QCOMPARE(b.diario.count(QStringLiteral("presentazione")), 2);
    NuovoNumero(b, 2);
    vuotaSenzaStoria();
}

void TestFinestra::numero_annuncioETesto()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    QStringList visti;
    b.orologio.totale = 0;
    b.orologio.ad_ogni_attesa = [&](int) { visti.append(Messaggio(f)); };
    NuovoNumero(b, 3);
    const QString msg = QStringLiteral("Il numero da indovinare è compreso tra 0  e  10");
    QCOMPARE(visti.size(), msg.size() + 1 + 6);
    QCOMPARE(visti.first(), QStringLiteral("I"));
    QCOMPARE(visti.at(msg.size() - 1), msg);
    // Six blinks: empty, text, empty, text, empty, text.
    for (int i = 0; i < 6; ++i)
        QCOMPARE(visti.at(msg.size() + 1 + i), i % 2 == 0 ? QString() : msg);
    QCOMPARE(b.orologio.totale, long(15 * msg.size() + 400 + 6 * 200));
    QCOMPARE(Messaggio(f), msg + QStringLiteral("\r\nscrivi il numero e premi il tasto invio"));
    QCOMPARE(E(f, QStringLiteral("lblInfoTemp"))->Testo(), msg);
    QVERIFY(I(f, QStringLiteral("imgPensa"))->isVisible());
    QVERIFY(!P(f, QStringLiteral("cmdNew"))->isVisible());
    QVERIFY(Casella(f)->isEnabled());
    QCOMPARE(b.audio.suonati, std::vector<int>{104});
}

void TestFinestra::numero_indovinatoAllaPrimaEDopo()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 6);
    Rispondi(f, QStringLiteral("6"));
    QCOMPARE(Messaggio(f), QStringLiteral("Esatto! Hai indovinato il numero in 1 risposta."));
    QCOMPARE(E(f, QStringLiteral("lblPunteggio(0)"))->Testo(), QStringLiteral("100"));
    QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QStringLiteral("100"));
    QCOMPARE(E(f, QStringLiteral("lblPuntiRealizzati"))->Testo(), QStringLiteral("100\r\npunti"));
    QVERIFY(I(f, QStringLiteral("imgSmile(8)"))->isVisible());
    QVERIFY(!I(f, QStringLiteral("imgPensa"))->isVisible());
    QVERIFY(P(f, QStringLiteral("cmdNew"))->isVisible());
    QCOMPARE(f.focusWidget(), P(f, QStringLiteral("cmdNew")));
    QVERIFY(!Casella(f)->isEnabled());
    QCOMPARE(Casella(f)->text(), QStringLiteral("6")); // the found number stays in the box
    QVERIFY(!E(f, QStringLiteral("lblInfoTemp"))->isVisible());

    // Second number: 9 answers in 0..10 (wrong ones too small and too big).
    NuovoNumero(b, 4);
    for (const char *r : {"1", "9", "2", "8", "3", "7", "0", "6"}) {
        Rispondi(f, QString::fromLatin1(r));
        QVERIFY(Messaggio(f).startsWith(QStringLiteral("Il numero è troppo")));
    }
    QCOMPARE(Messaggio(f), QStringLiteral("Il numero è troppo grande!\r\nScrivi un  numero più piccolo."));
    QVERIFY(I(f, QStringLiteral("imgSmile(2)"))->isVisible()); // 8 answers: the neutral face
    Rispondi(f, QStringLiteral("4"));
    QCOMPARE(Messaggio(f), QStringLiteral("Esatto! Hai indovinato il numero in 9 risposte."));
    QCOMPARE(E(f, QStringLiteral("lblPunteggio(1)"))->Testo(), QStringLiteral("50"));
    QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QStringLiteral("75"));
    QCOMPARE(E(f, QStringLiteral("lblNumRisp(0)"))->Testo(), QStringLiteral("9"));
    QCOMPARE(E(f, QStringLiteral("lblNumRisp(1)"))->Testo(), QStringLiteral("11"));
    QCOMPARE(f.Stato().NumGiocati(), Intero(2));
}

void TestFinestra::numero_persoAllaVentesima()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 9);
    for (int i = 1; i <= 19; ++i)
        Rispondi(f, QStringLiteral("1"));
    QVERIFY(b.messaggi.mostrati.empty());
    QVERIFY(I(f, QStringLiteral("imgSmile(6)"))->isVisible());
    bool facciaLingua = false;
    b.messaggi.durante = [&] { facciaLingua = I(f, QStringLiteral("imgSmile(7)"))->isVisible(); };
    Rispondi(f, QStringLiteral("10"));
    QCOMPARE(b.messaggi.mostrati.size(), std::size_t(1));
    QCOMPARE(b.messaggi.mostrati[0].testo, QStringLiteral("Il numero da indovinare era: 9"));
    QCOMPARE(b.messaggi.mostrati[0].titolo, QStringLiteral("Termine del gioco"));
    QCOMPARE(b.messaggi.mostrati[0].icona, Messaggi::Icona::Esclamazione);
    QVERIFY(facciaLingua);
    QVERIFY(!I(f, QStringLiteral("imgSmile(7)"))->isVisible());
    QCOMPARE(Messaggio(f), QString());
    QCOMPARE(E(f, QStringLiteral("lblPunteggio(0)"))->Testo(), QStringLiteral("0"));
    QCOMPARE(E(f, QStringLiteral("lblNumRisp(1)"))->Testo(), QStringLiteral("0"));
    QCOMPARE(f.Stato().NumRisposte(), Intero(21));
    QVERIFY(P(f, QStringLiteral("cmdNew"))->isVisible());
    QVERIFY(!Casella(f)->isEnabled());
    QVERIFY(!E(f, QStringLiteral("lblInfoTemp"))->isVisible());
    QCOMPARE(b.audio.suonati.back(), 105);
}

void TestFinestra::numero_rispostaFuoriIntervallo()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 2);
    Rispondi(f, QStringLiteral("11"));
    QCOMPARE(b.messaggi.mostrati.size(), std::size_t(1));
    QCOMPARE(f.Stato().NumRisposte(), Intero(0));
    Rispondi(f, QStringLiteral("0"));
    QCOMPARE(Messaggio(f), QStringLiteral("Il numero è troppo piccolo!\r\nScrivi un numero più grande."));
    QCOMPARE(f.Stato().NumRisposte(), Intero(1));
}

void TestFinestra::dueGiocatori_turni()
{
    Banco b;
    frmCercanum &f = b.Avvia({2, {"anna", "Marco"}});
    QCOMPARE(Messaggio(f),
             QStringLiteral("Per iniziare a giocare premi il pulsante Nuovo Numero\r\n Inizia il gioco anna      "));
    QVERIFY(E(f, QStringLiteral("lblNome(0)"))->font().bold());
    QVERIFY(I(f, QStringLiteral("imgbimbo(0)"))->isVisible());
    QVERIFY(!I(f, QStringLiteral("imgbimbo(1)"))->isVisible());

    NuovoNumero(b, 3);
    Rispondi(f, QStringLiteral("3"));
    QCOMPARE(Messaggio(f), QStringLiteral("Esatto! Hai indovinato il numero in 1 risposta.\r\nAdesso gioca Marco"));
    QVERIFY(E(f, QStringLiteral("lblNome(1)"))->font().bold());
    QVERIFY(!E(f, QStringLiteral("lblNome(0)"))->font().bold());
    QVERIFY(I(f, QStringLiteral("imgbimbo(1)"))->isVisible());
    QVERIFY(!I(f, QStringLiteral("imgbimbo(0)"))->isVisible());
    QCOMPARE(f.Stato().NumGiocati(), Intero(0));
    QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QStringLiteral("100"));

    // The second player loses the number: the turn passes back all the same.
    NuovoNumero(b, 7);
    QCOMPARE(E(f, QStringLiteral("lblInfoTemp"))->Testo(),
             QStringLiteral("Gioca Marco. Il numero da indovinare è compreso tra 0  e  10"));
    for (int i = 0; i < 20; ++i)
        Rispondi(f, QStringLiteral("1"));
    QCOMPARE(Messaggio(f), QStringLiteral("Adesso gioca anna"));
    QVERIFY(E(f, QStringLiteral("lblNome(0)"))->font().bold());
    QVERIFY(I(f, QStringLiteral("imgbimbo(0)"))->isVisible());
    QCOMPARE(E(f, QStringLiteral("lblPunteggio1(0)"))->Testo(), QStringLiteral("0"));
    QCOMPARE(E(f, QStringLiteral("lblPunti(1)"))->Testo(), QStringLiteral("0"));
    QCOMPARE(f.Stato().NumGiocati(), Intero(1));

    // Abandoned on the second player's turn: the new game names, marks and scores the first.
    NuovoNumero(b, 2);
    Rispondi(f, QStringLiteral("2"));
    QVERIFY(E(f, QStringLiteral("lblNome(1)"))->font().bold());
    b.dialoghi.scelte.push_back({2, {"anna", "Marco"}});
    QTest::mouseClick(P(f, QStringLiteral("cmdNuovoGioco")), Qt::LeftButton);
    QVERIFY(E(f, QStringLiteral("lblNome(0)"))->font().bold());
    QVERIFY(!E(f, QStringLiteral("lblNome(1)"))->font().bold());
    NuovoNumero(b, 4);
    QVERIFY(E(f, QStringLiteral("lblInfoTemp"))->Testo().startsWith(QStringLiteral("Gioca anna.")));
    Rispondi(f, QStringLiteral("4"));
    QCOMPARE(E(f, QStringLiteral("lblPunteggio(0)"))->Testo(), QStringLiteral("100"));
    QCOMPARE(E(f, QStringLiteral("lblPunteggio1(0)"))->Testo(), QString());
}

void TestFinestra::fineGioco_siRicominciaNoTermina()
{
    for (const bool ancora : {true, false}) {
        Banco b;
        frmCercanum &f = b.Avvia();
        b.messaggi.risposte = {ancora ? Messaggi::Risposta::Si : Messaggi::Risposta::No};
        b.dialoghi.scelte.push_back({2, {"Rosso", "Verde"}});
        for (int i = 0; i < 15; ++i) {
            NuovoNumero(b, 1);
            Rispondi(f, QStringLiteral("1"));
        }
        QCOMPARE(b.messaggi.mostrati.size(), std::size_t(1));
        QCOMPARE(b.messaggi.mostrati[0].testo, QStringLiteral("Fine del gioco!\r\n Vuoi iniziare un nuovo gioco?"));
        QCOMPARE(b.messaggi.mostrati[0].titolo, QStringLiteral("Cercanum"));
        QCOMPARE(b.messaggi.mostrati[0].icona, Messaggi::Icona::Domanda);
        QCOMPARE(b.messaggi.mostrati[0].pulsanti, Messaggi::Pulsanti::SiNo);
        if (!ancora) {
            QCOMPARE(b.terminazione.richieste, 1);
            QCOMPARE(b.diario.last(), QStringLiteral("fine"));
            QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QStringLiteral("100")); // final score stays
            continue;
        }
        QCOMPARE(b.terminazione.richieste, 0);
        QCOMPARE(b.diario.count(QStringLiteral("presentazione")), 2);
        QVERIFY(Messaggio(f).endsWith(QStringLiteral(" Inizia il gioco Rosso     ")));
        QVERIFY(P(f, QStringLiteral("cmdNew"))->isVisible());
        QCOMPARE(f.Stato().NumGiocati(), Intero(0));
        QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QString());
        QVERIFY(E(f, QStringLiteral("lblNome(1)"))->isVisible());
        QVERIFY(!E(f, QStringLiteral("lblInfoTemp"))->isVisible());
        QVERIFY(!I(f, QStringLiteral("imgIndice"))->isVisible());
    }
}

// While the last question is open, the board shows both children with their final scores.
void TestFinestra::fineGioco_dueGiocatoriRestanoSulTabellone()
{
    Banco b;
    frmCercanum &f = b.Avvia({2, {"Anna", "Marco"}});
    bool visto = false;
    b.messaggi.risposte = {Messaggi::Risposta::No};
    b.messaggi.durante = [&] {
        if (!b.messaggi.mostrati.back().testo.startsWith(QStringLiteral("Fine del gioco!")))
            return; // the box of the number Marco loses
        visto = true;
        QCOMPARE(Messaggio(f), QStringLiteral("Il gioco è finito!"));
        QVERIFY(I(f, QStringLiteral("imgbimbo(0)"))->isVisible());
        QVERIFY(I(f, QStringLiteral("imgbimbo(1)"))->isVisible());
        QVERIFY(!P(f, QStringLiteral("cmdNew"))->isVisible());
        QVERIFY(!Casella(f)->isEnabled());
        QVERIFY(Casella(f)->text().isEmpty());
        QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QStringLiteral("100"));
        QCOMPARE(E(f, QStringLiteral("lblPunti(1)"))->Testo(), QStringLiteral("93")); // 1400 / 15
        QCOMPARE(E(f, QStringLiteral("lblPunteggio1(0)"))->Testo(), QStringLiteral("0"));
        for (const char *cella : {"lblPunteggio(14)", "lblPunteggio1(14)"})
            QCOMPARE(E(f, QLatin1String(cella))->Testo(), QStringLiteral("100"));
    };
    for (int coppia = 0; coppia < 15; ++coppia) {
        NuovoNumero(b, 1);
        Rispondi(f, QStringLiteral("1")); // Anna finds every number at once
        NuovoNumero(b, 1);
        for (int i = 0; i < (coppia == 0 ? 20 : 1); ++i) // Marco loses only the first
            Rispondi(f, QLatin1String(coppia == 0 ? "2" : "1"));
    }
    QVERIFY(visto);
    QCOMPARE(b.terminazione.richieste, 1);
}

void TestFinestra::nuovoGioco_aMetaNumeroScarta()
{
    Banco b;
    frmCercanum &f = b.Avvia({2, {"Anna", "Marco"}});
    NuovoNumero(b, 3);
    Rispondi(f, QStringLiteral("3"));
    NuovoNumero(b, 5);
    Rispondi(f, QStringLiteral("1"));
    QTest::mouseClick(P(f, QStringLiteral("cmdNuovoGioco")), Qt::LeftButton);
    QCOMPARE(b.diario.count(QStringLiteral("presentazione")), 2);
    QCOMPARE(f.Stato().NumGiocati(), Intero(0));
    QCOMPARE(E(f, QStringLiteral("lblPunteggio(0)"))->Testo(), QString());
    QVERIFY(!f.findChild<Etichetta *>(QStringLiteral("lblPunteggio1(1)"))); // the second row is gone
    QVERIFY(!E(f, QStringLiteral("lblNome(1)"))->isVisible());
    QVERIFY(!E(f, QStringLiteral("lblPunteggio1(0)"))->isVisible());
    QVERIFY(!I(f, QStringLiteral("imgPensa"))->isVisible());
    QVERIFY(!E(f, QStringLiteral("lblInfoTemp"))->isVisible());
    QCOMPARE(E(f, QStringLiteral("lblNumRisp(0)"))->Testo(), QString());
    // One player now; the first number is scored in the first row's first cell.
    NuovoNumero(b, 2);
    Rispondi(f, QStringLiteral("2"));
    QCOMPARE(E(f, QStringLiteral("lblPunteggio(0)"))->Testo(), QStringLiteral("100"));
    QCOMPARE(E(f, QStringLiteral("lblPunteggio(1)"))->Testo(), QString());
}

void TestFinestra::info_restituisceIlFuoco()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    QTest::mouseClick(P(f, QStringLiteral("cmdInfo")), Qt::LeftButton);
    QCOMPARE(f.focusWidget(), P(f, QStringLiteral("cmdNew")));
    NuovoNumero(b, 2);
    QTest::mouseClick(P(f, QStringLiteral("cmdInfo")), Qt::LeftButton);
    QCOMPARE(f.focusWidget(), Casella(f));
    QCOMPARE(b.diario.count(QStringLiteral("informazioni")), 3);
    QCOMPARE(b.dialoghi.avvioDuranteInfo, std::vector<bool>({true, false, false}));
}

// Keys typed, pad keys tapped and "?" tapped during the announcement change nothing while it
// runs; once it is over they are handled in the order they came, with the instant clock and with
// one whose waits really pass while the input arrives, in the window and in full screen. A tap
// on "?" takes the focus at once: the digits before it still belong to the answer box.
void TestFinestra::trattenuti_tastiDellAnnuncioDopoInOrdine_data()
{
    QTest::addColumn<QString>("mosse");     // digits, '<' deletes, '\r' Enter, 'e' Esc, '?' a tap on "?"
    QTest::addColumn<QString>("giudicata"); // the answer judged, if any
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("fine");
    QTest::addColumn<bool>("vero");
    QTest::addColumn<bool>("schermo");
    QTest::addColumn<bool>("pad");
    struct Caso
    {
        const char *nome, *mosse, *giudicata;
        int box, fine;
    };
    const Caso casi[]{
        {"digit, Enter", "1\r", "1", 0, 0},
        {"corrected", "1<2\r", "2", 0, 0},
        {"Enter alone", "\r", "", 1, 0}, // the empty answer's error, after the announcement
        {"Esc", "e", "", 0, 1},
        {"digit, Enter, ?", "5\r?", "5", 0, 0},
    };
    struct Modo
    {
        const char *nome;
        bool vero, schermo, pad;
    };
    const Modo modi[]{{"instant", false, false, false},
                      {"real", true, false, false},
                      {"real, full screen", true, true, false},
                      {"real, pad", true, true, true}};
    for (const Modo &m : modi)
        for (const Caso &c : casi)
            QTest::addRow("%s: %s", m.nome, c.nome) << QString::fromLatin1(c.mosse) << QString::fromLatin1(c.giudicata)
                                                    << c.box << c.fine << m.vero << m.schermo << m.pad;
}

void TestFinestra::trattenuti_tastiDellAnnuncioDopoInOrdine()
{
    QFETCH(QString, mosse);
    QFETCH(QString, giudicata);
    QFETCH(int, box);
    QFETCH(int, fine);
    QFETCH(bool, vero);
    QFETCH(bool, schermo);
    QFETCH(bool, pad);
    const QString msg = QStringLiteral("Il numero da indovinare è compreso tra 0  e  10");
    const int attese = msg.size() + 1 + 6;
    // While the letters come, in the pause, while it blinks.
    const int posti[] = {3, 20, int(msg.size()), int(msg.size()) + 4};
    Banco b;
    frmCercanum &f = b.Avvia();
    SchermoIntero *s = schermo ? &Entra(f, SchermoPerDita) : nullptr;
    b.orologio.vero = vero;
    auto stato = [&] {
        return QStringLiteral("%1|%2|%3|%4")
            .arg(Casella(f)->text())
            .arg(f.Stato().NumRisposte())
            .arg(b.messaggi.mostrati.size())
            .arg(b.terminazione.richieste);
    };
    auto muovi = [&](QChar m) {
        if (m == u'?') {
            const QPoint centro = P(f, QStringLiteral("cmdInfo"))->geometry().center();
            if (s)
                QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, Visto(*s, centro));
            else
                QTest::mouseClick(P(f, QStringLiteral("cmdInfo")), Qt::LeftButton);
        } else if (m == u'e') {
            QTest::keyClick(f.focusWidget(), Qt::Key_Escape);
        } else if (pad) {
            Tocca(*s, m == u'\r'  ? QStringLiteral("tastoInvio")
                      : m == u'<' ? QStringLiteral("tastoCancella")
                                  : QStringLiteral("tasto") + m);
        } else {
            QTest::keyClick(f.focusWidget(), m == u'\r'  ? Qt::Key_Return
                                             : m == u'<' ? Qt::Key_Backspace
                                                         : Qt::Key(Qt::Key_0 + m.digitValue()));
        }
    };
    int risposteAlleInformazioni = -1;
    b.dialoghi.durante = [&] { risposteAlleInformazioni = f.Stato().NumRisposte(); };
    int attesa = 0;
    qsizetype mosse_fatte = 0;
    QStringList durante;
    b.orologio.ad_ogni_attesa = [&](int) {
        if (attesa >= attese)
            return;
        if (mosse_fatte < mosse.size() && attesa == posti[mosse_fatte]) {
            QVERIFY(f.Azioni().Attende());
            const QChar m = mosse.at(mosse_fatte++);
            // With real waits the input comes from the event loop, in the middle of the pause.
            if (vero)
                QTimer::singleShot(0, &b.orologio.contesto, [&, m] { muovi(m); });
            else
                muovi(m);
        }
        durante.append(stato());
        // A digit handled now would have emptied the letters typed so far.
        if (attesa < msg.size())
            QCOMPARE(Messaggio(f), msg.left(attesa + 1));
        ++attesa;
    };
    NuovoNumero(b, 8);
    if (!vero)
        QCOMPARE(stato(), QStringLiteral("|0|0|0")); // nothing yet when the handler returns
    QTRY_VERIFY_WITH_TIMEOUT(attesa == attese && !f.Azioni().Occupata(), 10000);
    QCOMPARE(mosse_fatte, mosse.size());
    QCOMPARE(durante.size(), attese);
    QCOMPARE(durante.count(QStringLiteral("|0|0|0")), attese);

    QCOMPARE(f.Stato().NumRisposte(), Intero(giudicata.isEmpty() ? 0 : 1));
    if (!giudicata.isEmpty()) {
        // The ball carries what was in the box when Enter judged it.
        QCOMPARE(E(f, QStringLiteral("lblBall(0)"))->Testo(), giudicata);
        QCOMPARE(Messaggio(f), QStringLiteral("Il numero è troppo piccolo!\r\nScrivi un numero più grande."));
    }
    QCOMPARE(b.messaggi.mostrati.size(), std::size_t(box));
    QCOMPARE(b.terminazione.richieste, fine);
    // The information window opened only once the answer typed before the tap was judged.
    QCOMPARE(risposteAlleInformazioni, mosse.contains(u'?') ? 1 : -1);
    if (mosse.contains(u'?'))
        QCOMPARE(f.focusWidget(), Casella(f));
}

// A click on the buttons that start over or open the information, during an answer's glide or
// the found number's flash, runs once that answer is over; on the game's last number the end
// question offers the new game itself and the click is dropped.
void TestFinestra::trattenuti_pulsantiDopoLaRisposta_data()
{
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("dialogo");
    QTest::addColumn<bool>("lampo");
    QTest::addColumn<bool>("ultimoNumero");
    QTest::newRow("new game, glide") << "cmdNuovoGioco"
                                     << "presentazione" << false << false;
    QTest::newRow("new game, flash") << "cmdNuovoGioco"
                                     << "presentazione" << true << false;
    QTest::newRow("info, glide") << "cmdInfo"
                                 << "informazioni" << false << false;
    QTest::newRow("info, flash") << "cmdInfo"
                                 << "informazioni" << true << false;
    QTest::newRow("info, last glide") << "cmdInfo"
                                      << "informazioni" << false << true;
    QTest::newRow("new game, last flash") << "cmdNuovoGioco"
                                          << "presentazione" << true << true;
}

void TestFinestra::trattenuti_pulsantiDopoLaRisposta()
{
    QFETCH(QString, pulsante);
    QFETCH(QString, dialogo);
    QFETCH(bool, lampo);
    QFETCH(bool, ultimoNumero);
    Banco b;
    frmCercanum &f = b.Avvia();
    for (int i = 0; ultimoNumero && i < 14; ++i) {
        NuovoNumero(b, 4);
        Rispondi(f, QStringLiteral("4"));
    }
    NuovoNumero(b, 4);
    const int prima = b.diario.count(dialogo);
    QStringList messaggiAlDialogo;
    b.dialoghi.durante = [&] { messaggiAlDialogo.append(Messaggio(f)); };
    bool cliccato = false;
    b.orologio.ad_ogni_attesa = [&](int ms) {
        const bool momento = lampo ? ms == 100 && !f.AnimazioneInCorso() : f.AnimazioneInCorso();
        if (momento && !cliccato) {
            cliccato = true;
            QTest::mouseClick(P(f, pulsante), Qt::LeftButton);
        }
    };
    Rispondi(f, QStringLiteral("4"));
    QVERIFY(cliccato);
    b.orologio.ad_ogni_attesa = nullptr;
    if (ultimoNumero) {
        // The question's yes started the new game; the click waited for nothing.
        QCOMPARE(b.messaggi.mostrati.size(), std::size_t(1));
        const int dopoDomanda = b.diario.count(dialogo);
        QCOMPARE(dopoDomanda, prima + (dialogo == QStringLiteral("presentazione") ? 1 : 0));
        QCoreApplication::processEvents();
        QCOMPARE(b.diario.count(dialogo), dopoDomanda);
        QVERIFY(!f.Azioni().Occupata());
        return;
    }
    QCOMPARE(b.diario.count(dialogo), prima);
    QTRY_COMPARE(b.diario.count(dialogo), prima + 1);
    QCOMPARE(messaggiAlDialogo, QStringList{QStringLiteral("Esatto! Hai indovinato il numero in 1 risposta.")});
    if (dialogo == QStringLiteral("presentazione")) {
        // Had it run in the middle, the number would have been scored into the new game.
        QCOMPARE(f.Stato().NumGiocati(), Intero(0));
        QCOMPARE(E(f, QStringLiteral("lblPunteggio(0)"))->Testo(), QString());
        QCOMPARE(E(f, QStringLiteral("lblPunti(0)"))->Testo(), QString());
    } else {
        QCOMPARE(f.Stato().NumGiocati(), Intero(1));
        QCOMPARE(f.focusWidget(), P(f, QStringLiteral("cmdNew")));
    }
}

// Input held during the last number's flash: an Enter answers the end-of-game question with its
// default button, a close request ends the game; nothing else held reaches the next game.
void TestFinestra::trattenuti_fineGiocoRispondeAllaDomanda()
{
    for (const Qt::Key tasto : {Qt::Key_Return, Qt::Key_Escape}) {
        Banco b;
        frmCercanum &f = b.Avvia();
        for (int i = 0; i < 14; ++i) {
            NuovoNumero(b, 4);
            Rispondi(f, QStringLiteral("4"));
        }
        NuovoNumero(b, 4);
        int passi = 0;
        b.orologio.ad_ogni_attesa = [&](int ms) {
            if (ms == 100 && !f.AnimazioneInCorso() && passi++ == 2) {
                QTest::keyClick(f.focusWidget(), Qt::Key_7);
                QTest::mouseClick(P(f, QStringLiteral("cmdInfo")), Qt::LeftButton);
                QTest::keyClick(f.focusWidget(), tasto);
                QTest::keyClick(f.focusWidget(), Qt::Key_Return);
            }
        };
        Rispondi(f, QStringLiteral("4"));
        b.orologio.ad_ogni_attesa = nullptr;
        QCoreApplication::processEvents();
        QVERIFY(b.messaggi.mostrati.empty()); // answered before it was asked
        QCOMPARE(b.diario.count(QStringLiteral("informazioni")), 1);
        if (tasto == Qt::Key_Escape) {
            QCOMPARE(b.terminazione.richieste, 1);
            continue;
        }
        QCOMPARE(b.terminazione.richieste, 0);
        QCOMPARE(b.diario.count(QStringLiteral("presentazione")), 2);
        // The new game waits for "Nuovo Numero": the second Enter did not start its first number.
        QVERIFY(P(f, QStringLiteral("cmdNew"))->isVisible());
        QCOMPARE(f.Stato().NumGiocati(), Intero(0));
        QVERIFY(!f.Azioni().Occupata());
    }
}

// A keyboard held down through a stalled announcement: a bounded queue, and the Enter after the
// flood of keys still judges what the keys that were kept left in the box.
void TestFinestra::trattenuti_limitatiSenzaPerdereLInvio()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    int accodate = 0;
    f.Azioni().osservatore = [&](CodaAzioni::Fase fase, const CodaAzioni::Azione &) {
        accodate += fase == CodaAzioni::Fase::Accodata;
    };
    bool fatto = false;
    b.orologio.ad_ogni_attesa = [&](int) {
        if (std::exchange(fatto, true))
            return;
        for (int i = 0; i < 5000; ++i) {
            QTest::keyClick(f.focusWidget(), Qt::Key_1);
            QTest::keyClick(f.focusWidget(), Qt::Key_Backspace);
        }
        QTest::keyClick(f.focusWidget(), Qt::Key_Return);
    };
    NuovoNumero(b, 8);
    QTRY_VERIFY(!f.Azioni().Occupata());
    QVERIFY2(accodate <= int(2 * CodaAzioni::Massimo), qPrintable(QString::number(accodate)));
    // Sixteen digits each deleted again, then the empty answer's error.
    QCOMPARE(b.messaggi.mostrati.size(), std::size_t(1));
    QCOMPARE(f.Stato().NumRisposte(), Intero(0));
    QCOMPARE(Casella(f)->text(), QString());
}

// The window gone in the middle of a step (the announcement, a ball's glide) ends the step there:
// its next wait wakes nothing, and nothing more is drawn or sounded.
void TestFinestra::chiusura_fermaIlPassoInCorso()
{
    for (const bool pallina : {false, true}) {
        Banco b;
        b.Avvia();
        if (pallina) {
            NuovoNumero(b, 8);
            b.orologio.vero = true;
            Rispondi(*b.finestra, QStringLiteral("1"));
        } else {
            b.orologio.vero = true;
            NuovoNumero(b, 8);
        }
        QVERIFY(b.finestra->Azioni().Occupata());
        const std::size_t suoni = b.audio.suonati.size();
        b.finestra.reset();
        QTest::qWait(300);
        QCOMPARE(b.audio.suonati.size(), suoni);
    }
}

// The thinking tick stays still while a control flashes: no number, no gear, no sound; during a
// glide it moves without its sound.
void TestFinestra::trattenuti_ticchettioFermoDuranteIlLampo()
{
    Banco b;
    frmCercanum &f = b.Finestra();
    auto *timer = f.findChild<QTimer *>(QStringLiteral("Timer1"));
    Etichetta *numero = E(f, QStringLiteral("lblAnimazNumeri"));
    Immagine *ingranaggio = I(f, QStringLiteral("imgIngranaggio(1)"));
    auto tick = [&] { QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); };
    // What a tick leaves behind, as the number, the second gear and the tick sounds so far.
    auto traccia = [&] {
        return QStringLiteral("%1|%2|%3")
            .arg(numero->Testo())
            .arg(ingranaggio->isVisibleTo(&f))
            .arg(std::count(b.audio.suonati.begin(), b.audio.suonati.end(), 107));
    };
    const QString quiete = traccia();
    QStringList visti;
    b.orologio.ad_ogni_attesa = [&](int) {
        b.caso.valori = {0.0f};
        tick();
        visti.append(traccia());
    };
    b.Avvia(); // the button's flash at start-up
    QCOMPARE(visti.size(), 10);
    QCOMPARE(visti.count(quiete), 10);
    QCOMPARE(traccia(), quiete);

    // Outside a flash the same tick shows: the check above can fail.
    b.orologio.ad_ogni_attesa = nullptr;
    b.caso.valori = {0.0f};
    timer->start();
    tick();
    timer->stop();
    QCOMPARE(traccia(), QStringLiteral("1|1|1"));

    NuovoNumero(b, 5);
    visti.clear();
    b.orologio.ad_ogni_attesa = [&](int) {
        if (!f.AnimazioneInCorso() || !visti.isEmpty())
            return;
        b.caso.valori = {0.9999f};
        tick();
        visti.append(traccia());
    };
    Rispondi(f, QStringLiteral("2"));
    QCOMPARE(visti, QStringList{QStringLiteral("10|0|1")}); // moved, no new sound

    // The found number's flash: the ticks neither move anything nor bring a gear back after.
    const QString fermo = QStringLiteral("%1|0|1").arg(numero->Testo());
    visti.clear();
    b.orologio.ad_ogni_attesa = [&](int ms) {
        if (ms != 100 || f.AnimazioneInCorso())
            return;
        b.caso.valori = {0.5f};
        tick();
        visti.append(traccia());
    };
    Rispondi(f, QStringLiteral("5"));
    QCOMPARE(visti.size(), 10);
    QCOMPARE(visti.count(fermo), 10);
    QCOMPARE(traccia(), fermo);
    QVERIFY(!I(f, QStringLiteral("imgIngranaggio(0)"))->isVisibleTo(&f));
}

void TestFinestra::rientro_invioDuranteLaPallinaIgnorato()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 8);
    int invii = 0;
    b.orologio.ad_ogni_attesa = [&](int) {
        if (f.AnimazioneInCorso() && invii < 2) {
            ++invii;
            Casella(f)->setText(QStringLiteral("8"));
            QTest::keyClick(Casella(f), Qt::Key_Return);
        }
    };
    Rispondi(f, QStringLiteral("2"));
    QCOMPARE(invii, 2);
    QCOMPARE(f.Stato().NumRisposte(), Intero(1)); // Enter while the ball rolls judges nothing
    QVERIFY(b.messaggi.mostrati.empty());
}

void TestFinestra::suono_momentiDiUnNumero()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    NuovoNumero(b, 5);
    Rispondi(f, QStringLiteral("2"));
    Rispondi(f, QStringLiteral("5"));
    QCOMPARE(b.audio.suonati, std::vector<int>({104, 106}));
    QVERIFY(b.diario.contains(QStringLiteral("suono:106:1"))); // the stored image itself went out

    b.audio.suonati.clear();
    NuovoNumero(b, 5);
    for (int i = 0; i < 20; ++i)
        Rispondi(f, QStringLiteral("1"));
    QCOMPARE(b.audio.suonati, std::vector<int>({104, 105}));
    // The lost sound starts before the box that reveals the number.
    const int suono = b.diario.lastIndexOf(QStringLiteral("suono:105:1"));
    QVERIFY(suono >= 0 && suono < b.diario.lastIndexOf(QStringLiteral("box:Termine del gioco")));
}

void TestFinestra::suono_ticchettioFinoAllaPrimaCifra()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    auto *timer = f.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && !timer->isActive());
    NuovoNumero(b, 5);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 750);
    timer->setInterval(20);
    b.audio.suonati.clear();
    b.caso.valori = {0.0f, 0.9999f, 0.5f, 0.25f};
    QStringList numeri;
    std::vector<bool> fasi;
    b.audio.al_suono = [&](int) {
        numeri.append(E(f, QStringLiteral("lblAnimazNumeri"))->Testo());
        fasi.push_back(I(f, QStringLiteral("imgIngranaggio(0)"))->isVisible());
    };
    QTRY_VERIFY(numeri.size() >= 4);
    b.audio.al_suono = nullptr;
    QCOMPARE(numeri.mid(0, 4), QStringList({"1", "10", "6", "3"}));
    for (std::size_t i = 1; i < fasi.size(); ++i)
        QVERIFY(fasi[i] != fasi[i - 1]); // the gears turn on every tick
    for (int id : b.audio.suonati)
        QCOMPARE(id, 107);

    // A digit in the box silences the ticks; deleting it brings them back.
    QTest::keyClicks(Casella(f), QStringLiteral("4"));
    b.audio.suonati.clear();
    QTest::qWait(30);
    QVERIFY(b.audio.suonati.empty());
    QTest::keyClick(Casella(f), Qt::Key_Backspace);
    QTRY_VERIFY(!b.audio.suonati.empty());

    // Once an answer has been given they stay silent for the rest of the number.
    Rispondi(f, QStringLiteral("1"));
    b.audio.suonati.clear();
    QTest::qWait(30);
    QVERIFY(b.audio.suonati.empty());
    QVERIFY(timer->isActive());

    Rispondi(f, QStringLiteral("5"));
    QVERIFY(!timer->isActive());
    QVERIFY(!I(f, QStringLiteral("imgIngranaggio(0)"))->isVisible());
    QVERIFY(!I(f, QStringLiteral("imgIngranaggio(1)"))->isVisible());
    QVERIFY(!E(f, QStringLiteral("lblAnimazNumeri"))->isVisible());
}

void TestFinestra::suono_interruttore()
{
    Banco b;
    frmCercanum &f = b.Avvia();
    auto *interruttore = f.findChild<QCheckBox *>(QStringLiteral("chkNoSound"));
    QWidget *fuoco = f.focusWidget();
    QTest::mouseClick(interruttore, Qt::LeftButton);
    QVERIFY(!b.suoni.SuonoAttivo());
    QCOMPARE(b.audio.fermate, 0);                                         // a sound already playing plays to its end
    QVERIFY(f.focusWidget() == fuoco || f.focusWidget() == interruttore); // the disabled box takes nothing
    NuovoNumero(b, 3);
    Rispondi(f, QStringLiteral("3"));
    QVERIFY(b.audio.suonati.empty());

    NuovoNumero(b, 3);
    QTest::mouseClick(interruttore, Qt::LeftButton);
    QVERIFY(b.suoni.SuonoAttivo());
    QCOMPARE(f.focusWidget(), Casella(f)); // back to the answer
    Rispondi(f, QStringLiteral("3"));
    QCOMPARE(b.audio.suonati, std::vector<int>{106});
}

void TestFinestra::testi_stannoNelleEtichette()
{
    Banco b;
    frmCercanum &f = b.Finestra();
    const QString nome = QStringLiteral("Massimilia"); // a long name, already cut to 10 letters
    const QString annuncio = QStringLiteral("Il numero da indovinare è compreso tra 0  e  100");
    const std::vector<std::pair<QString, QString>> casi{
        {"lblMessaggio", "Per iniziare a giocare premi il pulsante Nuovo Numero\r\n Inizia il gioco " + nome},
        {"lblMessaggio", annuncio + "\r\nscrivi il numero e premi il tasto invio"},
        {"lblMessaggio", "Esatto! Hai indovinato il numero in 20 risposte.\r\nAdesso gioca " + nome},
        {"lblMessaggio", "Il numero è troppo grande!\r\nScrivi un  numero più piccolo."},
        {"lblMessaggio", "Il numero è troppo piccolo!\r\nScrivi un numero più grande."},
        {"lblInfoTemp", "Gioca " + nome + ". " + annuncio},
        {"lblNome(0)", nome},
        {"lblNome(1)", nome},
        {"lblPuntiRealizzati", "100\r\npunti"},
        {"lblPunti(0)", "100"},
        {"lblEtic(0)", "Punteggio"},
        {"lblNumGioco(0)", "15"},
        {"lblPunteggio(0)", "100"},
        {"lblNumRisp(0)", "20"},
        {"lblBall(0)", "100"},
        {"lblAnimazNumeri", "100"},
    };
    for (const auto &[etichetta, testo] : casi) {
        Etichetta *e = E(f, etichetta);
        QFont grassetto = e->font();
        if (etichetta.startsWith(QStringLiteral("lblNome"))) {
            grassetto.setBold(true); // the player whose turn it is
            e->setFont(grassetto);
        }
        e->ImpostaTesto(testo);
        if (!e->TestoIntero())
            QFAIL(qPrintable(etichetta + QStringLiteral(" clips: ") + testo));
    }
    // The check itself must be able to fail.
    Etichetta *messaggio = E(f, QStringLiteral("lblMessaggio"));
    messaggio->ImpostaTesto(QStringLiteral("riga\r\nriga\r\nriga\r\nriga"));
    QVERIFY(!messaggio->TestoIntero());
}

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
