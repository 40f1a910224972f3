#!/usr/bin/env bash
# The Windows build in a real window: zerlin.exe under Wine on a private X server with
# openbox, on Qt's windows platform. The splash appears, a key shows the editor, a click
# lights a cell pure red on the screen, and Copy puts the exact listing (CR LF) on the
# Windows clipboard, read back inside Wine. Then the window suite's text check runs on the
# windows platform too: every text whole in its control with Windows' font engine.
#   tests/wine/check_windows_window.sh PACKAGE_DIR [SCREENSHOT.png]
set -uo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
if [ "${1:-}" != --inside ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
        "$here/scripts/wine-session" bash "$0" --inside "$@"
fi
package="$(cd "$2" && pwd)"
screenshot="${3:-}"
wine_run="$here/scripts/wine-run"
tests="$here/build-windows/tests"
openbox_pid=""
log="$tests/zerlin_window.log"
: >"$log"
cleanup() {
    kill $openbox_pid 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
passed=0
fail() {
    echo "FAILED: $*"
    [ -s "$log" ] && { echo "zerlin.exe said:"; tail -n 20 "$log"; }
    echo "$passed passed, 1 failed"
    exit 1
}
pass() { echo "ok: $*"; passed=$((passed + 1)); }

source "$here/tests/support/x_session.sh"
wait_seconds=30  # Wine starts slowly
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}'; }

start_openbox "$tests/openbox.log" ||
    fail "openbox did not start: $(tail -n 5 "$tests/openbox.log")"

WINEDEBUG=-all,err+all "$wine_run" "$package/zerlin.exe" >"$log" 2>&1 &
disown  # the Wine session ends it
splash=$(wait_for xdotool search --onlyvisible --class zerlin.exe) || fail "no splash"
pass "the splash appears"
splash=$(echo "$splash" | tail -n 1)
wait_for sh -c 'xwininfo -id "$1" | grep "IsViewable"' _ "$splash" >/dev/null ||
    fail "the splash is never shown"
# Wine takes keys in the window that has the focus: give it to the splash as a click would.
timeout 5 xdotool windowactivate --sync "$splash" 2>/dev/null ||
    xdotool mousemove 512 384 click 1
xdotool key space
editor=$(wait_for settled_client_of "ZRL1.0-www.zerlin.example") ||
    fail "a key did not show the editor in its frame"
[[ $editor =~ ([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)\ +\+([0-9]+)\+([0-9]+) ]] ||
    fail "cannot read the editor's place: $editor"
w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} fx=${BASH_REMATCH[3]} fy=${BASH_REMATCH[4]}
x=${BASH_REMATCH[5]} y=${BASH_REMATCH[6]}
[ "$w" = 218 ] && [ "$h" = 287 ] || fail "the editor's client area is ${w}x$h, not 218x287"
pass "a key shows the editor, 218x287"

# Cell 12 (row 2, column 2) is at (40, 56), 17 by 13; Copy to Clip Board at (8, 168).
xdotool mousemove $((x + 48)) $((y + 62)) click 1
for _ in $(seq 50); do
    colour=$(pixel $((x + 48)) $((y + 62)))
    [ "$colour" = "#FF0000" ] && break
    sleep 0.1
done
[ "$colour" = "#FF0000" ] || fail "the clicked cell shows $colour, not pure red"
pass "a click lights the cell pure red"

xdotool mousemove $((x + 108)) $((y + 180)) click 1
zeros='Data &B00000 \r\n'
expected="${zeros}${zeros}Data &B00100 \\r\\n${zeros}${zeros}${zeros}Data &B00000"
for _ in 1 2 3 4 5; do
    sleep 0.5
    copied=$("$wine_run" "$tests/clipboard_text.exe" | tr -d '\r')
    [ "$copied" = "$expected" ] && break
done
[ "$copied" = "$expected" ] || fail "the clipboard holds \"$copied\""
pass "Copy puts the 102-character listing with CR LF on the Windows clipboard"

if [ -n "$screenshot" ]; then
    xdotool mousemove $((x + 48)) $((y + 62)) click 1  # the field clear again, then an A
    for cell in 1 2 3 5 9 10 14 15 16 17 18 19 20 24 25 29 30 34; do
        xdotool mousemove $((x + 16 + cell % 5 * 16)) $((y + 30 + cell / 5 * 16)) click 1
        sleep 0.1
    done
    sleep 0.5
    import -window root -crop "$((w + 2 * fx))x$((h + fy + fx))+$((x - fx))+$((y - fy))" \
        "$screenshot"
    echo "wrote $screenshot"
fi

# The same suite as under CTest, on the windows platform and its fonts this time.
"$wine_run" "$tests/windows_tests.exe" --gtest_filter='TextsFitTest.*' -platform windows \
    >"$tests/texts_fit.log" 2>&1 || { cat "$tests/texts_fit.log"; fail "a text is cut"; }
pass "every text is whole in its control on the windows platform"
echo "$passed passed, 0 failed"
