#!/usr/bin/env bash
# Times Verlo's start-up against the window toolkit's floor and, when installed, gnuplot and
# Grace, each in the same private X server, and prints a table with the ratios.
# Usage: run-startup.sh BUILD_DIR [RUNS]
BUILD=$(cd "$1" && pwd)
RUNS=${2:-15}
WARMUP=2
source "$(dirname "$0")/../../tests/e2e/lib.sh"
start_x
PROBE=$BUILD/bench/startup/startup_probe

# Graph 0 with 5 sets of 1000 dated points; and the same with graphs 1 to 9 filled as well.
awk -v graphs=1 -f "$(dirname "$0")/make-data.awk" >"$E2E_TMP/graph0.dat"
awk -v graphs=10 -f "$(dirname "$0")/make-data.awk" >"$E2E_TMP/full.dat"
# The same 5 x 1000 points as plain columns for the peers.
awk '/^&/ { print ""; print "" } /^[0-9]/ { print $1 - 2461041.5, $2 }' "$E2E_TMP/graph0.dat" \
    >"$E2E_TMP/columns.dat"

declare -A DRAWN MAPPED RSS
measure() {
    local label=$1 name=$2
    shift 2
    local line
    line=$("$PROBE" "$name" "$RUNS" "$WARMUP" -- "$@" 2>/dev/null | tail -n1) || {
        echo "  $label: no measurement" >&2
        return 0
    }
    MAPPED[$label]=$(sed -n 's/.*mapped_ms=\([0-9.]*\).*/\1/p' <<<"$line")
    DRAWN[$label]=$(sed -n 's/.*drawn_ms=\([0-9.]*\).*/\1/p' <<<"$line")
    RSS[$label]=$(sed -n 's/.*rss_mb=\([0-9.]*\).*/\1/p' <<<"$line")
}

measure "empty Qt dialog" "Empty Dialog" "$BUILD/bench/startup/empty_dialog"
measure "verlo, graph 0" "Differences Graph" "$BUILD/verlo" "$E2E_TMP/graph0.dat"
measure "verlo, full store" "Differences Graph" "$BUILD/verlo" "$E2E_TMP/full.dat"
if command -v gnuplot >/dev/null; then
    measure "gnuplot, x11" "Gnuplot*" gnuplot -e "set term x11; plot for [i=0:4] '$E2E_TMP/columns.dat' index i with lines; pause mouse close"
fi
if command -v xmgrace >/dev/null; then
    measure "Grace (xmgrace)" "Grace*" xmgrace -nosafe -noask "$E2E_TMP/columns.dat"
fi

echo
echo "Start-up under Xvfb, median of $RUNS runs after $WARMUP warm-up runs:"
printf '| %-18s | %10s | %9s | %13s |\n' program "mapped ms" "drawn ms" "peak RSS MB"
printf '|%s|%s|%s|%s|\n' -------------------- ------------ ----------- ---------------
for label in "empty Qt dialog" "verlo, graph 0" "verlo, full store" "gnuplot, x11" "Grace (xmgrace)"; do
    [ -n "${DRAWN[$label]:-}" ] || continue
    printf '| %-18s | %10s | %9s | %13s |\n' "$label" "${MAPPED[$label]}" "${DRAWN[$label]}" "${RSS[$label]}"
done
echo
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verlo=${DRAWN["verlo, graph 0"]:-}
floor=${DRAWN["empty Qt dialog"]:-}
if [ -n "$verlo" ] && [ -n "$floor" ]; then
    echo "verlo / empty Qt dialog (to drawn): $(ratio "$verlo" "$floor") (goal <= 1.10)"
    echo "full store - graph 0 (to drawn): $(awk -v a="${DRAWN["verlo, full store"]}" -v b="$verlo" 'BEGIN { printf "%.1f", a - b }') ms (goal <= 3)"
    echo "verlo peak RSS: ${RSS["verlo, graph 0"]} MB (goal <= 36)"
fi
for peer in "gnuplot, x11" "Grace (xmgrace)"; do
    [ -n "${DRAWN[$peer]:-}" ] && echo "verlo / $peer (to drawn): $(ratio "$verlo" "${DRAWN[$peer]}") (goal < 1)"
done
exit 0
