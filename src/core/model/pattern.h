#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/model/cell_size.h"

namespace zrl {

// A character's dots with nothing but lit and unlit, in a cell of its size (5x7 unless
// said): bit i is cell i, row * width + column. It holds only its own cell's bits, so a
// 16x16 character takes 32 bytes of dots and a 255x255 one about 8 KB. Bits past the cell
// are always clear, so two patterns of one size are equal exactly when their dots are.
class Pattern {
    using Word = std::uint64_t;
    static constexpr std::size_t kWordBits = 64;

public:
    // One cell, as std::bitset's reference is one bit: read as a bool, assigned a bool.
    class Reference {
    public:
        operator bool() const { return (*word_ & mask_) != 0; }
        Reference& operator=(bool lit) {
            *word_ = lit ? *word_ | mask_ : *word_ & ~mask_;
            return *this;
        }
        Reference& operator=(const Reference& other) { return *this = static_cast<bool>(other); }
        Reference(const Reference&) = default;

    private:
        friend class Pattern;
        Reference(Word* word, Word mask) : word_(word), mask_(mask) {}
        Word* word_;
        Word mask_;
    };

    Pattern() : Pattern(kDefaultSize) {}
    explicit Pattern(CellSize size);
    // The low bits of a number as the first cells, as std::bitset takes them.
    explicit Pattern(unsigned long long bits, CellSize size = kDefaultSize);

    CellSize Size() const { return size_; }

    bool operator[](std::size_t index) const {
        return ((words_[index / kWordBits] >> (index % kWordBits)) & 1u) != 0;
    }
    Reference operator[](std::size_t index) {
        return {&words_[index / kWordBits], Word{1} << (index % kWordBits)};
    }
    bool Lit(int row, int column) const {
        return (*this)[static_cast<std::size_t>(size_.Index(row, column))];
    }
    std::size_t count() const;
    bool none() const;
    // Every cell lit.
    Pattern& set();
    Pattern& set(std::size_t index, bool lit = true);

    Pattern& operator^=(const Pattern& other);
    // Each cell moves `shift` cells on; those moved past the last are lost.
    Pattern& operator<<=(std::size_t shift);
    friend Pattern operator^(Pattern a, const Pattern& b) { return a ^= b; }
    friend Pattern operator<<(Pattern a, std::size_t shift) { return a <<= shift; }

    bool operator==(const Pattern& other) const = default;
    // The cells, 64 to a word from the first; what is past the last cell is 0.
    const std::vector<Word>& Words() const { return words_; }

private:
    void Trim();

    CellSize size_;
    std::vector<Word> words_;
};

// The pattern at another size: the dots that still fit, anchored at the top left.
Pattern Resized(const Pattern& pattern, CellSize size);

}  // namespace zrl
