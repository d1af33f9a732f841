#!/usr/bin/env bash
# What a user trips over: the viewer says what its picture leaves out, in FILE:LINE form,
# and ends with a status a script can tell apart. Everything but the last part needs no
# display.
source "$(dirname "$0")/lib.sh"
says() { grep -qF -- "$1" "$E2E_TMP/stderr" || fail "stderr lacks: $1"; }

# Lines that are no points, points before any @S, a last set without "&", other graphs.
printf '@S0\n1 1\n\noops, instrument reset\n9,5 5\n2 2\n&\n@WITH G2\n@S0\n3 3\n&\n@WITH G0\n7 7\n' \
    >"$E2E_TMP/notes.dat"
run_ok "$E2E_TMP/notes.dat" --export "$E2E_TMP/notes.png"
! grep -q 'notes.dat:[12]:' "$E2E_TMP/stderr" || fail "notes on clean lines"
says "verlo: $E2E_TMP/notes.dat:4: \"oops, instrument reset\" is no point of two numbers: taken as (0, 0)"
says "verlo: $E2E_TMP/notes.dat:13: 1 point line from here on not counted"
printf '1 1\n2 2\n&\n' | "$VERLO" --pipe --export "$E2E_TMP/nosets.json" 2>"$E2E_TMP/stderr" ||
    fail "--pipe: status $?"
says 'verlo: -:1: 2 points of set 0 not shown: no "@S" line before them names the set'

# Values the picture cannot take as written, and text that must not reach a terminal raw.
printf '@S0\n2460650.8 4,5\n2460650.9 12.5ns 3\n2460651 nan\n2460651.1 1e400\n\033[2J\a\377 1\n2460651.2 2 3\n&\n' \
    >"$E2E_TMP/values.dat"
run --exprot "$E2E_TMP/values.dat" --export "$E2E_TMP/values.json"
says "verlo: unknown option '--exprot' (ignored)"
says 'values.dat:6: "\x1b[2J\a\xff 1" is no point of two numbers: taken as (0, 0)'
cp "$E2E_TMP/values.dat" "$E2E_TMP/$(printf 'red\033[31m.dat')"
run "$E2E_TMP/$(printf 'red\033[31m.dat')" --export "$E2E_TMP/values.json"
says 'red\x1b[31m.dat:2: y read as 4'
! grep -q "$(printf '\033')" "$E2E_TMP/stderr" || fail "an escape byte reached the terminal"
! grep -q 'values.dat:7:' "$E2E_TMP/stderr" || fail "a note on a clean third column"

# An input that cannot be had writes nothing and says so with a status of its own.
run "$E2E_TMP/nosuch.dat" --export "$E2E_TMP/nosuch.png"
[ "$STATUS" = 4 ] || fail "missing input: status $STATUS"
[ ! -e "$E2E_TMP/nosuch.png" ] || fail "missing input: a picture was written"
says "verlo: $E2E_TMP/nosuch.dat: cannot open: No such file or directory"
: >"$E2E_TMP/empty.dat"
run "$E2E_TMP/empty.dat" --export "$E2E_TMP/empty.png"
[ "$STATUS" = 0 ] && [ -s "$E2E_TMP/empty.png" ] || fail "an empty input is no error"

# No display: one line, a status of its own, never the toolkit's abort.
for display in "" :4095; do # unset, or one no server answers
    STATUS=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${display:+DISPLAY=$display} "$VERLO" "$EXAMPLE" 2>"$E2E_TMP/stderr" || STATUS=$?
    [ "$STATUS" = 5 ] || fail "no display (${display:-unset}): status $STATUS"
    [ "$(grep -vc XDG_RUNTIME_DIR "$E2E_TMP/stderr")" = 1 ] || fail "no display (${display:-unset}): more than one line"
    says "verlo: cannot open a display ("
done
STATUS=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$VERLO" 2>"$E2E_TMP/stderr" || STATUS=$?
[ "$STATUS" = 1 ] || fail "usage without a display: status $STATUS"
says "verlo: Please provide the filename or the --pipe option"

# The toolkit takes none of the user's words: the title stays, -platform is no option.
start_x
for words in "-qwindowtitle X" "-platform nonexist"; do
    # shellcheck disable=SC2086
    open_window $words "$EXAMPLE"
    close_window Return
done
echo "trust test passed"
