# shellcheck shell=bash
# Shared by the benchmark scripts: sums of runs and goals. Source it.

# Reads runs (label, then numbers, tab-separated) and prints one line a label: the median of
# each number but the last, and the largest of the last.
summarise() { awk -f "$(dirname "${BASH_SOURCE[0]}")/summarise.awk" "$@"; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

difference() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a - b }'; }

# Prints one goal: what is measured, its value, the goal, and whether the value meets it.
# Usage: goal WHAT VALUE OPERATOR LIMIT, the operator being "<" or "<=".
goal() {
    awk -v what="$1" -v value="$2" -v op="$3" -v limit="$4" 'BEGIN {
        met = op == "<" ? value + 0 < limit + 0 : value + 0 <= limit + 0
        printf "  %-44s %7s   goal %-2s %-5s  %s\n", what, value, op, limit, met ? "met" : "MISSED"
    }'
}

# Runs the caller's run_once for each label in turn, WARMUP rounds and then RUNS counted ones,
# so that drift on a busy machine falls on all alike; appends the counted lines to FILE.
# Usage: alternate FILE LABEL...
alternate() {
    local file=$1 i label line
    shift
    for ((i = 0; i < WARMUP + RUNS; i++)); do
        for label in "$@"; do
            line=$(run_once "$label")
            ((i < WARMUP)) || echo "$line" >>"$file"
        done
    done
}
