// SPDX-License-Identifier: MIT
#include "figuraaccessibile.h"

#include "disposizione.h"
#include "forma.h"
#include "immagine.h"
#include "linea.h"
#include "tabellaaccessibile.h"
#include "tavolozza.h"

namespace {

QAccessible::Role Ruolo(const QWidget *w)
{
    return qobject_cast<const Linea *>(w) ? QAccessible::Separator : QAccessible::Graphic;
}

// What the colour of a rolled ball says of the answer written on it.
QString Verdetto(const QColor &c)
{
    namespace C = Disposizione::Colore;
    if (c == Tavolozza::Colore(C::RossoScuro))
        return QStringLiteral("troppo grande");
    if (c == Tavolozza::Colore(C::VerdeScuro))
        return QStringLiteral("troppo piccolo");
    if (c == Tavolozza::Colore(C::Blu))
        return QStringLiteral("giusto");
    return {};
}

} // namespace

FiguraAccessibile::FiguraAccessibile(QWidget *figura)
    : QAccessibleWidget(figura, Ruolo(figura))
{
}

QString FiguraAccessibile::NomeBase() const
{
    if (!widget()->accessibleName().isEmpty())
        return widget()->accessibleName();
    if (const auto voce = TabellaAccessibile::Per(widget()); voce && !voce->nome.isEmpty())
        return voce->nome;
    return qobject_cast<const Linea *>(widget()) ? QStringLiteral("Linea") : QStringLiteral("Figura");
}

QString FiguraAccessibile::Aggiunta() const
{
    if (const auto *forma = qobject_cast<const Forma *>(widget()))
        return Verdetto(forma->Riempimento());
    return Mostrata(widget());
}

QString FiguraAccessibile::Mostrata(const QWidget *figura)
{
    const auto *immagine = qobject_cast<const Immagine *>(figura);
    if (!immagine || immagine->Figura().isNull() || !immagine->parentWidget())
        return {};
    const qint64 chiave = immagine->Figura().cacheKey();
    for (const Immagine *altra : immagine->parentWidget()->findChildren<const Immagine *>(Qt::FindDirectChildrenOnly)) {
        if (altra == immagine || altra->Figura().cacheKey() != chiave)
            continue;
        if (const auto voce = TabellaAccessibile::Per(altra); voce && !voce->nome.isEmpty())
            return voce->nome;
    }
    return {};
}

QString FiguraAccessibile::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString aggiunta = Aggiunta();
        return aggiunta.isEmpty() ? NomeBase() : NomeBase() + QStringLiteral(": ") + aggiunta;
    }
    case QAccessible::Description:
        if (!widget()->accessibleDescription().isEmpty())
            return widget()->accessibleDescription();
        if (const auto voce = TabellaAccessibile::Per(widget()); voce && !voce->descrizione.isEmpty())
            return voce->descrizione;
        return widget()->toolTip();
    default: return QAccessibleWidget::text(t);
    }
}
