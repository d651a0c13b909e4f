// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

// A straight line between two points of the parent, drawn by a widget just large enough for it.
class Linea : public QWidget
{
    Q_OBJECT
public:
    Linea(QWidget *parent, const QLine &estremi, int spessore, const QColor &colore);

    const QLine &Estremi() const { return estremi; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine estremi;
    int spessore;
    QColor colore;
};
