#pragma once

#include <bitset>
#include <cstddef>

#include "core/model/cell_size.h"

namespace zrl {

// A character's dots with nothing but lit and unlit, in a cell of its size (5x7 unless
// said): bit i is cell i, row * width + column. Bits past the cell are always clear, so
// two patterns of one size are equal exactly when their dots are.
class Pattern {
public:
    using Bits = std::bitset<CellSize::kLargest * CellSize::kLargest>;

    Pattern() = default;
    explicit Pattern(CellSize size) : size_(size) {}
    // The low bits of a number as the first cells, as std::bitset takes them.
    explicit Pattern(unsigned long long bits, CellSize size = kDefaultSize);

    CellSize Size() const { return size_; }

    bool operator[](std::size_t index) const { return bits_[index]; }
    Bits::reference operator[](std::size_t index) { return bits_[index]; }
    bool Lit(int row, int column) const {
        return bits_[static_cast<std::size_t>(size_.Index(row, column))];
    }
    std::size_t count() const { return bits_.count(); }
    // Every cell lit.
    Pattern& set();
    Pattern& set(std::size_t index, bool lit = true);

    Pattern& operator^=(const Pattern& other);
    Pattern& operator<<=(std::size_t shift);
    friend Pattern operator^(Pattern a, const Pattern& b) { return a ^= b; }
    friend Pattern operator<<(Pattern a, std::size_t shift) { return a <<= shift; }

    bool operator==(const Pattern& other) const = default;

private:
    void Trim();

    CellSize size_;
    Bits bits_;
};

// The pattern at another size: the dots that still fit, anchored at the top left.
Pattern Resized(const Pattern& pattern, CellSize size);

}  // namespace zrl
