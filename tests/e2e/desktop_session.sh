#!/usr/bin/env bash
# Drives the built program under Xvfb as a person would, with a window manager (openbox) or with
# none, and checks what only a real display shows: the entry sheet in the first picture of its
# window, keys that reach it with no window manager to hand out the keyboard, the sheet moving
# with its window, windows that keep their size, and close requests from outside.
#   desktop_session.sh PROGRAM openbox|none [SCREENSHOT_DIR]
set -euo pipefail

program=$1
manager=$2
shots=${3:-}
work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
source "$(dirname "$0")/../../tools/private_xvfb.sh"
start_private_xvfb "$work"
trap 'kill ${app:-} ${wm:-} $xvfb 2>/dev/null; rm -rf "$work"' EXIT

fail() {
    echo "FAILED ($manager): $*" >&2
    import -window root "/tmp/quillstep-e2e-failure-$manager.png" 2>/dev/null
    exit 1
}
# Runs a check until it holds, for at most 10 seconds.
await() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
shoot() {
    import -window root "$work/shot.png"
    [ -z "$shots" ] || { mkdir -p "$shots" && cp "$work/shot.png" "$shots/$manager-$1.png"; }
}
# The worksheet's top-left corner on the screen, menu bar included (xdotool's own answer is off
# by the frame under a reparenting window manager).
geometry() {
    read -r X Y < <(xwininfo -id "$window" |
        awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { print x, $NF }')
}
size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
# The entry sheet hangs 328 pixels right of the content's left edge (centred over 1000); its
# bracket's stroke stands 180 pixels into it. Sets sheetY to the first black pixel of that
# column within 200 pixels below the window's top: the bracket's bar.
sheet_shown() {
    geometry
    shoot "$1"
    sheetY=$(convert "$work/shot.png" -crop "1x200+$((X + 508))+$Y" +repage -depth 8 txt:- |
        awk -F'[(,)]' -v top="$Y" 'NR > 1 && $3 < 40 && $4 < 40 && $5 < 40 { print top + $2; exit }')
    [ -n "$sheetY" ]
}
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
    timeout 10 xdotool windowsize --sync "$window" ${worksheetSize/x/ } ||
        fail "the worksheet did not take the size $worksheetSize"
    [ "$(size "$1")" = "$before" ] || fail "$2 grew from $before to $(size "$1")"
    shoot "$2"
}

if [ "$manager" = openbox ]; then
    openbox >/dev/null 2>&1 &
    wm=$!
    wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
    await wm_ready || fail "openbox did not start"
fi
"$program" &
app=$!
window=$(timeout 20 xdotool search --sync --name '^Long Division$' | head -n 1) ||
    fail "no worksheet window"

echo "-- the entry sheet comes up inside the worksheet and takes the keys"
await sheet_shown sheet || fail "no entry sheet in the worksheet window"
xdotool type --delay 40 7
xdotool key Tab
xdotool type --delay 40 22
xdotool key Return
timeout 10 xdotool search --sync --name '^Long Division:  22/7$' >/dev/null || fail "22/7 not worked"

echo "-- the sheet moves with its window"
xdotool key ctrl+n
await sheet_shown sheet || fail "Ctrl+N brought no entry sheet"
beforeY=$Y beforeSheet=$sheetY
xdotool windowmove "$window" 60 90
moved_with_it() { sheet_shown moved && [ "$Y" != "$beforeY" ] && [ "$sheetY" = $((beforeSheet + Y - beforeY)) ]; }
await moved_with_it || fail "the sheet did not move with its window (window $beforeY to $Y)"

if [ "$manager" = openbox ]; then
    echo "-- the help window and the About box keep their size; the worksheet resizes"
    worksheetSize=$(size "$window")
    choose_first_item 110 # Help With > program ...
    help=$(timeout 10 xdotool search --sync --onlyvisible --name '^Long Division Help$' | head -n 1) ||
        fail "no help window"
    keeps_its_size "$help" help
    xdotool windowactivate --sync "$help" key ctrl+w
    help_closed() { ! xdotool search --onlyvisible --name '^Long Division Help$' >/dev/null; }
    await help_closed || fail "Ctrl+W left the help window open"
    choose_first_item 15 # File > About...
    about=$(timeout 10 xdotool search --sync --onlyvisible --name '^Untitled$' | head -n 1) ||
        fail "no About box"
    keeps_its_size "$about" about
    xdotool windowactivate --sync "$about" key Return
fi

echo "-- a close request on the worksheet ends the program"
if [ "$manager" = openbox ]; then
    xdotool windowactivate --sync "$window" key alt+F4
else
    xdotool windowclose "$window"
fi
timeout 10 tail --pid="$app" -f /dev/null || fail "the close request did not end the program"
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "passed ($manager)"
