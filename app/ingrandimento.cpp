// SPDX-License-Identifier: MIT
#include "ingrandimento.h"

#include "finestradistrutta.h"
#include "schermointero.h"
#include "tastiera.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>
#include <optional>

// The X focus reaching a window is an XCB event; without XCB's header there is no such look.
#if __has_include(<xcb/xcb.h>) && QT_CONFIG(xcb) && !defined(CERCANUM_RIPIEGHI)
#define CERCANUM_FUOCO_X 1
#include <xcb/xcb.h>
#endif

namespace {

// sway gives the keyboard to a window clicked under its dialog and stacks it over the dialog, and
// there a client can neither raise a window nor take the keyboard back (asking only marks it
// urgent): the dialog would wait unseen under a game that answers nothing. Shown again, it is a
// new window, which sway puts on top with the keyboard. On Wayland Qt says that the window under
// was activated; through XWayland only the X focus arriving there tells, since Qt passes it on to
// the dialog itself. GNOME, KDE and openbox hand the keyboard to the dialog themselves, so the
// window under it gets neither and nothing is shown again there.
class DavantiAlModale : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit DavantiAlModale(QDialog &m)
        : modale(m)
    {
        const QString piattaforma = QGuiApplication::platformName();
        wayland = piattaforma.startsWith(QLatin1String("wayland"));
        if (wayland || piattaforma == QLatin1String("xcb"))
            qApp->installEventFilter(this);
#ifdef CERCANUM_FUOCO_X
        if (piattaforma == QLatin1String("xcb"))
            qApp->installNativeEventFilter(this);
#endif
    }
    ~DavantiAlModale() override;

    // Runs the modal loop again each time it was left only to be shown anew.
    int Esegui()
    {
        int esito;
        do {
            // A new native window, as on Wayland: an X window mapped again at once, before the
            // window manager has taken in its withdrawal, was left unmapped or unfocused by
            // sway 1.10's XWayland.
            if (daRiaprire)
                if (QWindow *finestra = modale.windowHandle())
                    finestra->destroy();
            daRiaprire = false;
            esito = modale.exec();
        } while (daRiaprire);
        return esito;
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::WindowActivate && oggetto->isWidgetType())
            if (const auto *w = static_cast<QWidget *>(oggetto); w->isWindow()) {
                if (w == &modale)
                    avutaLaTastiera = true;
                else if (wayland)
                    RiapriSeSotto(w);
            }
        return false;
    }

    bool nativeEventFilter(const QByteArray &tipo, void *messaggio, qintptr *) override
    {
#ifdef CERCANUM_FUOCO_X
        const auto *e = static_cast<const xcb_generic_event_t *>(messaggio);
        if (tipo != "xcb_generic_event_t" || (e->response_type & 0x7f) != XCB_FOCUS_IN)
            return false;
        const auto *fuoco = reinterpret_cast<const xcb_focus_in_event_t *>(e);
        if (fuoco->mode == XCB_NOTIFY_MODE_GRAB || fuoco->mode == XCB_NOTIFY_MODE_UNGRAB)
            return false;
        if (QWidget *w = QWidget::find(WId(fuoco->event)); w && w->isWindow())
            RiapriSeSotto(w);
#else
        Q_UNUSED(tipo)
        Q_UNUSED(messaggio)
#endif
        return false;
    }

private:
    // Only once the dialog has had the keyboard and lost it: a window manager that keeps giving it
    // to the window under would otherwise have the dialog shown again and again.
    void RiapriSeSotto(const QWidget *w)
    {
        if (!avutaLaTastiera || daRiaprire || !modale.isVisible() || w == &modale || modale.isAncestorOf(w))
            return;
        daRiaprire = true;
        avutaLaTastiera = false;
        modale.hide(); // ends this turn of the loop
    }

    QDialog &modale;
    bool wayland = false;
    bool daRiaprire = false;
    bool avutaLaTastiera = false;
};

// Out of the class: the two releases' clang-format would lay it out differently inside.
DavantiAlModale::~DavantiAlModale()
{
    qApp->removeNativeEventFilter(this);
}

} // namespace

Ingrandimento::Ingrandimento(QDialog &c, qreal f, QWidget *padre)
    : QDialog(padre, c.windowFlags())
    , contenuto(c)
    , fattore(f)
    , vista(new QGraphicsView(&scena, this))
{
    setWindowTitle(contenuto.windowTitle());
    setWindowIcon(contenuto.windowIcon());
    auto *strato = new QVBoxLayout(this);
    strato->setContentsMargins(0, 0, 0, 0);
    strato->addWidget(vista);
    SchermoIntero::ImpostaVista(*vista);
    vista->setTransform(QTransform::fromScale(fattore, fattore));
    setFocusProxy(vista);
    // Shown by this window's modal loop, not by one of its own.
    contenuto.setModal(false);
    // Placed by hand: a dialog shown without a place would centre itself in the scene.
    contenuto.move(0, 0);
    proxy = scena.addWidget(&contenuto, Qt::Widget);
    connect(&contenuto, &QDialog::finished, this, &QDialog::done);
}

