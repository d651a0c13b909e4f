// SPDX-License-Identifier: MIT
#include "avvisi.h"

#include "accessibilita.h"
#include "disposizione.h"
#include "etichetta.h"
#include "figuraaccessibile.h"
#include "partita.h"
#include "testi.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

const QString NomeBarra = QStringLiteral("barraAvvisi");
const QString NomeNotifica = QStringLiteral("notificaAvvisi");

// A label's text as one spoken sentence or more: each line ends a sentence, spaces are single.
QString Frasi(const QString &testo)
{
    QStringList frasi;
    for (QString riga : testo.split(QStringLiteral("\r\n"))) {
        riga = riga.simplified();
        if (riga.isEmpty())
            continue;
        if (!riga.back().isPunct())
            riga += QLatin1Char('.');
        frasi.append(riga);
    }
    return frasi.join(QLatin1Char(' '));
}

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

Avvisi::Avvisi(frmCercanum *f)
    : QObject(f)
    , finestra(f)
    , barra(new QWidget(f))
    , messaggio(Label("lblMessaggio"))
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
    connect(finestra, &frmCercanum::MessaggioCompleto, this, &Avvisi::AlMomento);
    if (Etichetta *rimaste = Label("lblNumRisp(1)"))
        connect(rimaste, &Etichetta::TestoCambiato, this, &Avvisi::ContatoreCambiato);
}

QWidget *Avvisi::Barra(const QWidget *finestra)
{
    return finestra->findChild<QWidget *>(NomeBarra, Qt::FindDirectChildrenOnly);
}

Etichetta *Avvisi::Label(const char *nome) const
{
    return finestra->findChild<Etichetta *>(QString::fromLatin1(nome));
}

QString Avvisi::Conteggio() const
{
    const Etichetta *rimaste = Label("lblNumRisp(1)");
    const QString n =
        rimaste && !rimaste->Testo().isEmpty() ? rimaste->Testo() : QString::number(Partita::RisposteMassime);
    return QStringLiteral("Risposte rimaste: ") + n;
}

QString Avvisi::Testo(frmCercanum::Momento momento) const
{
    using M = frmCercanum::Momento;
    const QString letto = messaggio ? messaggio->Testo() : QString();
    switch (momento) {
    case M::Battitura: return {};
    case M::Intervallo: {
        // The reminder names the player with two; the message's last line says what to do.
        const Etichetta *promemoria = Label("lblInfoTemp");
        const QString intervallo = promemoria ? promemoria->Testo() : QString();
        return Frasi(intervallo + Testi::Acapo + letto.section(Testi::Acapo, -1));
    }
    case M::Verdetto: return Frasi(letto);
    case M::FineNumero: {
        // The points come after the verdict and before the turn of the next player.
        const Etichetta *punti = Label("lblPuntiRealizzati");
        const QString detti =
            punti ? Frasi(QString(punti->Testo()).replace(Testi::Acapo, QStringLiteral(" "))) : QString();
        const qsizetype turno = letto.indexOf(Testi::AdessoGioca);
        if (turno < 0)
            return Frasi(letto + Testi::Acapo + detti);
        return Frasi(letto.left(turno) + Testi::Acapo + detti + Testi::Acapo + letto.mid(turno));
    }
    case M::FineGioco: {
        QStringList righe{letto};
        for (int i = 0; i < 2; ++i) {
            const Etichetta *media = Label(i == 0 ? "lblPunti(0)" : "lblPunti(1)");
            if (!media || media->isHidden())
                continue;
            const Etichetta *nome = Label(i == 0 ? "lblNome(0)" : "lblNome(1)");
            const QString chi = nome && !nome->isHidden() ? nome->Testo().trimmed() + QStringLiteral(": ") : QString();
            const auto *giudizio = finestra->findChild<QWidget *>(QStringLiteral("imgPunteggio(%1)").arg(i));
            const QString figura = giudizio ? FiguraAccessibile::Mostrata(giudizio) : QString();
            righe.append(chi + Testi::Punteggio + QLatin1Char(' ') + media->Testo()
                         + (figura.isEmpty() ? QString() : QStringLiteral(", ") + figura));
        }
        return Frasi(righe.join(Testi::Acapo));
    }
    }
    return {};
}

bool Avvisi::Trattiene(const QObject *etichetta, const QString &dopo)
{
    if (!battitura || etichetta != messaggio)
        return false;
    if (dopo.isEmpty() || Testi::Annuncio.startsWith(dopo) || dopo.startsWith(Testi::Annuncio))
        return true;
    // Something else written before the end (a new game in the middle): one change up to it.
    battitura = false;
    Accessibilita::TestoCambiato(messaggio, primaDellaBattitura, dopo);
    return true;
}

void Avvisi::AlMomento(frmCercanum::Momento momento)
{
    if (momento == frmCercanum::Momento::Battitura) {
        battitura = true;
        primaDellaBattitura = messaggio ? messaggio->Testo() : QString();
        return;
    }
    if (battitura) {
        battitura = false;
        if (messaggio)
            Accessibilita::TestoCambiato(messaggio, primaDellaBattitura, messaggio->Testo());
    }
    Annuncia(Testo(momento));
}

void Avvisi::Annuncia(const QString &testo)
{
    if (testo.isEmpty())
        return;
    ultimo = testo;
    // Orca reads the name when it comes to the event, maybe after the next message: each of a few
    // in a row keeps its own notification. The name first, so that it is there when it shows.
    QWidget *notifica = notifiche[prossima];
    prossima = (prossima + 1) % notifiche.size();
    notifica->setAccessibleName(testo);
    QAccessibleEvent mostra(notifica, QAccessible::ObjectShow);
    Accessibilita::Invia(&mostra);
}

void Avvisi::ContatoreCambiato()
{
    QAccessibleEvent nome(barra, QAccessible::NameChanged);
    Accessibilita::Invia(&nome);
}
