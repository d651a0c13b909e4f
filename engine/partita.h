// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class FonteCasuale;

enum class Esito {
    Rifiutata,     // above the announced maximum: not counted
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
    bool fineGioco = false; // the last number of the game is finished
};

// The state of one game and its rules; the main window owns one and drives it.
class Partita
{
public:
    static constexpr Intero NumeriPerGioco = 15;
    static constexpr Intero RisposteMassime = 20;
    static constexpr Intero RisposteNumeroPerso = 21;

    Intero NumMax = 10;
    Intero NumSegreto = 0;
    Intero NumRisposte = 0;
    Intero NumGiocati = 0;
    bool TurnoPrimo = false;
    std::string GiocatoreAttivo = std::string(10, ' ');

    // Announced maximum of the number with 0-based index n; nullopt outside 0..15.
    static std::optional<Intero> MassimoPerIndice(Intero n);
    // floor(r * massimo + 1) in single precision: 1..massimo for r in [0, 1).
    static Intero NumeroCasuale(float r, Intero massimo);
    // 1 to 3 ASCII digits; anything else is no answer at all.
    static std::optional<Intero> LeggiRisposta(std::string_view testo);

    void Reimposta();
    void CambiaTurno(Intero numGiocatori);
    void GeneraNumero(FonteCasuale &fonte);
    void PreparaNumero(FonteCasuale &fonte);
    void ImpostaIntervallo(Intero n);
    Risultato VerificaRisposta(Intero a, Intero numGiocatori,
                               const std::array<std::string, 2> &nomi);

private:
    void ChiudiNumero(Risultato &r, Intero numGiocatori, const std::array<std::string, 2> &nomi);
};
