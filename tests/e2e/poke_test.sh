#!/usr/bin/env bash
# Clicks, keys and the wheel where no point can be taken: an empty set, a file without sets,
# a chart panned away from all its data. The viewer lives, says why in the plot's corner, and
# (in the sanitizer build) the sanitizer stays silent.
source "$(dirname "$0")/lib.sh"
start_x

printf '@S0\n&\n' >"$E2E_TMP/empty.dat"
printf '1 1\n2 2\n&\n' >"$E2E_TMP/nosets.dat"
for data in "$E2E_TMP/empty.dat" "$E2E_TMP/nosets.dat" "$EXAMPLE"; do
    open_window "$data"
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove --window "$id" $((WIDTH / 2)) $((HEIGHT / 2))
    if [ "$data" = "$EXAMPLE" ]; then
        # Four drags with the right button carry the data far out of view.
        for _ in 1 2 3 4; do
            xdotool mousedown 3 mousemove_relative --sync -- -300 0 mouseup 3
            xdotool mousemove --window "$id" $((WIDTH / 2)) $((HEIGHT / 2))
        done
    fi
    xdotool click 1 sleep 0.1 keydown shift click 1 keyup shift
    press "$id" c shift+c r r
    xdotool click 4 click 5 click 5 sleep 0.3
    shot shot
    close_window Escape
    ! grep -qE "Sanitizer|runtime error" "$E2E_TMP/stderr" || fail "$data: the sanitizer spoke"
done
echo "poke test passed"
