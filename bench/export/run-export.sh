#!/usr/bin/env bash
# Times Verlo's exports against Grace's batch printer and gnuplot's cairo PNG terminal: whole
# processes from exec to exit, on the same 5 x 1000 points drawn at the same pixel size, one
# run of each program in turn so that drift on a busy machine falls on all alike. Then Verlo
# alone on 2 x 1 000 000 points: the table and content exports and the measurements against
# the picture of the same points.
# Usage: run-export.sh BUILD_DIR [RUNS]
set -euo pipefail
BUILD=$(cd "$1" && pwd)
RUNS=${2:-21}
WARMUP=2
WIDTH=555
HEIGHT=449
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../lib.sh"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
# Batch work, as on a server: none of the programs may reach for a display.
unset DISPLAY WAYLAND_DISPLAY

# Graph 0 with 5 sets of 1000 dated points, and the same points for the peers with x in days
# from the first: sets apart by two blank lines for gnuplot, by '&' for Grace.
awk -v graphs=1 -f "$HERE/../startup/make-data.awk" >"$TMP/graph0.dat"
awk '/^&/ { print ""; print "" } /^[0-9]/ { print $1 - 2461041.5, $2 }' "$TMP/graph0.dat" \
    >"$TMP/columns.dat"
awk '/^&/ { print "&" } /^[0-9]/ { print $1 - 2461041.5, $2 }' "$TMP/graph0.dat" >"$TMP/grace.dat"

GRACE=(gracebat -hardcopy -hdevice PNG -printfile "$TMP/grace.png" -pexec "page size $WIDTH, $HEIGHT"
    -pexec 'title "Graph 0"' -pexec "legend on")
for s in 0 1 2 3 4; do
    GRACE+=(-pexec "s$s legend \"Set $s\"")
done
GRACE+=("$TMP/grace.dat")
GNUPLOT=(gnuplot -e "set term pngcairo size $WIDTH,$HEIGHT; set output '$TMP/gnuplot.png';
    set title 'Graph 0'; plot for [i=0:4] '$TMP/columns.dat' index i with lines title sprintf('Set %d', i)")

PROGRAMS=("verlo PNG" "verlo SVG" "verlo PDF" "verlo JSON")
# The toolkit's floor for the picture: no export of it can start, draw and encode for less.
[ -x "$BUILD/bench/export_floor" ] && PROGRAMS+=("toolkit floor PNG")
command -v gracebat >/dev/null && PROGRAMS+=("gracebat PNG")
command -v gnuplot >/dev/null && PROGRAMS+=("gnuplot pngcairo PNG")

# Runs one program once and prints its label, wall milliseconds and peak RSS in MB.
run_once() {
    local label=$1
    local -a command
    case $label in
    "verlo PNG") command=("$BUILD/verlo" "$TMP/graph0.dat" --export "$TMP/verlo.png") ;;
    "verlo SVG") command=("$BUILD/verlo" "$TMP/graph0.dat" --export "$TMP/verlo.svg") ;;
    "verlo PDF") command=("$BUILD/verlo" "$TMP/graph0.dat" --export "$TMP/verlo.pdf") ;;
    "verlo JSON") command=("$BUILD/verlo" "$TMP/graph0.dat" --export "$TMP/verlo.json") ;;
    "toolkit floor PNG") command=("$BUILD/bench/export_floor" "$TMP/floor.png") ;;
    "2M PNG") command=("${MILLIONS[@]}" --export "$TMP/millions.png") ;;
    "2M CSV") command=("${MILLIONS[@]}" --export "$TMP/millions.csv") ;;
    "2M JSON") command=("${MILLIONS[@]}" --export "$TMP/millions.json") ;;
    "2M --stats") command=("${MILLIONS[@]}" --stats) ;;
    "2M --stability") command=("${MILLIONS[@]}" --stability --y-unit ns) ;;
    "gracebat PNG") command=("${GRACE[@]}") ;;
    "gnuplot pngcairo PNG") command=("${GNUPLOT[@]}") ;;
    esac
    local start=$EPOCHREALTIME
    /usr/bin/time -f %M -o "$TMP/rss" "${command[@]}" >/dev/null 2>"$TMP/stderr" || {
        echo "run-export: $label failed:" >&2
        cat "$TMP/stderr" >&2
        return 1
    }
    local end=$EPOCHREALTIME
    # EPOCHREALTIME has six decimals: without the point it counts microseconds.
    awk -v label="$label" -v us=$((${end/./} - ${start/./})) -v kb="$(tail -n1 "$TMP/rss")" \
        'BEGIN { printf "%s\t%.3f\t%.1f\n", label, us / 1000, kb / 1024 }'
}

