// SPDX-License-Identifier: MIT
// The monkey: thousands of short random sequences of whatever a child (or a cat on the keyboard)
// can do to the game window, from a fixed seed, through the instant stand-ins of banco.h. Keys
// (digits, keypad, letters, Enter, Backspace, Tab, Space, Esc), pastes, clicks on every button and
// anywhere, timer ticks, the dialogs' and boxes' answers; more of them arrive in the middle of an
// announcement, a rolling ball, a flash, a sound or a box, exactly when the real program would
// handle them. After every event: NumRisposte in 0..21, NumGiocati in 0..15, at most one face
// shown, score cells filled only for finished numbers (each 0..100), and no crash; input during a
// held step (the announcement, a flash) changes nothing until the step is over, and every action
// that waited runs after it in the order it came (clicks on the new-game and information buttons
// held during an answer may be overtaken by other input; what waits goes when the end-of-game
// question opens). One window in four plays in full screen, with taps on its number pad too. An
// end request (Esc, the close button, No at the end of a game) retires the window; a fresh one starts.
//
// Environment, for longer runs by hand:
//   CERCANUM_SCIMMIA_SEQUENZE  number of sequences (default 2000)
//   CERCANUM_SCIMMIA_SEME      seed of the random events (default 11)
// e.g. CERCANUM_SCIMMIA_SEQUENZE=100000 QT_QPA_PLATFORM=offscreen build/tests/scimmia/test_scimmia
// A failure prints the seed, the sequence and its events so far, enough to replay it.
#include "banco.h"
#include "etichetta.h"
#include "immagine.h"
#include "schermointero.h"
#include "tastierino.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

enum class Azione {
    Cifra,
    RispostaGiusta,
    RispostaSbagliata,
    Lettera,
    Invio,
    Cancella,
    Tab,
    Spazio,
    Esc,
    Incolla,
    IncollaTasto,
    ClicNuovoNumero,
    ClicInfo,
    ClicNuovoGioco,
    ClicChiudi,
    ClicSuono,
    ClicOvunque,
    Tick,
    Tastierino,
    SchermoIntero,
};

const char *NomeAzione(Azione a)
{
    static const char *const nomi[] = {
        "Cifra",      "RispostaGiusta", "RispostaSbagliata",
        "Lettera",    "Invio",          "Cancella",
        "Tab",        "Spazio",         "Esc",
        "Incolla",    "IncollaTasto",   "ClicNuovoNumero",
        "ClicInfo",   "ClicNuovoGioco", "ClicChiudi",
        "ClicSuono",  "ClicOvunque",    "Tick",
        "Tastierino", "SchermoIntero",
    };
    return nomi[int(a)];
}

// How often each happens: mostly playing, sometimes anything.
constexpr std::pair<Azione, int> Pesi[] = {
    {Azione::Cifra, 16},      {Azione::RispostaGiusta, 8}, {Azione::RispostaSbagliata, 14},
    {Azione::Lettera, 4},     {Azione::Invio, 10},         {Azione::Cancella, 3},
    {Azione::Tab, 3},         {Azione::Spazio, 2},         {Azione::Esc, 1},
    {Azione::Incolla, 3},     {Azione::IncollaTasto, 1},   {Azione::ClicNuovoNumero, 14},
    {Azione::ClicInfo, 2},    {Azione::ClicNuovoGioco, 2}, {Azione::ClicChiudi, 1},
    {Azione::ClicSuono, 2},   {Azione::ClicOvunque, 3},    {Azione::Tick, 5},
    {Azione::Tastierino, 12}, {Azione::SchermoIntero, 1},
};

// Ending the program or the game is rare, or no game would ever reach its end.
constexpr double Raro = 0.1;

const char *const Incollati[] = {"5", "42", "abc", "1e3", "-1", " 7", "999", "0x1", "\u0663", "12345", ""};
const char *const Nomi[] = {"", "anna", "  marco", "ANNA MARIA", "Zoe", "          ", "abcdefghijklmno", "è"};

int Ambiente(const char *nome, int predefinito)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(nome, &ok);
    return ok && v > 0 ? v : predefinito;
}

class Scimmia
{
public:
    explicit Scimmia(unsigned seme)
        : caso(seme)
    {
    }
    Scimmia(const Scimmia &) = delete;
    Scimmia &operator=(const Scimmia &) = delete;

