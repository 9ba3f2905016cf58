#!/usr/bin/env bash
# The language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG as in every
# desktop program, seen on --help, which needs no display: Qt's own words
# ("Usage:") and the game's both in the chosen language, and English, an
# English locale or a language the game does not ship print today's English.
# Usage: help.sh BRINDLEX
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
help() { env -i PATH="$PATH" "$@" "$program" --help; }

english=$(help LANG=C)
[ "$(printf '%s\n' "$english" | sed -n 2p)" = \
    "Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish." ] ||
    fail "LANG=C: $english"
for environment in LANG=C.UTF-8 LANG=en_US.UTF-8 LANG=en_GB.UTF-8 LANG=ja_JP.UTF-8 \
    "LANGUAGE=en:de LANG=de_DE.UTF-8" "LC_ALL=en_US.UTF-8 LANG=de_DE.UTF-8"; do
    # shellcheck disable=SC2086 # the variables, one by one
    [ "$(help $environment)" = "$english" ] || fail "$environment: not today's English: $(help $environment)"
done

# The environment, the usage line and the game's description that it gives.
while IFS='|' read -r environment usage description; do
    # shellcheck disable=SC2086
    out=$(help $environment)
    [[ "$out" == "$usage"* ]] || fail "$environment: the usage line is not '$usage': $out"
    [[ "$out" == *"$description"* ]] || fail "$environment: no '$description': $out"
done <<'CASES'
LANG=de_DE.UTF-8|Aufruf: brindlex|Brindlex, ein Puzzlespiel
LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8|Utilisation : brindlex|Brindlex, un jeu de réflexion
LC_ALL=ru_RU.UTF-8 LANG=de_DE.UTF-8|Использование: brindlex|Brindlex — головоломка
LANGUAGE=sv:de LANG=de_DE.UTF-8|Usage: brindlex|Brindlex, ett pusselspel
LANGUAGE=ja:pl LANG=ja_JP.UTF-8|Sposób użycia: brindlex|Brindlex, gra logiczna
LANG=pt_BR.UTF-8|Uso: brindlex|Brindlex, um jogo
CASES
echo "help: the language follows the locale variables"
