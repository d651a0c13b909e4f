#!/usr/bin/env bash
# Makes the README's picture of a game in progress from the real program in a private X server:
# the first number is found by halves, the second is answered twice, and the game window is
# captured with its balls on the wire and the first score on the board.
# tools/schermata.sh [PROGRAM [OUTPUT.png]]   (defaults: build/app/cercanum, docs/schermata.png)
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
programma="${1:-$radice/build/app/cercanum}"
uscita="${2:-$radice/docs/schermata.png}"

if [[ -z "${CERCANUM_SPAZIO_PRIVATO:-}" ]]; then
    export CERCANUM_SPAZIO_PRIVATO=1
    for opzione in -n -rn; do
        if unshare "$opzione" true 2> /dev/null; then
            exec unshare "$opzione" bash "$0" "$programma" "$uscita"
        fi
    done
    echo "no private network namespace: close any running copy of the game first" >&2
    export CERCANUM_SPAZIO_PRIVATO=0
fi

# shellcheck source=../tests/xvfb/guida.sh
source "$radice/tests/xvfb/guida.sh"
lavoro="$(mktemp -d)"
export XDG_RUNTIME_DIR="$lavoro"
pids=()
pulisci() { kill "${pids[@]}" 2> /dev/null || true; rm -rf "$lavoro"; }
trap pulisci EXIT
errore() { echo "$*" >&2; exit 1; }

avvia_xvfb "$lavoro"
pids+=("$XVFB_PID")
"$programma" > "$lavoro/programma.log" 2>&1 &
pids+=($!)
principale=$(attendi_finestra '^Cercanum$') || errore "the game window did not appear"
read -r px py _ _ <<< "$(geometria "$principale")"
ORIGINE="$px $py"
info=$(attendi_finestra '^Informazioni $') || errore "the information window did not appear"
tasto "$info" Return
dialogo=$(attendi_finestra '^Cercanum $' 10) || errore "the start dialog did not appear"
tasto "$dialogo" Return
attendi_chiusura '^Cercanum $' || errore "the start dialog did not close"
attendi_cattura "$lavoro/s.png" 10 pulsante_nuovo || errore "'Nuovo Numero' is missing"

# Plays answers by halves on 0..MAX until the number is found or LIMIT answers are given.
gioca() {
    local massimo="$1" limite="$2" minimo=0 risposte=0 tentativo colore
    tasto "$principale" Return
    attendi_cattura "$lavoro/s.png" 10 prevale "$BIANCO" "$TXTINPUT" || errore "no answer box"
    while ((risposte < limite)); do
        tentativo=$(((minimo + massimo) / 2))
        scrivi "$principale" "$tentativo"
        tasto "$principale" Return
        attendi_cattura "$lavoro/s.png" 10 pallina_ferma "$risposte" || errore "no ball for $tentativo"
        colore="$(pallina_ferma "$risposte" "$lavoro/s.png")"
        risposte=$((risposte + 1))
        restringi "$colore" || return 0
    done
}

gioca 10 20
attendi_cattura "$lavoro/s.png" 10 pulsante_nuovo || errore "'Nuovo Numero' did not come back"
gioca 10 2
# Let the thinking animation show a number over the gears.
sleep 1
mkdir -p "$(dirname "$uscita")"
# The game window alone, as it draws itself: no pointer, no screen around it.
xwd -id "$principale" -silent | /usr/bin/convert xwd:- -alpha off "$uscita"
echo "wrote $uscita"
