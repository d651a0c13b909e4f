// SPDX-License-Identifier: MIT
// Faces, the teacher, the professor and the two boys.
#include "figure.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The same ink and line weights as the other pictures, so the whole set looks like one hand drew it.
const QColor kInchiostro(28, 24, 22);
const QColor kBianco(255, 255, 255);
const QColor kGiallo(255, 212, 28);
const QColor kGialloOmbra(240, 150, 10);
const QColor kLuce(255, 250, 210);
const QColor kRosso(225, 30, 35);
const QColor kRossoScuro(130, 10, 20);
const QColor kLingua(250, 110, 120);
const QColor kGuance(255, 140, 110);
const QColor kPelle(250, 200, 160);
const QColor kPelleOmbra(220, 150, 110);

constexpr qreal kBordo = 1.2;
constexpr qreal kTratto = 1.5; // features inside a shape need more weight than the rim to survive 32 px

QPen Penna(qreal larghezza = kBordo, const QColor &colore = kInchiostro)
{
    return QPen(colore, larghezza, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Riempi(QPainter &p, const QPainterPath &forma, const QColor &colore, qreal bordo = kBordo)
{
    p.setPen(bordo > 0 ? Penna(bordo) : Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(forma);
}

void Linea(QPainter &p, const QPainterPath &traccia, qreal larghezza = kTratto,
           const QColor &colore = kInchiostro)
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
    QPainterPath f;
    f.addPolygon(QPolygonF(QList<QPointF>(punti)));
    f.closeSubpath();
    return f;
}

// Yellow disc with a shaded lower-right rim and a small highlight: the common ground of the nine faces.
void BaseFaccia(QPainter &p)
{
    const QPainterPath disco = Ellisse(16, 16, 14.4, 14.4);
    p.save();
    p.setClipPath(disco);
    p.setPen(Qt::NoPen);
    p.setBrush(kGialloOmbra);
    p.drawPath(disco);
    p.setBrush(kGiallo);
    p.drawPath(Ellisse(15.0, 15.0, 13.9, 13.9));
    p.restore();
    p.setPen(Penna());
    p.setBrush(Qt::NoBrush);
    p.drawPath(disco);
    p.save();
    p.translate(9.0, 7.6);
    p.rotate(-35);
    p.setPen(Qt::NoPen);
    p.setBrush(kLuce);
    p.drawEllipse(QPointF(0, 0), 3.0, 1.6);
    p.restore();
}

void OcchiAperti(QPainter &p, qreal y = 12.5, qreal ry = 2.7)
{
    for (qreal x : {11.3, 20.7}) {
        Riempi(p, Ellisse(x, y, 1.9, ry), kInchiostro, 0);
        p.setBrush(kBianco);
        p.drawEllipse(QPointF(x - 0.5, y - ry * 0.4), 0.7, 0.7);
    }
}

// Closed lids drawn as arcs; `felici` bends them upwards like a laughing squint.
void OcchiChiusi(QPainter &p, bool felici)
{
    for (qreal x : {11.3, 20.7}) {
        const qreal dy = felici ? -2.6 : 2.6;
        Linea(p, Curva(QPointF(x - 2.8, 12.8), QPointF(x, 12.8 + dy * 1.4), QPointF(x + 2.8, 12.8)), 1.6);
    }
}

void Guance(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kGuance);
    p.drawEllipse(QPointF(6.8, 19.0), 2.2, 1.5);
    p.drawEllipse(QPointF(25.2, 19.0), 2.2, 1.5);
}

void BoccaAperta(QPainter &p, const QPainterPath &bocca, const QColor &fondo, const QPainterPath &lingua)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fondo);
    p.drawPath(bocca);
    p.save();
    p.setClipPath(bocca);
    p.setBrush(kLingua);
    p.drawPath(lingua);
    p.restore();
    p.setPen(Penna(1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bocca);
}

} // namespace

