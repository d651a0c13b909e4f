// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label whose picture, when it is drawn enlarged (a dialog over the full screen), is painted from
// the picture's double-density version instead of being magnified; at its own size it is a plain
// label, pixel for pixel.
class EtichettaNitida : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *evento) override;
};
