#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats/bitmap_font.h"
#include "core/text/code_map.h"

namespace zrl {

// A glyph as u8g2's arrays take it from a BDF font: trimmed to its ink, at the code the map
// gives it. An empty glyph has no size and stands at its box's left edge and top.
struct U8g2Glyph {
    int code = 0;
    long fontCode = 0;  // as the font numbers it, before any move
    std::string name;
    GlyphBox ink;
    int advance = 0;
    std::vector<std::uint64_t> rows;  // the ink's rows from the top, as BitmapGlyph lays them

    // Whether the dot at (x, y) from the glyph's origin, y upwards, is lit.
    bool Lit(int x, int y) const;
};

// The ascent of "A" (where it has no dots, "1") and the descent of "g", and the same of "("
// (where there is none, those): the lines u8g2 draws text between.
struct U8g2Metrics {
    int ascentA = 0;
    int descentG = 0;
    int ascentParen = 0;
    int descentParen = 0;
};

// The glyphs of a font that a map and a text choose, in the font's order, and what the
// header of an array of them takes from the whole font.
struct U8g2Glyphs {
    std::vector<U8g2Glyph> glyphs;
    int fontGlyphs = 0;  // every glyph of the font, chosen or not
    GlyphBox fontBox;
    std::string fontName;   // the FONT line's value
    std::string copyright;  // the COPYRIGHT property's, quotes and all; "" where none
    U8g2Metrics metrics;
    // What an array the font was read from said and its glyphs do not (kU8g2Properties):
    // the box its header gave, its lookup table's codes, its box mode (0 to 3).
    std::optional<GlyphBox> saidBox;
    std::vector<long> saidTableCodes;
    std::optional<int> saidMode;
    std::optional<int> saidArrayGlyphs;  // the count of glyphs its comment gave
};

// The glyphs of a BDF font's text, as the map and text choose them; both empty: every glyph.
// Of two glyphs given one code, the one a later command of the map moved there has it.
U8g2Glyphs ChooseU8g2Glyphs(std::string_view bdf, const CodeMap& map, const std::vector<int>& text);

// The BDF properties that carry what a u8g2 array's header says beside its glyphs, so that a
// font read from one writes the same array again.
struct U8g2Properties {
    static constexpr std::string_view kMode = "U8G2_BOX_MODE";
    static constexpr std::string_view kBox = "U8G2_FONT_BOX";  // "width height x y"
    static constexpr std::string_view kAscentA = "U8G2_ASCENT_A";
    static constexpr std::string_view kDescentG = "U8G2_DESCENT_G";
    static constexpr std::string_view kAscentParen = "U8G2_ASCENT_PAREN";
    static constexpr std::string_view kDescentParen = "U8G2_DESCENT_PAREN";
    static constexpr std::string_view kTableCodes = "U8G2_TABLE_CODES";  // "4000 65535"
    static constexpr std::string_view kFontGlyphs = "U8G2_FONT_GLYPHS";
    static constexpr std::string_view kArrayGlyphs = "U8G2_ARRAY_GLYPHS";
};

// The box that holds both.
GlyphBox Union(const GlyphBox& a, const GlyphBox& b);

}  // namespace zrl
