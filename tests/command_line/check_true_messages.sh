#!/usr/bin/env bash
# What the command line says is true of what it writes, and what it will not do it says in
# one line, with status 1 and nothing written.
set -uo pipefail
program="$1"
outside="$2"
font=/usr/share/fonts/X11/misc/5x7.pcf.gz
[ -f "$font" ] || exit 77
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
passed=0
fail() { echo "FAILED: $*"; echo "$passed passed, 1 failed"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# Refused: one line saying `pattern`, status 1, no OUTPUT.
refused() {
    local pattern="$1"
    shift
    rm -f "$out/written"
    "$program" "$@" 2>"$out/err" >"$out/stdout"
    local status=$?
    [ "$status" = 1 ] && [ "$(wc -l <"$out/err")" = 1 ] && grep -qF -- "$pattern" "$out/err" ||
        fail "$*: status $status, said: $(cat "$out/err")"
    [ ! -e "$out/written" ] || fail "$*: wrote an OUTPUT"
    passed=$((passed + 1))
}

# A sparse LCD table holds the characters chosen, and says it leaves none out.
"$program" --export lcd --sparse --map '0-7,65' "$font" - >"$out/lcd.h" 2>"$out/err" ||
    fail "a sparse LCD table"
grep -q "65 'A'" "$out/lcd.h" && ! grep -q 'left out' "$out/err" || fail "lcd: $(cat "$out/err")"
passed=$((passed + 1))

# A set with no character writes no table; names no compiler takes are refused by name.
printf 'STARTFONT 2.1\nFONT none\nSIZE 7 75 75\nFONTBOUNDINGBOX 5 7 0 -1\nCHARS 0\nENDFONT\n' \
    >"$out/none.bdf"
for layout in glcd lcd md-max72xx gfxfont width-prefixed; do
    refused "no character to write" --export "$layout" "$out/none.bdf" "$out/written"
done
refused '"int" is a keyword of C' --export gfxfont --name int "$font" "$out/written"
refused '"def" is a keyword of Python' --export glcd --language python --name def "$font" "$out/written"

# Options that do not apply are said, and so is one the program does not know.
refused "--pixels is for an outline font" --export c --pixels 12 "$font" "$out/written"
refused "--language is for tables" --export basic-rows --language c "$font" "$out/written"
refused "--pixels goes with --export" --pixels 12 "$font"
refused "Unknown option 'bogus'" --bogus
DISPLAY=:97 refused "no X server answers at DISPLAY :97" "$font"
refused "--box is for u8g2 fonts; glcd takes no box" --export glcd --box t "$font" "$out/written"
refused "a u8x8 font holds codes 0 to 255; U+0100 is past them" --export u8x8 "$font" "$out/written"
refused '--lvgl "7" is no LVGL version this program writes for; choose 8 or 9' \
    --export lvgl --lvgl 7 "$font" "$out/written"
"$program" --export lvgl-bin --map 32-126 "$font" "$out/font.bin" && head -c 100 "$out/font.bin" >"$out/cut.bin" ||
    fail "an LVGL binary font"
refused "says 204 bytes, past the font's 100" --export bdf "$out/cut.bin" "$out/written"

# Of a file of two u8g2 arrays, the one --name names is read; without it, the names are said.
{ "$program" --export u8g2 --map 65 --name first_a "$font" - &&
    "$program" --export u8g2 --box m --map 66 --name second_b "$font" -; } >"$out/two.c" ||
    fail "two u8g2 arrays"
refused "the text holds 2 font arrays: first_a, second_b; name the one to read" \
    --export bdf "$out/two.c" "$out/written"
"$program" --export u8g2 --name second_b "$out/two.c" - >"$out/b.c" 2>"$out/err" &&
    grep -q 'BBX Build Mode: 2' "$out/b.c" && [ "$(tail -n 1 "$out/b.c")" = "$(tail -n 1 "$out/two.c")" ] ||
    fail "second_b read back: $(cat "$out/err")"
passed=$((passed + 1))

# Files named as fonts are refused as fonts; a table that says nothing of itself names what
# reads it, and following it reads it as its library does.
: >"$out/empty.bdf"
refused "not a BDF or PCF font" --export c "$out/empty.bdf" "$out/written"
printf 'STARTFONT 2.1\nFONTBOUNDINGBOX 16 16 0 -2\nCHARS 1\nSTARTCHAR A\nENCODING 65\nBBX 16 16 0 -2\nBITMAP\n0000\n00' \
    >"$out/cut.bdf"
refused 'the file ends inside glyph "A"' --export c "$out/cut.bdf" "$out/written"
if [ -f "$outside/font_8x8.c" ]; then
    refused "--size 8x8 --first 0 --from rows-msb" --export bdf "$outside/font_8x8.c" "$out/written"
    "$program" --export bdf --size 8x8 --first 0 --from rows-msb "$outside/font_8x8.c" \
        "$out/console.bdf" 2>/dev/null || fail "the console font as its refusal says"
    grep -qx 'ENCODING 255' "$out/console.bdf" || fail "the console font's last code"
    # Into a file, not a pipe: grep -q stops reading at its match, and the writer's broken
    # pipe would then fail the pipeline at random.
    "$program" --export bdf --size 5x8 "$outside/glcdfont.c" "$out/classic.bdf" 2>"$out/err" &&
        grep -qx 'ENCODING 0' "$out/classic.bdf" && grep -q 'read as codes 0 to 255' "$out/err" ||
        fail "Adafruit's classic font at its codes: $(cat "$out/err")"
    passed=$((passed + 2))
fi
printf 'STARTFONT 2.1\nFONT past\nSIZE 7 75 75\nFONTBOUNDINGBOX 5 7 0 -1\nCHARS 2\n' >"$out/past.bdf"
for code in 65 128512; do
    printf 'STARTCHAR c%s\nENCODING %s\nDWIDTH 6 0\nBBX 5 7 0 -1\nBITMAP\n' "$code" "$code" >>"$out/past.bdf"
    printf '20\n20\n20\n20\n20\n00\n20\n' >>"$out/past.bdf"
    printf 'ENDCHAR\n' >>"$out/past.bdf"
done
printf 'ENDFONT\n' >>"$out/past.bdf"
refused "holds 16-bit codes, up to U+FFFF; U+1F600" --export gfxfont --map '$41,$1F600' \
    "$out/past.bdf" "$out/written"

# Counts in one style, in number; what a table leaves out names the way to the rest.
"$program" --export basic-rows "$font" - 2>"$out/err" >/dev/null
grep -q 'left out 1,656 characters past code 255; the table holds codes 0 to 255; --map' \
    "$out/err" || fail "BASIC past 255: $(cat "$out/err")"
"$program" --export c --map '65,$1F600' "$out/past.bdf" - 2>/dev/null >/dev/null
"$program" --export c "$out/past.bdf" - 2>"$out/err" >/dev/null
grep -q 'left out 1 character past code 255' "$out/err" || fail "one: $(cat "$out/err")"
passed=$((passed + 2))
echo "$passed passed, 0 failed"
