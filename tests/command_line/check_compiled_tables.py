#!/usr/bin/env python3
"""Every table layout compiled by the host's C compiler beside a small program that draws
characters the way the reading library does, compared dot for dot with the set's BDF; the
Python lists hold the same values; a table with no comment converts through other layouts
and back unchanged. Usage: check_compiled_tables.py ZERLIN. Exits 77 where the fonts or a
C or C++ compiler are missing."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

FOLDER = "/usr/share/fonts/X11/misc"
FONTS = ["5x7", "6x13", "12x24"]
LAYOUTS = ["glcd", "pages", "rows-msb", "rows-lsb", "lcd", "width-prefixed", "gfxfont",
           "md-max72xx", "ssd1306ascii"]
# A proportional font whose glyphs touch their advance, rasterised at 9 pt.
PROPORTIONAL = "/usr/share/fonts/truetype/freefont/FreeSans.ttf"
DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

PRELUDE = r"""#include <stdint.h>
#include <stdio.h>
#include <string.h>
#define PROGMEM
#define pgm_read_word(p) (*(p))
#define pgm_read_dword(p) (*(p))
#ifdef __cplusplus
struct MD_MAX72XX { typedef uint8_t fontType_t; };
/* What an Arduino sketch has: a display that keeps the characters createChar gives it. */
#define memcpy_P memcpy
static uint8_t shown[8][8];
struct Display {
    void createChar(uint8_t code, uint8_t rows[]) { memcpy(shown[code], rows, 8); }
};
#endif
typedef struct {
    uint16_t bitmapOffset;
    uint8_t width, height, xAdvance;
    int8_t xOffset, yOffset;
} GFXglyph;
typedef struct {
    uint8_t *bitmap;
    GFXglyph *glyph;
    uint16_t first, last;
    uint8_t yAdvance;
} GFXfont;
#include "table.h"
enum { W = %(w)d, H = %(h)d, ASCENT = %(ascent)d, FIRST = %(first)d, B = (H + 7) / 8,
       J = (W + 7) / 8, COLUMNS = 1200 };
