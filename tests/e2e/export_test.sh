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
capture_window "$VERLO" "$EXAMPLE" "$E2E_TMP/window-chart.png" -crop 555x449+11+11 +repage
# The window's fonts come from the X server's settings and may be hinted a hair differently,
# moving lines by a pixel; at a quarter of the size those shifts vanish, a different chart
# does not.
convert "$E2E_TMP/chart.png" -resize 25% "$E2E_TMP/chart-small.png"
convert "$E2E_TMP/window-chart.png" -resize 25% "$E2E_TMP/window-small.png"
differing=$(compare -metric AE -fuzz 15% "$E2E_TMP/chart-small.png" "$E2E_TMP/window-small.png" \
    null: 2>&1 || true)
[ "${differing%%.*}" -lt 40 ] || fail "export and window differ in $differing of 15568 pixels"
echo "export test passed ($differing pixels differ at a quarter of the size)"
