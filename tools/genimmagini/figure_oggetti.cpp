// SPDX-License-Identifier: MIT
// The title, the paper tile, the objects on the buttons and around the window, the two small
// pictures of the information window and the cursor.
#include "figure.h"
#include "pennello.h"
#include "testo.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>

#include <array>

using pennello::Ellisse;
using pennello::kBianco;
using pennello::Linea;
using pennello::Penna;
using pennello::Poligono;
using pennello::Riempi;

namespace {

// One style for every picture: a bold dark outline, flat bright fills, a darker band along the
// lower right edge and a touch of light on the upper left. The ink is a shade lighter than the
// faces' one, so it is always passed to the shared helpers.
const QColor kInchiostroOggetti(38, 32, 36);
constexpr qreal kTratto = 1.5;

const QColor kRosso(228, 34, 38);
const QColor kGiallo(255, 218, 0);
const QColor kBlu(34, 84, 214);
const QColor kVerde(24, 160, 48);
const QColor kNero(40, 40, 44);
const QColor kGrigioOmbra(128, 128, 128);
const QColor kCarta(244, 242, 212);

void Colora(QPainter &p, const QPainterPath &forma, const QColor &colore, qreal ombra = 1.6, qreal tratto = kTratto)
{
    p.save();
    Riempi(p, forma, colore, 0);
    if (ombra > 0) {
        p.setBrush(colore.darker(128));
        p.drawPath(forma.subtracted(forma.translated(-ombra, -ombra)));
    }
    Linea(p, forma, tratto, kInchiostroOggetti);
    p.restore();
}

void Luce(QPainter &p, const QPainterPath &riflesso, qreal larghezza = 1.3)
{
    p.save();
    Linea(p, riflesso, larghezza, QColor(255, 255, 255, 220));
    p.restore();
}

// A centre line made solid, so it can be filled and outlined like any other shape.
QPainterPath Spessa(const QPainterPath &linea, qreal larghezza, Qt::PenCapStyle estremi = Qt::RoundCap)
{
    QPainterPathStroker s;
    s.setWidth(larghezza);
    s.setCapStyle(estremi);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(linea).simplified();
}

QPointF SulCerchio(QPointF centro, qreal raggio, qreal gradi)
{
    const qreal a = qDegreesToRadians(gradi);
    return centro + QPointF(raggio * qCos(a), raggio * qSin(a));
}

// Deterministic noise in [0, 1) for the tile and the torn edges: the same every run.
qreal Caso(int a, int b, int seme)
{
    quint32 h = quint32(a) * 374761393u + quint32(b) * 668265263u + quint32(seme) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / qreal(0x1000000);
}

// ---- question marks --------------------------------------------------------------------------

QPainterPath PuntoInterrogativo()
{
    QPainterPath gancio;
    gancio.moveTo(9.4, 11.2);
    gancio.cubicTo(9.4, 6.0, 12.8, 4.0, 16.0, 4.0);
    gancio.cubicTo(19.8, 4.0, 22.6, 6.4, 22.6, 10.0);
    gancio.cubicTo(22.6, 13.2, 19.8, 14.6, 17.8, 16.0);
    gancio.cubicTo(16.4, 17.0, 15.9, 17.9, 15.9, 19.8);
    return Spessa(gancio, 5.8).united(Ellisse(15.9, 25.6, 3.2, 3.2));
}

void Domanda(QPainter &p, const QColor &colore)
{
    const QPainterPath forma = PuntoInterrogativo();
    Riempi(p, forma.translated(2.4, 2.2), kGrigioOmbra, 0);
    Colora(p, forma, colore, 1.8);
    QPainterPath riflesso;
    riflesso.moveTo(10.3, 9.0);
    riflesso.cubicTo(10.8, 6.8, 12.6, 5.4, 15.0, 5.2);
    Luce(p, riflesso);
}

// ---- gears -----------------------------------------------------------------------------------

// Few, chunky teeth: thin ones turn into a dark fringe at real size.
constexpr qreal kModulo = 2.1;
constexpr int kDentiGrande = 8;
constexpr int kDentiPiccola = 6;
const QPointF kCentroGrande(12.0, 12.0);
constexpr qreal kDirezione = 45.0; // from the large wheel towards the small one

QPainterPath Ruota(QPointF centro, int denti, qreal angolo)
{
    const qreal primitivo = kModulo * denti / 2;
    const qreal esterno = primitivo + kModulo * 0.8;
    const qreal interno = primitivo - kModulo * 0.9;
    const qreal passo = 360.0 / denti;
    QPolygonF contorno;
    for (int k = 0; k < denti; ++k) {
        const qreal a = angolo + k * passo;
        contorno << SulCerchio(centro, interno, a - 0.29 * passo) << SulCerchio(centro, esterno, a - 0.17 * passo)
                 << SulCerchio(centro, esterno, a + 0.17 * passo) << SulCerchio(centro, interno, a + 0.29 * passo)
                 << SulCerchio(centro, interno, a + 0.50 * passo);
    }
    return Poligono(contorno);
}

void DisegnaRuota(QPainter &p, QPointF centro, int denti, qreal angolo, const QColor &colore)
{
    const qreal primitivo = kModulo * denti / 2;
    Colora(p, Ruota(centro, denti, angolo), colore, 1.4, 1.2);
    p.setPen(Penna(1.0, colore.darker(150)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centro, primitivo * 0.55, primitivo * 0.55);
    p.setPen(Penna(1.2, kInchiostroOggetti));
    p.setBrush(QColor(70, 70, 76));
    p.drawEllipse(centro, primitivo * 0.24, primitivo * 0.24);
}

// Phase 0 has a tooth of the large wheel pointing into a gap of the small one; phase 1 turns the
// large wheel half a tooth one way and the small one half a tooth the other, so the two frames
// shown in turn look like wheels turning.
void Ingranaggio(QPainter &p, int fase)
{
    const qreal distanza = kModulo * (kDentiGrande + kDentiPiccola) / 2;
    const QPointF centroPiccola = SulCerchio(kCentroGrande, distanza, kDirezione);
    const qreal grande = kDirezione + fase * 180.0 / kDentiGrande;
    const qreal piccola = kDirezione + 180.0 + 180.0 / kDentiPiccola - fase * 180.0 / kDentiPiccola;
    DisegnaRuota(p, centroPiccola, kDentiPiccola, piccola, QColor(204, 206, 212));
    DisegnaRuota(p, kCentroGrande, kDentiGrande, grande, QColor(170, 174, 182));
}

// ---- hands -----------------------------------------------------------------------------------

// A white glove with the index finger stretched along -y, its tip at the origin; the other
// fingers curled to the right, the thumb to the left, the cuff at the bottom.
struct Guanto
{
    QPainterPath mano;
    QPainterPath polsino;
    QPainterPath pieghe;
};

Guanto FaiGuanto(const QTransform &t)
{
    QPainterPath mano;
    mano.addRoundedRect(QRectF(-2.4, 0, 4.8, 15), 2.4, 2.4);
    mano.addRoundedRect(QRectF(2.4, 7.0, 4.2, 10), 2.1, 2.1);
    mano.addRoundedRect(QRectF(6.6, 8.2, 3.9, 9), 1.95, 1.95);
    mano.addRoundedRect(QRectF(10.5, 10.0, 3.3, 7.5), 1.65, 1.65);
    mano.addRoundedRect(QRectF(-2.4, 12.0, 16.2, 9.5), 3.5, 3.5);
    QPainterPath pollice;
    pollice.addRoundedRect(QRectF(-8.2, -2.1, 8.6, 4.2), 2.1, 2.1);
    QTransform posa;
    posa.translate(-1.0, 16.8);
    posa.rotate(38);
    mano.addPath(posa.map(pollice));
    mano.setFillRule(Qt::WindingFill);

    QPainterPath polsino;
    polsino.addRoundedRect(QRectF(-1.6, 20.6, 14.6, 4.6), 1.2, 1.2);

    QPainterPath pieghe;
    pieghe.moveTo(2.4, 11.0);
    pieghe.lineTo(2.4, 15.0);
    pieghe.moveTo(6.6, 12.2);
    pieghe.lineTo(6.6, 15.2);
    pieghe.moveTo(10.5, 13.4);
    pieghe.lineTo(10.5, 15.4);
    return {t.map(mano.simplified()), t.map(polsino), t.map(pieghe)};
}

void DisegnaGuanto(QPainter &p, const Guanto &g, qreal tratto = kTratto, qreal pieghe = kTratto * 0.75)
{
    Colora(p, g.mano, kBianco, 1.4, tratto);
    Colora(p, g.polsino, QColor(232, 236, 244), 0.9, tratto);
    Linea(p, g.pieghe, pieghe, kInchiostroOggetti);
}

QTransform Posa(QPointF punta, qreal gradi, qreal scala)
{
    QTransform t;
    t.translate(punta.x(), punta.y());
    t.rotate(gradi);
    t.scale(scala, scala);
    return t;
}

// ---- restart arrows ---------------------------------------------------------------------------

QPainterPath Freccia(QPointF centro, qreal raggio, qreal da, qreal a, qreal spessore)
{
    QPainterPath arco;
    const int passi = 24;
    for (int i = 0; i <= passi; ++i) {
        const QPointF punto = SulCerchio(centro, raggio, da + (a - da) * i / passi);
        if (i == 0)
            arco.moveTo(punto);
        else
            arco.lineTo(punto);
    }
    QPainterPath corpo = Spessa(arco, spessore, Qt::FlatCap);
    const QPainterPath testa =
        Poligono({SulCerchio(centro, raggio - spessore, a - 1), SulCerchio(centro, raggio + spessore, a - 1),
                  SulCerchio(centro, raggio, a + 34)});
    return corpo.united(testa);
}

// ---- the hole --------------------------------------------------------------------------------

QPainterPath Strappo(QPointF centro, qreal raggio, qreal dente, int seme)
{
    constexpr int kPunte = 30;
    QPolygonF bordo;
    for (int i = 0; i < kPunte; ++i) {
        const qreal r = raggio + (i % 2 ? -dente : dente * 0.3) + (Caso(i, 0, seme) - 0.5) * dente * 1.4;
        const qreal a = (i + (Caso(i, 1, seme) - 0.5) * 0.6) * 360.0 / kPunte;
        bordo << SulCerchio(centro, r, a);
    }
    return Poligono(bordo);
}

// ---- paper -----------------------------------------------------------------------------------

constexpr int kLarghezzaSfondo = 78;
constexpr int kAltezzaSfondo = 85;

// Value noise on a lattice of celleX x celleY cells stretched over the tile, wrapped at its
// edges, so the tile repeats without a seam.
qreal Rumore(qreal x, qreal y, int celleX, int celleY, int seme)
{
    const qreal u = x / kLarghezzaSfondo * celleX;
    const qreal v = y / kAltezzaSfondo * celleY;
    const int i = int(qFloor(u)), j = int(qFloor(v));
    auto liscia = [](qreal t) { return t * t * (3 - 2 * t); };
    const qreal fu = liscia(u - i), fv = liscia(v - j);
    auto nodo = [&](int a, int b) {
        return Caso(((a % celleX) + celleX) % celleX, ((b % celleY) + celleY) % celleY, seme) * 2 - 1;
    };
    const qreal sopra = nodo(i, j) + (nodo(i + 1, j) - nodo(i, j)) * fu;
    const qreal sotto = nodo(i, j + 1) + (nodo(i + 1, j + 1) - nodo(i, j + 1)) * fu;
    return sopra + (sotto - sopra) * fv;
}

// ---- the cursor ------------------------------------------------------------------------------

constexpr qreal kInclinazioneCursore = -25.0;

} // namespace

void DisegnaTitolo(QPainter &p)
{
    static const std::array<QColor, 4> colori = {kRosso, kBlu, kNero, kVerde};
    constexpr qreal kMaiuscole = 27.0;
    constexpr qreal kSpaziatura = 2.6;
    QList<QPainterPath> lettere = PercorsiLettere(QStringLiteral("CERCANUM"), kMaiuscole, kSpaziatura);
    QPainterPath tutte;
    for (const QPainterPath &l : lettere)
        tutte.addPath(l);
    const QRectF ingombro = tutte.boundingRect();
    const QPointF sposta(267.0 / 2 - ingombro.center().x() - 1.0, 3.6 + kMaiuscole);
    tutte.translate(sposta);
    for (QPainterPath &l : lettere)
        l.translate(sposta);

    Riempi(p, tutte.translated(2.6, 2.4), QColor(150, 150, 150), 0);
    // A dark rim, a white ring inside it, then the letter's own colour, lighter towards the top.
    Linea(p, tutte, 4.6, kInchiostroOggetti);
    Linea(p, tutte, 2.0, kBianco);
    for (qsizetype i = 0; i < lettere.size(); ++i) {
        const QColor colore = colori[i % colori.size()];
        QLinearGradient sfumatura(0, sposta.y() - kMaiuscole, 0, sposta.y());
        sfumatura.setColorAt(0, colore.lighter(colore == kNero ? 260 : 135));
        sfumatura.setColorAt(0.55, colore);
        sfumatura.setColorAt(1, colore.darker(125));
        p.setPen(Qt::NoPen);
        p.setBrush(sfumatura);
        p.drawPath(lettere[i]);
    }
}

void DisegnaSfondo(QPainter &p)
{
    // Computed at half-unit steps: exact at real size and at double size.
    constexpr qreal kPasso = 0.5;
    p.setPen(Qt::NoPen);
    for (qreal y = 0; y < kAltezzaSfondo; y += kPasso) {
        for (qreal x = 0; x < kLarghezzaSfondo; x += kPasso) {
            const qreal cx = x + kPasso / 2, cy = y + kPasso / 2;
            const qreal chiazze =
                0.55 * Rumore(cx, cy, 5, 6, 1) + 0.30 * Rumore(cx, cy, 13, 14, 2) + 0.25 * Rumore(cx, cy, 39, 43, 3);
            // Fibres: thin streaks, long across and short down.
            const qreal fibre = Rumore(cx, cy, 26, 85, 4);
            qreal d = chiazze * 7.0 + (fibre > 0.62 ? 5.0 : fibre < -0.7 ? -4.0 : 0.0);
            p.setBrush(QColor::fromRgbF(qBound(0.0, (244 + d) / 255, 1.0), qBound(0.0, (242 + d) / 255, 1.0),
                                        qBound(0.0, (212 + d * 1.3) / 255, 1.0)));
            p.drawRect(QRectF(x, y, kPasso, kPasso));
        }
    }
}

void DisegnaDomandaRossa(QPainter &p)
{
    Domanda(p, kRosso);
}

void DisegnaDomandaGialla(QPainter &p)
{
    Domanda(p, kGiallo);
}

void DisegnaIngranaggio0(QPainter &p)
{
    Ingranaggio(p, 0);
}

void DisegnaIngranaggio1(QPainter &p)
{
    Ingranaggio(p, 1);
}

void DisegnaIndice(QPainter &p)
{
    DisegnaGuanto(p, FaiGuanto(Posa(QPointF(30.6, 12.6), 90, 1.05)));
}

void DisegnaBuco(QPainter &p)
{
    const QPointF centro(24, 24);
    // Torn paper around the hole, pale and curled, then the hole and its dark inner wall.
    p.setPen(Penna(1.0, QColor(150, 140, 118)));
    p.setBrush(QColor(252, 250, 236));
    p.drawPath(Strappo(centro, 21.0, 2.2, 7));
    const QPainterPath buco = Strappo(centro, 17.5, 2.6, 11);
    p.setPen(Penna(1.2, kInchiostroOggetti));
    p.setBrush(QColor(72, 64, 58));
    p.drawPath(buco);
    QRadialGradient fondo(centro + QPointF(1.5, 1.5), 16);
    fondo.setColorAt(0, QColor(0, 0, 0));
    fondo.setColorAt(0.7, QColor(12, 10, 10));
    fondo.setColorAt(1, QColor(34, 30, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(fondo);
    QTransform dentro;
    dentro.translate(centro.x() + 1.4, centro.y() + 1.6);
    dentro.scale(0.88, 0.88);
    dentro.translate(-centro.x(), -centro.y());
    p.drawPath(dentro.map(buco).intersected(buco));
}

void DisegnaNoSuono(QPainter &p)
{
    // A dark, bold loudspeaker filling the circle: light or thin, it vanishes under the red.
    const QColor cassa(48, 52, 64), cono(84, 92, 112);
    QPainterPath scatola;
    scatola.addRect(QRectF(4.2, 10.8, 7.0, 10.4));
    Colora(p, scatola, cassa, 0);
    QPainterPath imbuto;
    imbuto.moveTo(11.2, 10.8);
    imbuto.lineTo(21.0, 4.6);
    imbuto.lineTo(21.0, 27.4);
    imbuto.lineTo(11.2, 21.2);
    imbuto.closeSubpath();
    Colora(p, imbuto, cono, 0);
    Luce(p, pennello::Curva(QPointF(12.8, 12.2), QPointF(16.0, 9.8), QPointF(19.4, 7.8)), 1.0);
    p.setPen(Penna(1.8, kInchiostroOggetti));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(17.6, 10.4, 8.0, 11.2), -50 * 16, 100 * 16);

    const QPainterPath cerchio = Ellisse(16, 16, 13.6, 13.6);
    QPainterPath divieto = cerchio;
    divieto.moveTo(6.6, 6.6);
    divieto.lineTo(25.4, 25.4);
    divieto.moveTo(25.4, 6.6);
    divieto.lineTo(6.6, 25.4);
    // A pale seam along the red, inside the circle only, keeps the dark speaker and the sign apart.
    p.save();
    p.setClipPath(cerchio);
    Riempi(p, Spessa(divieto, 3.4), kBianco, 0);
    p.restore();
    Riempi(p, Spessa(divieto, 2.2), kRosso, 0);
}

void DisegnaManoPremuta(QPainter &p)
{
    // The button under the fingertip; everything stays above row 28, clear of the caption.
    QPainterPath base;
    base.addRoundedRect(QRectF(8.5, 23.0, 18, 4.0), 1.5, 1.5);
    Colora(p, base, QColor(150, 154, 164), 1.0, 1.2);
    QPainterPath tasto;
    tasto.moveTo(10.0, 23.2);
    tasto.cubicTo(10.0, 18.6, 24.0, 18.6, 24.0, 23.2);
    tasto.closeSubpath();
    Colora(p, tasto, kRosso, 1.0, 1.2);
    // Coming down from above, the cuff cut off by the top edge.
    DisegnaGuanto(p, FaiGuanto(Posa(QPointF(16.6, 20.2), 180, 0.95)));
    // Little strokes saying "pressed".
    p.setPen(Penna(1.2, kInchiostroOggetti));
    p.drawLine(QPointF(11.0, 20.0), QPointF(8.4, 18.6));
    p.drawLine(QPointF(10.6, 22.2), QPointF(7.4, 22.2));
    p.drawLine(QPointF(22.2, 20.0), QPointF(24.8, 18.6));
    p.drawLine(QPointF(22.6, 22.2), QPointF(25.8, 22.2));
}

void DisegnaRicomincia(QPainter &p)
{
    const QPointF centro(16, 16);
    Colora(p, Freccia(centro, 10.4, 195, 318, 5.0), kRosso, 1.4);
    Colora(p, Freccia(centro, 10.4, 15, 138, 5.0), kGiallo, 1.4);
}

void DisegnaEsci(QPainter &p)
{
    QPainterPath croce;
    croce.moveTo(9.0, 3.0);
    croce.lineTo(23.0, 16.5);
    croce.moveTo(23.0, 3.0);
    croce.lineTo(9.0, 16.5);
    Colora(p, Spessa(croce, 5.4), kRosso, 1.4);
    QPainterPath scritta = PercorsoTesto(QStringLiteral("Esci"), 8.0, 0.4);
    scritta.translate(16.0 - scritta.boundingRect().center().x(), 30.0);
    Riempi(p, scritta, kInchiostroOggetti, 0);
}

void DisegnaBusta(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 14, 11), kCarta);
    p.setPen(QPen(QColor(56, 56, 88), 1.0));
    p.setBrush(kBianco);
    p.drawRect(QRectF(0.5, 1.5, 13, 9));
    p.setBrush(Qt::NoBrush);
    QPainterPath lembo;
    lembo.moveTo(0.5, 1.5);
    lembo.lineTo(7.0, 6.8);
    lembo.lineTo(13.5, 1.5);
    p.drawPath(lembo);
}

void DisegnaLibro(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 16, 17), kCarta);
    const QColor bordo(30, 30, 60);
    p.setPen(QPen(bordo, 1.0));
    p.setBrush(kBianco);
    p.drawRect(QRectF(3.5, 2.5, 11, 13)); // the pages, behind the cover
    p.setBrush(kBlu);
    p.drawRect(QRectF(1.5, 1.5, 11, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlu.darker(150));
    p.drawRect(QRectF(2.0, 2.0, 2.0, 12.0)); // the spine
    QPainterPath domanda = PercorsoTesto(QStringLiteral("?"), 8.6);
    domanda.translate(8.2 - domanda.boundingRect().center().x(), 12.4);
    p.setBrush(kGiallo);
    p.drawPath(domanda);
}

void DisegnaCursore(QPainter &p)
{
    // A thin outline: at real size the black edge is added pixel by pixel, so the drawn one must
    // not make it two pixels thick.
    DisegnaGuanto(p, FaiGuanto(Posa(QPointF(5.95, 5.8), kInclinazioneCursore, 1.0)), 0.6, 1.4);
}
