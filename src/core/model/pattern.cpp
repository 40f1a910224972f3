#include "pattern.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zrl {

Pattern::Pattern(unsigned long long bits, CellSize size) : size_(size), bits_(bits) {
    Trim();
}

void Pattern::Trim() {
    bits_ &= ~(Bits().set() << static_cast<std::size_t>(size_.Cells()));
}

Pattern& Pattern::set() {
    bits_.set();
    Trim();
    return *this;
}

Pattern& Pattern::set(std::size_t index, bool lit) {
    if (index >= static_cast<std::size_t>(size_.Cells())) {
        throw std::out_of_range("cell " + std::to_string(index) + " is outside the " +
                                ToString(size_) + " cell");
    }
    bits_.set(index, lit);
    return *this;
}

Pattern& Pattern::operator^=(const Pattern& other) {
    bits_ ^= other.bits_;
    return *this;
}

Pattern& Pattern::operator<<=(std::size_t shift) {
    bits_ <<= shift;
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
