#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program under a private X server and a private AT-SPI bus, read from outside as a
# screen reader reads it (albero.py). Runs in its own network namespace, so that neither the
# program's single-copy lock nor the buses meet anyone else's. Exit 77 = skipped, with the reason.
set -euo pipefail
programma="$1"
qui="$(cd "$(dirname "$0")" && pwd)"

salta() { echo "SKIP: $*"; exit 77; }
if [[ "${1:-}" != "--dentro" ]]; then
    for comando in Xvfb dbus-run-session gdbus unshare; do
        command -v "$comando" > /dev/null || salta "$comando is missing"
    done
    [[ -x /usr/libexec/at-spi-bus-launcher ]] || salta "at-spi2-core is missing (/usr/libexec/at-spi-bus-launcher)"
    /usr/bin/python3 -c 'import dbus, gi' 2> /dev/null || salta "python3-dbus or python3-gi is missing"
    unshare -rn true 2> /dev/null || salta "no network namespace allowed here (unshare -rn)"
    exec unshare -rn bash "$0" --dentro "$programma"
fi
programma="$(readlink -f "$2")"

lavoro="$(mktemp -d)"
pids=()
pulisci() { kill "${pids[@]}" 2> /dev/null || true; rm -rf "$lavoro"; }
trap pulisci EXIT
export HOME="$lavoro" XDG_RUNTIME_DIR="$lavoro" XDG_CACHE_HOME="$lavoro/cache"
mkdir -p "$XDG_CACHE_HOME"
# Under a name of its own, so that tests looking for a running "cercanum" do not count this copy.
ln -s "$programma" "$lavoro/cercanum-atspi"
programma="$lavoro/cercanum-atspi"

exec 3> "$lavoro/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > "$lavoro/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -s "$lavoro/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$lavoro/display")"
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately > "$1/bus.log" 2>&1 &
    for _ in $(seq 50); do
        gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress > /dev/null 2>&1 && break
        sleep 0.1
    done
    "$2" > "$1/programma.log" 2>&1 &
    gioco=$!
    esito=0
    /usr/bin/python3 "$3/albero.py" || esito=$?
    kill $gioco 2> /dev/null || true
    exit $esito
' _ "$lavoro" "$programma" "$qui" 2> >(grep -v "Failed to set fd limit" >&2)
