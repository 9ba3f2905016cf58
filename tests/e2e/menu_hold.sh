#!/usr/bin/env bash
# The menu bar in use holds the game, as a player sees it on the real program
# in Xvfb: the trio stands still while the Game menu is held open for two
# seconds (four step intervals at the default speed); after Esc the bar keeps
# the keyboard with its title highlighted, Left goes to the bar and the game
# stays held until a second Esc; a lone Alt holds it the same way until a
# click in the well; Alt+O still opens the Options menu. Each time the trio
# falls on once the bar is left.
# Usage: menu_hold.sh BRINDLEX PICTURES-DIR
set -euo pipefail
program=$1 pictures=$2

source "$(dirname "$0")/../lib/xsession.sh"

game_without_prompt "$program"

start_xvfb
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE

open_game "$work/brindlex"
bar_top=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^Y=//p')

shoot() { # file: the client area
    import -window root -crop "362x598+$origin_x+$origin_y" +repage "$work/$1"
}
cell() { # file c r
    convert "$work/$1" -format "%[pixel:p{$((($2 - 1) * 46 + 23)),$((($3 - 1) * 46 + 17))}]" info:
}
blank=$(convert "$pictures/blank.bmp" -format '%[pixel:p{23,17}]' info:)

bar() { # file: the menu bar above the client area
    import -window root -crop "362x$((origin_y - bar_top))+$origin_x+$bar_top" +repage "$work/$1"
}
bar plain.png

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

same() { compare -metric AE "$work/$1" "$work/$2" null: >/dev/null 2>&1; }
# Held: nothing in the well changes over 1.2 s (more than two steps), keys
# or not.
expect_held() { # what
    shoot held-a.png
    xdotool key Left
    sleep 1.2
    shoot held-b.png
    same held-a.png held-b.png || fail "$1: the game went on"
}
# Left: the trio moves on within three seconds, and the title is plain again.
expect_going() { # what
    local moved=
    shoot before.png
    for _ in $(seq 30); do
        shoot after.png
        if [ "$(windows)" = 1 ] && ! same before.png after.png; then moved=1; break; fi
        sleep 0.1
    done
    [ -n "$moved" ] || fail "$1: the trio did not move on"
    bar now.png
    same plain.png now.png || fail "$1: the menu bar still shows a highlighted title"
}
highlighted() { # what
    bar now.png
    same plain.png now.png && fail "$1: no menu title is highlighted"
    return 0
}

# Esc closes the menu; the bar keeps the keyboard, shows it, and holds the game.
xdotool key Escape
for _ in $(seq 30); do [ "$(windows)" = 1 ] && break; sleep 0.1; done
[ "$(windows)" = 1 ] || fail "Esc did not close the Game menu"
highlighted "after Esc"
expect_held "after Esc, with the bar holding the keyboard"
xdotool key Escape
expect_going "after the second Esc"

# A lone Alt: the same, until a click in the well.
xdotool key alt
sleep 0.2
highlighted "after a lone Alt"
expect_held "after a lone Alt"
xdotool mousemove --window "$window" 100 300 click 1
expect_going "after a click in the well"

# Alt+O still opens the Options menu.
xdotool key alt+o
for _ in $(seq 50); do [ "$(windows)" = 2 ] && break; sleep 0.1; done
[ "$(windows)" = 2 ] || fail "alt+o did not open the Options menu"
xdotool key Escape Escape
expect_going "after the Options menu"

echo "e2e: the menu bar in use held the game"
