// SPDX-License-Identifier: MIT
#include "accessibilita.h"

#include "avvisi.h"
#include "canaleaccessibile.h"
#include "etichetta.h"
#include "etichettaaccessibile.h"
#include "figuraaccessibile.h"
#include "frmcercanum.h"
#include "tabellaaccessibile.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QChildEvent>
#include <QWidget>

namespace {

QAccessibleInterface *CreaInterfaccia(const QString &classe, QObject *oggetto)
{
    // The game window is a plain widget, which Qt would call a client area: it is a window.
    if (classe == QLatin1String("frmCercanum"))
        if (auto *w = qobject_cast<QWidget *>(oggetto); w && w->isWindow())
            return new QAccessibleWidget(w, QAccessible::Window);
    if (classe == QLatin1String("Etichetta"))
        if (auto *e = qobject_cast<Etichetta *>(oggetto))
            return new EtichettaAccessibile(e);
    if (QAccessibleInterface *avviso = Avvisi::Interfaccia(classe, oggetto))
        return avviso;
    if (classe == QLatin1String("Immagine") || classe == QLatin1String("Forma") || classe == QLatin1String("Linea"))
        if (auto *w = qobject_cast<QWidget *>(oggetto))
            return new FiguraAccessibile(w);
    return nullptr;
}

// Standard controls read their name only from the widget; the painted ones also ask the table
// themselves, which names the hidden copies that were never polished.
void Applica(QWidget *w)
{
    const std::optional<TabellaAccessibile::Voce> voce = TabellaAccessibile::Per(w);
    if (!voce)
        return;
    if (!voce->nome.isEmpty() && w->accessibleName() != voce->nome)
        w->setAccessibleName(voce->nome);
    if (!voce->descrizione.isEmpty() && w->accessibleDescription() != voce->descrizione)
        w->setAccessibleDescription(voce->descrizione);
}

// Controls created after the window (copies of array element 0) get their object name only
// after construction; they are named when first polished, which tells their parent.
class Sorvegliante : public QObject
{
public:
    explicit Sorvegliante(QWidget *finestra)
        : QObject(finestra)
    {
    }

    void Segui(QWidget *w)
    {
        Applica(w);
        w->installEventFilter(this);
        // A control may be followed twice (found at once, then polished): one connection only.
        if (auto *e = qobject_cast<Etichetta *>(w))
            connect(e, &Etichetta::TestoCambiato, this, &Sorvegliante::Cambiato, Qt::UniqueConnection);
    }

    void Cambiato(const QString &prima, const QString &dopo) { Accessibilita::TestoCambiato(sender(), prima, dopo); }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::ChildPolished)
            if (auto *figlio = qobject_cast<QWidget *>(static_cast<QChildEvent *>(evento)->child());
                figlio && !figlio->isWindow())
                Segui(figlio);
        return QObject::eventFilter(oggetto, evento);
    }
};

} // namespace

void Accessibilita::Installa()
{
    static const bool installata = [] {
        QAccessible::installFactory(CreaInterfaccia);
        return true;
    }();
    Q_UNUSED(installata);
}

void Accessibilita::Prepara(QWidget *finestra)
{
    Installa();
    if (auto *gioco = qobject_cast<frmCercanum *>(finestra))
        new Avvisi(gioco);
    auto *sorvegliante = new Sorvegliante(finestra);
    sorvegliante->Segui(finestra);
    for (QWidget *w : finestra->findChildren<QWidget *>())
        if (!w->isWindow())
            sorvegliante->Segui(w);
}

void Accessibilita::TestoCambiato(QObject *etichetta, const QString &primaScritto, const QString &dopoScritto)
{
    if (!QAccessible::isActive() && !CanaleAccessibile::Osservato())
        return;
    Installa(); // a label may change before its window is prepared
    // Offsets as the text interface counts them: a line break is one character there.
    QString prima = primaScritto;
    QString dopo = dopoScritto;
    prima.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    dopo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Only the part that changed: a letter typed out is one letter inserted.
    qsizetype inizio = 0;
    while (inizio < prima.size() && inizio < dopo.size() && prima[inizio] == dopo[inizio])
        ++inizio;
    qsizetype fine = 0;
    while (fine < prima.size() - inizio && fine < dopo.size() - inizio
           && prima[prima.size() - 1 - fine] == dopo[dopo.size() - 1 - fine])
        ++fine;
    QAccessibleTextUpdateEvent testo(etichetta, static_cast<int>(inizio),
                                     prima.mid(inizio, prima.size() - inizio - fine),
                                     dopo.mid(inizio, dopo.size() - inizio - fine));
    CanaleAccessibile::Invia(&testo);
    QAccessibleEvent nome(etichetta, QAccessible::NameChanged);
    CanaleAccessibile::Invia(&nome);
}
