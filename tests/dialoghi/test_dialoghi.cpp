// SPDX-License-Identifier: MIT
#include "caratteri.h"
#include "cursoremano.h"
#include "dialoghireali.h"
#include "frmabout.h"
#include "frmpresent.h"
#include "messaggireali.h"
#include "pixel.h"
#include "schermointero.h"
#include "stilecercanum.h"
#include "suoni.h"
#include "uscitaaudio.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <link.h>

#include <cstring>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Registratore final : UscitaAudio
{
    std::vector<int> suonati;
    int NumDispositivi() override { return 1; }
    void Riproduci(Intero id, const QByteArray &) override { suonati.push_back(id); }
};

// Receives the links the information window hands to the desktop.
class Posta : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> aperti;
    Q_INVOKABLE void Apri(const QUrl &url) { aperti.append(url); }
};

template <typename T> T *Figlio(QWidget *w, const QString &nome)
{
    auto *f = w->findChild<T *>(nome);
    if (!f)
        qFatal("no control %s", qPrintable(nome));
    return f;
}
QRadioButton *Opzione(QWidget *w, int i)
{
    return Figlio<QRadioButton>(w, QStringLiteral("optNumGiocatori%1").arg(i));
}
QLineEdit *Nome(QWidget *w, int i)
{
    return Figlio<QLineEdit>(w, QStringLiteral("txtGiocatori%1").arg(i));
}
QPushButton *Bottone(QWidget *w, const char *nome)
{
    return Figlio<QPushButton>(w, QString::fromLatin1(nome));
}
QGroupBox *Frame1(QWidget *w)
{
    return Figlio<QGroupBox>(w, QStringLiteral("Frame1"));
}
QPlainTextEdit *Text1(QWidget *w)
{
    return Figlio<QPlainTextEdit>(w, QStringLiteral("Text1"));
}

bool CentrataSu(const QWidget *w, const QWidget *padre)
{
    const QPoint scarto = w->frameGeometry().center() - padre->frameGeometry().center();
    return qAbs(scarto.x()) <= 1 && qAbs(scarto.y()) <= 1;
}

void Premi(QWidget *w, Qt::Key tasto)
{
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, tasto);
}

// Types as a keyboard would, one character at a time, letters beyond ASCII and emoji included.
void Scrivi(QWidget *w, const QString &testo)
{
    for (const char32_t c : testo.toUcs4()) {
        if (c < 0x80)
            QTest::keyClick(w, static_cast<char>(c));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
    }
}

// Runs `apri`, which shows a modal window and returns once it is closed, and acts once on that
// window. False when the action left it open (it is then closed, so the test goes on).
bool ConModale(const std::function<void()> &apri, const std::function<void(QWidget *)> &azione)
{
    QTimer sonda;
    sonda.setInterval(5);
    bool agito = false, rimasta = false;
    QElapsedTimer dopo;
    QObject::connect(&sonda, &QTimer::timeout, [&] {
        QWidget *w = QApplication::activeModalWidget();
        // Once it has the keyboard, as a child meets it: on a busy machine the activation can
        // come a poll or two after the window shows, and with it the focus into its first box.
        if (w && !agito && w->isActiveWindow()) {
            agito = true;
            dopo.start();
            azione(w);
        } else if (w && !rimasta && dopo.elapsed() > 1000) {
            rimasta = true;
            // A question ignores its close box: answer it No.
            auto *box = qobject_cast<QMessageBox *>(w);
            if (box && box->button(QMessageBox::No))
                box->button(QMessageBox::No)->click();
            else
                w->close();
        }
    });
    sonda.start();
    apri();
    sonda.stop();
    return agito && !rimasta && !QApplication::activeModalWidget();
}

// The dialog shown inside an enlarging window's scene.
QWidget *Incorporato(QGraphicsView *vista)
{
    for (QGraphicsItem *i : vista->scene()->items())
        if (auto *p = dynamic_cast<QGraphicsProxyWidget *>(i))
            return p->widget();
    return nullptr;
}

using Nomi = std::array<std::string, 2>;
enum class Chiusura {
    Ok,
    Invio,
    Box
};

} // namespace

