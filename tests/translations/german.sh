#!/usr/bin/env bash
# The real program on Xvfb under LANG=de_DE.UTF-8, as on a German desktop: the
# menus answer their German access letters (Alt+S, N: "Neues Spiel"), the
# name prompt asks in German with "Niemand" pre-filled, and the profile keeps
# the same keys and values as in English: confirming "Niemand" stores
# "Nobody", a typed name is stored as typed.
# Usage: german.sh BRINDLEX
set -euo pipefail
program=$1

source "$(dirname "$0")/../lib/xsession.sh"

# The German locale of the C library as a German desktop has it generated;
# compiled here into the scratch folder, so that no system locale is needed.
mkdir -p "$work/locale"
localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" 2>"$work/localedef.log" ||
    fail "localedef: $(cat "$work/localedef.log")"
unset LANGUAGE LC_ALL LC_MESSAGES
export LOCPATH=$work/locale
export LANG=de_DE.UTF-8

cp "$program" "$work/brindlex"
profile=$work/Brindlex.ini
{
    echo "[HighScores]"
    for n in 1 2 3 4 5 6 7 8 9 10; do echo "Name$n=Nobody"; echo "Score$n=0"; echo "Jewels$n=0"; done
} >"$profile"
printf '#!/bin/sh\nexec "%s" 2>"%s"\n' "$work/brindlex" "$work/stderr" >"$work/run"
chmod +x "$work/run"

start_xvfb
export DISPLAY=$display QT_QPA_PLATFORM=xcb
open_game "$work/run"

menu() { # title-letter item-letter
    xdotool windowfocus --sync "$window"
    xdotool key "alt+$1"
    sleep 0.2
    xdotool key "$2"
}
# Plays a game from the German menu to the name prompt, with the points of
# the given Down presses.
play_to_prompt() { # down-presses
    menu s n
    sleep 0.2
    for _ in $(seq "$1"); do xdotool key Down; done
    sleep 0.2
    xdotool key Escape
    prompt=$(timeout 10 xdotool search --sync --onlyvisible --name '^Du bist Sieger!$' | head -n 1) ||
        true
    [ -n "$prompt" ] || fail "no German name prompt after Spiel > Neues Spiel and Esc"
    xdotool windowfocus --sync "$prompt"
}
wait_for() { # line
    for _ in $(seq 50); do grep -qx "$1" "$profile" && return 0; sleep 0.1; done
    fail "the profile does not hold $1: $(cat "$profile")"
}

play_to_prompt 3
xdotool key Return
wait_for 'Score1=3'
wait_for 'Name1=Nobody'

play_to_prompt 4
xdotool key ctrl+a
xdotool type --delay 20 "Jürgen"
xdotool key Return
wait_for 'Name1=Jürgen'
wait_for 'Score1=4'
wait_for 'Name2=Nobody'
wait_for 'Score2=3'
grep -q '^\[HighScores\]$' "$profile" || fail "the section is not HighScores: $(cat "$profile")"

menu o e
timeout 10 xdotool search --sync --onlyvisible --name '^Einstellungen$' >/dev/null ||
    fail "Optionen > Einstellungen did not show the settings window in German"

if grep -iE 'locale|encoding|utf-8' "$work/stderr"; then
    fail "the program warned about the locale"
fi
echo "german: German menus and prompt, the profile as in English"
