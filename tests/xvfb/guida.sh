# Helpers to drive the real game in a private X server from outside, with real key presses
# (XTEST through xdotool) and checks on captured pixels. Sourced by the scripts in tests/xvfb and
# by tools/schermata.sh; every wait has a time limit.

# Where the game's controls stand in its client area, and their colours.
readonly BALL_Y=162 BALL_X0=42 BALL_PASSO=23
readonly ROSSO_SCURO=C00000 VERDE_SCURO=008000 BLU=0000FF BIANCO=FFFFFF
readonly CMDNEW="203 98 134 43" TXTINPUT="210 105 120 29" PENSIERO="350 98 44 53"
readonly CMDINFO="424 329 37 37"

# Starts Xvfb on a free display (1024x768 unless told "WxH") and exports DISPLAY; its pid goes to
# XVFB_PID. The server keeps its screen in a file, read by `cattura`.
# The start of each script here: CAPTURES_DIR emptied, a private work folder that is also the
# runtime directory (so the game's single-copy lock meets no other copy), and whatever is in
# `pids` ended, and the folder removed, on exit; `ko` fails with where the captures are.
prepara() {
    catture="$1"
    rm -rf "$catture"
    mkdir -p "$catture"
    # In memory where there is a tmpfs: the X server's screen file on a disk stalls the server
    # whenever the machine writes much, and every answer from the game waits for it.
    lavoro="$(mktemp -d -p /dev/shm 2> /dev/null || mktemp -d)"
    export XDG_RUNTIME_DIR="$lavoro"
    pids=()
    trap 'kill "${pids[@]}" 2> /dev/null || true; rm -rf "$lavoro"' EXIT
}
ko() { echo "FAIL: $*"; echo "captures in $catture"; exit 1; }

avvia_xvfb() {
    local cartella="$1" misura="${2:-1024x768}"
    exec {fd_display}> "$cartella/display"
    Xvfb -displayfd "$fd_display" -screen 0 "${misura}x24" -nolisten tcp -noreset -fbdir "$cartella" \
        > "$cartella/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [[ -s "$cartella/display" ]] && break
        sleep 0.05
    done
    [[ -s "$cartella/display" ]] || { echo "Xvfb did not start"; cat "$cartella/xvfb.log"; return 1; }
    export DISPLAY=":$(head -n1 "$cartella/display")"
    unset QT_QPA_PLATFORM
    SCHERMO="$cartella/Xvfb_screen0"
    # The pointer is drawn into the screen: from the corner it covers nothing of the game.
    xdotool mousemove 0 0
}

# The id of the visible top-level window whose title matches the pattern, within SECONDS. Searched
# for again until then: one search dies with BadWindow when a window it looks at goes away meanwhile.
attendi_finestra() {
    local modello="$1" fine=$((SECONDS + ${2:-20})) trovata
    while ((SECONDS < fine)); do
        trovata="$(xdotool search --onlyvisible --name "$modello" 2> /dev/null | head -n1 || true)"
        [[ -n "$trovata" ]] && { echo "$trovata"; return 0; }
        sleep 0.05
    done
    return 1
}

# Waits until no visible window matches the pattern.
attendi_chiusura() {
    local modello="$1" fine=$((SECONDS + ${2:-10}))
    while xdotool search --onlyvisible --name "$modello" > /dev/null 2>&1; do
        ((SECONDS < fine)) || return 1
        sleep 0.05
    done
}

# "X Y W H" of a window on the screen (without a window manager the client area is the window).
geometria() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$NF} /Absolute upper-left Y:/ {y=$NF}
                            /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Top-level windows from bottom to top, as the X server stacks them (xwininfo lists the top first).
pila() {
    xwininfo -root -children | awk '/^ +0x[0-9a-f]+ / {print $1}' | tac
}

# True when window $2 is stacked above window $1.
sopra() {
    local sotto="$(printf '0x%x' "$1")" sopra="$(printf '0x%x' "$2")"
    pila | awk -v a="$sotto" -v b="$sopra" '$1 == a {ia = NR} $1 == b {ib = NR}
                                          END {exit !(ia && ib && ib > ia)}'
}