static char canvas[H][COLUMNS];
static void pixel(int x, int y) {
    if (x >= 0 && x < COLUMNS && y >= 0 && y < H) canvas[y][x] = '#';
}
"""

# How each library finds a character's dot at row r, column c, and how far it moves on.
DRAW = {
    "glcd": "const unsigned char *p = font + (code - FIRST) * W * B;\n"
            "FOR_DOTS(W, (p[c * B + r / 8] >> (r % 8)) & 1)\nreturn W + 1;",
    "pages": "const unsigned char *p = font + (code - FIRST) * W * B;\n"
             "FOR_DOTS(W, (p[(r / 8) * W + c] >> (r % 8)) & 1)\nreturn W + 1;",
    "rows-msb": "const unsigned char *p = font + (code - FIRST) * H * J;\n"
                "FOR_DOTS(W, (p[r * J + c / 8] >> (7 - c % 8)) & 1)\nreturn W + 1;",
    "rows-lsb": "const unsigned char *p = font + (code - FIRST) * H * J;\n"
                "FOR_DOTS(W, (p[r * J + c / 8] >> (c % 8)) & 1)\nreturn W + 1;",
    "lcd": "const unsigned char *p = lcd[code];\n"
           "FOR_DOTS(W, (p[r] >> (W - 1 - c)) & 1)\nreturn W + 1;",
    "width-prefixed": "const unsigned char *p = font;\n"
                      "for (int k = FIRST; k < code; ++k) p += 1 + p[0] * B;\n"
                      "const int w = p[0];\n"
                      "FOR_DOTS(w, (p[1 + c * B + r / 8] >> (r % 8)) & 1)\nreturn w + 1;",
    # MD_MAX72XX's documented walk: past the header 'F', 1, first, last, height, each
    # character's size byte and that many columns, bit 0 the top row.
    "md-max72xx": "const unsigned char *p = font + 5;\n"
                  "for (int k = font[2]; k < code; ++k) p += 1 + p[0];\n"
                  "const int w = p[0];\n"
                  "FOR_DOTS(w, (p[1 + c] >> r) & 1)\nreturn w + 1;",
    # SSD1306Ascii's documented header (type, width, height, first code, count), a
    # proportional font's widths after it, then pages; the last page of a proportional font
    # whose height is no multiple of 8 has its rows in the top bits. Fixed fonts of type 0
    # have a column between characters.
    "ssd1306ascii": "const int type = font[0] << 8 | font[1], h = font[3], nr = (h + 7) / 8;\n"
                    "const int first = font[4], count = font[5];\n"
                    "int w = font[2], shift = 0;\n"
                    "const unsigned char *p = font + 6 + nr * w * (code - first);\n"
                    "if (type > 1) {\n"
                    "    unsigned index = 0;\n"
                    "    for (int i = 0; i < code - first; ++i) index += font[6 + i];\n"
                    "    w = font[6 + code - first];\n"
                    "    p = font + 6 + count + nr * index;\n"
                    "    shift = h % 8 ? 8 - h % 8 : 0;\n"
                    "}\n"
                    "FOR_DOTS(w, (p[(r / 8) * w + c] >> (r / 8 == nr - 1 ? shift : 0) >> (r % 8)) & 1)\n"
                    "return w + (type == 1 ? 0 : 1);",
    # The glyph loop of Adafruit GFX's documentation: the cursor on the baseline, the box at
    # xOffset and yOffset, bits most significant first, running on across rows.
    "gfxfont": "const GFXglyph *g = &font.glyph[code - font.first];\n"
               "const uint8_t *bitmap = font.bitmap;\n"
               "uint16_t bo = g->bitmapOffset;\nuint8_t bits = 0, bit = 0;\n"
               "for (int yy = 0; yy < g->height; yy++)\n"
               "    for (int xx = 0; xx < g->width; xx++) {\n"
               "        if (!(bit++ & 7)) bits = bitmap[bo++];\n"
               "        if (bits & 0x80) pixel(x + g->xOffset + xx, ASCENT + g->yOffset + yy);\n"
               "        bits <<= 1;\n    }\nreturn g->xAdvance;",
}

MAIN = r"""
#define FOR_DOTS(WIDTH, LIT) \
    for (int r = 0; r < H; ++r) for (int c = 0; c < (WIDTH); ++c) if (LIT) pixel(x + c, r);
