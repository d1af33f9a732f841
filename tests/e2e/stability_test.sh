#!/usr/bin/env bash
# --stability as a lab checks it: the frequency-stability test suite's 1000-point set, written
# as phase against Julian Dates a second apart, gives the published deviations and, with white
# FM fixed, the reference bounds; a file with a missing sample and a y that is no number is
# measured, not refused. No display needed.
source "$(dirname "$0")/lib.sh"

# n(i+1) = 16807 n(i) mod 2147483647 from 1234567890, as frequency; its phase from 0.
awk 'BEGIN {
    n = 1234567890
    for (i = 0; i < 1000; i++) { y[i] = n / 2147483647; sum += y[i]; n = (16807 * n) % 2147483647 }
    printf "@S0\n@legend string \"suite\"\n%.10f 0\n", 2460676.5
    for (i = 0; i < 1000; i++) { x += y[i] - sum / 1000; printf "%.10f %.17g\n", 2460676.5 + (i + 1) / 86400, x }
    printf "&\n"
}' >"$E2E_TMP/suite.dat"
run_ok "$E2E_TMP/suite.dat" --max-points 2000 --stability --y-unit s --noise wfm

# Each published row: tau, the column of the value, and lower / value / upper.
awk -F'\t' '
    NR == 1 { for (c = 1; c <= NF; c++) col[$c] = c; next }
    { tau = sprintf("%.0f", $col["tau_s"]); row[tau] = $0 }
    function near(got, want) { return (got - want) / want < 1e-3 && (want - got) / want < 1e-3 }
    function check(tau, name, lo, value, hi,    f) {
        split(row[tau], f, "\t")
        if (!near(f[col[name "_lo"]], lo) || !near(f[col[name]], value) || !near(f[col[name "_hi"]], hi)) {
            print "tau " tau " " name ": " f[col[name "_lo"]] " " f[col[name]] " " f[col[name "_hi"]]; bad = 1
        }
    }
    END {
        check(1, "adev", 0.28515, 0.29223, 0.29987)
        check(8, "adev", 0.10038, 0.10570, 0.11198)
        check(128, "adev", 0.023045, 0.027674, 0.037027)
        check(2, "mdev", 0.15336, 0.15821, 0.16355)
        exit bad
    }' "$E2E_TMP/stdout" || fail "--noise wfm: the bounds differ from the reference"

# A missing sample and a y that is no number, 15-minute epochs: measured, with their terms.
awk 'BEGIN { printf "@S0\n"; for (i = 0; i < 200; i++) if (i != 50) printf "%.6f %s\n", 2460676.5 + i / 96, i == 120 ? "nan" : i % 3; printf "&\n" }' \
    >"$E2E_TMP/gaps.dat"
run "$E2E_TMP/gaps.dat" --stability --y-unit ns
[ "$STATUS" = 0 ] && ! grep -q "not measured" "$E2E_TMP/stderr" || fail "gaps: not measured"
# 200 slots, two missing: 198 second differences at tau0 lose the three around each.
terms=$(awk -F'\t' 'NR == 2 { printf "%.6g %s", $2, $3 }' "$E2E_TMP/stdout")
[ "$terms" = "900 192" ] || fail "gaps: tau and terms $terms"
echo "stability test passed"
