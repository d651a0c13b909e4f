// SPDX-License-Identifier: MIT
#include "pennello.h"

#include <QList>
#include <QPainter>
#include <QPolygonF>

namespace pennello {

namespace {

const QColor kNeroTocco(40, 40, 48);
const QColor kNeroToccoLuce(85, 88, 105);

} // namespace

QPen Penna(qreal larghezza, const QColor &colore)
{
    return QPen(colore, larghezza, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Riempi(QPainter &p, const QPainterPath &forma, const QColor &colore, qreal bordo)
{
    p.setPen(bordo > 0 ? Penna(bordo) : Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(forma);
}

void Linea(QPainter &p, const QPainterPath &traccia, qreal larghezza, const QColor &colore)
{
    p.setPen(Penna(larghezza, colore));
    p.setBrush(Qt::NoBrush);
    p.drawPath(traccia);
}

QPainterPath Ellisse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath e;
    e.addEllipse(QPointF(cx, cy), rx, ry);
    return e;
}

QPainterPath Curva(QPointF a, QPointF controllo, QPointF b)
{
    QPainterPath c(a);
    c.quadTo(controllo, b);
    return c;
}

QPainterPath Poligono(std::initializer_list<QPointF> punti)
{
    return Poligono(QPolygonF(QList<QPointF>(punti)));
}

QPainterPath Poligono(const QPolygonF &punti)
{
    QPainterPath f;
    f.addPolygon(punti);
    f.closeSubpath();
    return f;
}

void Pupilla(QPainter &p, QPointF centro, qreal rx, qreal ry, QPointF riflesso, qreal raggioRiflesso)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInchiostro);
    p.drawEllipse(centro, rx, ry);
    p.setBrush(kBianco);
    p.drawEllipse(riflesso, raggioRiflesso, raggioRiflesso);
}

void Riflesso(QPainter &p, const QColor &colore, QPointF centro, qreal gradi, qreal rx, qreal ry)
{
    p.save();
    p.translate(centro);
    p.rotate(gradi);
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

void Tocco(QPainter &p, QPointF centro, qreal mezzaLarghezza, qreal mezzaAltezza, qreal profonditaCalotta,
           qreal lunghezzaNappa)
{
    p.save();
    p.translate(centro);
    const qreal lc = mezzaLarghezza * 0.5;
    QPainterPath calotta(QPointF(-lc, 0));
    calotta.lineTo(QPointF(-lc * 0.96, profonditaCalotta - 1.6));
    calotta.quadTo(QPointF(0, profonditaCalotta + 1.2), QPointF(lc * 0.96, profonditaCalotta - 1.6));
    calotta.lineTo(QPointF(lc, 0));
    calotta.closeSubpath();
    Riempi(p, calotta, kNeroTocco);
    Riempi(p, Poligono({{0, -mezzaAltezza}, {mezzaLarghezza, 0}, {0, mezzaAltezza}, {-mezzaLarghezza, 0}}), kNeroTocco);
    // A lighter top face keeps board and cap from merging into one black blot.
    const qreal k = 0.68;
    Riempi(p,
           Poligono({{0, -mezzaAltezza * k}, {mezzaLarghezza * k, 0}, {0, mezzaAltezza * k}, {-mezzaLarghezza * k, 0}}),
           kNeroToccoLuce, 0);
    const QPointF angolo(mezzaLarghezza * 0.78, mezzaAltezza * 0.22);
    Linea(p, Curva(QPointF(0, 0), QPointF(angolo.x() * 0.7, 0.2), angolo), 1.2, kOro);
    const QPointF capo = angolo + QPointF(0.1, lunghezzaNappa);
    Linea(p, Curva(angolo, angolo + QPointF(0.3, lunghezzaNappa * 0.5), capo), 1.2, kOro);
    const qreal lf = 1.5 + lunghezzaNappa * 0.08;
    QPainterPath fiocco(capo + QPointF(-0.6, -0.6));
    fiocco.lineTo(capo + QPointF(0.6, -0.6));
    fiocco.lineTo(capo + QPointF(lf, 4.4));
    fiocco.lineTo(capo + QPointF(-lf, 4.4));
    fiocco.closeSubpath();
    Riempi(p, fiocco, kOro, 1.0);
    Riempi(p, Ellisse(0, 0, 1.4, 0.95), kOro, 0.9);
    p.restore();
}

} // namespace pennello
