// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace Tastiera {

// Gives the keyboard to the window of `w` when nobody else would: a window manager or a Wayland
// compositor hands it on by itself when a window opens or a dialog over it closes, and to ask
// them again is to ask for attention (sway marks the window urgent, GNOME says it is ready).
// Without one (a bare X server: a kiosk, a classroom account that runs only the game) the X focus
// would go nowhere, and Enter would no longer press "Nuovo Numero".
void Prendi(QWidget *w);

} // namespace Tastiera
