#!/usr/bin/env bash
# An open menu holds the game, as a player sees it on the real program in
# Xvfb: the trio stands still while the Game menu is held open for two
# seconds (four step intervals at the default speed), and falls on once the
# menu is closed.
# Usage: menu_hold.sh BRINDLEX PICTURES-DIR
set -euo pipefail
program=$1 pictures=$2

source "$(dirname "$0")/../lib/xsession.sh"

game_without_prompt "$program"

start_xvfb
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE

open_game "$work/brindlex"

shoot() { # file: the client area
    import -window root -crop "362x598+$origin_x+$origin_y" +repage "$work/$1"
}
cell() { # file c r
    convert "$work/$1" -format "%[pixel:p{$((($2 - 1) * 46 + 23)),$((($3 - 1) * 46 + 17))}]" info:
}
blank=$(convert "$pictures/blank.bmp" -format '%[pixel:p{23,17}]' info:)

# The trio three rows down in the rightmost column, clear of the menu.
xdotool key space
sleep 0.2
xdotool key Down Down Down Right Right
sleep 0.2
# The open menu is a window of its own beside the game window.
windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l; }
xdotool key alt+g
for _ in $(seq 50); do [ "$(windows)" = 2 ] && break; sleep 0.1; done
[ "$(windows)" = 2 ] || fail "alt+g did not open the Game menu"
sleep 0.2
shoot open.png
[ "$(cell open.png 6 3)" != "$blank" ] || fail "the trio is not in column 6 under row 3"

sleep 2
shoot held.png
changed=$(compare -metric AE "$work/open.png" "$work/held.png" null: 2>&1 || true)
[ "$changed" = 0 ] || fail "the well changed while the menu was open ($changed pixels)"

# Closed, the menu lets the trio go on: a step at once, as the delay ran out
# long ago, then one every 500 ms.
xdotool key Escape Escape
moved=
for _ in $(seq 30); do
    shoot closed.png
    if [ "$(windows)" = 1 ] && ! compare -metric AE "$work/held.png" "$work/closed.png" null: >/dev/null 2>&1; then
        moved=1
        break
    fi
    sleep 0.1
done
[ -n "$moved" ] || fail "the trio did not move on after the menu closed"

echo "e2e: the open menu held the game"
