#!/usr/bin/env bash
# Under openbox on a private X server of the size given (1280x1024 unless said): X11's
# 12x24 font opened and a character made current, the editor grows with its field, and the
# editor and the set window, frames included, then stand side by side on the screen without
# covering each other. Skips (77) where the tools or the font are missing.
#   check_side_by_side.sh ZERLIN [WIDTHxHEIGHT]
set -uo pipefail
source "$(dirname "$0")/../support/x_session.sh"
need_tools openbox xdotool xwininfo xprop
font=/usr/share/fonts/X11/misc/12x24.pcf.gz
[ -f "$font" ] || exit 77
if [ "${1:-}" = --inside ]; then x_screen=${3:-1280x1024}; else x_screen=${2:-1280x1024}; fi
rerun_on_private_x "$0" "$@"
program="$2"
work=$(mktemp -d)
export ZERLIN_RECOVERY_DIR="$work/recovery"
openbox_pid=""
zerlin=""
cleanup() { kill $zerlin $openbox_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; echo "0 passed, 1 failed"; exit 1; }
start_openbox /dev/null || fail "openbox did not start"

# "LEFT TOP RIGHT BOTTOM" of a settled window's frame, on the screen.
frame_of() {
    local line extents
    line=$(settled_client_of "$1") || return 1
    [[ $line =~ ([0-9]+)x([0-9]+)\+-?[0-9]+\+-?[0-9]+\ +\+(-?[0-9]+)\+(-?[0-9]+) ]] || return 1
    local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    extents=$(xprop -id "${line%% *}" _NET_FRAME_EXTENTS)
    [[ $extents =~ ([0-9]+),\ ([0-9]+),\ ([0-9]+),\ ([0-9]+) ]] || return 1
    echo "$((x - BASH_REMATCH[1])) $((y - BASH_REMATCH[3])) $((x + w + BASH_REMATCH[2])) $((y + h + BASH_REMATCH[4]))"
}
# The two frames once the editor has its 12x24 field and neither covers the other.
apart() {
    local e s
    e=($(frame_of "ZRL1.0-")) && s=($(frame_of "12x24.pcf.gz")) || return 1
    [ $((e[2] - e[0])) -gt 400 ] || return 1  # the editor has grown
    { [ "${e[2]}" -le "${s[0]}" ] || [ "${s[2]}" -le "${e[0]}" ]; } || return 1
    local screen_w=${x_screen%x*}
    [ "${e[0]}" -ge 0 ] && [ "${s[0]}" -ge 0 ] && [ "${e[2]}" -le "$screen_w" ] &&
        [ "${s[2]}" -le "$screen_w" ] || return 1
    echo "editor ${e[*]}, set ${s[*]}"
}

"$program" "$font" >"$work/zerlin.log" 2>&1 &
zerlin=$!
splash=$(wait_for xdotool search --onlyvisible --class zerlin) || fail "no splash"
wait_active "${splash%%$'\n'*}" || fail "the splash never had the keyboard"
xdotool key space
window=$(wait_for xdotool search --onlyvisible --name "Character Set") || fail "no character set"
wait_active "${window%%$'\n'*}" || fail "the set's window never had the keyboard"
xdotool key Right  # the first character becomes current, and the editor grows
wait_for apart >/dev/null ||
    fail "on $x_screen the windows cover each other or leave the screen: editor $(frame_of "ZRL1.0-"), set $(frame_of "12x24.pcf.gz")"
echo "1 passed, 0 failed"