# Runs the labels in turn and takes each one's medians into WALL and RSS.
declare -A WALL RSS
measure() {
    local label wall rss
    rm -f "$TMP/runs"
    alternate "$TMP/runs" "$@"
    while IFS=$'\t' read -r label wall rss; do
        WALL[$label]=$wall
        RSS[$label]=$rss
    done < <(summarise "$TMP/runs")
}

measure "${PROGRAMS[@]}"
pixels() { identify -format '%wx%h' "$1" 2>/dev/null || echo "-"; }
declare -A SIZE=(["verlo PNG"]=$(pixels "$TMP/verlo.png")
    ["gracebat PNG"]=$(pixels "$TMP/grace.png") ["gnuplot pngcairo PNG"]=$(pixels "$TMP/gnuplot.png")
    ["toolkit floor PNG"]=$(pixels "$TMP/floor.png"))

echo
echo "Export of graph 0 (5 x 1000 points), whole process, median of $RUNS alternating runs after $WARMUP warm-up rounds:"
printf '| %-20s | %8s | %11s | %9s |\n' program "wall ms" "peak RSS MB" pixels
printf '|%s|%s|%s|%s|\n' ---------------------- ---------- ------------- -----------
for label in "${PROGRAMS[@]}"; do
    printf '| %-20s | %8s | %11s | %9s |\n' "$label" "${WALL[$label]}" "${RSS[$label]}" \
        "${SIZE[$label]:--}"
done
# Kept for a look: each program's picture of the same points.
mkdir -p "$BUILD/bench/export"
cp "$TMP"/*.png "$BUILD/bench/export/"
echo "Pictures: $BUILD/bench/export/{verlo,grace,gnuplot}.png"
echo
verlo=${WALL["verlo PNG"]}
if [ -n "${WALL["gracebat PNG"]:-}" ]; then
    goal "verlo PNG / gracebat PNG (wall)" "$(ratio "$verlo" "${WALL["gracebat PNG"]}")" "<=" 0.9
fi
if [ -n "${WALL["gracebat PNG"]:-}" ] && [ -n "${WALL["toolkit floor PNG"]:-}" ]; then
    echo "  (toolkit floor PNG / gracebat PNG (wall): $(ratio "${WALL["toolkit floor PNG"]}" "${WALL["gracebat PNG"]}"); verlo PNG above the floor: $(difference "$verlo" "${WALL["toolkit floor PNG"]}") ms)"
fi
if [ -n "${WALL["gnuplot pngcairo PNG"]:-}" ]; then
    goal "verlo PNG / gnuplot pngcairo PNG (wall)" \
        "$(ratio "$verlo" "${WALL["gnuplot pngcairo PNG"]}")" "<" 1
fi
for label in "verlo PNG" "verlo SVG" "verlo PDF" "verlo JSON"; do
    goal "$label peak RSS MB" "${RSS[$label]}" "<=" 36
done

# Two clocks, a second apart for 1 000 000 s each, as bench/millions makes five.
awk 'BEGIN { srand(7); for (s = 0; s < 2; s++) { printf "@S%d\n@legend string \"clock %d\"\n", s, s
                 for (p = 0; p < 1000000; p++) printf "%.8f %.4f\n", 2460310.5 + p / 86400, 100 * s + 20 * sin(p / 5000) + rand()
                 print "&" } }' >"$TMP/millions.dat"
MILLIONS=("$BUILD/verlo" --max-points 1000000 "$TMP/millions.dat")
LARGE=("2M PNG" "2M CSV" "2M JSON" "2M --stats" "2M --stability")
measure "${LARGE[@]}"
echo
echo "Verlo on 2 x 1 000 000 points (--max-points 1000000), whole process, median of $RUNS alternating runs after $WARMUP warm-up rounds:"
printf '| %-20s | %8s | %11s |\n' run "wall ms" "peak RSS MB"
printf '|%s|%s|%s|\n' ---------------------- ---------- -------------
for label in "${LARGE[@]}"; do
    printf '| %-20s | %8s | %11s |\n' "$label" "${WALL[$label]}" "${RSS[$label]}"
done
echo
png=${WALL["2M PNG"]}
for label in "2M CSV" "2M JSON"; do
    goal "$label / 2M PNG (wall)" "$(ratio "${WALL[$label]}" "$png")" "<=" 2
    goal "$label / 2M PNG (peak RSS)" "$(ratio "${RSS[$label]}" "${RSS["2M PNG"]}")" "<=" 1.1
done
for label in "2M --stats" "2M --stability"; do
    goal "$label / 2M PNG (wall)" "$(ratio "${WALL[$label]}" "$png")" "<=" 1
done
