#!/usr/bin/env bash
# Times Verlo's start-up against the window toolkit's floor and, when installed, gnuplot and
# Grace, all in one private X server, one run of each program in turn so that drift on a busy
# machine falls on all alike, and prints a table with the goals.
# Usage: run-startup.sh BUILD_DIR [RUNS]
BUILD=$(cd "$1" && pwd)
RUNS=${2:-15}
WARMUP=2
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../tests/e2e/lib.sh"
source "$HERE/../lib.sh"
start_x
PROBE=$BUILD/bench/startup/startup_probe

# Graph 0 with 5 sets of 1000 dated points; and the same with graphs 1 to 9 filled as well.
awk -v graphs=1 -f "$HERE/make-data.awk" >"$E2E_TMP/graph0.dat"
awk -v graphs=10 -f "$HERE/make-data.awk" >"$E2E_TMP/full.dat"
# The same 5 x 1000 points for the peers, x in days from the first: sets apart by two blank
# lines for gnuplot, by '&' for Grace.
awk '/^&/ { print ""; print "" } /^[0-9]/ { print $1 - 2461041.5, $2 }' "$E2E_TMP/graph0.dat" \
    >"$E2E_TMP/columns.dat"
awk '/^&/ { print "&" } /^[0-9]/ { print $1 - 2461041.5, $2 }' "$E2E_TMP/graph0.dat" \
    >"$E2E_TMP/grace.dat"

PROGRAMS=("empty Qt dialog" "verlo, graph 0" "verlo, full store")
command -v gnuplot >/dev/null && PROGRAMS+=("gnuplot, x11")
command -v xmgrace >/dev/null && PROGRAMS+=("Grace (xmgrace)")

# Starts one program once under the probe and prints its label, mapped and drawn
# milliseconds and peak RSS in MB.
run_once() {
    local label=$1 name
    local -a command
    case $label in
    "empty Qt dialog") name="Empty Dialog" command=("$BUILD/bench/startup/empty_dialog") ;;
    "verlo, graph 0") name="Differences Graph" command=("$BUILD/verlo" "$E2E_TMP/graph0.dat") ;;
    "verlo, full store") name="Differences Graph" command=("$BUILD/verlo" "$E2E_TMP/full.dat") ;;
    "gnuplot, x11")
        name="Gnuplot*"
        command=(gnuplot -e "set term x11; set title 'Graph 0'; plot for [i=0:4] '$E2E_TMP/columns.dat'
            index i with lines title sprintf('Set %d', i); pause mouse close")
        ;;
    "Grace (xmgrace)") name="Grace*" command=(xmgrace -nosafe -noask "$E2E_TMP/grace.dat") ;;
    esac
    "$PROBE" "$name" 1 0 -- "${command[@]}" 2>/dev/null |
        sed -n "s/^run 1 mapped_ms=\(.*\) drawn_ms=\(.*\) rss_mb=\(.*\)/$label\t\1\t\2\t\3/p"
}

touch "$E2E_TMP/runs"
for ((i = 0; i < WARMUP + RUNS; i++)); do
    for label in "${PROGRAMS[@]}"; do
        line=$(run_once "$label") || true
        if [ -z "$line" ]; then
            echo "  $label: no measurement" >&2
        elif ((i >= WARMUP)); then
            echo "$line" >>"$E2E_TMP/runs"
        fi
    done
done

declare -A MAPPED DRAWN RSS
while IFS=$'\t' read -r label mapped drawn rss; do
    MAPPED[$label]=$mapped
    DRAWN[$label]=$drawn
    RSS[$label]=$rss
done < <(summarise "$E2E_TMP/runs")

echo
echo "Start-up under Xvfb, exec to the window fully drawn, median of $RUNS alternating runs after $WARMUP warm-up rounds:"
printf '| %-18s | %10s | %9s | %13s |\n' program "mapped ms" "drawn ms" "peak RSS MB"
printf '|%s|%s|%s|%s|\n' -------------------- ------------ ----------- ---------------
for label in "${PROGRAMS[@]}"; do
    [ -n "${DRAWN[$label]:-}" ] || continue
    printf '| %-18s | %10s | %9s | %13s |\n' "$label" "${MAPPED[$label]}" "${DRAWN[$label]}" "${RSS[$label]}"
done
echo
verlo=${DRAWN["verlo, graph 0"]:-}
[ -n "$verlo" ] || exit 0
if [ -n "${DRAWN["empty Qt dialog"]:-}" ]; then
    goal "verlo graph 0 / empty Qt dialog (drawn)" "$(ratio "$verlo" "${DRAWN["empty Qt dialog"]}")" "<=" 1.05
fi
for peer in "gnuplot, x11" "Grace (xmgrace)"; do
    [ -z "${DRAWN[$peer]:-}" ] || goal "verlo graph 0 / $peer (drawn)" "$(ratio "$verlo" "${DRAWN[$peer]}")" "<" 1
done
if [ -n "${DRAWN["verlo, full store"]:-}" ]; then
    goal "verlo full store - graph 0 (drawn ms)" "$(difference "${DRAWN["verlo, full store"]}" "$verlo")" "<=" 2
fi
for label in "verlo, graph 0" "verlo, full store"; do
    [ -z "${RSS[$label]:-}" ] || goal "$label peak RSS MB" "${RSS[$label]}" "<=" 36
done
exit 0
