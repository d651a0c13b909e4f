// SPDX-License-Identifier: MIT
// The six judgement pictures.
#include "figure.h"
#include "pennello.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

using namespace pennello;

namespace {

const QColor kOroOmbra(215, 135, 0);
const QColor kOroLuce(255, 244, 170);
const QColor kRossoScuro(150, 15, 25);
const QColor kBlu(30, 90, 220);
const QColor kBluScuro(15, 50, 140);

} // namespace

void DisegnaGiudizio0(QPainter &p)
{
    Tocco(p, QPointF(16, 7.6), 14.6, 5.0, 6.6, 5.0);

    p.save();
    p.translate(15.4, 23.2);
    p.rotate(-16);
    const QColor carta(255, 248, 222), cartaOmbra(225, 205, 160);
    QPainterPath rotolo;
    rotolo.addRoundedRect(QRectF(-12.0, -3.4, 24.0, 6.8), 1.2, 1.2);
    Riempi(p, rotolo, carta, 0);
    p.setBrush(cartaOmbra);
    p.drawRect(QRectF(-11.6, 1.2, 21.4, 1.9));
    Linea(p, rotolo, kBordo);
    // The visible spiral at the end is what makes it a roll and not a stick.
    Riempi(p, Ellisse(12.0, 0, 1.9, 3.4), carta);
    Linea(p, Curva(QPointF(12.0, -1.2), QPointF(13.0, 0), QPointF(12.0, 1.2)), 0.9);
    Riempi(p, Poligono({{-1.9, -3.6}, {1.9, -3.6}, {1.9, 3.6}, {-1.9, 3.6}}), kRosso, 1.0);
    Riempi(p, Poligono({{0, 2.6}, {-3.2, 8.0}, {-1.0, 8.4}, {0, 4.8}}), kRosso, 1.0);
    Riempi(p, Poligono({{0, 2.6}, {3.2, 8.0}, {1.0, 8.4}, {0, 4.8}}), kRosso, 1.0);
    Riempi(p, Ellisse(-2.4, 2.6, 2.4, 1.5), kRosso, 1.0);
    Riempi(p, Ellisse(2.4, 2.6, 2.4, 1.5), kRosso, 1.0);
    Riempi(p, Ellisse(0, 2.6, 1.2, 1.2), kRossoScuro, 1.0);
    p.restore();
}

void DisegnaGiudizio1(QPainter &p)
{
    Tocco(p, QPointF(16, 11.0), 15.2, 6.6, 10.6, 11.0);
}