void DisegnaFaccia0(QPainter &p)
{
    BaseFaccia(p);
    OcchiAperti(p, 11.8);
    QPainterPath bocca(QPointF(8.2, 17.8));
    bocca.quadTo(QPointF(16, 19.2), QPointF(23.8, 17.8));
    bocca.cubicTo(QPointF(23.4, 24.5), QPointF(19.5, 27.2), QPointF(16, 27.2));
    bocca.cubicTo(QPointF(12.5, 27.2), QPointF(8.6, 24.5), QPointF(8.2, 17.8));
    BoccaAperta(p, bocca, kRosso, Ellisse(16, 28.0, 5.5, 3.6));
}

void DisegnaFaccia1(QPainter &p)
{
    BaseFaccia(p);
    OcchiAperti(p);
    Linea(p, Curva(QPointF(9.0, 19.0), QPointF(16, 26.5), QPointF(23.0, 19.0)), 1.7);
}

void DisegnaFaccia2(QPainter &p)
{
    BaseFaccia(p);
    OcchiAperti(p);
    Linea(p, Curva(QPointF(10.5, 21.5), QPointF(16, 21.5), QPointF(21.5, 21.5)), 1.7);
}

void DisegnaFaccia3(QPainter &p)
{
    BaseFaccia(p);
    OcchiChiusi(p, false);
    const QPainterPath bocca = Ellisse(16, 22.0, 4.2, 5.2);
    BoccaAperta(p, bocca, kRossoScuro, Ellisse(16, 27.0, 3.8, 2.6));
}

void DisegnaFaccia4(QPainter &p)
{
    BaseFaccia(p);
    OcchiAperti(p);
    Linea(p, Curva(QPointF(10.5, 23.0), QPointF(16, 19.0), QPointF(21.5, 23.0)), 1.7);
}

void DisegnaFaccia5(QPainter &p)
{
    BaseFaccia(p);
    OcchiAperti(p, 13.0, 2.4);
    // Brows lifted at the inner ends: the clearest sign of sadness at this size.
    Linea(p, Curva(QPointF(7.8, 9.6), QPointF(10.5, 8.8), QPointF(13.3, 7.2)), 1.4);
    Linea(p, Curva(QPointF(24.2, 9.6), QPointF(21.5, 8.8), QPointF(18.7, 7.2)), 1.4);
    Linea(p, Curva(QPointF(9.5, 25.0), QPointF(16, 17.0), QPointF(22.5, 25.0)), 1.7);
    QPainterPath lacrima(QPointF(22.6, 15.6));
    lacrima.cubicTo(QPointF(23.8, 17.6), QPointF(24.6, 18.6), QPointF(24.6, 19.6));
    lacrima.cubicTo(QPointF(24.6, 21.6), QPointF(20.6, 21.6), QPointF(20.6, 19.6));
    lacrima.cubicTo(QPointF(20.6, 18.6), QPointF(21.4, 17.6), QPointF(22.6, 15.6));
    Riempi(p, lacrima, QColor(70, 160, 255), 1.0);
}

void DisegnaFaccia6(QPainter &p)
{
    BaseFaccia(p);
    OcchiAperti(p, 14.0, 2.2);
    QPainterPath ciglia(QPointF(7.6, 8.4));
    ciglia.lineTo(QPointF(13.8, 11.2));
    ciglia.moveTo(QPointF(24.4, 8.4));
    ciglia.lineTo(QPointF(18.2, 11.2));
    Linea(p, ciglia, 2.0);
    QPainterPath bocca;
    bocca.addRoundedRect(QRectF(8.8, 19.2, 14.4, 7.0), 2.2, 2.2);
    Riempi(p, bocca, kBianco, 1.3);
    QPainterPath denti(QPointF(8.8, 22.7));
    denti.lineTo(QPointF(23.2, 22.7));
    for (qreal x : {12.4, 16.0, 19.6}) {
        denti.moveTo(QPointF(x, 19.2));
        denti.lineTo(QPointF(x, 26.2));
    }
    Linea(p, denti, 1.0);
}

