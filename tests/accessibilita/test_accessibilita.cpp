// SPDX-License-Identifier: MIT
// What assistive technology finds in the three windows: the tree, the names and roles, the
// events when a label changes, and a whole game played from the keyboard alone.
#include "accessibilita.h"
#include "avvisi.h"
#include "banco.h"
#include "canaleaccessibile.h"
#include "cerca.h"
#include "dialoghireali.h"
#include "etichetta.h"
#include "figuraaccessibile.h"
#include "frmabout.h"
#include "frmpresent.h"
#include "tabellaaccessibile.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

namespace {

QAccessibleInterface *Interfaccia(QObject *o)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(o);
    if (!i)
        qFatal("no accessible interface for %s", qPrintable(o->objectName()));
    return i;
}

QAccessibleInterface *Di(QWidget *finestra, const QString &nome)
{
    QWidget *w = finestra->objectName() == nome ? finestra : finestra->findChild<QWidget *>(nome);
    if (!w)
        qFatal("no control %s", qPrintable(nome));
    return Interfaccia(w);
}

QString Nome(QWidget *finestra, const QString &nome)
{
    return Di(finestra, nome)->text(QAccessible::Name);
}

// Every interface under `radice`, depth first, as a screen reader walks the tree.
void Visita(QAccessibleInterface *radice, const std::function<void(QAccessibleInterface *)> &f)
{
    f(radice);
    for (int i = 0; i < radice->childCount(); ++i)
        if (QAccessibleInterface *figlio = radice->child(i))
            Visita(figlio, f);
}

// Controls of the window that a screen reader would present without a name. The inner parts of
// Qt's own composite controls (a text box's scroll bars) are Qt's to describe.
QStringList SenzaNome(QWidget *finestra)
{
    QStringList senza;
    Visita(Interfaccia(finestra), [&](QAccessibleInterface *i) {
        const QObject *o = i->object();
        for (const QObject *p = o; p; p = p->parent())
            if (p->objectName().startsWith(QLatin1String("qt_")))
                return;
        if (i->text(QAccessible::Name).trimmed().isEmpty())
            senza.append(i->object() ? i->object()->objectName() + QLatin1Char('/')
                                           + QString::fromLatin1(i->object()->metaObject()->className())
                                     : QStringLiteral("?"));
    });
    return senza;
}

// Records the events sent about the labels and replays their text changes on a copy, so that
// what a listener rebuilds from them can be compared with what the label shows.
struct Ascolto
{
    std::map<QObject *, QString> ricostruito;
    QStringList inseriti;
    int nomiCambiati = 0;
    // Listens from now on, knowing the labels of `finestra` as they stand.
    explicit Ascolto(QWidget *finestra)
    {
        for (Etichetta *e : finestra->findChildren<Etichetta *>())
            ricostruito[e] = QString(e->Testo()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        CanaleAccessibile::ImpostaOsservatore([this](QAccessibleEvent *e) {
            if (e->type() == QAccessible::NameChanged) {
                ++nomiCambiati;
                return;
            }
            if (e->type() != QAccessible::TextUpdated)
                return;
            auto *t = static_cast<QAccessibleTextUpdateEvent *>(e);
            QCOMPARE(ricostruito.count(e->object()), std::size_t(1));
            QString &testo = ricostruito[e->object()];
            QCOMPARE(testo.mid(t->changePosition(), t->textRemoved().size()), t->textRemoved());
            testo.replace(t->changePosition(), t->textRemoved().size(), t->textInserted());
            if (!t->textInserted().isEmpty())
                inseriti.append(t->textInserted());
        });
    }
    ~Ascolto() { CanaleAccessibile::ImpostaOsservatore({}); }
};

// What a screen reader says of the game window, in order: the notification's name each time it
// shows, and in brackets each message box, which it reads as an alert.
struct Parlato
{
    QStringList detto;
    std::vector<std::pair<QAccessibleInterface *, QString>> mostrate;
    explicit Parlato(Banco &b)
    {
        CanaleAccessibile::ImpostaOsservatore([this](QAccessibleEvent *e) {
            if (e->type() != QAccessible::ObjectShow)
                return;
            // Orca speaks a notification that shows, and names its role unless a status bar holds it.
            QAccessibleInterface *i = e->accessibleInterface();
            QCOMPARE(int(i->role()), int(QAccessible::Notification));
            QCOMPARE(int(i->parent()->role()), int(QAccessible::StatusBar));
            detto.append(i->text(QAccessible::Name));
            mostrate.push_back({i, detto.back()});
        });
        b.messaggi.durante = [this, &b] { detto.append(QLatin1Char('[') + b.messaggi.mostrati.back().testo + ']'); };
    }
    ~Parlato() { CanaleAccessibile::ImpostaOsservatore({}); }
};

// The game window read as the program reads it: prepared for assistive technology, then loaded.
frmCercanum &Avvia(Banco &b, Banco::Scelta scelta = {})
{
    Accessibilita::Prepara(&b.Finestra());
    return b.Avvia(scelta);
}

// Acts on each modal window as it opens, in turn, from a 5 ms poll.
class Sonda
{
public:
    explicit Sonda(std::vector<std::function<void(QWidget *)>> passi)
        : passi(std::move(passi))
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget *w = QApplication::activeModalWidget();
            // A busy machine may poll before the dialog has taken the focus: keys would go nowhere.
            if (!w || w == ultimo || fatti >= this->passi.size() || !w->focusWidget())
                return;
            ultimo = w;
            this->passi[fatti++](w);
        });
        timer.start();
    }
    std::size_t Fatti() const { return fatti; }

