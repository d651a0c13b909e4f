// SPDX-License-Identifier: MIT
#include "fontecasuale.h"
#include "partita.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <vector>

namespace {

class FonteFissa final : public FonteCasuale
{
public:
    explicit FonteFissa(float r)
        : valore(r)
    {
    }
    float Estrai() override { return valore; }
    float valore;
};

class FonteCopione final : public FonteCasuale
{
public:
    std::deque<float> valori;
    float Estrai() override
    {
        const float r = valori.front();
        valori.pop_front();
        return r;
    }
};

const float QuasiUno = std::nextafter(1.0f, 0.0f);
const Giocatori::Nomi Nomi{"Anna      ", "Marco     "};
const Giocatori UnGiocatore{1, {}};
const Giocatori DueGiocatori{2, Nomi};

// A new game for `giocatori` players, as the window starts one.
Partita NuovaPartita(Intero giocatori)
{
    Partita p(giocatori == 1 ? UnGiocatore : DueGiocatori);
    p.Reimposta();
    p.ImpostaGiocatori();
    return p;
}

// A number whose secret is `segreto`, drawn in 0..NumMax as the window prepares one.
void Segreto(Partita &p, Intero segreto)
{
    FonteFissa fonte((static_cast<float>(segreto) - 0.5f) / static_cast<float>(p.NumMax()));
    p.PreparaNumero(fonte);
}

// Plays a whole number the way the window does: turn, draw, announce, answer until it ends.
Risultato GiocaNumero(Partita &p, FonteCasuale &fonte, int rispostePrimaGiusta)
{
    p.CambiaTurno();
    p.PreparaNumero(fonte);
    p.ImpostaIntervallo(p.NumGiocati());
    Risultato r;
    for (int i = 0; i < rispostePrimaGiusta && !r.finito; ++i)
        r = p.VerificaRisposta(p.NumSegreto() == 0 ? 1 : 0);
    if (!r.finito)
        r = p.VerificaRisposta(p.NumSegreto());
    return r;
}

} // namespace

TEST(Intervalli, TabellaPerIndiceDelNumero)
{
    const std::vector<Intero> attesi{10, 10, 20, 20, 30, 30, 40, 40, 50, 50, 60, 60, 80, 80, 100, 100};
    for (Intero n = 0; n < 16; ++n)
        EXPECT_EQ(Partita::MassimoPerIndice(n), attesi[n]) << "n=" << n;
    EXPECT_FALSE(Partita::MassimoPerIndice(-1));
    EXPECT_FALSE(Partita::MassimoPerIndice(16));

    Partita p(UnGiocatore);
    p.ImpostaIntervallo(9);
    p.ImpostaIntervallo(16);
    EXPECT_EQ(p.NumMax(), 50) << "an index outside 0..15 leaves the maximum as it is";
}

// The secret is drawn before the range step of its own number, with the previous maximum.
TEST(Estrazione, IntervalliEstrattiInUnaPartita)
{
    const std::vector<Intero> massimiEstratti{10, 10, 10, 20, 20, 30, 30, 40, 40, 50, 50, 60, 60, 80, 80};
    for (Intero giocatori : {1, 2}) {
        Partita p = NuovaPartita(giocatori);
        FonteCopione fonte;
        std::vector<Intero> minimi, massimi, annunciati;
        for (int i = 0; i < 15 * giocatori; ++i) {
            fonte.valori = {0.0f, QuasiUno};
            Partita prova = p; // the same state drawn twice: lowest and highest value of the source
            prova.CambiaTurno();
            prova.PreparaNumero(fonte);
            const Intero minimo = prova.NumSegreto();
            GiocaNumero(p, fonte, 0);
            minimi.push_back(minimo);
            massimi.push_back(p.NumSegreto());
            annunciati.push_back(p.NumMax());
        }
        for (int i = 0; i < 15 * giocatori; ++i) {
            const int numero = giocatori == 1 ? i : i / 2;
            // Two players: the first of each pair is drawn with the previous pair's maximum,
            // the second with the current one.
            const Intero atteso = giocatori == 1 ? massimiEstratti[numero]
                                  : (i % 2 == 0) ? massimiEstratti[numero]
                                                 : *Partita::MassimoPerIndice(static_cast<Intero>(numero));
            EXPECT_EQ(minimi[i], 1) << "0 is never drawn; number " << i;
            EXPECT_EQ(massimi[i], atteso) << giocatori << " players, number " << i;
            EXPECT_EQ(annunciati[i], *Partita::MassimoPerIndice(static_cast<Intero>(numero)));
        }
    }
}

