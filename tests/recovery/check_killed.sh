#!/usr/bin/env bash
# A program killed with SIGKILL after the last of 20 edits to a set, under openbox on a
# private X server: the next start offers the set, under its own name, unsaved, and so do
# three more starts killed while offering it, leaving one copy; Restore and a save bring all
# 20 edits back into its file, and no copy is left. The set lives in a
# folder with spaces and letters beyond ASCII in its name. Skips (77) where tools are missing.
set -uo pipefail
source "$(dirname "$0")/../support/x_session.sh"
need_tools openbox xdotool xwininfo xprop python3
rerun_on_private_x "$0" "$@"
program="$2"
work=$(mktemp -d)
export ZERLIN_RECOVERY_DIR="$work/recovery"
openbox_pid=""
zerlin=""
cleanup() { kill -9 $zerlin 2>/dev/null; kill $openbox_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; echo "0 passed, 1 failed"; exit 1; }
start_openbox "$work/openbox.log" || fail "openbox did not start"

# How many dots of character 65 a BDF file has lit.
lit_in() {
    python3 - "$1" <<'PY'
import sys
lines, count, inside, at = open(sys.argv[1], encoding="utf-8").read().split("\n"), 0, False, False
for line in lines:
    if line == "ENCODING 65": at = True
    elif line == "BITMAP" and at: inside = True
    elif line == "ENDCHAR": inside = at = False
    elif inside: count += bin(int(line, 16)).count("1")
print(count)
PY
}
copies() { ls "$ZERLIN_RECOVERY_DIR"/*.bdf 2>/dev/null; }

# Starts the program, lets the splash go, and sets `window` to the set's window.
start() {
    set +m
    "$program" "$@" >"$work/zerlin.log" 2>&1 &
    zerlin=$!
    local splash
    splash=$(wait_for xdotool search --onlyvisible --class zerlin) || fail "no splash"
    wait_active "${splash%%$'\n'*}" || fail "the splash never had the keyboard"
    xdotool key space
    window=$(wait_for xdotool search --onlyvisible --name "Character Set") ||
        fail "no character set"
    window=${window%%$'\n'*}
}

mkdir "$work/Zeichensätze"
set="$work/Zeichensätze/Ä Ø 字.bdf"
printf "' 65 A\n00000\n00000\n00000\n00000\n00000\n00000\n00000\n" >"$work/a.bas"
"$program" --export bdf "$work/a.bas" "$set" || fail "could not make the set"

start "$set"
wait_active "$window" || fail "the set's window never had the keyboard"
xdotool key Right  # the first arrow in the chart makes its first character current
editor=$(wait_for settled_client_of "ZRL1.0-") || fail "no editor"
[[ $editor =~ \ \+([0-9]+)\+([0-9]+)$ ]] || fail "cannot read the editor's place: $editor"
ax=${BASH_REMATCH[1]} ay=${BASH_REMATCH[2]}
for i in $(seq 0 19); do
    xdotool mousemove $((ax + 16 + 16 * (i % 5))) $((ay + 30 + 16 * (i / 5))) click 1
done
ready() { c=$(copies | head -n 1) && [ "$(lit_in "$c")" = 20 ] && echo "$c"; }
wait_for ready >/dev/null || fail "no copy with the 20 edits; the copy has $(lit_in "$(copies)")"
kill -9 $zerlin
wait $zerlin 2>/dev/null  # the shell's word on the killed program is no failure

offered() {
    start
    wait_for sh -c 'xdotool getwindowname "$1" | grep -F "Ä Ø 字.bdf* - Character Set"' _ "$window" \
        >/dev/null || fail "the set was not offered under its name, unsaved: $(xdotool getwindowname "$window")"
}
# A copy written since the marker was touched: the offering run's own.
written() { [ -n "$(find "$ZERLIN_RECOVERY_DIR" -name '*.bdf' -newer "$work/marker")" ] && echo yes; }
for run in 1 2 3; do
    touch "$work/marker"
    offered
    wait_for written >/dev/null || fail "the offering run wrote no copy"
    kill -9 $zerlin
    wait $zerlin 2>/dev/null
    [ "$(copies | wc -l)" = 1 ] || fail "after $run killed offers the copies are: $(copies)"
done
offered
wait_active "$window" || fail "the offered set's window never had the keyboard"
xdotool key alt+r ctrl+s  # Restore, then save to the set's own file
saved() { [ "$(lit_in "$set")" = 20 ] && [ -z "$(copies)" ] && echo yes; }
wait_for saved >/dev/null || fail "the file has $(lit_in "$set") of the 20 edits; copies left: $(copies)"
echo "1 passed, 0 failed"
