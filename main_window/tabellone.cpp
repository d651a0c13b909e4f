// SPDX-License-Identifier: MIT
#include "tabellone.h"

#include "disposizione.h"
#include "etichetta.h"
#include "fabbrica.h"
#include "figure.h"
#include "giudizio.h"
#include "immagine.h"
#include "partita.h"
#include "testi.h"

#include <QFont>

namespace D = Disposizione;

namespace {

// Builds columns 1..14 of a row as copies of column 0, each overlapping its left neighbour by
// one pixel so that the borders coincide.
void CostruisciColonne(std::vector<Etichetta *> &numeri, std::vector<Etichetta *> &punteggi, const QString &nomeNumeri,
                       const QString &nomePunteggi)
{
    for (int i = 1; i < Partita::NumeriPerGioco; ++i) {
        Etichetta *numero = numeri[0]->Copia();
        numero->setObjectName(QStringLiteral("%1(%2)").arg(nomeNumeri).arg(i));
        numero->move(numeri[i - 1]->width() + numeri[i - 1]->x() - 1, numero->y());
        numero->ImpostaTesto(QString::number(i + 1));
        Etichetta *punteggio = punteggi[0]->Copia();
        punteggio->setObjectName(QStringLiteral("%1(%2)").arg(nomePunteggi).arg(i));
        punteggio->move(punteggi[i - 1]->width() + punteggi[i - 1]->x() - 1, punteggio->y());
        numeri.push_back(numero);
        punteggi.push_back(punteggio);
        punteggio->show();
        numero->show();
    }
}

void DistruggiColonne(std::vector<Etichetta *> &numeri, std::vector<Etichetta *> &punteggi)
{
    for (std::size_t i = 1; i < numeri.size(); ++i) {
        delete numeri[i];
        delete punteggi[i];
    }
    numeri.resize(1);
    punteggi.resize(1);
}

// Directly under the cell above, borders overlapping by one pixel.
void Sotto(Etichetta *cella, const Etichetta *sopra)
{
    cella->move(sopra->x(), sopra->y() + sopra->height() - 1);
}

} // namespace

