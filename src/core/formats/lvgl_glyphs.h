#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats/bitmap_font.h"
#include "core/model/character_set.h"

namespace zrl {

// A glyph as LVGL's fonts hold it: its box trimmed to its lit dots, the box's lower-left
// corner from the origin with y upwards, its rows packed one after another from the top,
// most significant bit first, with no padding between rows.
struct LvglGlyph {
    long code = 0;
    int advance16 = 0;  // the advance in sixteenths of a pixel
    GlyphBox box;
    std::vector<std::uint8_t> bits;

    bool Lit(int column, int row) const;  // row 0 is the box's top
};

// An LVGL font of one bit per pixel: its glyphs in ascending code order, as ids 1 to N.
struct LvglFont {
    std::string name;       // the font's own, as its BDF FONT line gives it
    std::string copyright;  // unquoted; "" where none
    std::vector<LvglGlyph> glyphs;
    int size = 0;  // pixels
    int ascent = 0;
    int descent = 0;  // below the baseline: negative
    int underlinePosition = 0;
    int underlineThickness = 0;
    // The line the glyph boxes take: from the lowest box's bottom to the highest's top, and
    // the baseline's height above the bottom.
    int lineHeight = 0;
    int baseLine = 0;
};

// The font a set is as LVGL holds it: each of its glyphs trimmed to its dots. A glyph with
// no dot has an empty box at the origin, and no bytes; one whose box is a single blank dot
// keeps it, as LVGL's converter writes a blank glyph of an outline font.
LvglFont LvglFontOf(const CharacterSet& set);

// The line height and base line of the glyphs' boxes, an empty box counting as one at the
// origin.
void MeasureLines(LvglFont& font);

// Why LVGL cannot hold the font: no glyph, or more than its 16-bit glyph ids reach; "" where
// it can.
std::string WhyNoLvglFont(const LvglFont& font);

// What LVGL's small glyph descriptions cannot hold, which the font then needs
// LV_FONT_FMT_TXT_LARGE for; "" where they hold it all.
std::string NeedsLargeFormat(const LvglFont& font);

// The font as a bitmap font: its glyphs at their boxes, with its lines and sizes as BDF's
// properties say them.
BitmapFont BitmapFontOf(const LvglFont& font);

// "line_height 15, base_line 3; 2 ranges: 32-126 tiny, 8592-8800 sparse (6 codes)".
std::string DescribeLvglFont(const LvglFont& font);

// The name an LVGL font of a bitmap font is given where none is: an XLFD name's family and
// pixel size, "fixed_13"; any other name as an identifier.
std::string LvglFontName(std::string_view fontName);

// An identifier made of a name: letters, digits and underscores, not starting with a digit.
std::string IdentifierOf(std::string_view name);

}  // namespace zrl
