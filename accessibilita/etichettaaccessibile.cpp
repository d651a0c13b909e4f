// SPDX-License-Identifier: MIT
#include "etichettaaccessibile.h"

#include "etichetta.h"
#include "tabellaaccessibile.h"

EtichettaAccessibile::EtichettaAccessibile(Etichetta *etichetta)
    : QAccessibleWidget(etichetta, QAccessible::StaticText)
{
}

const Etichetta *EtichettaAccessibile::Etic() const
{
    return static_cast<const Etichetta *>(widget());
}

QString EtichettaAccessibile::Letto() const
{
    QString t = Etic()->Testo();
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QString EtichettaAccessibile::text(QAccessible::Text t) const
{
    const std::optional<TabellaAccessibile::Voce> voce = TabellaAccessibile::Per(Etic());
    switch (t) {
    case QAccessible::Name: {
        QString base = Etic()->accessibleName();
        if (base.isEmpty() && voce)
            base = voce->nome;
        QString letto = Letto();
        letto.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (letto.trimmed().isEmpty())
            return base;
        if (base.isEmpty() || (voce && voce->testoComeNome))
            return letto;
        return base + QStringLiteral(": ") + letto.trimmed();
    }
    case QAccessible::Description:
        if (!Etic()->accessibleDescription().isEmpty())
            return Etic()->accessibleDescription();
        if (voce && !voce->descrizione.isEmpty())
            return voce->descrizione;
        return Etic()->toolTip();
    case QAccessible::Value: return Letto();
    default: return QAccessibleWidget::text(t);
    }
}

void *EtichettaAccessibile::interface_cast(QAccessible::InterfaceType tipo)
{
    if (tipo == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(tipo);
}

void EtichettaAccessibile::selection(int, int *inizio, int *fine) const
{
    *inizio = 0;
    *fine = 0;
}

QString EtichettaAccessibile::text(int inizio, int fine) const
{
    return Letto().mid(inizio, fine - inizio);
}

QRect EtichettaAccessibile::characterRect(int) const
{
    return {}; // the painter places the glyphs; nobody needs them one by one
}

QString EtichettaAccessibile::attributes(int, int *inizio, int *fine) const
{
    *inizio = 0;
    *fine = characterCount();
    return {};
}