Tabellone::Tabellone(const Fabbrica &f)
{
    // The judgement pictures are only kept here, below the client area, to be copied.
    for (int i = 0; i < 6; ++i)
        imgGiudizio[i] = f.NuovaImmagine(QStringLiteral("imgGiudizio(%1)").arg(i),
                                         {D::imgGiudizioX[i], D::imgGiudizioY, 32, 32}, &Figure::Giudizio[i], true);

    imgBuco = f.NuovaImmagine(QStringLiteral("imgBuco"), D::imgBuco, &Figure::Buco, false);
    lblPuntiRealizzati =
        f.NuovaEtichetta(QStringLiteral("lblPuntiRealizzati"), D::lblPuntiRealizzati, D::Font::PuntiRealizzati);
    lblPuntiRealizzati->ImpostaColoreTesto(Fabbrica::Colore(Colore::Rosso));

    const QColor testo = f.TestoFinestra();
    const QColor sfondo = f.SfondoFinestra();
    const D::Rett nomi[2]{D::lblNome0, D::lblNome1};
    const QColor coloriGiocatori[2]{Fabbrica::Colore(Colore::Rosso), Fabbrica::Colore(Colore::Verde)};
    for (int i = 0; i < 2; ++i) {
        lblNome[i] = f.NuovaEtichetta(QStringLiteral("lblNome(%1)").arg(i), nomi[i], D::Font::Finestra, true);
        lblNome[i]->ImpostaColoreTesto(coloriGiocatori[i]);
        lblNome[i]->ImpostaSfondo(sfondo);
        lblNome[i]->hide();
    }
    // Only column 0 of each row is designed; the rest is built per game.
    auto cella = [&](const QString &nome, const D::Rett &r, bool punteggio, const QColor &colore, const QColor &fondo) {
        Etichetta *e = f.NuovaEtichetta(nome, r, punteggio ? D::Font::CellaPunteggio : D::Font::Cella, true);
        e->ImpostaColoreTesto(colore);
        e->ImpostaSfondo(fondo);
        if (!punteggio)
            e->ImpostaTesto(QStringLiteral("1"));
        e->hide();
        return e;
    };
    lblNumGioco.push_back(
        cella(QStringLiteral("lblNumGioco(0)"), D::lblNumGioco0, false, testo, Fabbrica::Colore(Colore::RossoChiaro)));
    lblPunteggio.push_back(
        cella(QStringLiteral("lblPunteggio(0)"), D::lblPunteggio0, true, coloriGiocatori[0], sfondo));
    lblNumGioco1.push_back(cella(QStringLiteral("lblNumGioco1(0)"), D::lblNumGioco10, false, testo,
                                 Fabbrica::Colore(Colore::VerdeChiaro)));
    lblPunteggio1.push_back(
        cella(QStringLiteral("lblPunteggio1(0)"), D::lblPunteggio10, true, coloriGiocatori[1], sfondo));
    const D::Rett etic[2]{D::lblEtic0, D::lblEtic1};
    const D::Rett punti[2]{D::lblPunti0, D::lblPunti1};
    for (int i = 0; i < 2; ++i) {
        lblEtic[i] = f.NuovaEtichetta(QStringLiteral("lblEtic(%1)").arg(i), etic[i], D::Font::Finestra, true);
        lblEtic[i]->ImpostaTesto(Testi::Punteggio);
        lblEtic[i]->ImpostaSfondo(sfondo);
        lblEtic[i]->hide();
        lblPunti[i] = f.NuovaEtichetta(QStringLiteral("lblPunti(%1)").arg(i), punti[i], D::Font::Punti, true);
        lblPunti[i]->ImpostaColoreTesto(coloriGiocatori[i]);
        lblPunti[i]->ImpostaSfondo(Fabbrica::Colore(Colore::GialloChiaro));
        lblPunti[i]->setToolTip(Testi::SuggerimentoPunti);
        lblPunti[i]->hide();
    }

    imgbimbo[0] = f.NuovaImmagine(QStringLiteral("imgbimbo(0)"), D::imgbimbo0, &Figure::Bimbo[0], false);
    imgbimbo[1] = f.NuovaImmagine(QStringLiteral("imgbimbo(1)"), D::imgbimbo1, &Figure::Bimbo[1], false);
    imgPunteggio[0] = f.NuovaImmagine(QStringLiteral("imgPunteggio(0)"), D::imgPunteggio0, nullptr, true);
    imgPunteggio[1] = f.NuovaImmagine(QStringLiteral("imgPunteggio(1)"), D::imgPunteggio1, nullptr, true);
}

void Tabellone::PosizionaColonne(Intero numGiocatori)
{
    if (numGiocatori == 1) {
        lblNumGioco[0]->move(D::UnGiocatore.x, D::UnGiocatore.y);
        Sotto(lblPunteggio[0], lblNumGioco[0]);
        return;
    }
    lblNumGioco[0]->move(D::UnGiocatore.x, D::DueGiocatori.y);
    Sotto(lblPunteggio[0], lblNumGioco[0]);
    lblNumGioco[0]->move(D::DueGiocatori.x, lblNumGioco[0]->y());
    lblPunteggio[0]->move(lblNumGioco[0]->x(), lblPunteggio[0]->y());
    lblNumGioco1[0]->move(D::DueGiocatori.x, lblNumGioco1[0]->y());
    lblPunteggio1[0]->move(lblNumGioco[0]->x(), lblPunteggio1[0]->y());
}

void Tabellone::CaricaLabel()
{
    lblNumGioco[0]->show();
    lblPunteggio[0]->show();
    imgbimbo[0]->show();
    imgbimbo[0]->move(lblNumGioco[0]->x() - imgbimbo[0]->width() - 20, lblNumGioco[0]->y());
    if (lblNumGioco.size() == 1)
        CostruisciColonne(lblNumGioco, lblPunteggio, QStringLiteral("lblNumGioco"), QStringLiteral("lblPunteggio"));
    MostraTotale(0, *lblNumGioco.back(), *lblPunteggio.back());
}

