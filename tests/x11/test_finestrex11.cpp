// SPDX-License-Identifier: MIT
// The two small windows as an X11 desktop sees them: off the task bar and without an icon,
// while the game window keeps its icon. And the X selection, which only a real X server has,
// pasted into the answer box with the middle button.
#include "banco.h"
#include "caratteri.h"
#include "cerca.h"
#include "frmabout.h"
#include "frmpresent.h"
#include "suoni.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QTest>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

xcb_connection_t *Connessione()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atomo(const char *nome)
{
    xcb_connection_t *c = Connessione();
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(nome), nome), nullptr);
    const xcb_atom_t a = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

// The 32-bit values of a property of the window; empty when it has none.
std::vector<std::uint32_t> Proprieta(const QWidget &w, const char *nome)
{
    xcb_connection_t *c = Connessione();
    const auto cookie = xcb_get_property(c, 0, static_cast<xcb_window_t>(w.winId()), Atomo(nome),
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16);
    xcb_get_property_reply_t *r = xcb_get_property_reply(c, cookie, nullptr);
    std::vector<std::uint32_t> valori;
    if (r && r->format == 32) {
        const auto *dati = static_cast<const std::uint32_t *>(xcb_get_property_value(r));
        valori.assign(dati, dati + xcb_get_property_value_length(r) / 4);
    }
    std::free(r);
    return valori;
}

bool Contiene(const std::vector<std::uint32_t> &v, std::uint32_t x)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

class TestFinestreX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!Connessione())
            QSKIP("needs an X11 display (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
        Caratteri::ImpostaPerApplicazione();
    }

    void attrezziFuoriDallaBarraESenzaIcona()
    {
        QWidget gioco;
        QPixmap icona(32, 32);
        icona.fill(Qt::yellow);
        gioco.setWindowIcon(icona); // as the game window has its own
        gioco.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gioco));
        QVERIFY(!Proprieta(gioco, "_NET_WM_ICON").empty());

        Suoni suoni(nullptr);
        frmPresent presentazione(&gioco, {}, suoni);
        frmAbout informazioni(&gioco, true);
        for (QWidget *d : std::initializer_list<QWidget *>{&presentazione, &informazioni}) {
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            QVERIFY2(Contiene(Proprieta(*d, "_NET_WM_STATE"), Atomo("_NET_WM_STATE_SKIP_TASKBAR")),
                     qPrintable(d->objectName()));
            QVERIFY2(Proprieta(*d, "_NET_WM_ICON").empty(), qPrintable(d->objectName()));
            d->hide();
        }
        QVERIFY(!Contiene(Proprieta(gioco, "_NET_WM_STATE"), Atomo("_NET_WM_STATE_SKIP_TASKBAR")));
    }

    // Only digits get in, as typed ones.
    void tastoCentraleIncollaSoloCifre()
    {
        Banco b;
        frmCercanum &f = b.Avvia();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        Cerca::NuovoNumero(b, 5);
        QLineEdit *casella = Cerca::Casella(f);
        QVERIFY(QGuiApplication::clipboard()->supportsSelection());
        for (const auto &[selezione, atteso] : {std::pair{"a-1", ""}, std::pair{"9", "9"}, std::pair{"1x", "9"}}) {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(selezione), QClipboard::Selection);
            QTest::mouseClick(casella, Qt::MiddleButton, {}, casella->rect().center());
            QCOMPARE(casella->text(), QString::fromLatin1(atteso));
        }
    }
};

QTEST_MAIN(TestFinestreX11)
#include "test_finestrex11.moc"
