#!/usr/bin/env bash
# The real program under a headless sway, natively on Wayland ("wayland") or through its XWayland
# ("xwayland"), typed at with wtype and checked from outside: the windows and their states from
# sway's tree, what is drawn from grim's pictures. Through the start-up windows by Enter, an
# "Errore" box, full screen entered and left three times by F11, one number found by halves,
# then Esc. The game never asks for attention: no window of it turns urgent.
# sway.sh PROGRAM CAPTURES_DIR wayland|xwayland
set -euo pipefail
programma="$1"
catture="$2"
modo="$3"
qui="$(dirname "$0")"

for comando in sway swaymsg wtype grim python3; do
    command -v "$comando" > /dev/null || {
        echo "SKIP: $comando is not installed"
        exit 77
    }
done
if [[ "$modo" == wayland ]] && ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" > /dev/null; then
    echo "SKIP: Qt's Wayland plugin (qt6-wayland) is not installed"
    exit 77
fi
if [[ "$modo" == xwayland ]] && ! command -v Xwayland > /dev/null; then
    echo "SKIP: Xwayland is not installed"
    exit 77
fi

# shellcheck source=../xvfb/guida.sh
source "$qui/../xvfb/guida.sh"
# shellcheck source=compositore.sh
source "$qui/compositore.sh"
prepara "$catture"
prepara_utente
# What sway saw, kept beside the captures when a check fails.
ko() {
    albero > "$catture/albero.json" 2> /dev/null || true
    echo "FAIL: $*" | tr '\n' ' '
    echo
    echo "captures in $catture"
    exit 1
}
passati=0
ok() { echo "ok: $*"; passati=$((passati + 1)); }

avvia_sway 1024x768
if [[ "$modo" == wayland ]]; then
    piattaforma=(QT_QPA_PLATFORM=wayland)
else
    # sway hands its children the display of its XWayland.
    nella_sessione swaymsg -q exec "echo \$DISPLAY > $lavoro/display"
    for i in $(seq 100); do
        [[ -s "$lavoro/display" ]] && break
        sleep 0.05
    done
    [[ -s "$lavoro/display" ]] || ko "sway's XWayland gave no display"
    piattaforma=(QT_QPA_PLATFORM=xcb DISPLAY="$(cat "$lavoro/display")")
fi
avvia_utente "$catture/programma.log" "${sessione[@]}" "${piattaforma[@]}" "$programma"
gioco=$ultimo

# Where the 564x370 game window with the keyboard stands: the full-screen window, shrunk by sway
# before it goes, may linger in the tree a moment.
origine_finestra() {
    finestre | awk -F'|' '$1 == "Cercanum" && $4 == 1 {split($2, g, " "); if (g[3] "x" g[4] == "564x370") print $2}' |
        tail -n1
}
# The answer box drawn in the window where sway has it now (it settles the place after the size).
casella_vista() {
    local x y
    read -r x y _ _ <<< "$(origine_finestra)"
    ORIGINE="$x $y"
    [[ -n "$x" ]] && prevale "$BIANCO" "$TXTINPUT" "$1"
}

# Nothing of the game asks for attention, watched for a second: sway clears a mark half a second
# after the window gets the keyboard, so a look at one moment would miss it.
nessuna_urgente() {
    local urgenti volta
    for volta in $(seq 10); do
        urgenti="$(finestre | awk -F'|' '$5 == 1 {print $1}')"
        [[ -z "$urgenti" ]] || ko "window '$urgenti' marked urgent"
        sleep 0.1
    done
}
# The window TITLE has the keyboard and is drawn over every other window.
in_cima() {
    local riga="$1"
    [[ "$(campo 4 "$riga")" == 1 ]] || ko "'$(campo 1 "$riga")' does not have the keyboard"
    local livello="$(campo 6 "$riga")" massimo
    massimo="$(finestre | awk -F'|' '{if ($6 > m) m = $6} END {print m + 0}')"
    [[ "$livello" == "$massimo" ]] || ko "'$(campo 1 "$riga")' is not on top (level $livello of $massimo)"
}