static int draw(int x, int code) {
%(draw)s
}
int main(void) {
    static const int text[] = {%(codes)s};
    memset(canvas, '.', sizeof canvas);
    %(setup)s
    int x = 0;
    for (unsigned i = 0; i < sizeof text / sizeof text[0]; ++i) x += draw(x, text[i]);
    for (int r = 0; r < H; ++r) printf("%%.*s\n", x, canvas[r]);
    return 0;
}
"""


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def read_bdf(text):
    """The cell, rows above the baseline, and each code's (dots, advance), each glyph's box
    placed in the cell."""
    lines, glyphs, i = text.splitlines(), {}, 0
    while i < len(lines):
        words = lines[i].split()
        if words[:1] == ["FONTBOUNDINGBOX"]:
            w, h, left, descent = int(words[1]), int(words[2]), int(words[3]), -int(words[4])
        elif words[:1] == ["ENCODING"]:
            code = int(words[1])
        elif words[:1] == ["DWIDTH"]:
            advance = int(words[1])
        elif words[:1] == ["BBX"]:
            bw, bh, bx, by = map(int, words[1:5])
        elif words[:1] == ["BITMAP"]:
            rows = [int(lines[i + 1 + r], 16) for r in range(bh)]
            bits = (bw + 7) // 8 * 8
            top = h - descent - (by + bh)
            dots = {(top + r, bx - left + c) for r in range(bh) for c in range(bw)
                    if rows[r] >> (bits - 1 - c) & 1}
            glyphs[code] = (dots, advance)
        i += 1
    return w, h, h - descent, glyphs


def expected(layout, cell, codes):
    w, h, _, glyphs = cell
    canvas, x = [["."] * 1200 for _ in range(h)], 0
    advances = {advance for _, advance in glyphs.values()}
    if layout == "ssd1306ascii" and advances in ({w}, {w + 1}):
        layout = "fixed"  # every character its cell, with or without a column after it
    for code in codes:
        dots, advance = glyphs.get(code, (set(), w + 1))
        for r, c in dots:
            canvas[r][x + c] = "#"
        # Width-prefixed: every column to the last lit one, then the reader's own gap.
        columns = max([advance - 1] + [c + 1 for _, c in dots])
        prefixed = columns + 1
        x += {"width-prefixed": prefixed, "md-max72xx": prefixed, "gfxfont": advance,
              "ssd1306ascii": prefixed, "fixed": advance}.get(layout, w + 1)
    return "".join("".join(row[:x]) + "\n" for row in canvas)


def values(c_text):
    body = c_text[c_text.index("= {") :]
    body = re.sub(r"//[^\n]*", "", body)
    return [int(v, 0) for v in re.findall(r"\b0[xb][0-9A-Fa-f]+\b", body)]


def check_font(zerlin, font, folder, compiler, layouts=LAYOUTS, size=()):
    path = os.path.join(FOLDER, font + ".pcf.gz") if "/" not in font else font
    # Tables of bytes hold codes 0 to 255; SSD1306Ascii's hold 255 at most.
    chosen = ["--map", "32-126", *size] if size else ["--map", "0-126"]
    cell = read_bdf(run(zerlin, "--export", "bdf", *chosen, path))
    w, h, ascent, glyphs = cell
    failures = []
    for layout in layouts:
        if (layout == "lcd" and (w > 8 or h > 8)) or (layout == "md-max72xx" and h > 8):
            continue
        codes = list(range(8)) if layout == "lcd" else [ord(c) for c in "Help, Quy!"]
        for language in ["c", "arduino"] if layout != "gfxfont" else ["c"]:
            table = run(zerlin, "--export", layout, "--language", language, *chosen, path)
            with open(os.path.join(folder, "table.h"), "w") as out:
                out.write(table)
            first = 0 if layout == "lcd" else min(glyphs)
            # An Arduino sketch's LCD characters reach the display through createChar.
            sketch = layout == "lcd" and language == "arduino"
            draw = DRAW[layout].replace("lcd[code]", "shown[code]") if sketch else DRAW[layout]
            source = PRELUDE % {"w": w, "h": h, "ascent": ascent, "first": first}
            source += MAIN % {"draw": draw, "codes": ", ".join(map(str, codes)),
                              "setup": "Display display; lcd_create(display);" if sketch else ""}
            with open(os.path.join(folder, "draw.c"), "w") as out:
                out.write(source)
            program = os.path.join(folder, "draw")
            # MD_MAX72XX's type is a C++ name: its Arduino table compiles as C++.
            cplusplus = layout in ("md-max72xx", "lcd") and language == "arduino"
            run(*([shutil.which("c++"), "-x", "c++", "-std=c++17"] if cplusplus
                  else [compiler, "-std=c11"]),
                "-Wall", "-Wextra", "-Werror", "-o", program, os.path.join(folder, "draw.c"))
            if run(program) != expected(layout, cell, codes):
                failures.append(f"{font} {layout} {language}: the drawn dots differ")
        if layout != "gfxfont":
            python = run(zerlin, "--export", layout, "--language", "python", *chosen, path)
            scope = {}
            exec(python, scope)
            listed = scope["lcd" if layout == "lcd" else "font"]
            flat = [v for item in listed for v in (item if isinstance(item, list) else [item])]
            if flat != values(run(zerlin, "--export", layout, *chosen, path)):
                failures.append(f"{font} {layout}: the Python list differs from the C table")
    return failures


SPARSE_MAIN = r"""
#define FOR_DOTS(WIDTH, LIT) \
    for (int r = 0; r < H; ++r) for (int c = 0; c < (WIDTH); ++c) if (LIT) pixel(x + c, r);