    // One sequence of `eventi` events; the first broken rule, or empty.
    QString Sequenza(int eventi)
    {
        if (!banco)
            NuovaFinestra();
        for (int i = 0; i < eventi && errore.isEmpty(); ++i) {
            Esegui(Estrai(), false);
            QCoreApplication::processEvents(); // what was held for the end of a step
            // Held input handed back may have ended the game there; the real program is gone
            // then, whatever the stand-in lets run after it.
            finita = finita || banco->terminazione.richieste > 0;
            if (!finita && banco->terminazione.richieste == 0 && !F().Azioni().Occupata())
                Inevasi();
            if (!finita)
                Controlla(true);
            if (finita)
                break;
        }
        if (finita) {
            ++finestreChiuse;
            banco.reset();
        }
        return errore.isEmpty()
                   ? QString()
                   : errore + QStringLiteral("\n  events of this window: ") + registro.join(QLatin1Char(' '));
    }

    int finestreAperte = 0;
    int finestreChiuse = 0;
    int eventiTotali = 0;
    int annidati = 0;
    int numeriFiniti = 0;
    int partiteFinite = 0;
    int resi = 0;     // actions that waited and ran
    int scartati = 0; // and that were dropped as the game may
    int schermi = 0;  // windows played in full screen

private:
    std::mt19937 caso;
    std::unique_ptr<Banco> banco;
    std::unique_ptr<QObject> contesto; // queued events die with the window they were meant for
    QStringList registro;
    QString errore;
    bool finita = false;
    int profondita = 0;
    int fini = 0; // games of this window ended, the question asked or answered by a waiting Enter

    // The game's actions that wait, in the order they came.
    struct Attesa
    {
        CodaAzioni::Azione azione;
        int domande; // end-of-game questions before it came
    };
    std::deque<Attesa> attese;
    bool inArrivo = false; // an action is being taken: what the queue does next is about it

    static bool Rinviabile(const CodaAzioni::Azione &a)
    {
        return a.tipo == CodaAzioni::Azione::Tipo::Info || a.tipo == CodaAzioni::Azione::Tipo::NuovoGioco;
    }

    static QString NomeDi(const CodaAzioni::Azione &a)
    {
        static const char *const nomi[] = {"Tasto", "Invio", "NuovoNumero", "Info", "NuovoGioco", "Chiudi", "Tick"};
        return QString::fromLatin1(nomi[int(a.tipo)]) + QStringLiteral("(%1)").arg(a.codice);
    }

    // What the game's queue does with each action: a fresh one runs at once only when nothing
    // waits before it (save the buttons held for an answer's end); a waiting one runs or is
    // dropped only from the front.
    void Osserva(CodaAzioni::Fase fase, const CodaAzioni::Azione &a)
    {
        using F = CodaAzioni::Fase;
        if (!banco || banco->terminazione.richieste > 0)
            return;
        if (fase == F::Ricevuta) {
            inArrivo = true;
            return;
        }
        const bool fresca = std::exchange(inArrivo, false);
        if (fase == F::Accodata) {
            attese.push_back({a, Domande()});
            return;
        }
        if (fresca) {
            if (fase == F::Eseguita)
                for (const Attesa &prima : attese)
                    if (!Rinviabile(prima.azione))
                        Rompi(
                            QStringLiteral("%1 ran before %2, which came first").arg(NomeDi(a), NomeDi(prima.azione)));
            return;
        }
        if (attese.empty() || attese.front().azione.tipo != a.tipo || attese.front().azione.codice != a.codice)
            return void(Rompi(QStringLiteral("%1 ran out of its turn").arg(NomeDi(a))));
        attese.pop_front();
        fase == F::Eseguita ? ++resi : ++scartati;
    }

    // Once nothing runs or waits, every action that waited has run, or went at a game's end.
    void Inevasi()
    {
        for (const Attesa &a : attese)
            if (Domande() > a.domande)
                ++scartati;
            else
                Rompi(QStringLiteral("%1 waited and never ran").arg(NomeDi(a.azione)));
        attese.clear();
    }

    bool Prob(double p) { return std::bernoulli_distribution(p)(caso); }
    int Tra(int a, int b) { return std::uniform_int_distribution<int>(a, b)(caso); }

    Azione Estrai()
    {
        int totale = 0;
        for (const auto &[a, peso] : Pesi)
            totale += peso;
        int r = Tra(0, totale - 1);
        for (const auto &[a, peso] : Pesi) {
            if (r < peso)
                return a;
            r -= peso;
        }
        return Azione::Tick;
    }

    Banco::Scelta SceltaCasuale()
    {
        Banco::Scelta s;
        s.giocatori = Prob(0.5) ? 2 : 1;
        for (auto &n : s.nomi)
            n = Nomi[Tra(0, std::size(Nomi) - 1)];
        return s;
    }

