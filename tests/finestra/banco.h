// SPDX-License-Identifier: MIT
#pragma once

#include "dialoghi.h"
#include "fontecasuale.h"
#include "frmcercanum.h"
#include "messaggi.h"
#include "orologio.h"
#include "suoni.h"
#include "terminazione.h"
#include "uscitaaudio.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Everything the game window reaches outside itself, replaced by instant, scripted stand-ins
// that write down what happened, in one shared journal.
struct Banco
{
    // Time moves only by the waits, each over before Attendi returns; `ad_ogni_attesa` runs in
    // the middle of one, where the real event loop would run. `vero`: the waits really pass, from
    // the event loop, as the program's own clock has them, and `ad_ogni_attesa` runs as each begins.
    struct Orologio final : ::Orologio
    {
        long totale = 0;
        bool vero = false;
        QElapsedTimer cronometro;
        QObject contesto;
        std::int64_t Adesso() override { return vero ? cronometro.elapsed() : totale; }
        std::function<void(int)> ad_ogni_attesa;
        void Attendi(int ms, std::function<void()> poi) override
        {
            if (vero) {
                if (!cronometro.isValid())
                    cronometro.start();
                if (ad_ogni_attesa)
                    ad_ogni_attesa(ms);
                QTimer::singleShot(ms, Qt::PreciseTimer, &contesto, std::move(poi));
                return;
            }
            totale += ms;
            if (ad_ogni_attesa)
                ad_ogni_attesa(ms);
            poi();
        }
    };

    struct Caso final : FonteCasuale
    {
        std::deque<float> valori;
        float Estrai() override
        {
            if (valori.empty())
                return 0.0f;
            const float r = valori.front();
            valori.pop_front();
            return r;
        }
    };

    struct Messaggio
    {
        QString testo, titolo;
        ::Messaggi::Icona icona;
        ::Messaggi::Pulsanti pulsanti;
    };

    struct Messaggi final : ::Messaggi
    {
        QStringList *diario = nullptr;
        std::vector<Messaggio> mostrati;
        std::vector<QWidget *> padri;
        std::deque<Risposta> risposte; // Si when empty
        std::function<void()> durante;
        Risposta Mostra(QWidget *padre, const QString &testo, const QString &titolo, Icona icona,
                        Pulsanti pulsanti) override
        {
            padri.push_back(padre);
            mostrati.push_back({testo, titolo, icona, pulsanti});
            diario->append(QStringLiteral("box:") + titolo);
            if (durante)
                durante();
            if (pulsanti == Pulsanti::Ok)
                return Risposta::Ok;
            if (risposte.empty())
                return Risposta::Si;
            const Risposta r = risposte.front();
            risposte.pop_front();
            return r;
        }
    };

    struct Scelta
    {
        Intero giocatori = 1;
        std::string nomi[2];
    };

    struct Dialoghi final : ::Dialoghi
    {
        QStringList *diario = nullptr;
        std::deque<Scelta> scelte; // one player when empty
        std::vector<bool> avvioDuranteInfo;
        std::vector<Partita::Nomi> nomiRicevuti;
        std::vector<QWidget *> padri;  // what each dialog was opened over
        std::function<void()> durante; // while either dialog is open
        Giocatori MostraPresentazione(QWidget *padre, const Partita::Nomi &nomi) override;
        void MostraInformazioni(QWidget *padre, bool avvio) override;
    };

    struct Terminazione final : ::Terminazione
    {
        QStringList *diario = nullptr;
        int richieste = 0;
        void TerminaSubito() override
        {
            ++richieste;
            diario->append(QStringLiteral("fine"));
        }
    };

    struct Audio final : UscitaAudio
    {
        QStringList *diario = nullptr;
        int dispositivi = 1;
        std::vector<int> suonati;
        int fermate = 0;
        std::function<void(int)> al_suono;
        int NumDispositivi() override { return dispositivi; }
        void Ferma() override { ++fermate; }
        void Riproduci(Intero id, const QByteArray &immagine) override
        {
            suonati.push_back(id);
            if (al_suono)
                al_suono(id);
            diario->append(QStringLiteral("suono:%1:%2").arg(id).arg(immagine.isEmpty() ? 0 : 1));
        }
    };

    Banco();
    ~Banco();

    // A game window wired to the stand-ins, not yet loaded.
    frmCercanum &Finestra();
    // Loads it (start-up included) with the given players' choice first.
    frmCercanum &Avvia(Scelta scelta);
    frmCercanum &Avvia() { return Avvia(Scelta{}); }

    QStringList diario;
    Orologio orologio;
    Caso caso;
    Messaggi messaggi;
    Dialoghi dialoghi;
    Terminazione terminazione;
    Audio audio;
    Suoni suoni{&audio};
    std::unique_ptr<frmCercanum> finestra;
};

// A value of the random source that draws `segreto` out of 1..massimo.
float PerSegreto(int segreto, int massimo);
