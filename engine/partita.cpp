// SPDX-License-Identifier: MIT
#include "partita.h"

#include "fontecasuale.h"
#include "nomefisso.h"
#include "punteggio.h"

#include <cmath>

namespace {

// Announced maximum by pair of number indices: 0-1, 2-3, ... 14-15. No 70 and no 90.
constexpr std::array<Intero, 8> Intervalli{10, 20, 30, 40, 50, 60, 80, 100};

} // namespace

std::optional<Intero> Partita::MassimoPerIndice(Intero n)
{
    if (n < 0 || n > 15)
        return std::nullopt;
    return Intervalli[static_cast<std::size_t>(n / 2)];
}

std::optional<Intero> Partita::LeggiRisposta(std::string_view testo)
{
    if (testo.empty() || testo.size() > 3)
        return std::nullopt;
    Intero valore = 0;
    for (char c : testo) {
        if (c < '0' || c > '9')
            return std::nullopt;
        valore = static_cast<Intero>(valore * 10 + (c - '0'));
    }
    return valore;
}

void Partita::Reimposta()
{
    NumRisposte = 0;
    NumGiocati = 0;
    NumMax = 10;
    // Left set, an abandoned pair would start the next game on the second player's turn.
    TurnoPrimo = false;
}

void Partita::CambiaTurno(Intero numGiocatori)
{
    if (numGiocatori == 2)
        TurnoPrimo = !TurnoPrimo;
}

Intero Partita::NumeroCasuale(float r, Intero massimo)
{
    // Single precision throughout, as the draw has always been made.
    const float v = r * static_cast<float>(massimo) + 1.0f;
    return static_cast<Intero>(std::floor(v));
}

void Partita::GeneraNumero(FonteCasuale &fonte)
{
    NumSegreto = NumeroCasuale(fonte.Estrai(), NumMax);
}

void Partita::PreparaNumero(FonteCasuale &fonte)
{
    GeneraNumero(fonte);
    NumRisposte = 0;
}

void Partita::ImpostaIntervallo(Intero n)
{
    if (const auto massimo = MassimoPerIndice(n))
        NumMax = *massimo;
}

Risultato Partita::VerificaRisposta(Intero a, Intero numGiocatori,
                                    const std::array<std::string, 2> &nomi)
{
    Risultato r;
    if (a > NumMax)
        return r;

    if (a == NumSegreto) {
        r.esito = Esito::Indovinato;
        r.numero = ++NumRisposte;
        ChiudiNumero(r, numGiocatori, nomi);
        return r;
    }

    r.esito = a > NumSegreto ? Esito::TroppoGrande : Esito::TroppoPiccolo;
    r.numero = ++NumRisposte;
    if (NumRisposte == RisposteMassime) {
        NumRisposte = RisposteNumeroPerso;
        r.perso = true;
        ChiudiNumero(r, numGiocatori, nomi);
    }
    return r;
}

void Partita::ChiudiNumero(Risultato &r, Intero numGiocatori, const std::array<std::string, 2> &nomi)
{
    r.finito = true;
    ++NumGiocati;
    r.colonna = (numGiocatori == 2 && !TurnoPrimo) ? 1 : 0;
    r.cella = static_cast<Intero>(NumGiocati - 1);
    r.punteggio = Punteggio::PerNumero(NumRisposte, NumMax);
    if (numGiocatori == 2) {
        if (TurnoPrimo) {
            GiocatoreAttivo = NomeFisso::Adatta(NomeFisso::Rifila(nomi[1]));
            --NumGiocati; // the pair is finished only by the second player
        } else {
            GiocatoreAttivo = NomeFisso::Adatta(NomeFisso::Rifila(nomi[0]));
        }
    }
    r.fineGioco = NumGiocati == NumeriPerGioco;
}
