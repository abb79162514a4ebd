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
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work

source "$(dirname "$0")/../../tools/private_xvfb.sh"
start_private_xvfb "$work"
display=$DISPLAY
cleanup() {
    kill "${app:-}" "${wm:-}" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED ($manager): $*" >&2
    import -window root "$work/failure.png" 2>/dev/null &&
        cp "$work/failure.png" "/tmp/quillstep-e2e-failure-$manager.png"
    exit 1
}
step() { echo "-- $*"; }
# Runs a check until it holds, for at most 10 seconds.
await() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

shoot() { import -window root "$work/shot.png"; }
keep() { [ -z "$shots" ] || { mkdir -p "$shots" && cp "$work/shot.png" "$shots/$manager-$1.png"; }; }
# The first y from $2 down (200 pixels) at which column $1 of the last screenshot is black.
first_black() {
    convert "$work/shot.png" -crop "1x200+$1+$2" +repage -depth 8 txt:- |
        awk -F'[(,)]' -v top="$2" '!found && NR > 1 && $3 < 40 && $4 < 40 && $5 < 40 { print top + $2; found = 1 }'
}
title_is() {
    timeout 10 xdotool search --sync --name "^$1\$" >/dev/null || fail "no window titled '$1'"
}
# The worksheet's top-left corner on the screen, menu bar included (xdotool's own answer is off
# by the frame under a reparenting window manager).
geometry() {
    X=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print $NF }')
    Y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ { print $NF }')
}
size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

# The entry sheet hangs 328 pixels right of the content's left edge (centred over 1000); its
# bracket's stroke stands 180 pixels into it, its bar 15 pixels below its top. Sets sheetY.
sheet_shown() {
    geometry
    shoot
    sheetY=$(first_black $((X + 328 + 180)) "$Y")
    [ -n "$sheetY" ]
}
type_problem() {
    xdotool type --delay 40 "$1"
    xdotool key Tab
    xdotool type --delay 40 "$2"
    xdotool key Return
}
# The program's windows on the screen; a menu that is up is one of them.
windows() { xdotool search --onlyvisible --class quillstep | wc -l; }
# Chooses a menu's first item with the mouse: the menu's title at x offset $1 on the bar, then
# the item once the menu is up.
choose_first_item() {
    local before
    geometry
    before=$(windows)
    xdotool mousemove $((X + $1)) $((Y + 9)) click 1
    menu_up() { [ "$(windows)" -gt "$before" ]; }
    await menu_up || fail "no menu"
    xdotool mousemove $((X + $1 + 25)) $((Y + 30)) click 1
}
# A window whose size is its own: equal minimum and maximum size hints at its size, no resize
# or maximise among the actions the window manager allows, and a larger size asked for in vain.
keeps_its_size() {  # keeps_its_size WINDOW NAME
    local id=$1 name=$2 before hints
    before=$(size "$id")
    hints=$(xprop -id "$id" WM_NORMAL_HINTS |
        awk '/minimum size/ { min = $5 "x" $7 } /maximum size/ { max = $5 "x" $7 } END { print min, max }')
    [ "$hints" = "$before $before" ] || fail "$name is $before with size hints $hints"
    ! xprop -id "$id" _NET_WM_ALLOWED_ACTIONS | grep -qE 'RESIZE|MAXIMIZE' ||
        fail "$name may be resized or maximised"
    xdotool windowsize "$id" $((${before%x*} + 200)) $((${before#*x} + 150))
    # The window manager answers requests in turn: once the worksheet has taken the size asked
    # for after this request, this one has been answered too. The worksheet resizes.
    worksheetSize=$([ "$worksheetSize" = 900x700 ] && echo 960x720 || echo 900x700)
    timeout 10 xdotool windowsize --sync "$window" "${worksheetSize%x*}" "${worksheetSize#*x}" ||
        fail "the worksheet did not take the size $worksheetSize"
    [ "$(size "$window")" = "$worksheetSize" ] || fail "the worksheet is $(size "$window")"
    [ "$(size "$id")" = "$before" ] || fail "$name grew from $before to $(size "$id")"
    shoot
    keep "$name"
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

step "the entry sheet comes up inside the worksheet and takes the keys"
await sheet_shown || fail "no entry sheet in the worksheet window"
keep sheet
type_problem 7 22
title_is 'Long Division:  22/7'

step "the sheet moves with its window"
xdotool key ctrl+n
await sheet_shown || fail "Ctrl+N brought no entry sheet"
beforeY=$Y beforeSheet=$sheetY
xdotool windowmove "$window" 60 90
moved_with_it() { sheet_shown && [ "$Y" != "$beforeY" ] && [ "$sheetY" = $((beforeSheet + Y - beforeY)) ]; }
await moved_with_it ||
    fail "the sheet did not move with the window (top ${sheetY:-none}, window $beforeY to $Y)"
keep moved

if [ "$manager" = openbox ]; then
    step "the help window and the About box keep their size; the worksheet resizes"
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

step "a close request on the worksheet ends the program"
if [ "$manager" = openbox ]; then
    xdotool windowactivate --sync "$window" key alt+F4
else
    xdotool windowclose "$window"
fi
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "the close request did not end the program"
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "passed ($manager)"
