#!/usr/bin/env bash
# Plays the real program in Xvfb the way a player would, with xdotool:
# Space starts a game, keys move the trio, Pause shows the bands, Esc ends
# the game with the stripes, a qualifying score asks for a name and the
# profile beside the program holds it; closing the window during a game
# ends the game, enters the score and ends the program; two copies of the
# program on one profile both keep their scores.
# Usage: play.sh BRINDLEX SEND-CLOSE PICTURES-DIR
set -euo pipefail
program=$1 send_close=$2 pictures=$3

source "$(dirname "$0")/../lib/xsession.sh"

# The program keeps its profile beside itself: give it a folder of its own.
cp "$program" "$work/brindlex"
profile=$work/Brindlex.ini
{
    echo "[HighScores]"
    for n in 1 2 3 4 5 6 7 8 9 10; do echo "Name$n=Nobody"; echo "Score$n=0"; echo "Jewels$n=0"; done
} > "$profile"

start_xvfb
export DISPLAY=$display QT_QPA_PLATFORM=xcb

open_game "$work/brindlex"

screen_pixel() { # c r
    import -window root "$work/shot.png"
    convert "$work/shot.png" -format "%[pixel:p{$((origin_x + ($1 - 1) * 46 + 23)),$((origin_y + ($2 - 1) * 46 + 17))}]" info:
}
picture_pixel() { # name
    convert "$pictures/$1.bmp" -format '%[pixel:p{23,17}]' info:
}
expect_cell() { # c r picture what
    local seen wanted
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        seen=$(screen_pixel "$1" "$2")
        wanted=$(picture_pixel "$3")
        [ "$seen" = "$wanted" ] && return 0
        sleep 0.1
    done
    fail "$4: cell $1,$2 shows $seen, not $3 ($wanted)"
}
expect_not_blank() { # c r what
    [ "$(screen_pixel "$1" "$2")" != "$(picture_pixel blank)" ] || fail "$3: cell $1,$2 is blank"
}

xdotool key space
sleep 0.2
# Three rows down before the first step: the trio stands in rows 1 to 3.
xdotool key Down Down Down
sleep 0.2
expect_not_blank 4 3 "Down moves the trio into the well"
xdotool key Left
sleep 0.2
expect_not_blank 3 3 "Left moves the trio"
expect_cell 4 3 blank "Left leaves its old column blank"

xdotool key Pause
expect_cell 1 1 jewel2 "the pause bands: row 1"
expect_cell 6 7 jewel2 "the pause bands: row 7"
expect_cell 3 13 jewel2 "the pause bands: row 13"
expect_cell 2 6 jewel1 "the pause bands: row 6"
xdotool key Pause

xdotool key Escape
prompt=$(timeout 10 xdotool search --sync --onlyvisible --name "You're Winner!" | head -n 1)
[ -n "$prompt" ] || fail "no name prompt for a qualifying score"
expect_cell 1 1 jewel3 "the end stripes: row 1"
expect_cell 2 1 jewel4 "the end stripes"
expect_cell 1 2 jewel4 "the end stripes: row 2"
xdotool windowfocus --sync "$prompt"
xdotool key ctrl+a
xdotool type --delay 20 "Tess"
xdotool key Return
for _ in $(seq 50); do grep -q '^Name1=Tess$' "$profile" && break; sleep 0.1; done
grep -q '^Name1=Tess$' "$profile" || fail "the profile does not hold the new name: $(cat "$profile")"
grep -q '^Score1=3$' "$profile" || fail "the profile does not hold the score 3"
grep -q '^Name2=Nobody$' "$profile" || fail "the old first place did not move down"

