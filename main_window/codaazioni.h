// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstddef>
#include <deque>
#include <functional>
#include <utility>

// What a child can do to the game, as its doors (the key preview, the buttons, the pad, the
// timer) take it, and the one busy state of the play flow: while a step runs, an action runs at
// once, waits for the step's end, or is dropped, by one table; what waits runs in the order it
// came once the step is over. Only the game's own actions wait, never Qt's events: a click on
// "?" that moves the focus cannot send a waiting digit elsewhere.
class CodaAzioni : public QObject
{
    Q_OBJECT
public:
    struct Azione
    {
        enum class Tipo {
            Tasto, // a key typed into the answer box: `codice` is its character, 8 for backspace
            Invio, // Enter, from any control or the pad
            NuovoNumero,
            Info,
            NuovoGioco,
            Chiudi, // the close button, Esc or the title bar's close box
            Tick,   // the thinking animation's timer
        };
        Tipo tipo;
        int codice = 0;
    };

    enum class Passo {
        Nessuno,
        Annuncio, // the range typed out and blinking: everything waits
        Risposta, // an answer judged, its ball rolling: Enter is not taken, starting over waits
        Lampo,    // a control flashing: everything waits
    };

    // The step `passo` runs for as long as this lives; steps nest.
    class InCorso
    {
    public:
        InCorso(CodaAzioni &c, Passo p)
            : coda(c)
            , prima(std::exchange(c.passo, p))
        {
        }
        ~InCorso()
        {
            coda.passo = prima;
            coda.Programma();
        }
        InCorso(const InCorso &) = delete;
        InCorso &operator=(const InCorso &) = delete;

    private:
        CodaAzioni &coda;
        Passo prima;
    };

    // At most this many keys wait, and twice as many actions: a keyboard held down during a
    // stalled step adds nothing, and the Enter or Esc after it still counts.
    static constexpr std::size_t Massimo = 32;

    CodaAzioni(QObject *parent, std::function<void(const Azione &)> esegui);

    void Ricevi(const Azione &azione);
    Passo Attuale() const { return passo; }
    // A step runs, or actions wait for their turn after one.
    bool Occupata() const { return passo != Passo::Nessuno || !attese.empty(); }
    // A key that comes now waits for its turn.
    bool Attende() const
    {
        return passo == Passo::Annuncio || passo == Passo::Lampo || (passo == Passo::Nessuno && !attese.empty());
    }
    // What waits, taken away: the end of a game decides on it itself.
    std::deque<Azione> Prendi() { return std::exchange(attese, {}); }

    // Sees every action as it comes and as it waits, runs or is dropped (tests).
    enum class Fase {
        Ricevuta,
        Accodata,
        Eseguita,
        Scartata
    };
    std::function<void(Fase, const Azione &)> osservatore;

private:
    enum class Regola {
        Subito,
        Dopo,
        Mai
    };
    static Regola Per(Azione::Tipo tipo, Passo passo);
    bool Inutile(const Azione &azione) const;
    void Programma();
    void Svolgi();
    void Osserva(Fase fase, const Azione &azione)
    {
        if (osservatore)
            osservatore(fase, azione);
    }

    std::function<void(const Azione &)> esegui;
    Passo passo = Passo::Nessuno;
    std::deque<Azione> attese;
    bool programmata = false;
    bool inSvolgimento = false;
};
