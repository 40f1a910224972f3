#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/character_set.h"

namespace zrl {

// A box in font coordinates, as bitmap fonts give it: the lower-left corner at (x, y)
// from the glyph's origin, y upwards, the baseline at y = 0.
struct GlyphBox {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

// One glyph as a font file holds it. Rows run from the top, each of RowWords() words (one
// for a glyph up to 64 pixels wide); in each word the leftmost of its 64 columns is the
// highest bit.
struct BitmapGlyph {
    long code = -1;  // -1: the font gives it no code
    std::string name;
    GlyphBox box;
    std::vector<std::uint64_t> rows;
    int advance = -1;        // pixels from this glyph's origin to the next one's; -1: not given
    int scalableWidth = -1;  // SWIDTH, where given
    // Where a BDF file holds the glyph: its STARTCHAR line, and the end of its ENDCHAR line.
    std::size_t startChar = 0;
    std::size_t end = 0;

    int RowWords() const { return box.width > 64 ? (box.width + 63) / 64 : 1; }
    int Rows() const { return static_cast<int>(rows.size()) / RowWords(); }
    bool Ink(int row, int column) const {
        const std::uint64_t word = rows[static_cast<std::size_t>(row * RowWords() + column / 64)];
        return ((word >> (63 - column % 64)) & 1u) != 0;
    }
    void SetInk(int row, int column) {
        rows[static_cast<std::size_t>(row * RowWords() + column / 64)] |= std::uint64_t{1}
                                                                          << (63 - column % 64);
    }
};

// The rows and columns of a glyph's bitmap, from its top left.
struct BitmapRect {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
};

// The smallest rectangle of the glyph's bitmap holding its lit dots; none where it has none.
std::optional<BitmapRect> InkRect(const BitmapGlyph& glyph);
// The glyph's rows within a rectangle of its bitmap, laid as a glyph of its width lays them.
std::vector<std::uint64_t> RowsWithin(const BitmapGlyph& glyph, const BitmapRect& rect);

// A property as BDF writes it: its name, and its value as it stands (a string quoted).
struct FontProperty {
    std::string name;
    std::string value;
};

struct BitmapFont {
    std::string name;
    GlyphBox box;  // the font's box: the characters' cell, up to 255x255 from its top left
    std::vector<BitmapGlyph> glyphs;
    // Where a BDF file holds its CHARS line, from its start to the end of its line.
    std::size_t charsStart = 0;
    std::size_t charsEnd = 0;
    // What a PCF font holds beside its glyphs, for the BDF text that says it all.
    std::vector<FontProperty> properties;
    // The distance between lines of a font rasterised from outlines, as FONT_ASCENT plus
    // FONT_DESCENT say it; 0 for other fonts.
    int lineHeight = 0;
};

// The property's value as it stands, a string with its quotes; "" where the font has none.
std::string PropertyValue(const BitmapFont& font, std::string_view name);

// What became of a font's glyphs: the set, and how many it cannot hold and why. Read from a
// BDF text, the set keeps those as they are, to be written back with the rest.
struct ImportedFont {
    CharacterSet set;
    int tooLarge = 0;       // ink outside the cell
    int outsideCodes = 0;   // no code
    int repeated = 0;       // a second glyph at a code already taken
    std::string note = {};  // a choice made in reading it, as a table's #if followed

    int LeftOut() const { return tooLarge + outsideCodes + repeated; }
};

// Places every glyph in the font's own cell, its box (up to 255x255 from the top left; a font
// with no box has a 5x7 cell), by the glyph's box. A glyph fits when all its lit pixels
// fall inside the cell; its blank margins may lie outside. A character's width is its
// advance less the one column between characters, at most the cell's width. Given the BDF
// text the font was read from, the set keeps it, so that it is written back as it was.
// A box reaching left of the glyphs' origin puts the origin inside the cell, and a line
// height is the set's own.
ImportedFont ImportFont(const BitmapFont& font, std::string_view bdfText = {});

// One line for the user: "" when the set holds every glyph, else how many it does not and
// why, and whether they are kept as they are.
std::string DescribeLeftOut(const ImportedFont& imported);

// The names a glyph and a font without one are written with, and read back as no name.
std::string DefaultGlyphName(int code);
std::string DefaultFontName(const CharacterSet& set);

// The advance of an average character, in tenths of a pixel, each character as wide as its
// width and one column more.
long AverageWidth(const CharacterSet& set);
// An XLFD name with one of its 14 fields, counted from 1, replaced; any other name as it is.
std::string WithXlfdField(const std::string& name, int field, const std::string& value);
// An XLFD font name with its spacing and average width fields as the set's properties say
// them; any other name as it is.
std::string AgreeingFontName(const std::string& name, const CharacterSet& set);

}  // namespace zrl
