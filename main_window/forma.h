// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

// A filled circle with a one-pixel outline in window text.
class Forma : public QWidget
{
    Q_OBJECT
public:
    explicit Forma(QWidget *parent);

    QColor Riempimento() const { return riempimento; }
    void ImpostaRiempimento(const QColor &c);
    Forma *Copia() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor riempimento;
};
