# Shell helpers for the checks that run on a private X server under openbox. Sourced.

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
