# Sourced by the scripts that drive the program on a display of their own.
# start_private_xvfb DIR: starts Xvfb on a display it picks itself (so that scripts running at
# once never share one), waits until it answers, and sets `xvfb` to its process and DISPLAY.
start_private_xvfb() {
    local number=$1/display
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 200); do [ -s "$number" ] && break; sleep 0.05; done
    export DISPLAY=:$(head -n 1 "$number")
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
