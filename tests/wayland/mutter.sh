#!/usr/bin/env bash
# The real program under a headless mutter, GNOME's compositor, started as on GNOME's Wayland
# session: no platform chosen, so the game must go to XWayland by itself, where GNOME draws its
# title bars. Typed at through XTEST and checked from outside as an X client of the same
# XWayland: the windows' frames, allowed actions, states and focus from mutter's properties,
# the game's pixels from its window. Through the start-up windows by Enter, an "Errore" box,
# full screen entered and left three times by F11, one number found by halves, then Esc.
# mutter.sh PROGRAM CAPTURES_DIR
set -euo pipefail
programma="$1"
catture="$2"
qui="$(dirname "$0")"

for comando in mutter Xwayland dbus-daemon xdotool xprop xwininfo xwd; do
    command -v "$comando" > /dev/null || {
        echo "SKIP: $comando is not installed"
        exit 77
    }
done

# shellcheck source=../xvfb/guida.sh
source "$qui/../xvfb/guida.sh"
# shellcheck source=compositore.sh
source "$qui/compositore.sh"
prepara "$catture"
prepara_utente
passati=0
ok() { echo "ok: $*"; passati=$((passati + 1)); }

avvia_utente "$catture/dbus.log" dbus-daemon --session --nofork --address="unix:path=$runtime/bus"
for i in $(seq 100); do
    [[ -S "$runtime/bus" ]] && break
    sleep 0.05
done
[[ -S "$runtime/bus" ]] || ko "no session bus for mutter"
avvia_utente "$catture/mutter.log" DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus" \
    mutter --headless --wayland --virtual-monitor 1024x768
display=""
for i in $(seq 200); do
    display="$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$catture/mutter.log")"
    [[ -n "$display" ]] && compgen -G "$runtime/.mutter-Xwaylandauth.*" > /dev/null && break
    sleep 0.05
done
[[ -n "$display" ]] || {
    cat "$catture/mutter.log"
    ko "mutter started no XWayland"
}
export DISPLAY="$display" XAUTHORITY="$(compgen -G "$runtime/.mutter-Xwaylandauth.*" | head -n1)"
unset QT_QPA_PLATFORM