void DisegnaFaccia7(QPainter &p)
{
    BaseFaccia(p);
    for (qreal x : {11.0, 21.0}) {
        Riempi(p, Ellisse(x, 12.2, 3.3, 3.7), kBianco, 1.1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 140, 230));
        p.drawEllipse(QPointF(x + 0.6, 12.8), 2.1, 2.3);
        p.setBrush(kInchiostro);
        p.drawEllipse(QPointF(x + 0.6, 12.8), 1.0, 1.1);
        p.setBrush(kBianco);
        p.drawEllipse(QPointF(x, 12.0), 0.6, 0.6);
    }
    QPainterPath lingua(QPointF(13.0, 21.0));
    lingua.lineTo(QPointF(13.0, 24.6));
    lingua.cubicTo(QPointF(13.0, 29.2), QPointF(20.4, 29.2), QPointF(20.4, 24.6));
    lingua.lineTo(QPointF(20.4, 21.0));
    Riempi(p, lingua, QColor(240, 70, 95), 1.2);
    Linea(p, Curva(QPointF(16.7, 22.0), QPointF(16.7, 24.0), QPointF(16.7, 25.6)), 1.0, kRossoScuro);
    Linea(p, Curva(QPointF(9.0, 19.8), QPointF(16, 23.6), QPointF(23.0, 19.8)), 1.6);
}

