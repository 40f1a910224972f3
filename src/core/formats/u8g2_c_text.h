#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrl {

// A u8g2 or u8x8 font array in C: the comment above it and the array, one string literal.

// What the comment says: the font's name and copyright (BDF's values; a quoted one is
// written without its quotes), how many glyphs the array holds of the font's, the box mode.
struct FontArrayComment {
    std::string fontName;
    std::string copyright;
    int glyphs = 0;
    int fontGlyphs = 0;
    int mode = 0;
};

// Arrays in an 8x8 tile's box are declared U8X8_FONT_SECTION, the others U8G2_FONT_SECTION;
// `bytes` ends with the string's closing 0.
std::string FontArrayText(std::string_view name, std::string_view bytes,
                          const FontArrayComment& comment, bool tiled);

// An array of a C text whose initializer is string literals, and what the comment just
// before it says.
struct StringArray {
    std::string name;
    std::string bytes;  // the literals' bytes and the closing 0
    std::string fontName;
    std::optional<std::string> copyright;  // none where the comment says none: "(null)"
    std::optional<int> glyphs;             // the comment's count of the array's glyphs
    std::optional<int> fontGlyphs;         // and of the font's
    bool tileSection = false;              // declared U8X8_FONT_SECTION
};

// Every such array, in the text's order.
std::vector<StringArray> StringArraysIn(std::string_view text);

// Whether the text declares a u8g2 or u8x8 font array.
bool DeclaresFontArray(std::string_view text);

}  // namespace zrl