static int draw(int x, int index) {
%(draw)s
}
int main(void) {
    const char *s = "%(text)s";
    memset(canvas, '.', sizeof canvas);
    int x = 0;
    while (*s) {
        const int index = font_index(font_next(&s));
        if (index < 0) return 2;
        x += draw(x, index);
    }
    for (int r = 0; r < H; ++r) printf("%%.*s\n", x, canvas[r]);
    /* A lead byte cut short by the end, and one followed by no continuation byte. */
    const char *bad = "\xC3(\xE2\x82";
    while (*bad) printf("%%X ", (unsigned)font_next(&bad));
    printf("\n");
    return 0;
}
"""

TEXT = "Привет, мир!"


def check_sparse(zerlin, folder, compiler):
    """Unifont's ASCII and Cyrillic as sparse tables: UTF-8 text decoded by the table's own
    functions and drawn dot for dot; the Python list and functions find the same."""
    path = os.path.join(FOLDER, "unifont.pcf.gz")
    if not os.path.exists(path):
        return []
    chosen = ["--map", "32-126,$410-$44F"]
    _, h, ascent, glyphs = read_bdf(run(zerlin, "--export", "bdf", *chosen, path))
    codes, failures = [ord(c) for c in TEXT], []
    for layout in ["glcd", "pages", "rows-msb", "rows-lsb", "width-prefixed"]:
        for language in ["c", "arduino"]:
            table = run(zerlin, "--export", layout, "--sparse", "--language", language, *chosen,
                        path)
            w = int(re.match(r"// (\d+)x", table).group(1))
            with open(os.path.join(folder, "table.h"), "w") as out:
                out.write(table)
            draw = DRAW[layout].replace("(code - FIRST)", "index").replace(
                "k = FIRST; k < code", "k = 0; k < index")
            source = PRELUDE % {"w": w, "h": h, "ascent": ascent, "first": 0}
            source += SPARSE_MAIN % {"draw": draw, "text": TEXT}
            with open(os.path.join(folder, "draw.c"), "w") as out:
                out.write(source)
            program = os.path.join(folder, "draw")
            run(compiler, "-std=c11", "-Wall", "-Wextra", "-Werror", "-o", program,
                os.path.join(folder, "draw.c"))
            drawn = expected(layout, (w, h, ascent, glyphs), codes) + "FFFD 28 FFFD \n"
            if run(program) != drawn:
                failures.append(f"unifont sparse {layout} {language}: the drawn dots differ")
        scope = {}
        exec(run(zerlin, "--export", layout, "--sparse", "--language", "python", *chosen, path),
             scope)
        found = [scope["font_index"](c) for c in scope["font_decode"](TEXT.encode())]
        if [scope["font_codes"][i] for i in found] != codes or -1 in found:
            failures.append(f"unifont sparse {layout} python: the text's characters not found")
    return failures


# LVGL's structures as its lv_font_fmt_txt.h declares them (small descriptions), and the
# lookup and drawing its documentation gives: a code's glyph id through the cmaps, then the
# box's dots from the top, placed by the offsets above the baseline.
LVGL_H = r"""#ifndef LVGL_H
#define LVGL_H
#include <stdint.h>
#include <stddef.h>
#define LVGL_VERSION_MAJOR %(major)d
#define LVGL_VERSION_MINOR 0
#define LV_VERSION_CHECK(x, y, z) (LVGL_VERSION_MAJOR > (x))
#define LV_ATTRIBUTE_LARGE_CONST
enum { LV_FONT_SUBPX_NONE };
typedef enum {
    LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL, LV_FONT_FMT_TXT_CMAP_SPARSE_FULL,
    LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY, LV_FONT_FMT_TXT_CMAP_SPARSE_TINY
} lv_font_fmt_txt_cmap_type_t;
typedef struct {
    uint32_t bitmap_index : 20;
    uint32_t adv_w : 12;
    uint8_t box_w, box_h;
    int8_t ofs_x, ofs_y;
} lv_font_fmt_txt_glyph_dsc_t;
typedef struct {
    uint32_t range_start;
    uint16_t range_length, glyph_id_start;
    const uint16_t *unicode_list;
    const void *glyph_id_ofs_list;
    uint16_t list_length;
    lv_font_fmt_txt_cmap_type_t type;
} lv_font_fmt_txt_cmap_t;
typedef struct { uint32_t last_letter, last_glyph_id; } lv_font_fmt_txt_glyph_cache_t;
typedef struct {
    const uint8_t *glyph_bitmap;
    const lv_font_fmt_txt_glyph_dsc_t *glyph_dsc;
    const lv_font_fmt_txt_cmap_t *cmaps;
    const void *kern_dsc;
    uint16_t kern_scale;
    uint16_t cmap_num : 9, bpp : 4, kern_classes : 1, bitmap_format : 2;
#if LVGL_VERSION_MAJOR == 8
    lv_font_fmt_txt_glyph_cache_t *cache;
#endif
} lv_font_fmt_txt_dsc_t;
typedef struct lv_font_t {
    int (*get_glyph_dsc)(void);
    int (*get_glyph_bitmap)(void);
    int32_t line_height, base_line;
    uint8_t subpx;
    int8_t underline_position, underline_thickness;
    const void *dsc;
    const struct lv_font_t *fallback;
    void *user_data;
} lv_font_t;
int lv_font_get_glyph_dsc_fmt_txt(void);
int lv_font_get_bitmap_fmt_txt(void);
#endif
"""

LVGL_MAIN = r"""#include <stdio.h>
#include <string.h>
#include "lvgl.h"
#include "font.c"
int lv_font_get_glyph_dsc_fmt_txt(void) { return 0; }
int lv_font_get_bitmap_fmt_txt(void) { return 0; }
enum { H = %(h)d, ASCENT = %(ascent)d, COLUMNS = 400 };
static char canvas[H][COLUMNS];
static unsigned glyph_id(const lv_font_fmt_txt_dsc_t *f, uint32_t code) {
    for (int i = 0; i < f->cmap_num; ++i) {
        const lv_font_fmt_txt_cmap_t *m = &f->cmaps[i];
        const uint32_t rcp = code - m->range_start;
        if (code < m->range_start || rcp >= m->range_length) continue;
        if (m->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY) return m->glyph_id_start + rcp;
        if (m->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL)
            return m->glyph_id_start + ((const uint8_t *)m->glyph_id_ofs_list)[rcp];
        for (unsigned k = 0; k < m->list_length; ++k)
            if (m->unicode_list[k] == rcp) return m->glyph_id_start + k;
    }
    return 0;
}
int main(void) {
    static const uint32_t text[] = {%(codes)s};
    const lv_font_fmt_txt_dsc_t *f = %(name)s.dsc;
    const int top = %(name)s.line_height - %(name)s.base_line;
    memset(canvas, '.', sizeof canvas);
    int x = 0;
    for (size_t i = 0; i < sizeof text / sizeof text[0]; ++i) {
        const unsigned id = glyph_id(f, text[i]);
        if (id == 0) return 2;
        const lv_font_fmt_txt_glyph_dsc_t *g = &f->glyph_dsc[id];
        for (int r = 0; r < g->box_h; ++r)
            for (int c = 0; c < g->box_w; ++c) {
                const unsigned dot = r * g->box_w + c;
                if (!((f->glyph_bitmap[g->bitmap_index + dot / 8] >> (7 - dot %% 8)) & 1)) continue;
                const int y = top - g->box_h - g->ofs_y + r;
                if (y < 0 || y >= %(name)s.line_height) return 3;
                canvas[y + ASCENT - top][x + g->ofs_x + c] = '#';
            }
        x += (g->adv_w + 8) >> 4;
    }
    for (int r = 0; r < H; ++r) printf("%%.*s\n", x, canvas[r]);
    return 0;
}
"""


def check_lvgl(zerlin, folder, compiler):
    """6x13's ASCII and Cyrillic as an LVGL font, compiled for LVGL 8 and 9 against LVGL's
    structures and drawn through its cmaps dot for dot; and a rasterised DejaVu Sans through
    both of LVGL's fonts and back with every dot."""
    failures = []
    path = os.path.join(FOLDER, "6x13.pcf.gz")
    chosen = ["--map", "32-126,$410-$44F"]
    cell = read_bdf(run(zerlin, "--export", "bdf", *chosen, path))
    _, h, ascent, _ = cell
    codes = [ord(c) for c in "Help, Привет!"]
    run(zerlin, "--export", "lvgl", "--name", "lv_test", *chosen, path,
        os.path.join(folder, "font.c"))
    for major in (8, 9):
        with open(os.path.join(folder, "lvgl.h"), "w") as out:
            out.write(LVGL_H % {"major": major})
        with open(os.path.join(folder, "draw.c"), "w") as out:
            out.write(LVGL_MAIN % {"h": h, "ascent": ascent, "name": "lv_test",
                                   "codes": ", ".join(map(str, codes))})
        program = os.path.join(folder, "draw")
        run(compiler, "-std=c11", "-Wall", "-Wextra", "-Werror", "-DLV_LVGL_H_INCLUDE_SIMPLE",
            "-I", folder, "-o", program, os.path.join(folder, "draw.c"))
        if run(program) != expected("gfxfont", cell, codes):
            failures.append(f"6x13 lvgl for LVGL {major}: the drawn dots differ")
    dejavu = DEJAVU
    if os.path.exists(dejavu):
        raster = ["--pixels", "16", "--map", "32-126"]
        bdf = run(zerlin, "--export", "bdf", *raster, dejavu)
        want = {code: (sorted((ascent_row(read_bdf(bdf), r), c) for r, c in dots), advance)
                for code, (dots, advance) in read_bdf(bdf)[3].items()}
        for layout, name in (("lvgl", "dejavu.c"), ("lvgl-bin", "dejavu.bin")):
            written = os.path.join(folder, name)
            run(zerlin, "--export", layout, *raster, dejavu, written)
            back = read_bdf(run(zerlin, "--export", "bdf", written))
            got = {code: (sorted((ascent_row(back, r), c) for r, c in dots), advance)
                   for code, (dots, advance) in back[3].items()}
            if got != want:
                failures.append(f"DejaVu Sans 16 px through {layout} and back: dots differ")
    return failures