void DisegnaFaccia8(QPainter &p)
{
    BaseFaccia(p);
    OcchiChiusi(p, true);
    Guance(p);
    QPainterPath bocca(QPointF(6.0, 16.6));
    bocca.quadTo(QPointF(16, 19.0), QPointF(26.0, 16.6));
    bocca.cubicTo(QPointF(25.2, 24.8), QPointF(20.6, 28.4), QPointF(16, 28.4));
    bocca.cubicTo(QPointF(11.4, 28.4), QPointF(6.8, 24.8), QPointF(6.0, 16.6));
    p.setPen(Qt::NoPen);
    p.setBrush(kRosso);
    p.drawPath(bocca);
    p.save();
    p.setClipPath(bocca);
    p.setBrush(kLingua);
    p.drawEllipse(QPointF(16, 29.0), 6.0, 3.4);
    // Upper teeth as one white band: single teeth would blur together at 32 px.
    QPainterPath denti(QPointF(5.0, 15.0));
    denti.lineTo(QPointF(27.0, 15.0));
    denti.lineTo(QPointF(27.0, 18.2));
    denti.quadTo(QPointF(16, 22.6), QPointF(5.0, 18.2));
    denti.closeSubpath();
    p.setBrush(kBianco);
    p.setPen(Penna(1.0));
    p.drawPath(denti);
    p.restore();
    p.setPen(Penna(1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bocca);
}

namespace {

const QColor kArancio(255, 150, 20);
const QColor kNeroTocco(40, 40, 48);
const QColor kNeroToccoLuce(85, 88, 105);
const QColor kOro(255, 200, 20);
const QColor kGrigioPiume(196, 202, 214);

// Mortarboard centred on its board. `mezzaAltezza` sets how much of the board's top we see;
// `profonditaCalotta` how far the cap reaches below it; `lunghezzaNappa` how far the tassel hangs.
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
    Riempi(p, Poligono({{0, -mezzaAltezza}, {mezzaLarghezza, 0}, {0, mezzaAltezza}, {-mezzaLarghezza, 0}}),
           kNeroTocco);
    // A lighter top face keeps board and cap from merging into one black blot.
    p.setPen(Qt::NoPen);
    p.setBrush(kNeroToccoLuce);
    const qreal k = 0.68;
    p.drawPath(Poligono({{0, -mezzaAltezza * k}, {mezzaLarghezza * k, 0}, {0, mezzaAltezza * k},
                         {-mezzaLarghezza * k, 0}}));
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

void Gufo(QPainter &p, bool arrabbiato)
{
    // Wings behind the body so their outline tucks under it.
    for (int lato : {-1, 1}) {
        p.save();
        p.translate(16 + lato * 10.2, 22.6);
        p.rotate(lato * -14);
        Riempi(p, Ellisse(0, 0, 3.2, 7.0), kGrigioPiume);
        p.restore();
    }
    for (qreal x : {12.6, 19.4}) {
        QPainterPath piede(QPointF(x - 2.0, 30.2));
        piede.quadTo(QPointF(x, 32.4), QPointF(x + 2.0, 30.2));
        piede.closeSubpath();
        Riempi(p, piede, kArancio, 1.0);
    }
    const QPainterPath corpo = Ellisse(16, 20.2, 10.4, 10.6);
    Riempi(p, corpo, kBianco);
    p.save();
    p.setClipPath(corpo);
    QPainterPath piume;
    for (const QPointF &c : {QPointF(13.0, 27.0), QPointF(16.0, 28.4), QPointF(19.0, 27.0)}) {
        piume.moveTo(c + QPointF(-1.2, -0.8));
        piume.lineTo(c);
        piume.lineTo(c + QPointF(1.2, -0.8));
    }
    Linea(p, piume, 0.9, QColor(140, 146, 160));
    p.restore();

    const QColor iride = arrabbiato ? QColor(235, 25, 25) : QColor(255, 205, 0);
    for (qreal x : {11.7, 20.3}) {
        Riempi(p, Ellisse(x, 16.8, 4.3, 4.3), kBianco, 1.1);
        p.setPen(Qt::NoPen);
        p.setBrush(iride);
        p.drawEllipse(QPointF(x, 16.8), 3.1, 3.1);
        p.setBrush(kInchiostro);
        p.drawEllipse(QPointF(x, 16.8), 1.5, 1.5);
        p.setBrush(kBianco);
        p.drawEllipse(QPointF(x - 0.8, 15.9), 0.6, 0.6);
    }
    if (arrabbiato) {
        QPainterPath ciglia(QPointF(6.4, 10.8));
        ciglia.lineTo(QPointF(14.6, 13.6));
        ciglia.moveTo(QPointF(25.6, 10.8));
        ciglia.lineTo(QPointF(17.4, 13.6));
        Linea(p, ciglia, 2.0);
        Linea(p, Curva(QPointF(12.2, 26.4), QPointF(16, 22.4), QPointF(19.8, 26.4)), 1.5);
    } else {
        Linea(p, Curva(QPointF(11.0, 23.0), QPointF(16, 28.4), QPointF(21.0, 23.0)), 1.5);
    }
    QPainterPath becco(QPointF(14.0, 19.6));
    becco.lineTo(QPointF(18.0, 19.6));
    becco.lineTo(QPointF(16.0, 23.6));
    becco.closeSubpath();
    Riempi(p, becco, kArancio, 1.0);

    Tocco(p, QPointF(16, 6.0), 14.6, 4.3, 7.2, 4.4);
}

} // namespace

void DisegnaMaestroContento(QPainter &p)
{
    Gufo(p, false);
}

void DisegnaMaestroArrabbiato(QPainter &p)
{
    Gufo(p, true);
}

void DisegnaProfessore(QPainter &p)
{
    const QColor giacca(70, 90, 150);
    QPainterPath busto(QPointF(1.5, 32.5));
    busto.lineTo(QPointF(2.6, 27.6));
    busto.quadTo(QPointF(4.0, 23.6), QPointF(10.0, 22.8));
    busto.lineTo(QPointF(22.0, 22.8));
    busto.quadTo(QPointF(28.0, 23.6), QPointF(29.4, 27.6));
    busto.lineTo(QPointF(30.5, 32.5));
    busto.closeSubpath();
    Riempi(p, busto, giacca);
    QPainterPath camicia(QPointF(11.6, 22.8));
    camicia.lineTo(QPointF(20.4, 22.8));
    camicia.lineTo(QPointF(16.0, 30.0));
    camicia.closeSubpath();
    Riempi(p, camicia, kBianco, 1.0);

    for (qreal x : {6.4, 25.0})
        Riempi(p, Ellisse(x, 13.6, 1.9, 2.7), kPelle, 1.1);
    const QPainterPath testa = Ellisse(15.7, 12.4, 9.2, 10.4);
    Riempi(p, testa, kPelle);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 215));
    p.translate(11.4, 5.2);
    p.rotate(-30);
    p.drawEllipse(QPointF(0, 0), 3.0, 1.5);
    p.restore();
    // Grey tufts above the ears: without them the bald dome reads as an egg.
    for (qreal x : {7.2, 24.2}) {
        QPainterPath ciuffo = Ellisse(x, 10.6, 2.4, 3.4);
        Riempi(p, ciuffo, QColor(215, 215, 222), 1.0);
    }

    const QColor lente(225, 240, 255);
    for (qreal x : {11.6, 19.8}) {
        Riempi(p, Ellisse(x, 12.6, 3.4, 3.4), lente, 1.2);
        p.setPen(Qt::NoPen);
        p.setBrush(kInchiostro);
        p.drawEllipse(QPointF(x + 0.9, 11.6), 1.1, 1.1);
    }
    Linea(p, Curva(QPointF(15.0, 12.4), QPointF(15.7, 11.4), QPointF(16.4, 12.4)), 1.1);
    Linea(p, Curva(QPointF(8.0, 7.0), QPointF(11.0, 5.4), QPointF(14.2, 7.2)), 1.3, QColor(110, 110, 120));
    Linea(p, Curva(QPointF(17.6, 8.4), QPointF(20.0, 8.0), QPointF(22.8, 8.6)), 1.3, QColor(110, 110, 120));
    Linea(p, Curva(QPointF(16.2, 15.2), QPointF(14.4, 17.6), QPointF(16.6, 17.8)), 1.0);
    Linea(p, Curva(QPointF(12.8, 19.8), QPointF(15.0, 19.2), QPointF(17.4, 19.6)), 1.2);

    // The sleeve ties the fist to the body; a lone fist reads as a second chin.
    QPainterPath manica(QPointF(18.6, 24.6));
    manica.lineTo(QPointF(24.4, 24.2));
    manica.lineTo(QPointF(26.0, 32.5));
    manica.lineTo(QPointF(19.4, 32.5));
    manica.closeSubpath();
    Riempi(p, manica, QColor(58, 76, 132));
    QPainterPath pugno;
    pugno.addRoundedRect(QRectF(17.0, 19.4, 7.6, 5.8), 2.4, 2.4);
    Riempi(p, pugno, kPelle);
    QPainterPath dita(QPointF(19.4, 19.8));
    dita.lineTo(QPointF(19.4, 22.0));
    dita.moveTo(QPointF(21.8, 19.8));
    dita.lineTo(QPointF(21.8, 22.0));
    Linea(p, dita, 0.9, QColor(150, 90, 60));
}

