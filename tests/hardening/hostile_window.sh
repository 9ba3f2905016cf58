#!/usr/bin/env bash
# Starts the real program with a hostile profile beside it, one profile after
# another, on a private X display: each time its window must map and the
# program must still be running; then it is stopped. The program reads the
# profile beside its executable, so each case runs a copy in a directory of
# its own.
#
#   tests/hardening/hostile_window.sh PATH/TO/brindlex
#
# Exit 77 (a skip for ctest) when Xvfb or xdotool is missing.
set -euo pipefail
program=$(readlink -f "$1")
for tool in xvfb-run xdotool python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "hostile_window: skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d /tmp/brindlex-hostile-XXXXXX)
trap 'rm -rf "$work"' EXIT

make_profile() { # CASE PATH
    local p=$2
    case $1 in
    none) ;;
    empty) : >"$p" ;;
    garbage) head -c 65536 /dev/urandom >"$p" ;;
    100mb) printf '[Settings]\nSpeed=3\n' >"$p" && truncate -s 100M "$p" ;;
    10mb-line) python3 -c 'import sys; sys.stdout.write("[Settings]" + "x" * (10 << 20))' >"$p" ;;
    100k-name) python3 -c 'import sys; sys.stdout.write("[HighScores]\nName1=" + "N" * 100000 + "\n")' >"$p" ;;
    nul) printf '\0\0[Settings]\nSpeed=3\0x\n[HighScores]\nName1=A\0B\n' >"$p" ;;
    bad-utf8) printf '[HighScores]\nName1=\xff\xfe\xc3(\xe2\x82\nName2=\xc0\xaf\n' >"$p" ;;
    directory) mkdir "$p" ;;
    dev-zero) ln -s /dev/zero "$p" ;;
    fifo) mkfifo "$p" ;;
    esac
}

cases=(none empty garbage 100mb 10mb-line 100k-name nul bad-utf8 directory dev-zero fifo)
for c in "${cases[@]}"; do
    mkdir "$work/$c"
    cp "$program" "$work/$c/brindlex"
    make_profile "$c" "$work/$c/Brindlex.ini"
done

# One display for all cases; each program is started, found, checked, stopped.
# -noreset: by default the server resets when its last client goes, and a
# program started during the reset cannot connect.
cat >"$work/run-cases" <<'INNER'
#!/usr/bin/env bash
set -uo pipefail
work=$1
shift
failed=0
for c in "$@"; do
    "$work/$c/brindlex" >"$work/$c.log" 2>&1 &
    pid=$!
    ok=1
    # A search can fail outright when it meets a window that is going away (the
    # previous case's), so it is repeated while the program runs. The bound
    # only guards against a hang; it is not a speed check.
    shown=0
    for _ in $(seq 240); do
        if xdotool search --onlyvisible --pid "$pid" >"$work/$c.xdotool" 2>&1; then
            shown=1
            break
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    if [ "$shown" -eq 0 ]; then
        echo "hostile_window: $c: no window appeared"
        ok=0
    elif ! kill -0 "$pid" 2>/dev/null; then
        echo "hostile_window: $c: the program ended"
        ok=0
    else
        echo "hostile_window: $c: window shown, program running"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if [ "$ok" -eq 0 ]; then
        failed=1
        cat "$work/$c.xdotool" "$work/$c.log" | sed 's/^/    /' | tail -n 20
    fi
done
exit "$failed"
INNER
chmod +x "$work/run-cases"
# On the X display, whatever platform the caller's environment names.
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$work/run-cases" "$work" "${cases[@]}"
