// SPDX-License-Identifier: MIT
#include "risveglio.h"

#include "frmcercanum.h"
#include "schermointero.h"
#include "tastiera.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QRegularExpression>
#include <QWidget>

namespace {

const QString Nome = QStringLiteral("org.example.Cercanum");
const QString Percorso = QStringLiteral("/org/example/Cercanum");
const QString Interfaccia = QStringLiteral("org.freedesktop.Application");
const QString Gettone = QStringLiteral("activation-token");
const QString IdAvvio = QStringLiteral("desktop-startup-id");
// A running copy answers at once; one that hangs must not keep the second on the screen's way.
constexpr int AttesaMassima = 2000;

} // namespace

Risveglio::Risveglio(frmCercanum &g)
    : QObject(&g)
    , gioco(g)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.registerObject(Percorso, this, QDBusConnection::ExportScriptableSlots);
    bus.registerService(Nome);
}

bool Risveglio::Sveglia()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QVariantMap dati;
    if (const QString gettone = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !gettone.isEmpty())
        dati.insert(Gettone, gettone);
    // Started without a launcher's startup id (from a terminal, say), the user's start is now.
    QString id = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    if (id.isEmpty())
        if (const unsigned int ora = Tastiera::OraX(); ora != 0)
            id = QStringLiteral("cercanum%1_TIME%2").arg(QCoreApplication::applicationPid()).arg(ora);
    if (!id.isEmpty())
        dati.insert(IdAvvio, id);
    QDBusMessage chiamata = QDBusMessage::createMethodCall(Nome, Percorso, Interfaccia, QStringLiteral("Activate"));
    chiamata << dati;
    return bus.call(chiamata, QDBus::Block, AttesaMassima).type() == QDBusMessage::ReplyMessage;
}

quint32 Risveglio::TempoDiAvvio(const QString &idAvvio)
{
    static const QRegularExpression tempo(QStringLiteral("_TIME([0-9]+)$"));
    const QRegularExpressionMatch trovato = tempo.match(idAvvio);
    return trovato.hasMatch() ? trovato.captured(1).toUInt() : 0;
}

void Risveglio::Activate(const QVariantMap &dati)
{
    // The window that takes the keyboard: an open dialog or box over the game, or the game (in full
    // screen, its screen).
    QWidget *sotto = gioco.Schermo() && gioco.Schermo()->Attivo() ? static_cast<QWidget *>(gioco.Schermo()) : &gioco;
    if (sotto->isMinimized())
        sotto->showNormal();
    QWidget *finestra = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : sotto;
    const QString gettone = dati.value(Gettone).toString();
    if (!gettone.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", gettone.toUtf8()); // Qt's Wayland activation takes it from there
    Tastiera::Chiedi(finestra, TempoDiAvvio(dati.value(IdAvvio).toString()));
}
