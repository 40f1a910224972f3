# Shell helpers for the checks that run on a private X server under openbox. Sourced.

# Skips the check (77) unless every tool named is here.
need_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || exit 77
    done
}

# Runs the calling script again, once, on a private X server of its own, which xvfb-run
# starts and waits for: `rerun_on_private_x "$0" "$@"` first thing; inside, the script's
# own arguments follow --inside. The screen is 1024x768 unless x_screen says otherwise.
rerun_on_private_x() {
    local script="$1"
    shift
    [ "${1:-}" = --inside ] && return 0
    need_tools xvfb-run
    exec xvfb-run -a -s "-screen 0 ${x_screen:-1024x768}x24 -dpi 96" bash "$script" --inside "$@"
}

# Waits until a command prints something, for up to $wait_seconds (10 unless set), and
# passes on what it printed.
wait_for() {
    local out
    for _ in $(seq $((${wait_seconds:-10} * 10))); do
        out=$("$@" 2>/dev/null) && [ -n "$out" ] && { echo "$out"; return 0; }
        sleep 0.1
    done
    return 1
}

# "WIDTHxHEIGHT+X+Y  +ABSX+ABSY" of a named top-level client window in the tree.
client_of() { xwininfo -root -tree | grep -F "\"$1" | head -n 1 | sed 's/^ *//'; }

# The same once the window is where the window manager leaves it: mapped, inside its frame
# (the frame extents set, its parent no longer the root) and at rest, the same on two reads
# in a row. A window is in the tree before it is shown, at (0, 0), while the program asks
# the window manager for its frame, and a check that reads it then reads the wrong place.
settled_client_of() {
    local line id info
    line=$(client_of "$1")
    id=${line%% *}
    [ -n "$id" ] || return 1
    info=$(xwininfo -id "$id" -children 2>/dev/null) || return 1
    grep -q 'Map State: IsViewable' <<<"$(xwininfo -id "$id")" || return 1
    grep -q 'Parent window id: .*(the root window)' <<<"$info" && return 1
    xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q ' = ' || return 1
    [ "$line" = "$(client_of "$1")" ] || return 1
    echo "$line"
}

# Waits until the window named WINDOW is the active one, so that a key goes to it.
wait_active() {
    wait_for sh -c '[ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && echo yes' _ "$1" \
        >/dev/null
}

# Starts openbox and sets openbox_pid once it says what it supports. Under load the server
# may not take connections at once, and openbox, unlike the X tools, then gives up: it is
# started again, up to three times. What it said goes to the file LOG.
start_openbox() {
    local log="$1"
    : >"$log"
    wait_for xprop -root >/dev/null || return 1
    for _ in 1 2 3; do
        openbox >>"$log" 2>&1 &
        openbox_pid=$!
        wait_for sh -c 'xprop -root _NET_SUPPORTED | grep _NET_REQUEST_FRAME_EXTENTS' \
            >/dev/null && return 0
        kill $openbox_pid 2>/dev/null
        openbox_pid=""
    done
    return 1
}
