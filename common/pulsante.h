// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QPushButton>

// A push button in the game's graphical style: its own background colour, a picture centred
// in it, above the caption when there is one.
class Pulsante : public QPushButton
{
    Q_OBJECT
public:
    explicit Pulsante(QWidget *parent);

    QColor Sfondo() const;
    void ImpostaSfondo(const QColor &c);
    void ImpostaFigura(const QPixmap &f);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap figura;
};
