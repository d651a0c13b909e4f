// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QVariantMap>

class frmCercanum;
class QWidget;

// A second start brings the running copy to the front, as desktop programs do: the running copy
// holds a name on the user's session bus, and the second one asks it there to come forward with
// what its launcher gave it for that (the Wayland activation token, the X startup time), then
// leaves. The session bus is the user's own: another user reaches neither the name nor the copy,
// and the single-copy lock stays where it is. Without a session bus nothing is woken.
class Risveglio : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    // In the running copy: answers on the bus for the game window.
    explicit Risveglio(frmCercanum &gioco);

    // In a second copy: asks the running one to come forward; false when nobody answered.
    static bool Sveglia();

    // The X server time in a startup id ("…_TIME1234"), 0 when it carries none.
    static quint32 TempoDiAvvio(const QString &idAvvio);

public slots:
    // org.freedesktop.Application, as launchers call it too.
    Q_SCRIPTABLE void Activate(const QVariantMap &dati);

private:
    frmCercanum &gioco;
};
