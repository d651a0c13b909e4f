// SPDX-License-Identifier: MIT
#include "stilecercanum.h"

#include "caratteri.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>

namespace {

enum class Segno {
    Stop,
    Esclamazione,
    Domanda
};

// Drawn as vectors at whatever size the message box asks for.
class MotoreSegno final : public QIconEngine
{
public:
    explicit MotoreSegno(Segno segno)
        : segno(segno)
    {
    }

    QIconEngine *clone() const override { return new MotoreSegno(segno); }

    void paint(QPainter *p, const QRect &r, QIcon::Mode, QIcon::State) override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(r.topLeft());
        p->scale(r.width() / 32.0, r.height() / 32.0); // drawn on a 32 x 32 grid
        switch (segno) {
        case Segno::Stop:
            Cerchio(p, QColor(0xd0, 0x20, 0x20), QColor(0x80, 0x10, 0x10));
            p->setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
            p->drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
            p->drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
            break;
        case Segno::Esclamazione: {
            QPainterPath triangolo;
            triangolo.moveTo(16, 2.5);
            triangolo.lineTo(30, 28.5);
            triangolo.lineTo(2, 28.5);
            triangolo.closeSubpath();
            p->setPen(QPen(QColor(0x8a, 0x60, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p->setBrush(QColor(0xff, 0xcc, 0x00));
            p->drawPath(triangolo);
            Lettera(p, QStringLiteral("!"), Qt::black, QRectF(2, 8, 28, 21));
            break;
        }
        case Segno::Domanda:
            Cerchio(p, QColor(0x20, 0x60, 0xc0), QColor(0x10, 0x30, 0x70));
            Lettera(p, QStringLiteral("?"), Qt::white, QRectF(2, 2, 28, 28));
            break;
        }
        p->restore();
    }

    QPixmap pixmap(const QSize &lato, QIcon::Mode modo, QIcon::State stato) override
    {
        QPixmap pm(lato);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(), lato), modo, stato);
        return pm;
    }

private:
    static void Cerchio(QPainter *p, const QColor &pieno, const QColor &bordo)
    {
        p->setPen(QPen(bordo, 1.5));
        p->setBrush(pieno);
        p->drawEllipse(QRectF(1.5, 1.5, 29, 29));
    }

    static void Lettera(QPainter *p, const QString &testo, const QColor &colore, const QRectF &dove)
    {
        QFont f = Caratteri::Font(15, true);
        f.setPixelSize(int(dove.height() * 0.8));
        p->setFont(f);
        p->setPen(colore);
        p->drawText(dove, Qt::AlignCenter, testo);
    }

    Segno segno;
};

} // namespace

StileCercanum::StileCercanum()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QIcon StileCercanum::standardIcon(StandardPixmap segno, const QStyleOption *opzione, const QWidget *widget) const
{
    switch (segno) {
    case SP_MessageBoxCritical: return QIcon(new MotoreSegno(Segno::Stop));
    case SP_MessageBoxWarning: return QIcon(new MotoreSegno(Segno::Esclamazione));
    case SP_MessageBoxQuestion: return QIcon(new MotoreSegno(Segno::Domanda));
    default: return QProxyStyle::standardIcon(segno, opzione, widget);
    }
}

int StileCercanum::styleHint(StyleHint suggerimento, const QStyleOption *opzione, const QWidget *widget,
                             QStyleHintReturn *ritorno) const
{
    if (suggerimento == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(suggerimento, opzione, widget, ritorno);
}