# --- start-up --------------------------------------------------------------------------------
principale="$(attendi_titolo Cercanum)" || ko "the game window did not appear"
attendi_stato Cercanum 564x370 0 - - || ko "game window: $(attendi_titolo Cercanum)"
info="$(attendi_titolo 'Informazioni ')" || ko "the information window did not appear"
attendi_stato 'Informazioni ' - - 1 - || ko "the information window does not have the keyboard: $(finestre)"
info="$(attendi_titolo 'Informazioni ')"
in_cima "$info"
principale="$(attendi_titolo Cercanum)"
read -r px py _ _ <<< "$(campo 2 "$principale")"
ORIGINE="$px $py"
cattura "$catture/01-informazioni.png"
nessuna_urgente
ok "game window 564x370, the information window over it with the keyboard"

# A click on the game window under it: the information window comes back on top with the keyboard.
nella_sessione swaymsg -q seat seat0 cursor set $((px + 30)) $((py + 30))
nella_sessione swaymsg -q seat seat0 cursor press button1
nella_sessione swaymsg -q seat seat0 cursor release button1
attendi_stato 'Informazioni ' - - 1 - || ko "after a click on the game window: $(finestre | tr '\n' ' ')"
in_cima "$(attendi_titolo 'Informazioni ')"
cattura "$catture/01-dopo-il-clic.png"
nessuna_urgente
ok "a click on the game window left the information window on top with the keyboard"

tasto_qui Return
attendi_fine_titolo 'Informazioni ' || ko "Enter did not close the information window"
dialogo="$(attendi_titolo 'Cercanum ')" || ko "the start dialog did not appear"
attendi_stato 'Cercanum ' - - 1 - || ko "the start dialog does not have the keyboard"
in_cima "$(attendi_titolo 'Cercanum ')"
cattura "$catture/02-dialogo.png"
ok "Enter: the start dialog, on top with the keyboard"

tasto_qui Return
attendi_fine_titolo 'Cercanum ' || ko "Enter did not close the start dialog"
nessuna_urgente
attendi_stato Cercanum 564x370 0 1 - || ko "the game window did not take the keyboard back"
attendi_cattura "$catture/03-nuovo-numero.png" 10 pulsante_nuovo || ko "'Nuovo Numero' is not shown"
nessuna_urgente
ok "Enter: one player; the game window has the keyboard back, not urgent; 'Nuovo Numero' waits"

# --- a number: announced, then an "Errore" box ----------------------------------------------
prima_del_pensiero="$(colori "$catture/03-nuovo-numero.png" $PENSIERO)"
pensa() { [[ "$(colori "$1" $PENSIERO)" != "$prima_del_pensiero" ]]; }
tasto_qui Return
attendi_cattura "$catture/04-annuncio.png" 10 prevale "$BIANCO" "$TXTINPUT" || ko "no answer box after Enter"
attendi_cattura "$catture/04-annuncio.png" 10 pensa || ko "the announcement never ended"
tasto_qui Return
errore="$(attendi_titolo Errore)" || ko "Enter on the empty answer box opened no 'Errore' box"
attendi_stato Errore - - 1 - || ko "the 'Errore' box does not have the keyboard"
in_cima "$(attendi_titolo Errore)"
cattura "$catture/05-errore.png"
tasto_qui Return
attendi_fine_titolo Errore || ko "Enter did not close the 'Errore' box"
attendi_stato Cercanum 564x370 0 1 - || ko "the game window did not take the keyboard back after the box"
nessuna_urgente
ok "the 'Errore' box on top with the keyboard; Enter closed it and the game has the keyboard back"

# --- full screen, three times in and out by F11 ------------------------------------------------
for volta in 1 2 3; do
    tasto_qui F11
    attendi_stato Cercanum 1024x768 1 1 - || ko "F11 number $volta did not give the full screen: $(finestre)"
    # Still there a moment later: not left at once.
    sleep 0.5
    attendi_stato Cercanum 1024x768 1 1 - 1 || ko "full screen $volta ended by itself: $(finestre)"
    cattura "$catture/06-schermo-$volta.png"
    tasto_qui F11
    attendi_stato Cercanum 564x370 0 1 - || ko "F11 did not give back the window, time $volta: $(finestre)"
    attendi_cattura "$catture/07-finestra-$volta.png" 10 casella_vista ||
        ko "the window is not drawn with its answer box after full screen $volta"