def ascent_row(cell, row):
    """A row of a cell as its height above the baseline."""
    return cell[2] - 1 - row


def check_gfx_read_back(zerlin, folder):
    path = os.path.join(FOLDER, "6x13.pcf.gz")
    header = os.path.join(folder, "font.h")
    run(zerlin, "--export", "gfxfont", path, header)
    if run(zerlin, "--export", "gfxfont", header) != run(zerlin, "--export", "gfxfont", path):
        return ["6x13 gfxfont: read back, it is not the same set"]
    return []


def check_gfx_conversions(zerlin, folder):
    """A proportional GFXfont whose glyphs touch their advance (FreeMono 9 pt, with the dots
    Adafruit's converter gives it) through every layout and back: every dot, and every
    width where the layout holds widths."""
    mono = PROPORTIONAL.replace("FreeSans", "FreeMono")
    if not os.path.exists(mono):
        return []
    gfx = os.path.join(folder, "FreeMono9pt7b.h")
    run(zerlin, "--export", "gfxfont", "--points", "9", "--map", "32-126", mono, gfx)
    failures = []
    for layout in ["glcd", "pages", "rows-msb", "rows-lsb", "width-prefixed", "gfxfont",
                   "ssd1306ascii"]:
        table = os.path.join(folder, "converted.h")
        run(zerlin, "--export", layout, gfx, table)
        kept = "glcd" if layout in ("glcd", "pages", "rows-msb", "rows-lsb") else "width-prefixed"
        if run(zerlin, "--export", kept, table) != run(zerlin, "--export", kept, gfx):
            failures.append(f"FreeMono 9 pt through {layout} and back: dots or widths differ")
    return failures


