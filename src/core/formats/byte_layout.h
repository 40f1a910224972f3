#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/pattern.h"

namespace zrl {

// The order in which the bytes of a character reach a display driver. A character is W
// wide and H high, p(r, c) its dot at row r from the top and column c from the left.
enum class ByteLayout {
    Glcd,           // per column from the left, ceil(H/8) bytes, p(8b+k, c) in bit k
    Pages,          // per band of 8 rows from the top, a byte per column, p(8b+k, c) in bit k
    RowsMsb,        // per row from the top, ceil(W/8) bytes, p(r, 8j+k) in bit 7-k
    RowsLsb,        // the same with p(r, 8j+k) in bit k
    Lcd,            // 8 rows from the top, p(r, c) in bit W-1-c; at most 8x8
    WidthPrefixed,  // the width w, then w columns as in Glcd
};

// Whether each character is its width and then its columns.
inline bool IsPrefixed(ByteLayout layout) {
    return layout == ByteLayout::WidthPrefixed;
}

struct LayoutInfo {
    ByteLayout layout;
    std::string_view name;
    std::string_view summary;  // one line: the order and who reads it
};

// The layouts, in the order the user is offered them.
inline constexpr LayoutInfo kLayoutInfos[] = {
    {ByteLayout::Glcd, "glcd", "columns from the left, bit 0 the top row (GLCD, SSD1306 fonts)"},
    {ByteLayout::Pages, "pages", "8-row bands, a byte per column, bit 0 the top row (OLED pages)"},
    {ByteLayout::RowsMsb, "rows-msb",
     "rows from the top, the left column bit 7 (drawBitmap, LED rows)"},
    {ByteLayout::RowsLsb, "rows-lsb", "rows from the top, the left column bit 0 (X bitmaps)"},
    {ByteLayout::Lcd, "lcd", "8 rows of LCD custom characters 0 to 7 (createChar), up to 8x8"},
    {ByteLayout::WidthPrefixed, "width-prefixed",
     "a width byte, then its columns as glcd (MAX7219 scrolling text)"},
};

// The layouts of bytes every cell size has, in the order the user is offered them; each is
// a format of tables of its own (format.h).
std::span<const LayoutInfo> Layouts();
const LayoutInfo& InfoOf(ByteLayout layout);
std::optional<ByteLayout> LayoutNamed(std::string_view name);

// The bytes every character of the size has in a fixed layout (for WidthPrefixed, those of
// its columns).
int FixedBytes(CellSize size, ByteLayout layout);

// A character's bytes: for WidthPrefixed its width first and only its `width` columns.
std::vector<std::uint8_t> CharacterBytes(const Pattern& pattern, int width, ByteLayout layout);

// A character back from its bytes in a fixed layout, or the index of the first byte with a
// dot outside the cell (which no byte of a character of this size may have).
struct DecodedBytes {
    std::optional<Pattern> pattern;
    int badByte = -1;
};
DecodedBytes PatternFromBytes(std::span<const std::uint8_t> bytes, CellSize size,
                              ByteLayout layout);

}  // namespace zrl
