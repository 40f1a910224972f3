#include "byte_layout.h"

#include <algorithm>
#include <array>

namespace zrl {

namespace {

constexpr std::array<LayoutInfo, 9> kLayouts{{
    {ByteLayout::Glcd, "glcd", "columns from the left, bit 0 the top row (GLCD, SSD1306 fonts)"},
    {ByteLayout::Pages, "pages", "8-row bands, a byte per column, bit 0 the top row (OLED pages)"},
    {ByteLayout::RowsMsb, "rows-msb",
     "rows from the top, the left column bit 7 (drawBitmap, LED rows)"},
    {ByteLayout::RowsLsb, "rows-lsb", "rows from the top, the left column bit 0 (X bitmaps)"},
    {ByteLayout::Lcd, "lcd", "8 rows of LCD custom characters 0 to 7 (createChar), up to 8x8"},
    {ByteLayout::WidthPrefixed, "width-prefixed",
     "a width byte, then its columns as glcd (MAX7219 scrolling text)"},
    {ByteLayout::GfxFont, "gfxfont", "Adafruit GFX's proportional GFXfont, in C only"},
    {ByteLayout::MdMax72xx, "md-max72xx",
     "MD_MAX72XX's font: its header, then width-prefixed columns, up to 8 rows"},
    {ByteLayout::Ssd1306Ascii, "ssd1306ascii",
     "SSD1306Ascii's font: its header, widths if proportional, then pages"},
}};
// The libraries' own font formats, last in kLayouts.
constexpr std::size_t kLibraryFormats = 2;

constexpr std::array<std::string_view, 3> kLanguages{"c", "arduino", "python"};

int Bands(int dots) {
    return (dots + 7) / 8;
}

// Where a fixed layout keeps the dot at (row, column): its byte and bit.
template <ByteLayout layout>
constexpr std::pair<int, int> Place(CellSize size, int row, int column) {
    const int bands = Bands(size.height);
    const int spans = Bands(size.width);
    switch (layout) {
        case ByteLayout::Glcd:
        case ByteLayout::WidthPrefixed:
        case ByteLayout::MdMax72xx:
            return {column * bands + row / 8, row % 8};
        case ByteLayout::Pages:
        case ByteLayout::Ssd1306Ascii:
            return {row / 8 * size.width + column, row % 8};
        case ByteLayout::RowsMsb:
            return {row * spans + column / 8, 7 - column % 8};
        case ByteLayout::RowsLsb:
            return {row * spans + column / 8, column % 8};
        case ByteLayout::Lcd:
            return {row, size.width - 1 - column};
        case ByteLayout::GfxFont:
            break;
    }
    return {0, 0};
}

template <ByteLayout layout, typename Visit>
void VisitDots(CellSize size, Visit& visit) {
    for (int row = 0; row < size.height; ++row) {
        for (int column = 0; column < size.width; ++column) {
            const auto [byte, bit] = Place<layout>(size, row, column);
            visit(byte, bit, row, column);
        }
    }
}

// Calls visit(byte, bit, row, column) for every dot of the cell in a fixed layout, the
// layout chosen once rather than at every dot.
template <typename Visit>
void ForEachDot(CellSize size, ByteLayout layout, Visit visit) {
    switch (layout) {
        case ByteLayout::Glcd:
        case ByteLayout::WidthPrefixed:
        case ByteLayout::MdMax72xx:
            return VisitDots<ByteLayout::Glcd>(size, visit);
        case ByteLayout::Pages:
        case ByteLayout::Ssd1306Ascii:
            return VisitDots<ByteLayout::Pages>(size, visit);
        case ByteLayout::RowsMsb:
            return VisitDots<ByteLayout::RowsMsb>(size, visit);
        case ByteLayout::RowsLsb:
            return VisitDots<ByteLayout::RowsLsb>(size, visit);
        case ByteLayout::Lcd:
            return VisitDots<ByteLayout::Lcd>(size, visit);
        case ByteLayout::GfxFont:
            break;
    }
}

}  // namespace

std::span<const LayoutInfo> Layouts() {
    return std::span(kLayouts).first(kLayouts.size() - kLibraryFormats);
}

std::span<const LayoutInfo> AllLayouts() {
    return kLayouts;
}

const LayoutInfo& InfoOf(ByteLayout layout) {
    return *std::find_if(kLayouts.begin(), kLayouts.end(),
                         [layout](const LayoutInfo& info) { return info.layout == layout; });
}

std::optional<ByteLayout> LayoutNamed(std::string_view name) {
    for (const LayoutInfo& info : kLayouts) {
        if (info.name == name) {
            return info.layout;
        }
    }
    return std::nullopt;
}

std::string_view NameOf(Language language) {
    return kLanguages[static_cast<std::size_t>(language)];
}

std::optional<Language> LanguageNamed(std::string_view name) {
    const auto found = std::find(kLanguages.begin(), kLanguages.end(), name);
    return found == kLanguages.end()
               ? std::nullopt
               : std::optional(static_cast<Language>(found - kLanguages.begin()));
}

int FixedBytes(CellSize size, ByteLayout layout) {
    switch (layout) {
        case ByteLayout::Glcd:
        case ByteLayout::Pages:
        case ByteLayout::WidthPrefixed:
        case ByteLayout::MdMax72xx:
        case ByteLayout::Ssd1306Ascii:
            return size.width * Bands(size.height);
        case ByteLayout::RowsMsb:
        case ByteLayout::RowsLsb:
            return size.height * Bands(size.width);
        case ByteLayout::Lcd:
            return 8;
        case ByteLayout::GfxFont:
            break;
    }
    return 0;
}

std::vector<std::uint8_t> CharacterBytes(const Pattern& pattern, int width, ByteLayout layout) {
    CellSize size = pattern.Size();
    const bool prefixed = IsPrefixed(layout);
    if (prefixed) {
        size.width = std::clamp(width, 0, size.width);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(FixedBytes(size, layout) + prefixed));
    if (prefixed) {
        bytes[0] = static_cast<std::uint8_t>(size.width);
    }
    ForEachDot(size, layout, [&](int byte, int bit, int row, int column) {
        // No branch on the dot: a font's dots are as good as random to a branch predictor.
        bytes[static_cast<std::size_t>(byte + prefixed)] |=
            static_cast<std::uint8_t>(unsigned{pattern.Lit(row, column)} << bit);
    });
    return bytes;
}

DecodedBytes PatternFromBytes(std::span<const std::uint8_t> bytes, CellSize size,
                              ByteLayout layout) {
    std::vector<std::uint8_t> used(bytes.size());
    Pattern pattern(size);
    ForEachDot(size, layout, [&](int byte, int bit, int row, int column) {
        const auto at = static_cast<std::size_t>(byte);
        used[at] |= static_cast<std::uint8_t>(1u << bit);
        pattern[static_cast<std::size_t>(size.Index(row, column))] = ((bytes[at] >> bit) & 1u) != 0;
    });
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if ((bytes[i] & ~used[i]) != 0) {
            return {std::nullopt, static_cast<int>(i)};
        }
    }
    return {pattern, -1};
}

}  // namespace zrl
