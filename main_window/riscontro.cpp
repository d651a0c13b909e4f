// SPDX-License-Identifier: MIT
#include "riscontro.h"

#include "disposizione.h"
#include "etichetta.h"
#include "fabbrica.h"
#include "faccia.h"
#include "figure.h"
#include "fontecasuale.h"
#include "immagine.h"
#include "orologio.h"
#include "partita.h"
#include "pulsante.h"
#include "suoni.h"
#include "tavolozza.h"
#include "tempi.h"

#include <QWidget>

#include <utility>

namespace D = Disposizione;

namespace {

QColor ColoreSfondo(QWidget *w)
{
    if (auto *p = qobject_cast<Pulsante *>(w))
        return p->Sfondo();
    return w->palette().color(QPalette::Base);
}

void ImpostaColoreSfondo(QWidget *w, const QColor &c)
{
    if (auto *p = qobject_cast<Pulsante *>(w)) {
        p->ImpostaSfondo(c);
        return;
    }
    Tavolozza::Imposta(w, QPalette::Base, c);
}

} // namespace

Riscontro::Riscontro(const Fabbrica &f, QWidget *fin, Orologio &o, FonteCasuale &c, Suoni &s, const Partita &p,
                     std::function<bool()> attesa, std::function<void()> ticchettio)
    : QObject(fin)
    , finestra(fin)
    , orologio(o)
    , caso(c)
    , suoni(s)
    , partita(p)
    , inAttesa(std::move(attesa))
{
    imgIngranaggio[1] =
        f.NuovaImmagine(QStringLiteral("imgIngranaggio(1)"), D::imgIngranaggio, &Figure::Ingranaggio[1], false);
    imgIngranaggio[0] =
        f.NuovaImmagine(QStringLiteral("imgIngranaggio(0)"), D::imgIngranaggio, &Figure::Ingranaggio[0], false);
    imgPensa = f.NuovaImmagine(QStringLiteral("imgPensa"), D::imgPensa, &Figure::Pensa, false);
    lblAnimazNumeri =
        f.NuovaEtichetta(QStringLiteral("lblAnimazNumeri"), D::lblAnimazNumeri, D::Font::FinestraGrassetto);
    lblAnimazNumeri->ImpostaTesto(QStringLiteral("100"));
    lblAnimazNumeri->hide();
    for (int i = 0; i < 9; ++i)
        imgSmile[i] = f.NuovaImmagine(QStringLiteral("imgSmile(%1)").arg(i), D::imgSmile, &Figure::Smile[i], false);

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(Tempi::Pensiero);
    Timer1.setTimerType(Qt::PreciseTimer); // the coarse default drifts by up to 5 %
    connect(&Timer1, &QTimer::timeout, this, std::move(ticchettio));
}

void Riscontro::PensaAnim(bool on)
{
    if (on)
        Timer1.start();
    else
        Timer1.stop();
    imgPensa->setVisible(on);
    imgIngranaggio[0]->setVisible(on);
    imgIngranaggio[1]->hide();
    lblAnimazNumeri->setVisible(on);
}

void Riscontro::Timer1_Timer()
{
    lblAnimazNumeri->ImpostaTesto(QString::number(Partita::NumeroCasuale(caso.Estrai(), partita.NumMax())));
    if (inAttesa())
        suoni.Suona(Effetto::Attesa);
    imgIngranaggio[ingranaggioAlterno ? 0 : 1]->show();
    imgIngranaggio[ingranaggioAlterno ? 1 : 0]->hide();
    ingranaggioAlterno = !ingranaggioAlterno;
}

void Riscontro::MostraSmile(Intero v)
{
    for (Immagine *faccia : imgSmile)
        faccia->hide();
    const std::optional<int> faccia = Faccia::PerValore(v);
    if (!faccia)
        return;
    if (v == Faccia::Perso)
        suoni.Suona(Effetto::Perso);
    imgSmile[*faccia]->show();
    if (v == Faccia::Perso || v == Faccia::Indovinato)
        PensaAnim(false);
}

Compito Riscontro::Lampeggia(QWidget *bersaglio)
{
    const QColor c = ColoreSfondo(bersaglio);
    finestra->repaint();
    for (int passo = 1; passo <= Tempi::PassiLampo; ++passo) {
        ImpostaColoreSfondo(bersaglio, passo % 2 == 1 ? c : Fabbrica::Colore(D::ColoreLampo));
        bersaglio->repaint();
        co_await Attesa(orologio, Tempi::Lampo);
    }
    ImpostaColoreSfondo(bersaglio, c);
}
