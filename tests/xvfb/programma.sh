#!/usr/bin/env bash
# The real program in a private X server, driven from outside with real keys and checked on the
# screen's pixels, from the information window at start-up to Esc: one number of a game is
# played to the end by a binary search that reads each verdict from the colour of its ball. No
# window manager runs, and after the start dialog every key goes wherever the X focus was left.
# A second copy started meanwhile must leave at once without a window.
# programma.sh PROGRAM CAPTURES_DIR
set -euo pipefail
programma="$1"
catture="$2"
guida="$(dirname "$0")/guida.sh"

# The single-copy lock lives in the runtime directory, and the game gets a private one below; its
# fallback, an abstract socket, is private to a network namespace: in one of our own neither meets
# another developer's game nor a player's.
if [[ -z "${CERCANUM_SPAZIO_PRIVATO:-}" ]]; then
    export CERCANUM_SPAZIO_PRIVATO=1
    for opzione in -n -rn; do
        if unshare "$opzione" true 2> /dev/null; then
            exec unshare "$opzione" bash "$0" "$@"
        fi
    done
    echo "SKIP: no private network namespace (unshare -n and unshare -rn refused), so the game's"
    echo "single-copy lock could meet another running copy"
    exit 77
fi

# shellcheck source=guida.sh
source "$guida"
prepara "$catture"
passati=0
ok() { echo "ok: $*"; passati=$((passati + 1)); }

avvia_xvfb "$lavoro"
pids+=("$XVFB_PID")
"$programma" > "$catture/programma.log" 2>&1 &
gioco=$!
pids+=("$gioco")

# --- start-up: the information window over the game window ---------------------------------
principale=$(attendi_finestra '^Cercanum$') || true
[[ -n "$principale" ]] || ko "the game window did not appear"
geo_principale="$(geometria "$principale")"
read -r px py pw ph <<< "$geo_principale"
[[ "${pw}x${ph}" == 564x370 ]] || ko "client area ${pw}x${ph}, expected 564x370"
ok "window 'Cercanum' mapped with a 564x370 client area"
ORIGINE="$px $py"

info=$(attendi_finestra '^Informazioni $') || true
[[ -n "$info" ]] || ko "the information window did not appear"
geo_info="$(geometria "$info")"
read -r ix iy iw ih <<< "$geo_info"
dentro "$geo_principale" "$geo_info" || ko "information window at $geo_info, not over the game window"
sopra "$principale" "$info" || ko "the information window is stacked under the game window"
# Its blue version label, seen where the game window would be if nothing covered it.
versione="$((ix - px + 98)) $((iy - py + 31)) 183 15"
attendi_cattura "$catture/01-informazioni.png" 5 prevale "$BLU" "$versione" ||
    ko "the information window's version label is not on the screen"
ok "information window ${iw}x${ih} over the game window, drawn on top"

# --- a second copy in the same namespace leaves without a window ----------------------------
prima=$(xdotool search --onlyvisible --name '.' | sort)
inizio=$(date +%s%N)
timeout 10 "$programma" > "$catture/secondo.log" 2>&1 || ko "the second copy did not end by itself with status 0"
durata=$((($(date +%s%N) - inizio) / 1000000))
dopo=$(xdotool search --onlyvisible --name '.' | sort)
[[ "$prima" == "$dopo" ]] || ko "the second copy mapped a window"
kill -0 "$gioco" 2> /dev/null || ko "the first copy is gone"
ok "second copy ended in ${durata} ms without a window; the first is still running"

# --- Enter: the start dialog -------------------------------------------------------------
tasto "$info" Return
attendi_chiusura '^Informazioni $' || ko "Enter did not close the information window"
dialogo=$(attendi_finestra '^Cercanum $' 10) || true
[[ -n "$dialogo" ]] || ko "the start dialog did not appear after the information window"
dentro "$geo_principale" "$(geometria "$dialogo")" || ko "the start dialog is not over the game window"
sopra "$principale" "$dialogo" || ko "the start dialog is stacked under the game window"
cattura "$catture/02-dialogo.png"
ok "Enter closed the information window and opened the start dialog"

# --- Enter: one player, the button "Nuovo Numero" waits --------------------------------------
tasto "$dialogo" Return
attendi_chiusura '^Cercanum $' || ko "Enter did not close the start dialog"
# The button is flashed red first; then it shows its own light yellow.
attendi_cattura "$catture/03-nuovo-numero.png" 10 pulsante_nuovo ||
    ko "the button 'Nuovo Numero' is not shown after the start dialog"
ok "Enter closed the start dialog; 'Nuovo Numero' waits"

