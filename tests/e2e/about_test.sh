#!/usr/bin/env bash
# Alt+Space opens the window menu; its About entry opens "About Verlo"; closing that returns
# to the main window.
VERLO=$1
EXAMPLE=$2
source "$(dirname "$0")/lib.sh"
start_x

"$VERLO" "$EXAMPLE" 2>"$E2E_TMP/stderr" &
pid=$!
id=$(wait_window "Differences Graph") || fail "no main window"
press "$id" alt+space
sleep 0.5
xdotool key --delay 50 a
about=$(wait_window "About Verlo" 5) || fail "the About box did not open"
press "$about" Escape
for _ in $(seq 40); do has_window "About Verlo" || break; sleep 0.05; done
has_window "About Verlo" && fail "the About box did not close"
has_window "Differences Graph" || fail "the main window went away"
press "$id" Return
wait_exit "$pid"
[ "$STATUS" = 0 ] || fail "ended with status $STATUS"
echo "about test passed"
