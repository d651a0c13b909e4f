// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPointF>

#include <initializer_list>

class QPainter;
class QPolygonF;

// The ink, weights and drawing helpers of the faces, the teacher, the people and the judgements,
// kept in one place so the whole set looks drawn by one hand. The objects have an ink of their
// own and pass it explicitly.
namespace pennello {

inline const QColor kInchiostro(28, 24, 22);
inline const QColor kBianco(255, 255, 255);
inline const QColor kRosso(225, 30, 35);
inline const QColor kOro(255, 200, 20);

inline constexpr qreal kBordo = 1.2;

QPen Penna(qreal larghezza = kBordo, const QColor &colore = kInchiostro);

// A bordo of 0 fills without any outline.
void Riempi(QPainter &p, const QPainterPath &forma, const QColor &colore, qreal bordo = kBordo);
void Linea(QPainter &p, const QPainterPath &traccia, qreal larghezza, const QColor &colore = kInchiostro);

QPainterPath Ellisse(qreal cx, qreal cy, qreal rx, qreal ry);
QPainterPath Curva(QPointF a, QPointF controllo, QPointF b);
QPainterPath Poligono(std::initializer_list<QPointF> punti);
QPainterPath Poligono(const QPolygonF &punti);

// Ink pupil with a white glint, neither outlined: an outline would fill a pupil this small.
void Pupilla(QPainter &p, QPointF centro, qreal rx, qreal ry, QPointF riflesso, qreal raggioRiflesso);

// A small tilted ellipse of light, without outline.
void Riflesso(QPainter &p, const QColor &colore, QPointF centro, qreal gradi, qreal rx, qreal ry);

// Mortarboard centred on its board. `mezzaAltezza` sets how much of the board's top we see;
// `profonditaCalotta` how far the cap reaches below it; `lunghezzaNappa` how far the tassel hangs.
void Tocco(QPainter &p, QPointF centro, qreal mezzaLarghezza, qreal mezzaAltezza, qreal profonditaCalotta,
           qreal lunghezzaNappa);

} // namespace pennello
