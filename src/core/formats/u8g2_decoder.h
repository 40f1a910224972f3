#pragma once

#include "core/formats/bdf_font.h"
#include "core/formats/u8g2_c_text.h"

namespace zrl {

// The font a u8g2 array holds, each glyph with its dots, box and advance as u8g2 draws it,
// in the array's order, found as u8g2 finds them: the glyphs up to 255 one after another,
// those past it through the lookup table. What the header says beside the glyphs, and what
// the comment says of the font, are its properties (U8g2Properties, COPYRIGHT). Refused:
// an array cut short, a record that reaches past its size or the array's end, a table
// that points outside the array, glyphs past 64x255 dots, no glyph.
ReadFont DecodeU8g2(const StringArray& array);

// The font's name, copyright and counts of glyphs as the comment above the array says them.
void TakeComment(const StringArray& array, BitmapFont& font);

}  // namespace zrl
