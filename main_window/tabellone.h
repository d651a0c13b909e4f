// SPDX-License-Identifier: MIT
#pragma once

#include "intero16.h"

#include <QString>

#include <array>
#include <vector>

class Etichetta;
class Fabbrica;
class Immagine;
struct Risultato;

// The score board: one row of 15 numbered cells per player, with the heading, the running
// total, the judgement picture, the player's picture and, with two players, the name; and the
// score of the number just finished, shown in the hole under the wire.
class Tabellone
{
public:
    explicit Tabellone(const Fabbrica &fabbrica);

    // Column 0 of each row where the game's number of players puts it.
    void PosizionaColonne(Intero numGiocatori);
    void CaricaLabel();
    void CaricaLabel1();
    void ScaricaLabel();
    void ScaricaLabel1();
    // Both players' names, as they stand in the rows.
    void MostraNomi(const QString &primo, const QString &secondo);
    // Two players: the name in bold and the picture mark the player on turn (0 or 1).
    void SegnaTurno(int giocatore);
    // At the end of a two-player game both players' pictures stand.
    void MostraEntrambiBimbi();

    // The score of a finished number in its cell and in the hole, the player's average in the
    // total and its judgement beside it. Returns the average.
    Intero CalcolaPunteggio(const Risultato &risultato);
    void MostraGiudizio(Intero punteggio, int riga);
    // A row's average as its total shows it.
    QString Media(int riga) const;
    // The number's score leaves the hole when a new number or a new game starts.
    void NascondiPuntiRealizzati();
    // The first cell of each row is emptied by the new-game step itself.
    void SvuotaPrimeCelle();

private:
    void MostraTotale(int riga, const Etichetta &numero, const Etichetta &punteggio);

    std::array<Immagine *, 6> imgGiudizio{};
    Immagine *imgBuco = nullptr;
    Etichetta *lblPuntiRealizzati = nullptr;
    std::array<Etichetta *, 2> lblNome{};
    std::vector<Etichetta *> lblNumGioco;
    std::vector<Etichetta *> lblPunteggio;
    std::vector<Etichetta *> lblNumGioco1;
    std::vector<Etichetta *> lblPunteggio1;
    std::array<Etichetta *, 2> lblEtic{};
    std::array<Etichetta *, 2> lblPunti{};
    std::array<Immagine *, 2> imgbimbo{};
    std::array<Immagine *, 2> imgPunteggio{};
};