void DisegnaGiudizio2(QPainter &p)
{
    const QColor legno(140, 78, 36), legnoScuro(95, 50, 20);
    Riempi(p, Poligono({{6.0, 26.6}, {26.0, 26.6}, {27.0, 31.0}, {5.0, 31.0}}), legnoScuro);
    Riempi(p, Poligono({{9.0, 21.8}, {23.0, 21.8}, {24.0, 26.6}, {8.0, 26.6}}), legno);
    Riempi(p, Poligono({{12.4, 23.2}, {19.6, 23.2}, {19.6, 25.4}, {12.4, 25.4}}), kOro, 0.9);

    // Arms raised in victory: a plain standing figure would read as a pawn at 32 px.
    QPainterPath figura(QPointF(11.8, 21.8));
    figura.lineTo(QPointF(13.4, 14.6));
    figura.lineTo(QPointF(12.8, 11.0));
    figura.lineTo(QPointF(8.6, 4.6));
    figura.quadTo(QPointF(8.0, 2.8), QPointF(9.8, 3.4));
    figura.lineTo(QPointF(14.2, 8.6));
    figura.lineTo(QPointF(17.8, 8.6));
    figura.lineTo(QPointF(22.2, 3.4));
    figura.quadTo(QPointF(24.0, 2.8), QPointF(23.4, 4.6));
    figura.lineTo(QPointF(19.2, 11.0));
    figura.lineTo(QPointF(18.6, 14.6));
    figura.lineTo(QPointF(20.2, 21.8));
    figura.closeSubpath();
    Riempi(p, figura, kOro, 0);
    p.save();
    p.setClipPath(figura);
    p.setBrush(kOroOmbra);
    p.drawRect(QRectF(16.6, 8.0, 8, 14.0));
    p.restore();
    Linea(p, figura, kBordo);
    Linea(p, Curva(QPointF(16.0, 15.4), QPointF(16.0, 18.0), QPointF(16.0, 21.4)), 1.0);
    const QPainterPath testa = Ellisse(16.0, 5.4, 2.8, 2.8);
    Riempi(p, testa, kOro);
    p.setPen(Qt::NoPen);
    p.setBrush(kOroLuce);
    p.drawEllipse(QPointF(15.0, 4.6), 1.0, 0.9);
    p.drawRect(QRectF(13.8, 10.6, 1.2, 3.6));
    // Sparkles: what makes the statuette read as shiny gold rather than yellow plastic.
    for (const QPointF &c : {QPointF(4.6, 12.0), QPointF(27.4, 13.4)}) {
        QPainterPath stella(c + QPointF(0, -2.4));
        stella.lineTo(c + QPointF(0.6, -0.6));
        stella.lineTo(c + QPointF(2.4, 0));
        stella.lineTo(c + QPointF(0.6, 0.6));
        stella.lineTo(c + QPointF(0, 2.4));
        stella.lineTo(c + QPointF(-0.6, 0.6));
        stella.lineTo(c + QPointF(-2.4, 0));
        stella.lineTo(c + QPointF(-0.6, -0.6));
        stella.closeSubpath();
        Riempi(p, stella, kOro, 0.8);
    }
}

void DisegnaGiudizio3(QPainter &p)
{
    // Each band gets a darker stripe so the two colours still separate after quantising.
    Riempi(p, Poligono({{3.6, 0.8}, {11.4, 0.8}, {19.6, 15.6}, {13.0, 17.4}}), kRosso);
    Riempi(p, Poligono({{5.6, 1.4}, {7.8, 1.4}, {15.2, 15.0}, {14.0, 15.6}}), kRossoScuro, 0);
    Riempi(p, Poligono({{28.4, 0.8}, {20.6, 0.8}, {12.4, 15.6}, {19.0, 17.4}}), kBlu);
    Riempi(p, Poligono({{26.4, 1.4}, {24.2, 1.4}, {16.8, 15.0}, {18.0, 15.6}}), kBluScuro, 0);

    const QPointF c(16, 22.6);
    Riempi(p, Ellisse(c.x(), c.y(), 8.6, 8.6), kOroOmbra);
    Riempi(p, Ellisse(c.x() - 0.3, c.y() - 0.3, 6.4, 6.4), kOro, 1.0);
    QPainterPath stella;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 4.6 : 1.9;
        const qreal a = (-90 + i * 36) * std::numbers::pi / 180.0;
        const QPointF q = c + QPointF(r * std::cos(a), r * std::sin(a) + 0.2);
        i == 0 ? stella.moveTo(q) : stella.lineTo(q);
    }
    stella.closeSubpath();
    Riempi(p, stella, kOroLuce, 0.9);
    Riflesso(p, kBianco, c + QPointF(-5.0, -4.8), -45, 1.8, 0.8);
}

