#!/usr/bin/env bash
# Takes the README's picture: the real window on the example, under a private X server.
# Usage: screenshot.sh VERLO EXAMPLE OUT.png
VERLO=$1
EXAMPLE=$2
OUT=$3
source "$(dirname "$0")/../e2e/lib.sh"
start_x
capture_window "$VERLO" "$EXAMPLE" "$OUT"
echo "wrote $OUT"