done
nessuna_urgente
ok "F11 entered and left full screen three times; the 564x370 window back each time"

# The compositor's own way in and out, right after F11 left (sway calls an X window maximised
# once it leaves full screen).
nella_sessione swaymsg -q '[title="^Cercanum$"] fullscreen enable'
attendi_stato Cercanum 1024x768 1 1 - || ko "sway's request for full screen was not taken: $(finestre)"
sleep 0.5
attendi_stato Cercanum 1024x768 1 1 - 1 || ko "sway's full screen ended by itself: $(finestre)"
nella_sessione swaymsg -q '[title="^Cercanum$"] fullscreen disable'
attendi_stato Cercanum 564x370 0 1 - || ko "leaving sway's full screen did not give back the window: $(finestre)"
attendi_cattura "$catture/07-finestra-sway.png" 10 casella_vista ||
    ko "the window is not drawn with its answer box after sway's full screen (at $ORIGINE): $(finestre)"
ok "sway's own full screen entered and left; the 564x370 window back"

# The answer box shows typed digits: dark pixels beyond its caret's.
vuota="$(colori "$catture/07-finestra-sway.png" $TXTINPUT | awk '$2 < 100 && $3 < 100 && $4 < 100 {n += $5} END {print n + 0}')"
scritto() { (($(colori "$1" $TXTINPUT | awk '$2 < 100 && $3 < 100 && $4 < 100 {n += $5} END {print n + 0}') > vuota + 10)); }

# --- answers by halves until the number is found ------------------------------------------------
minimo=0
massimo=10
risposte=0
trovato=""
while [[ -z "$trovato" ]] && ((minimo <= massimo && risposte < 20)); do
    tentativo=$(((minimo + massimo) / 2))
    scrivi_qui "$tentativo"
    # sway may hand the keyboard to a window that came back a moment before XWayland does: a
    # digit it dropped is typed again, as a child would, once the box still shows none.
    if ! attendi_cattura "$catture/08-scritto.png" 3 scritto; then
        scrivi_qui "$tentativo"
        attendi_cattura "$catture/08-scritto.png" 5 scritto || ko "the answer $tentativo never reached the box"
    fi
    tasto_qui Return
    risposte=$((risposte + 1))
    file="$catture/08-risposta-$risposte.png"
    attendi_cattura "$file" 10 pallina_ferma $((risposte - 1)) || ko "no ball stopped for answer $risposte ($tentativo)"
    colore="$(pallina_ferma $((risposte - 1)) "$file")"
    restringi "$colore" || trovato="$tentativo"
done
[[ -n "$trovato" ]] || ko "the verdicts never led to the number"
((risposte <= 4)) || ko "found after $risposte answers, a binary search on 0..10 needs at most 4"
attendi_cattura "$catture/09-trovato.png" 10 pulsante_nuovo || ko "'Nuovo Numero' did not come back"
nessuna_urgente
ok "number $trovato found in $risposte answers; 'Nuovo Numero' back"

uscita=Escape
if [[ "${CERCANUM_PARTITA:-}" == intera ]]; then
    resto_della_partita
    sleep 2
    cattura "$catture/12-domanda.png"
    ok "fifteen numbers played; the end question open"
    uscita=n # its "No"
fi
tasto_qui $uscita
fine=$((SECONDS + 10))
while kill -0 "$gioco" 2> /dev/null && ((SECONDS < fine)); do sleep 0.05; done
kill -0 "$gioco" 2> /dev/null && ko "$uscita did not end the program"
stato=0
wait "$gioco" || stato=$?
((stato == 0)) || ko "the program ended with status $stato"
ok "$uscita ended the program"
echo "$passati passed, 0 failed"
