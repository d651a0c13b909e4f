// SPDX-License-Identifier: MIT
#include "caratteri.h"

#include <QApplication>
#include <QFontDatabase>

#include <cmath>

namespace {
const QString Famiglia = QStringLiteral("Liberation Sans");
}

void Caratteri::Registra()
{
    static const bool fatto = [] {
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
        return true;
    }();
    (void)fatto;
}

void Caratteri::ImpostaPerApplicazione()
{
    Registra();
    QApplication::setFont(Font(PuntiFinestra));
}

QFont Caratteri::Font(double punti, bool grassetto, bool sottolineato)
{
    QFont f(Famiglia);
    f.setPixelSize(static_cast<int>(std::lround(punti * 96.0 / 72.0)));
    f.setBold(grassetto);
    f.setUnderline(sottolineato);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
