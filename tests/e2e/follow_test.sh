#!/usr/bin/env bash
# --watch shows a change near the top of a file copied in place, a link's target rewritten or
# replaced, a link led elsewhere, a file rewritten without a pause, a file without inotify;
# Save as writes what the window shows.
source "$(dirname "$0")/lib.sh"

# A set of n points whose second line is a word, named by its note: one note for each text shown.
data() { printf '@S0\n1 1\n%s\n' "$1" && seq 3 "$2" | awk '{ print $1, $1 % 7 } END { print "&" }'; }
shown() { grep -cE "\"$1\" is no point" "$E2E_TMP/stderr" || true; }
watch() {
    # The last window must be gone, or the search below can meet it on its way out.
    [ -z "${pid:-}" ] || { kill "$pid" && wait "$pid" 2>/dev/null || true; }
    "$@" --watch "$file" 2>"$E2E_TMP/stderr" & pid=$!
    { wait_window "Differences Graph" >/dev/null && sleep 0.3; } || fail "no window"
}
# Runs the command, then the word must have shown once within WAIT seconds.
step() { bash -c "$3" - "$E2E_TMP" && sleep "${WAIT:-1}" && [ "$(shown "$1")" = 1 ] || fail "$2"; }
export -f data
start_x

file=$E2E_TMP/big.dat && data oops 25000 >"$file" && data oopz 25000 >"$E2E_TMP/new.dat"
watch "$VERLO"
step oopz "a file of 200 KB changed near its top, copied in place, did not show" 'cp "$1/new.dat" "$1/big.dat"'

mkdir "$E2E_TMP/real" && data one 5 >"$E2E_TMP/real/t.dat"
file=$E2E_TMP/link.dat && ln -s real/t.dat "$file"
watch "$VERLO"
step two "the link's target written in place did not show" 'data two 5 >"$1/real/t.dat"'
step three "a new target renamed into place did not show" 'data three 5 >"$1/t" && mv "$1/t" "$1/real/t.dat"'
step four "the link led elsewhere did not show" 'data four 5 >"$1/real/u.dat" && ln -s real/u.dat "$1/l" && mv -T "$1/l" "$1/link.dat"'
step five "the link's new target written in place did not show" 'data five 5 >"$1/real/u.dat"'

file=$E2E_TMP/fast.dat && data start 30 >"$file"
watch "$VERLO"
n=0 stop=$(($(date +%s%N) + 8000000000))
while [ "$(date +%s%N)" -lt "$stop" ]; do data "w$((++n))" 30 >"$file" && sleep 0.05; done
[ "$(shown 'w[0-9]+')" -ge 3 ] || fail "a file rewritten every 0.05 s showed $(shown 'w[0-9]+') times in 8 s"

# Save as while a read waits for a set's "&" in graph 1, the one shown: the CSV is what shows.
file=$E2E_TMP/held.dat && data one 3 | sed 1i@WITH\ G1 >"$file"
watch "$VERLO" --graph 1
printf '@S1\n5 5\n&\n@S2\n1 2\n' >>"$file" && sleep 0.6 && press "$(wait_window "Differences Graph")" ctrl+s
dialog=$(wait_window "Save Chart As" 5) || fail "no Save as dialog"
xdotool windowfocus --sync "$dialog" key ctrl+a type "$E2E_TMP/out.csv" && press "$dialog" Return && sleep 0.5
[ -s "$E2E_TMP/out.csv" ] && ! grep -q "^Series 2" "$E2E_TMP/out.csv" || fail "Save as wrote a read the window held back"

# The user's limit of inotify instances, in a user namespace of its own, set to 0.
unshare --user true 2>/dev/null || { echo "no user namespaces: no try without a watch"; exit 0; }
file=$E2E_TMP/polled.dat && data first 5 >"$file"
watch unshare --user --map-root-user sh -c 'echo 0 >/proc/sys/user/max_inotify_instances && exec "$0" "$@"' "$VERLO"
[ "$(grep -c "inotify_init1: Too many open files" "$E2E_TMP/stderr")" = 1 ] || fail "no note, or two, on the missing watch"
WAIT=1.5 step second "a file looked at every second did not show within 1.5 s" 'data second 5 >"$1/polled.dat"'
kill "$pid"
echo "follow test passed"
