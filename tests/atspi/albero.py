#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Reads the game's accessible tree from the AT-SPI bus as a screen reader does, presses its
# buttons through AT-SPI actions, and listens for the message area's text changes.
import sys
import time

import dbus
import dbus.mainloop.glib
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
sessione = dbus.SessionBus()
indirizzo = sessione.get_object('org.a11y.Bus', '/org/a11y/bus').GetAddress(dbus_interface='org.a11y.Bus')
bus = dbus.bus.BusConnection(indirizzo)
ACC = 'org.a11y.atspi.Accessible'
guasti = []


def proprieta(dest, percorso, nome):
    return bus.get_object(dest, percorso).Get(ACC, nome, dbus_interface='org.freedesktop.DBus.Properties')


def nodo(dest, percorso):
    o = bus.get_object(dest, percorso)
    return {
        'dest': str(dest), 'percorso': str(percorso),
        'nome': str(proprieta(dest, percorso, 'Name')),
        'descrizione': str(proprieta(dest, percorso, 'Description')),
        'ruolo': str(o.GetRoleName(dbus_interface=ACC)),
        'figli': [(str(d), str(p)) for d, p in o.GetChildren(dbus_interface=ACC)],
    }


def albero(dest, percorso, profondita=0, fino=12):
    n = nodo(dest, percorso)
    tutti = [n]
    if profondita < fino:
        for d, p in n['figli']:
            tutti += albero(d, p, profondita + 1, fino)
    return tutti


def cerca_finestra(ruolo, nome, attesa=15.0):
    fine = time.time() + attesa
    while time.time() < fine:
        for d, p in nodo('org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root')['figli']:
            try:
                app = nodo(d, p)
                for dd, pp in app['figli']:
                    f = nodo(dd, pp)
                    if f['ruolo'] == ruolo and f['nome'] == nome:
                        return f
            except dbus.DBusException:
                pass
        time.sleep(0.1)
    return None


def premi(finestra, nome):
    for n in albero(finestra['dest'], finestra['percorso']):
        if n['ruolo'] == 'push button' and n['nome'] == nome:
            bus.get_object(n['dest'], n['percorso']).DoAction(0, dbus_interface='org.a11y.atspi.Action')
            return True
    guasti.append('no button "%s" in "%s"' % (nome, finestra['nome']))
    return False


def richiedi(condizione, messaggio):
    if not condizione:
        guasti.append(messaggio)


# The information window over the game window, both in the tree, every control named.
info = cerca_finestra('dialog', 'Informazioni')
gioco = cerca_finestra('frame', 'Cercanum')
richiedi(info is not None, 'no dialog "Informazioni"')
richiedi(gioco is not None, 'no window "Cercanum"')
if gioco is None or info is None:
    print('FAIL: ' + '; '.join(guasti))
    sys.exit(1)
nodi = albero(gioco['dest'], gioco['percorso'])
coppie = {(n['ruolo'], n['nome']) for n in nodi}
for atteso in [('push button', 'Nuovo Numero'), ('text', 'Risposta'), ('check box', 'Senza suono'),
               ('push button', 'Esci'), ('push button', 'Informazioni'), ('push button', 'Nuovo gioco'),
               ('label', 'Risposte date'), ('image', 'Faccina che ride'), ('image', 'Maestro contento'),
               ('label', 'Messaggio'), ('label', 'Intestazione del punteggio, giocatore 1: Punteggio'),
               ('label', 'Numero a caso del professore: 100'), ('filler', 'Tavolo di gioco'),
               ('status bar', 'Risposte rimaste: 20'), ('notification', 'Avvisi del gioco')]:
    # Qt names the image role "graphic".
    richiedi(atteso in coppie or (atteso[0] == 'image' and ('graphic', atteso[1]) in coppie),
             'the game window has no %s "%s"' % atteso)
