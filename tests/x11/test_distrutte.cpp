// SPDX-License-Identifier: MIT
// The game's boxes and dialogs whose X window another client destroys (as `xdotool windowclose`
// does): each ends as its close box would end it, in a window of its own and enlarged over the
// full screen; a question, which has no close box, is asked again in a new window.
#include "banco.h"
#include "dialoghireali.h"
#include "messaggireali.h"
#include "schermointero.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace {

bool SuX11()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>() != nullptr;
}

// From a connection of its own, as another client would; done once the server has done it.
void DistruggiDaFuori(WId id)
{
    xcb_connection_t *altro = xcb_connect(nullptr, nullptr);
    xcb_destroy_window(altro, static_cast<xcb_window_t>(id));
    std::free(xcb_get_input_focus_reply(altro, xcb_get_input_focus(altro), nullptr));
    xcb_disconnect(altro);
}

// Watches for the modal windows the code under test opens: the first `distrutte` of them have
// their window destroyed from outside once on the screen, the next is handed to `rispondi`.
// A window that never ends stops the test.
class Sorvegliante
{
public:
    Sorvegliante(int distrutte, std::function<void(QWidget &)> rispondi = {})
        : distrutte(distrutte)
        , rispondi(std::move(rispondi))
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { Guarda(); });
        timer.start(5);
        QObject::connect(&limite, &QTimer::timeout, [] { qFatal("a window destroyed from outside never ended"); });
        limite.start(10000);
    }
    std::vector<WId> visti;

private:
    void Guarda()
    {
        QWidget *m = QApplication::activeModalWidget();
        if (!m || !m->windowHandle() || !m->windowHandle()->isExposed())
            return;
        const WId id = m->winId();
        if (!visti.empty() && visti.back() == id)
            return; // destroyed, and not ended yet
        visti.push_back(id);
        if (int(visti.size()) <= distrutte) {
            DistruggiDaFuori(id);
            return;
        }
        timer.stop();
        if (rispondi)
            rispondi(*m);
    }

    int distrutte;
    std::function<void(QWidget &)> rispondi;
    QTimer timer, limite;
};

} // namespace

class TestDistrutte : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!SuX11())
            QSKIP("needs an X11 display (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    }

    void finisconoComeChiuse_data()
    {
        QTest::addColumn<bool>("ingrandite");
        QTest::newRow("in a window") << false;
        QTest::newRow("over the full screen") << true;
    }
    void finisconoComeChiuse()
    {
        QFETCH(bool, ingrandite);
        Banco b;
        frmCercanum &f = b.Avvia();
        QWidget *padre = &f;
        if (ingrandite) {
            QTest::keyClick(f.focusWidget(), Qt::Key_F11);
            QVERIFY(f.Schermo() && f.Schermo()->Attivo());
            padre = f.Schermo();
        }
        QVERIFY(QTest::qWaitForWindowExposed(padre->window()));
        MessaggiReali messaggi;
        DialoghiReali dialoghi(b.suoni);
        {
            const Sorvegliante s(1);
            QCOMPARE(messaggi.Mostra(padre, QStringLiteral("Devi scrivere un numero"), QStringLiteral("Errore"),
                                     Messaggi::Icona::Stop, Messaggi::Pulsanti::Ok),
                     Messaggi::Risposta::Ok);
            QCOMPARE(s.visti.size(), std::size_t(1));
        }
        {
            const Sorvegliante s(1);
            dialoghi.MostraInformazioni(padre, false);
            QCOMPARE(s.visti.size(), std::size_t(1));
        }
        {
            const Sorvegliante s(1);
            QCOMPARE(dialoghi.MostraPresentazione(padre, {}).NumGiocatori, Intero(1));
            QCOMPARE(s.visti.size(), std::size_t(1));
        }
        // The game's window took the keyboard back after each.
        QTRY_VERIFY(padre->window()->isActiveWindow());
    }

    void domandaRichiestaInUnaNuova()
    {
        QWidget padre;
        padre.resize(300, 200);
        padre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&padre));
        MessaggiReali messaggi;
        const Sorvegliante s(
            2, [](QWidget &box) { qobject_cast<QMessageBox *>(&box)->button(QMessageBox::Yes)->click(); });
        QCOMPARE(messaggi.Mostra(&padre, QStringLiteral("Vuoi iniziare un nuovo gioco?"), QStringLiteral("Cercanum"),
                                 Messaggi::Icona::Domanda, Messaggi::Pulsanti::SiNo),
                 Messaggi::Risposta::Si);
        QCOMPARE(s.visti.size(), std::size_t(3)); // three windows: two destroyed, one answered
    }
};

QTEST_MAIN(TestDistrutte)
#include "test_distrutte.moc"
