#!/usr/bin/env bash
# The real program answers the desktop's ping (_NET_WM_PING, sent as a window manager sends it)
# within 100 ms throughout the flash of "Nuovo Numero", an announcement with a digit typed in its
# middle, eleven answers or more with their balls' glides and the flash of a found number; the
# digit typed during the announcement is the first answer judged.
# With NUMBERS it plays that many numbers by halves instead and prints the figures only, longest
# wait per step, for bench/README.md (15: a whole game).
# reattivita.sh PROGRAM PROBE CAPTURES_DIR [NUMBERS]
set -euo pipefail
programma="$1"
sonda="$2"
catture="$3"
numeri="${4:-}"
guida="$(dirname "$0")/guida.sh"
readonly LIMITE_MS=100

# shellcheck source=guida.sh
source "$guida"
prepara "$catture"

avvia_xvfb "$lavoro"
pids+=("$XVFB_PID")
SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$programma" > "$catture/programma.log" 2>&1 &
gioco=$!
pids+=("$gioco")
principale=$(attendi_finestra '^Cercanum$') || true
[[ -n "$principale" ]] || ko "the game window did not appear"
read -r px py _ _ <<< "$(geometria "$principale")"
ORIGINE="$px $py"
info=$(attendi_finestra '^Informazioni $') || true
[[ -n "$info" ]] || ko "the information window did not appear"

mkfifo "$lavoro/passi"
# The X server and the game are on the ping's way: their time waiting for a busy processor is not
# the window's.
"$sonda" "$principale" 10 "$XVFB_PID" "$gioco" < "$lavoro/passi" > "$lavoro/attese.txt" &
pids+=("$!")
sonda_pid=$!
exec 3> "$lavoro/passi"
passo() { echo "$1" >&3; }

passo informazioni
tasto "$info" Return
dialogo=$(attendi_finestra '^Cercanum $' 10) || true
[[ -n "$dialogo" ]] || ko "the start dialog did not appear"
passo dialogo
tasto "$dialogo" Return
attendi_chiusura '^Cercanum $' || ko "Enter did not close the start dialog"
passo "avvio (flash of Nuovo Numero)"
sleep 1.3
attendi_cattura "$catture/01-nuovo-numero.png" 10 pulsante_nuovo || ko "'Nuovo Numero' is not shown"
prima_del_pensiero="$(colori "$catture/01-nuovo-numero.png" $PENSIERO)"
pensa() { [[ "$(colori "$1" $PENSIERO)" != "$prima_del_pensiero" ]]; }

readonly MASSIMI=(10 10 20 20 30 30 40 40 50 50 60 60 80 80 100)
risposte=0
numero=0
while true; do
    numero=$((numero + 1))
    minimo=0
    massimo=${MASSIMI[numero - 1]} # answers above the announced maximum are refused, not judged
    passo "annuncio $numero"
    tasto "$principale" Return
    if ((numero == 1)); then
        sleep 1 # the range is being typed out
        scrivi "$principale" 0
    fi
    attendi_cattura "$catture/02-annuncio-$numero.png" 10 pensa || ko "announcement $numero never ended"
    palla=0
    while true; do
        if [[ -n "$numeri" ]]; then
            tentativo=$(((minimo + massimo) / 2))
        else
            tentativo=$minimo
        fi
        ((numero == 1 && palla == 0)) && tentativo=0 # typed during the announcement
        risposte=$((risposte + 1))
        passo "risposta $risposte (number $numero, $tentativo)"
        ((numero == 1 && palla == 0)) || scrivi "$principale" "$tentativo"
        tasto "$principale" Return
        file="$catture/03-risposta-$risposte.png"
        attendi_cattura "$file" 10 pallina_ferma $palla || ko "no ball stopped for answer $risposte ($tentativo)"
        colore="$(pallina_ferma $palla "$file")"
        palla=$((palla + 1))
        if ((numero == 1 && palla == 1)); then
            [[ "$colore" == "$VERDE_SCURO" ]] ||
                ko "the digit typed during the announcement was not judged as 0 (ball $colore)"
        fi
        restringi "$colore" || break
        ((palla < 20)) || ko "twenty answers without the number"
    done
    # The found number flashes for a second; then "Nuovo Numero" is back, or, after the 15th,
    # the end-of-game question is asked instead.
    sleep 1.2
    if ((numero == 15)); then
        break
    fi
    attendi_cattura "$catture/04-trovato-$numero.png" 10 pulsante_nuovo || ko "'Nuovo Numero' did not come back"
    if [[ -n "$numeri" ]]; then
        ((numero < numeri)) || break
    elif ((risposte >= 11)); then
        break
    fi
done
passo "(end)"
exec 3>&-
wait "$sonda_pid" || ko "the probe could not reach the window"
sed 's/^/  /' "$lavoro/attese.txt"
if [[ -n "$numeri" ]]; then
    exit 0
fi
awk -v limite=$LIMITE_MS '
    {longest = $NF; answered = $(NF - 4); sent = $(NF - 6)}
    /^\(end\)/ {next}
    sent == 0 || answered == 0 {print "FAIL: no ping answered during: " $0; bad = 1}
    longest + 0 >= limite {print "FAIL: " longest " ms without an answer during: " $0; bad = 1}
    END {exit bad}' "$lavoro/attese.txt" || ko "the window left pings unanswered for $LIMITE_MS ms or more"
echo "ok: the digit typed during the announcement was judged first; $risposte answers in $numero numbers;" \
    "every ping answered within $LIMITE_MS ms"
