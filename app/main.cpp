// SPDX-License-Identifier: MIT
#include "accessibilita.h"
#include "caratteri.h"
#include "dialoghireali.h"
#include "finestradistrutta.h"
#include "fontecasualeorologio.h"
#include "frmcercanum.h"
#include "istanzaunica.h"
#include "memoria.h"
#include "messaggireali.h"
#include "orologioreale.h"
#include "piattaforma.h"
#include "preparativi.h"
#include "risveglio.h"
#include "schermointero.h"
#include "stilecercanum.h"
#include "suoni.h"
#include "terminazionereale.h"
#include "uscitaaudiosdl.h"

#include <QApplication>
#include <QInputDevice>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <thread>

int main(int argc, char *argv[])
{
    RegolaMemoria();
    std::jthread configurazione(LeggiConfigurazioneCaratteri);
    ScegliPiattaforma();
    QApplication app(argc, argv);
    Accessibilita::Installa();
    std::jthread sessione(CollegaBusDiSessione);
    // Static: the game ends through std::exit, which destroys it all the same and so removes its lock file.
    static IstanzaUnica istanza;
    if (!istanza.Acquisisci()) {
        // Another copy is running: it comes to the front, and this one leaves before showing anything.
        Risveglio::Sveglia();
        return 0;
    }

    // The text boxes' context menus in Italian ("Taglia", "Copia", "Incolla"...); the message
    // boxes name their buttons themselves, so they need none of it.
    QTranslator traduzione;
    if (traduzione.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);
    QApplication::setStyle(new StileCercanum);
    // A steady caret: a blinking one would wake the game twice a second all the while a child thinks
    // over an answer, and steady is the easier one to find for a child.
    QApplication::setCursorFlashTime(0);
    // Message boxes and dialogs in the game's own font; only the game window carries the icon.
    configurazione.join();
    Caratteri::ImpostaPerApplicazione();

    UscitaAudioSdl audio;
    Suoni suoni(&audio);
    OrologioReale orologio;
    FonteCasualeOrologio caso;
    MessaggiReali messaggi;
    DialoghiReali dialoghi(suoni);
    TerminazioneReale terminazione(suoni);
    frmCercanum finestra(Servizi{orologio, caso, messaggi, dialoghi, terminazione, suoni});
    Accessibilita::Prepara(&finestra);
    new Risveglio(finestra); // owned by the window
    // With the game's window destroyed by another client there is nothing left to play in or to end
    // it from: it ends, and its lock goes with it.
    const FinestraDistrutta finestraPersa(
        [&finestra](const QWidget &w) { return &w == &finestra || &w == finestra.Schermo(); },
        [&terminazione](QWidget &) { terminazione.TerminaSubito(); });
    // A classroom's touch screen often has no keyboard: there the game opens on the whole screen,
    // with its number pad.
    const QList<const QInputDevice *> dispositivi = QInputDevice::devices();
    if (std::any_of(dispositivi.begin(), dispositivi.end(),
                    [](const QInputDevice *d) { return d->type() == QInputDevice::DeviceType::TouchScreen; }))
        finestra.ApriASchermoIntero();
    // Joined here, not left to its destructor: the game ends through std::exit, which destroys no
    // local. The window's accessibility has waited for the bus already, so this costs nothing.
    sessione.join();
    finestra.Form_Load();
    // What start-up built and dropped (the font configuration's parse above all) goes back too.
    RestituisciMemoria();
    return app.exec();
}
