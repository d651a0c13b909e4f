// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QWidget;

// What assistive technology says of each control of the three windows, found by the window's
// and the control's object names; members of a control array by their index.
class TabellaAccessibile
{
public:
    struct Voce
    {
        QString nome;               // empty: the control's own text is its name
        QString descrizione;        // empty: none beyond the tooltip
        bool testoComeNome = false; // a message area: its text is its name, `nome` only while empty
    };

    static std::optional<Voce> Cerca(const QString &finestra, const QString &controllo);
    static std::optional<Voce> Per(const QWidget *w);
};