private:
    std::vector<std::function<void(QWidget *)>> passi;
    std::size_t fatti = 0;
    QPointer<QWidget> ultimo; // a dialog destroyed and the next one may share an address
    QTimer timer;
};

void Tasto(QWidget *w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QWidget *bersaglio = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(bersaglio, k, m);
}

} // namespace

using namespace Cerca;

class TestAccessibilita : public QObject
{
    Q_OBJECT
private slots:
    // As the program does, before it builds any window.
    void initTestCase() { Accessibilita::Installa(); }
    void finestra_ruoliENomi_data();
    void finestra_ruoliENomi();
    void finestra_ogniControlloHaUnNome();
    void tabella_soloINomiInteri();
    void tabellone_celleEMedia();
    void annunci_messaggiEVerdetti();
    void parlato_unNumeroPerDue();
    void parlato_fineDelGioco_data();
    void parlato_fineDelGioco();
    void dialoghi_nomi();
    void tastiera_unaPartitaIntera();
};

void TestAccessibilita::finestra_ruoliENomi_data()
{
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<int>("ruolo");
    QTest::addColumn<QString>("nome");
    auto riga = [](const char *c, QAccessible::Role r, const char *n) {
        QTest::newRow(c) << QString::fromLatin1(c) << int(r) << QString::fromUtf8(n);
    };
    riga("frmCercanum", QAccessible::Window, "Cercanum");
    riga("cmdNew", QAccessible::Button, "Nuovo Numero");
    riga("txtInput", QAccessible::EditableText, "Risposta");
    riga("cmdInfo", QAccessible::Button, "Informazioni");
    riga("cmdNuovoGioco", QAccessible::Button, "Nuovo gioco");
    riga("cmdChiudi", QAccessible::Button, "Esci");
    riga("chkNoSound", QAccessible::CheckBox, "Senza suono");
    riga("lblMessaggio", QAccessible::StaticText, "Per iniziare a giocare premi il pulsante Nuovo Numero");
    riga("lblNumRisp(1)", QAccessible::StaticText, "Risposte rimaste");
    riga("lblInfoTemp", QAccessible::StaticText, "Promemoria"); // empty, it still says what it is
    riga("imgSmile(6)", QAccessible::Graphic, "Faccina arrabbiata");
    riga("imgbimbo(0)", QAccessible::Graphic, "Bambino in rosso, giocatore 1");
    riga("Shape4", QAccessible::Graphic, "Pallina grigia delle risposte date");
    riga("linBall", QAccessible::Separator, "Filo delle palline");
    riga("lblNumGioco(14)", QAccessible::StaticText, "Colonna 15, giocatore 1: 15");
    riga("lblBall(19)", QAccessible::StaticText, "Risposta 20: 99");
}

