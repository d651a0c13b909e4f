// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

// A picture at its natural size, transparent pixels left unpainted.
class Immagine : public QWidget
{
    Q_OBJECT
public:
    explicit Immagine(QWidget *parent);

    const QPixmap &Figura() const { return figura; }
    void ImpostaFigura(const QPixmap &f);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap figura;
};
