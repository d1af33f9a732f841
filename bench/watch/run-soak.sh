#!/usr/bin/env bash
# --watch under a writer that rewrites a growing file every 20 ms for a minute, closing it
# each time: how long the window takes to show the last point after the writer stops (goal:
# within the longest wait, 2 s), the longest time between two shows while it writes, and the
# resident memory at the end against after the first 10 s (goal: within 5 %).
# Usage: run-soak.sh BUILD_DIR [SECONDS]
BUILD=$(cd "$1" && pwd)
SECONDS_WRITTEN=${2:-60}
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../tests/e2e/lib.sh"
source "$HERE/../lib.sh"
start_x
# Microseconds, without a process: the writer keeps to its 20 ms.
now() { echo "${EPOCHREALTIME/./}"; }
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }

# Each text names its count in a line that is no point: the note on it tells when it showed.
file=$E2E_TMP/soak.dat
printf '@S0\n1 1\nn0\n&\n' >"$file"
"$BUILD/verlo" --watch --max-points 100000 "$file" 2> >(while IFS= read -r line; do
    echo "$(now) $line"
done >"$E2E_TMP/shown") &
pid=$!
wait_window "Differences Graph" >/dev/null || fail "no window"

start=${EPOCHREALTIME/./}
points="" n=0 rss10=""
while ((${EPOCHREALTIME/./} - start < SECONDS_WRITTEN * 1000000)); do
    points+="$((++n)) $((n % 7))"$'\n'
    printf '@S0\n1 1\nn%d\n%s&\n' "$n" "$points" >"$file"
    last=${EPOCHREALTIME/./}
    [ -n "$rss10" ] || ((last - start < 10000000)) || rss10=$(rss)
    sleep 0.02
done
timeout 10 sh -c 'until grep -q "\"n$1\" is no point" "$2"; do sleep 0.05; done' - "$n" "$E2E_TMP/shown" ||
    fail "the last text, n$n, did not show within 10 s"
shown=$(awk -v n="\"n$n\"" 'index($0, n " is no point") { print $1 }' "$E2E_TMP/shown")
rss_end=$(rss)
gap=$(awk -v s="$start" -v e="$last" '/" is no point/ && $1 >= s && $1 <= e { if (p) g = $1 - p > g ? $1 - p : g; p = $1 } END { printf "%.2f", g / 1e6 }' "$E2E_TMP/shown")
shows=$(grep -c '"n[0-9]*" is no point' "$E2E_TMP/shown")
kill "$pid"
echo "watch soak: $n rewrites of up to $n points in ${SECONDS_WRITTEN} s, $shows of them shown"
goal "last point shown after the writer stopped (s)" "$(awk -v a="$shown" -v b="$last" 'BEGIN { printf "%.2f", (a - b) / 1e6 }')" "<" 2
goal "longest time between shows while written (s)" "$gap" "<" 2.5
goal "resident memory, end / after 10 s" "$(ratio "$rss_end" "$rss10")" "<=" 1.05
echo "  resident memory after 10 s: $rss10 kB, at the end: $rss_end kB"
