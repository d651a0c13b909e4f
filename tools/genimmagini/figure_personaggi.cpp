// SPDX-License-Identifier: MIT
// Faces, the teacher, the professor and the two boys.
#include "figure.h"
#include "pennello.h"

#include <QPainter>
#include <QPainterPath>

using namespace pennello;

namespace {

const QColor kGiallo(255, 212, 28);
const QColor kGialloOmbra(240, 150, 10);
const QColor kLuce(255, 250, 210);
const QColor kRossoScuro(130, 10, 20);
const QColor kLingua(250, 110, 120);
const QColor kGuance(255, 140, 110);
const QColor kPelle(250, 200, 160);
const QColor kPelleOmbra(220, 150, 110);

// People are 32 units wide and symmetric about x = 16: a symmetric part is given by its left half.
QPointF Simmetrico(QPointF q)
{
    return QPointF(32 - q.x(), q.y());
}

// Yellow disc with a shaded lower-right rim and a small highlight: the common ground of the nine faces.
void BaseFaccia(QPainter &p)
{
    const QPainterPath disco = Ellisse(16, 16, 14.4, 14.4);
    p.save();
    p.setClipPath(disco);
    Riempi(p, disco, kGialloOmbra, 0);
    Riempi(p, Ellisse(15.0, 15.0, 13.9, 13.9), kGiallo, 0);
    p.restore();
    Linea(p, disco, kBordo);
    Riflesso(p, kLuce, QPointF(9.0, 7.6), -35, 3.0, 1.6);
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

// Pupil centred in the iris, so the eye looks straight out.
void OcchioColorato(QPainter &p, const QPainterPath &bulbo, const QColor &colore, QPointF centro, QSizeF iride,
                    QSizeF pupilla, QPointF riflesso)
{
    Riempi(p, bulbo, kBianco, 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawEllipse(centro, iride.width(), iride.height());
    Pupilla(p, centro, pupilla.width(), pupilla.height(), riflesso, 0.6);
}

// A straight stroke and its mirror image, in one path.
void TrattiSimmetrici(QPainter &p, QPointF da, QPointF a, qreal larghezza, const QColor &colore = kInchiostro)
{
    QPainterPath tratti(da);
    tratti.lineTo(a);
    tratti.moveTo(Simmetrico(da));
    tratti.lineTo(Simmetrico(a));
    Linea(p, tratti, larghezza, colore);
}

void Guance(QPainter &p, const QColor &colore, QPointF sinistra, qreal rx, qreal ry)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawEllipse(sinistra, rx, ry);
    p.drawEllipse(Simmetrico(sinistra), rx, ry);
}

// A wide-open laughing mouth: a shallow upper lip from corner to corner, a deep round bottom.
QPainterPath BoccaRidente(QPointF angolo, qreal labbro, QPointF fianco, QPointF fondo)
{
    QPainterPath bocca(angolo);
    bocca.quadTo(QPointF(16, labbro), Simmetrico(angolo));
    bocca.cubicTo(Simmetrico(fianco), Simmetrico(fondo), QPointF(16, fondo.y()));
    bocca.cubicTo(fondo, fianco, angolo);
    return bocca;
}

// The lips are outlined last, so whatever shows inside never covers them.
void BoccaAperta(QPainter &p, const QPainterPath &bocca, const QColor &fondo, const QPainterPath &lingua,
                 const QPainterPath &denti = {})
{
    Riempi(p, bocca, fondo, 0);
    p.save();
    p.setClipPath(bocca);
    Riempi(p, lingua, kLingua, 0);
    if (!denti.isEmpty())
        Riempi(p, denti, kBianco, 1.0);
    p.restore();
    Linea(p, bocca, 1.3);
}

// Shoulders and chest, cut by the bottom edge.
QPainterPath Busto(qreal base, QPointF fianco, QPointF spalla, QPointF collo)
{
    const QPointF piede(base, 32.5);
    QPainterPath busto(piede);
    busto.lineTo(fianco);
    busto.quadTo(spalla, collo);
    busto.lineTo(Simmetrico(collo));
    busto.quadTo(Simmetrico(spalla), Simmetrico(fianco));
    busto.lineTo(Simmetrico(piede));
    busto.closeSubpath();
    return busto;
}

} // namespace

void DisegnaFaccia0(QPainter &p)
{
    BaseFaccia(p);
    OcchiAperti(p, 11.8);
    BoccaAperta(p, BoccaRidente(QPointF(8.2, 17.8), 19.2, QPointF(8.6, 24.5), QPointF(12.5, 27.2)), kRosso,
                Ellisse(16, 28.0, 5.5, 3.6));
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
    BoccaAperta(p, Ellisse(16, 22.0, 4.2, 5.2), kRossoScuro, Ellisse(16, 27.0, 3.8, 2.6));
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
    TrattiSimmetrici(p, QPointF(7.6, 8.4), QPointF(13.8, 11.2), 2.0); // frowning brows
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
    for (qreal x : {11.0, 21.0})
        OcchioColorato(p, Ellisse(x, 12.2, 3.3, 3.7), QColor(30, 140, 230), QPointF(x + 0.6, 12.8), {2.1, 2.3},
                       {1.0, 1.1}, QPointF(x, 12.0));
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
    Guance(p, kGuance, QPointF(6.8, 19.0), 2.2, 1.5);
    // Upper teeth as one white band: single teeth would blur together at 32 px.
    QPainterPath denti(QPointF(5.0, 15.0));
    denti.lineTo(QPointF(27.0, 15.0));
    denti.lineTo(QPointF(27.0, 18.2));
    denti.quadTo(QPointF(16, 22.6), QPointF(5.0, 18.2));
    denti.closeSubpath();
    BoccaAperta(p, BoccaRidente(QPointF(6.0, 16.6), 19.0, QPointF(6.8, 24.8), QPointF(11.4, 28.4)), kRosso,
                Ellisse(16, 29.0, 6.0, 3.4), denti);
}

namespace {

const QColor kArancio(255, 150, 20);
const QColor kGrigioPiume(196, 202, 214);

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
    for (qreal x : {11.7, 20.3})
        OcchioColorato(p, Ellisse(x, 16.8, 4.3, 4.3), iride, QPointF(x, 16.8), {3.1, 3.1}, {1.5, 1.5},
                       QPointF(x - 0.8, 15.9));
    if (arrabbiato) {
        TrattiSimmetrici(p, QPointF(6.4, 10.8), QPointF(14.6, 13.6), 2.0); // frowning brows
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
    Riempi(p, Busto(1.5, QPointF(2.6, 27.6), QPointF(4.0, 23.6), QPointF(10.0, 22.8)), giacca);
    QPainterPath camicia(QPointF(11.6, 22.8));
    camicia.lineTo(QPointF(20.4, 22.8));
    camicia.lineTo(QPointF(16.0, 30.0));
    camicia.closeSubpath();
    Riempi(p, camicia, kBianco, 1.0);

    for (qreal x : {6.4, 25.0})
        Riempi(p, Ellisse(x, 13.6, 1.9, 2.7), kPelle, 1.1);
    const QPainterPath testa = Ellisse(15.7, 12.4, 9.2, 10.4);
    Riempi(p, testa, kPelle);
    Riflesso(p, QColor(255, 236, 215), QPointF(11.4, 5.2), -30, 3.0, 1.5);
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
    Riempi(p, Busto(2.0, QPointF(3.0, 28.0), QPointF(4.4, 24.0), QPointF(11.0, 23.4)), maglia);
    TrattiSimmetrici(p, QPointF(8.0, 28.0), QPointF(8.6, 32.5), 1.0, magliaOmbra); // folds of the shirt
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
        const QPointF punte[] = {{23.0, 9.2},  {21.8, 11.0}, {20.0, 8.6},  {18.0, 10.8}, {16.0, 8.4},
                                 {14.0, 10.8}, {12.0, 8.6},  {10.2, 11.0}, {9.0, 9.2}};
        for (const QPointF &q : punte)
            chioma.lineTo(q);
    }
    chioma.closeSubpath();
    Riempi(p, chioma, capelli);
    Linea(p, Curva(QPointF(11.0, 4.4), QPointF(14.0, 3.0), QPointF(17.4, 3.4)), 1.2, capelliLuce);

    for (qreal x : {12.6, 19.4})
        Pupilla(p, QPointF(x, 12.9), 1.4, 1.8, QPointF(x - 0.4, 12.3), 0.55);
    Guance(p, QColor(255, 160, 140), QPointF(10.2, 16.4), 1.6, 1.0);
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
