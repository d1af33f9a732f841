#!/usr/bin/env bash
# A month of 1-second data for five clocks, 5 × 1 000 000 points: Verlo with --max-points
# against gnuplot drawing the same points as lines, one run of each in turn in a private X
# server; prints the time to the window fully drawn and the peak memory.
# Usage: run-millions.sh BUILD_DIR [RUNS]
BUILD=$(cd "$1" && pwd)
RUNS=${2:-5}
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../tests/e2e/lib.sh"
source "$HERE/../lib.sh"
start_x
PROBE=$BUILD/bench/startup/startup_probe

awk 'BEGIN { srand(7); for (s = 0; s < 5; s++) { printf "@S%d\n@legend string \"clock %d\"\n", s, s
                 for (p = 0; p < 1000000; p++) printf "%.8f %.4f\n", 2460310.5 + p / 86400, 100 * s + 20 * sin(p / 5000) + rand()
                 print "&" } }' >"$E2E_TMP/month.dat"
awk '/^&/ { print ""; print "" } /^[0-9]/ { print $1 - 2460310.5, $2 }' "$E2E_TMP/month.dat" >"$E2E_TMP/columns.dat"

run_once() {
    local label=$1 name
    local -a command
    case $label in
    verlo) name="Differences Graph" command=("$BUILD/verlo" --max-points 1000000 "$E2E_TMP/month.dat") ;;
    gnuplot)
        name="Gnuplot*"
        command=(gnuplot -persist -e "set term x11; plot for [i=0:4] '$E2E_TMP/columns.dat' index i with lines title sprintf('clock %d', i); pause mouse close")
        ;;
    esac
    "$PROBE" "$name" 1 0 -- "${command[@]}" 2>/dev/null |
        sed -n "s/^run 1 mapped_ms=\(.*\) drawn_ms=\(.*\) rss_mb=\(.*\)/$label\t\1\t\2\t\3/p"
}

PROGRAMS=(verlo)
command -v gnuplot >/dev/null && PROGRAMS+=(gnuplot)
for ((i = 0; i < RUNS; i++)); do
    for label in "${PROGRAMS[@]}"; do
        run_once "$label" >>"$E2E_TMP/runs" || echo "  $label: no measurement" >&2
    done
done
declare -A DRAWN RSS
while IFS=$'\t' read -r label mapped drawn rss; do
    DRAWN[$label]=$drawn
    RSS[$label]=$rss
done < <(summarise "$E2E_TMP/runs")
echo
echo "5 × 1 000 000 points, exec to the window fully drawn, median of $RUNS alternating runs:"
printf '| %-8s | %9s | %13s |\n' program "drawn ms" "peak RSS MB"
for label in "${PROGRAMS[@]}"; do
    printf '| %-8s | %9s | %13s |\n' "$label" "${DRAWN[$label]:-}" "${RSS[$label]:-}"
done
[ -n "${DRAWN[verlo]:-}" ] || exit 0
goal "verlo first window, 5 x 1 M points (ms)" "${DRAWN[verlo]}" "<=" 400
goal "verlo peak RSS (MB)" "${RSS[verlo]}" "<=" 180
[ -z "${DRAWN[gnuplot]:-}" ] || goal "verlo / gnuplot (drawn)" "$(ratio "${DRAWN[verlo]}" "${DRAWN[gnuplot]}")" "<=" 0.15
[ -z "${RSS[gnuplot]:-}" ] || goal "verlo / gnuplot (peak RSS)" "$(ratio "${RSS[verlo]}" "${RSS[gnuplot]}")" "<=" 0.5
