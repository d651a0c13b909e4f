// SPDX-License-Identifier: MIT
#include "schermointero.h"

#include "disposizione.h"
#include "tastiera.h"
#include "tastierino.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QScreen>

#include <algorithm>

namespace D = Disposizione;

SchermoIntero::SchermoIntero(QWidget *g, const QPixmap &t)
    : gioco(g)
    , bandiereGioco(g->windowFlags())
    , tessera(t)
{
    setObjectName(QStringLiteral("schermoIntero"));
    setWindowTitle(gioco->windowTitle());
    setWindowIcon(gioco->windowIcon());
    ImpostaVista(*this);
    // Only what changed is painted again, as in the window: a gliding ball repaints its own path.
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setOptimizationFlag(QGraphicsView::DontSavePainterState);
    // The paper around the window is the same at every frame: drawn once, at this size.
    setCacheMode(QGraphicsView::CacheBackground);
    setScene(&scena);
    // A tap on the pad or on the paper must leave the focus in the game.
    scena.setStickyFocus(true);

    tasti = new Tastierino;
    proxyTasti = scena.addWidget(tasti);
}

SchermoIntero::~SchermoIntero()
{
    Rilascia();
}

void SchermoIntero::ImpostaVista(QGraphicsView &vista)
{
    vista.setFrameShape(QFrame::NoFrame);
    vista.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    vista.setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

QRectF SchermoIntero::RettangoloGioco() const
{
    return proxyGioco ? proxyGioco->sceneBoundingRect() : QRectF();
}

QRectF SchermoIntero::RettangoloTastierino() const
{
    return proxyTasti->sceneBoundingRect();
}

void SchermoIntero::Entra()
{
    if (Attivo())
        return;
    // Each time in is a new window, as the first was. One shown again keeps what the compositor
    // last told it (on Wayland: full screen), and the first configure of its new surface, not yet
    // full screen, would then read as leaving it.
    if (!isVisible() && internalWinId())
        destroy();
    const bool visibile = gioco->isVisible();
    gioco->hide();
    proxyGioco = scena.addWidget(gioco, Qt::Widget);
    // The screen's paper lies under the window already: the plain colour a window is cleared with
    // would hide it.
    gioco->setAttribute(Qt::WA_NoSystemBackground, true);
    if (visibile)
        gioco->show();
    if (QScreen *schermo = gioco->screen())
        setGeometry(schermo->geometry());
    Disponi();
    showFullScreen();
    Tastiera::Prendi(this);
    proxyGioco->setFocus();
}

void SchermoIntero::Esci()
{
    if (!Attivo())
        return;
    const bool visibile = gioco->isVisible();
    const QPoint centro = geometry().center();
    Rilascia();
    hide();
    // Out of full screen while hidden, so that going in again is a change of state, sent to the
    // compositor as the first one was.
    setWindowState(Qt::WindowNoState);
    gioco->hide();
    gioco->setWindowFlags(bandiereGioco);
    gioco->move(centro - gioco->rect().center());
    if (visibile) {
        gioco->show();
        Tastiera::Prendi(gioco);
    }
}

void SchermoIntero::Rilascia()
{
    if (!proxyGioco)
        return;
    // The proxy would take the window down with it.
    proxyGioco->setWidget(nullptr);
    gioco->setAttribute(Qt::WA_NoSystemBackground, false);
    delete proxyGioco;
    proxyGioco = nullptr;
}

void SchermoIntero::Disponi()
{
    const QSizeF spazio = viewport()->size();
    scena.setSceneRect(QRectF(QPointF(0, 0), spazio));
    const qreal larghezza = D::LarghezzaClient + D::Tastierino::Distacco + D::Tastierino::Larghezza;
    fattore = std::min(spazio.width() / larghezza, spazio.height() / D::AltezzaClient);
    const QPointF angolo((spazio.width() - larghezza * fattore) / 2,
                         (spazio.height() - D::AltezzaClient * fattore) / 2);
    if (proxyGioco) {
        proxyGioco->setScale(fattore);
        proxyGioco->setPos(angolo);
    }
    proxyTasti->setScale(fattore);
    proxyTasti->setPos(angolo.x() + (D::LarghezzaClient + D::Tastierino::Distacco) * fattore,
                       angolo.y() + (D::AltezzaClient - D::Tastierino::Altezza) * fattore / 2);
    // The paper goes on from the window's corner at the same enlargement, as one sheet.
    QBrush carta(tessera);
    carta.setTransform(QTransform::fromTranslate(angolo.x(), angolo.y()).scale(fattore, fattore));
    setBackgroundBrush(carta);
}

void SchermoIntero::resizeEvent(QResizeEvent *evento)
{
    QGraphicsView::resizeEvent(evento);
    Disponi();
}

void SchermoIntero::changeEvent(QEvent *evento)
{
    QGraphicsView::changeEvent(evento);
    // The window manager took it out of full screen: the window comes back at its own size. Some
    // report it maximised then (sway to an X window), which this window never is on its own.
    if (evento->type() == QEvent::WindowStateChange && Attivo() && isVisible()
        && !(windowState() & Qt::WindowFullScreen)
        && (static_cast<QWindowStateChangeEvent *>(evento)->oldState() & Qt::WindowFullScreen))
        Esci();
}

void SchermoIntero::closeEvent(QCloseEvent *evento)
{
    // The close box ends the game, as the window's own does.
    evento->ignore();
    gioco->close();
}