TEST(Estrazione, ValoreCentraleArrotondaPerDifetto)
{
    Partita p = NuovaPartita(1);
    FonteFissa fonte(0.55f);
    p.GeneraNumero(fonte);
    EXPECT_EQ(p.NumSegreto(), 6);
    Segreto(p, 3);
    p.VerificaRisposta(7);
    EXPECT_EQ(p.NumRisposte(), 1);
    p.PreparaNumero(fonte);
    EXPECT_EQ(p.NumRisposte(), 0);
}

TEST(Giudizio, PrimoNumero)
{
    Partita p = NuovaPartita(1);
    Segreto(p, 5);

    Risultato r = p.VerificaRisposta(11);
    EXPECT_EQ(r.esito, Esito::Rifiutata);
    EXPECT_EQ(p.NumRisposte(), 0) << "a rejected answer is not counted";

    r = p.VerificaRisposta(0);
    EXPECT_EQ(r.esito, Esito::TroppoPiccolo) << "0 is an ordinary wrong answer";
    r = p.VerificaRisposta(10);
    EXPECT_EQ(r.esito, Esito::TroppoGrande);
    EXPECT_EQ(p.NumRisposte(), 2);
    EXPECT_FALSE(r.finito);

    r = p.VerificaRisposta(5);
    EXPECT_EQ(r.esito, Esito::Indovinato);
    EXPECT_TRUE(r.finito);
    EXPECT_FALSE(r.perso);
    EXPECT_EQ(p.NumRisposte(), 3);
    EXPECT_EQ(p.NumGiocati(), 1);
    EXPECT_EQ(r.cella, 0);
    EXPECT_EQ(r.colonna, 0);
    EXPECT_EQ(r.punteggio, 100);
}

TEST(Giudizio, IndovinatoAllaPrimaRisposta)
{
    Partita p = NuovaPartita(1);
    Segreto(p, 7);
    EXPECT_TRUE(p.VerificaRisposta(7).finito);
    EXPECT_EQ(p.NumRisposte(), 1);
}

TEST(Giudizio, VentesimaRispostaSbagliataPerdeIlNumero)
{
    Partita p = NuovaPartita(1);
    Segreto(p, 5);
    for (int i = 1; i <= 19; ++i) {
        const Risultato r = p.VerificaRisposta(9);
        ASSERT_FALSE(r.finito) << "answer " << i;
    }
    EXPECT_EQ(p.NumRisposte(), 19);
    const Risultato r = p.VerificaRisposta(1);
    EXPECT_EQ(r.esito, Esito::TroppoPiccolo) << "the verdict of the last answer is still given";
    EXPECT_TRUE(r.perso);
    EXPECT_TRUE(r.finito);
    EXPECT_EQ(p.NumRisposte(), 21);
    EXPECT_EQ(p.NumGiocati(), 1);
    EXPECT_EQ(r.punteggio, 0);
}

TEST(Turni, DueGiocatoriPerCoppia)
{
    Partita p = NuovaPartita(2);
    FonteFissa fonte(0.3f);
    for (Intero coppia = 0; coppia < 15; ++coppia) {
        Risultato r = GiocaNumero(p, fonte, coppia % 3);
        EXPECT_TRUE(p.TurnoPrimo());
        EXPECT_EQ(r.colonna, 0);
        EXPECT_EQ(r.cella, coppia);
        EXPECT_EQ(p.NumGiocati(), coppia) << "the first player's number leaves the pair open";
        EXPECT_EQ(p.GiocatoreAttivo(), "Marco     ");
        EXPECT_FALSE(r.fineGioco);

        // The second player loses this one: the turn passes all the same.
        r = GiocaNumero(p, fonte, 25);
        EXPECT_TRUE(r.perso);
        EXPECT_FALSE(p.TurnoPrimo());
        EXPECT_EQ(r.colonna, 1);
        EXPECT_EQ(r.cella, coppia);
        EXPECT_EQ(p.NumGiocati(), coppia + 1);
        EXPECT_EQ(p.GiocatoreAttivo(), "Anna      ");
        EXPECT_EQ(r.fineGioco, coppia == 14) << "the game ends after 30 numbers";
    }
}

