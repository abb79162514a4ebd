#!/usr/bin/env bash
# Start-up as a person sees it: starts the program and a bare Qt window in turns on a private
# Xvfb with no window manager, and prints how long each takes from exec to a painted window
# (and the program to its entry sheet), with their peak memory.
#   bench/process/startup_process.sh BUILD_DIR [--rounds N] [--warmup N] [--trace]
# STARTUP_PROGRAM and STARTUP_BARE in the environment put other executables in their places,
# e.g. to see how the driver judges a client whose windows the server fills with a background.
set -euo pipefail

build=$(cd "${1:?usage: startup_process.sh BUILD_DIR [driver options]}" && pwd)
shift
work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work

# The screen is big enough that both windows lie wholly on it, where the server can hand out
# their pixels.
source "$(dirname "$0")/../../tools/private_xvfb.sh"
cleanup() {
    stop_private_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
start_private_xvfb "$work"

"$build/bench/process/quillstep_startup_driver" "$@" \
    "${STARTUP_PROGRAM:-$build/Quillstep/bin/quillstep}" \
    "${STARTUP_BARE:-$build/bench/process/quillstep_bare_window}"
