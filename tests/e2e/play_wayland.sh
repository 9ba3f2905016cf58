#!/usr/bin/env bash
# Plays the real program natively on Wayland, on a headless sway, the way a
# player would: it starts without a warning under the menu entry's app id;
# Space starts a game; the arrows, Ctrl, Shift and the keypad with Num Lock
# off and on move and rotate the trio (the Up arrow does nothing); an open
# menu holds the game; Esc held as the game ends leaves the name prompt open
# with its name selected; the typed name is saved; Game > Exit ends the
# program.
# Usage: play_wayland.sh BRINDLEX WL-KEYBOARD PICTURES-DIR
set -euo pipefail
program=$1 keyboard_program=$2 pictures=$3

source "$(dirname "$0")/../lib/wlsession.sh"

# The program keeps its profile beside itself: a folder of its own. The
# slowest speed gives the checks of one trio its whole fall.
mkdir "$work/game"
cp "$program" "$work/game/brindlex"
profile=$work/game/Brindlex.ini
{
    echo "[Settings]"
    echo "Speed=1"
    echo "[HighScores]"
    for n in 1 2 3 4 5 6 7 8 9 10; do echo "Name$n=Nobody"; echo "Score$n=0"; echo "Jewels$n=0"; done
} >"$profile"
session_folder "$work/game"

start_sway
start_keyboard "$keyboard_program"
open_game "$work/game/brindlex"
[ "$window_width" = 362 ] && [ "$window_height" -gt 598 ] ||
    fail "the window is $window_width x $window_height, not 362 wide with 598 under the menu bar"

source "$(dirname "$0")/../lib/trio.sh"
drop() { # n
    for _ in $(seq "$1"); do keys tap DOWN; done
}

# Space starts a game.
keys tap SPCE
first_trio drop

# Each key as it acts, Num Lock off (as the keyboard starts) and then on.
act() { # key expected-column expected-trio what
    keys tap "$1"
    expect_trio "$2" "$3" "$4"
    trio=$3
}
act LEFT 3 "$trio" "Left moves the trio left"
act RGHT 4 "$trio" "Right moves the trio right"
keys tap UP
sleep 0.5
expect_trio 4 "$trio" "the Up arrow does nothing"
for numlock in off on; do
    act KP4 3 "$trio" "keypad 4 (Num Lock $numlock) moves the trio left"
    act KP6 4 "$trio" "keypad 6 (Num Lock $numlock) moves the trio right"
    act KP8 4 "$(up "$trio")" "keypad 8 (Num Lock $numlock) rotates the trio up"
    act KP5 4 "$(down "$trio")" "keypad 5 (Num Lock $numlock) rotates the trio down"
    keys tap NMLK
done
act LFSH 4 "$(up "$trio")" "Shift rotates the trio up"
act LCTL 4 "$(down "$trio")" "Ctrl rotates the trio down"

# An open menu holds the game: with the Game menu open for three seconds
# (two steps), the trio stands still in column 6, clear of the menu; closed,
# it falls on.
act RGHT 5 "$trio" "Right moves the trio"
act RGHT 6 "$trio" "Right moves the trio"
well() { shoot "$origin_x" "$origin_y" 276 598 "$work/$1"; }
# Alt+G, and the Game menu shows: a popup over columns 1 to 3, which the
# compositor's tree does not list.
open_game_menu() {
    shoot "$origin_x" "$origin_y" 138 184 "$work/menu-before.ppm"
    keys press LALT
    keys tap AC05
    keys release LALT
    for _ in $(seq 50); do
        shoot "$origin_x" "$origin_y" 138 184 "$work/menu.ppm"
        compare -metric AE "$work/menu-before.ppm" "$work/menu.ppm" null: >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "Alt+G did not open the Game menu"
}
open_game_menu
well open.ppm
sleep 3
well held.ppm
changed=$(compare -metric AE "$work/open.ppm" "$work/held.ppm" null: 2>&1 || true)
[ "$changed" = 0 ] || fail "the well changed while the Game menu was open ($changed pixels)"
keys tap ESC
keys tap ESC
moved=
for _ in $(seq 30); do
    well closed.ppm
    compare -metric AE "$work/held.ppm" "$work/closed.ppm" null: >/dev/null 2>&1 || { moved=1 && break; }
    sleep 0.1
done
[ -n "$moved" ] || fail "the trio did not fall on after the menu closed"

# Esc held for 1.5 s as the game ends: its repeats do not close the name
# prompt, which opens with the keyboard and the name in it selected, so that
# the name typed takes its place.
keys press ESC
sleep 1.5
keys release ESC
prompt=$(wait_view "You're Winner!" "$app_id") || fail "no name prompt for a qualifying score, or the held Esc closed it"
read -r _ _ _ _ focused <<<"$prompt"
[ "$focused" = true ] || fail "the name prompt does not have the keyboard"
keys type Tess
keys tap RTRN
for _ in $(seq 50); do grep -q '^Name1=Tess$' "$profile" && break; sleep 0.1; done
grep -q '^Name1=Tess$' "$profile" || fail "the profile does not hold the new name: $(cat "$profile")"
grep -q '^Name2=Nobody$' "$profile" || fail "the old first place did not move down"

# Game > Exit ends the program, and it said nothing on the way.
open_game_menu
keys type e
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then fail "Game > Exit did not end the program"; fi
wait "$app_pid" || fail "the program ended with status $?"
app_pid=
[ ! -s "$work/game.err" ] || fail "the program warned: $(cat "$work/game.err")"

echo "e2e: the player's session on Wayland went as expected"
