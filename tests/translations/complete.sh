#!/usr/bin/env bash
# Every translation finished, none left over. The translators' files are
# refreshed from the code and the menu entry as scripts/update-translations
# does, into a scratch folder; then no language may have a text without its
# translation (a new text, or one whose English changed) nor one the program
# no longer has. Each failure names the language and the text.
# Usage: complete.sh SOURCE-DIR
set -euo pipefail
source=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
qt_bin=$(qtpaths6 --query QT_INSTALL_BINS)

"$source/scripts/update-translations" --into "$work"

# Prints "KIND: TEXT (CONTEXT)" for each entry msgattrib selects from a .po file.
entries() { # kind po msgattrib-options...
    local kind=$1 po=$2
    shift 2
    msgattrib "$@" --no-wrap "$po" | sed 's/^#~ //' | awk -v kind="$kind" '
        /^msgctxt / { context = substr($0, 10, length($0) - 10); sub(/\|$/, "", context) }
        /^msgid / {
            text = substr($0, 7)
            if (text != "\"\"") print kind ": " text (context == "" ? "" : " (" context ")")
            context = ""
        }'
}

problems=$work/problems
: >"$problems"
for language in $(grep -v '^#' "$source/po/LINGUAS"); do
    "$qt_bin/lconvert" -i "$work/brindlex_$language.ts" -o "$work/qt-$language.po"
    for po in "$work/qt-$language.po" "$work/$language.po"; do
        {
            entries "no translation" "$po" --untranslated --no-obsolete
            entries "translation to check" "$po" --only-fuzzy --no-obsolete
            entries "no longer in the program" "$po" --only-obsolete
        } | sed "s/^/$language: /" >>"$problems"
    done
done
if [ -s "$problems" ]; then
    cat "$problems" >&2
    echo "FAIL: translations are incomplete; translate the texts above (README, Translating)" >&2
    exit 1
fi
echo "translations: every language has every text, and only those"