void Tabellone::CaricaLabel1()
{
    lblNumGioco1[0]->show();
    lblPunteggio1[0]->show();
    lblNome[0]->move(lblNumGioco[0]->x() - lblNome[0]->width() - 3, lblNome[0]->y());
    lblNome[1]->move(lblNome[0]->x(), lblNome[1]->y());
    imgbimbo[0]->move(lblNome[0]->x() - imgbimbo[0]->width() - 5, imgbimbo[0]->y());
    imgbimbo[1]->show();
    imgbimbo[1]->move(imgbimbo[0]->x(), lblNumGioco1[0]->y());
    lblNome[0]->show();
    lblNome[1]->show();
    if (lblNumGioco1.size() == 1)
        CostruisciColonne(lblNumGioco1, lblPunteggio1, QStringLiteral("lblNumGioco1"), QStringLiteral("lblPunteggio1"));
    MostraTotale(1, *lblNumGioco1.back(), *lblPunteggio1.back());
}

// The heading, the total and the judgement picture to the right of a row's last column.
void Tabellone::MostraTotale(int riga, const Etichetta &numero, const Etichetta &punteggio)
{
    lblEtic[riga]->move(numero.width() + numero.x() - 1, numero.y());
    lblPunti[riga]->move(lblEtic[riga]->x(), punteggio.y());
    imgPunteggio[riga]->move(lblPunti[riga]->width() + lblPunti[riga]->x() + 5, lblEtic[riga]->y());
    imgPunteggio[riga]->show();
    lblPunti[riga]->show();
    lblEtic[riga]->show();
}

void Tabellone::ScaricaLabel()
{
    lblNumGioco[0]->hide();
    lblPunteggio[0]->hide();
    imgbimbo[0]->hide();
    DistruggiColonne(lblNumGioco, lblPunteggio);
    lblPunti[0]->hide();
    lblEtic[0]->hide();
    lblPunti[0]->ImpostaTesto({});
    imgPunteggio[0]->ImpostaFigura({});
    imgPunteggio[0]->hide();
}

void Tabellone::ScaricaLabel1()
{
    lblNumGioco1[0]->hide();
    lblPunteggio1[0]->hide();
    imgbimbo[1]->hide();
    imgbimbo[1]->move(imgbimbo[0]->x(), lblNumGioco1[0]->y());
    lblNome[0]->hide();
    lblNome[1]->hide();
    DistruggiColonne(lblNumGioco1, lblPunteggio1);
    lblPunti[1]->hide();
    imgPunteggio[1]->ImpostaFigura({});
    imgPunteggio[1]->hide();
    lblEtic[1]->hide();
    lblPunti[1]->ImpostaTesto({});
}

void Tabellone::MostraNomi(const QString &primo, const QString &secondo)
{
    lblNome[0]->ImpostaTesto(primo);
    lblNome[1]->ImpostaTesto(secondo);
}

void Tabellone::SegnaTurno(int giocatore)
{
    for (int i = 0; i < 2; ++i) {
        QFont f = lblNome[i]->font();
        f.setBold(i == giocatore);
        lblNome[i]->setFont(f);
        lblNome[i]->update();
        imgbimbo[i]->setVisible(i == giocatore);
    }
}

void Tabellone::MostraEntrambiBimbi()
{
    imgbimbo[1]->show();
    imgbimbo[0]->show();
}

Intero Tabellone::CalcolaPunteggio(const Risultato &r)
{
    std::vector<Etichetta *> &celle = r.colonna == 0 ? lblPunteggio : lblPunteggio1;
    // A cell that is not there is skipped; nothing here may stop the scoring.
    if (r.cella >= 0 && r.cella < static_cast<int>(celle.size()))
        celle[r.cella]->ImpostaTesto(QString::number(r.punteggio));
    lblPuntiRealizzati->ImpostaTesto(QString::number(r.punteggio) + Testi::Acapo + Testi::Punti);
    imgBuco->show();
    MostraGiudizio(r.media, r.colonna);
    lblPunti[r.colonna]->ImpostaTesto(QString::number(r.media));
    return r.media;
}

QString Tabellone::Media(int riga) const
{
    return lblPunti[riga]->Testo();
}

void Tabellone::MostraGiudizio(Intero punteggio, int riga)
{
    imgPunteggio[riga]->ImpostaFigura(imgGiudizio[Giudizio::PerMedia(punteggio)]->Figura());
}

void Tabellone::NascondiPuntiRealizzati()
{
    lblPuntiRealizzati->ImpostaTesto({});
    imgBuco->hide();
}

void Tabellone::SvuotaPrimeCelle()
{
    lblPunteggio1[0]->ImpostaTesto({});
    lblPunteggio[0]->ImpostaTesto({});
}
