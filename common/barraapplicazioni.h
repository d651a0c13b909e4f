// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// The desktop's task bar lists the game's window only, not its small tool windows.
class BarraApplicazioni
{
public:
    // Marks a top-level window, before it is first shown, as one the task bar skips. On a
    // display other than X11, or in a build without XCB, there is nothing to mark.
    static void Escludi(QWidget *finestra);
};
