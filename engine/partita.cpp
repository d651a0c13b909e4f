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
    numRisposte = 0;
    numGiocati = 0;
    numMax = MassimoIniziale;
    // Left set, an abandoned pair would start the next game on the second player's turn.
    turnoPrimo = false;
    punteggi = {};
}

void Partita::ImpostaGiocatori()
{
    if (NumGiocatori() == 2)
        giocatoreAttivo = NomeFisso::Adatta(NomeFisso::Rifila(giocatori->NomeGiocatore[0]));
}

void Partita::CambiaTurno()
{
    if (NumGiocatori() == 2)
        turnoPrimo = !turnoPrimo;
}

Intero Partita::NumeroCasuale(float r, Intero massimo)
{
    // Single precision throughout: the value drawn depends on it.
    const float v = r * static_cast<float>(massimo) + 1.0f;
    return static_cast<Intero>(std::floor(v));
}

void Partita::GeneraNumero(FonteCasuale &fonte)
{
    numSegreto = NumeroCasuale(fonte.Estrai(), numMax);
}

void Partita::PreparaNumero(FonteCasuale &fonte)
{
    GeneraNumero(fonte);
    numRisposte = 0;
}

void Partita::ImpostaIntervallo(Intero n)
{
    if (const auto massimo = MassimoPerIndice(n))
        numMax = *massimo;
}

Risultato Partita::VerificaRisposta(Intero a)
{
    Risultato r;
    if (a > numMax)
        return r;

    if (a == numSegreto) {
        r.esito = Esito::Indovinato;
        r.numero = ++numRisposte;
        ChiudiNumero(r);
        return r;
    }

    r.esito = a > numSegreto ? Esito::TroppoGrande : Esito::TroppoPiccolo;
    r.numero = ++numRisposte;
    if (numRisposte == RisposteMassime) {
        numRisposte = RisposteNumeroPerso;
        r.perso = true;
        ChiudiNumero(r);
    }
    return r;
}

int Partita::ColonnaDiTurno() const
{
    return (NumGiocatori() == 2 && !turnoPrimo) ? 1 : 0;
}

void Partita::ChiudiNumero(Risultato &r)
{
    r.finito = true;
    ++numGiocati;
    r.colonna = ColonnaDiTurno();
    r.cella = static_cast<Intero>(numGiocati - 1);
    r.punteggio = Punteggio::PerNumero(numRisposte, numMax);
    Colonna &colonna = punteggi[static_cast<std::size_t>(r.colonna)];
    if (r.cella >= 0 && r.cella < NumeriPerGioco)
        colonna[static_cast<std::size_t>(r.cella)] = r.punteggio;
    r.media = Punteggio::Media(colonna);
    if (NumGiocatori() == 2) {
        if (turnoPrimo) {
            giocatoreAttivo = NomeFisso::Adatta(NomeFisso::Rifila(giocatori->NomeGiocatore[1]));
            --numGiocati; // the pair is finished only by the second player
        } else {
            giocatoreAttivo = NomeFisso::Adatta(NomeFisso::Rifila(giocatori->NomeGiocatore[0]));
        }
    }
    r.fineGioco = numGiocati == NumeriPerGioco;
}