TEST(Punteggi, TenutiComeNumeriPerGiocatore)
{
    Partita p = NuovaPartita(2);
    EXPECT_EQ(p.GiocatoreAttivo(), "Anna      ") << "the first player starts";
    FonteFissa fonte(0.3f);
    Risultato r = GiocaNumero(p, fonte, 0); // Anna: first answer, 100
    EXPECT_EQ(r.media, 100);
    r = GiocaNumero(p, fonte, 25); // Marco loses: 0
    EXPECT_EQ(r.media, 0);
    r = GiocaNumero(p, fonte, 7); // Anna: 8 answers in 0..10, 75
    EXPECT_EQ(r.punteggio, 75);
    EXPECT_EQ(r.media, 88) << "(100 + 75) / 2 = 87.5 goes up";
    EXPECT_EQ(p.Punteggi(0)[0], 100);
    EXPECT_EQ(p.Punteggi(0)[1], 75);
    EXPECT_FALSE(p.Punteggi(0)[2]);
    EXPECT_EQ(p.Punteggi(1)[0], 0);
    EXPECT_FALSE(p.Punteggi(1)[1]);

    p.Reimposta();
    EXPECT_FALSE(p.Punteggi(0)[0]) << "a new game starts with no score";
    EXPECT_FALSE(p.Punteggi(1)[0]);
}

TEST(Turni, UnGiocatoreFinisceDopoQuindiciNumeri)
{
    Partita p = NuovaPartita(1);
    FonteFissa fonte(0.9f);
    for (int i = 1; i <= 15; ++i) {
        const Risultato r = GiocaNumero(p, fonte, 1);
        EXPECT_EQ(r.fineGioco, i == 15);
        EXPECT_FALSE(p.TurnoPrimo()) << "one player never switches turns";
    }
}

TEST(Turni, NuovaPartitaDopoCoppiaAbbandonataIniziaColPrimo)
{
    Partita p = NuovaPartita(2);
    FonteFissa fonte(0.5f);
    GiocaNumero(p, fonte, 0);
    EXPECT_TRUE(p.TurnoPrimo()) << "the pair is half played when the game is abandoned";
    p.Reimposta();
    const Risultato r = GiocaNumero(p, fonte, 0);
    EXPECT_EQ(r.colonna, 0) << "the first number of the new game is the first player's";
    EXPECT_EQ(p.NumGiocati(), 0);
}

TEST(Risposte, SoloDaUnaATreCifre)
{
    struct Caso
    {
        const char *testo;
        std::optional<Intero> atteso;
    };
    const std::vector<Caso> casi{
        {"0", 0},
        {"7", 7},
        {"10", 10},
        {"007", 7},
        {"100", 100},
        {"999", 999},
        {"", std::nullopt},
        {"1000", std::nullopt},
        {"-1", std::nullopt},
        {"+5", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"2.5", std::nullopt},
        {"2,5", std::nullopt},
        {"1e3", std::nullopt},
        {"&H1", std::nullopt},
        {"0x1", std::nullopt},
        {"a", std::nullopt},
        {"\xD9\xA3", std::nullopt},     // ARABIC-INDIC DIGIT THREE
        {"\xEF\xBC\x95", std::nullopt}, // FULLWIDTH DIGIT FIVE
    };
    for (const Caso &c : casi)
        EXPECT_EQ(Partita::LeggiRisposta(c.testo), c.atteso) << '"' << c.testo << '"';
}