void DisegnaGiudizio4(QPainter &p)
{
    const QColor grigio(150, 150, 160), grigioScuro(95, 95, 108), muso(222, 218, 210), rosa(240, 160, 170);
    // Long ears, leaning out: the feature that says "donkey" rather than "horse" or "rabbit".
    for (int lato : {-1, 1}) {
        p.save();
        p.translate(16 + lato * 6.4, 9.0);
        p.rotate(lato * 24);
        Riempi(p, Ellisse(0, -2.0, 3.0, 7.2), grigio);
        p.setPen(Qt::NoPen);
        p.setBrush(rosa);
        p.drawEllipse(QPointF(0, -1.4), 1.4, 5.0);
        p.setBrush(grigioScuro);
        p.drawEllipse(QPointF(0, -7.4), 1.6, 1.6);
        p.restore();
    }
    QPainterPath testa(QPointF(16, 6.0));
    testa.cubicTo(QPointF(23.0, 6.0), QPointF(25.0, 10.0), QPointF(23.6, 16.0));
    testa.lineTo(QPointF(22.8, 20.0));
    testa.lineTo(QPointF(9.2, 20.0));
    testa.lineTo(QPointF(8.4, 16.0));
    testa.cubicTo(QPointF(7.0, 10.0), QPointF(9.0, 6.0), QPointF(16, 6.0));
    testa.closeSubpath();
    Riempi(p, testa, grigio);
    QPainterPath ciuffo(QPointF(12.6, 7.6));
    ciuffo.lineTo(QPointF(13.4, 3.6));
    ciuffo.lineTo(QPointF(15.0, 6.0));
    ciuffo.lineTo(QPointF(16.4, 2.8));
    ciuffo.lineTo(QPointF(17.6, 6.0));
    ciuffo.lineTo(QPointF(19.2, 3.8));
    ciuffo.lineTo(QPointF(19.6, 7.8));
    ciuffo.quadTo(QPointF(16, 9.6), QPointF(12.6, 7.6));
    Riempi(p, ciuffo, QColor(70, 66, 70), 1.0);

    for (qreal x : {11.4, 20.6}) {
        Riempi(p, Ellisse(x, 13.0, 2.0, 2.4), kBianco, 1.0);
        Pupilla(p, QPointF(x + (x < 16 ? 0.5 : -0.5), 13.6), 1.1, 1.4, QPointF(x + (x < 16 ? 0.1 : -0.9), 13.0), 0.45);
    }
    // The big pale muzzle with nostrils and two buck teeth: silly, as a booby prize should be.
    Riempi(p, Ellisse(16, 23.4, 8.8, 7.0), muso);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 50, 55));
    p.drawEllipse(QPointF(12.4, 21.6), 1.4, 1.9);
    p.drawEllipse(QPointF(19.6, 21.6), 1.4, 1.9);
    Linea(p, Curva(QPointF(10.6, 26.0), QPointF(16, 29.4), QPointF(21.4, 26.0)), 1.3);
    Riempi(p, Poligono({{14.0, 26.9}, {18.0, 26.9}, {18.0, 29.6}, {14.0, 29.6}}), kBianco, 1.0);
    Linea(p, Curva(QPointF(16, 27.4), QPointF(16, 28.4), QPointF(16, 29.4)), 0.9);
}