# --- Enter: a number is announced --------------------------------------------------------
# Typed where the start dialog left the keyboard: the game window must have taken it back.
prima_del_pensiero="$(colori "$catture/03-nuovo-numero.png" $PENSIERO)"
pensa() { [[ "$(colori "$1" $PENSIERO)" != "$prima_del_pensiero" ]]; }
tasto_qui Return
# The button gives way to the white answer box; the professor starts thinking once the range
# has been typed out and has blinked (about 2.3 s).
attendi_cattura "$catture/04-annuncio.png" 10 prevale "$BIANCO" "$TXTINPUT" ||
    ko "Enter on 'Nuovo Numero' did not open the answer box"
attendi_cattura "$catture/04-annuncio.png" 10 pensa || ko "the announcement never ended in the thinking animation"
ok "Enter, with the keyboard where the start dialog left it, announced a number"

# --- a click on the information button during a number; Esc gives the answer box back ---------
clic "$CMDINFO"
info=$(attendi_finestra '^Informazioni $' 10) || true
[[ -n "$info" ]] || ko "a click on the information button opened no information window"
sopra "$principale" "$info" || ko "the information window opened under the game window"
cattura "$catture/04-informazioni-durante.png"
tasto "$info" Escape
attendi_chiusura '^Informazioni $' || ko "Esc did not close the information window"
ok "a click on the information button showed the information window; Esc closed it"

# --- Enter on the empty answer box: the "Errore" box, and the keyboard back afterwards -------
tasto_qui Return
errore=$(attendi_finestra '^Errore$' 10) || true
[[ -n "$errore" ]] || ko "Enter on the empty answer box opened no 'Errore' box"
sopra "$principale" "$errore" || ko "the 'Errore' box opened under the game window"
cattura "$catture/05-errore.png"
tasto_qui Return
attendi_chiusura '^Errore$' || ko "Enter did not close the 'Errore' box"
ok "Enter on the empty answer box showed the 'Errore' box; Enter closed it"

# --- answers until the number is found: 0..10 by halves, each verdict from its ball ------------
# Typed where the box left the keyboard: the game window's answer box.
minimo=0
massimo=10
risposte=0
trovato=""
while [[ -z "$trovato" ]] && ((minimo <= massimo && risposte < 20)); do
    tentativo=$(((minimo + massimo) / 2))
    scrivi_qui "$tentativo"
    tasto_qui Return
    risposte=$((risposte + 1))
    file="$catture/05-risposta-$risposte.png"
    attendi_cattura "$file" 10 pallina_ferma $((risposte - 1)) ||
        ko "no ball stopped on the wire for answer $risposte ($tentativo)"
    colore="$(pallina_ferma $((risposte - 1)) "$file")"
    case "$colore" in
        "$ROSSO_SCURO") verdetto="too big" massimo=$((tentativo - 1)) ;;
        "$VERDE_SCURO") verdetto="too small" minimo=$((tentativo + 1)) ;;
        "$BLU") verdetto="right" trovato="$tentativo" ;;
    esac
    ok "answer $risposte: $tentativo, ball $colore: $verdetto"
done
[[ -n "$trovato" ]] || ko "the verdicts never led to the number (last range $minimo..$massimo)"
# A binary search on 0..10 needs at most four answers; more means a verdict was misread.
((risposte <= 4)) || ko "found after $risposte answers, a binary search on 0..10 needs at most 4"

# --- the score: the first cell of the column, the average, then 'Nuovo Numero' again ----------
cella="75 270 24 15"
punti="427 259 52 15"
rosso() { (($(conta FF0000 "$1" $cella) > 0 && $(conta FF0000 "$1" $punti) > 0)); }
(($(conta FF0000 "$catture/04-annuncio.png" $cella) == 0)) || ko "the score cell was not empty before"
attendi_cattura "$catture/06-punteggio.png" 10 rosso ||
    ko "no score written into the first cell and the average after the number was found"
attendi_cattura "$catture/06-punteggio.png" 10 pulsante_nuovo ||
    ko "'Nuovo Numero' did not come back after the number was found"
ok "number $trovato found in $risposte answers; score cell and average filled; 'Nuovo Numero' back"

# --- Esc ends the program ----------------------------------------------------------------------
tasto_qui Escape
fine=$((SECONDS + 10))
while kill -0 "$gioco" 2> /dev/null && ((SECONDS < fine)); do sleep 0.05; done
kill -0 "$gioco" 2> /dev/null && ko "Esc did not end the program"
stato=0
wait "$gioco" || stato=$?
((stato == 0)) || ko "the program ended with status $stato"
xdotool search --name '^Cercanum' > /dev/null 2>&1 && ko "a window of the game is still there"
ok "Esc ended the program with status 0"

echo "$passati passed, 0 failed"
