#!/usr/bin/env bash
# Clocks compared as a lab compares them: A - B at common epochs on Modified Julian Dates, with
# its frequency and drift, and the three-cornered hat of three receivers against one wandering
# reference. No display needed for these.
source "$(dirname "$0")/lib.sh"

# rx1 = 10 + 2 t + 0.25 t^2 ns and rx2 = 4 + t ns over t days, 15-minute MJD epochs; rx2 lacks
# one epoch and is 3 s late (within 1 % of the step) on another. A - B = 6 + t + 0.25 t^2.
awk 'BEGIN {
    for (s = 1; s <= 2; s++) {
        printf "@S%d\n@legend string \"rx%d\"\n", s - 1, s
        for (i = 0; i < 960; i++) {
            t = i / 96; x = 60650 + t
            if (s == 2 && i == 100) continue
            if (s == 2 && i == 200) x += 3 / 86400
            printf "%.6f %.9f\n", x, s == 1 ? 10 + 2 * t + 0.25 * t * t : 4 + t
        }
        printf "&\n"
    }
}' >"$E2E_TMP/two.dat"
run_ok "$E2E_TMP/two.dat" --mjd --difference 0,1 --stats --y-unit ns
grep -q "'rx1 − rx2': 1 epochs of 'rx1' and 0 of 'rx2' had no partner" "$E2E_TMP/stderr" ||
    fail "--difference: no note on the epoch without a partner"
# Worked out: 959 points; at t = 0 the difference is 6; the parabola's 0.25 ns/day^2 is a drift
# of 0.5 ns/day a day, 5.787e-15 as a fraction; the line through it rises 3.5 ns a day.
awk -F'\t' -v OFS=' ' '
    NR == 1 { for (c = 1; c <= NF; c++) col[$c] = c; next }
    $1 == "rx1 − rx2" {
        seen = 1
        if ($col["n"] != 959 || $col["first_x"] != 60650 || $col["min"] != 6) bad = "n, first x, min"
        if ((($col["drift_per_day"] - 5.787037e-15) / 5.787037e-15) ^ 2 > 1e-12) bad = bad " drift"
        if ($col["frac_freq"] < 4.04e-14 || $col["frac_freq"] > 4.06e-14) bad = bad " frequency"
    }
    END { if (!seen || bad) { print "difference row: " bad; exit 1 } }' "$E2E_TMP/stdout" ||
    fail "--difference --stats: $(grep '−' "$E2E_TMP/stdout")"
# Without --mjd the same x are plain numbers: no frequency of them, and no stability.
run "$E2E_TMP/two.dat" --stats --y-unit ns
[ "$(awk -F'\t' 'NR == 2 { print $16 }' "$E2E_TMP/stdout")" = nan ] || fail "--stats: a frequency of plain x"
run "$E2E_TMP/two.dat" --stability --y-unit ns
grep -q "'rx1': not measured: its x are no dates" "$E2E_TMP/stderr" || fail "--stability of plain x"

# Three receivers of white phase noise of 1, 2 and 3 ns against a reference that wanders by
# a random walk of 5 ns a step, 6000 epochs: the hat's ADEV at tau0 is sqrt(3) sigma / tau0.
awk 'BEGIN {
    srand(27); pi = atan2(0, -1)
    for (i = 0; i < 6000; i++) {
        ref += 5 * sqrt(-2 * log(1 - rand())) * cos(2 * pi * rand())
        for (s = 0; s < 3; s++) y[s, i] = ref + (s + 1) * sqrt(-2 * log(1 - rand())) * cos(2 * pi * rand())
    }
    for (s = 0; s < 3; s++) {
        printf "@S%d\n", s
        for (i = 0; i < 6000; i++) printf "%.6f %.6f\n", 60650 + i / 96, y[s, i]
        printf "&\n"
    }
}' >"$E2E_TMP/three.dat"
run_ok "$E2E_TMP/three.dat" --max-points 6000 --mjd --hat 0,1,2 --stability --y-unit ns
awk -F'\t' '
    NR > 1 && $2 < 901 {
        sigma = substr($1, 8) * 1e-9 * sqrt(3) / 900
        if (($4 - sigma) / sigma > 0.1 || (sigma - $4) / sigma > 0.1) { print $1 ": " $4 " not " sigma; bad = 1 }
        n++
    }
    END { exit bad || n != 3 }' "$E2E_TMP/stdout" || fail "--hat: the clocks' own ADEV at tau0"
# In the window, on the three receivers of the example: minus adds A - B (a fourth colour),
# the stability window's Copy gives the hat of the three, and M turns x into MJD in the
# statistics' Copy.
start_x
open_window --y-unit ns "$(dirname "$0")/../../examples/receivers.dat"
press "$id" minus
press "$(wait_window "Difference A − B" 5)" Return && sleep 0.5 && shot shot
[ "$(pixels_like "$E2E_TMP/shot.png" '#009E73')" -gt 30 ] || fail "minus: no A - B drawn"
press "$id" d
stability=$(wait_window Stability 5) || fail "no stability window"
eval "$(xdotool getwindowgeometry --shell "$stability")"
xdotool mousemove --window "$stability" 60 52 click 1 sleep 0.5 key Down Return sleep 1.5
press "$stability" alt+c && sleep 0.3
xclip -o -selection clipboard >"$E2E_TMP/hat.tsv"
[ "$(awk -F'\t' 'NR > 1 && $8 == "nan" { print $1 }' "$E2E_TMP/hat.tsv" | sort -u | wc -l)" = 3 ] ||
    fail "the window's hat: $(head -3 "$E2E_TMP/hat.tsv")"
press "$id" m s && sleep 0.5
press "$id" alt+c && sleep 0.3
[ "$(xclip -o -selection clipboard | awk -F'\t' 'NR == 2 { print $3 }')" = 60650 ] ||
    fail "M: the statistics' first x is not MJD 60650"
close_window Escape
echo "compare test passed"
