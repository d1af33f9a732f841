#!/usr/bin/env bash
# Measuring what is plotted: --stats and --stability against values worked out here, over all
# points and over a range of dates; in the window, cursors by clicks and the statistics of five
# series beside the chart with S, following the zoom; R and G that change the picture and change
# it back.
source "$(dirname "$0")/lib.sh"

# Ten points a quarter of an hour apart, y on a line with a wiggle, in one set; a second set
# with an outage of six hours; three more, as five receivers make. Nothing lies low enough to go
# under the Δ box in the plot's lower left corner.
awk 'BEGIN { print "@S0"; for (k = 0; k < 10; k++) printf "%.10f %.4f\n", 2460650.5 + k / 96, 2 + 0.5 * k + (k % 2) * 0.1;
             print "&\n@S1"; for (k = 0; k < 40; k++) printf "%.10f %d\n", 2460650.5 + (k < 20 ? k : k + 24) / 96, 3 + k % 3; print "&";
             for (s = 2; s < 5; s++) { print "@S" s; for (k = 0; k < 42; k++) printf "%.10f %.1f\n", 2460650.5 + k / 64, 3 + s / 2 + (k % 2) / 5; print "&" } }' \
    >"$E2E_TMP/line.dat"
run_ok "$E2E_TMP/line.dat" --stats
# Count, first x, mean, sample standard deviation and slope per day of set 0, worked out here.
expected=$(awk 'BEGIN { for (k = 0; k < 10; k++) { x = k / 96; y = 2 + 0.5 * k + (k % 2) * 0.1;
                            s += y; q += y * y; sx += x; sxx += x * x; sxy += x * y }
                        m = s / 10; printf "10 2460650.5 %.9g %.9g %.9g", m, sqrt((q - 10 * m * m) / 9),
                            (sxy - sx * s / 10) / (sxx - sx * sx / 10) }')
got=$(awk -F'\t' 'NR == 2 { printf "%s %s %.9g %.9g %.9g", $2, $3, $5, $6, $14 }' "$E2E_TMP/stdout")
[ "$got" = "$expected" ] || fail "--stats: $got, not $expected"
run_ok "$E2E_TMP/line.dat" --stats --x-range 2024-12-06T00:30:2024-12-06T01:00Z
[ "$(awk -F'\t' 'NR == 2 { print $2 }' "$E2E_TMP/stdout")" = 3 ] || fail "--x-range: not 3 points"

# --stability: the Allan deviation at the first tau against the second differences summed here;
# without the unit of y, a usage error.
awk 'BEGIN { srand(5); print "@S0"; for (k = 0; k < 300; k++) printf "%.10f %.6f\n", 2460650.5 + k / 1440, 10 * rand(); print "&" }' \
    >"$E2E_TMP/phase.dat"
run "$E2E_TMP/phase.dat" --stability
[ "$STATUS" = 1 ] || fail "--stability without --y-unit: status $STATUS"
run_ok "$E2E_TMP/phase.dat" --stability --y-unit ns
expected=$(awk '/^[0-9]/ { x[n++] = $2 * 1e-9 } END { for (i = 0; i + 2 < n; i++) { d = x[i + 2] - 2 * x[i + 1] + x[i]; s += d * d }
                printf "60 298 %.6g", sqrt(s / (2 * 3600 * (n - 2))) }' "$E2E_TMP/phase.dat")
got=$(awk -F'\t' 'NR == 2 { printf "%.6g %s %.6g", $2, $3, $4 }' "$E2E_TMP/stdout")
[ "$got" = "$expected" ] || fail "--stability: $got, not $expected"

start_x
open_window "$E2E_TMP/line.dat"
shot no-box 200x55+55+320
xdotool mousemove --window "$id" 150 300 click 1
xdotool mousemove --window "$id" 450 300 keydown shift click 1 keyup shift sleep 0.3
shot box 200x55+55+320
[ "$(differ box no-box)" -gt 200 ] || fail "two cursors and no Δ box"

width() { xdotool getwindowgeometry --shell "$id" | sed -n 's/^WIDTH=//p'; }
narrow=$(width)
press "$id" s && sleep 0.4
wide=$(width)
[ "$wide" -gt $((narrow + 300)) ] || fail "S shows no statistics beside the chart"
[ "$wide" -le 1280 ] || fail "the statistics run off the screen: the window is $wide wide"
# A column a series, each headed by a stripe of its colour (black, the third, is the text's too).
shot head "$((wide - narrow))x120+$narrow+0"
for colour in "#0072b2" "#e69f00" "#009e73" "#56b4e9"; do
    [ "$(pixels_like "$E2E_TMP/head.png" "$colour")" -gt 100 ] || fail "no column for the series in $colour"
done
# The last series' values, which follow the zoom.
press "$id" Delete && sleep 0.3
shot all 80x250+"$((wide - 95))"+130
xdotool mousemove --window "$id" 300 200 click 4 click 4 sleep 0.4
shot zoomed 80x250+"$((wide - 95))"+130
[ "$(differ all zoomed)" -gt 50 ] || fail "a zoom did not change the statistics of the fifth series"

# R and G change the picture, and change it back.
for key in r g; do
    shot before
    press "$id" "$key" && sleep 0.3 && shot on
    press "$id" "$key" && sleep 0.3 && shot off
    [ "$(differ before on)" -gt 100 ] || fail "$key did not change the picture"
    [ "$(differ before off)" = 0 ] || fail "$key again did not bring the picture back"
done
close_window Return
echo "measure test passed"
