// SPDX-License-Identifier: MIT
#include "ingrandimento.h"

#include "finestradistrutta.h"
#include "schermointero.h"
#include "tastiera.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

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
    vista->setFrameShape(QFrame::NoFrame);
    vista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    vista->setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
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
    exec();
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
    auto *segno = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    if (!segno || segno->pixmap().isNull())
        return;
    const QSize lato = segno->pixmap().deviceIndependentSize().toSize();
    segno->setPixmap(box->style()->standardIcon(quale, nullptr, box).pixmap(lato, fattore));
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
    esito.risultato = ingrandimento ? ingrandimento->Esegui(centro) : dialogo.exec();
    RestituisciTastiera(padre);
    return esito;
}
