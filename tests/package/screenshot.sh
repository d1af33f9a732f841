#!/usr/bin/env bash
# Takes the README's picture: the real window on the example, under a private X server.
# Usage: screenshot.sh VERLO EXAMPLE OUT.png
VERLO=$1
EXAMPLE=$2
OUT=$3
source "$(dirname "$0")/../e2e/lib.sh"
start_x
"$VERLO" "$EXAMPLE" 2>/dev/null &
pid=$!
id=$(wait_window "Differences Graph") || fail "no window"
sleep 0.5
import -window "$id" "$OUT"
press "$id" Return
wait_exit "$pid"
echo "wrote $OUT"
