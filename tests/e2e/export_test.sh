#!/usr/bin/env bash
# --export writes what the window shows: the PNG equals the window's chart area and the JSON
# holds the example's graph 0. It needs no display.
source "$(dirname "$0")/lib.sh"

env -u DISPLAY "$VERLO" "$EXAMPLE" --export "$E2E_TMP/chart.png"
env -u DISPLAY "$VERLO" --export "$E2E_TMP/chart.json" -pipe <"$EXAMPLE"
[ "$(identify -format '%wx%h' "$E2E_TMP/chart.png")" = "555x449" ] || fail "PNG size"
env -u DISPLAY "$VERLO" "$EXAMPLE" --export "$E2E_TMP/big.png" --size 300x200 --scale 2
[ "$(identify -units PixelsPerInch -format '%wx%h %x' "$E2E_TMP/big.png")" = "600x400 192" ] ||
    fail "--size 300x200 --scale 2: not 600x400 pixels at 192 dpi"
# Vector files are as many points as the chart has pixels, the drawing filling the page.
env -u DISPLAY "$VERLO" "$EXAMPLE" --export "$E2E_TMP/c.svg" --size 300x200
grep -q '<svg width="105.833mm" height="70.5556mm"' "$E2E_TMP/c.svg" || fail "SVG not 300x200 points"
env -u DISPLAY "$VERLO" "$EXAMPLE" --export "$E2E_TMP/c.pdf" --size 300x200
python3 -c 'import re, sys, zlib
streams = re.findall(rb"stream\r?\n(.*?)endstream", open(sys.argv[1], "rb").read(), re.S)
sys.exit(not any(s[:1] == b"x" and b"1 0 0 -1 0 200 cm" in zlib.decompress(s) for s in streams))' \
    "$E2E_TMP/c.pdf" || fail "the PDF's drawing does not fill its page"
grep -q '"header":\["Clock differences against the reference, Q1 2026"\]' "$E2E_TMP/chart.json" ||
    fail "JSON header"
[ "$(grep -o '"title":"Receiver [ABC]' "$E2E_TMP/chart.json" | wc -l)" = 3 ] || fail "JSON series"

run "$EXAMPLE" --export "$E2E_TMP/missing/chart.png"
[ "$STATUS" = 3 ] || fail "an unwritable export ended with status $STATUS"

# Into a pipe: written in place, never replaced; a reader gone early is a failed export.
awk 'BEGIN { for (s = 0; s < 5; s++) { print "@S" s; for (k = 0; k < 1000; k++)
                printf "%.6f %d\n", 2460650.5 + k / 96, k; print "&" } }' >"$E2E_TMP/long.dat"
mkfifo "$E2E_TMP/p.csv"
cat "$E2E_TMP/p.csv" >"$E2E_TMP/read.csv" &
env -u DISPLAY "$VERLO" "$E2E_TMP/long.dat" --export "$E2E_TMP/p.csv" || fail "FIFO export: status $?"
wait
[ -p "$E2E_TMP/p.csv" ] || fail "the FIFO was replaced"
[ "$(wc -l <"$E2E_TMP/read.csv")" = 5001 ] || fail "the FIFO's reader got $(wc -l <"$E2E_TMP/read.csv") lines"
head -c 100 "$E2E_TMP/p.csv" >/dev/null &
run "$E2E_TMP/long.dat" --export "$E2E_TMP/p.csv"
[ "$STATUS" = 3 ] && grep -qF "cannot write '$E2E_TMP/p.csv': Broken pipe" "$E2E_TMP/stderr" ||
    fail "a reader gone early: status $STATUS"
# Standard output, the kind named by --format; the CSV holds the file's own numbers.
env -u DISPLAY "$VERLO" "$E2E_TMP/long.dat" --export - --format csv >"$E2E_TMP/out.csv"
[ "$(wc -l <"$E2E_TMP/out.csv")" = 5001 ] && sed -n 2p "$E2E_TMP/out.csv" | grep -qx \
    'Series 1,2460650.5,0,2024-12-06T00:00:00.000Z.' || fail "--export - --format csv: not the file's 5001 lines and x"

# --all: the whole of a signed series in view, where from 0 up its first hours are cut off.
blue_columns() { convert "$1" -fx '(b-r>0.2)' -scale 555x1! -threshold 0 -format '%[fx:round(mean*w)]' info:; }
printf '@S0\n2460650.5 -40\n2460651.5 25\n2460652.5 -3\n&\n' >"$E2E_TMP/signed.dat"
env -u DISPLAY "$VERLO" "$E2E_TMP/signed.dat" --export "$E2E_TMP/part.png"
env -u DISPLAY "$VERLO" "$E2E_TMP/signed.dat" --all --export "$E2E_TMP/all.png"
[ "$(blue_columns "$E2E_TMP/all.png")" -gt $(($(blue_columns "$E2E_TMP/part.png") + 100)) ] ||
    fail "--all does not show the whole line"

start_x
open_window "$EXAMPLE"
shot window-chart 555x449+11+11
close_window Return
# The window's fonts come from the X server's settings and may be hinted a hair differently,
# moving lines by a pixel; at a quarter of the size those shifts vanish, a different chart
# does not.
convert "$E2E_TMP/chart.png" -resize 25% "$E2E_TMP/chart-small.png"
convert "$E2E_TMP/window-chart.png" -resize 25% "$E2E_TMP/window-small.png"
differing=$(compare -metric AE -fuzz 15% "$E2E_TMP/chart-small.png" "$E2E_TMP/window-small.png" \
    null: 2>&1 || true)
[ "${differing%%.*}" -lt 40 ] || fail "export and window differ in $differing of 15568 pixels"
echo "export test passed ($differing pixels differ at a quarter of the size)"
