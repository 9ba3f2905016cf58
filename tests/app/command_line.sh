#!/usr/bin/env bash
# The command line as a desktop program answers it: --help and --version
# print and exit 0 without a display, a wrong command line is one line and
# status 2, no display at all is one line and status 1 (never Qt's abort),
# and Qt's own options reach Qt.
# Usage: command_line.sh BRINDLEX VERSION
set -euo pipefail
program=$1 version=$2

source "$(dirname "$0")/../lib/xsession.sh"

# Runs the program without any display; sets status, out and err.
run() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" "${args[@]}" \
        >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out") err=$(cat "$work/err")
}
lines() { [ -z "$1" ] && echo 0 || printf '%s\n' "$1" | wc -l; }

for args_text in "--help" "-h" "-style fusion --help"; do
    read -ra args <<<"$args_text"
    run
    [ "$status" -eq 0 ] || fail "$args_text: status $status"
    [[ "$out" == "Usage: brindlex [options]"* ]] || fail "$args_text: no usage line: $out"
    [[ "$out" == *"--version"* ]] || fail "$args_text: the help does not name --version"
    [ -z "$err" ] || fail "$args_text: wrote to stderr: $err"
done

for args_text in "--version" "-v"; do
    read -ra args <<<"$args_text"
    run
    [ "$status" -eq 0 ] || fail "$args_text: status $status"
    [ "$out" = "brindlex $version" ] || fail "$args_text: printed '$out'"
    [ -z "$err" ] || fail "$args_text: wrote to stderr: $err"
done

# A wrong command line: one line on stderr, nothing else, status 2.
for args_text in "--frobnicate" "-x" "some-file" "--help=yes" "-style"; do
    read -ra args <<<"$args_text"
    run
    [ "$status" -eq 2 ] || fail "$args_text: status $status, not 2"
    [ "$(lines "$err")" -eq 1 ] || fail "$args_text: not one line: $err"
    [[ "$err" == "brindlex: "* ]] || fail "$args_text: '$err'"
    [ -z "$out" ] || fail "$args_text: wrote to stdout: $out"
done

# No display at all, and a display that is not there: one line, status 1,
# also where a platform plugin or the library under it has its own say
# (libwayland without XDG_RUNTIME_DIR) and where the plugin is missing.
dead=900
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
mkdir -m 700 "$work/runtime"
args=()
for case in "none" "DISPLAY=:$dead" "QT_QPA_PLATFORM=xcb" \
    "-u XDG_RUNTIME_DIR QT_QPA_PLATFORM=wayland" \
    "XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=wayland" \
    "XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=wayland-$dead" \
    "-u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-$dead QT_QPA_PLATFORM=wayland" \
    "QT_QPA_PLATFORM=no-such-platform"; do
    if [ "$case" = none ]; then run; else
        read -ra settings <<<"$case"
        run "${settings[@]}"
    fi
    [ "$status" -eq 1 ] || fail "$case: status $status, not 1"
    [ "$(lines "$err")" -eq 1 ] || fail "$case: not one line: $err"
    [[ "$err" == "brindlex: cannot open a display: "* ]] || fail "$case: '$err'"
    [ -z "$out" ] || fail "$case: wrote to stdout: $out"
done

# Every option QGuiApplication and QApplication document (and those of the
# xcb platform) is Qt's: none is refused, so --version behind it answers.
for args_text in "-platform xcb" "-platform=offscreen" "-platformpluginpath /nowhere" \
    "-platformtheme gtk3" "-plugin evdevkeyboard" "-qmljsdebugger=port:3768" \
    "-qwindowgeometry 100x100+0+0" "-qwindowicon icon.png" "-qwindowtitle Game" "-reverse" \
    "-session abc" "-display :0" "-geometry 100x100" "-style fusion" "-style=windows" \
    "-stylesheet s.qss" "-stylesheet=s.qss" "-widgetcount" "-title Game" "-icon icon.png" \
    "-name brindlex" "-visual 0x21" "-nograb" "-dograb" "-sync" "-testability" "--platform xcb"; do
    read -ra args <<<"$args_text --version"
    run
    [ "$status" -eq 0 ] && [ "$out" = "brindlex $version" ] ||
        fail "$args_text: Qt's option refused (status $status): $err"
done

# Qt's own options reach Qt: with no DISPLAY in the environment, -platform
# and -display alone open the window, and -style, -sync and the others keep
# it working.
start_xvfb
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$program" -platform xcb -display "$display" -style=fusion -reverse -sync -name brindlex \
    -widgetcount 2>"$work/err" &
app_pid=$!
window=$(DISPLAY=$display timeout 30 xdotool search --sync --onlyvisible --name '^Brindlex$' |
    head -n 1) || true
[ -n "$window" ] || fail "no window with -platform xcb -display $display: $(cat "$work/err")"
kill -0 "$app_pid" || fail "the program ended"

echo "command line: every case answered as expected"
