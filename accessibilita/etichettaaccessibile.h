// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class Etichetta;

// A game label as assistive technology reads it: static text whose value is what it shows and
// whose name is its role on the board followed by that text ("Numero 4, giocatore 1: 85"), or
// the text alone for the message areas.
class EtichettaAccessibile : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit EtichettaAccessibile(Etichetta *etichetta);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType tipo) override;

    // The text as read: line breaks as single newlines.
    QString Letto() const;

    // Static text: no caret, no selection.
    void selection(int indice, int *inizio, int *fine) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int inizio, int fine) const override;
    int characterCount() const override { return static_cast<int>(Letto().size()); }
    QRect characterRect(int posizione) const override;
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int posizione, int *inizio, int *fine) const override;

private:
    const Etichetta *Etic() const;
};
