#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program read aloud by Orca, as a blind child hears it: one number played by keyboard
# alone, guessing by halves from what Orca says, and every utterance checked. Orca speaks through
# speech-dispatcher and espeak-ng into a file sink; what it says is read from its debug log's
# "SPEECH OUTPUT" lines; with "schermo" the number is played in full screen, as the game opens on a
# touch screen. Runs in its own network namespace, so that neither the program's single-copy lock
# nor the buses meet anyone else's. Exit 77 = skipped, with the reason.
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"

salta() { echo "SKIP: $*"; exit 77; }
if [[ "${1:-}" != "--dentro" ]]; then
    for comando in orca speech-dispatcher espeak-ng Xvfb xdotool dbus-daemon unshare; do
        command -v "$comando" > /dev/null || salta "$comando is missing"
    done
    [[ -x /usr/libexec/at-spi-bus-launcher ]] || salta "at-spi2-core is missing (/usr/libexec/at-spi-bus-launcher)"
    unshare -rn true 2> /dev/null || salta "no network namespace allowed here (unshare -rn)"
    exec unshare -rn bash "$0" --dentro "$@"
fi
programma="$(readlink -f "$2")"
schermo="${3:-}" # "schermo": the number is played in full screen, as on a touch screen

lavoro="$(mktemp -d)"
pids=()
pulisci() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2> /dev/null || true; done
    # Gone before the next test starts its own: Orca refuses to start beside another one.
    for _ in $(seq 50); do
        kill -0 "${pids[@]}" 2> /dev/null || break
        sleep 0.1
    done
    rm -rf "$lavoro"
}
trap pulisci EXIT

# A private home: Orca's and speech-dispatcher's settings, and the sound going nowhere.
export HOME="$lavoro/casa" XDG_RUNTIME_DIR="$lavoro/run"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$XDG_DATA_HOME/orca" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Without a sound server speech-dispatcher would wait for one: ALSA into a file, the file nowhere.
echo 'pcm.!default { type file; slave.pcm "null"; file "/dev/null"; format "raw" }' > "$HOME/.asoundrc"
cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" << 'FINE'
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "it"
FINE
# Orca writes its log block by block: line by line, it can be followed as it speaks.
printf 'from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n' \
    > "$XDG_DATA_HOME/orca/orca-customizations.py"
registro="$lavoro/orca.log"

exec 3> "$lavoro/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > "$lavoro/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -s "$lavoro/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$lavoro/display")"
unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
export SDL_AUDIODRIVER=dummy
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile > "$lavoro/dbus.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -S "$XDG_RUNTIME_DIR/bus" ]] && break; sleep 0.1; done

avvia_orca() {
    orca --debug-file="$registro" > "$lavoro/orca.out" 2>&1 &
    orca=$!
    pids+=($orca)
}
avvia_orca
fine=$((SECONDS + 30))
# Orca up to 43 says "Startup complete"; 48 says it has started its event loop instead.
until grep -q -E "ORCA: (Startup complete|Starting Atspi main event loop)" "$registro" 2> /dev/null; do
    if ! kill -0 "$orca" 2> /dev/null; then
        # One for the same user still ending (a test just before this one) is waited for.
        grep -q "already running" "$lavoro/orca.out" && ((SECONDS + 20 < fine)) &&
            { sleep 0.5; avvia_orca; continue; }
        salta "Orca ended at start-up: $(tail -n 3 "$lavoro/orca.out" | tr '\n' ' ')"
    fi
    ((SECONDS < fine)) || salta "Orca did not start within 30 s: $(tail -n 3 "$lavoro/orca.out" | tr '\n' ' ')"
    sleep 0.2
done

# The program starts with its screen reader already there: it turns accessibility on by itself.
ln -s "$programma" "$lavoro/cercanum-orca"
"$lavoro/cercanum-orca" > "$lavoro/programma.log" 2>&1 &
gioco=$!
pids+=($gioco)

guasti=()
ko() { guasti+=("$*"); }
fallisci() {
    echo "FAIL: $*"
    echo "--- what Orca said:"
    detto 0
    exit 1
}

# Orca's utterances from line N of its log on, one a line.
detto() {
    tail -n +"$(($1 + 1))" "$registro" | sed -En "s/^.*SPEECH OUTPUT: '(.*)' ?\{.*\}$/\1/p"
}
righe() { wc -l < "$registro"; }
# Waits until Orca says something matching the pattern after line N; prints it.
attendi_detto() {
    local da="$1" modello="$2" secondi="${3:-15}" fine=$((SECONDS + ${3:-15}))
    local trovato
    while true; do
        trovato="$(detto "$da" | grep -E -m1 -- "$modello" || true)"
        [[ -n "$trovato" ]] && { echo "$trovato"; return 0; }
        ((SECONDS < fine)) || return 1
        kill -0 "$gioco" 2> /dev/null || return 1
        sleep 0.1
    done
}
# The first visible window named so, searched for again until there or out of time: one search
# dies with BadWindow when a window it looks at goes away meanwhile (the dialog just answered).
finestra() {
    local fine=$((SECONDS + ${2:-20})) trovata
    while ((SECONDS < fine)); do
        trovata="$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n1 || true)"
        [[ -n "$trovata" ]] && { echo "$trovata"; return 0; }
        sleep 0.1
    done
    return 1
}