senza = [n['ruolo'] for n in nodi if not n['nome'].strip()]
# Only the layer that holds the painted controls is a mere filler.
riempitivi = [n['nome'] for n in nodi if n['ruolo'] == 'filler']
richiedi(riempitivi == ['Tavolo di gioco'], 'fillers: %s' % riempitivi)
richiedi(not senza, 'unnamed in the game window: %s' % senza)
print('game window: %d accessible objects, %d unnamed; roles: %s'
      % (len(nodi), len(senza), ', '.join(sorted({n['ruolo'] for n in nodi}))))

# Listen for text changes, then play through AT-SPI actions alone.
cambi = []


def al_cambio(tipo, inizio, lunghezza, dato, *_, path=None, **__):
    cambi.append((str(tipo), str(dato), str(path)))


bus.add_signal_receiver(al_cambio, signal_name='TextChanged', dbus_interface='org.a11y.atspi.Event.Object',
                        path_keyword='path')
bus.get_object('org.a11y.atspi.Registry', '/org/a11y/atspi/registry').RegisterEvent(
    'object:text-changed', dbus.Array([], signature='s'), '', dbus_interface='org.a11y.atspi.Registry')


def attendi(secondi):
    ciclo = GLib.MainLoop()
    GLib.timeout_add(int(secondi * 1000), ciclo.quit)
    ciclo.run()


attendi(0.5)
premi(info, 'Gioca')
presentazione = cerca_finestra('dialog', 'Cercanum')
richiedi(presentazione is not None, 'the start dialog did not appear')
if presentazione:
    nomi = {(n['ruolo'], n['nome']) for n in albero(presentazione['dest'], presentazione['percorso'])}
    richiedi(('text', 'Nome del giocatore 1') in nomi, 'the start dialog has no name box "Nome del giocatore 1"')
    richiedi(('radio button', '2 giocatori') in nomi, 'the start dialog has no option "2 giocatori"')
    premi(presentazione, 'OK')
    # Actions pass over modality: the game's button waits until the dialog is gone.
    fine = time.time() + 15
    while time.time() < fine and cerca_finestra('dialog', 'Cercanum', attesa=0.1):
        attendi(0.1)
premi(gioco, 'Nuovo Numero')


def area_messaggi():
    return [n for n in albero(gioco['dest'], gioco['percorso']) if n['descrizione'] == 'Messaggi del gioco']


# The announcement types itself out and blinks for a few seconds; its last words end it.
fine = time.time() + 20
while time.time() < fine:
    attendi(0.5)
    messaggio = area_messaggi()
    if messaggio and messaggio[0]['nome'].endswith('premi il tasto invio'):
        break
attendi(0.5)  # the last changes still on their way
richiedi(len(messaggio) == 1, 'no message area')
if messaggio:
    percorso = messaggio[0]['percorso']
    inseriti = [d for t, d, p in cambi if p == percorso and t == 'insert']
    # Typed out letter by letter on the screen, told whole once it stands.
    richiedi('I' not in inseriti, 'the announcement was told letter by letter: %s' % inseriti[:5])
    richiedi(any(d.startswith('Il numero da indovinare') and d.endswith('scrivi il numero e premi il tasto invio')
                 for d in inseriti), 'the whole announcement was not heard: %s' % inseriti)
    richiedi(messaggio[0]['nome'].startswith('Il numero da indovinare'), 'message area reads "%s"' % messaggio[0]['nome'])
    # What a screen reader speaks: the notification, named by the whole message.
    avviso = [n for n in albero(gioco['dest'], gioco['percorso']) if n['ruolo'] == 'notification']
    richiedi(any(n['nome'].startswith('Il numero da indovinare è compreso tra 0 e 10.') for n in avviso),
             'the notification says %s' % [n['nome'] for n in avviso])
    print('message area: %d text changes heard, now "%s"' % (len(inseriti), messaggio[0]['nome'].replace('\n', ' ')))

if guasti:
    print('FAIL: ' + '; '.join(guasti))
    sys.exit(1)
print('AT-SPI: tree, names, actions and text changes as expected')
