#!/usr/bin/env bash
# The game built with ThreadSanitizer (-DCERCANUM_TSAN=ON), from start-up through one answer to Esc
# in a private X server: no data race in the game's own code and no thread still running at its
# end, which ends through std::exit. Not in the suite: the test command builds that game for it.
# fili.sh PROGRAM CAPTURES_DIR
set -euo pipefail
programma="$1"
catture="$2"
guida="$(dirname "$0")/guida.sh"

# shellcheck source=guida.sh
source "$guida"
prepara "$catture"

avvia_xvfb "$lavoro"
pids+=("$XVFB_PID")
TSAN_OPTIONS="halt_on_error=0 exitcode=66 suppressions=$(cd "$(dirname "$0")" && pwd)/fili.supp" \
    "$programma" > "$catture/programma.log" 2>&1 &
gioco=$!
pids+=("$gioco")

principale=$(attendi_finestra '^Cercanum$' 60) || true
[[ -n "$principale" ]] || ko "the game window did not appear"
ORIGINE="$(geometria "$principale" | awk '{print $1, $2}')"
info=$(attendi_finestra '^Informazioni $' 30) || true
[[ -n "$info" ]] || ko "the information window did not appear"
tasto "$info" Return
dialogo=$(attendi_finestra '^Cercanum $' 30) || true
[[ -n "$dialogo" ]] || ko "the start dialog did not appear"
tasto "$dialogo" Return
attendi_cattura "$catture/01-nuovo-numero.png" 30 pulsante_nuovo || ko "'Nuovo Numero' not shown"
tasto_qui Return
attendi_cattura "$catture/02-annuncio.png" 30 prevale "$BIANCO" "$TXTINPUT" || ko "Enter started no number"
sleep 4 # the announcement, slower under the sanitizer
scrivi_qui 0
tasto_qui Return
attendi_cattura "$catture/03-risposta.png" 30 pallina_ferma 0 || ko "the answer was not judged"
tasto_qui Escape
stato=0
wait "$gioco" || stato=$?
grep -E '^(WARNING|SUMMARY): ThreadSanitizer' "$catture/programma.log" || true
((stato == 0)) || ko "the game ended with status $stato (66: ThreadSanitizer reported, in programma.log)"
echo "ok: one answer and Esc under ThreadSanitizer, nothing reported"
