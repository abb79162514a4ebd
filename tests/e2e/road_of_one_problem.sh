#!/usr/bin/env bash
# Drives the built program under Xvfb as a person would: types 12 and 156 into the entry
# sheet, presses Return, clicks the second quotient digit, checks on screen that its step is
# highlighted, and quits with Ctrl+Q.
set -euo pipefail

program=$1
work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work

for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "${app:-}" "${wm:-}" "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

fail() {
    echo "FAILED: $*" >&2
    import -window root "$work/failure.png" 2>/dev/null && cp "$work/failure.png" /tmp/quillstep-e2e-failure.png
    exit 1
}

# The colour of screen pixel (x, y) as "r g b".
pixel() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -format '%[fx:int(255*p{'"$1,$2"'}.r)] %[fx:int(255*p{'"$1,$2"'}.g)] %[fx:int(255*p{'"$1,$2"'}.b)]\n' info:
}

"$program" &
app=$!
timeout 20 xdotool search --sync --name '^Long Division$' >/dev/null || fail "no worksheet window"
# The entry sheet (its window title is "0") comes up on the worksheet's first activation.
timeout 20 xdotool search --sync --onlyvisible --name '^0$' >/dev/null || fail "no entry sheet"
sleep 0.3

xdotool type --delay 40 12
xdotool key Tab
xdotool type --delay 40 156
xdotool key Return
window=$(timeout 20 xdotool search --sync --name '^Long Division:  156/12$' | head -n 1) ||
    fail "no window titled 'Long Division:  156/12'"
sleep 0.5

# The worksheet begins below the menu bar: find row 1's top by the stripe of column 0.
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$work/shot.png"
top=$(convert "$work/shot.png" -crop "1x200+$((X + 3))+$Y" -depth 8 txt:- |
    awk -F'[(,)]' '!found && NR > 1 && $3 > 245 && $4 < 240 && $5 > 245 { print $2 + 0; found = 1 }')
[ -n "$top" ] || fail "no column stripe in the window"
sheetTop=$((Y + top - 40))

# The second quotient digit stands in column 6 of row 1: x 78..91, y 40..60.
xdotool mousemove $((X + 84)) $((sheetTop + 50)) click 1
cyan() { [ "$r" -lt 200 ] && [ "$g" -gt 200 ] && [ "$b" -gt 200 ]; }
for _ in $(seq 20); do
    sleep 0.25
    read -r r g b < <(pixel $((X + 81)) $((sheetTop + 43)))
    cyan && break
done
cyan || fail "no cyan highlight over the second quotient digit (saw $r $g $b)"
read -r r g b < <(pixel $((X + 81)) $((sheetTop + 103)))
[ "$r" -lt 200 ] && [ "$b" -gt 200 ] || fail "no blue highlight over the partial dividend 36 (saw $r $g $b)"

xdotool key ctrl+q
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "Ctrl+Q did not end the program"
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "1 passed, 0 failed"
