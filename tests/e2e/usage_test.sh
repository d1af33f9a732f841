#!/usr/bin/env bash
# Without a data source: the usage box (captioned with the program's name), no main window,
# and status 1 once the box is dismissed.
VERLO=$1
source "$(dirname "$0")/lib.sh"

# Help and version need no display and end with 0.
help=$(env -u DISPLAY "$VERLO" -h) || fail "-h status"
[ "${help%%$'\n'*}" = "Usage: verlo FILE" ] || fail "-h"
grep -q "^  5  a window was asked for" <<<"$help" || fail "--help"
[ "$(env -u DISPLAY "$VERLO" --version)" = "Verlo 1.0.0" ] || fail "--version"
start_x

"$VERLO" 2>"$E2E_TMP/stderr" &
pid=$!
id=$(wait_window "$(basename "$VERLO")") || fail "no usage box"
has_window "Differences Graph" && fail "the main window showed with the usage box"
press "$id" Return
wait_exit "$pid"
[ "$STATUS" = 1 ] || fail "usage ended with status $STATUS"
grep -q "Please provide the filename or the --pipe option" "$E2E_TMP/stderr" ||
    fail "usage line missing on stderr"
has_window "Differences Graph" && fail "the main window showed after the usage box"
echo "usage test passed"
