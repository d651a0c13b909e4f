// SPDX-License-Identifier: MIT
#include "avvisi.h"

#include "canaleaccessibile.h"
#include "disposizione.h"
#include "etichetta.h"
#include "frmcercanum.h"
#include "partita.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

const QString NomeBarra = QStringLiteral("barraAvvisi");
const QString NomeNotifica = QStringLiteral("notificaAvvisi");

// The status bar and its notification, named by the window's messages.
class AvvisoAccessibile : public QAccessibleWidget
{
public:
    AvvisoAccessibile(QWidget *w, QAccessible::Role ruolo)
        : QAccessibleWidget(w, ruolo)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *avvisi = widget()->window()->findChild<const Avvisi *>();
        if (t != QAccessible::Name || !avvisi)
            return QAccessibleWidget::text(t);
        if (role() == QAccessible::StatusBar)
            return avvisi->Conteggio();
        return widget()->accessibleName().isEmpty() ? QStringLiteral("Avvisi del gioco") : widget()->accessibleName();
    }
};

} // namespace

QAccessibleInterface *Avvisi::Interfaccia(const QString &classe, QObject *oggetto)
{
    if (classe != QLatin1String("QWidget"))
        return nullptr;
    auto *w = qobject_cast<QWidget *>(oggetto);
    if (!w)
        return nullptr;
    if (w->objectName() == NomeBarra)
        return new AvvisoAccessibile(w, QAccessible::StatusBar);
    if (w->objectName() == NomeNotifica)
        return new AvvisoAccessibile(w, QAccessible::Notification);
    return nullptr;
}

Avvisi::Avvisi(frmCercanum *finestra)
    : QObject(finestra)
    , barra(new QWidget(finestra))
{
    setObjectName(QStringLiteral("avvisi"));
    barra->setObjectName(NomeBarra);
    barra->setAttribute(Qt::WA_TransparentForMouseEvents);
    barra->setFocusPolicy(Qt::NoFocus);
    const Disposizione::Rett &r = Disposizione::Shape3; // where the answers left are drawn
    barra->setGeometry(r.x, r.y, r.l, r.a);
    barra->lower(); // beneath every control: it paints nothing and must hide nothing
    for (QWidget *&n : notifiche) {
        n = new QWidget(barra);
        n->setObjectName(NomeNotifica);
        n->hide(); // only ever said, never drawn
    }
    connect(finestra, &frmCercanum::Frase, this, &Avvisi::Annuncia);
    if (auto *rimaste = finestra->findChild<Etichetta *>(QStringLiteral("lblNumRisp(1)")))
        connect(rimaste, &Etichetta::TestoCambiato, this, [this] {
            QAccessibleEvent nome(barra, QAccessible::NameChanged);
            CanaleAccessibile::Invia(&nome);
        });
}

QWidget *Avvisi::Barra(const QWidget *finestra)
{
    return finestra->findChild<QWidget *>(NomeBarra, Qt::FindDirectChildrenOnly);
}

QString Avvisi::Conteggio() const
{
    const auto *rimaste = parent()->findChild<const Etichetta *>(QStringLiteral("lblNumRisp(1)"));
    const QString n =
        rimaste && !rimaste->Testo().isEmpty() ? rimaste->Testo() : QString::number(Partita::RisposteMassime);
    return QStringLiteral("Risposte rimaste: ") + n;
}

void Avvisi::Annuncia(const QString &testo)
{
    if (testo.isEmpty())
        return;
    // Orca reads the name when it comes to the event, maybe after the next sentence: each of a few
    // in a row keeps its own notification. The name first, so that it is there when it shows.
    QWidget *notifica = notifiche[prossima];
    prossima = (prossima + 1) % notifiche.size();
    notifica->setAccessibleName(testo);
    QAccessibleEvent mostra(notifica, QAccessible::ObjectShow);
    CanaleAccessibile::Invia(&mostra);
}