# True when the rectangle "X Y W H" $2 lies inside the rectangle $1.
dentro() {
    local -a e=($1) i=($2)
    ((i[0] >= e[0] && i[1] >= e[1] && i[0] + i[2] <= e[0] + e[2] && i[1] + i[3] <= e[1] + e[3]))
}

# Captures the whole screen into a PNG. The server's own screen file, not `xwd -root`: on Xvfb
# that shows a modal dialog as a black rectangle although the dialog is painted.
cattura() {
    /usr/bin/convert "xwd:$SCHERMO" -alpha off "$1"
}

# Prints "RRGGBB R G B count" for every colour in a rectangle of a capture, most frequent first.
# The rectangle is in the client area of the window at ORIGINE ("X Y").
colori() {
    local file="$1" x="$2" y="$3" w="$4" h="$5"
    local -a o=($ORIGINE)
    /usr/bin/convert "$file" -crop "${w}x${h}+$((o[0] + x))+$((o[1] + y))" +repage -depth 8 txt:- |
        awk 'NR > 1 {print toupper(substr($3, 2, 6))}' | sort | uniq -c | sort -rn |
        awk 'function h(s) { return (index("0123456789ABCDEF", substr(s, 1, 1)) - 1) * 16 \
                                    + index("0123456789ABCDEF", substr(s, 2, 1)) - 1 }
             {printf "%s %d %d %d %d\n", $2, h(substr($2, 1, 2)), h(substr($2, 3, 2)), h(substr($2, 5, 2)), $1}'
}

# How many pixels of one colour the rectangle holds.
conta() {
    local colore="$1"
    shift
    colori "$@" | awk -v c="$colore" '$1 == c {n = $5} END {print n + 0}'
}

# How many pixels of the rectangle are light (each channel at least 160).
chiari() {
    colori "$@" | awk '$2 >= 160 && $3 >= 160 && $4 >= 160 {n += $5} END {print n + 0}'
}

# Captures into FILE until CONDITION (a command run with FILE as its last argument) holds;
# gives up after SECONDS.
attendi_cattura() {
    local file="$1" secondi="$2"
    shift 2
    local fine=$((SECONDS + secondi))
    while true; do
        cattura "$file"
        "$@" "$file" > /dev/null && return 0
        ((SECONDS < fine)) || return 1
        sleep 0.1
    done
}

# At least half of rectangle "X Y W H" has the colour.
prevale() {
    local colore="$1" rett="$2" file="$3"
    local -a r=($rett)
    (($(conta "$colore" "$file" "${r[@]}") * 2 >= r[2] * r[3]))
}

# The button "Nuovo Numero" covers its yellow box and shows its own light yellow face (shaded
# by the style, red and green always equal) rather than the answer box or a red flash.
pulsante_nuovo() {
    local file="$1"
    local -a r=($CMDNEW)
    colori "$file" "${r[@]}" | awk -v area=$((r[2] * r[3])) '
        $2 == $3 && $2 >= 245 && $4 <= 235 {faccia += $5}
        $1 == "FFFF00" {giallo += $5}
        END {exit !(faccia * 3 >= area && giallo == 0)}'
}

# The k-th ball (from 0) has stopped on the wire and shows its caption: its left edge stands
# where its glide ends and its middle is light where the caption's digits are. Prints the colour.
pallina_ferma() {
    local k="$1" file="$2"
    local x=$((BALL_X0 + BALL_PASSO * k))
    # A column just inside the left edge: only a ball at most one pixel from its stop covers it.
    local bordo="$(colori "$file" $((x + 2)) $((BALL_Y + 8)) 1 6)"
    [[ $(wc -l <<< "$bordo") -eq 1 ]] || return 1
    local colore="${bordo%% *}"
    case "$colore" in
        "$ROSSO_SCURO" | "$VERDE_SCURO" | "$BLU") ;;
        *) return 1 ;;
    esac
    (($(chiari "$file" $((x + 5)) $((BALL_Y + 5)) 12 12) > 0)) || return 1
    echo "$colore"
}

