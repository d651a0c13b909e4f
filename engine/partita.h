// SPDX-License-Identifier: MIT
#pragma once

#include "giocatori.h"
#include "intero16.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class FonteCasuale;

enum class Esito {
    Rifiutata, // above the announced maximum: not counted
    TroppoGrande,
    TroppoPiccolo,
    Indovinato,
};

// What one judged answer did to the game, for the window to show.
struct Risultato
{
    Esito esito = Esito::Rifiutata;
    Intero numero = 0;      // which answer of the number this was, 1..20 (counted ones only)
    bool perso = false;     // the 20th wrong answer ended the number
    bool finito = false;    // found or lost: a score was earned
    int colonna = 0;        // score column of the player who just played: 0 first, 1 second
    Intero cella = 0;       // index of the cell that receives the score
    Intero punteggio = 0;   // the score of the finished number
    Intero media = 0;       // that player's new average
    bool fineGioco = false; // the last number of the game is finished
};

// The state of one game and its rules; the main window owns one and drives it through the steps
// below, in the order of play. Who plays is not its own: it reads the players the window keeps.
class Partita
{
public:
    explicit Partita(const Giocatori &giocatori)
        : giocatori(&giocatori)
    {
    }

    static constexpr Intero NumeriPerGioco = 15;
    static constexpr Intero RisposteMassime = 20;
    static constexpr Intero RisposteNumeroPerso = 21;
    static constexpr Intero MassimoIniziale = 10;

    using Nomi = Giocatori::Nomi;
    // A player's scores by number; empty for the numbers not played yet.
    using Colonna = std::array<std::optional<Intero>, NumeriPerGioco>;

    // Announced maximum of the number with 0-based index n; nullopt outside 0..15.
    static std::optional<Intero> MassimoPerIndice(Intero n);
    // floor(r * massimo + 1) in single precision: 1..massimo for r in [0, 1).
    static Intero NumeroCasuale(float r, Intero massimo);
    // 1 to 3 ASCII digits; anything else is no answer at all.
    static std::optional<Intero> LeggiRisposta(std::string_view testo);

    // A new game: counters back to the start, no score yet, the first player on turn.
    void Reimposta();
    // The players just chosen start the game: with two, the first one is on turn.
    void ImpostaGiocatori();
    // The start of every number: two players take turns.
    void CambiaTurno();
    void GeneraNumero(FonteCasuale &fonte);
    void PreparaNumero(FonteCasuale &fonte);
    void ImpostaIntervallo(Intero n);
    Risultato VerificaRisposta(Intero a);

    Intero NumMax() const { return numMax; }
    Intero NumSegreto() const { return numSegreto; }
    Intero NumRisposte() const { return numRisposte; }
    Intero NumGiocati() const { return numGiocati; }
    bool TurnoPrimo() const { return turnoPrimo; }
    // The player whose turn it is, padded to 10 characters (two players only).
    const std::string &GiocatoreAttivo() const { return giocatoreAttivo; }
    Intero NumGiocatori() const { return giocatori->NumGiocatori; }
    const Colonna &Punteggi(int colonna) const { return punteggi[static_cast<std::size_t>(colonna)]; }

private:
    void ChiudiNumero(Risultato &r);
    // The score column of the player whose number is in progress.
    int ColonnaDiTurno() const;

    Intero numMax = MassimoIniziale;
    Intero numSegreto = 0;
    Intero numRisposte = 0;
    Intero numGiocati = 0;
    bool turnoPrimo = false;
    std::string giocatoreAttivo = std::string(10, ' ');
    const Giocatori *giocatori;
    std::array<Colonna, 2> punteggi{};
};
