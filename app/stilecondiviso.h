// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The program's style: another style (Fusion) whose push buttons are drawn with one shared
// palette per set of colours (Tavolozza::Condivisa). The bevel cache is keyed by palette identity,
// and every dialog opening gives its buttons new palettes: without this each information window
// left its bevels behind in the pixmap cache.
class StileCondiviso : public QProxyStyle
{
public:
    explicit StileCondiviso(QStyle *base);
    void drawControl(ControlElement elemento, const QStyleOption *opzione, QPainter *pittore,
                     const QWidget *widget) const override;
};
