// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <array>

class frmCercanum;
class QAccessibleInterface;
class QWidget;

// What a screen reader says aloud of the game window: each sentence the window says, once, and
// the answers left whenever asked for.
//
// Orca presents neither a label's text changes nor its name changes unless the label has the
// focus, and the focus stays on the answer box. What it does speak is a notification that
// shows inside a status bar: its name alone, without naming its role. So the window gets an
// empty status bar over the far end of the ball track, whose name is the count of answers
// (Orca reads it on its "speak the status bar" command), holding notifications that are shown
// afresh with each sentence. Neither paints anything.
class Avvisi : public QObject
{
    Q_OBJECT
public:
    explicit Avvisi(frmCercanum *finestra);

    // The status bar's name.
    QString Conteggio() const;

    // Says `testo` aloud. The one place to hand over to Qt's own announcements, where it has them.
    void Annuncia(const QString &testo);

    // The interfaces of the status bar and the notification.
    static QAccessibleInterface *Interfaccia(const QString &classe, QObject *oggetto);

    static QWidget *Barra(const QWidget *finestra);

private:
    QWidget *barra;
    std::array<QWidget *, 4> notifiche{};
    std::size_t prossima = 0;
};
