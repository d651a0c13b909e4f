// SPDX-License-Identifier: MIT
#include "etichetta.h"

#include <utility>

#include <QPainter>
#include <QRegularExpression>

Etichetta::Etichetta(QWidget *parent)
    : QWidget(parent)
    , coloreTesto(palette().color(QPalette::WindowText))
{
}

void Etichetta::ImpostaTesto(const QString &t)
{
    MostraSoltanto(t);
    if (detto != testo)
        emit TestoCambiato(std::exchange(detto, testo), testo);
}

void Etichetta::MostraSoltanto(const QString &t)
{
    if (t == testo)
        return;
    testo = t;
    update();
}

void Etichetta::ImpostaColoreTesto(const QColor &c)
{
    coloreTesto = c;
    update();
}

void Etichetta::ImpostaSfondo(const QColor &c)
{
    sfondo = c;
    update();
}

void Etichetta::ImpostaBordo(bool b)
{
    bordo = b;
    update();
}

void Etichetta::ImpostaRiservaSinistra(int pixel)
{
    riservaSinistra = pixel;
    update();
}

Etichetta *Etichetta::Copia() const
{
    auto *copia = new Etichetta(parentWidget());
    copia->setGeometry(geometry());
    copia->setFont(font());
    copia->setToolTip(toolTip());
    copia->setCursor(cursor());
    copia->testo = testo;
    copia->detto = detto;
    copia->coloreTesto = coloreTesto;
    copia->sfondo = sfondo;
    copia->bordo = bordo;
    copia->riservaSinistra = riservaSinistra;
    copia->hide();
    return copia;
}

namespace {
constexpr int Allineamento = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
constexpr int CarattereMinimo = 8;
} // namespace

QRect Etichetta::Interno() const
{
    const int margine = bordo ? 1 : 0;
    return rect().adjusted(margine, margine, -margine, -margine);
}

// Centred in the whole label when that keeps the text clear of the covered left end; otherwise
// centred in the part that stays clear.
QRect Etichetta::Area(const QFont &f) const
{
    const QRect interno = Interno();
    if (riservaSinistra <= 0)
        return interno;
    const int larghezza = QFontMetrics(f).boundingRect(interno, Allineamento, Mostrato()).width();
    if ((interno.width() - larghezza) / 2 >= riservaSinistra)
        return interno;
    return interno.adjusted(riservaSinistra, 0, 0, 0);
}

QString Etichetta::Mostrato() const
{
    QString mostrato = testo;
    mostrato.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return mostrato;
}

bool Etichetta::Entra(const QFont &f) const
{
    const QRect spazio = Area(f);
    const QFontMetrics fm(f);
    const QString mostrato = Mostrato();
    int altezza = fm.boundingRect(spazio, Allineamento, mostrato).height();
    // Digits and most letters end at the baseline: the last line's descent may be cut unseen.
    static const QRegularExpression discendenti(QStringLiteral("[gjpqyQ,;()\\[\\]{}|/_]"));
    if (!mostrato.section(QLatin1Char('\n'), -1).contains(discendenti))
        altezza -= fm.descent();
    return altezza <= spazio.height() && fm.boundingRect(spazio, Allineamento, mostrato).width() <= spazio.width();
}

bool Etichetta::TestoIntero() const
{
    return Entra(font());
}

QFont Etichetta::FontUsato() const
{
    // An unusually wide name must still be read whole: shrink rather than clip.
    QFont f = font();
    while (f.pixelSize() > CarattereMinimo && !Entra(f))
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

bool Etichetta::TestoInteroRidotto() const
{
    return Entra(FontUsato());
}

QRect Etichetta::RettangoloTesto() const
{
    const QFont f = FontUsato();
    return QFontMetrics(f).boundingRect(Area(f), Allineamento, Mostrato());
}

void Etichetta::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (sfondo.isValid())
        p.fillRect(rect(), sfondo);
    p.setPen(coloreTesto);
    const QFont f = FontUsato();
    p.setFont(f);
    p.drawText(Area(f), Allineamento, Mostrato());
    if (bordo) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
