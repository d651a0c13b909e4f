// SPDX-License-Identifier: MIT
#include "pistapalline.h"

#include "disposizione.h"
#include "etichetta.h"
#include "fabbrica.h"
#include "figure.h"
#include "forma.h"
#include "immagine.h"
#include "linea.h"
#include "orologio.h"
#include "partita.h"
#include "scivolata.h"

namespace D = Disposizione;

PistaPalline::PistaPalline(const Fabbrica &f, Orologio &o)
    : orologio(o)
{
    // Bottom to top: the question marks, then the teachers over them.
    imgSmileForm[2] =
        f.NuovaImmagine(QStringLiteral("imgSmileForm(2)"), D::imgSmileFormDomanda, &Figure::SmileForm[2], false);
    imgSmileForm[3] =
        f.NuovaImmagine(QStringLiteral("imgSmileForm(3)"), D::imgSmileFormDomanda, &Figure::SmileForm[3], true);
    imgSmileForm[0] =
        f.NuovaImmagine(QStringLiteral("imgSmileForm(0)"), D::imgSmileFormMaestro, &Figure::SmileForm[0], true);
    imgSmileForm[1] =
        f.NuovaImmagine(QStringLiteral("imgSmileForm(1)"), D::imgSmileFormMaestro, &Figure::SmileForm[1], false);

    const QColor testo = f.TestoFinestra();
    f.NuovaLinea(D::Line5, 1, testo);
    f.NuovaLinea(D::Line6, 1, testo);
    f.NuovaLinea(D::Line8, 2, testo);
    f.NuovaLinea(D::Line4, 2, testo);
    linBall = f.NuovaLinea(D::linBall, 2, testo);
    linBall->setObjectName(QStringLiteral("linBall"));

    Shape4 = f.NuovaForma(QStringLiteral("Shape4"), D::Shape4, Fabbrica::Colore(Colore::Grigio));
    Shape3 = f.NuovaForma(QStringLiteral("Shape3"), D::Shape3, Fabbrica::Colore(Colore::Grigio));
    const D::Rett numRisp[2]{D::lblNumRisp0, D::lblNumRisp1};
    for (int i = 0; i < 2; ++i) {
        lblNumRisp[i] = f.NuovaEtichetta(QStringLiteral("lblNumRisp(%1)").arg(i), numRisp[i], D::Font::NumRisp);
        lblNumRisp[i]->ImpostaColoreTesto(Fabbrica::Colore(Colore::Bianco));
    }

    Forma *palla = f.NuovaForma(QStringLiteral("shpBall(0)"), D::shpBall0, Fabbrica::Colore(Colore::VerdeScuro));
    palla->hide();
    shpBall.push_back(palla);
    Etichetta *didascalia = f.NuovaEtichetta(QStringLiteral("lblBall(0)"), D::lblBall0, D::Font::Palla);
    didascalia->ImpostaColoreTesto(Fabbrica::Colore(Colore::Bianco));
    didascalia->ImpostaTesto(QStringLiteral("99"));
    didascalia->hide();
    lblBall.push_back(didascalia);
}

bool PistaPalline::NessunaRisposta() const
{
    return lblNumRisp[0]->Testo().isEmpty();
}

void PistaPalline::CaricaBall()
{
    const Intero h = ArrotondaPari(shpBall[0]->width() / 2.0);
    const QLine filo = linBall->Estremi();
    shpBall[0]->move(filo.x2(), filo.y2() - h);
    lblBall[0]->move(lblBall[0]->x(), shpBall[0]->y() + 4);
    for (int i = 1; i < Partita::RisposteMassime; ++i) {
        Forma *palla = shpBall[0]->Copia();
        palla->setObjectName(QStringLiteral("shpBall(%1)").arg(i));
        palla->move(palla->x(), filo.y2() - h);
        shpBall.push_back(palla);
        Etichetta *didascalia = lblBall[0]->Copia();
        didascalia->setObjectName(QStringLiteral("lblBall(%1)").arg(i));
        didascalia->move(didascalia->x(), palla->y() + 4);
        lblBall.push_back(didascalia);
    }
}

Compito PistaPalline::AppendBall(Intero n, Intero risposta, Intero segreto)
{
    const int k = n - 1;
    if (k < 0 || k >= static_cast<int>(shpBall.size()))
        co_return;
    lblNumRisp[0]->ImpostaTesto(QString::number(n));
    lblNumRisp[1]->ImpostaTesto(QString::number(Partita::RisposteMassime - n));

    QColor colore = Fabbrica::Colore(Colore::Blu);
    if (risposta > segreto) {
        colore = Fabbrica::Colore(Colore::RossoScuro);
        SmileAnim(true);
    } else if (risposta < segreto) {
        colore = Fabbrica::Colore(Colore::VerdeScuro);
        SmileAnim(true);
    }

    Forma *palla = shpBall[k];
    palla->ImpostaRiempimento(colore);
    palla->show();
    palla->raise();
    linBall->lower();

    const QLine filo = linBall->Estremi();
    const int arrivo = k == 0 ? filo.x1() : shpBall[k - 1]->width() + shpBall[k - 1]->x() + 1;
    co_await Scivolata(orologio).Esegui(palla, filo.x2(), arrivo);

    Etichetta *didascalia = lblBall[k];
    didascalia->move(palla->x() + 2, didascalia->y());
    didascalia->show();
    didascalia->raise();
    didascalia->ImpostaTesto(QString::number(risposta));
    SmileAnim(false);
}

void PistaPalline::ResetBall()
{
    lblNumRisp[0]->ImpostaTesto({});
    lblNumRisp[1]->ImpostaTesto({});
    for (std::size_t i = 0; i < shpBall.size(); ++i) {
        shpBall[i]->hide();
        lblBall[i]->hide();
    }
}

void PistaPalline::SmileAnim(bool on)
{
    imgSmileForm[0]->setVisible(!on);
    imgSmileForm[3]->setVisible(!on);
    imgSmileForm[2]->setVisible(on);
    imgSmileForm[1]->setVisible(on);
}
