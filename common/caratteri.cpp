// SPDX-License-Identifier: MIT
#include "caratteri.h"

#include <QApplication>
#include <QFontDatabase>
#include <QResource>

#include <cmath>

namespace {
const QString Famiglia = QStringLiteral("Liberation Sans");
}

namespace {

void Aggiungi(const QString &percorso)
{
    const QResource risorsa(percorso);
    if (risorsa.isValid() && risorsa.compressionAlgorithm() == QResource::NoCompression) {
        // The bytes stay where the executable has them: nothing is unpacked or copied.
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char *>(risorsa.data()), static_cast<qsizetype>(risorsa.size())));
        return;
    }
    QFontDatabase::addApplicationFont(percorso);
}

} // namespace

void Caratteri::Registra()
{
    static const bool fatto = [] {
        Aggiungi(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        Aggiungi(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
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