    void NuovaFinestra()
    {
        contesto.reset();
        banco.reset();
        registro.clear();
        fini = 0;
        attese.clear();
        inArrivo = false;
        banco = std::make_unique<Banco>();
        finita = false;
        contesto = std::make_unique<QObject>();
        // Events arriving in the middle: the event loop runs during every wait, so they come
        // right then (and wait in the game's queue if the step holds them); after a sound they
        // come at the next turn of the loop; under a box only the timer runs.
        banco->orologio.ad_ogni_attesa = [this](int) {
            if (profondita == 1 && Prob(0.01))
                Esegui(Estrai(), true);
        };
        banco->audio.al_suono = [this](int) {
            if (profondita == 1 && Prob(0.3))
                Posta(Estrai());
        };
        banco->messaggi.durante = [this] {
            if (profondita == 1 && Prob(0.5))
                Esegui(Azione::Tick, true);
        };
        // Painting costs nine tenths of the time (a ball repaints at every pixel of its roll) and
        // changes nothing that is checked: only one window in eight paints.
        if (finestreAperte++ % 8 != 0)
            banco->Finestra().setUpdatesEnabled(false);
        QObject::connect(&banco->Finestra(), &frmCercanum::Frase, contesto.get(), [this](const QString &frase) {
            if (frase.startsWith(QStringLiteral("Il gioco è finito!"))) {
                ++fini;
                ++partiteFinite;
            }
        });
        banco->Finestra().Azioni().osservatore = [this](CodaAzioni::Fase f, const CodaAzioni::Azione &a) {
            Osserva(f, a);
        };
        if (Prob(0.25)) {
            banco->Finestra().ApriASchermoIntero();
            ++schermi;
        }
        banco->Avvia(SceltaCasuale());
        Controlla(true);
    }

    void Posta(Azione a)
    {
        const auto esegui = [this, a] { Esegui(a, true); };
        QMetaObject::invokeMethod(contesto.get(), esegui, Qt::QueuedConnection);
    }

    frmCercanum &F() { return *banco->finestra; }
    template <typename T> T *Figlio(const QString &nome) { return F().findChild<T *>(nome); }
    QLineEdit *Casella() { return Figlio<QLineEdit>(QStringLiteral("txtInput")); }

    int Domande() const { return fini; }

    // A key typed where the keyboard's focus is.
    void Tasto(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier, const QString &testo = {})
    {
        QWidget *w = F().focusWidget() ? F().focusWidget() : &F();
        if (testo.isEmpty())
            QTest::keyClick(w, k, m);
        else
            QTest::sendKeyEvent(QTest::Click, w, k, testo, m);
    }

    // What input may change; nothing of it while a step holds the input.
    QString Fotografia()
    {
        return QStringLiteral("%1|%2|%3|%4|%5|%6")
            .arg(Casella()->text())
            .arg(F().Stato().NumRisposte())
            .arg(F().Stato().NumGiocati())
            .arg(banco->messaggi.mostrati.size())
            .arg(banco->diario.size())
            .arg(banco->suoni.SuonoAttivo());
    }

    void Clic(const char *nome)
    {
        auto *p = Figlio<QAbstractButton>(QString::fromLatin1(nome));
        if (p && p->isVisible() && p->isEnabled())
            QTest::mouseClick(p, Qt::LeftButton);
    }

    // An answer typed over whatever the box held.
    void Digita(int n)
    {
        for (int i = 0; i < 3; ++i)
            Tasto(Qt::Key_Backspace);
        for (const QChar c : QString::number(n))
            Tasto(Qt::Key(Qt::Key_0 + c.digitValue()), Prob(0.3) ? Qt::KeypadModifier : Qt::NoModifier);
    }

