#!/usr/bin/env bash
# The keypad on X11, as the Wayland session tests it: on the real program in
# Xvfb, keypad 4 and 6 move the trio and keypad 8 and 5 rotate it, with Num
# Lock off (as the server starts) and on; the Up arrow does nothing. The keys
# go by keycode: xdotool given a keypad keysym presses Num Lock itself to
# reach it, and leaves it as it likes.
# Usage: keypad_x11.sh BRINDLEX PICTURES-DIR
set -euo pipefail
program=$1 pictures=$2

source "$(dirname "$0")/../lib/xsession.sh"

# The slowest speed gives the checks the trio's whole fall.
game_without_prompt "$program"
printf '%s\n' "[Settings]" "Speed=1" >>"$work/Brindlex.ini"

start_xvfb
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE
open_game "$work/brindlex"

shoot() { # x y width height file
    import -window root -crop "$3x$4+$1+$2" +repage "$5"
}
source "$(dirname "$0")/../lib/trio.sh"
drop() { # n
    for _ in $(seq "$1"); do xdotool key Down; done
}

xdotool key space
first_trio drop

keypad4=83 keypad5=84 keypad6=85 keypad8=80 up=111 numlock=77
act() { # keycode expected-column expected-trio what
    xdotool key "$1"
    expect_trio "$2" "$3" "$4"
    trio=$3
}
xdotool key "$up"
sleep 0.5
expect_trio 4 "$trio" "the Up arrow does nothing"
for state in off on; do
    act "$keypad4" 3 "$trio" "keypad 4 (Num Lock $state) moves the trio left"
    act "$keypad6" 4 "$trio" "keypad 6 (Num Lock $state) moves the trio right"
    act "$keypad8" 4 "$(up "$trio")" "keypad 8 (Num Lock $state) rotates the trio up"
    act "$keypad5" 4 "$(down "$trio")" "keypad 5 (Num Lock $state) rotates the trio down"
    xdotool key "$numlock"
done

echo "e2e: the keypad played with Num Lock off and on"
