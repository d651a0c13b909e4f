// SPDX-License-Identifier: MIT
#include "foglio.h"
#include "catalogo.h"
#include "elabora.h"
#include "testo.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kLarghezzaFoglio = 1900;
constexpr int kMargine = 16;
constexpr int kSpazio = 10;
constexpr int kAltezzaEtichetta = 18;
constexpr int kIngrandimento = 4;

struct Casella
{
    QString etichetta;
    QImage reale;
    QImage doppia;
    QSize Dimensione() const
    {
        const QSize d = reale.size();
        return {d.width() * (1 + 2 + kIngrandimento) + 3 * kSpazio,
                kAltezzaEtichetta + d.height() * kIngrandimento + kSpazio};
    }
};

} // namespace

bool ScriviFoglio(const QString &percorso)
{
    QList<Casella> caselle;
    QImage tessera;
    for (const Figura &f : Catalogo()) {
        const Elaborata e = Elabora(f);
        caselle.append({f.nome + QLatin1Char('.') + f.Estensione(), e.piccola.Immagine(), e.doppia});
        if (f.nome == QLatin1String("sfondo"))
            tessera = e.piccola.Immagine();
    }

    // Flow the boxes into rows.
    QList<QPoint> posizioni;
    int x = kMargine, y = kMargine, altezzaRiga = 0;
    for (const Casella &c : caselle) {
        const QSize d = c.Dimensione();
        if (x + d.width() > kLarghezzaFoglio - kMargine && x > kMargine) {
            x = kMargine;
            y += altezzaRiga;
            altezzaRiga = 0;
        }
        posizioni.append({x, y});
        x += d.width() + kSpazio;
        altezzaRiga = std::max(altezzaRiga, d.height());
    }

    QImage foglio(kLarghezzaFoglio, y + altezzaRiga + kMargine, QImage::Format_ARGB32);
    QPainter p(&foglio);
    p.fillRect(foglio.rect(), tessera.isNull() ? QBrush(QColor(kCarta)) : QBrush(tessera));
    const int id = QFontDatabase::addApplicationFont(FileCarattere());
    QFont carattere(QFontDatabase::applicationFontFamilies(id).value(0));
    carattere.setPixelSize(12);
    p.setFont(carattere);
    for (qsizetype i = 0; i < caselle.size(); ++i) {
        const Casella &c = caselle[i];
        const QPoint o = posizioni[i];
        const int w = c.reale.width(), h = c.reale.height();
        p.setPen(Qt::black);
        p.drawText(o + QPoint(0, 13), c.etichetta);
        const int cima = o.y() + kAltezzaEtichetta;
        p.drawImage(QPoint(o.x(), cima), c.reale);
        p.drawImage(QPoint(o.x() + w + kSpazio, cima), c.doppia);
        const QRect grande(o.x() + 3 * w + 2 * kSpazio, cima, w * kIngrandimento, h * kIngrandimento);
        p.drawImage(grande, c.reale);
        p.setPen(QColor(0, 0, 0, 60));
        p.drawRect(grande.adjusted(-1, -1, 0, 0));
    }
    p.end();
    return foglio.save(percorso, "PNG");
}
