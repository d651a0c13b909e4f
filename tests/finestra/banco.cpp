// SPDX-License-Identifier: MIT
#include "banco.h"

#include "cercanum.h"
#include "nomefisso.h"

void Banco::Dialoghi::MostraPresentazione(QWidget *)
{
    diario->append(QStringLiteral("presentazione"));
    const Scelta s = scelte.empty() ? Scelta{} : scelte.front();
    if (!scelte.empty())
        scelte.pop_front();
    Cercanum::NumGiocatori = s.giocatori;
    if (s.giocatori == 2)
        for (int i = 0; i < 2; ++i)
            Cercanum::NomeGiocatore[i] = NomeFisso::Adatta(s.nomi[i]);
}

void Banco::Dialoghi::MostraInformazioni(QWidget *)
{
    diario->append(QStringLiteral("informazioni"));
    avvioDuranteInfo.push_back(Cercanum::AvvioInCorso);
}

Banco::Banco()
{
    messaggi.diario = &diario;
    dialoghi.diario = &diario;
    terminazione.diario = &diario;
    audio.diario = &diario;
    Cercanum::NumGiocatori = 1;
    Cercanum::NomeGiocatore = {};
    Cercanum::SuonoAttivo = false;
    Cercanum::AvvioInCorso = false;
    Cercanum::ImpostaUscitaAudio(&audio);
}

Banco::~Banco()
{
    finestra.reset();
    Cercanum::ImpostaUscitaAudio(nullptr);
}

frmCercanum &Banco::Finestra()
{
    if (!finestra)
        finestra = std::make_unique<frmCercanum>(Servizi{orologio, caso, messaggi, dialoghi, terminazione});
    return *finestra;
}

frmCercanum &Banco::Avvia(Scelta scelta)
{
    dialoghi.scelte.push_back(scelta);
    Finestra().Form_Load();
    return *finestra;
}

float PerSegreto(int segreto, int massimo)
{
    return (static_cast<float>(segreto) - 0.5f) / static_cast<float>(massimo);
}
