#!/usr/bin/env bash
# The real program's windows destroyed by another client, as `xdotool windowclose` (or a session
# tool, or a window manager going down) destroys them: the information window, the start dialog and
# the "Errore" box each end as if closed and the game goes on with the keyboard; the game's own
# window gone, the game ends and leaves its single-copy lock to the next start.
# distrutte.sh PROGRAM CAPTURES_DIR
set -euo pipefail
programma="$1"
catture="$2"
guida="$(dirname "$0")/guida.sh"

# shellcheck source=guida.sh
source "$guida"
prepara "$catture"
ok() { echo "ok: $*"; }

avvia_xvfb "$lavoro"
pids+=("$XVFB_PID")
"$programma" > "$catture/programma.log" 2>&1 &
gioco=$!
pids+=("$gioco")

principale=$(attendi_finestra '^Cercanum$') || true
[[ -n "$principale" ]] || ko "the game window did not appear"
ORIGINE="$(geometria "$principale" | awk '{print $1, $2}')"

info=$(attendi_finestra '^Informazioni $') || true
[[ -n "$info" ]] || ko "the information window did not appear"
xdotool windowclose "$info"
dialogo=$(attendi_finestra '^Cercanum $' 10) || true
[[ -n "$dialogo" ]] || ko "the information window destroyed from outside did not end: no start dialog"
ok "the information window destroyed from outside ended; the start dialog opened"

xdotool windowclose "$dialogo"
attendi_cattura "$catture/01-nuovo-numero.png" 10 pulsante_nuovo ||
    ko "the start dialog destroyed from outside did not end: no 'Nuovo Numero'"
ok "the start dialog destroyed from outside ended; 'Nuovo Numero' waits"

tasto_qui Return
attendi_cattura "$catture/02-annuncio.png" 10 prevale "$BIANCO" "$TXTINPUT" || ko "Enter started no number"
sleep 3 # the announcement: an Enter during it would wait for its end
tasto_qui Return
errore=$(attendi_finestra '^Errore$' 10) || true
[[ -n "$errore" ]] || ko "Enter on the empty answer box opened no 'Errore' box"
xdotool windowclose "$errore"
attendi_chiusura '^Errore$' || ko "the 'Errore' box destroyed from outside is still shown"
# The keyboard is the game's again: an answer typed now is judged, and 0 is always too small.
scrivi_qui 0
tasto_qui Return
attendi_cattura "$catture/03-risposta.png" 10 pallina_ferma 0 || ko "no answer judged after the 'Errore' box was destroyed"
[[ "$(pallina_ferma 0 "$catture/03-risposta.png")" == "$VERDE_SCURO" ]] || ko "the answer 0 was not judged too small"
ok "the 'Errore' box destroyed from outside ended; the next answer was judged"

xdotool windowclose "$principale"
fine=$((SECONDS + 10))
while kill -0 "$gioco" 2> /dev/null && ((SECONDS < fine)); do sleep 0.05; done
kill -0 "$gioco" 2> /dev/null && ko "the game window destroyed from outside left the program running"
stato=0
wait "$gioco" || stato=$?
((stato == 0)) || ko "the program ended with status $stato"
[[ -e "$lavoro/cercanum.lock" ]] && ko "the single-copy lock file outlived the game"
"$programma" > "$catture/dopo.log" 2>&1 &
pids+=("$!")
attendi_finestra '^Informazioni $' > /dev/null || ko "the next start showed no window"
ok "the game window destroyed from outside ended the game; the next start runs"
