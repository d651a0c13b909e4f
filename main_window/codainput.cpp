// SPDX-License-Identifier: MIT
#include "codainput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

bool Tasto(QEvent::Type t)
{
    return t == QEvent::KeyPress || t == QEvent::KeyRelease;
}

bool Clic(QEvent::Type t)
{
    return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick;
}

bool Input(QEvent::Type t)
{
    return Tasto(t) || t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease
           || t == QEvent::MouseButtonDblClick || t == QEvent::Wheel || t == QEvent::Close;
}

} // namespace

CodaInput::Presa::Presa(CodaInput &c, Livello l)
    : coda(c)
    , livello(l)
{
    ++(livello == Livello::Tutto ? coda.tutto : coda.pulsanti);
}

CodaInput::Presa::~Presa()
{
    --(livello == Livello::Tutto ? coda.tutto : coda.pulsanti);
    coda.Lascia();
}

CodaInput::CodaInput(QWidget *f, std::vector<QWidget *> r)
    : QObject(f)
    , finestra(f)
    , rinviabili(std::move(r))
{
    // The application's filter sees an event before the window system's part of the window
    // dispatches it, so a click waits whole, press and release, and a key before the key preview.
    QCoreApplication::instance()->installEventFilter(this);
}

CodaInput::~CodaInput()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void CodaInput::Scarta(const QObject *destinatario)
{
    std::erase_if(coda, [destinatario](const Trattenuto &t) { return t.destinatario == destinatario; });
}

bool CodaInput::Rinviabile(const QObject *oggetto) const
{
    return std::find(rinviabili.begin(), rinviabili.end(), oggetto) != rinviabili.end();
}

bool CodaInput::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (!Input(evento->type()) || evento == inRiconsegna)
        return false;
    const bool diFinestra = oggetto->isWindowType() && oggetto == finestra->windowHandle();
    const bool diControllo = oggetto->isWidgetType() && static_cast<QWidget *>(oggetto)->window() == finestra;
    if (!diFinestra && !diControllo)
        return false;
    const bool tuttoFermo = tutto > 0 || rilascioInArrivo;
    if (!tuttoFermo && !(pulsanti > 0 && Rinviabile(oggetto)))
        return false;
    coda.push_back(
        {oggetto, std::unique_ptr<QEvent>(evento->clone()), tuttoFermo && diControllo && Tasto(evento->type())});
    return true;
}

void CodaInput::Lascia()
{
    if (tutto > 0 || pulsanti > 0 || coda.empty() || rilascioInArrivo)
        return;
    // Handled from the event loop, once the handler that held it has returned; whatever comes
    // meanwhile queues up behind.
    rilascioInArrivo = true;
    QMetaObject::invokeMethod(this, &CodaInput::Rilascia, Qt::QueuedConnection);
}

void CodaInput::Rilascia()
{
    rilascioInArrivo = false;
    std::deque<Trattenuto> daRendere;
    daRendere.swap(coda);
    // A key may start a step that holds everything again: what follows it waits for that one.
    while (!daRendere.empty() && tutto == 0) {
        Trattenuto t = std::move(daRendere.front());
        daRendere.pop_front();
        QObject *destinatario = t.destinatario;
        if (t.alFuoco)
            destinatario = finestra->focusWidget() ? finestra->focusWidget() : finestra;
        // A click held on a control that has since been hidden or disabled could not have
        // reached it: a click is handed to what is under the pointer when it is handled.
        if (Clic(t.evento->type()) && destinatario && destinatario->isWidgetType()) {
            const auto *controllo = static_cast<QWidget *>(destinatario);
            if (!controllo->isVisible() || !controllo->isEnabled())
                destinatario = nullptr;
        }
        if (destinatario) {
            // Without this, a key that started and finished a step of its own would leave the
            // older keys behind it queued again after the newer ones.
            const QEvent *prima = std::exchange(inRiconsegna, t.evento.get());
            QCoreApplication::sendEvent(destinatario, t.evento.get());
            inRiconsegna = prima;
        }
    }
    for (Trattenuto &t : coda)
        daRendere.push_back(std::move(t));
    coda.swap(daRendere);
    Lascia();
}