# The settings window, as a player uses it: Options > Settings, one step
# right on the starting height, Tab to "Ok" and Enter. The four keys are
# written, and the next game starts with one full row.
xdotool windowfocus --sync "$window"
xdotool key alt+o
sleep 0.2
xdotool key s
settings=$(timeout 10 xdotool search --sync --onlyvisible --name '^Settings$' | head -n 1)
[ -n "$settings" ] || fail "Options > Settings did not show the settings window"
xdotool windowfocus --sync "$settings"
xdotool key Right
xdotool key Tab Tab Tab Tab Tab
xdotool key Return
for _ in $(seq 50); do grep -q '^Starting_Height=1$' "$profile" && break; sleep 0.1; done
grep -q '^Starting_Height=1$' "$profile" || fail "OK did not save the starting height: $(cat "$profile")"
grep -q '^Level_Change=35$' "$profile" || fail "OK did not write Level_Change"
grep -q '^Speed=10$' "$profile" || fail "OK did not write Speed"
grep -q '^Show_Next=1$' "$profile" || fail "OK did not write Show_Next"
timeout 5 xdotool search --sync --onlyvisible --name '^Settings$' >/dev/null 2>&1 &&
    sleep 0.3
if xdotool search --onlyvisible --name '^Settings$' >/dev/null 2>&1; then
    fail "OK did not close the settings window"
fi

# Closing the window during a game: the game ends the ordinary way, the
# prompt closes at once with the name that held place 1, the table is saved.
xdotool windowfocus --sync "$window"
xdotool key space
sleep 0.2
expect_not_blank 1 13 "the new starting height fills the bottom row"
xdotool key Down Down
sleep 0.2
"$send_close" "$window"
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then fail "the program did not end after its window was closed"; fi
wait "$app_pid" || fail "the program ended with status $?"
app_pid=
grep -q '^Name2=Tess$' "$profile" || fail "the closing game was not entered: $(cat "$profile")"
grep -q '^Score2=2$' "$profile" || fail "the closing game's score was not saved"

# Two copies of the game on one profile, each with the table it read at
# start: a score the first one saves while the second runs is still there
# after the second one saves its own. Esc is held down as the second game
# ends, as a player does: its repeats must not close the prompt.
"$work/brindlex" &
copy_a=$!
"$work/brindlex" &
copy_b=$!
app_pid="$copy_a $copy_b"
window_of() { timeout 30 xdotool search --sync --all --onlyvisible --pid "$1" --name '^Brindlex$' | head -n 1; }
window_a=$(window_of "$copy_a")
window_b=$(window_of "$copy_b")
[ -n "$window_a" ] && [ -n "$window_b" ] || fail "the two copies did not both show a window"
play_and_enter() { # window down-presses name
    xdotool windowfocus --sync "$1"
    xdotool key space
    sleep 0.2
    for _ in $(seq "$2"); do xdotool key Down; done
    sleep 0.2
    xdotool keydown Escape
    sleep 1.5
    xdotool keyup Escape
    local prompt
    prompt=$(timeout 10 xdotool search --sync --onlyvisible --name "You're Winner!" | head -n 1)
    [ -n "$prompt" ] || fail "no name prompt for $3, or a held Esc closed it"
    xdotool windowfocus --sync "$prompt"
    xdotool type --delay 20 "$3"
    xdotool key Return
    for _ in $(seq 50); do grep -q "=$3\$" "$profile" && return 0; sleep 0.1; done
    fail "the profile does not hold $3: $(cat "$profile")"
}
play_and_enter "$window_a" 4 Ann
play_and_enter "$window_b" 5 Bob
grep -q '^Name1=Bob$' "$profile" && grep -q '^Score1=5$' "$profile" ||
    fail "the second copy's score is not first: $(cat "$profile")"
grep -q '^Name2=Ann$' "$profile" && grep -q '^Score2=4$' "$profile" ||
    fail "the first copy's score was lost: $(cat "$profile")"
grep -q '^Name3=Tess$' "$profile" || fail "the older scores did not move down: $(cat "$profile")"
kill $app_pid
app_pid=

echo "e2e: the player's session went as expected"
