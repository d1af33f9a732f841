# Shared by the end-to-end tests: a private X server and ways to look at and poke the real
# viewer in it. Sourced by a test run with the binary under test and the example file.
set -euo pipefail
VERLO=$1 EXAMPLE=${2:-}

E2E_TMP=$(mktemp -d)
XVFB_PID=""
cleanup() {
    # Wait for the server to be gone, so that the next test cannot meet its socket.
    [ -z "$XVFB_PID" ] || { kill "$XVFB_PID"; wait "$XVFB_PID"; } 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT

# Runs the viewer without a display; STATUS is its exit status, its output in stdout and stderr.
run() {
    STATUS=0
    env -u DISPLAY "$VERLO" "$@" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" || STATUS=$?
}

# As run, and it must end with 0.
run_ok() { run "$@" && [ "$STATUS" = 0 ] || fail "$*: status $STATUS"; }

fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$E2E_TMP/stderr" ] || { echo "--- the viewer's stderr:" && cat "$E2E_TMP/stderr"; } >&2
    exit 1
}

# Starts Xvfb on a free display and points DISPLAY at it.
start_x() {
    # -noreset: the server must not restart itself when its last client (xdpyinfo below, or
    # a program under test) goes, or a program started at that moment is refused.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$E2E_TMP/display" 2>/dev/null &
    XVFB_PID=$!
    timeout 5 sh -c 'until [ -s "$1" ]; do sleep 0.05; done' - "$E2E_TMP/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
    timeout 5 sh -c 'until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done' ||
        fail "Xvfb on $DISPLAY does not answer"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# The id of a visible window with exactly this name, waiting up to $2 seconds (default 10).
wait_window() {
    timeout "${2:-10}" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n1
}

has_window() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# Starts the viewer on the words, its stderr kept; pid is the process, id its main window,
# given 0.4 s to draw.
open_window() {
    "$VERLO" "$@" 2>"$E2E_TMP/stderr" & pid=$!
    id=$(wait_window "Differences Graph") || fail "$*: no window titled Differences Graph"
    sleep 0.4
}

# Presses the key in window id and waits for the viewer to end with the status (default 0).
close_window() {
    press "$id" "$1"
    wait_exit "$pid"
    [ "$STATUS" = "${2:-0}" ] || fail "$1 ended the viewer with status $STATUS"
}

# Window id's picture as $E2E_TMP/NAME.png, cut to the geometry if one is given.
shot() { import -window "$id" ${2:+-crop "$2" +repage} "$E2E_TMP/$1.png"; }

# How many pixels of two pictures differ.
differ() { compare -metric AE "$E2E_TMP/$1.png" "$E2E_TMP/$2.png" null: 2>&1 || true; }

# Gives the window the keyboard and types the keys (no window manager runs here).
press() { xdotool windowfocus --sync "$1" key --delay 50 "${@:2}"; }

# Waits for the background process to end (up to $2 seconds) and sets STATUS to its exit
# status, or to "timeout". Runs in this shell: only it may wait for its own children.
wait_exit() {
    STATUS=timeout
    timeout "${2:-10}" tail --pid="$1" -f /dev/null || { kill "$1" 2>/dev/null || true; return; }
    wait "$1" && STATUS=0 || STATUS=$?
}

# How many pixels of the image lie within a few percent of the colour.
pixels_like() {
    convert "$1" -fuzz 8% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:round(mean*w*h)]' info:
}
