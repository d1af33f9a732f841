#!/usr/bin/env bash
# The tables and exports as scripts meet them: every row one series whatever its title holds,
# a reader that leaves early is no error, an export never replaces its input, no toolkit
# chatter, --x-range ends that match the file's own epochs. No display needed.
source "$(dirname "$0")/lib.sh"
set -o pipefail

# A year's worth of 15-minute epochs as six-decimal Julian Dates, and titles with a tab and
# with an unclosed quote (whose line feed the title keeps).
awk 'BEGIN {
    printf "@S0\n@legend string \"rx1\tUTC(lab)\"\n"
    for (i = 0; i < 35040; i++) printf "%.6f %d\n", 2460676.5 + i / 96, i % 7
    printf "&\n@S1\n@legend string \"rx2 - UTC(lab)\n"
    for (i = 0; i < 4; i++) printf "%.6f %d\n", 2460676.5 + i / 96, i
    printf "&\n"
}' >"$E2E_TMP/year.dat"
year() { "$VERLO" --max-points 40000 "$E2E_TMP/year.dat" "$@" 2>"$E2E_TMP/stderr"; }

year --stats >"$E2E_TMP/stats.tsv" || fail "--stats: status $?"
[ "$(wc -l <"$E2E_TMP/stats.tsv")" = 3 ] || fail "--stats: not one row a series"
[ "$(cut -f1 "$E2E_TMP/stats.tsv" | tail -n 2 | tr '\n' '|')" = 'rx1\tUTC(lab)|rx2 - UTC(lab)\n|' ] ||
    fail "--stats: titles not escaped"
[ "$(awk -F'\t' '{ print NF }' "$E2E_TMP/stats.tsv" | sort -u)" = 15 ] || fail "--stats: columns"

# 08:00:00 and 01:00:00 as the file writes them are 07:59:59.971 and 01:00:00.029.
n=$(year --stats --x-range 2025-07-28T08:00:00Z:2025-08-04T01:00:00Z | awk -F'\t' 'NR == 2 { print $2 }')
[ "$n" = 645 ] || fail "--x-range with exact epochs: $n points, not 645"

# head takes one line and leaves: no message, and the pipeline succeeds.
for words in "--export - --format csv" "--stability --y-unit ns --taus all"; do
    # shellcheck disable=SC2086
    first=$(year $words | head -n 1) || fail "$words | head: the pipeline failed"
    [ -n "$first" ] && [ ! -s "$E2E_TMP/stderr" ] || fail "$words | head: $(cat "$E2E_TMP/stderr")"
done

# A standard output that cannot take the table is a failure, with the system's reason.
year --export - --format csv >/dev/full && fail "an export to a full device: status 0"
grep -q "cannot write to standard output: No space left on device" "$E2E_TMP/stderr" ||
    fail "an export to a full device: $(cat "$E2E_TMP/stderr")"

# The input named as the export is refused and stays as it was.
cp "$E2E_TMP/year.dat" "$E2E_TMP/copy.dat" && ln -s copy.dat "$E2E_TMP/link.dat"
run "$E2E_TMP/copy.dat" --export "$E2E_TMP/link.dat" --format csv
[ "$STATUS" = 1 ] || fail "an export onto its input: status $STATUS"
grep -q "is the data file itself" "$E2E_TMP/stderr" || fail "an export onto its input: no reason"
cmp -s "$E2E_TMP/year.dat" "$E2E_TMP/copy.dat" || fail "an export onto its input changed it"

# Cron, CI and root shells have no XDG_RUNTIME_DIR: the export says nothing all the same.
for kind in png svg pdf csv json; do
    env -u DISPLAY -u XDG_RUNTIME_DIR "$VERLO" "$E2E_TMP/year.dat" --max-points 40000 \
        --export "$E2E_TMP/out.$kind" 2>"$E2E_TMP/stderr" || fail "$kind export: status $?"
    [ ! -s "$E2E_TMP/stderr" ] || fail "$kind export said: $(cat "$E2E_TMP/stderr")"
done
echo "tables test passed"
