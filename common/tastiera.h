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

// Asks for the window of `w` to come to the front with the keyboard, on behalf of what the user did
// at X server time `tempo` (0: unknown), so a window manager that guards the focus lets it.
void Chiedi(QWidget *w, unsigned int tempo);

// The X server's time now, through a connection of its own; 0 without an X display.
unsigned int OraX();

} // namespace Tastiera
