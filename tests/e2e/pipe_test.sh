#!/usr/bin/env bash
# With -pipe the window waits for the writer to close the pipe.
VERLO=$1
EXAMPLE=$2
source "$(dirname "$0")/lib.sh"
start_x

mkfifo "$E2E_TMP/fifo"
"$VERLO" -pipe <"$E2E_TMP/fifo" 2>"$E2E_TMP/stderr" &
pid=$!
exec 4>"$E2E_TMP/fifo"
cat "$EXAMPLE" >&4
sleep 1.5
has_window "Differences Graph" && fail "the window showed while the writer kept the pipe open"
exec 4>&-
id=$(wait_window "Differences Graph") || fail "no window after the writer closed the pipe"
press "$id" Return
wait_exit "$pid"
[ "$STATUS" = 0 ] || fail "ended with status $STATUS"
echo "pipe test passed"
