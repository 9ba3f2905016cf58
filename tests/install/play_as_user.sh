#!/usr/bin/env bash
# An installed game as an ordinary player meets it: started as nobody, with a
# home of its own and no profile yet, from a folder the player cannot write.
# The settings window's OK makes the player's configuration folder and its
# profile; a qualifying score lands there too, and nothing lands beside the
# game.
# Usage: play_as_user.sh GAME SEND-CLOSE BRINDLEX-INI
set -euo pipefail
game=$1 send_close=$2 ini_tool=$3

source "$(dirname "$0")/../lib/xsession.sh"
chmod 0755 "$work"

home=$work/home
mkdir -m 0700 "$home" "$work/run"
chown nobody:nogroup "$home" "$work/run"
profile=$home/.config/Brindlex/Brindlex.ini

# As nobody, with only the environment a desktop session would give, plus
# the sanitizers' options when the game is built with them.
as_player() {
    local passed=()
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [ -n "${!name:-}" ] && passed+=("$name=${!name}")
    done
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i HOME="$home" PATH=/usr/local/bin:/usr/bin:/bin:/usr/games \
        XDG_RUNTIME_DIR="$work/run" DISPLAY="${DISPLAY:-}" QT_QPA_PLATFORM=xcb "${passed[@]}" "$@"
}

game_dir=$(dirname "$(readlink -f "$game")")
if as_player test -w "$game_dir"; then fail "the player can write $game_dir"; fi

start_xvfb
export DISPLAY=$display

start_game() {
    as_player "$game" &
    app_pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brindlex$' | head -n 1) || true
    [ -n "$window" ] || fail "the game window did not appear"
    xdotool windowfocus --sync "$window"
}
close_game() {
    "$send_close" "$window"
    for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    wait "$app_pid" || fail "the game ended with status $?"
    app_pid=
}
wait_for() { # PATTERN
    for _ in $(seq 100); do grep -q "$1" "$profile" 2>/dev/null && return 0; sleep 0.1; done
    fail "the profile does not hold $1: $(cat "$profile" 2>&1)"
}

# The first save: Options > Settings, then OK (Tab to it, Enter).
start_game
xdotool key alt+o
sleep 0.2
xdotool key s
settings=$(timeout 10 xdotool search --sync --onlyvisible --name '^Settings$' | head -n 1) || true
[ -n "$settings" ] || fail "Options > Settings did not show the settings window"
xdotool windowfocus --sync "$settings"
xdotool key Tab Tab Tab Tab Tab Return
wait_for '^Level_Change=35$'
[ "$(stat -c %a "$home/.config/Brindlex")" = 700 ] || fail "the configuration folder is not private"
[ "$(stat -c %U "$profile")" = nobody ] || fail "the profile does not belong to the player"
close_game

# A table of low scores, so that a short game earns the first place.
{
    for n in 1 2 3 4 5 6 7 8 9 10; do
        printf 'HighScores\tName%s\tNobody\nHighScores\tScore%s\t0\nHighScores\tJewels%s\t0\n' \
            "$n" "$n" "$n"
    done
} | as_player "$ini_tool" "$profile" write-batch || fail "brindlex-ini could not write the profile"

start_game
xdotool key space
sleep 0.2
xdotool key Down Down Down
sleep 0.2
xdotool key Escape
prompt=$(timeout 10 xdotool search --sync --onlyvisible --name "You're Winner!" | head -n 1) || true
[ -n "$prompt" ] || fail "no name prompt for a qualifying score"
xdotool windowfocus --sync "$prompt"
xdotool key ctrl+a
xdotool type --delay 20 "Tess"
xdotool key Return
wait_for '^Name1=Tess$'
wait_for '^Name2=Nobody$'
close_game

[ ! -e "$game_dir/Brindlex.ini" ] || fail "a profile appeared beside the game"
echo "play as a player: the profile is kept in the player's configuration folder"