info="$(finestra '^Informazioni $')" || true
[[ -n "$info" ]] || fallisci "the information window did not appear"
attendi_detto 0 "Informazioni" > /dev/null || fallisci "Orca never spoke the information window"
xdotool key Return
dialogo="$(finestra '^Cercanum $' 10)" || true
[[ -n "$dialogo" ]] || fallisci "the start dialog did not appear"
attendi_detto 0 "giocatore" > /dev/null || fallisci "Orca never spoke the start dialog"
xdotool key Return
principale="$(finestra '^Cercanum$' 10)" || true
[[ -n "$principale" ]] || fallisci "the game window is not there"
attendi_detto 0 "Nuovo Numero" > /dev/null || fallisci "Orca never spoke the button 'Nuovo Numero'"
if [[ "$schermo" == schermo ]]; then
    xdotool key F11
    fine=$((SECONDS + 10))
    until xdotool search --onlyvisible --name '^Cercanum$' 2> /dev/null | xargs -r -n1 xwininfo -id |
        grep -q "Width: 1024"; do
        ((SECONDS < fine)) || fallisci "F11 did not put the game in full screen"
        sleep 0.1
    done
    sleep 1 # what Orca says of the window it now finds
fi

# --- one number, by halves --------------------------------------------------------------------
inizio=$(righe)
xdotool key Return
intervallo="Il numero da indovinare è compreso tra 0 e 10. scrivi il numero e premi il tasto invio."
attendi_detto "$inizio" "^${intervallo}\$" > /dev/null || fallisci "Orca never spoke the range as one sentence"
minimo=0
massimo=10
risposte=0
trovato=""
while [[ -z "$trovato" ]] && ((minimo <= massimo && risposte < 20)); do
    tentativo=$(((minimo + massimo) / 2))
    prima=$(righe)
    xdotool type "$tentativo"
    xdotool key Return
    risposte=$((risposte + 1))
    verdetto="$(attendi_detto "$prima" "troppo grande|troppo piccolo|^Esatto!")" ||
        fallisci "no verdict spoken for answer $risposte ($tentativo)"
    case "$verdetto" in
        "Il numero è troppo grande! Scrivi un numero più piccolo.") massimo=$((tentativo - 1)) ;;
        "Il numero è troppo piccolo! Scrivi un numero più grande.") minimo=$((tentativo + 1)) ;;
        Esatto!*) trovato="$tentativo" ;;
        *) fallisci "answer $risposte ($tentativo): unexpected verdict \"$verdetto\"" ;;
    esac
done
[[ -n "$trovato" ]] || fallisci "the verdicts never led to the number (last range $minimo..$massimo)"
parola=risposte
((risposte == 1)) && parola=risposta
[[ "$verdetto" =~ ^"Esatto! Hai indovinato il numero in $risposte $parola. "[0-9]+" punti."$ ]] ||
    ko "the found number was spoken as \"$verdetto\""
# Whatever Orca was still saying about the number has been said.
sleep 1

# --- what was said, once each, and nothing letter by letter ------------------------------------
numero="$(detto "$inizio")"
(($(grep -c -F -x -- "$intervallo" <<< "$numero") == 1)) || ko "the range was not spoken exactly once"
(($(grep -c -E "troppo grande|troppo piccolo|^Esatto!" <<< "$numero") == risposte)) ||
    ko "not one verdict for each of the $risposte answers"
frammenti="$(grep -E "^(I|Il|Il numero da indovinare.*|.*compreso tra 0  e.*)$" <<< "$numero" | grep -v -F -x -- "$intervallo" || true)"
[[ -z "$frammenti" ]] || ko "pieces of the announcement spoken: $frammenti"
# The answers left are said only when asked for.
grep -q "Risposte rimaste" <<< "$numero" && ko "the answers left were spoken unasked"

echo "What Orca said for one number ($risposte answers):"
sed 's/^/  | /' <<< "$numero"

xdotool key Escape
if ((${#guasti[@]})); then
    printf 'FAIL: %s\n' "${guasti[@]}"
    exit 1
fi
echo "Orca: the range, every verdict and the found number with its points, each spoken once"