    void Esegui(Azione a, bool annidato)
    {
        if (finita || !errore.isEmpty())
            return;
        // The dialogs' and boxes' answers, ready whenever one opens.
        if (banco->dialoghi.scelte.empty())
            banco->dialoghi.scelte.push_back(SceltaCasuale());
        if (banco->messaggi.risposte.empty())
            banco->messaggi.risposte.push_back(Prob(0.8) ? Messaggi::Risposta::Si : Messaggi::Risposta::No);

        registro.append(QString::fromLatin1(NomeAzione(a)) + (annidato ? QStringLiteral("*") : QString()));
        ++eventiTotali;
        annidati += annidato;
        ++profondita;
        // A paste needs the box's menu, a click that the step would hold too. The sound switch and
        // full screen are no actions of the game: they act at once.
        const bool trattenuto =
            F().Azioni().Attende() && a != Azione::Tick && a != Azione::ClicSuono && a != Azione::SchermoIntero;
        const QString prima = trattenuto ? Fotografia() : QString();
        const Partita &p = F().Stato();
        const int giocatiPrima = p.NumGiocati();
        switch (a) {
        case Azione::Cifra:
            Tasto(Qt::Key(Qt::Key_0 + Tra(0, 9)), Prob(0.3) ? Qt::KeypadModifier : Qt::NoModifier);
            break;
        case Azione::RispostaGiusta:
            Digita(p.NumSegreto());
            Tasto(Prob(0.5) ? Qt::Key_Return : Qt::Key_Enter, Qt::NoModifier);
            break;
        case Azione::RispostaSbagliata:
            Digita((p.NumSegreto() + Tra(1, p.NumMax())) % (p.NumMax() + 1));
            Tasto(Prob(0.5) ? Qt::Key_Return : Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Azione::Lettera: Tasto(Qt::Key(Qt::Key_A + Tra(0, 25))); break;
        case Azione::Invio:
            Tasto(Prob(0.5) ? Qt::Key_Return : Qt::Key_Enter, Prob(0.5) ? Qt::KeypadModifier : Qt::NoModifier);
            break;
        case Azione::Cancella: Tasto(Qt::Key_Backspace); break;
        case Azione::Tab: Tasto(Prob(0.7) ? Qt::Key_Tab : Qt::Key_Backtab); break;
        case Azione::Spazio: Tasto(Qt::Key_Space); break;
        case Azione::Esc:
            if (Prob(Raro))
                Tasto(Qt::Key_Escape);
            break;
        case Azione::Incolla:
            // A paste through the box's own menu: no key is seen.
            if (Casella()->isEnabled() && !trattenuto)
                Casella()->insert(QString::fromUtf8(Incollati[Tra(0, std::size(Incollati) - 1)]));
            break;
        case Azione::IncollaTasto: Tasto(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16")); break;
        case Azione::ClicNuovoNumero: Clic("cmdNew"); break;
        case Azione::ClicInfo: Clic("cmdInfo"); break;
        case Azione::ClicNuovoGioco:
            if (Prob(Raro * 3))
                Clic("cmdNuovoGioco");
            break;
        case Azione::ClicChiudi:
            if (Prob(Raro))
                Clic("cmdChiudi");
            break;
        case Azione::ClicSuono: Clic("chkNoSound"); break;
        case Azione::ClicOvunque: {
            const QPoint punto(Tra(0, F().width() - 1), Tra(0, F().height() - 1));
            QWidget *w = F().childAt(punto);
            if (!w)
                w = &F();
            QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->mapFrom(&F(), punto));
            break;
        }
        case Azione::Tick:
            if (auto *t = Figlio<QTimer>(QStringLiteral("Timer1"));
                t && t->isActive() && !QMetaObject::invokeMethod(t, "timeout"))
                Rompi(QStringLiteral("the timer cannot be made to tick"));
            break;
        case Azione::Tastierino:
            if (F().Schermo() && F().Schermo()->Attivo()) {
                const QList<QPushButton *> tasti = F().Schermo()->Tasti()->findChildren<QPushButton *>();
                QPushButton *t = tasti.at(Tra(0, int(tasti.size()) - 1));
                QTest::mouseClick(t, Qt::LeftButton);
            }
            break;
        case Azione::SchermoIntero:
            if (Prob(Raro * 3))
                Tasto(Qt::Key_F11);
            break;
        }
        --profondita;
        if (trattenuto && Fotografia() != prima)
            Rompi(QStringLiteral("input during a held step ran early: %1 became %2").arg(prima, Fotografia()));
        if (banco->terminazione.richieste > 0) {
            finita = true;
            return;
        }
        if (F().Stato().NumGiocati() != giocatiPrima)
            ++numeriFiniti;
        Controlla(false);
    }

    // Filled score cells of a row: they must be the first ones, each a score of 0..100.
    int Riempite(const QString &riga)
    {
        int riempite = 0;
        for (int i = 0; i < Partita::NumeriPerGioco; ++i) {
            const auto *cella = Figlio<Etichetta>(QStringLiteral("%1(%2)").arg(riga).arg(i));
            if (!cella || cella->Testo().isEmpty())
                continue;
            bool ok = false;
            const int v = cella->Testo().toInt(&ok);
            if (!ok || v < 0 || v > 100)
                return Rompi(QStringLiteral("%1(%2) holds \"%3\"").arg(riga).arg(i).arg(cella->Testo())), -1;
            if (i != riempite)
                return Rompi(QStringLiteral("%1(%2) filled after an empty cell").arg(riga).arg(i)), -1;
            ++riempite;
        }
        return riempite;
    }

    int Rompi(const QString &perche)
    {
        if (errore.isEmpty())
            errore = perche;
        return -1;
    }

    // `fermo`: no handler is running, so the board must match the count exactly; in the middle
    // of one, a finished number may still be on its way to the board.
    void Controlla(bool fermo)
    {
        const Partita &p = F().Stato();
        if (p.NumRisposte() < 0 || p.NumRisposte() > Partita::RisposteNumeroPerso)
            Rompi(QStringLiteral("NumRisposte %1").arg(p.NumRisposte()));
        if (p.NumGiocati() < 0 || p.NumGiocati() > Partita::NumeriPerGioco)
            Rompi(QStringLiteral("NumGiocati %1").arg(p.NumGiocati()));
        int facce = 0;
        for (int i = 0; i < 9; ++i)
            facce += Figlio<Immagine>(QStringLiteral("imgSmile(%1)").arg(i))->isVisibleTo(&F());
        if (facce > 1)
            Rompi(QStringLiteral("%1 faces shown").arg(facce));
        const int prima = Riempite(QStringLiteral("lblPunteggio"));
        const int seconda = Riempite(QStringLiteral("lblPunteggio1"));
        if (prima < 0 || seconda < 0)
            return;
        const int g = p.NumGiocati();
        if (F().Modulo().NumGiocatori == 1) {
            if (seconda != 0 || (fermo ? prima != g : prima > g + 1))
                Rompi(QStringLiteral("one player, %1 numbers played, cells %2 + %3").arg(g).arg(prima).arg(seconda));
        } else {
            // The first player's cell of the current pair is filled once that number is over,
            // while the second player plays and until the second's number is over too.
            const bool inCorso = !Figlio<QPushButton>(QStringLiteral("cmdNew"))->isVisibleTo(&F());
            const int attesa = g + (p.TurnoPrimo() != inCorso ? 1 : 0);
            const bool primaOk = fermo ? prima == attesa : prima <= g + 1;
            const bool secondaOk = fermo ? seconda == g : seconda <= g + 1;
            if (!primaOk || !secondaOk)
                Rompi(QStringLiteral("two players, %1 pairs played, cells %2 + %3").arg(g).arg(prima).arg(seconda));
        }
    }
};

} // namespace

