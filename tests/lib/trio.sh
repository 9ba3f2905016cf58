# Sourced, after xsession.sh or wlsession.sh, by the tests that read the
# falling trio off the screen. The test gives $pictures, where the client
# area begins (origin_x, origin_y) and shoot X Y WIDTH HEIGHT FILE, which
# writes that part of the screen to FILE. This gives column, trio_in,
# expect_trio, up, down and first_trio.

# The kind of jewel (1 to 6, 0 blank, ? anything else) that each cell of
# column c shows, rows 1 to 13, read from one screenshot.
kinds=()
for kind in 0 1 2 3 4 5 6; do
    [ "$kind" = 0 ] && name=blank || name=jewel$kind
    kinds[kind]=$(convert "$pictures/$name.bmp" -format '%[pixel:p{23,17}]' info:)
done
column() { # c
    shoot "$((origin_x + ($1 - 1) * 46))" "$origin_y" 46 598 "$work/column.ppm"
    local format='' r seen kind
    for r in $(seq 13); do format+="%[pixel:p{23,$(((r - 1) * 46 + 17))}]\n"; done
    while read -r seen; do
        for kind in 0 1 2 3 4 5 6; do [ "$seen" = "${kinds[kind]}" ] && break; done
        [ "$seen" = "${kinds[kind]}" ] && printf '%s' "$kind" || printf '?'
    done < <(convert "$work/column.ppm" -format "$format" info:)
}
# The trio as it stands in column c: its three kinds, top first ("352"), or
# nothing unless the column shows exactly three jewels one above the other.
trio_in() { # c
    local cells
    cells=$(column "$1")
    [[ $cells =~ ^0*([1-6]{3})0*$ ]] && echo "${BASH_REMATCH[1]}"
}
# Waits up to 5 s for the trio to stand in column c as the kinds say.
expect_trio() { # c kinds what
    local seen=''
    for _ in $(seq 25); do
        seen=$(trio_in "$1" || true)
        [ "$seen" = "$2" ] && return 0
        sleep 0.2
    done
    fail "$3: column $1 shows $(column "$1"), not the trio $2"
}
up() { echo "${1:1:2}${1:0:1}"; }   # the top jewel goes to the bottom
down() { echo "${1:2:1}${1:0:2}"; } # the bottom jewel goes to the top

# In a game just started: three rows down bring the trio into the well, and
# trio says its kinds. A trio of one kind shows no rotation: it is pushed down
# to vanish, and the next one comes. DROP N presses Down N times.
first_trio() { # drop
    trio=''
    for _ in 1 2 3 4 5; do
        "$1" 3
        for _ in $(seq 25); do trio=$(trio_in 4 || true); [ -n "$trio" ] && break; sleep 0.2; done
        [ -n "$trio" ] || fail "Space and Down did not bring a trio into column 4: $(column 4)"
        [ "$trio" = "${trio:0:1}${trio:0:1}${trio:0:1}" ] || return 0
        "$1" 10
        for _ in $(seq 50); do [ "$(column 4)" = 0000000000000 ] && break; sleep 0.2; done
    done
    fail "five trios in a row were of one kind"
}