void DisegnaGiudizio5(QPainter &p)
{
    // Seen from the side, facing left: what tells a brain from a flower or a cloud at 32 px is
    // the long bean shape with the small striped cerebellum and the stem underneath, and the
    // winding grooves all over it.
    const QColor grigioRosa(226, 184, 190), grigioRosaLuce(242, 214, 216), solco(132, 70, 90),
        cervellettoColore(204, 156, 166);

    QPainterPath tronco(QPointF(16.8, 20.0));
    tronco.lineTo(QPointF(18.4, 28.4));
    tronco.quadTo(QPointF(20.2, 29.4), QPointF(21.6, 28.0));
    tronco.lineTo(QPointF(21.6, 20.0));
    tronco.closeSubpath();
    Riempi(p, tronco, cervellettoColore);

    QPainterPath cervelletto = Ellisse(23.4, 22.4, 5.0, 3.4);
    Riempi(p, cervelletto, cervellettoColore);
    p.save();
    p.setClipPath(cervelletto);
    QPainterPath strisce;
    for (const qreal y : {21.2, 23.2, 25.0}) {
        strisce.moveTo(QPointF(18.6, y - 0.6));
        strisce.quadTo(QPointF(23.4, y + 0.8), QPointF(28.6, y - 0.8));
    }
    Linea(p, strisce, 0.9, solco);
    p.restore();

    // Gentle bumps along the top and front, a flatter underside with the temporal lobe hanging.
    QPainterPath cervello(QPointF(3.0, 15.0));
    cervello.cubicTo(QPointF(2.0, 10.6), QPointF(4.4, 7.0), QPointF(8.4, 6.6));
    cervello.cubicTo(QPointF(10.0, 4.2), QPointF(13.8, 3.6), QPointF(16.2, 4.6));
    cervello.cubicTo(QPointF(18.8, 3.2), QPointF(23.2, 3.8), QPointF(24.8, 6.4));
    cervello.cubicTo(QPointF(28.4, 7.2), QPointF(30.2, 10.8), QPointF(29.4, 14.2));
    cervello.cubicTo(QPointF(30.0, 17.4), QPointF(28.4, 20.0), QPointF(25.4, 20.0));
    cervello.cubicTo(QPointF(23.4, 20.6), QPointF(21.0, 19.8), QPointF(19.8, 20.8));
    cervello.cubicTo(QPointF(17.6, 23.4), QPointF(12.6, 23.4), QPointF(10.6, 21.4));
    cervello.cubicTo(QPointF(7.6, 22.4), QPointF(3.8, 20.0), QPointF(3.0, 15.0));
    cervello.closeSubpath();
    Riempi(p, cervello, grigioRosa, 0);
    Riflesso(p, grigioRosaLuce, QPointF(8.6, 8.8), -35, 2.4, 1.1);

    // The deep groove between the temporal lobe and the rest, the one down from the crown, and
    // many short winding folds: their number, more than their shape, is what says "brain".
    QPainterPath solchi(QPointF(8.0, 19.6));
    solchi.cubicTo(QPointF(12.0, 16.4), QPointF(16.0, 17.8), QPointF(21.8, 14.2));
    solchi.moveTo(QPointF(17.0, 4.6));
    solchi.cubicTo(QPointF(15.2, 7.4), QPointF(18.4, 9.2), QPointF(15.8, 13.6));
    Linea(p, solchi, 1.3, solco);
    QPainterPath pieghe(QPointF(4.4, 12.0));
    pieghe.cubicTo(QPointF(6.0, 9.4), QPointF(8.6, 14.2), QPointF(10.4, 11.0));
    pieghe.cubicTo(QPointF(11.6, 8.8), QPointF(9.0, 8.0), QPointF(8.2, 6.8));
    pieghe.moveTo(QPointF(12.0, 4.8));
    pieghe.cubicTo(QPointF(14.2, 6.8), QPointF(11.2, 8.6), QPointF(13.6, 11.2));
    pieghe.moveTo(QPointF(4.6, 16.8));
    pieghe.cubicTo(QPointF(7.4, 14.0), QPointF(9.8, 17.8), QPointF(12.4, 14.6));
    pieghe.moveTo(QPointF(19.8, 5.0));
    pieghe.cubicTo(QPointF(20.4, 8.6), QPointF(23.2, 5.8), QPointF(24.6, 9.4));
    pieghe.cubicTo(QPointF(25.4, 11.4), QPointF(27.4, 10.0), QPointF(28.4, 11.6));
    pieghe.moveTo(QPointF(18.4, 10.6));
    pieghe.cubicTo(QPointF(20.8, 9.6), QPointF(21.0, 13.0), QPointF(23.6, 12.8));
    pieghe.moveTo(QPointF(22.2, 18.2));
    pieghe.cubicTo(QPointF(23.2, 15.0), QPointF(26.2, 18.0), QPointF(27.0, 14.6));
    pieghe.moveTo(QPointF(11.4, 21.2));
    pieghe.cubicTo(QPointF(13.4, 18.8), QPointF(15.6, 21.6), QPointF(18.6, 19.8));
    Linea(p, pieghe, 1.0, solco);
    Linea(p, cervello, 1.8);

    // Centred on the brain rather than the square, so the stem and the cerebellum stay clear.
    QPainterPath croce(QPointF(5.0, 3.6));
    croce.lineTo(QPointF(27.0, 25.6));
    croce.moveTo(QPointF(27.0, 3.6));
    croce.lineTo(QPointF(5.0, 25.6));
    Linea(p, croce, 2.4, kRosso);
}
