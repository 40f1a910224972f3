#pragma once

#include <optional>
#include <string>

#include "core/formats/u8g2_glyphs.h"

namespace zrl {

// u8g2's box modes, as its font names end: each glyph in its own ink box (t), all of one
// height (h), all in one box (m), all in an 8x8 tile (8).
inline constexpr char kU8g2BoxLetters[] = "thm8";
std::optional<int> U8g2BoxMode(char letter);

// The largest record a glyph of a u8g2 array can take, its code and size bytes included.
inline constexpr int kMostU8g2Record = 254;

// A u8g2 font array, its string's closing 0 included, or one line saying why the glyphs
// make none.
struct U8g2Array {
    std::string bytes;
    std::string error;
};

// The array of the glyphs in the box mode (0 to 3): a 23-byte header, the glyphs up to code
// 255 in the font's order, a lookup table into the glyphs past it, and those glyphs, each
// as its box and its dots' runs.
U8g2Array EncodeU8g2(const U8g2Glyphs& glyphs, int mode);

// How many glyphs have dots outside their box in the mode, which u8g2 leaves out: past their
// advance (h), outside an 8x8 tile (8).
int GlyphsCut(const U8g2Glyphs& glyphs, int mode);

// Whether the box holds every dot of the ink.
bool Holds(const GlyphBox& box, const GlyphBox& ink);

}  // namespace zrl
