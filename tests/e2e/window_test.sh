#!/usr/bin/env bash
# The window opens on the example with the chart drawn, and Enter or Escape end it with 0.
VERLO=$1
EXAMPLE=$2
source "$(dirname "$0")/lib.sh"
start_x

for key in Return Escape; do
    "$VERLO" "$EXAMPLE" 2>"$E2E_TMP/stderr" &
    pid=$!
    id=$(wait_window "Differences Graph") || fail "no window titled Differences Graph"
    sleep 0.3
    import -window "$id" "$E2E_TMP/window.png"
    size=$(identify -format '%wx%h' "$E2E_TMP/window.png")
    [ "$size" = "656x471" ] || fail "window is $size, not 656x471"
    for colour in '#0072B2' '#E69F00' '#000000'; do
        n=$(pixels_like "$E2E_TMP/window.png" "$colour")
        [ "$n" -gt 100 ] || fail "series colour $colour covers only $n pixels"
    done
    colours=$(convert "$E2E_TMP/window.png" -format '%k' info:)
    [ "$colours" -gt 50 ] || fail "the window looks blank ($colours colours)"
    press "$id" "$key"
    wait_exit "$pid"
    [ "$STATUS" = 0 ] || fail "$key ended the viewer with status $STATUS"
done
echo "window test passed"