void TestAccessibilita::finestra_ruoliENomi()
{
    QFETCH(QString, controllo);
    QFETCH(int, ruolo);
    QFETCH(QString, nome);
    Banco b;
    frmCercanum &f = Avvia(b);
    QAccessibleInterface *i = Di(&f, controllo);
    QCOMPARE(int(i->role()), ruolo);
    QCOMPARE(i->text(QAccessible::Name), nome);
}

void TestAccessibilita::finestra_ogniControlloHaUnNome()
{
    Banco b;
    frmCercanum &f = Avvia(b, {2, {"Anna", "Marco"}});
    NuovoNumero(b, 5);
    Rispondi(f, QStringLiteral("9"));
    QCOMPARE(SenzaNome(&f), QStringList());
    // The tree reaches the run-time columns and balls, each answering for its own widget.
    int celle = 0;
    Visita(Interfaccia(&f), [&](QAccessibleInterface *i) {
        if (i->object() && i->object()->objectName().startsWith(QLatin1String("lblPunteggio")))
            ++celle;
        if (i->object())
            QCOMPARE(i->object()->objectName().isEmpty() || i->parent() != nullptr, true);
    });
    QCOMPARE(celle, 30);
    // The answer box says what it is for.
    QVERIFY(Di(&f, QStringLiteral("txtInput"))->text(QAccessible::Description).contains(QLatin1String("Invio")));
}

void TestAccessibilita::tabella_soloINomiInteri()
{
    const QString gioco = QStringLiteral("frmCercanum");
    const auto nome = [&](const char *controllo) {
        const auto v = TabellaAccessibile::Cerca(gioco, QString::fromLatin1(controllo));
        return v ? v->nome : QStringLiteral("<none>");
    };
    QCOMPARE(nome("lblBall(0)"), QStringLiteral("Risposta 1"));
    QCOMPARE(nome("lblPunteggio1(14)"), QStringLiteral("Numero 15, giocatore 2"));
    QCOMPARE(nome("lblPunteggio(3)"), QStringLiteral("Numero 4, giocatore 1"));
    // Near misses name nothing rather than the wrong control.
    for (const char *quasi :
         {"lblBall()", "lblBall(1", "lblBall(1)x", "xlblBall(1)", "lblBall(a)", "lblNumRisp(2)", "cmdNewx", "cmdNe"})
        QCOMPARE(nome(quasi), QStringLiteral("<none>"));
    QVERIFY(!TabellaAccessibile::Cerca(QStringLiteral("frmAbout"), QStringLiteral("cmdNew")));
}

void TestAccessibilita::tabellone_celleEMedia()
{
    Banco b;
    frmCercanum &f = Avvia(b, {2, {"Anna", "Marco"}});
    NuovoNumero(b, 4); // Anna
    Rispondi(f, QStringLiteral("9"));
    QCOMPARE(Nome(&f, QStringLiteral("shpBall(0)")), QStringLiteral("Pallina della risposta 1: troppo grande"));
    QCOMPARE(Nome(&f, QStringLiteral("lblBall(0)")), QStringLiteral("Risposta 1: 9"));
    Rispondi(f, QStringLiteral("1"));
    QCOMPARE(Nome(&f, QStringLiteral("shpBall(1)")), QStringLiteral("Pallina della risposta 2: troppo piccolo"));
    Rispondi(f, QStringLiteral("4"));
    QCOMPARE(Nome(&f, QStringLiteral("shpBall(2)")), QStringLiteral("Pallina della risposta 3: giusto"));
    QCOMPARE(Nome(&f, QStringLiteral("lblNumRisp(0)")), QStringLiteral("Risposte date: 3"));

    const QString punti = E(f, "lblPunteggio(0)")->Testo();
    QVERIFY(!punti.isEmpty());
    QCOMPARE(Nome(&f, QStringLiteral("lblPunteggio(0)")), QStringLiteral("Numero 1, giocatore 1: ") + punti);
    QCOMPARE(Di(&f, QStringLiteral("lblPunteggio(0)"))->text(QAccessible::Value), punti);
    QCOMPARE(Nome(&f, QStringLiteral("lblPunteggio(1)")), QStringLiteral("Numero 2, giocatore 1"));
    QCOMPARE(Nome(&f, QStringLiteral("lblPunti(0)")),
             QStringLiteral("Media, giocatore 1: ") + E(f, "lblPunti(0)")->Testo());
    QCOMPARE(Nome(&f, QStringLiteral("lblNome(1)")), QStringLiteral("Nome del giocatore 2: Marco"));
    // The judgement picture of the row says which judgement it shows.
    const QString giudizio = Nome(&f, QStringLiteral("imgPunteggio(0)"));
    QVERIFY2(giudizio.startsWith(QLatin1String("Giudizio, giocatore 1: ")), qPrintable(giudizio));
    QVERIFY(giudizio.size() > QStringLiteral("Giudizio, giocatore 1: ").size());
    QCOMPARE(Nome(&f, QStringLiteral("imgPunteggio(1)")), QStringLiteral("Giudizio, giocatore 2"));

    NuovoNumero(b, 2); // Marco
    Rispondi(f, QStringLiteral("2"));
    QCOMPARE(Nome(&f, QStringLiteral("lblPunteggio1(0)")),
             QStringLiteral("Numero 1, giocatore 2: ") + E(f, "lblPunteggio1(0)")->Testo());
    QCOMPARE(Nome(&f, QStringLiteral("lblPunteggio1(14)")), QStringLiteral("Numero 15, giocatore 2"));
}