class TestDialoghi : public QObject
{
    Q_OBJECT
    Registratore audio;
    Suoni suoni{&audio};
    QWidget padre;
    DialoghiReali dialoghi{suoni};
    // What the start dialog is handed, and its answer.
    Nomi nomi;
    Giocatori scelta;

private slots:
    void initTestCase()
    {
        QApplication::setStyle(new StileCercanum);
        Caratteri::ImpostaPerApplicazione();
        padre.setGeometry(100, 100, 564, 370);
        padre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&padre));
    }

    void init()
    {
        nomi = {};
        scelta = {};
        suoni.ImpostaSuonoAttivo(false);
        audio.suonati.clear();
    }

    // -----------------------------------------------------------------------------------------
    // Start dialog

    void presentazione_unGiocatoreNonToccaINomi()
    {
        // Lower-case names would come back proper-cased if anything were stored.
        nomi = {"luca      ", "sara      "};
        QVERIFY(ConModale([&] { scelta = dialoghi.MostraPresentazione(&padre, nomi); },
                          [&](QWidget *w) {
                              QCOMPARE(w->windowTitle(), QStringLiteral("Cercanum "));
                              QVERIFY(CentrataSu(w, &padre));
                              QVERIFY(Opzione(w, 0)->isChecked());
                              QVERIFY(!Frame1(w)->isVisible());
                              QCOMPARE(w->size(), QSize(320, 127)); // 2240 twips outer less the 330 of the frame
                              QCOMPARE(Bottone(w, "cmdOk")->y(), 102);
                              QCOMPARE(qobject_cast<frmPresent *>(w)->Scelta().NumGiocatori, Intero(1));
                              Premi(w, Qt::Key_Escape); // no cancel button
                              QVERIFY(w->isVisible());
                              Premi(w, Qt::Key_Return);
                          }));
        QCOMPARE(scelta.NumGiocatori, Intero(1));
        QCOMPARE(scelta.NomeGiocatore, (Nomi{"luca      ", "sara      "}));
    }

    void presentazione_dueGiocatori_data()
    {
        QTest::addColumn<QString>("primo");
        QTest::addColumn<QString>("secondo");
        QTest::addColumn<Chiusura>("chiusura");
        QTest::addColumn<QString>("atteso0");
        QTest::addColumn<QString>("atteso1");
        QTest::newRow("spazi e maiuscole") << "  marco"
                                           << "ANNA MARIA" << Chiusura::Ok << "Marco     "
                                           << "Anna Maria";
        QTest::newRow("box come OK") << "  marco"
                                     << "ANNA MARIA" << Chiusura::Box << "Marco     "
                                     << "Anna Maria";
        QTest::newRow("solo il primo") << "marco"
                                       << "" << Chiusura::Invio << "Rosso     "
                                       << "Verde     ";
        QTest::newRow("solo il secondo") << ""
                                         << "anna" << Chiusura::Box << "Rosso     "
                                         << "Verde     ";
        QTest::newRow("solo spazi non contano") << "   "
                                                << "anna" << Chiusura::Ok << "Rosso     "
                                                << "Verde     ";
        QTest::newRow("accenti e marcatura") << QString::fromUtf8("élia dE luca") << "<b>x</b>" << Chiusura::Invio
                                             << QString::fromUtf8("Élia De Lu") << "<b>x</b>  ";
        QTest::newRow("undicesimo rifiutato") << "abcdefghijkl"
                                              << "MARIA" << Chiusura::Ok << "Abcdefghij"
                                              << "Maria     ";
        const QString emoji = QString::fromUtf8("\U0001F600");
        QTest::newRow("dieci emoji") << emoji.repeated(11) << QString::fromUtf8("ß\U0001F431") << Chiusura::Ok
                                     << emoji.repeated(10) << QString::fromUtf8("ß\U0001F431        ");
    }

    void presentazione_dueGiocatori()
    {
        QFETCH(QString, primo);
        QFETCH(QString, secondo);
        QFETCH(Chiusura, chiusura);
        QVERIFY(ConModale([&] { scelta = dialoghi.MostraPresentazione(&padre, nomi); },
                          [&](QWidget *w) {
                              QTest::mouseClick(Opzione(w, 1), Qt::LeftButton);
                              QCOMPARE(w->focusWidget(), Nome(w, 0));
                              Scrivi(Nome(w, 0), primo);
                              Scrivi(Nome(w, 1), secondo);
                              switch (chiusura) {
                              case Chiusura::Ok: QTest::mouseClick(Bottone(w, "cmdOk"), Qt::LeftButton); break;
                              case Chiusura::Invio: QTest::keyClick(Nome(w, 1), Qt::Key_Return); break;
                              case Chiusura::Box: w->close(); break;
                              }
                          }));
        QCOMPARE(scelta.NumGiocatori, Intero(2));
        QTEST(QString::fromStdString(scelta.NomeGiocatore[0]), "atteso0");
        QTEST(QString::fromStdString(scelta.NomeGiocatore[1]), "atteso1");
    }

    void presentazione_finestraSaleOgniVoltaCheSiScelgonoDue()
    {
        frmPresent d(&padre, nomi, suoni);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        const QRect schermo = d.screen()->availableGeometry();
        d.move(300, schermo.bottom() - 300);
        const int y0 = d.y();

        QTest::mouseClick(Opzione(&d, 1), Qt::LeftButton);
        QCOMPARE(d.y(), y0 - 47);
        QCOMPARE(d.size(), QSize(320, 233)); // 3825 twips outer
        QVERIFY(Frame1(&d)->isVisible());
        QCOMPARE(Bottone(&d, "cmdOk")->y(), 206);
        QCOMPARE(d.focusWidget(), Nome(&d, 0));
        Premi(&d, Qt::Key_Tab);
        QCOMPARE(d.focusWidget(), Nome(&d, 1));
        Premi(&d, Qt::Key_Tab);
        QCOMPARE(d.focusWidget(), Bottone(&d, "cmdOk"));
        Premi(&d, Qt::Key_Tab);
        QCOMPARE(d.focusWidget(), Opzione(&d, 1));

        QTest::mouseClick(Opzione(&d, 1), Qt::LeftButton); // already chosen: no second climb
        QCOMPARE(d.y(), y0 - 47);
        QTest::mouseClick(Opzione(&d, 0), Qt::LeftButton); // one player does not lower it
        QCOMPARE(d.y(), y0 - 47);
        QCOMPARE(d.size(), QSize(320, 127));
        QVERIFY(!Frame1(&d)->isVisible());
        QCOMPARE(Bottone(&d, "cmdOk")->y(), 102);
        QTest::mouseClick(Opzione(&d, 1), Qt::LeftButton);
        QCOMPARE(d.y(), y0 - 94);

        // However often it climbs, the whole frame stays on the screen.
        for (int volta = 0; volta < 20; ++volta) {
            QTest::mouseClick(Opzione(&d, volta % 2), Qt::LeftButton);
            QVERIFY2(schermo.contains(d.frameGeometry()), qPrintable(QStringLiteral("after %1 choices").arg(volta)));
        }
        QCOMPARE(d.frameGeometry().top(), schermo.top());
        // Near the bottom edge the taller window is lifted just enough.
        QTest::mouseClick(Opzione(&d, 0), Qt::LeftButton);
        d.move(300, schermo.bottom() - d.frameGeometry().height() + 1);
        QTest::mouseClick(Opzione(&d, 1), Qt::LeftButton);
        QCOMPARE(d.frameGeometry().bottom(), schermo.bottom());
    }

    void presentazione_nomiSelezionatiAlFuoco()
    {
        nomi = {"Anna      ", "Marco     "};
        QVERIFY(ConModale([&] { scelta = dialoghi.MostraPresentazione(&padre, nomi); },
                          [](QWidget *w) {
                              QTest::mouseClick(Opzione(w, 1), Qt::LeftButton);
                              QCOMPARE(w->focusWidget(), Nome(w, 0));
                              QCOMPARE(Nome(w, 0)->selectedText(), QStringLiteral("Anna      "));
                              Scrivi(Nome(w, 0), QStringLiteral("luca"));
                              // A click into the second box selects its whole name too.
                              QTest::mouseClick(Nome(w, 1), Qt::LeftButton, {}, QPoint(5, 5));
                              QCOMPARE(Nome(w, 1)->selectedText(), QStringLiteral("Marco     "));
                              Scrivi(Nome(w, 1), QStringLiteral("sara"));
                              QTest::mouseClick(Bottone(w, "cmdOk"), Qt::LeftButton);
                          }));
        QCOMPARE(scelta.NomeGiocatore, (Nomi{"Luca      ", "Sara      "}));
    }

    void presentazione_secondaVoltaNomiConservati()
    {
        const Nomi prima{"<b>x</b>  ", "Anna Maria"};
        nomi = prima;
        QVERIFY(ConModale([&] { scelta = dialoghi.MostraPresentazione(&padre, nomi); },
                          [](QWidget *w) {
                              QVERIFY(Opzione(w, 0)->isChecked());
                              QCOMPARE(Nome(w, 0)->text(), QStringLiteral("<b>x</b>  "));
                              QCOMPARE(Nome(w, 1)->text(), QStringLiteral("Anna Maria"));
                              QTest::mouseClick(Opzione(w, 1), Qt::LeftButton);
                              QTest::mouseClick(Bottone(w, "cmdOk"), Qt::LeftButton);
                          }));
        QCOMPARE(scelta.NumGiocatori, Intero(2));
        QCOMPARE(scelta.NomeGiocatore, prima);
    }

    void presentazione_soloTastiera()
    {
        // An arrow chooses, the names are typed straight away, Tab moves on, Alt+O confirms.
        QVERIFY(ConModale([&] { scelta = dialoghi.MostraPresentazione(&padre, nomi); },
                          [](QWidget *w) {
                              QTRY_COMPARE(QApplication::activeWindow(), w);
                              QCOMPARE(w->focusWidget(), Opzione(w, 0));
                              Premi(w, Qt::Key_Right);
                              QVERIFY(Opzione(w, 1)->isChecked());
                              Scrivi(w->focusWidget(), QStringLiteral("ada"));
                              Premi(w, Qt::Key_Tab);
                              Scrivi(w->focusWidget(), QStringLiteral("bo"));
                              QTest::keyClick(w->focusWidget(), Qt::Key_O, Qt::AltModifier);
                          }));
        QCOMPARE(scelta.NumGiocatori, Intero(2));
        QCOMPARE(scelta.NomeGiocatore, (Nomi{"Ada       ", "Bo        "}));
    }

    void presentazione_ogniFrecciaPassaAllAltraScelta_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::newRow("giù") << int(Qt::Key_Down);
        QTest::newRow("su") << int(Qt::Key_Up);
        QTest::newRow("destra") << int(Qt::Key_Right);
        QTest::newRow("sinistra") << int(Qt::Key_Left);
    }

    void presentazione_ogniFrecciaPassaAllAltraScelta()
    {
        // As in a Windows group of two options, every arrow goes to the other one and chooses it;
        // two players put the focus in the first name box, one player leaves it on the option.
        QFETCH(int, tasto);
        frmPresent d(&padre, nomi, suoni);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.focusWidget(), Opzione(&d, 0));
        Premi(&d, Qt::Key(tasto));
        QVERIFY(Opzione(&d, 1)->isChecked());
        QVERIFY(Frame1(&d)->isVisible());
        QCOMPARE(d.focusWidget(), Nome(&d, 0));
        Premi(&d, Qt::Key_Backtab);
        QCOMPARE(d.focusWidget(), Opzione(&d, 1));
        Premi(&d, Qt::Key(tasto));
        QVERIFY(Opzione(&d, 0)->isChecked());
        QVERIFY(!Frame1(&d)->isVisible());
        QCOMPARE(d.focusWidget(), Opzione(&d, 0));
        Premi(&d, Qt::Key_Space); // the chosen option again: nothing changes
        QVERIFY(Opzione(&d, 0)->isChecked());
        QCOMPARE(d.focusWidget(), Opzione(&d, 0));
    }

    void presentazione_suono102SoloSeAttivo()
    {
        for (const bool attivo : {true, false}) {
            audio.suonati.clear();
            suoni.ImpostaSuonoAttivo(attivo);
            const std::vector<int> attesi = attivo ? std::vector<int>{102} : std::vector<int>{};
            frmPresent d(&padre, nomi, suoni);
            QCOMPARE(audio.suonati, attesi);
            Opzione(&d, 1)->click();
            d.accept();
            QCOMPARE(audio.suonati, attesi); // nothing more at choosing or closing
        }
    }

    // -----------------------------------------------------------------------------------------
    // Information window

    void informazioni_pulsanteEChiusura_data()
    {
        QTest::addColumn<bool>("avvio");
        QTest::addColumn<int>("tasto"); // 0: the close box
        QTest::addColumn<bool>("fuocoSullaGuida");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("suggerimento");
        QTest::newRow("avvio, Invio") << true << int(Qt::Key_Return) << false << "&Gioca"
                                      << "Inizia il gioco";
        QTest::newRow("avvio, Esc") << true << int(Qt::Key_Escape) << false << "&Gioca"
                                    << "Inizia il gioco";
        QTest::newRow("gioco, Invio del tastierino") << false << int(Qt::Key_Enter) << false << "&Chiudi"
                                                     << "Esci";
        QTest::newRow("gioco, Esc") << false << int(Qt::Key_Escape) << false << "&Chiudi"
                                    << "Esci";
        QTest::newRow("gioco, box") << false << 0 << false << "&Chiudi"
                                    << "Esci";
        QTest::newRow("Invio con la guida a fuoco") << false << int(Qt::Key_Return) << true << "&Chiudi"
                                                    << "Esci";
    }

    void informazioni_pulsanteEChiusura()
    {
        QFETCH(bool, avvio);
        QFETCH(int, tasto);
        QFETCH(bool, fuocoSullaGuida);
        QVERIFY(ConModale([&] { dialoghi.MostraInformazioni(&padre, avvio); },
                          [&](QWidget *w) {
                              QCOMPARE(w->windowTitle(), QStringLiteral("Informazioni "));
                              QCOMPARE(w->size(), QSize(335, 190));
                              QVERIFY(CentrataSu(w, &padre));
                              QPushButton *comando = Bottone(w, "Command1");
                              QTEST(comando->text(), "testo");
                              QTEST(comando->toolTip(), "suggerimento");
                              QTRY_COMPARE(QApplication::activeWindow(), w);
                              QCOMPARE(w->focusWidget(), comando);
                              if (fuocoSullaGuida) {
                                  Premi(w, Qt::Key_Tab);
                                  QCOMPARE(w->focusWidget(), Bottone(w, "Check1"));
                              }
                              if (tasto)
                                  Premi(w, Qt::Key(tasto));
                              else
                                  w->close();
                          }));
    }

    void informazioni_tastiAccessoEOrdine()
    {
        for (const bool avvio : {true, false}) {
            QVERIFY(ConModale([&] { dialoghi.MostraInformazioni(&padre, avvio); },
                              [&](QWidget *w) {
                                  QTRY_COMPARE(QApplication::activeWindow(), w);
                                  QCOMPARE(w->focusWidget(), Bottone(w, "Command1"));
                                  Premi(w, Qt::Key_Tab);
                                  QCOMPARE(w->focusWidget(), Bottone(w, "Check1"));
                                  Premi(w, Qt::Key_Space); // the rules, which Tab then visits
                                  QVERIFY(Text1(w)->isVisible());
                                  QCOMPARE(w->focusWidget(), Bottone(w, "Command1"));
                                  Premi(w, Qt::Key_Tab);
                                  Premi(w, Qt::Key_Tab);
                                  QCOMPARE(w->focusWidget(), static_cast<QWidget *>(Text1(w)));
                                  Premi(w, Qt::Key_Tab);
                                  QCOMPARE(w->focusWidget(), Bottone(w, "Command1"));
                                  QTest::keyClick(w->focusWidget(), avvio ? Qt::Key_G : Qt::Key_C, Qt::AltModifier);
                              }));
        }
    }

    void informazioni_guidaAndataERitorno()
    {
        frmAbout d(&padre, false);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QPushButton *guida = Bottone(&d, "Check1");
        QPushButton *comando = Bottone(&d, "Command1");
        QVERIFY(!Text1(&d)->isVisible());
        QCOMPARE(d.TestoText1(), QString()); // built only when asked for

        QTest::mouseClick(guida, Qt::LeftButton);
        QVERIFY(guida->isChecked());
        QVERIFY(Text1(&d)->isVisible());
        QCOMPARE(d.focusWidget(), comando);
        const QString testo = d.TestoText1();
        QVERIFY(testo.startsWith(QStringLiteral("CERCANUM\r\n")));
        QVERIFY(testo.endsWith(QStringLiteral(" se hai il \"pallino\" della matematica!")));
        QCOMPARE(testo.count(QLatin1Char('\n')), 7);
        QCOMPARE(testo.count(QStringLiteral("\r\n")), 7);
        QCOMPARE(
            testo.split(QStringLiteral("\r\n")).at(2),
            QStringLiteral(
                "Lo scopo del gioco è quello di scoprire, nel minor numero di tentativi possibili, i 15 numeri "
                "casuali generati del computer. L 'intervallo proposto per i numeri da indovinare viene aumentato "
                "gradatamente, in modo da aumentare anche la difficoltà del gioco stesso, e va da minimo di 0 a 10 "
                "ad un massimo di 0 a 100."));
        // Each CRLF one paragraph of the box, with no empty one between.
        QCOMPARE(Text1(&d)->document()->blockCount(), 8);

        QTest::mouseClick(guida, Qt::LeftButton);
        QVERIFY(!guida->isChecked());
        QVERIFY(!Text1(&d)->isVisible());
        QCOMPARE(d.focusWidget(), comando);

        QTest::keyClick(guida, Qt::Key_Space);
        QVERIFY(Text1(&d)->isVisible());
        QCOMPARE(d.TestoText1(), testo); // rebuilt, not appended
        QCOMPARE(Text1(&d)->document()->blockCount(), 8);
        QCOMPARE(d.focusWidget(), comando);
    }

    void informazioni_riaperturaGuidaNascosta()
    {
        QVERIFY(ConModale([&] { dialoghi.MostraInformazioni(&padre, false); },
                          [](QWidget *w) {
                              QTest::mouseClick(Bottone(w, "Check1"), Qt::LeftButton);
                              QVERIFY(Text1(w)->isVisible());
                              QTest::mouseClick(Bottone(w, "Command1"), Qt::LeftButton);
                          }));
        QVERIFY(ConModale([&] { dialoghi.MostraInformazioni(&padre, false); },
                          [](QWidget *w) {
                              QVERIFY(!Text1(w)->isVisible());
                              QVERIFY(!Bottone(w, "Check1")->isChecked());
                              QTest::mouseClick(Bottone(w, "Command1"), Qt::LeftButton);
                          }));
    }

    void informazioni_versioneEPosta()
    {
        Posta posta;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &posta, "Apri");
        frmAbout d(&padre, false);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(Figlio<QLabel>(&d, QStringLiteral("lblVersione"))->text(), QStringLiteral("Versione 1.0.0"));
        QTest::mouseClick(Figlio<QLabel>(&d, QStringLiteral("lblEmail")), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(posta.aperti, QList<QUrl>{QUrl(QStringLiteral("mailto:cercanum@example.org"))});
        QVERIFY(d.isVisible());
    }

    // -----------------------------------------------------------------------------------------
    // Message boxes

    void messaggi_reali_data()
    {
        QTest::addColumn<int>("pulsanti"); // Messaggi::Pulsanti
        QTest::addColumn<int>("icona");    // Messaggi::Icona
        QTest::addColumn<int>("iconaQt");
        QTest::addColumn<QColor>("segno"); // the sign's own colour, off its letter
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("chiude");
        QTest::addColumn<int>("risposta"); // Messaggi::Risposta, when it closes
        using P = Messaggi::Pulsanti;
        using I = Messaggi::Icona;
        using R = Messaggi::Risposta;
        QTest::newRow("errore, Invio") << int(P::Ok) << int(I::Stop) << int(QMessageBox::Critical)
                                       << QColor(0xd0, 0x20, 0x20) << int(Qt::Key_Return) << true << int(R::Ok);
        QTest::newRow("errore, Esc") << int(P::Ok) << int(I::Stop) << int(QMessageBox::Critical)
                                     << QColor(0xd0, 0x20, 0x20) << int(Qt::Key_Escape) << true << int(R::Ok);
        QTest::newRow("perso, Esc") << int(P::Ok) << int(I::Esclamazione) << int(QMessageBox::Warning)
                                    << QColor(0xff, 0xcc, 0x00) << int(Qt::Key_Escape) << true << int(R::Ok);
        QTest::newRow("fine, Invio") << int(P::SiNo) << int(I::Domanda) << int(QMessageBox::Question)
                                     << QColor(0x20, 0x60, 0xc0) << int(Qt::Key_Return) << true << int(R::Si);
        QTest::newRow("fine, S") << int(P::SiNo) << int(I::Domanda) << int(QMessageBox::Question)
                                 << QColor(0x20, 0x60, 0xc0) << int(Qt::Key_S) << true << int(R::Si);
        QTest::newRow("fine, N") << int(P::SiNo) << int(I::Domanda) << int(QMessageBox::Question)
                                 << QColor(0x20, 0x60, 0xc0) << int(Qt::Key_N) << true << int(R::No);
        QTest::newRow("fine, Esc") << int(P::SiNo) << int(I::Domanda) << int(QMessageBox::Question)
                                   << QColor(0x20, 0x60, 0xc0) << int(Qt::Key_Escape) << false << 0;
        QTest::newRow("fine, box") << int(P::SiNo) << int(I::Domanda) << int(QMessageBox::Question)
                                   << QColor(0x20, 0x60, 0xc0) << 0 << false << 0;
    }

    void messaggi_reali()
    {
        QFETCH(int, pulsanti);
        QFETCH(int, icona);
        QFETCH(int, iconaQt);
        QFETCH(QColor, segno);
        QFETCH(int, tasto);
        QFETCH(bool, chiude);
        QFETCH(int, risposta);
        MessaggiReali messaggi;
        const auto tipo = Messaggi::Pulsanti(pulsanti);
        Messaggi::Risposta data{};
        const bool chiusa = ConModale(
            [&] {
                data = messaggi.Mostra(&padre, QStringLiteral("a <b>b</b>\r\nc"), QStringLiteral("T"),
                                       Messaggi::Icona(icona), tipo);
            },
            [&](QWidget *w) {
                auto *box = qobject_cast<QMessageBox *>(w);
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QStringLiteral("T"));
                QCOMPARE(box->text(), QStringLiteral("a <b>b</b>\r\nc"));
                QCOMPARE(box->textFormat(), Qt::PlainText);
                QCOMPARE(int(box->icon()), iconaQt);
                // The game's own sign, drawn rather than taken from the desktop's icon theme.
                const QImage figura = box->iconPixmap().toImage();
                QVERIFY(!figura.isNull());
                QCOMPARE(QColor(figura.pixel(figura.width() / 4, figura.height() * 3 / 4)).rgb(), segno.rgb());
                const auto attesi = tipo == Messaggi::Pulsanti::Ok
                                        ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                        : QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No);
                QCOMPARE(box->standardButtons(), attesi);
                QCOMPARE(box->defaultButton(),
                         box->button(tipo == Messaggi::Pulsanti::Ok ? QMessageBox::Ok : QMessageBox::Yes));
                for (QAbstractButton *b : box->buttons())
                    QVERIFY(b->icon().isNull()); // bare, like the game's own buttons
                // Italian with no translation of Qt's loaded, as none is in this test.
                if (tipo == Messaggi::Pulsanti::Ok) {
                    QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
                } else {
                    QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Sì"));
                    QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("&No"));
                }
                QCOMPARE(box->font().family(), QStringLiteral("Liberation Sans"));
                if (tasto)
                    QTest::keyClick(box, Qt::Key(tasto));
                else
                    box->close();
            });
        QCOMPARE(chiusa, chiude); // a box left open is closed by the helper with No
        if (chiude)
            QCOMPARE(int(data), risposta);
    }

    // -----------------------------------------------------------------------------------------
    // Both

    void entrambe_pulsantiNelLoroColore()
    {
        const QColor crema(244, 242, 212);
        frmPresent presentazione(&padre, nomi, suoni);
        frmAbout informazioni(&padre, false);
        QVERIFY(PixelDelColore(Bottone(&presentazione, "cmdOk"), crema) > 500);
        QVERIFY(PixelDelColore(Bottone(&informazioni, "Command1"), crema) > 500);
        QVERIFY(PixelDelColore(Bottone(&informazioni, "Check1"), crema) > 100);
        // The button Enter presses has the black default line round its 3-D frame; the help
        // button has none, and sinks while it is checked.
        const QColor nero(0, 0, 0), bianco(255, 255, 255), chiaro(224, 224, 224), scuro(128, 128, 128);
        const QList<QColor> predefinito{nero, bianco, chiaro, nero, nero, scuro};
        QCOMPARE(Cornice(Bottone(&presentazione, "cmdOk")), predefinito);
        QCOMPARE(Cornice(Bottone(&informazioni, "Command1")), predefinito);
        QPushButton *guida = Bottone(&informazioni, "Check1");
        QCOMPARE(Cornice(guida), (QList<QColor>{bianco, chiaro, crema, nero, scuro, crema}));
        guida->setChecked(true);
        QCOMPARE(Cornice(guida), (QList<QColor>{nero, scuro, crema, bianco, chiaro, crema}));
        QCOMPARE(informazioni.findChild<QLabel *>(QStringLiteral("Label5"))->text(),
                 QStringLiteral("Applicazione a %1 bit per Linux").arg(QT_POINTER_SIZE * 8));
    }

    void entrambe_testiInteriInChiaroEManina()
    {
        // Not at start-up: "&Chiudi", the longer caption.
        frmPresent presentazione(&padre, nomi, suoni);
        frmAbout informazioni(&padre, false);
        for (QWidget *d : std::initializer_list<QWidget *>{&presentazione, &informazioni}) {
            for (QLabel *l : d->findChildren<QLabel *>()) {
                if (l->isWindow())
                    continue; // a tooltip the mouse happened to raise
                QCOMPARE(l->textFormat(), Qt::PlainText);
                if (l->text().isEmpty())
                    continue;
                const QFontMetrics fm(l->font());
                QVERIFY2(fm.horizontalAdvance(l->text()) <= l->width() && fm.height() <= l->height(),
                         qPrintable(l->objectName()));
            }
            for (QAbstractButton *b : d->findChildren<QAbstractButton *>()) {
                int spazio = b->width() - 8;
                if (qobject_cast<QRadioButton *>(b)) {
                    QStyleOptionButton opzione;
                    opzione.initFrom(b);
                    spazio = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &opzione, b).width();
                }
                const QString mostrato = QString(b->text()).remove(QLatin1Char('&'));
                QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(mostrato) <= spazio, qPrintable(b->objectName()));
            }
        }
        const QFontMetrics fm(Frame1(&presentazione)->font());
        QVERIFY(fm.horizontalAdvance(Frame1(&presentazione)->title()) <= Frame1(&presentazione)->width() - 16);
        // The widest ten letters a name can hold stay whole in its box.
        QVERIFY(fm.horizontalAdvance(QStringLiteral("WWWWWWWWWW")) <= Nome(&presentazione, 0)->width() - 8);

        const QCursor mano = CursoreMano();
        const std::vector<QWidget *> cliccabili{
            Opzione(&presentazione, 0),       Opzione(&presentazione, 1),
            Bottone(&presentazione, "cmdOk"), Bottone(&informazioni, "Command1"),
            Bottone(&informazioni, "Check1"), Figlio<QLabel>(&informazioni, QStringLiteral("lblEmail"))};
        for (QWidget *w : cliccabili) {
            QCOMPARE(w->cursor().shape(), mano.shape());
            QCOMPARE(w->cursor().hotSpot(), mano.hotSpot());
        }
    }

    // After every dialog and message box above has been shown at its own size. Drawn enlarged,
    // below, they read the pictures' double-density PNGs, and Qt's PNG reader asks every image
    // plugin first, as it does on a screen of double density.
    void entrambe_nessunPluginDiImmagini()
    {
        std::string caricati;
        dl_iterate_phdr(
            [](dl_phdr_info *info, size_t, void *dati) {
                if (std::strstr(info->dlpi_name, "/imageformats/"))
                    static_cast<std::string *>(dati)->append(info->dlpi_name).append(" ");
                return 0;
            },
            &caricati);
        QCOMPARE(QString::fromStdString(caricati), QString());
    }

    // -----------------------------------------------------------------------------------------
    // Over the full screen

    // In full screen both kinds open in a window of their own, enlarged as the game is and centred
    // over it, and are answered where they are seen: by a tap on a button, or by keys.
    void schermoIntero_ingranditi()
    {
        QWidget gioco;
        gioco.resize(564, 370);
        SchermoIntero schermo(&gioco, QPixmap());
        schermo.Entra();
        QVERIFY(QTest::qWaitForWindowExposed(&schermo)); // the test screen's own size first
        schermo.resize(1920, 1080);
        const qreal f = schermo.Fattore();
        QVERIFY(f > 2.5);
        const QPoint centro = schermo.mapToGlobal(schermo.mapFromScene(schermo.RettangoloGioco().center()));
        auto ingrandito = [&](QWidget *w, QWidget *dialogo) {
            QVERIFY(w != dialogo);
            QTRY_COMPARE(QApplication::activeWindow(), w);
            QCOMPARE(w->windowTitle(), dialogo->windowTitle());
            QVERIFY(qAbs(w->width() - dialogo->width() * f) < 1 && qAbs(w->height() - dialogo->height() * f) < 1);
            QVERIFY((w->geometry().center() - centro).manhattanLength() <= 2);
            QVERIFY(dialogo->focusWidget() && dialogo->focusWidget()->hasFocus());
        };

        MessaggiReali messaggi;
        Messaggi::Risposta data{};
        QVERIFY(ConModale(
            [&] {
                data = messaggi.Mostra(&schermo, QStringLiteral("x"), QStringLiteral("T"), Messaggi::Icona::Domanda,
                                       Messaggi::Pulsanti::SiNo);
            },
            [&](QWidget *w) {
                auto *vista = w->findChild<QGraphicsView *>();
                QVERIFY(vista);
                auto *box = qobject_cast<QMessageBox *>(Incorporato(vista));
                QVERIFY(box);
                ingrandito(w, box);
                // Its sign made again for the enlarged size, not magnified.
                QCOMPARE(box->iconPixmap().devicePixelRatio(), f);
                QTest::keyClick(vista, Qt::Key_Escape); // a question must be answered
                QVERIFY(box->isVisible());
                const QPushButton *no = qobject_cast<QPushButton *>(box->button(QMessageBox::No));
                QTest::mouseClick(vista->viewport(), Qt::LeftButton, {},
                                  (QPointF(no->mapTo(box, no->rect().center())) * f).toPoint());
            }));
        QCOMPARE(int(data), int(Messaggi::Risposta::No));
        QVERIFY(!schermo.isHidden());

        QVERIFY(ConModale([&] { scelta = dialoghi.MostraPresentazione(&schermo, nomi); },
                          [&](QWidget *w) {
                              auto *vista = w->findChild<QGraphicsView *>();
                              QVERIFY(vista);
                              QWidget *presentazione = Incorporato(vista);
                              ingrandito(w, presentazione);
                              QTest::keyClick(vista, Qt::Key_Down); // two players, the first name box
                              QTest::keyClicks(vista, QStringLiteral("ada\tbruno"));
                              QTest::keyClick(vista, Qt::Key_Return);
                          }));
        QCOMPARE(scelta.NumGiocatori, Intero(2));
        QCOMPARE(scelta.NomeGiocatore, (Nomi{"Ada       ", "Bruno     "}));
    }

    // Drawn enlarged, as over the full screen, the dialogs' pictures are their double-density
    // versions pixel for pixel, not their own pixels magnified.
    void schermoIntero_figureDoppie()
    {
        frmPresent presentazione(&padre, nomi, suoni);
        frmAbout informazioni(&padre, false);
        const std::pair<QLabel *, QString> casi[]{
            {presentazione.findChild<QLabel *>(QStringLiteral("Image1")), QStringLiteral(":/images/bimbo0@2x.png")},
            {informazioni.findChild<QLabel *>(QStringLiteral("Image2")), QStringLiteral(":/images/busta@2x.png")}};
        for (const auto &[etichetta, doppia] : casi) {
            QVERIFY(etichetta);
            QImage attesa = QImage(doppia, "png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY(!attesa.isNull());
            attesa.setDevicePixelRatio(1.0); // compared as the pixels on the screen
            QImage tela(etichetta->size() * 2, QImage::Format_ARGB32_Premultiplied);
            tela.fill(Qt::transparent);
            QPainter p(&tela);
            p.scale(2, 2);
            etichetta->render(&p, {}, {}, QWidget::DrawChildren);
            p.end();
            QCOMPARE(tela.copy(QRect(QPoint(0, 0), attesa.size())), attesa);
        }
    }
};

QTEST_MAIN(TestDialoghi)
#include "test_dialoghi.moc"