Ingrandimento::~Ingrandimento()
{
    // The proxy would take the dialog down with it; the dialog belongs to its opener.
    proxy->setWidget(nullptr);
}

int Ingrandimento::Esegui(QPoint c)
{
    centro = c;
    RifaiSegno();
    // A dialog may settle its size only once shown, as a message box does: the window follows.
    connect(proxy, &QGraphicsWidget::geometryChanged, this, &Ingrandimento::Adatta);
    contenuto.show();
    Adatta();
    DavantiAlModale(*this).Esegui();
    return contenuto.result();
}

// The window's client area, not its frame, is centred: over a full screen nothing else tells
// where a window manager's title bar goes.
void Ingrandimento::Adatta()
{
    const QSizeF dentro = contenuto.size();
    scena.setSceneRect(QRectF(QPointF(0, 0), dentro));
    proxy->setPos(0, 0);
    const QSize fuori(int(std::ceil(dentro.width() * fattore)), int(std::ceil(dentro.height() * fattore)));
    setFixedSize(fuori);
    setGeometry(QRect(centro - QPoint(fuori.width() / 2, fuori.height() / 2), fuori));
}

// Focus given before the window is active would not reach the dialog's controls. A dialog with
// no control chosen starts from the first, as a window of its own does when activated.
bool Ingrandimento::event(QEvent *evento)
{
    const bool esito = QDialog::event(evento);
    if (evento->type() == QEvent::WindowActivate) {
        vista->setFocus();
        proxy->setFocus(contenuto.focusWidget() ? Qt::ActiveWindowFocusReason : Qt::TabFocusReason);
    }
    return esito;
}

// A message box's sign is a picture made at its own size, which the enlargement would magnify:
// made again for the enlarged size, from the same drawing.
void Ingrandimento::RifaiSegno()
{
    auto *box = qobject_cast<QMessageBox *>(&contenuto);
    if (!box)
        return;
    QStyle::StandardPixmap quale;
    switch (box->icon()) {
    case QMessageBox::Critical: quale = QStyle::SP_MessageBoxCritical; break;
    case QMessageBox::Warning: quale = QStyle::SP_MessageBoxWarning; break;
    case QMessageBox::Question: quale = QStyle::SP_MessageBoxQuestion; break;
    case QMessageBox::Information: quale = QStyle::SP_MessageBoxInformation; break;
    default: return;
    }
    const QSize lato = box->iconPixmap().deviceIndependentSize().toSize();
    if (lato.isEmpty())
        return;
    box->setIconPixmap(box->style()->standardIcon(quale, nullptr, box).pixmap(lato, fattore));
}

// The close box asks the dialog, which decides as it would in a window of its own (a question
// must be answered).
void Ingrandimento::closeEvent(QCloseEvent *evento)
{
    evento->ignore();
    contenuto.close();
}

// Esc and Enter are the dialog's to handle; what it leaves must not end this window behind it.
void Ingrandimento::keyPressEvent(QKeyEvent *evento)
{
    evento->ignore();
}

EsitoDialogo EseguiSopra(QDialog &dialogo, QWidget *padre)
{
    std::optional<Ingrandimento> ingrandimento;
    QPoint centro;
    if (auto *schermo = qobject_cast<SchermoIntero *>(padre); schermo && schermo->Attivo()) {
        ingrandimento.emplace(dialogo, schermo->Fattore(), schermo);
        centro = schermo->mapToGlobal(schermo->mapFromScene(schermo->RettangoloGioco().center()));
    }
    QDialog *finestra = ingrandimento ? &*ingrandimento : &dialogo;
    EsitoDialogo esito{};
    // Its window gone, the dialog ends as its close box would end it; one that refuses to close
    // (a question to be answered) ends without an answer, and the caller hears why.
    const FinestraDistrutta guardia([finestra](const QWidget &w) { return &w == finestra; },
                                    [finestra, &esito](QWidget &) {
                                        esito.persa = true;
                                        finestra->close();
                                        if (finestra->isVisible())
                                            finestra->done(QDialog::Rejected);
                                    });
    esito.risultato = ingrandimento ? ingrandimento->Esegui(centro) : DavantiAlModale(dialogo).Esegui();
    // The window under it takes the keyboard back.
    Tastiera::Prendi(padre);
    return esito;
}
