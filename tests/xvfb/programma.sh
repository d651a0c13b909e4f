#!/usr/bin/env bash
# The real program in a private X server: its window appears with the designed client area, and
# a second copy started meanwhile leaves at once without mapping any window.
set -euo pipefail
programma="$1"
if pgrep -u "$(id -u)" -x "$(basename "$programma")" > /dev/null; then
    echo "FAIL: a copy of the game is already running for this user; close it first"; exit 1
fi
lavoro="$(mktemp -d)"
pids=()
pulisci() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$lavoro"; }
trap pulisci EXIT

exec 3> "$lavoro/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > "$lavoro/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -s "$lavoro/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$lavoro/display")"
unset QT_QPA_PLATFORM

"$programma" > "$lavoro/primo.log" 2>&1 &
pids+=($!)
finestra=$(timeout 20 xdotool search --sync --onlyvisible --name '^Cercanum$' | head -n1)
geometria=$(xwininfo -id "$finestra" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
if [[ "$geometria" != "564x370" ]]; then
    echo "FAIL: client area $geometria, expected 564x370"; exit 1
fi
echo "window 'Cercanum' mapped with a 564x370 client area"

prima=$(xdotool search --onlyvisible --name '.' | sort)
inizio=$(date +%s%N)
if ! timeout 10 "$programma" > "$lavoro/secondo.log" 2>&1; then
    echo "FAIL: the second copy did not end by itself with status 0"; exit 1
fi
durata=$(( ($(date +%s%N) - inizio) / 1000000 ))
sleep 0.5
dopo=$(xdotool search --onlyvisible --name '.' | sort)
if [[ "$prima" != "$dopo" ]]; then
    echo "FAIL: the second copy mapped a window"; exit 1
fi
if ! kill -0 "${pids[1]}" 2>/dev/null; then
    echo "FAIL: the first copy is gone"; exit 1
fi
echo "second copy ended in ${durata} ms without a window; the first is still running"
echo "2 passed, 0 failed"