namespace {

void Bimbo(QPainter &p, const QColor &maglia, const QColor &magliaOmbra, const QColor &capelli,
           const QColor &capelliLuce, bool scuro)
{
    QPainterPath busto(QPointF(2.0, 32.5));
    busto.lineTo(QPointF(3.0, 28.0));
    busto.quadTo(QPointF(4.4, 24.0), QPointF(11.0, 23.4));
    busto.lineTo(QPointF(21.0, 23.4));
    busto.quadTo(QPointF(27.6, 24.0), QPointF(29.0, 28.0));
    busto.lineTo(QPointF(30.0, 32.5));
    busto.closeSubpath();
    Riempi(p, busto, maglia);
    QPainterPath pieghe(QPointF(8.0, 28.0));
    pieghe.lineTo(QPointF(8.6, 32.5));
    pieghe.moveTo(QPointF(24.0, 28.0));
    pieghe.lineTo(QPointF(23.4, 32.5));
    Linea(p, pieghe, 1.0, magliaOmbra);
    // The neck has no outline of its own: with one, chin, neck and collar stack into a dark "beard".
    QPainterPath collo(QPointF(13.6, 20.0));
    collo.lineTo(QPointF(13.6, 23.6));
    collo.quadTo(QPointF(16, 26.0), QPointF(18.4, 23.6));
    collo.lineTo(QPointF(18.4, 20.0));
    collo.closeSubpath();
    Riempi(p, collo, kPelleOmbra, 0);
    QPainterPath colletto(QPointF(11.8, 23.4));
    colletto.quadTo(QPointF(16, 27.6), QPointF(20.2, 23.4));
    Linea(p, colletto, 1.3);

    for (qreal x : {7.6, 24.4})
        Riempi(p, Ellisse(x, 14.4, 1.8, 2.4), kPelle, 1.1);
    Riempi(p, Ellisse(16, 13.4, 8.8, 8.8), kPelle);

    QPainterPath chioma(QPointF(7.4, 14.0));
    chioma.cubicTo(QPointF(5.6, 7.0), QPointF(9.4, 1.6), QPointF(16.0, 1.6));
    chioma.cubicTo(QPointF(22.6, 1.6), QPointF(26.4, 7.0), QPointF(24.6, 14.0));
    if (scuro) {
        // A side-swept fringe, so the two boys differ in more than colour.
        chioma.quadTo(QPointF(23.4, 10.0), QPointF(21.6, 8.6));
        chioma.cubicTo(QPointF(18.0, 10.4), QPointF(12.0, 10.2), QPointF(9.6, 8.0));
        chioma.quadTo(QPointF(8.4, 10.0), QPointF(7.4, 14.0));
    } else {
        const QPointF punte[] = {{23.0, 9.2}, {21.8, 11.0}, {20.0, 8.6}, {18.0, 10.8}, {16.0, 8.4},
                                 {14.0, 10.8}, {12.0, 8.6}, {10.2, 11.0}, {9.0, 9.2}};
        for (const QPointF &q : punte)
            chioma.lineTo(q);
    }
    chioma.closeSubpath();
    Riempi(p, chioma, capelli);
    Linea(p, Curva(QPointF(11.0, 4.4), QPointF(14.0, 3.0), QPointF(17.4, 3.4)), 1.2, capelliLuce);

    for (qreal x : {12.6, 19.4}) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInchiostro);
        p.drawEllipse(QPointF(x, 12.9), 1.4, 1.8);
        p.setBrush(kBianco);
        p.drawEllipse(QPointF(x - 0.4, 12.3), 0.55, 0.55);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 160, 140));
    p.drawEllipse(QPointF(10.2, 16.4), 1.6, 1.0);
    p.drawEllipse(QPointF(21.8, 16.4), 1.6, 1.0);
    QPainterPath bocca(QPointF(12.4, 16.6));
    bocca.quadTo(QPointF(16, 17.6), QPointF(19.6, 16.6));
    bocca.quadTo(QPointF(19.0, 19.6), QPointF(16, 19.6));
    bocca.quadTo(QPointF(13.0, 19.6), QPointF(12.4, 16.6));
    Riempi(p, bocca, kRosso, 1.1);
}

} // namespace

void DisegnaBimbo0(QPainter &p)
{
    Bimbo(p, QColor(230, 35, 35), QColor(160, 15, 20), QColor(255, 215, 60), QColor(255, 245, 170), false);
}

void DisegnaBimbo1(QPainter &p)
{
    Bimbo(p, QColor(40, 180, 60), QColor(20, 110, 35), QColor(80, 50, 28), QColor(140, 95, 55), true);
}
