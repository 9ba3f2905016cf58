# Sourced by the tests that start the real program on a private X server. It
# gives them a scratch folder, $work; fail, which says why and exits;
# start_xvfb, which starts Xvfb on a display it picks itself and sets
# $display to its name (":N"); game_without_prompt; and open_game. At exit it stops the programs
# whose ids are in $app_pid (one or several), stops the server and removes
# $work.
work=$(mktemp -d)
xvfb_pid= app_pid=
cleanup() {
    # shellcheck disable=SC2086 # one id or several
    [ -n "$app_pid" ] && kill $app_pid 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start_xvfb() {
    # Xvfb writes the number of the display it took to descriptor 4.
    Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp -noreset 4>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    display=:$(head -n 1 "$work/display")
}

# Copies the game PROGRAM to $work/brindlex, beside a profile whose table no
# score of a short test can enter, so no name prompt comes up.
game_without_prompt() {
    cp "$1" "$work/brindlex"
    {
        echo "[HighScores]"
        for n in 1 2 3 4 5 6 7 8 9 10; do echo "Name$n=Best"; echo "Score$n=99999"; echo "Jewels$n=99"; done
    } > "$work/Brindlex.ini"
}

# Starts the game PROGRAM on $DISPLAY and gives its window the focus. Sets
# app_pid, window, and origin_x, origin_y: where the client area begins on the
# screen (it fills the bottom 598 pixels of the window, under the menu bar).
open_game() {
    "$1" &
    app_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Brindlex$' | head -n 1)
    [ -n "$window" ] || fail "the game window did not appear"
    xdotool windowfocus --sync "$window"
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    origin_x=$X origin_y=$((Y + HEIGHT - 598))
}
