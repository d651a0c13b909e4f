// SPDX-License-Identifier: MIT
#pragma once

#include <QPainterPath>
#include <QString>

// The outline of a line of text in Liberation Sans Bold, baseline at y 0 starting at x 0, scaled
// so that capital letters are altezzaMaiuscole units tall; spaziatura is added between letters.
QPainterPath PercorsoTesto(const QString &testo, qreal altezzaMaiuscole, qreal spaziatura = 0);

// The same, one path per letter, each already moved to its place in the line.
QList<QPainterPath> PercorsiLettere(const QString &testo, qreal altezzaMaiuscole, qreal spaziatura = 0);

// The font file the outlines come from.
QString FileCarattere();