def check_large(zerlin, folder, compiler):
    """DejaVu Sans at 96 px, cells past 64 dots a side: tables of bytes that compile and draw
    every dot, and a GFXfont of its 95 characters that compiles and reads back the same."""
    if not os.path.exists(DEJAVU):
        return []
    raster = ["--pixels", "96", "--map", "32-126"]
    failures = check_font(zerlin, DEJAVU, folder, compiler, ["glcd", "rows-msb"], raster[:2])
    header = os.path.join(folder, "table.h")
    run(zerlin, "--export", "gfxfont", *raster, DEJAVU, header)
    source = os.path.join(folder, "gfx.c")
    with open(source, "w") as out:
        out.write(PRELUDE % {"w": 1, "h": 1, "ascent": 1, "first": 32})
        out.write("int main(void) {\n    pixel(0, 0);\n"
                  "    return canvas[0][0] == '#' && font.last - font.first + 1 == 95 ? 0 : 1;\n}\n")
    program = os.path.join(folder, "gfx")
    run(compiler, "-std=c11", "-Wall", "-Wextra", "-Werror", "-o", program, source)
    run(program)
    if run(zerlin, "--export", "gfxfont", header) != run(zerlin, "--export", "gfxfont", *raster,
                                                           DEJAVU):
        failures.append("DejaVu Sans 96 px gfxfont: read back, it is not the same set")
    return failures


