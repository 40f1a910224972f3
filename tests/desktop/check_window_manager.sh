#!/usr/bin/env bash
# Under a real window manager (openbox on a private X server): the editor's whole window,
# frame included, is centred within 2 px; the About window's client area is at (156, 129);
# the window manager's close closes About, and on the editor ends the program; the set
# window's shortcuts reach it from its text boxes.
# Skips (77) where the tools are missing.
set -uo pipefail
source "$(dirname "$0")/../support/x_session.sh"
need_tools openbox xdotool wmctrl xwininfo xprop
rerun_on_private_x "$0" "$@"
program="$2"
openbox_pid=""
zerlin=""
cleanup() { kill $zerlin $openbox_pid 2>/dev/null; wait 2>/dev/null; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; echo "0 passed, 1 failed"; exit 1; }

start_openbox /dev/null || fail "openbox did not start"

"$program" >/dev/null 2>&1 &
zerlin=$!
splash=$(wait_for xdotool search --onlyvisible --class zerlin) || fail "no splash"
wait_active "${splash%%$'\n'*}" || fail "the splash never had the keyboard"
xdotool key space  # skips the splash
editor=$(wait_for settled_client_of "ZRL1.0-") || fail "the editor did not appear in its frame"

# The tree line reads e.g. "218x287+1+20  +403+250": size, place in the frame, on screen.
[[ $editor =~ ([0-9]+)x([0-9]+)\+[0-9]+\+[0-9]+\ +\+([0-9]+)\+([0-9]+) ]] ||
    fail "cannot read the editor's place: $editor"
w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} ax=${BASH_REMATCH[3]} ay=${BASH_REMATCH[4]}
extents=$(xprop -id "${editor%% *}" _NET_FRAME_EXTENTS)
[[ $extents =~ ([0-9]+),\ ([0-9]+),\ ([0-9]+),\ ([0-9]+) ]] || fail "no frame extents"
left=${BASH_REMATCH[1]} right=${BASH_REMATCH[2]} top=${BASH_REMATCH[3]} bottom=${BASH_REMATCH[4]}
frame_x=$((ax - left)) frame_y=$((ay - top))
frame_w=$((w + left + right)) frame_h=$((h + top + bottom))
# Twice the distance between the frame's centre and the screen's, within 2 px each way.
dx=$((2 * frame_x + frame_w - 1024)) dy=$((2 * frame_y + frame_h - 768))
[ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] ||
    fail "editor frame ${frame_w}x${frame_h} at ($frame_x, $frame_y) is not centred"

# Help, at (136, 208) in the client area, 73 x 25.
xdotool mousemove $((ax + 172)) $((ay + 220)) click 1
about=$(wait_for settled_client_of "About ") || fail "Help opened no About window"
echo "$about" | grep -q -E ' \+156\+129$' || fail "About's client area is not at (156, 129): $about"

wmctrl -c "About "
for _ in $(seq 50); do client_of "About " | grep -q . || break; sleep 0.1; done
client_of "About " | grep -q . && fail "the window manager's close left About open"

# Ctrl+E from the set window's Go to box opens Export: X11's line edits would take it as End.
xdotool windowactivate --sync "${editor%% *}" key --clearmodifiers ctrl+shift+e
set_window=$(wait_for settled_client_of "Untitled") || fail "Ctrl+Shift+E opened no set window"
set_id=$((${set_window%% *}))  # xwininfo's hex as xdotool's decimal
xdotool windowactivate --sync "$set_id"
wait_active "$set_id" || fail "the set window never had the keyboard"
xdotool key --clearmodifiers alt+g ctrl+e
wait_for settled_client_of "Export\"" >/dev/null || fail "Ctrl+E in the Go to box opened no Export"
wmctrl -c "Export"
for _ in $(seq 50); do client_of "Export\"" | grep -q . || break; sleep 0.1; done
wmctrl -c "Untitled"
for _ in $(seq 50); do client_of "Untitled" | grep -q . || break; sleep 0.1; done

wmctrl -c "ZRL1.0-"
for _ in $(seq 50); do kill -0 $zerlin 2>/dev/null || break; sleep 0.1; done
kill -0 $zerlin 2>/dev/null && fail "closing the editor did not end the program"
echo "1 passed, 0 failed"
