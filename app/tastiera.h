// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// Called when a dialog or a message box has closed: the window under it takes the keyboard back.
// A window manager would give it the focus; without one (a kiosk, a classroom account that runs
// only the game) the X focus would go nowhere, and Enter would no longer press "Nuovo Numero".
// Activating the window asks the window manager when there is one and sets the X focus when not.
inline void RestituisciTastiera(QWidget *padre)
{
    if (padre)
        padre->window()->activateWindow();
}
