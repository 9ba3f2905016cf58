#!/usr/bin/env bash
# A game waits for a player who leaves it, on the real program in Xvfb under a
# window manager (openbox): another program's window taking the keyboard
# pauses it, and it stays paused after the return until Pause; minimising
# pauses it; the game's own settings window does not.
# Usage: leave.sh BRINDLEX PICTURES-DIR
set -euo pipefail
program=$1 pictures=$2

source "$(dirname "$0")/../lib/xsession.sh"

game_without_prompt "$program"

start_xvfb
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
app_pid=$wm_pid
# Up once it has named itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not start"

open_game "$work/brindlex"
app_pid="$app_pid $wm_pid"
game=$window
# Under a window manager the window stands in a frame: where its client area
# lies on the screen, the X server tells.
eval "$(xwininfo -id "$game" | awk '/Absolute upper-left X/ { print "origin_x=" $NF }
    /Absolute upper-left Y/ { y = $NF } / Height:/ { h = $NF } END { print "origin_y=" y + h - 598 }')"

shoot() { # file: the client area
    import -window root -crop "362x598+$origin_x+$origin_y" +repage "$work/$1"
}
cell() { # file c r
    convert "$work/$1" -format "%[pixel:p{$((($2 - 1) * 46 + 23)),$((($3 - 1) * 46 + 17))}]" info:
}
jewel() { convert "$pictures/jewel$1.bmp" -format '%[pixel:p{23,17}]' info:; }
# The pause picture covers the well with one kind of jewel a row: row 1 kind 2.
paused() { # file
    [ "$(cell "$1" 1 1)" = "$(jewel 2)" ] && [ "$(cell "$1" 6 2)" = "$(jewel 3)" ]
}
same() { compare -metric AE "$work/$1" "$work/$2" null: >/dev/null 2>&1; }
active() { xdotool getactivewindow 2>/dev/null || true; }
activate() { # window
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    for _ in $(seq 50); do [ "$(active)" = "$1" ] && return; sleep 0.1; done
    fail "window $1 did not become active (active: $(active); $(xdotool getwindowname "$(active)" 2>/dev/null))"
}

xdotool key space
sleep 0.3

# The game's own settings window takes the keyboard: the trio falls on.
xdotool key alt+o s
settings=
for _ in $(seq 50); do
    settings=$(xdotool search --onlyvisible --pid "${app_pid%% *}" --name '^Settings$' 2>/dev/null | head -n 1 || true)
    [ -n "$settings" ] && [ "$(active)" = "$settings" ] && break
    sleep 0.1
done
[ -n "$settings" ] || fail "the settings window did not open"
shoot settings1.png
sleep 1.2
shoot settings2.png
paused settings2.png && fail "the settings window paused the game"
same settings1.png settings2.png && fail "the trio stood still while the settings window was active"
activate "$game"

# Another program takes the keyboard: the game pauses, and waits.
xmessage -name other -geometry +0+0 "Another program" &
other_pid=$!
app_pid="$app_pid $other_pid"
other=$(timeout 10 xdotool search --sync --onlyvisible --classname "^other\$" | head -n 1)
activate "$other"
sleep 0.5
shoot away1.png
paused away1.png || fail "the game did not pause when another program became active"
sleep 1
shoot away2.png
same away1.png away2.png || fail "the well changed while the player was away"

activate "$game"
sleep 1
shoot back.png
paused back.png || fail "the game resumed by itself when the player came back"
xdotool key Pause
sleep 0.3
shoot resumed.png
paused resumed.png && fail "Pause did not resume the game"

# Minimised, it pauses too.
xdotool windowminimize --sync "$game"
sleep 0.5
activate "$game"
sleep 0.3
shoot restored.png
paused restored.png || fail "the game did not pause when minimised"

xdotool key Pause Escape
echo "e2e: the game waited for the player who left it"
