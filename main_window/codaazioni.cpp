// SPDX-License-Identifier: MIT
#include "codaazioni.h"

#include <algorithm>
#include <utility>

namespace {

using Tipo = CodaAzioni::Azione::Tipo;

bool Cifra(const CodaAzioni::Azione &a)
{
    return a.tipo == Tipo::Tasto && a.codice >= '0' && a.codice <= '9';
}

bool Indietro(const CodaAzioni::Azione &a)
{
    return a.tipo == Tipo::Tasto && a.codice == 8;
}

} // namespace

CodaAzioni::InCorso::InCorso(CodaAzioni &c, Passo p)
    : coda(c)
    , prima(std::exchange(c.passo, p))
{
}

CodaAzioni::InCorso::~InCorso()
{
    coda.passo = prima;
    coda.Programma();
}

CodaAzioni::CodaAzioni(QObject *parent, std::function<void(const Azione &)> e)
    : QObject(parent)
    , esegui(std::move(e))
{
}

// The one table of the steps: the announcement and a flash hold everything, as a busy thread
// would; while an answer's ball rolls, Enter judges nothing and a new game or the information
// wait for the answer's end, and everything else goes on.
CodaAzioni::Regola CodaAzioni::Per(Tipo tipo, Passo passo)
{
    switch (passo) {
    case Passo::Nessuno: return Regola::Subito;
    case Passo::Annuncio:
    case Passo::Lampo: return Regola::Dopo;
    case Passo::Risposta:
        if (tipo == Tipo::Invio)
            return Regola::Mai;
        return tipo == Tipo::Info || tipo == Tipo::NuovoGioco ? Regola::Dopo : Regola::Subito;
    }
    return Regola::Subito;
}

void CodaAzioni::Ricevi(const Azione &azione)
{
    Osserva(Fase::Ricevuta, azione);
    // Behind what waits already, once its step is over: it comes after it.
    if (passo == Passo::Nessuno && !attese.empty()) {
        Accoda(azione);
        Programma();
        return;
    }
    switch (Per(azione.tipo, passo)) {
    case Regola::Subito: Esegui(azione); break;
    case Regola::Dopo: Accoda(azione); break;
    case Regola::Mai: Osserva(Fase::Scartata, azione); break;
    }
}

// Only what can still change the game waits: the box holds three digits, so a fourth in a row,
// or a fourth deletion, is the same as none; a key that types nothing only shows the reminder,
// which the key before it showed already; one tick stands for any number of them.
void CodaAzioni::Accoda(const Azione &azione)
{
    auto ultimi = [this](int n, auto come) {
        return attese.size() >= std::size_t(n) && std::all_of(attese.end() - n, attese.end(), come);
    };
    const bool inutile =
        attese.size() >= Massimo || (Cifra(azione) && ultimi(3, Cifra)) || (Indietro(azione) && ultimi(3, Indietro))
        || (azione.tipo == Tipo::Tasto && !Cifra(azione) && !Indietro(azione)
            && ultimi(1, [](const Azione &a) { return a.tipo == Tipo::Tasto; }))
        || (azione.tipo == Tipo::Tick
            && std::any_of(attese.begin(), attese.end(), [](const Azione &a) { return a.tipo == Tipo::Tick; }));
    if (inutile) {
        Osserva(Fase::Scartata, azione);
        return;
    }
    attese.push_back(azione);
    Osserva(Fase::Accodata, azione);
}

std::deque<CodaAzioni::Azione> CodaAzioni::Prendi()
{
    return std::exchange(attese, {});
}

void CodaAzioni::Programma()
{
    if (attese.empty() || programmata || inSvolgimento)
        return;
    // From the event loop, once the handler whose step ended has returned.
    programmata = true;
    QMetaObject::invokeMethod(this, &CodaAzioni::Svolgi, Qt::QueuedConnection);
}

void CodaAzioni::Svolgi()
{
    programmata = false;
    inSvolgimento = true;
    // An action may start a step of its own: what follows it waits for that one as the table says.
    while (!attese.empty()) {
        const Regola regola = Per(attese.front().tipo, passo);
        if (regola == Regola::Dopo)
            break;
        const Azione azione = attese.front();
        attese.pop_front();
        if (regola == Regola::Subito)
            Esegui(azione);
        else
            Osserva(Fase::Scartata, azione);
    }
    inSvolgimento = false;
    if (passo == Passo::Nessuno)
        Programma();
}

void CodaAzioni::Esegui(const Azione &azione)
{
    Osserva(Fase::Eseguita, azione);
    esegui(azione);
}

void CodaAzioni::Osserva(Fase fase, const Azione &azione)
{
    if (osservatore)
        osservatore(fase, azione);
}
