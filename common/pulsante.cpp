// SPDX-License-Identifier: MIT
#include "pulsante.h"

#include "immagini.h"
#include "tavolozza.h"

#include <QPainter>
#include <QShortcut>

namespace {

// The classic 3-D frame: two rings of one pixel, each with one colour on its top and left and
// another on its bottom and right.
void Anelli(QPainter &p, const QRect &r, const QColor &fuoriAlto, const QColor &fuoriBasso, const QColor &dentroAlto,
            const QColor &dentroBasso)
{
    auto anello = [&p](const QRect &a, const QColor &alto, const QColor &basso) {
        p.setPen(alto);
        p.drawLine(a.left(), a.bottom() - 1, a.left(), a.top());
        p.drawLine(a.left(), a.top(), a.right() - 1, a.top());
        p.setPen(basso);
        p.drawLine(a.left(), a.bottom(), a.right(), a.bottom());
        p.drawLine(a.right(), a.top(), a.right(), a.bottom());
    };
    anello(r, fuoriAlto, fuoriBasso);
    anello(r.adjusted(1, 1, -1, -1), dentroAlto, dentroBasso);
}

} // namespace

Pulsante::Pulsante(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
}

QColor Pulsante::Sfondo() const
{
    return palette().color(QPalette::Button);
}

void Pulsante::ImpostaSfondo(const QColor &c)
{
    Tavolozza::Imposta(this, QPalette::Button, c);
}

void Pulsante::ImpostaFigura(const QPixmap &f)
{
    figura = f;
    update();
}

void Pulsante::ImpostaPredefinito()
{
    setDefault(true);
    // A shortcut is seen before the focused control, and one made on the button acts only while
    // the button can be pressed.
    for (const Qt::Key tasto : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(tasto, this), &QShortcut::activated, this, &QAbstractButton::click);
}

void Pulsante::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // Flat in its own colour: a style's shading, or its tinted focus, would lighten the cream,
    // the light yellow and the red of a flash.
    const bool premuto = isDown() || isChecked();
    p.fillRect(rect(), Sfondo());

    const int spinta = premuto ? 1 : 0; // a pressed button shifts its content by a pixel
    const QSize lato = figura.isNull() ? QSize() : figura.deviceIndependentSize().toSize();
    const QFontMetrics fm(font());
    const int altezzaTesto = text().isEmpty() ? 0 : fm.height();
    const int alto = (height() - lato.height() - altezzaTesto) / 2;
    if (!figura.isNull())
        p.drawPixmap((width() - lato.width()) / 2 + spinta, std::max(alto, 1) + spinta,
                     Immagini::PerScala(figura, p.deviceTransform().m11()));
    if (!text().isEmpty()) {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        // Under the picture when there is one, otherwise in the middle.
        const int cima = figura.isNull() ? alto : height() - altezzaTesto - 2;
        const QRect riga(spinta, cima + spinta, width(), altezzaTesto);
        p.drawText(riga, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    }

    // The frame over the content, as the classic buttons clip their content inside it.
    QRect cornice = rect();
    if (isDefault()) {
        // The button Enter presses: a black line round the whole button, the 3-D frame inside.
        p.setPen(Tavolozza::Colore(Colore::Nero));
        p.drawRect(cornice.adjusted(0, 0, -1, -1));
        cornice.adjust(1, 1, -1, -1);
    }
    const QColor bianco = Tavolozza::Colore(Colore::Bianco), chiaro = Tavolozza::Colore(Colore::GrigioChiaro),
                 scuro = Tavolozza::Colore(Colore::Grigio), nero = Tavolozza::Colore(Colore::Nero);
    if (premuto && isDefault()) {
        p.setPen(scuro); // pressed, the default button lies flat in its black frame
        p.drawRect(cornice.adjusted(0, 0, -1, -1));
    } else if (premuto) {
        Anelli(p, cornice, nero, bianco, scuro, chiaro);
    } else {
        Anelli(p, cornice, bianco, nero, chiaro, scuro);
    }

    if (hasFocus())
        RettangoloPunteggiato(p, cornice.adjusted(3, 3, -3, -3));
}

// Every other pixel of the outline in the caption's colour, the others left as they are.
void Pulsante::RettangoloPunteggiato(QPainter &p, const QRect &r)
{
    QList<QPoint> punti;
    auto punto = [&](int x, int y) {
        if ((x - r.left() + y - r.top()) % 2 == 0)
            punti.append(QPoint(x, y));
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        punto(x, r.top());
        punto(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        punto(r.left(), y);
        punto(r.right(), y);
    }
    p.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
    p.drawPoints(punti.constData(), int(punti.size()));
}
