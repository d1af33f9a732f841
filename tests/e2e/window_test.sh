#!/usr/bin/env bash
# The window as a user starts and ends it: on the example with the chart drawn, Enter or
# Escape end it with 0; Alt+Space opens the window menu and its About box; with -pipe it waits
# for the writer to close the pipe; without a data source only the usage box shows, status 1.
source "$(dirname "$0")/lib.sh"

# Help and version need no display and end with 0.
help=$(env -u DISPLAY "$VERLO" -h) || fail "-h status"
[ "${help%%$'\n'*}" = "Usage: verlo FILE" ] || fail "-h"
grep -q "^  5  a window was asked for" <<<"$help" || fail "--help"
[ "$(env -u DISPLAY "$VERLO" --version)" = "Verlo 1.0.0" ] || fail "--version"
start_x

for key in Return Escape; do
    open_window "$EXAMPLE"
    shot window
    [ "$(identify -format '%wx%h' "$E2E_TMP/window.png")" = 656x471 ] || fail "the window is not 656x471"
    for colour in '#0072B2' '#E69F00' '#000000'; do
        [ "$(pixels_like "$E2E_TMP/window.png" "$colour")" -gt 100 ] || fail "series colour $colour covers too little"
    done
    [ "$(convert "$E2E_TMP/window.png" -format '%k' info:)" -gt 50 ] || fail "the window looks blank"
    if [ "$key" = Escape ]; then
        press "$id" alt+space && sleep 0.5 && xdotool key --delay 50 a
        about=$(wait_window "About Verlo" 5) || fail "the About box did not open"
        press "$about" Escape
        for _ in $(seq 40); do has_window "About Verlo" || break; sleep 0.05; done
        has_window "About Verlo" && fail "the About box did not close"
        has_window "Differences Graph" || fail "the main window went away"
    fi
    close_window "$key"
done

mkfifo "$E2E_TMP/fifo"
"$VERLO" -pipe <"$E2E_TMP/fifo" 2>"$E2E_TMP/stderr" & pid=$!
exec 4>"$E2E_TMP/fifo"
cat "$EXAMPLE" >&4 && sleep 1.5
has_window "Differences Graph" && fail "the window showed while the writer kept the pipe open"
exec 4>&-
id=$(wait_window "Differences Graph") || fail "no window after the writer closed the pipe"
close_window Return

"$VERLO" 2>"$E2E_TMP/stderr" & pid=$!
id=$(wait_window "$(basename "$VERLO")") || fail "no usage box"
has_window "Differences Graph" && fail "the main window showed with the usage box"
close_window Return 1
grep -q "Please provide the filename or the --pipe option" "$E2E_TMP/stderr" ||
    fail "usage line missing on stderr"
has_window "Differences Graph" && fail "the main window showed after the usage box"
echo "window test passed"
