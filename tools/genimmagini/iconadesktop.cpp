// SPDX-License-Identifier: MIT
#include "iconadesktop.h"
#include "figure.h"
#include "resa.h"

namespace {

// The question mark is drawn on a 32-unit square; as in elabora.cpp each picture is rendered at
// 16 times its real size and averaged down.
constexpr int kLatoDisegno = 32;
constexpr int kSovracampionamento = 16;

} // namespace

QImage IconaDesktop(int lato)
{
    // Every theme size is a multiple of 16, so the enlargement stays a whole number.
    const int scala = lato * kSovracampionamento / kLatoDisegno;
    const QImage grande = Rendi(DisegnaDomandaGialla, QSize(kLatoDisegno, kLatoDisegno), scala);
    return PerPng(Riduci(grande, kSovracampionamento), true);
}

QString PercorsoIconaDesktop(int lato)
{
    return QStringLiteral("resources/icons/%1x%1/cercanum.png").arg(lato);
}
