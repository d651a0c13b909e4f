#!/usr/bin/env bash
# A whole game on a 1920x1080 screen by the mouse alone after start-up, as on a classroom's board:
# the start-up windows closed with a click, F11 (the one key), then fifteen numbers played by
# halves with taps on "Nuovo Numero" and the number pad, read from the balls' colours, and the end
# question answered "No" with a tap on the enlarged box; with "openbox", under that window manager.
# Not in the suite (about two minutes); its captures are for looking at.
# partita_schermo.sh PROGRAM CAPTURES_DIR [openbox]
set -euo pipefail
programma="$1"
catture="$2"
gestore="${3:-}"
guida="$(dirname "$0")/guida.sh"

# shellcheck source=guida.sh
source "$guida"
prepara "$catture"
ok() { echo "ok: $*"; }
readonly LARGO=1920 ALTO=1080
# Clicks the window's point (x, y) of window W, its client area.
clic_in() {
    local -a g=($(geometria "$1"))
    xdotool mousemove $((g[0] + $2)) $((g[1] + $3)) click 1 mousemove 0 0
}

avvia_xvfb "$lavoro" "${LARGO}x${ALTO}"
pids+=("$XVFB_PID")
if [[ "$gestore" == openbox ]]; then
    openbox --sm-disable > "$catture/openbox.log" 2>&1 &
    pids+=("$!")
    sleep 1
fi
SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$programma" > "$catture/programma.log" 2>&1 &
gioco=$!
pids+=("$gioco")

principale=$(attendi_finestra '^Cercanum$') || ko "the game window did not appear"
info=$(attendi_finestra '^Informazioni $') || ko "the information window did not appear"
clic_in "$info" 279 175 # "Chiudi"
dialogo=$(attendi_finestra '^Cercanum $' 10) || ko "the start dialog did not appear"
clic_in "$dialogo" 273 113 # OK, one player
attendi_chiusura '^Cercanum $' || ko "a click on OK did not close the start dialog"

tasto_qui F11
attendi_misura "${LARGO}x${ALTO}" > /dev/null || ko "full screen was not entered"
scala_schermo "$LARGO" "$ALTO"
ORIGINE="0 0"
attendi_cattura "$catture/01-schermo-intero.png" 5 nuovo_visto || ko "'Nuovo Numero' not seen enlarged"
ok "F11: full screen"

# The k-th ball's colour once it stands at its enlarged stop.
pallina() {
    local k="$1" file="$2" c
    for c in "$ROSSO_SCURO" "$VERDE_SCURO" "$BLU"; do
        prevale "$c" "$(rett $((BALL_X0 + BALL_PASSO * k + 5)) $((BALL_Y + 3)) 4 12)" "$file" && echo "$c" && return 0
    done
    return 1
}
readonly MASSIMI=(10 10 20 20 30 30 40 40 50 50 60 60 80 80 100)
risposte=0
for numero in $(seq 15); do
    tocca 270 110 # "Nuovo Numero"
    sleep 3       # the range typed out and its blinks; taps meanwhile would wait for its end
    minimo=0
    massimo=${MASSIMI[numero - 1]}
    palla=0
    while true; do
        tentativo=$(((minimo + massimo) / 2))
        for ((i = 0; i < ${#tentativo}; i++)); do tocca_cifra "${tentativo:i:1}"; done
        tocca_invio
        risposte=$((risposte + 1))
        file="$catture/risposta-$risposte.png"
        attendi_cattura "$file" 10 pallina $palla || ko "no ball stopped for answer $risposte ($tentativo)"
        colore="$(pallina $palla "$file")"
        palla=$((palla + 1))
        restringi "$colore" || break
        ((palla < 20)) || ko "twenty answers without the number"
    done
    echo "  number $numero: $tentativo in $palla answers"
    sleep 1.3 # the found number's flash
    ((numero == 15)) || attendi_cattura "$catture/trovato-$numero.png" 10 nuovo_visto ||
        ko "'Nuovo Numero' did not come back after number $numero"
done

# The end question, in its own enlarged window over the game: "No" is its right-hand button.
domanda=""
fine=$((SECONDS + 10))
until [[ -n "$domanda" ]]; do
    domanda=$(xdotool search --onlyvisible --name '^Cercanum$' 2> /dev/null | while read -r w; do
        [[ "$(geometria "$w" | awk '{print $3}')" != "$LARGO" ]] && echo "$w"
    done | head -n1)
    ((SECONDS < fine)) || ko "the end question did not appear"
    sleep 0.2
done
cattura "$catture/fine.png"
read -r dx dy dw dh < <(geometria "$domanda")
ok "end question shown ${dw}x${dh} at $dx,$dy"
xdotool mousemove $((dx + dw - $(awk -v f="$F" 'BEGIN {printf "%d", 48 * f}'))) \
    $((dy + dh - $(awk -v f="$F" 'BEGIN {printf "%d", 22 * f}'))) click 1
fine=$((SECONDS + 10))
while kill -0 "$gioco" 2> /dev/null; do
    ((SECONDS < fine)) || ko "a tap on 'No' did not end the game"
    sleep 0.1
done
ok "a whole game of $risposte answers by the mouse alone; 'No' ended it"
