#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "character_set.h"

namespace zrl {

// A box in font coordinates, as bitmap fonts give it: the lower-left corner at (x, y)
// from the glyph's origin, y upwards, the baseline at y = 0.
struct GlyphBox {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

// One glyph as a font file holds it. Rows run from the top; in each row the left column
// is the highest of the 64 bits, and columns past 64 are kept only as `inkBeyond`.
struct BitmapGlyph {
    long code = -1;  // -1: the font gives it no code
    std::string name;
    GlyphBox box;
    std::vector<std::uint64_t> rows;
    bool inkBeyond = false;
    int advance = -1;  // pixels from this glyph's origin to the next one's; -1: not given
};

struct BitmapFont {
    std::string name;
    GlyphBox box;  // the font's box: the characters' cell, up to 32x32 from its top left
    std::vector<BitmapGlyph> glyphs;
};

// What became of a font's glyphs: the set, and how many were left out and why.
struct ImportedFont {
    CharacterSet set;
    int tooLarge = 0;      // ink outside the cell
    int outsideCodes = 0;  // a code above 255, or none
    int repeated = 0;      // a second glyph at a code already taken

    int LeftOut() const { return tooLarge + outsideCodes + repeated; }
};

// Places every glyph in the font's own cell, its box (up to 32x32 from the top left; a font
// with no box has a 5x7 cell), by the glyph's box. A glyph fits when all its lit pixels
// fall inside the cell; its blank margins may lie outside. A character's width is its
// advance less the one column between characters, at most the cell's width.
ImportedFont ImportFont(const BitmapFont& font);

// One line for the user: "" when nothing was left out, else how many and which kind.
std::string DescribeLeftOut(const ImportedFont& imported);

// The names a glyph and a font without one are written with, and read back as no name.
std::string DefaultGlyphName(int code);
std::string DefaultFontName(const CharacterSet& set);

// The advance of an average character, in tenths of a pixel, each character as wide as its
// width and one column more.
long AverageWidth(const CharacterSet& set);
// An XLFD font name with its spacing and average width fields as the set's properties say
// them; any other name as it is.
std::string AgreeingFontName(const std::string& name, const CharacterSet& set);

}  // namespace zrl
