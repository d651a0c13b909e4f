// SPDX-License-Identifier: MIT
#include "caratteri.h"
#include "cercanum.h"
#include "dialoghireali.h"
#include "fontecasualeorologio.h"
#include "frmcercanum.h"
#include "immagini.h"
#include "istanzaunica.h"
#include "messaggireali.h"
#include "orologioreale.h"
#include "stilecondiviso.h"
#include "terminazionereale.h"
#include "uscitaaudiosdl.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    IstanzaUnica istanza;
    if (!istanza.Acquisisci())
        return 0; // another copy is running: leave before showing anything

    // Message box buttons in Italian: "OK", "Sì", "No".
    QTranslator traduzione;
    if (traduzione.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);
    QApplication::setStyle(new StileCondiviso(QStyleFactory::create(QStringLiteral("Fusion"))));
    Caratteri::Registra();
    QApplication::setWindowIcon(Immagini::Carica(QStringLiteral("domanda_gialla.ico")));

    UscitaAudioSdl audio;
    Cercanum::ImpostaUscitaAudio(&audio);

    OrologioReale orologio;
    FonteCasualeOrologio caso;
    MessaggiReali messaggi;
    DialoghiReali dialoghi;
    TerminazioneReale terminazione;
    frmCercanum finestra(Servizi{orologio, caso, messaggi, dialoghi, terminazione});
    finestra.Form_Load();
    return app.exec();
}
