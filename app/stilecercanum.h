// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// Fusion, with the message boxes' stop, exclamation and question signs drawn by the game itself,
// and their buttons bare of pictures, like every other button of the game.
// The style would fetch them from the desktop's icon theme: the theme's index and Qt's image
// plugins cost about 1.5 MB for three small pictures, and they would look different on every
// machine.
class StileCercanum final : public QProxyStyle
{
public:
    StileCercanum();

    QIcon standardIcon(StandardPixmap segno, const QStyleOption *opzione = nullptr,
                       const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint suggerimento, const QStyleOption *opzione = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *ritorno = nullptr) const override;
};
