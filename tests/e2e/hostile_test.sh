#!/usr/bin/env bash
# Inputs meant to hurt: the viewer must neither crash nor grow without bound, and must say
# what it could not read. All through --export, which needs no display.
source "$(dirname "$0")/lib.sh"

# 2 GB of NUL bytes (a sparse file): two million pieces of 1023 bytes, none a number.
truncate -s 2G "$E2E_TMP/big.dat"
run --export "$E2E_TMP/out.json" "$E2E_TMP/big.dat" && [ "$STATUS" = 0 ] || fail "2 GB file: status $STATUS"
grep -q '"series":\[\]' "$E2E_TMP/out.json" || fail "2 GB file: series appeared"
grep -q "dropped 2098203 point lines" "$E2E_TMP/stderr" || fail "2 GB file: drops not reported"

# One line of 100 MB of digits: 97752 pieces of up to 1023 digits, each a number too large
# for a double; the first 1000 are stored as infinite x, which is no date, so none is drawn.
{ echo "@S0"; head -c 100000000 /dev/zero | tr '\0' '7'; printf '\n&\n'; } >"$E2E_TMP/line.dat"
run --export "$E2E_TMP/out.json" "$E2E_TMP/line.dat" && [ "$STATUS" = 0 ] || fail "100 MB line: status $STATUS"
grep -q "dropped 96752 point lines" "$E2E_TMP/stderr" || fail "100 MB line: drops not reported"
grep -q '"series":\[{"title":"","pointsVisible":true,"points":\[\]}\]' "$E2E_TMP/out.json" ||
    fail "100 MB line: the series"

# A directory: no export, a status of its own.
run --export "$E2E_TMP/out.json" "$E2E_TMP"
[ "$STATUS" = 4 ] || fail "directory: status $STATUS"
grep -q "$E2E_TMP: cannot read: Is a directory" "$E2E_TMP/stderr" || fail "directory: no report"

# A FIFO whose writer comes late.
mkfifo "$E2E_TMP/fifo"
(sleep 0.5 && cat "$EXAMPLE" >"$E2E_TMP/fifo") &
run --export "$E2E_TMP/out.json" "$E2E_TMP/fifo" && [ "$STATUS" = 0 ] || fail "FIFO: status $STATUS"
grep -q '"title":"Receiver C (field)"' "$E2E_TMP/out.json" || fail "FIFO: data missing"

# Endless zeros and noise through -pipe: memory must stay flat while the viewer reads.
for source in /dev/zero /dev/urandom; do
    env -u DISPLAY "$VERLO" -pipe --export "$E2E_TMP/out.json" <"$source" 2>/dev/null & pid=$!
    sleep 1 && early=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
    sleep 2 && late=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
    kill "$pid" && wait "$pid" 2>/dev/null || true
    [ -n "$early" ] && [ -n "$late" ] || fail "$source: the viewer ended early"
    [ $((late - early)) -lt 4096 ] || fail "$source: memory grew from $early kB to $late kB"
done
echo "hostile input test passed"