# Types a key with XTEST into the window after giving it the keyboard focus, as a window
# manager would on a click.
tasto() {
    local finestra="$1"
    shift
    xdotool windowfocus "$finestra" 2> /dev/null || true
    xdotool key --delay 30 "$@"
}

# Types keys wherever the X input focus is now. With no window manager nobody hands it on, so they
# reach the game only if the game took the keyboard back itself after its last dialog or box.
tasto_qui() {
    xdotool key --delay 30 "$@"
}

scrivi_qui() {
    xdotool type --delay 30 "$1"
}

# Clicks the middle of rectangle "X Y W H" of the client area with the first button, then takes
# the pointer off the window so that no tooltip covers what the next capture looks at.
clic() {
    local -a o=($ORIGINE) r=($1)
    xdotool mousemove $((o[0] + r[0] + r[2] / 2)) $((o[1] + r[1] + r[3] / 2)) click 1 mousemove 0 0
}

scrivi() {
    local finestra="$1" testo="$2"
    xdotool windowfocus "$finestra" 2> /dev/null || true
    xdotool type --delay 30 "$testo"
}

# One step of guessing by halves: the range minimo..massimo narrowed by the colour of the ball
# that judged `tentativo`; false once it is blue, the number found.
restringi() {
    case "$1" in
        "$ROSSO_SCURO") massimo=$((tentativo - 1)) ;;
        "$VERDE_SCURO") minimo=$((tentativo + 1)) ;;
        "$BLU") return 1 ;;
    esac
}

# The visible game window of size "WxH", within SECONDS.
attendi_misura() {
    local fine=$((SECONDS + ${2:-10})) w
    while true; do
        for w in $(xdotool search --onlyvisible --name '^Cercanum$' 2> /dev/null); do
            [[ "$(geometria "$w" | awk '{print $3 "x" $4}')" == "$1" ]] && echo "$w" && return 0
        done
        ((SECONDS < fine)) || return 1
        sleep 0.1
    done
}

# --- the game on a whole screen ----------------------------------------------------------------
# After `scala_schermo WIDTH HEIGHT`: the window's point (x, y) as seen enlarged, and a rectangle
# "X Y W H" of it; the pad's key at (column, row). The same arithmetic as the game's: window and
# pad side by side, centred.
scala_schermo() {
    read -r F X0 Y0 <<< "$(awk -v l="$1" -v a="$2" 'BEGIN {
        f = l / 744; if (a / 370 < f) f = a / 370
        printf "%.6f %.3f %.3f\n", f, (l - 744 * f) / 2, (a - 370 * f) / 2 }')"
}
visto() { awk -v f="$F" -v x0="$X0" -v y0="$Y0" -v x="$1" -v y="$2" 'BEGIN {printf "%d %d\n", x0 + x * f, y0 + y * f}'; }
rett() {
    awk -v f="$F" -v x0="$X0" -v y0="$Y0" -v x="$1" -v y="$2" -v w="$3" -v h="$4" \
        'BEGIN {printf "%d %d %d %d\n", x0 + x * f, y0 + y * f, w * f, h * f}'
}
tocca() { # the window's own point
    local -a p=($(visto "$1" "$2"))
    xdotool mousemove "${p[0]}" "${p[1]}" click 1 mousemove 0 0
}
tocca_tasto() { # column, row of the pad
    tocca "$((564 + 12 + 6 + $1 * 54 + 24))" "$(((370 - 222) / 2 + 6 + $2 * 54 + 24))"
}
tocca_cifra() { # 0-9 on the pad, laid out as a telephone's upside down: 7 8 9 on top
    if (($1 == 0)); then tocca_tasto 1 3; else tocca_tasto $((($1 - 1) % 3)) $((2 - ($1 - 1) / 3)); fi
}
tocca_invio() { tocca_tasto 2 3; }

# The enlarged "Nuovo Numero" shows its light yellow face where it is drawn.
nuovo_visto() {
    local -a r=($(rett 203 98 134 43))
    colori "$1" "${r[@]}" | awk -v area=$((r[2] * r[3])) '$2 == $3 && $2 >= 245 && $4 <= 235 {n += $5}
                                                           END {exit !(n * 3 >= area)}'
}
