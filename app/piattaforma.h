// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The display platform the game asks Qt for when the user has set none, from the desktop's
// environment: "xcb" on GNOME's Wayland session, empty (Qt's own choice) elsewhere.
QByteArray PiattaformaPreferita();

// Sets it for the application object created next.
void ScegliPiattaforma();
