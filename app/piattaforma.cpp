// SPDX-License-Identifier: MIT
#include "piattaforma.h"

#include <QString>
#include <QStringList>

// GNOME's compositor draws no title bars for Wayland windows and lets none of them place itself:
// Qt would draw its own, with a maximise button, and open every dialog and box at the top-left
// corner. Its XWayland windows get GNOME's own title bars, with the buttons each window asks for,
// and the placements hold. Other Wayland desktops (KDE, sway) draw both, so Qt's choice stands
// there; and so does a platform the user chose.
QByteArray PiattaformaPreferita()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return {};
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
                         || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QStringList desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'));
    if (wayland && desktop.contains(QLatin1String("GNOME"), Qt::CaseInsensitive))
        return QByteArrayLiteral("xcb");
    return {};
}

void ScegliPiattaforma()
{
    if (const QByteArray scelta = PiattaformaPreferita(); !scelta.isEmpty())
        qputenv("QT_QPA_PLATFORM", scelta);
}
