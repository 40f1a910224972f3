#include "pattern.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <string>

namespace zrl {

namespace {

std::size_t WordsFor(CellSize size) {
    return (static_cast<std::size_t>(size.Cells()) + 63) / 64;
}

}  // namespace

Pattern::Pattern(CellSize size) : size_(size), words_(WordsFor(size)) {}

Pattern::Pattern(unsigned long long bits, CellSize size) : Pattern(size) {
    words_[0] = bits;
    Trim();
}

void Pattern::Trim() {
    const std::size_t used = static_cast<std::size_t>(size_.Cells()) % kWordBits;
    if (used != 0) {
        words_.back() &= (Word{1} << used) - 1;
    }
}

std::size_t Pattern::count() const {
    std::size_t lit = 0;
    for (const Word word : words_) {
        lit += static_cast<std::size_t>(std::popcount(word));
    }
    return lit;
}

bool Pattern::none() const {
    return std::all_of(words_.begin(), words_.end(), [](Word word) { return word == 0; });
}

Pattern& Pattern::set() {
    std::fill(words_.begin(), words_.end(), ~Word{0});
    Trim();
    return *this;
}

Pattern& Pattern::set(std::size_t index, bool lit) {
    if (index >= static_cast<std::size_t>(size_.Cells())) {
        throw std::out_of_range("cell " + std::to_string(index) + " is outside the " +
                                ToString(size_) + " cell");
    }
    (*this)[index] = lit;
    return *this;
}

Pattern& Pattern::operator^=(const Pattern& other) {
    for (std::size_t i = 0; i < std::min(words_.size(), other.words_.size()); ++i) {
        words_[i] ^= other.words_[i];
    }
    Trim();
    return *this;
}

Pattern& Pattern::operator<<=(std::size_t shift) {
    const std::size_t whole = shift / kWordBits;
    const std::size_t part = shift % kWordBits;
    for (std::size_t i = words_.size(); i-- > 0;) {
        const Word low = i >= whole ? words_[i - whole] : 0;
        const Word lower = i >= whole + 1 ? words_[i - whole - 1] : 0;
        words_[i] = part == 0 ? low : (low << part) | (lower >> (kWordBits - part));
    }
    Trim();
    return *this;
}

Pattern Resized(const Pattern& pattern, CellSize size) {
    if (size == pattern.Size()) {
        return pattern;
    }
    Pattern result(size);
    const CellSize old = pattern.Size();
    for (int row = 0; row < std::min(old.height, size.height); ++row) {
        for (int column = 0; column < std::min(old.width, size.width); ++column) {
            result[static_cast<std::size_t>(size.Index(row, column))] = pattern.Lit(row, column);
        }
    }
    return result;
}

}  // namespace zrl