desktop=(DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland
    XDG_CURRENT_DESKTOP=GNOME DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus")
avvia_utente "$catture/programma.log" "${desktop[@]}" "$programma"
gioco=$ultimo

# The client window, not the frame named after it: mutter 48 draws its frames in a client of its
# own (WM_CLASS mutter-x11-frames), whose windows carry the client's title.
cliente() { ! xprop -id "$1" WM_CLASS 2> /dev/null | grep -qi mutter; }
attendi_finestra() {
    local modello="$1" fine=$((SECONDS + ${2:-20})) w
    while ((SECONDS < fine)); do
        for w in $(xdotool search --onlyvisible --name "$modello" 2> /dev/null); do
            cliente "$w" && { echo "$w"; return 0; }
        done
        sleep 0.05
    done
    return 1
}
# In full screen the frame is as large as the window it holds.
attendi_misura() {
    local fine=$((SECONDS + ${2:-10})) w
    while true; do
        for w in $(xdotool search --onlyvisible --name '^Cercanum$' 2> /dev/null); do
            cliente "$w" && [[ "$(geometria "$w" | awk '{print $3 "x" $4}')" == "$1" ]] && echo "$w" && return 0
        done
        ((SECONDS < fine)) || return 1
        sleep 0.1
    done
}

# XWayland shows no root picture: the captures are of the game window itself.
cattura() { xwd -silent -id "$principale" | /usr/bin/convert xwd:- -alpha off "$1"; }
ORIGINE="0 0"
attivo() { xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'; }
# The window W has the keyboard, within seconds.
attendi_attivo() {
    local w="$(printf '0x%x' "$1")" fine=$((SECONDS + 10))
    until (($(attivo) == w)); do
        ((SECONDS < fine)) || return 1
        sleep 0.1
    done
}
stato() { xprop -id "$1" _NET_WM_STATE 2> /dev/null; }
# The frame GNOME put the window in: its ancestor among the root's children, as the server stacks them.
cornice() {
    local w="$(printf '0x%x' "$1")" radice padre
    radice="$(xwininfo -root | awk '/Window id:/ {print $4}')"
    while padre="$(xwininfo -id "$w" -tree | awk '/Parent window id:/ {print $4}')" && [[ "$padre" != "$radice" ]]; do
        w="$padre"
    done
    echo "$w"
}
nessuna_urgente() {
    local w
    for w in $(xdotool search --onlyvisible --name 'Cercanum|Informazioni|Errore' 2> /dev/null); do
        stato "$w" | grep -q DEMANDS_ATTENTION && ko "window '$(xdotool getwindowname "$w")' asks for attention"
        xprop -id "$w" WM_HINTS | grep -qi urgency && ko "window '$(xdotool getwindowname "$w")' is urgent"
    done
    return 0
}
# GNOME draws a title bar over the client area, and offers only what the window asks for.
incorniciata() {
    local alto
    alto="$(xprop -id "$1" _NET_FRAME_EXTENTS | awk -F'[=,]' '{print $4 + 0}')"
    ((alto > 0)) || ko "'$(xdotool getwindowname "$1")' has no title bar of GNOME's"
}
senza_ingrandire() {
    xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE &&
        ko "'$(xdotool getwindowname "$1")' can be maximised: $(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)"
    return 0
}

# --- start-up ---------------------------------------------------------------------------------
principale=$(attendi_finestra '^Cercanum$') || true
[[ -n "$principale" ]] || ko "the game window did not appear on XWayland"
geo_principale="$(geometria "$principale")"
[[ "$(awk '{print $3 "x" $4}' <<< "$geo_principale")" == 564x370 ]] || ko "game window $geo_principale"
incorniciata "$principale"
senza_ingrandire "$principale"
info=$(attendi_finestra '^Informazioni $') || true
[[ -n "$info" ]] || ko "the information window did not appear"
dentro "$geo_principale" "$(geometria "$info")" || ko "the information window is not over the game"
incorniciata "$info"
senza_ingrandire "$info"
attendi_attivo "$info" || ko "the information window does not have the keyboard"
nessuna_urgente
ok "game window 564x370 in GNOME's frame, no maximise; the information window over it with the keyboard"

tasto_qui Return
attendi_chiusura '^Informazioni $' || ko "Enter did not close the information window"
dialogo=$(attendi_finestra '^Cercanum $' 10) || true
[[ -n "$dialogo" ]] || ko "the start dialog did not appear"
dentro "$geo_principale" "$(geometria "$dialogo")" || ko "the start dialog is not over the game window"
incorniciata "$dialogo"
senza_ingrandire "$dialogo"
attendi_attivo "$dialogo" || ko "the start dialog does not have the keyboard"
ok "Enter: the start dialog over the game, framed, with the keyboard"

tasto_qui Return
attendi_chiusura '^Cercanum $' || ko "Enter did not close the start dialog (GNOME's theme)"
attendi_attivo "$principale" || ko "the game window did not get the keyboard back"
attendi_cattura "$catture/03-nuovo-numero.png" 10 pulsante_nuovo || ko "'Nuovo Numero' is not shown"
nessuna_urgente
ok "Enter: one player; the game window has the keyboard, nothing asks for attention"

# --- a number, its "Errore" box --------------------------------------------------------------
prima_del_pensiero="$(colori "$catture/03-nuovo-numero.png" $PENSIERO)"
pensa() { [[ "$(colori "$1" $PENSIERO)" != "$prima_del_pensiero" ]]; }
tasto_qui Return
attendi_cattura "$catture/04-annuncio.png" 10 prevale "$BIANCO" "$TXTINPUT" || ko "no answer box after Enter"
attendi_cattura "$catture/04-annuncio.png" 10 pensa || ko "the announcement never ended"
tasto_qui Return
errore=$(attendi_finestra '^Errore$' 10) || true
[[ -n "$errore" ]] || ko "Enter on the empty answer box opened no 'Errore' box"
dentro "$geo_principale" "$(geometria "$errore")" || ko "the 'Errore' box is not over the game window"
incorniciata "$errore"
attendi_attivo "$errore" || ko "the 'Errore' box does not have the keyboard"
xwd -silent -id "$errore" | /usr/bin/convert xwd:- -alpha off "$catture/05-errore.png"
tasto_qui Return
attendi_chiusura '^Errore$' || ko "Enter did not close the 'Errore' box"
attendi_attivo "$principale" || ko "the game window did not get the keyboard back after the box"
nessuna_urgente
ok "the 'Errore' box over the game with the keyboard; Enter closed it"

# --- full screen, three times by F11 -----------------------------------------------------------
for volta in 1 2 3; do
    tasto_qui F11
    intero=$(attendi_misura 1024x768) || ko "F11 number $volta gave no full screen"
    fine=$((SECONDS + 10))
    until stato "$intero" | grep -q FULLSCREEN; do
        ((SECONDS < fine)) || ko "the screen window $volta is not in full screen: $(stato "$intero")"
        sleep 0.1
    done
    sleep 0.5
    stato "$intero" | grep -q FULLSCREEN || ko "full screen $volta ended by itself"
    attendi_attivo "$intero" || ko "the full screen $volta does not have the keyboard"
    xwd -silent -id "$intero" | /usr/bin/convert xwd:- -alpha off "$catture/06-schermo-$volta.png"
    tasto_qui F11
    principale=$(attendi_misura 564x370) || ko "F11 did not give back the window, time $volta"
    stato "$principale" | grep -q FULLSCREEN && ko "the window came back in full screen"
    attendi_attivo "$principale" || ko "the window has not the keyboard after full screen $volta"
    attendi_cattura "$catture/07-finestra-$volta.png" 10 prevale "$BIANCO" "$TXTINPUT" ||
        ko "the answer box is not drawn after full screen $volta"
done
nessuna_urgente
ok "F11 entered and left full screen three times; the 564x370 window back each time"

# --- answers by halves ------------------------------------------------------------------------
minimo=0
massimo=10
risposte=0
trovato=""
while [[ -z "$trovato" ]] && ((minimo <= massimo && risposte < 20)); do
    tentativo=$(((minimo + massimo) / 2))
    scrivi_qui "$tentativo"
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
ok "number $trovato found in $risposte answers; 'Nuovo Numero' back"

# --- a second start, the game covered by another window: it comes to the front ---------------
avvia_utente "$catture/xmessage.log" "${desktop[@]}" xmessage -title altra -geometry 600x400+200+150 copre
pids+=("$ultimo")
altra=$(attendi_finestra '^altra$' 10) || ko "the covering window did not appear"
attendi_attivo "$altra" || ko "the covering window did not get the keyboard"
prima=$(xdotool search --onlyvisible --name '.' | sort)
utente "${desktop[@]}" timeout 10 "$programma" > "$catture/secondo.log" 2>&1 || ko "the second copy did not end by itself with status 0"
[[ "$(xdotool search --onlyvisible --name '.' | sort)" == "$prima" ]] || ko "the second copy mapped a window"
attendi_attivo "$principale" || ko "the second start did not bring the game to the front: $(xprop -id "$principale" _NET_WM_STATE)"
nessuna_urgente
sopra "$(cornice "$altra")" "$(cornice "$principale")" || ko "the game is still under the covering window"
ok "a second start ended without a window and brought the game, covered, to the front with the keyboard"

uscita=Escape
if [[ "${CERCANUM_PARTITA:-}" == intera ]]; then
    resto_della_partita
    sleep 2
    domanda=$(xdotool search --onlyvisible --name '^Cercanum$' | while read -r w; do
        cliente "$w" && [[ "$(geometria "$w" | cut -d' ' -f3-)" != "564 370" ]] && echo "$w"
    done | head -n1)
    [[ -n "$domanda" ]] || ko "the end question did not appear"
    xwd -silent -id "$domanda" | /usr/bin/convert xwd:- -alpha off "$catture/12-domanda.png"
    ok "fifteen numbers played; the end question open"
    uscita=n # its "No"
fi
tasto_qui $uscita
fine=$((SECONDS + 10))
while kill -0 "$gioco" 2> /dev/null && ((SECONDS < fine)); do sleep 0.05; done
kill -0 "$gioco" 2> /dev/null && ko "$uscita did not end the program"
stato_uscita=0
wait "$gioco" || stato_uscita=$?
((stato_uscita == 0)) || ko "the program ended with status $stato_uscita"
ok "$uscita ended the program"
echo "$passati passed, 0 failed"
