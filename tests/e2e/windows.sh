#!/usr/bin/env bash
# The secondary windows under a real window manager (openbox on Xvfb), as
# the X server holds them: the high-scores window is a top-level window of
# its own (not transient for the game window, out of the taskbar, without an
# icon) that goes under the game window when the player clicks the game; the
# settings window is a tool window that stays on top.
# Usage: windows.sh BRINDLEX
set -euo pipefail
program=$1

source "$(dirname "$0")/../lib/xsession.sh"

cp "$program" "$work/brindlex"
start_xvfb
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE
mkdir "$work/home"
HOME=$work/home XDG_CONFIG_HOME=$work/home openbox --sm-disable 2>"$work/openbox.err" &
app_pid=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#' && break; sleep 0.1; done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q '#' || fail "openbox did not start: $(cat "$work/openbox.err")"
wm_pid=$app_pid

open_game "$work/brindlex"
app_pid="$wm_pid $app_pid"
game=$window

shown() { # TITLE: the window's id once it is shown
    timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}
# Whether window A lies above window B, bottom to top as the manager stacks them.
above() {
    local stacking a b
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g')
    a=$(printf '0x%x' "$1") b=$(printf '0x%x' "$2")
    local order=0 at_a=-1 at_b=-1
    for id in $stacking; do
        [ "$((id))" = "$((a))" ] && at_a=$order
        [ "$((id))" = "$((b))" ] && at_b=$order
        order=$((order + 1))
    done
    [ "$at_a" -ge 0 ] && [ "$at_b" -ge 0 ] || fail "not both stacked: $1 $2 in $stacking"
    [ "$at_a" -gt "$at_b" ]
}
click_game() {
    xdotool mousemove --window "$game" 100 300 click 1
    sleep 0.5
}

xdotool key alt+g h
scores=$(shown 'High Scores') || true
[ -n "$scores" ] || fail "Game > High scores showed no window"
props=$(xprop -id "$scores" WM_TRANSIENT_FOR _NET_WM_STATE _NET_WM_WINDOW_TYPE)
grep -q 'WM_TRANSIENT_FOR:  not found' <<<"$props" || fail "the high-scores window is transient: $props"
grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<<"$props" || fail "the high-scores window is in the taskbar: $props"
# Openbox gives a window without an icon its own default one; the jewel is
# the game window's alone.
[ "$(xprop -id "$scores" _NET_WM_ICON)" != "$(xprop -id "$game" _NET_WM_ICON)" ] ||
    fail "the high-scores window has the game's icon"
grep -q '_NET_WM_STATE_ABOVE' <<<"$props" && fail "the high-scores window stays on top: $props"
above "$scores" "$game" || fail "the high-scores window did not come to the front"
click_game
above "$game" "$scores" || fail "the game window stays under the high-scores window"

xdotool key alt+o s
settings=$(shown 'Settings') || true
[ -n "$settings" ] || fail "Options > Settings showed no window"
props=$(xprop -id "$settings" _NET_WM_STATE _NET_WM_WINDOW_TYPE)
grep -q '_NET_WM_STATE_ABOVE' <<<"$props" || fail "the settings window does not stay on top: $props"
grep -q '_NET_WM_WINDOW_TYPE_UTILITY' <<<"$props" || fail "the settings window is no tool window: $props"
click_game
above "$settings" "$game" || fail "the settings window went under the game window"

# Hidden and shown again, the high-scores window is still kept out of the taskbar.
xdotool key alt+g h alt+g h
scores=$(shown 'High Scores') || true
[ -n "$scores" ] || fail "the high-scores window did not come back"
sleep 0.3
xprop -id "$scores" _NET_WM_STATE | grep -q '_NET_WM_STATE_SKIP_TASKBAR' ||
    fail "shown again, the high-scores window is in the taskbar"

echo "e2e: the high-scores window stands on its own; the settings window stays on top"
