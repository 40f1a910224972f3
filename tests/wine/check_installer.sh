#!/usr/bin/env bash
# The Windows installer in a fresh Wine prefix: a silent install puts the program, its
# Start menu entry, the .bdf association and its "Installed apps" entry where Windows keeps
# them; the installed zerlin.com exports a font with status 0 and refuses a missing one with
# 1; the silent uninstaller then leaves nothing of the installer's behind.
#   tests/wine/check_installer.sh SETUP.EXE
set -uo pipefail
setup="$(realpath "$1")"
here="$(cd "$(dirname "$0")/../.." && pwd)"
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
passed=0
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null; /usr/lib/wine/wineserver -w 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; echo "$passed passed, 1 failed"; exit 1; }
pass() { passed=$((passed + 1)); echo "ok: $*"; }
source "$here/tests/support/x_session.sh"
wait_seconds=60
reg() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r'; }

"$wine" wineboot -i >/dev/null 2>&1 || fail "no Wine prefix"
user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
installed="$user_dir/AppData/Local/Programs/Zerlin"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zerlin.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zerlin'
path_before=$(reg 'HKCU\Environment' /v Path)

"$wine" "$setup" /S || fail "the silent install failed with status $?"
[ -f "$installed/zerlin.exe" ] && [ -f "$installed/zerlin.com" ] &&
    [ -f "$installed/platforms/qwindows.dll" ] && [ -f "$installed/uninstall.exe" ] ||
    fail "the program is not in $installed"
[ -f "$shortcut" ] || fail "no Start menu entry"
pass "a silent install puts the program in AppData\\Local\\Programs\\Zerlin, with its Start menu entry"

reg 'HKCU\Software\Classes\.bdf' /ve | grep -q 'Zerlin.CharacterSet' || fail ".bdf does not open with Zerlin"
reg 'HKCU\Software\Classes\Zerlin.CharacterSet' /ve | grep -q 'Zerlin character set' ||
    fail "the association has no name"
reg 'HKCU\Software\Classes\Zerlin.CharacterSet\shell\open\command' /ve | grep -qF 'zerlin.exe" "%1"' ||
    fail "the association does not open the file"
for value in 'DisplayName.*Zerlin' 'DisplayVersion.*1\.00' 'DisplayIcon.*zerlin\.exe' \
    'UninstallString.*uninstall\.exe' 'EstimatedSize.*0x'; do
    reg "$uninstall_key" | grep -q "$value" || fail "the uninstall entry lacks $value"
done
[ "$(reg 'HKCU\Environment' /v Path)" = "$path_before" ] || fail "the PATH changed unasked"
pass "the .bdf association and the uninstall entry are registered; the PATH is as it was"

cp "$here/tests/fuzz/seeds/bdf/offsets.bdf" "$installed/font.bdf"
(cd "$installed" && "$wine" cmd /c "zerlin --export c font.bdf" >"$work/out.txt" 2>"$work/err.txt")
status=$?
rm "$installed/font.bdf"
[ $status = 0 ] && grep -q "0x3E, 0x09, 0x09, 0x09, 0x3E,  // 65 'A'" "$work/out.txt" ||
    fail "zerlin.com exported with status $status: $(head -c 300 "$work/out.txt" "$work/err.txt")"
(cd "$installed" && "$wine" cmd /c "zerlin --export c no-such.bdf" >/dev/null 2>"$work/err.txt")
status=$?
[ $status = 1 ] && grep -q 'no-such.bdf' "$work/err.txt" ||
    fail "a missing font gave status $status: $(cat "$work/err.txt")"
pass "the installed zerlin.com exports with status 0, and refuses a missing font with 1"

"$wine" "$installed/uninstall.exe" /S
gone() { [ ! -e "$installed" ] && [ ! -e "$shortcut" ] && ! reg "$uninstall_key" | grep -q Zerlin && echo yes; }
wait_for gone >/dev/null || fail "the uninstaller left: $(ls -R "$installed" 2>/dev/null | head -5) $(reg "$uninstall_key" | head -3)"
# The uninstaller runs on from a copy of itself after the files are gone; the next install
# must not race its last steps (the PATH among them).
timeout "$wait_seconds" /usr/lib/wine/wineserver -w || fail "the uninstaller did not end"
reg 'HKCU\Software\Classes\.bdf' /ve | grep -q Zerlin && fail "the .bdf association stayed"
reg 'HKCU\Software\Classes\Zerlin.CharacterSet' /ve | grep -q . && fail "the Zerlin.CharacterSet class stayed"
[ "$(reg 'HKCU\Environment' /v Path)" = "$path_before" ] || fail "the PATH is not as it was"
pass "the silent uninstaller removes the program, its entry, its association, and nothing else"

# Another program's .bdf files stay its own; /PATH puts the folder on the PATH, and the
# uninstaller takes it off again.
"$wine" reg add 'HKCU\Software\Classes\.bdf' /ve /d Other.Font /f >/dev/null 2>&1
"$wine" "$setup" /S /PATH || fail "the silent install with /PATH failed with status $?"
reg 'HKCU\Software\Classes\.bdf' /ve | grep -q 'Other.Font' || fail "a silent install took .bdf over"
reg 'HKCU\Environment' /v Path | grep -qF 'Programs\Zerlin' || fail "/PATH did not add the folder"
"$wine" "$installed/uninstall.exe" /S
wait_for gone >/dev/null || fail "the second uninstall left the program"
reg 'HKCU\Software\Classes\.bdf' /ve | grep -q 'Other.Font' || fail "the uninstaller took another program's .bdf"
[ "$(reg 'HKCU\Environment' /v Path)" = "$path_before" ] || fail "the PATH is not as it was: $(reg 'HKCU\Environment' /v Path)"
pass "another program keeps .bdf; /PATH adds the folder to the PATH and the uninstaller removes it"
echo "$passed passed, 0 failed"
