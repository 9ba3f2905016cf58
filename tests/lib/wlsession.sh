# Sourced by the tests that start the real program on a private headless
# sway, the Wayland counterpart of xsession.sh. It gives them a scratch
# folder, $work; fail, which says why and exits; session_folder, a folder the
# session may write; as_session, which runs a command in the session (as
# nobody when the test runs as root, since sway refuses root, with a home and
# a runtime folder of its own in $work); start_sway; start_keyboard and keys,
# one virtual keyboard for the whole test; view and wait_view, where a window
# lies; shoot, a screenshot; and open_game. At exit it stops the programs
# whose ids are in $app_pid, the keyboard and the compositor, and removes
# $work.
work=$(mktemp -d)
chmod 0755 "$work"
sway_pid= keyboard_pid= app_pid=
stop() { # pid...: asks them to end, and makes them after five seconds
    [ $# -gt 0 ] || return 0
    kill "$@" 2>/dev/null || true
    local pid alive
    for _ in $(seq 50); do
        alive=
        for pid in "$@"; do kill -0 "$pid" 2>/dev/null && alive=1; done
        [ -z "$alive" ] && return 0
        sleep 0.1
    done
    kill -KILL "$@" 2>/dev/null || true
}
cleanup() {
    # shellcheck disable=SC2086 # one id or several
    stop $app_pid $keyboard_pid $sway_pid
    rm -rf "$work"
}
trap cleanup EXIT
# A failure names the windows on the screen and what the game said.
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${wayland_display:-}" ]; then
        echo "windows: $(as_session swaymsg -t get_tree 2>/dev/null |
            jq -r '[.. | objects | select(.app_id? != null) | .name] | join(", ")')" >&2
    fi
    [ -s "$work/game.err" ] && echo "the game said: $(cat "$work/game.err")" >&2
    exit 1
}

mkdir -m 0700 "$work/home" "$work/run"
session_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$work/home" "$work/run"
    session_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

# A folder the session's programs can write, with all that is in it: for a
# copy of the game and its profile.
session_folder() { # path
    mkdir -p "$1"
    [ -n "${session_user[*]}" ] && chown -R 65534:65534 "$1"
    return 0
}

# Only what a desktop session gives, plus the sanitizers' options when the
# program is built with them. Sets session, the command line that starts a
# program in the session: the program started from it keeps its process id.
swaysock=$work/run/sway-ipc.sock wayland_display=
session_command() {
    session=("${session_user[@]}" env -i HOME="$work/home" PATH=/usr/local/bin:/usr/bin:/bin:/usr/games
        XDG_RUNTIME_DIR="$work/run" XDG_SESSION_TYPE=wayland SWAYSOCK="$swaysock")
    [ -n "$wayland_display" ] && session+=(WAYLAND_DISPLAY="$wayland_display")
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [ -n "${!name:-}" ] && session+=("$name=${!name}")
    done
    return 0
}
as_session() {
    session_command
    "${session[@]}" "$@"
}

# A headless sway with one 1024 x 768 output and no X server. Sets
# wayland_display.
start_sway() {
    printf '%s\n' 'xwayland disable' 'output HEADLESS-1 resolution 1024x768' >"$work/sway.conf"
    session_command
    "${session[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
    sway_pid=$!
    for _ in $(seq 100); do
        as_session swaymsg -t get_version >/dev/null 2>&1 && break
        kill -0 "$sway_pid" 2>/dev/null || fail "sway did not start: $(tail -n 5 "$work/sway.log")"
        sleep 0.1
    done
    as_session swaymsg -t get_version >/dev/null 2>&1 ||
        fail "sway did not start: $(tail -n 5 "$work/sway.log")"
    wayland_display=$(find "$work/run" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' | head -n 1)
    [ -n "$wayland_display" ] || fail "sway offers no Wayland socket"
}

# The keyboard of the whole test (tests/lib/wl_keyboard.cpp), started before
# any program, so that every program finds it on the seat as it starts.
start_keyboard() { # WL-KEYBOARD
    session_command
    coproc keyboard { exec "${session[@]}" "$1"; }
    keyboard_pid=$keyboard_PID
}
keys() { # press KEY | release KEY | tap KEY... | type TEXT
    local answer
    echo "$*" >&"${keyboard[1]}" || fail "the keyboard has gone"
    read -r -t 10 -u "${keyboard[0]}" answer || fail "the keyboard did not answer '$*'"
    [ "$answer" = ok ] || fail "keyboard: $answer"
}

# "X Y WIDTH HEIGHT FOCUSED" of the surface of the window of that title and
# app id, on the screen; nothing while there is none.
view() { # title app-id
    as_session swaymsg -t get_tree | jq -r --arg name "$1" --arg app "$2" '
        .. | objects | select(.name? == $name and .app_id? == $app) |
        "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.width) \(.window_rect.height) \(.focused)"'
}
wait_view() { # title app-id: like view, waiting up to 30 s for the window
    local found
    for _ in $(seq 300); do
        found=$(view "$1" "$2")
        [ -n "$found" ] && echo "$found" && return 0
        sleep 0.1
    done
    return 1
}

shoot() { # x y width height file: that part of the screen, as PPM
    as_session grim -t ppm -g "$1,$2 $3x$4" - >"$5" || fail "grim could not take a screenshot"
}

# Starts the game PROGRAM on Wayland, its errors in $work/game.err. Sets
# app_pid, and origin_x, origin_y: where the client area begins on the screen
# (it fills the bottom 598 pixels of the window, under the menu bar).
app_id=io.github.brindlex.Brindlex
open_game() {
    session_command
    "${session[@]}" QT_QPA_PLATFORM=wayland "$1" 2>"$work/game.err" &
    app_pid=$!
    local x y width height
    read -r x y width height _ < <(wait_view Brindlex "$app_id") ||
        fail "the game window did not appear with the app id $app_id"
    origin_x=$x origin_y=$((y + height - 598)) window_width=$width window_height=$height
}
