#!/usr/bin/env bash
# Drives the built program under Xvfb as a person would, with a window manager (openbox) or with
# none, and checks what only a real display shows: the entry sheet, its bracket drawn, in the
# first picture of its window, keys that reach it with no window manager to hand out the keyboard,
# the sheet moving with its window and staying centred as the window is resized or maximised,
# windows that keep their size, and close requests from outside.
#   desktop_session.sh PROGRAM openbox|none [SCREENSHOT_DIR]
set -euo pipefail

program=$1
manager=$2
shots=${3:-}
work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
source "$(dirname "$0")/../../tools/private_xvfb.sh"
cleanup() {
    kill ${app:-} ${wm:-} 2>/dev/null || true
    stop_private_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
start_private_xvfb "$work"

# The picture of the screen goes to a file of this run's own, which the message names.
fail() {
    local picture
    picture=$(mktemp --tmpdir "quillstep-e2e-$manager-XXXXXX.png")
    import -window root "$picture" 2>/dev/null || { rm -f "$picture" && picture="none taken"; }
    echo "FAILED ($manager): $* (the screen: $picture)" >&2
    exit 1
}
# The window manager and the program stay up until the end: one that has gone fails the session
# at once, with what it printed.
alive() {
    [ -z "${wm:-}" ] || kill -0 "$wm" 2>/dev/null || fail "openbox exited: $(<"$work/openbox.log")"
    [ -z "${app:-}" ] || kill -0 "$app" 2>/dev/null || fail "the program exited"
}
# Tries a check until it holds; no try starts after 20 seconds.
await() {
    local deadline=$((SECONDS + 20))
    until "$@"; do
        alive
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
shoot() {
    import -window root "$work/shot.png"
    [ -z "$shots" ] || { mkdir -p "$shots" && cp "$work/shot.png" "$shots/$manager-$1.png"; }
}
# The worksheet's top-left corner on the screen, menu bar included (xdotool's own answer is off
# by the frame under a reparenting window manager), and its width.
geometry() {
    read -r X Y W < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF } /Width:/ { print x, y, $2 }')
}
size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
# The entry sheet, found on the screen by what only it has: its bracket (a bar and a stroke, two
# pixels wide and black) on the sheet's face, where nothing else but the field under the bar
# stands, inside the sheet's one-pixel border of one shade darker than the face. Sets sheetX and
# sheetY to its top-left corner within the worksheet.
sheet_shown() {
    geometry
    shoot "$1"
    read -r sheetX sheetY < <(convert "$work/shot.png" -crop "${W}x160+$X+$Y" +repage \
        -colorspace gray -depth 8 -compress none pgm:- | awk '
        { for (i = 1; i <= NF; i++) if (++token == 2) width = $i; else if (token > 4) {
              x = (token - 5) % width; y = int((token - 5) / width); g[x, y] = $i
              if ($i <= 60) dark[++n] = x " " y } }
        function sheet_at(x, y,   rim, face, i, j, v, field) {
            if (!((x, y) in g && (x + 343, y + 110) in g)) return 0
            rim = g[x, y]; face = g[x + 1, y + 1]
            if (face < 200 || face - rim < 20) return 0
            for (i = 0; i <= 343; i++) if (g[x + i, y] != rim || g[x + i, y + 110] != rim) return 0
            for (j = 0; j <= 110; j++) if (g[x, y + j] != rim || g[x + 343, y + j] != rim) return 0
            for (j = 3; j <= 46; j++) for (i = 172; i <= 296; i++) {
                v = g[x + i, y + j]; field = i >= 189 && i <= 290 && j >= 20 && j <= 42
                if (i >= 180 && j >= 15 && (j <= 16 && i <= 291 || i <= 181 && j <= 43)) {
                    if (v > 60) return 0
                } else if (!field && v != face) return 0
            }
            return 1
        }
        END { for (i = 1; i <= n; i++) { split(dark[i], at, " ")
                  if (sheet_at(at[1] - 180, at[2] - 15)) { print at[1] - 180, at[2] - 15; exit } } }')
}
# The sheet hangs from the top of the content, below the menu bar, centred across the window.
sheet_centred() {
    sheet_shown "$1" && [ "$sheetX" -eq $(((W - 344) / 2)) ] && [ "$sheetY" -eq "$menuBar" ]
}
misplaced() { fail "the sheet stands at ${sheetX:-nowhere},${sheetY:-} in a window $W wide"; }
# Chooses with the mouse the first item of the menu whose title is $1 pixels into the menu bar.
# A menu that is up is one more window of the program's.
windows() { xdotool search --onlyvisible --class quillstep | wc -l; }
choose_first_item() {
    geometry
    local before
    before=$(windows)
    xdotool mousemove $((X + $1)) $((Y + 9)) click 1
    menu_up() { [ "$(windows)" -gt "$before" ]; }
    await menu_up || fail "no menu"
    xdotool mousemove $((X + $1 + 25)) $((Y + 30)) click 1
}
# A window of a size of its own: equal minimum and maximum size hints at that size, no resize or
# maximise among the actions the window manager allows, and a larger size asked for in vain.
keeps_its_size() {  # keeps_its_size WINDOW NAME
    local before hints
    before=$(size "$1")
    hints=$(xprop -id "$1" WM_NORMAL_HINTS |
        awk '/minimum size/ { min = $5 "x" $7 } /maximum size/ { max = $5 "x" $7 } END { print min, max }')
    [ "$hints" = "$before $before" ] || fail "$2 is $before with size hints $hints"
    ! xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -qE 'RESIZE|MAXIMIZE' ||
        fail "$2 may be resized or maximised"
    xdotool windowsize "$1" $((${before%x*} + 200)) $((${before#*x} + 150))
    # The window manager answers requests in turn: once the worksheet has the size asked for
    # after this request, this one has been answered too. The worksheet resizes.
    worksheetSize=$([ "$worksheetSize" = 900x700 ] && echo 960x720 || echo 900x700)
    timeout 20 xdotool windowsize --sync "$window" ${worksheetSize/x/ } ||
        fail "the worksheet did not take the size $worksheetSize"
    [ "$(size "$1")" = "$before" ] || fail "$2 grew from $before to $(size "$1")"
    shoot "$2"
}

if [ "$manager" = openbox ]; then
    openbox >"$work/openbox.log" 2>&1 &
    wm=$!
    wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
    await wm_ready || fail "openbox did not start; it printed: $(<"$work/openbox.log")"
fi
"$program" &
app=$!
worksheet_up() { window=$(xdotool search --name '^Long Division$' | head -n 1); }
await worksheet_up || fail "no worksheet window"

echo "-- the entry sheet comes up inside the worksheet and takes the keys"
await sheet_shown sheet || fail "no entry sheet in the worksheet window"
menuBar=$sheetY # where the sheet hangs from in the first picture, and ever after
sheet_centred sheet || misplaced
xdotool type --delay 40 7
xdotool key Tab
xdotool type --delay 40 22
xdotool key Return
worked() { xdotool search --name '^Long Division:  22/7$' >/dev/null; }
await worked || fail "22/7 not worked"
sheet_gone() { ! sheet_shown worked; }
await sheet_gone || fail "the sheet stayed after OK"

echo "-- the sheet moves with its window, and stays centred as the window changes size"
xdotool key ctrl+n
await sheet_shown sheet || fail "Ctrl+N brought no entry sheet"
beforeY=$Y
xdotool windowmove "$window" 60 90
moved_with_it() { sheet_centred moved && [ "$Y" != "$beforeY" ]; }
await moved_with_it || fail "the sheet did not move with its window (window $beforeY to $Y)"
xdotool windowsize --sync "$window" 800 600
await sheet_centred resized || misplaced

if [ "$manager" = openbox ]; then
    echo "-- the help window and the About box keep their size; the worksheet resizes"
    worksheetSize=$(size "$window")
    choose_first_item 110 # Help With > program ...
    help_up() { help=$(xdotool search --onlyvisible --name '^Long Division Help$' | head -n 1); }
    await help_up || fail "no help window"
    keeps_its_size "$help" help
    xdotool windowactivate --sync "$help" key ctrl+w
    help_closed() { ! xdotool search --onlyvisible --name '^Long Division Help$' >/dev/null; }
    await help_closed || fail "Ctrl+W left the help window open"
    choose_first_item 15 # File > About...
    about_up() { about=$(xdotool search --onlyvisible --name '^Untitled$' | head -n 1); }
    await about_up || fail "no About box"
    keeps_its_size "$about" about
    xdotool windowactivate --sync "$about" key Return

    echo "-- the sheet stays centred in the maximised worksheet"
    geometry
    titleBar=$(xprop -id "$window" _NET_FRAME_EXTENTS | awk -F'[=,]' '{ print $4 }')
    xdotool mousemove $((X + W / 2)) $((Y - titleBar / 2)) click --repeat 2 --delay 100 1
    maximised() { sheet_centred maximised && [ "$W" -gt 960 ]; }
    await maximised || misplaced
fi

echo "-- a close request on the worksheet ends the program"
if [ "$manager" = openbox ]; then
    xdotool windowactivate --sync "$window" key alt+F4
else
    xdotool windowclose "$window"
fi
timeout 20 tail --pid="$app" -f /dev/null || fail "the close request did not end the program"
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "passed ($manager)"
