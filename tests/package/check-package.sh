#!/usr/bin/env bash
# Checks the Debian package as a user would meet it: lintian finds no error, its files are
# where they belong, its metainfo is valid, its bash completion completes, and the installed
# program draws the example without a display.
# Usage: check-package.sh PACKAGE.deb EXAMPLE
source "$(dirname "$0")/../e2e/lib.sh"
DEB=$(realpath "$1")
EXAMPLE=$(realpath "$2")

lintian --tag-display-limit 0 "$DEB" >"$E2E_TMP/lintian" 2>&1 || true
! grep -q '^E:' "$E2E_TMP/lintian" || { cat "$E2E_TMP/lintian" >&2 && fail "lintian reports errors"; }

dpkg-deb --info "$DEB" >"$E2E_TMP/info"
grep -q '^ Depends:.*libqt6widgets6' "$E2E_TMP/info" || fail "no dependency on the Qt widgets library"
grep -q '^ Depends:.*libqcustomplot' "$E2E_TMP/info" || fail "no dependency on QCustomPlot"

ROOT=$E2E_TMP/root && dpkg -x "$DEB" "$ROOT"
for file in usr/bin/verlo usr/share/man/man1/verlo.1.gz usr/share/applications/verlo.desktop \
    usr/share/metainfo/example.verlo.verlo.metainfo.xml usr/share/bash-completion/completions/verlo \
    usr/share/icons/hicolor/scalable/apps/verlo.svg usr/share/icons/hicolor/32x32/apps/verlo.png \
    usr/share/icons/hicolor/48x48/apps/verlo.png usr/share/doc/verlo/copyright \
    usr/share/doc/verlo/README.md usr/share/doc/verlo/LICENSE; do
    [ -e "$ROOT/$file" ] || fail "the package lacks $file"
done
[ "$(identify -format '%wx%h' "$ROOT/usr/share/icons/hicolor/48x48/apps/verlo.png")" = 48x48 ] ||
    fail "the 48 px icon is not 48 px"
desktop-file-validate "$ROOT/usr/share/applications/verlo.desktop" || fail "desktop entry"
# validate-tree checks the metainfo as validate does, and that its desktop entry is there.
appstreamcli validate-tree --no-net "$ROOT" || fail "the metainfo has errors or warnings"
zcat "$ROOT/usr/share/man/man1/verlo.1.gz" | groff -ww -z -man 2>"$E2E_TMP/groff" ||
    fail "the man page does not render"
[ ! -s "$E2E_TMP/groff" ] || fail "the man page renders with warnings: $(cat "$E2E_TMP/groff")"

# What bash offers for the last word; bash-completion loads the package's file as it would
# from /usr/share (its user directory comes first).
completions() {
    BASH_COMPLETION_USER_DIR=$ROOT/usr/share/bash-completion bash -c '
        source /usr/share/bash-completion/bash_completion && __load_completion verlo &&
        COMP_WORDS=(verlo "$@") COMP_CWORD=$# COMP_LINE="verlo $*" && COMP_POINT=${#COMP_LINE} &&
        _verlo && echo "${COMPREPLY[*]}"' _ "$@"
}
[ "$(completions --form)" = --format ] || fail "completion of an option"
[ "$(completions --format '')" = "png svg pdf csv json" ] || fail "completion of --format"
[ "$(completions --graph '')" = "0 1 2 3 4 5 6 7 8 9" ] || fail "completion of --graph"
mkdir -p "$E2E_TMP/names/folder" && touch "$E2E_TMP/names/data.dat" "$E2E_TMP/names/chart.png"
[ "$(cd "$E2E_TMP/names" && completions --export '')" = "chart.png folder -" ] ||
    fail "completion after --export offers what is no export"

[ "$(env -u DISPLAY "$ROOT/usr/bin/verlo" --version)" = "Verlo 1.0.0" ] || fail "--version"
env -u DISPLAY "$ROOT/usr/bin/verlo" --export "$E2E_TMP/chart.png" "$EXAMPLE" 2>"$E2E_TMP/stderr" ||
    fail "the installed program could not export"
[ "$(identify -format '%wx%h' "$E2E_TMP/chart.png")" = 555x449 ] || fail "exported picture size"
echo "package check passed: $(basename "$DEB")"
