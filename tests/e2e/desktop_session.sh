#!/usr/bin/env bash
# Drives the built program under Xvfb as a person would, with a window manager (openbox) or with
# none, and checks what the person sees: window titles and screen pixels.
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
    pkill -f "xclip.*-display $display" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
if [ "$manager" = openbox ]; then
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
fi

fail() {
    echo "FAILED ($manager): $*" >&2
    import -window root "$work/failure.png" 2>/dev/null &&
        cp "$work/failure.png" "/tmp/quillstep-e2e-failure-$manager.png"
    exit 1
}
step() { echo "-- $*"; }

shoot() { import -window root "$work/shot.png"; }
keep() { [ -z "$shots" ] || { mkdir -p "$shots" && cp "$work/shot.png" "$shots/$manager-$1.png"; }; }
# The colour of pixel (x, y) of the last screenshot as "r g b".
pixel() {
    convert "$work/shot.png" -format \
        '%[fx:int(255*p{'"$1,$2"'}.r)] %[fx:int(255*p{'"$1,$2"'}.g)] %[fx:int(255*p{'"$1,$2"'}.b)]\n' info:
}
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

# The entry sheet hangs 328 pixels right of the content's left edge (centred over 1000); its
# bracket's stroke stands 180 pixels into it, its bar 15 pixels below its top.
bracket_x() { echo $((X + 328 + 180)); }
wait_for_sheet() {
    for _ in $(seq 40); do
        geometry
        shoot
        sheetY=$(first_black "$(bracket_x)" "$Y")
        [ -n "$sheetY" ] && return 0
        sleep 0.1
    done
    fail "no entry sheet in the worksheet window"
}
type_problem() {
    xdotool type --delay 40 "$1"
    xdotool key Tab
    xdotool type --delay 40 "$2"
    xdotool key Return
}

"$program" &
app=$!
window=$(timeout 20 xdotool search --sync --name '^Long Division$' | head -n 1) ||
    fail "no worksheet window"

step "the entry sheet comes up inside the worksheet"
wait_for_sheet
keep sheet
menuY=$((Y + 9))

step "Help With > program ... opens with the mouse while the sheet is up"
xdotool mousemove $((X + 110)) "$menuY" click 1
sleep 0.4
shoot
keep help-menu
xdotool mousemove $((X + 135)) $((menuY + 21)) click 1
timeout 10 xdotool search --sync --onlyvisible --name '^Long Division Help$' >/dev/null ||
    fail "no help window"
sleep 0.3
xdotool key ctrl+w
for _ in $(seq 20); do
    xdotool search --onlyvisible --name '^Long Division Help$' >/dev/null || break
    sleep 0.1
done
sleep 0.3

step "after the help window closes, the problem can still be typed"
type_problem 7 22
title_is 'Long Division:  22/7'

step "Ctrl+N brings the sheet back without a click"
xdotool key ctrl+n
wait_for_sheet

step "Alt alone does not stop Ctrl+V from pasting into the dividend"
printf 156 | xclip -selection clipboard -display "$display"
xdotool type --delay 40 12
xdotool key Tab
xdotool type 5
xdotool key BackSpace
xdotool key alt
xdotool key ctrl+v
xdotool key Return
title_is 'Long Division:  156/12'

step "a click on the second quotient digit highlights its step"
geometry
shoot
# Row 1 of the worksheet begins 40 pixels below the sheet's top (the content's top).
sheetTop=$((sheetY - 15))
xdotool mousemove $((X + 84)) $((sheetTop + 50)) click 1
cyan() { [ "$r" -lt 200 ] && [ "$g" -gt 200 ] && [ "$b" -gt 200 ]; }
for _ in $(seq 20); do
    sleep 0.2
    shoot
    read -r r g b < <(pixel $((X + 81)) $((sheetTop + 43)))
    cyan && break
done
cyan || fail "no cyan highlight over the second quotient digit (saw $r $g $b)"
read -r r g b < <(pixel $((X + 81)) $((sheetTop + 103)))
[ "$r" -lt 200 ] && [ "$b" -gt 200 ] || fail "no blue highlight over 36 (saw $r $g $b)"
keep step

step "the sheet moves with its window"
xdotool key ctrl+n
type_problem 7 22
title_is 'Long Division:  22/7'
xdotool key ctrl+n
wait_for_sheet
beforeX=$X beforeY=$Y beforeSheet=$sheetY
xdotool windowmove "$window" 60 90
sleep 0.6
geometry
[ "$X" != "$beforeX" ] || [ "$Y" != "$beforeY" ] || fail "the window did not move"
shoot
keep moved
movedSheet=$(first_black "$(bracket_x)" "$Y")
[ "$movedSheet" = $((beforeSheet + Y - beforeY)) ] ||
    fail "the sheet did not move with the window (top ${movedSheet:-none}, expected $((beforeSheet + Y - beforeY)))"

step "a click on the worksheet leaves the keyboard in the sheet"
xdotool mousemove $((X + 120)) $((Y + 500)) click 1
sleep 0.2
type_problem 12 156
title_is 'Long Division:  156/12'

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
