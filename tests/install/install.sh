#!/usr/bin/env bash
# cmake --install into a temporary prefix: every file in its place, the menu
# entry and the AppStream description valid, the manual pages clean, and the
# installed game played by an ordinary player (play_as_user.sh).
# Usage: install.sh BUILD-DIR SEND-CLOSE
set -euo pipefail
build=$1 send_close=$2
here=$(dirname "$(readlink -f "$0")")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
chmod 0755 "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "$(cat "$work/install.log")"

id=io.github.brindlex.Brindlex
expected=(
    bin/brindlex-ini
    games/brindlex
    share/applications/$id.desktop
    share/man/man1/brindlex-ini.1
    share/man/man6/brindlex.6
    share/metainfo/$id.metainfo.xml
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
    fail "the installed files differ from the list (< expected, > installed)"
[ -x "$prefix/games/brindlex" ] && [ -x "$prefix/bin/brindlex-ini" ] || fail "programs not executable"
for size in 16 24 32 48 64 128 256; do
    identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" |
        grep -qx "${size}x$size" || fail "the ${size}x$size icon has another size"
done

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx "Exec=$prefix/games/brindlex" "$desktop" || fail "Exec is not the installed game: $(grep Exec "$desktop")"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for language in $(grep -v '^#' "$here/../../po/LINGUAS"); do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=" "$desktop" || fail "the menu entry has no $key[$language]"
    done
    for element in summary p caption; do
        grep -q "<$element xml:lang=\"$language\">" "$metainfo" ||
            fail "the metainfo has no $element in $language"
    done
done
for page in man1/brindlex-ini.1 man6/brindlex.6; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/$page" 2>"$work/man.err" >/dev/null
    [ ! -s "$work/man.err" ] || fail "$page: $(cat "$work/man.err")"
done

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
"$here/play_as_user.sh" "$exec_line" "$send_close" "$prefix/bin/brindlex-ini"
echo "install: every file in place and the installed game plays"
