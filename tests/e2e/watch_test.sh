#!/usr/bin/env bash
# --watch follows the file: written in place, shown within half a second; a half-written file
# never shows; a file that goes keeps the chart (follow_test.sh: renames, links, no pauses).
# --graph N shows graph N (the window here shows graph 1).
source "$(dirname "$0")/lib.sh"

# --graph, without a display.
run --graph 1 "$EXAMPLE" --export "$E2E_TMP/g1.json"
[ "$STATUS" = 0 ] && grep -qF '"header":["Histogram of receiver A offsets (read, but only graph 0 is shown)"]' \
    "$E2E_TMP/g1.json" || fail "--graph 1: status $STATUS, or not graph 1's header"
for words in "-pipe" "$EXAMPLE --export $E2E_TMP/w.png"; do
    # shellcheck disable=SC2086
    run --watch $words </dev/null
    [ "$STATUS" = 1 ] && grep -q "verlo: --watch" "$E2E_TMP/stderr" || fail "--watch $words: status $STATUS"
done

# Sets 0 to n-1 of three points each in graph 1, shown with --graph 1: one colour per set in
# the window.
sets() {
    echo "@WITH G1"
    for ((s = 0; s < $1; s++)); do
        printf '@S%d\n1 %d\n2 %d\n3 %d\n&\n' "$s" $((s + 1)) $((s + 2)) $((s + 1))
    done
}
seen() { [ "$(pixels_like "$E2E_TMP/shot.png" "$1")" -gt 30 ]; }
has_colour() { shot shot && seen "$1"; }
BLUE='#0072B2' ORANGE='#E69F00' GREEN='#009E73'

start_x
sets 1 >"$E2E_TMP/w.dat"
open_window --watch --graph 1 "$E2E_TMP/w.dat"
has_colour "$BLUE" && ! has_colour "$ORANGE" || fail "the first read is not one set"

# Written in place a line at a time: no part (two sets of three, say) may show, the whole soon.
: >"$E2E_TMP/w.dat"
(sets 4 | while IFS= read -r line; do
    printf '%s\n' "$line" >>"$E2E_TMP/w.dat"
    sleep 0.03
done) & writer=$!
while kill -0 "$writer" 2>/dev/null; do
    shot shot
    if seen "$ORANGE" && ! seen "$GREEN"; then fail "a half-written file showed"; fi
done
sleep 0.5
has_colour "$GREEN" || fail "the file written in place did not show within half a second"

# A monitoring program that keeps the file open, writes a line every 0.3 s and closes it at
# the end: the new set shows whole once the file is closed, never as a legend without its
# line, and its note is said once.
sets 1 >"$E2E_TMP/w.dat" && sleep 1.2
grep -qF "w.dat: the file now holds 3 points of the graph, 9 fewer than before" "$E2E_TMP/stderr" ||
    fail "no note on the points the file lost"
(exec 3>>"$E2E_TMP/w.dat"
 for line in '@S1' '@legend string "second"' '1 3' '2 4' 'oops' '3 3' '&'; do
     printf '%s\n' "$line" >&3
     sleep 0.3
 done) & writer=$!
while kill -0 "$writer" 2>/dev/null; do
    shot shot
    shot plot 400x250+90+60
    # A legend's sample alone is about 25 such pixels, a line in the plot many more.
    if [ "$(pixels_like "$E2E_TMP/shot.png" "$ORANGE")" -gt 10 ] &&
        [ "$(pixels_like "$E2E_TMP/plot.png" "$ORANGE")" -lt 30 ]; then
        fail "a legend showed without its line"
    fi
done
sleep 0.5
has_colour "$ORANGE" || fail "the set written by a slow writer did not show once it closed"
# Sets more: what was said of the lines read before is not said again.
printf '@S2\n1 2\n&\n@S3\n1 2\n2 3\n3 2\n&\n' >>"$E2E_TMP/w.dat" && sleep 0.5
has_colour "$GREEN" || fail "the sets appended after the slow writer did not show"
[ "$(grep -c '"oops" is no point' "$E2E_TMP/stderr")" = 1 ] || fail "the note was not said once"

# Gone: the chart stays, and a note says why it no longer changes.
rm "$E2E_TMP/w.dat" && sleep 0.5
has_colour "$BLUE" || fail "the chart went with the file"
grep -qF "w.dat: gone: the chart shows what was read last" "$E2E_TMP/stderr" || fail "no note on the gone file"
sets 2 >"$E2E_TMP/w.dat" && sleep 0.5
has_colour "$ORANGE" || fail "the file that came back did not show"
close_window Return
echo "watch test passed"
