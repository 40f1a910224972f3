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
    GfxFont,        // a proportional font: each character's box, bits running across rows
    MdMax72xx,      // MD_MAX72XX's font: 'F', 1, first, last, height; then as WidthPrefixed
    Ssd1306Ascii,   // SSD1306Ascii's font: a header, then Pages, proportional or not
};

// Whether each character is its width and then its columns: WidthPrefixed and MdMax72xx.
inline bool IsPrefixed(ByteLayout layout) {
    return layout == ByteLayout::WidthPrefixed || layout == ByteLayout::MdMax72xx;
}

// Whether a table in the layout runs from its first code to its last and is never sparse:
// a GFXfont and the libraries' own font formats.
inline bool IsDenseOnly(ByteLayout layout) {
    return layout == ByteLayout::GfxFont || layout == ByteLayout::MdMax72xx ||
           layout == ByteLayout::Ssd1306Ascii;
}

enum class Language { C, Arduino, Python };

struct LayoutInfo {
    ByteLayout layout;
    std::string_view name;
    std::string_view summary;  // one line: the order and who reads it
};

// The layouts of bytes every cell size has, in the order the user is offered them.
std::span<const LayoutInfo> Layouts();
// Those and the libraries' own font formats after them, as the user is offered them all.
std::span<const LayoutInfo> AllLayouts();
const LayoutInfo& InfoOf(ByteLayout layout);
std::optional<ByteLayout> LayoutNamed(std::string_view name);
std::string_view NameOf(Language language);
std::optional<Language> LanguageNamed(std::string_view name);

// The bytes every character of the size has in a fixed layout (not WidthPrefixed or
// GfxFont).
int FixedBytes(CellSize size, ByteLayout layout);

// A character's bytes: for WidthPrefixed its width first and only its `width` columns;
// not for GfxFont.
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