class TestScimmia : public QObject
{
    Q_OBJECT
private slots:
    void sequenzeCasuali();
};

void TestScimmia::sequenzeCasuali()
{
    const int sequenze = Ambiente("CERCANUM_SCIMMIA_SEQUENZE", 2000);
    const unsigned seme = static_cast<unsigned>(Ambiente("CERCANUM_SCIMMIA_SEME", 11));
    Scimmia scimmia(seme);
    std::mt19937 lunghezze(seme + 1);
    QElapsedTimer cronometro;
    cronometro.start();
    for (int s = 0; s < sequenze; ++s) {
        const QString errore = scimmia.Sequenza(std::uniform_int_distribution<int>(1, 12)(lunghezze));
        QVERIFY2(errore.isEmpty(), qPrintable(QStringLiteral("seed %1, sequence %2: %3").arg(seme).arg(s).arg(errore)));
    }
    qInfo("%d sequences, %d events (%d in the middle of another), %d numbers finished, %d games "
          "finished, %d windows ended (%d in full screen), %d actions waited and ran, %d dropped, %lld ms",
          sequenze, scimmia.eventiTotali, scimmia.annidati, scimmia.numeriFiniti, scimmia.partiteFinite,
          scimmia.finestreChiuse, scimmia.schermi, scimmia.resi, scimmia.scartati,
          static_cast<long long>(cronometro.elapsed()));
    // The run must have reached the interesting places, or it proves little.
    QVERIFY(scimmia.numeriFiniti >= sequenze / 20);
    QVERIFY(scimmia.annidati >= sequenze / 40);
    QVERIFY(scimmia.resi >= sequenze / 40);
    QVERIFY(scimmia.finestreChiuse >= sequenze / 200);
    QVERIFY(scimmia.partiteFinite >= sequenze / 500);
    QVERIFY(scimmia.schermi >= scimmia.finestreChiuse / 8);
}

QTEST_MAIN(TestScimmia)
#include "test_scimmia.moc"