def check_conversions(zerlin, folder):
    """A bare glcd table with no comment, through pages and rows-msb, back to glcd."""
    path = os.path.join(FOLDER, "5x7.pcf.gz")
    glcd = values(run(zerlin, "--export", "glcd", path))[32 * 5 : 127 * 5]
    bare = os.path.join(folder, "bare.h")
    with open(bare, "w") as out:
        out.write("const unsigned char f[] = {" + ", ".join(map(hex, glcd)) + "};\n")
    pages, rows = os.path.join(folder, "pages.h"), os.path.join(folder, "rows.py")
    run(zerlin, "--export", "pages", "--from", "glcd", "--size", "5x7", "--first", "32", bare,
        pages)
    run(zerlin, "--export", "rows-msb", "--language", "python", pages, rows)
    if values(run(zerlin, "--export", "glcd", rows)) != glcd:
        return ["a bare glcd table through pages and rows-msb comes back changed"]
    return []


def main():
    zerlin = sys.argv[1]
    compiler = shutil.which("cc") or shutil.which("gcc")
    if compiler is None or shutil.which("c++") is None or not all(
        os.path.exists(os.path.join(FOLDER, f + ".pcf.gz")) for f in FONTS
    ):
        print("SKIP: no C or C++ compiler, or no X11 fonts")
        return 77
    with tempfile.TemporaryDirectory() as folder:
        failures = []
        for font in FONTS:
            failures += check_font(zerlin, font, folder, compiler)
        if os.path.exists(PROPORTIONAL):
            failures += check_font(zerlin, PROPORTIONAL, folder, compiler,
                                   ["width-prefixed", "ssd1306ascii"], ["--points", "9"])
            # MD_MAX72XX's fonts are 8 rows at most.
            failures += check_font(zerlin, PROPORTIONAL, folder, compiler,
                                   ["md-max72xx", "ssd1306ascii"], ["--pixels", "8"])
        failures += check_gfx_read_back(zerlin, folder)
        failures += check_gfx_conversions(zerlin, folder)
        failures += check_sparse(zerlin, folder, compiler)
        failures += check_conversions(zerlin, folder)
        failures += check_lvgl(zerlin, folder, compiler)
        failures += check_large(zerlin, folder, compiler)
    for failure in failures:
        print("FAIL:", failure)
    print("ok" if not failures else f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
