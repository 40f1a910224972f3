#!/usr/bin/env bash
# Under openbox on a private X server of the size given (1280x1024 unless said): a font
# (X11's 12x24 unless said) opened and a character made current, the editor grows with its
# field, and the editor and the set window, frames included, then stand side by side on the
# screen without covering each other, wholly on it. An outline font (.ttf) is drawn into a
# 32x32 cell first. QT_SCALE_FACTOR, where set, scales both windows. Skips (77) where the
# tools or the font are missing.
#   check_side_by_side.sh ZERLIN [WIDTHxHEIGHT [FONT]]
set -uo pipefail
source "$(dirname "$0")/../support/x_session.sh"
need_tools openbox xdotool xwininfo xprop
arguments=("$@")
[ "${1:-}" = --inside ] && arguments=("${@:2}")
x_screen=${arguments[1]:-1280x1024}
font=${arguments[2]:-/usr/share/fonts/X11/misc/12x24.pcf.gz}
[ -f "$font" ] || exit 77
# An outline font is drawn into a 32x32 cell first: the largest field of buttons.
if [[ $font == *.ttf ]] && [ "${1:-}" = --inside ]; then
    made=$(mktemp --suffix=.bdf)
    "${arguments[0]}" --export bdf --pixels 28 --cell 32x32 --map 32-126 "$font" "$made" ||
        { echo "FAILED: could not draw $font at 32x32"; exit 1; }
    font=$made
fi
rerun_on_private_x "$0" "$@"
program="${arguments[0]}"
work=$(mktemp -d)
export ZERLIN_RECOVERY_DIR="$work/recovery"
openbox_pid=""
zerlin=""
cleanup() { kill $zerlin $openbox_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work" ${made:-}; }
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
    e=($(frame_of "ZRL1.0-")) && s=($(frame_of "$(basename "$font")")) || return 1
    [ $((e[2] - e[0])) -gt 400 ] || return 1  # the editor has grown
    { [ "${e[2]}" -le "${s[0]}" ] || [ "${s[2]}" -le "${e[0]}" ]; } || return 1
    local screen_w=${x_screen%x*} screen_h=${x_screen#*x}
    [ "${e[0]}" -ge 0 ] && [ "${s[0]}" -ge 0 ] && [ "${e[2]}" -le "$screen_w" ] &&
        [ "${s[2]}" -le "$screen_w" ] || return 1
    [ "${e[1]}" -ge 0 ] && [ "${s[1]}" -ge 0 ] && [ "${e[3]}" -le "$screen_h" ] &&
        [ "${s[3]}" -le "$screen_h" ] || return 1
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
    fail "on $x_screen the windows cover each other or leave the screen: editor $(frame_of "ZRL1.0-"), set $(frame_of "$(basename "$font")")"
echo "1 passed, 0 failed"
