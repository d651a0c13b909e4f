// SPDX-License-Identifier: MIT
#pragma once

class QObject;
class QString;
class QWidget;

// Makes the three windows readable by assistive technology: Italian names and descriptions for
// every control, interfaces for the game's own painted controls, and word of every change of a
// label's text (the messages, the verdicts, the scores).
class Accessibilita
{
public:
    // The interfaces of the painted controls and of the game window, for Qt to ask for from now on.
    // Before any window is built, once the application exists: Qt keeps the first interface it
    // makes for a widget, and from Qt 6.8 on setting a window's title already makes one. Factories
    // installed later are asked first, so not before the application, which installs its own.
    static void Installa();

    // Names every control of the window now and each one it polishes later (the board's
    // columns, the balls); installs the interfaces of the painted controls once.
    static void Prepara(QWidget *finestra);

    // A label went from `prima` to `dopo`: assistive technology hears what was removed and
    // what was inserted, and the label's new name.
    static void TestoCambiato(QObject *etichetta, const QString &prima, const QString &dopo);
};
