// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QPushButton>

class QPainter;

// A push button in the game's graphical style: its own background colour, a picture centred
// in it, above the caption when there is one; the classic 3-D frame, a black line round it on
// the default button, and a dotted rectangle inside while it has the focus.
class Pulsante : public QPushButton
{
    Q_OBJECT
public:
    explicit Pulsante(QWidget *parent);

    QColor Sfondo() const;
    void ImpostaSfondo(const QColor &c);
    void ImpostaFigura(const QPixmap &f);
    // The default button of a dialog: Enter presses it wherever the focus is in the dialog. A
    // desktop's theme may let Enter press the focused button instead (GNOME's does, a radio
    // button or a toggle included); Space still presses the focused one.
    void ImpostaPredefinito();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void RettangoloPunteggiato(QPainter &p, const QRect &r);

    QPixmap figura;
};
