// SPDX-License-Identifier: MIT
#include "codaazioni.h"

#include <algorithm>
#include <utility>

using Tipo = CodaAzioni::Azione::Tipo;

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
    if (passo == Passo::Nessuno)
        return Regola::Subito;
    if (passo != Passo::Risposta)
        return Regola::Dopo;
    if (tipo == Tipo::Invio)
        return Regola::Mai;
    return tipo == Tipo::Info || tipo == Tipo::NuovoGioco ? Regola::Dopo : Regola::Subito;
}

void CodaAzioni::Ricevi(const Azione &azione)
{
    Osserva(Fase::Ricevuta, azione);
    // Behind what waits already, once its step is over, it comes after it.
    const Regola regola = passo == Passo::Nessuno && !attese.empty() ? Regola::Dopo : Per(azione.tipo, passo);
    if (regola == Regola::Subito) {
        Osserva(Fase::Eseguita, azione);
        esegui(azione);
    } else if (regola == Regola::Mai || Inutile(azione)) {
        Osserva(Fase::Scartata, azione);
    } else {
        attese.push_back(azione);
        Osserva(Fase::Accodata, azione);
        if (passo == Passo::Nessuno)
            Programma();
    }
}

// Only what can still change the game waits: the box holds three digits, so a fourth in a row,
// or a fourth deletion, is the same as none; a key that types nothing only shows the reminder,
// which the key before it showed already; one tick stands for any number of them.
bool CodaAzioni::Inutile(const Azione &a) const
{
    auto cifra = [](const Azione &x) { return x.tipo == Tipo::Tasto && x.codice >= '0' && x.codice <= '9'; };
    auto indietro = [](const Azione &x) { return x.tipo == Tipo::Tasto && x.codice == 8; };
    auto ultimi = [this](std::size_t n, auto come) {
        return attese.size() >= n && std::all_of(attese.end() - std::ptrdiff_t(n), attese.end(), come);
    };
    if (a.tipo == Tipo::Tick)
        return std::any_of(attese.begin(), attese.end(), [](const Azione &x) { return x.tipo == Tipo::Tick; });
    if (a.tipo != Tipo::Tasto)
        return attese.size() >= 2 * Massimo;
    if (cifra(a))
        return attese.size() >= Massimo || ultimi(3, cifra);
    if (indietro(a))
        return attese.size() >= Massimo || ultimi(3, indietro);
    return attese.size() >= Massimo || ultimi(1, [](const Azione &x) { return x.tipo == Tipo::Tasto; });
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
    while (!attese.empty() && Per(attese.front().tipo, passo) != Regola::Dopo) {
        const Azione azione = attese.front();
        attese.pop_front();
        const bool subito = Per(azione.tipo, passo) == Regola::Subito;
        Osserva(subito ? Fase::Eseguita : Fase::Scartata, azione);
        if (subito)
            esegui(azione);
    }
    inSvolgimento = false;
    if (passo == Passo::Nessuno)
        Programma();
}