void TestAccessibilita::annunci_messaggiEVerdetti()
{
    Banco b;
    frmCercanum &f = Avvia(b, {2, {"Anna", "Marco"}});
    Ascolto ascolto(&f);
    Etichetta *messaggio = E(f, "lblMessaggio");
    NuovoNumero(b, 6);
    // The announcement typed out and blinking is told as one change once it stands, not letter by
    // letter.
    QVERIFY(!ascolto.inseriti.contains(QStringLiteral("I")));
    QVERIFY(ascolto.inseriti.contains(
        QStringLiteral("Il numero da indovinare è compreso tra 0  e  10\nscrivi il numero e premi il tasto invio")));
    Rispondi(f, QStringLiteral("9"));
    Rispondi(f, QStringLiteral("3"));
    QVERIFY(ascolto.inseriti.contains(QStringLiteral("Il numero è troppo grande!\nScrivi un  numero più piccolo.")));
    Rispondi(f, QStringLiteral("6"));
    QVERIFY(ascolto.inseriti.contains(
        QStringLiteral("Esatto! Hai indovinato il numero in 3 risposte.\nAdesso gioca Marco")));
    // A listener that applies every change ends with what each label shows, a line break being
    // one character.
    for (const auto &[oggetto, testo] : ascolto.ricostruito) {
        const auto *e = qobject_cast<Etichetta *>(oggetto);
        QVERIFY(e);
        QCOMPARE(testo, QString(e->Testo()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(Interfaccia(oggetto)->textInterface()->text(0, testo.size()), testo);
    }
    QVERIFY(ascolto.ricostruito.at(messaggio).startsWith(QLatin1String("Esatto!")));
    QVERIFY(ascolto.nomiCambiati > 0);
}

void TestAccessibilita::parlato_unNumeroPerDue()
{
    Banco b;
    frmCercanum &f = Avvia(b, {2, {"Anna", "Marco"}});
    Parlato p(b);
    QAccessibleInterface *barra = Interfaccia(Avvisi::Barra(&f));
    QCOMPARE(barra->text(QAccessible::Name), QStringLiteral("Risposte rimaste: 20"));
    NuovoNumero(b, 6); // Anna
    Rispondi(f, QStringLiteral("9"));
    Rispondi(f, QStringLiteral("3"));
    // The answers left are there when asked for, and never said unasked.
    QCOMPARE(barra->text(QAccessible::Name), QStringLiteral("Risposte rimaste: 18"));
    Rispondi(f, QStringLiteral("6"));
    const QString punti = E(f, "lblPuntiRealizzati")->Testo().section(QStringLiteral("\r\n"), 0, 0);
    QCOMPARE(p.detto, QStringList({
                          "Gioca Anna. Il numero da indovinare è compreso tra 0 e 10. scrivi il numero e premi il "
                          "tasto invio.",
                          "Il numero è troppo grande! Scrivi un numero più piccolo.",
                          "Il numero è troppo piccolo! Scrivi un numero più grande.",
                          "Esatto! Hai indovinato il numero in 3 risposte. " + punti + " punti. Adesso gioca Marco.",
                      }));

    // Marco loses his number: the last verdict, the box with the secret, then his points.
    p.detto.clear();
    NuovoNumero(b, 2);
    for (int i = 0; i < Partita::RisposteMassime; ++i)
        Rispondi(f, QStringLiteral("9"));
    QCOMPARE(p.detto.size(), 1 + Partita::RisposteMassime + 2);
    QCOMPARE(p.detto.first(),
             QStringLiteral("Gioca Marco. Il numero da indovinare è compreso tra 0 e 10. scrivi il numero e premi il "
                            "tasto invio."));
    QCOMPARE(
        p.detto.mid(p.detto.size() - 3),
        QStringList({"Il numero è troppo grande! Scrivi un numero più piccolo.", "[Il numero da indovinare era: 2]",
                     E(f, "lblPuntiRealizzati")->Testo().section(QStringLiteral("\r\n"), 0, 0)
                         + " punti. Adesso gioca Anna."}));
}

void TestAccessibilita::parlato_fineDelGioco_data()
{
    QTest::addColumn<int>("giocatori");
    QTest::addColumn<QString>("finale");
    QTest::newRow("uno") << 1 << QStringLiteral("Il gioco è finito! Punteggio 100, Tocco con diploma.");
    // Marco finds every number at the seventh answer.
    QTest::newRow("due") << 2
                         << QStringLiteral("Il gioco è finito! Anna: Punteggio 100, Tocco con diploma. Marco: "
                                           "Punteggio %1, %2.");
}

// The game's score and judgement, then the question: nothing in between.
void TestAccessibilita::parlato_fineDelGioco()
{
    QFETCH(int, giocatori);
    QFETCH(QString, finale);
    Banco b;
    frmCercanum &f = Avvia(b, {Intero(giocatori), {"Anna", "Marco"}});
    b.messaggi.risposte = {Messaggi::Risposta::No};
    Parlato p(b);
    for (int n = 0; n < 15 * giocatori; ++n) {
        NuovoNumero(b, 1);
        for (int sbagliata = 2; giocatori == 2 && n % 2 == 1 && sbagliata < 8; ++sbagliata)
            Rispondi(f, QString::number(sbagliata));
        Rispondi(f, QStringLiteral("1"));
    }
    QCOMPARE(b.terminazione.richieste, 1);
    if (giocatori == 2) {
        const QString media = E(f, "lblPunti(1)")->Testo();
        finale = finale.arg(media, FiguraAccessibile::Mostrata(I(f, "imgPunteggio(1)")));
        QVERIFY(media.toInt() < 100);
    }
    QCOMPARE(p.detto.mid(p.detto.size() - 2),
             QStringList({finale, QStringLiteral("[Fine del gioco!\r\n Vuoi iniziare un nuovo gioco?]")}));
    // Said in a row, the last number and the end: a reader that comes to the first one late
    // still finds its own words there.
    QVERIFY(p.mostrate.size() >= 2);
    for (std::size_t k = p.mostrate.size() - 2; k < p.mostrate.size(); ++k)
        QCOMPARE(p.mostrate[k].first->text(QAccessible::Name), p.mostrate[k].second);
}

void TestAccessibilita::dialoghi_nomi()
{
    Banco b;
    QWidget padre;
    frmPresent presentazione(&padre, {}, b.suoni);
    Accessibilita::Prepara(&presentazione);
    QCOMPARE(SenzaNome(&presentazione), QStringList());
    QCOMPARE(Nome(&presentazione, QStringLiteral("txtGiocatori1")), QStringLiteral("Nome del giocatore 2"));
    QCOMPARE(int(Di(&presentazione, QStringLiteral("txtGiocatori1"))->role()), int(QAccessible::EditableText));
    QCOMPARE(Nome(&presentazione, QStringLiteral("optNumGiocatori1")), QStringLiteral("2 giocatori"));
    QCOMPARE(int(Di(&presentazione, QStringLiteral("optNumGiocatori1"))->role()), int(QAccessible::RadioButton));
    QCOMPARE(Nome(&presentazione, QStringLiteral("cmdOk")), QStringLiteral("OK"));

    frmAbout informazioni(&padre, false);
    Accessibilita::Prepara(&informazioni);
    QCOMPARE(SenzaNome(&informazioni), QStringList());
    QCOMPARE(Nome(&informazioni, QStringLiteral("Check1")), QStringLiteral("Guida"));
    QCOMPARE(Di(&informazioni, QStringLiteral("Check1"))->text(QAccessible::Description),
             QStringLiteral("Guida all'uso del programma."));
    QCOMPARE(Nome(&informazioni, QStringLiteral("Text1")), QStringLiteral("Regole del gioco"));
    QCOMPARE(Nome(&informazioni, QStringLiteral("lblEmail")), frmAbout::IndirizzoEmail);
}

// The real dialogs, the numeric keypad, Tab and Space: nothing needs the mouse.
void TestAccessibilita::tastiera_unaPartitaIntera()
{
    Banco b;
    DialoghiReali dialoghi(b.suoni);
    frmCercanum f(Servizi{b.orologio, b.caso, b.messaggi, dialoghi, b.terminazione, b.suoni});
    Accessibilita::Prepara(&f);
    b.finestra.reset();

    Sonda avvio({
        [](QWidget *informazioni) { Tasto(informazioni, Qt::Key_Enter, Qt::KeypadModifier); },
        [](QWidget *presentazione) {
            Tasto(presentazione, Qt::Key_Right); // "2 giocatori", beside "1 giocatore"
            // Choosing two players puts the focus in the first name box.
            QCOMPARE(presentazione->focusWidget()->objectName(), QStringLiteral("txtGiocatori0"));
            QTest::keyClicks(presentazione->focusWidget(), QStringLiteral("anna"));
            Tasto(presentazione, Qt::Key_Tab);
            QTest::keyClicks(presentazione->focusWidget(), QStringLiteral("marco"));
            Tasto(presentazione, Qt::Key_Enter, Qt::KeypadModifier);
        },
    });
    f.Form_Load();
    QCOMPARE(avvio.Fatti(), std::size_t(2));
    QCOMPARE(f.Modulo().NumGiocatori, Intero(2));
    QCOMPARE(QString::fromStdString(f.Modulo().NomeGiocatore[0] + "/" + f.Modulo().NomeGiocatore[1]),
             QStringLiteral("Anna      /Marco     "));

    // Enter on the focused button, keypad digits and keypad Enter for the answers.
    b.caso.valori = {PerSegreto(7, 10)};
    Tasto(&f, Qt::Key_Return);
    QCOMPARE(f.focusWidget()->objectName(), QStringLiteral("txtInput"));
    Tasto(&f, Qt::Key_3, Qt::KeypadModifier);
    Tasto(&f, Qt::Key_Enter, Qt::KeypadModifier);
    Tasto(&f, Qt::Key_7, Qt::KeypadModifier);
    Tasto(&f, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(f.Stato().NumRisposte(), Intero(2));
    QCOMPARE(E(f, "lblPunteggio(0)")->Testo().isEmpty(), false);
    QCOMPARE(f.focusWidget()->objectName(), QStringLiteral("cmdNew"));

    // Tab reaches every other button; Space presses them; the information window closes on Esc.
    QStringList giro;
    for (int i = 0; i < 4; ++i) {
        Tasto(&f, Qt::Key_Tab);
        giro.append(f.focusWidget()->objectName());
    }
    QCOMPARE(giro, QStringList({"cmdChiudi", "cmdInfo", "cmdNuovoGioco", "chkNoSound"}));
    Tasto(&f, Qt::Key_Space);
    QVERIFY(!b.suoni.SuonoAttivo());
    Tasto(&f, Qt::Key_Backtab);
    Tasto(&f, Qt::Key_Backtab);
    QCOMPARE(f.focusWidget()->objectName(), QStringLiteral("cmdInfo"));
    Sonda info({[](QWidget *informazioni) { Tasto(informazioni, Qt::Key_Escape); }});
    Tasto(&f, Qt::Key_Space);
    QCOMPARE(info.Fatti(), std::size_t(1));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(b.terminazione.richieste, 0);
    // Esc ends the game from the keyboard too.
    Tasto(&f, Qt::Key_Escape);
    QCOMPARE(b.terminazione.richieste, 1);
}

QTEST_MAIN(TestAccessibilita)
#include "test_accessibilita.moc"
