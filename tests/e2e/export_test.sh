#!/usr/bin/env bash
# --export writes what the window shows: the PNG equals the window's chart area and the JSON
# holds the example's graph 0. It needs no display.
VERLO=$1
EXAMPLE=$2
source "$(dirname "$0")/lib.sh"

env -u DISPLAY "$VERLO" "$EXAMPLE" --export "$E2E_TMP/chart.png"
env -u DISPLAY "$VERLO" --export "$E2E_TMP/chart.json" -pipe <"$EXAMPLE"
[ "$(identify -format '%wx%h' "$E2E_TMP/chart.png")" = "555x449" ] || fail "PNG size"
grep -q '"header":\["Clock differences against the reference, Q1 2026"\]' "$E2E_TMP/chart.json" ||
    fail "JSON header"
[ "$(grep -o '"title":"Receiver [ABC]' "$E2E_TMP/chart.json" | wc -l)" = 3 ] || fail "JSON series"

status=0
env -u DISPLAY "$VERLO" "$EXAMPLE" --export "$E2E_TMP/missing/chart.png" 2>/dev/null || status=$?
[ "$status" = 3 ] || fail "an unwritable export ended with status $status"
status=0
env -u DISPLAY "$VERLO" --export "$E2E_TMP/chart.png" 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "an export without data source ended with status $status"

start_x
"$VERLO" "$EXAMPLE" 2>/dev/null &
pid=$!
id=$(wait_window "Differences Graph") || fail "no main window"
sleep 0.3
import -window "$id" -crop 555x449+11+11 +repage "$E2E_TMP/window-chart.png"
press "$id" Return
wait_exit "$pid"
differing=$(compare -metric AE -fuzz 10% "$E2E_TMP/chart.png" "$E2E_TMP/window-chart.png" \
    null: 2>&1 || true)
[ "${differing%%.*}" -lt 2500 ] || fail "export and window differ in $differing pixels"
echo "export test passed ($differing pixels differ)"
