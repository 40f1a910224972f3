#!/usr/bin/env bash
# zerlin --export with no display at all: X11's 5x7 font as a C table, through BDF and back
# to the same table; an input that is no font exits 1 with one line and writes no output.
set -uo pipefail
program="$1"
font=/usr/share/fonts/X11/misc/5x7.pcf.gz
[ -f "$font" ] || exit 77
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
fail() { echo "FAILED: $*"; echo "0 passed, 1 failed"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$program" --export c "$font" >"$out/font.h" 2>"$out/err" || fail "exit $? for the C table"
grep -qF "    0x3E, 0x09, 0x09, 0x3E, 0x00,  // 65 'A'" "$out/font.h" || fail "no A in the C table"
"$program" --export bdf "$font" "$out/5x7.bdf" 2>/dev/null || fail "exit $? for BDF"
"$program" --export c --name font "$out/5x7.bdf" "$out/again.h" || fail "exit $? from BDF"
cmp -s "$out/font.h" "$out/again.h" || fail "the table from the saved BDF differs"

# Each text form, read back as INPUT, gives the same characters at the same codes.
for form in basic-rows basic-columns c lcd; do
    table=c
    [ "$form" = lcd ] && table=lcd
    "$program" --export "$form" "$font" "$out/$form.txt" 2>/dev/null || fail "exit $? for $form"
    "$program" --export "$table" "$font" "$out/$form.expected" 2>/dev/null
    "$program" --export "$table" "$out/$form.txt" "$out/$form.back" || fail "exit $? reading $form"
    cmp -s "$out/$form.back" "$out/$form.expected" || fail "$form does not read back the same"
done

printf 'no font\n' >"$out/junk.txt"
"$program" --export lcd "$out/junk.txt" "$out/junk.h" 2>"$out/err"
status=$?
[ "$status" = 1 ] || fail "exit $status for junk"
[ "$(wc -l <"$out/err")" = 1 ] && grep -qF "junk.txt: line 1: each character starts with a comment" "$out/err" ||
    fail "said: $(cat "$out/err")"
[ ! -e "$out/junk.h" ] || fail "an output was written for junk"
# A layout or language that does not exist is one line and status 1, whatever the input.
for wrong in "--export foo" "--export pages --language basic"; do
    # shellcheck disable=SC2086
    "$program" $wrong "$font" "$out/wrong.h" 2>"$out/err"
    status=$?
    [ "$status" = 1 ] && [ "$(wc -l <"$out/err")" = 1 ] && grep -qE '^zerlin: unknown (layout|language)' "$out/err" ||
        fail "$wrong: exit $status, said: $(cat "$out/err")"
    [ ! -e "$out/wrong.h" ] || fail "an output was written for $wrong"
done
# An outline font at a size: its BDF opens as the same set, a size past 255x255 and no size
# at all are refused in one line each.
ttf=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
if [ -f "$ttf" ]; then
    "$program" --export bdf --pixels 12 "$ttf" "$out/dejavu.bdf" || fail "exit $? for a TTF"
    grep -q '^COPYRIGHT "Copyright' "$out/dejavu.bdf" || fail "no copyright in the TTF's BDF"
    "$program" --export gfxfont --pixels 12 "$ttf" "$out/ttf.h" &&
        "$program" --export gfxfont "$out/dejavu.bdf" "$out/bdf.h" || fail "exit $? for gfxfont"
    cmp -s "$out/ttf.h" "$out/bdf.h" || fail "the TTF's BDF is another set"
    for size in "--pixels 300" ""; do
        # shellcheck disable=SC2086
        "$program" --export c $size "$ttf" "$out/big.h" 2>"$out/err"
        status=$?
        [ "$status" = 1 ] && [ "$(wc -l <"$out/err")" = 1 ] &&
            grep -qE '245 px is the largest size that fits|needs a size: --pixels N, or --points P' "$out/err" ||
            fail "${size:-no size}: exit $status, said: $(cat "$out/err")"
    done
    # A map that does not parse is refused before the font is rasterised at all.
    "$program" --export c --map '32-x' --pixels 300 "$ttf" 2>"$out/err" >/dev/null
    grep -q 'column 4' "$out/err" || fail "a bad map with a size too large: $(cat "$out/err")"
fi
echo "7 passed, 0 failed"
