// SPDX-License-Identifier: MIT
#pragma once

#include "frmcercanum.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class Etichetta;
class QAccessibleInterface;
class QWidget;

// What a screen reader says aloud of the game window: every whole message once, when it is
// complete, and the answers left whenever asked for.
//
// Orca presents neither a label's text changes nor its name changes unless the label has the
// focus, and the focus stays on the answer box. What it does speak is a notification that
// shows inside a status bar: its name alone, without naming its role. So the window gets an
// empty status bar over the far end of the ball track, whose name is the count of answers
// (Orca reads it on its "speak the status bar" command), holding notifications that are shown
// afresh with each message. Neither paints anything.
class Avvisi : public QObject
{
    Q_OBJECT
public:
    explicit Avvisi(frmCercanum *finestra);

    // What is said at that moment, from what the window's labels show now; empty for none.
    QString Testo(frmCercanum::Momento momento) const;
    // The status bar's name.
    QString Conteggio() const;
    // The latest message said.
    QString Ultimo() const { return ultimo; }

    // While the range is typed out and blinks, the message area's changes are held back, to be
    // told as one change at the end: letter by letter they would only keep the reader busy.
    // True when this change of the label is not to be told now.
    bool Trattiene(const QObject *etichetta, const QString &dopo);

    // The interfaces of the status bar and the notification.
    static QAccessibleInterface *Interfaccia(const QString &classe, QObject *oggetto);

    static QWidget *Barra(const QWidget *finestra);

private:
    void AlMomento(frmCercanum::Momento momento);
    void Annuncia(const QString &testo);
    void ContatoreCambiato();
    Etichetta *Label(const char *nome) const;

    frmCercanum *finestra;
    QWidget *barra;
    std::array<QWidget *, 4> notifiche{};
    std::size_t prossima = 0;
    QPointer<Etichetta> messaggio;
    bool battitura = false;
    QString primaDellaBattitura;
    QString ultimo;
};
