# Sourced by the scripts that drive the program on a display of their own.
# start_private_xvfb DIR: starts Xvfb on a display it picks itself (so that scripts running at
# once never share one), waits until it answers, and sets `xvfb` to its process and DISPLAY;
# fails, with what Xvfb printed, when it does not come up within 20 seconds.
# The server stays up as its clients come and go (-noreset). By default it resets when its last
# client leaves, and a client connecting during the reset is turned away: the window manager or
# the program, started right after the probe below has left.
# stop_private_xvfb: ends it, and returns once it is gone.
start_private_xvfb() {
    local number=$1/display log=$1/xvfb.log deadline=$((SECONDS + 20))
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >"$log" 2>&1 &
    xvfb=$!
    until [ -s "$number" ] && DISPLAY=:$(head -n 1 "$number") xdpyinfo >/dev/null 2>&1; do
        if ! kill -0 "$xvfb" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
            echo "Xvfb did not come up; it printed:" >&2
            cat "$log" >&2
            return 1
        fi
        sleep 0.05
    done
    export DISPLAY=:$(head -n 1 "$number")
}

stop_private_xvfb() {
    [ -n "${xvfb:-}" ] || return 0
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb=
}
