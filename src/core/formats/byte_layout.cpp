#include "byte_layout.h"

#include <algorithm>
#include <array>

namespace zrl {

namespace {

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
            return {column * bands + row / 8, row % 8};
        case ByteLayout::Pages:
            return {row / 8 * size.width + column, row % 8};
        case ByteLayout::RowsMsb:
            return {row * spans + column / 8, 7 - column % 8};
        case ByteLayout::RowsLsb:
            return {row * spans + column / 8, column % 8};
        case ByteLayout::Lcd:
            break;
    }
    return {row, size.width - 1 - column};
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
            return VisitDots<ByteLayout::Glcd>(size, visit);
        case ByteLayout::Pages:
            return VisitDots<ByteLayout::Pages>(size, visit);
        case ByteLayout::RowsMsb:
            return VisitDots<ByteLayout::RowsMsb>(size, visit);
        case ByteLayout::RowsLsb:
            return VisitDots<ByteLayout::RowsLsb>(size, visit);
        case ByteLayout::Lcd:
            return VisitDots<ByteLayout::Lcd>(size, visit);
    }
}

}  // namespace

std::span<const LayoutInfo> Layouts() {
    return kLayoutInfos;
}

const LayoutInfo& InfoOf(ByteLayout layout) {
    return *std::find_if(std::begin(kLayoutInfos), std::end(kLayoutInfos),
                         [layout](const LayoutInfo& info) { return info.layout == layout; });
}

std::optional<ByteLayout> LayoutNamed(std::string_view name) {
    for (const LayoutInfo& info : kLayoutInfos) {
        if (info.name == name) {
            return info.layout;
        }
    }
    return std::nullopt;
}

int FixedBytes(CellSize size, ByteLayout layout) {
    switch (layout) {
        case ByteLayout::Glcd:
        case ByteLayout::Pages:
        case ByteLayout::WidthPrefixed:
            return size.width * Bands(size.height);
        case ByteLayout::RowsMsb:
        case ByteLayout::RowsLsb:
            return size.height * Bands(size.width);
        case ByteLayout::Lcd:
            break;
    }
    return 8;
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
