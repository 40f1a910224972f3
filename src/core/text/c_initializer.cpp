#include "c_initializer.h"

#include <algorithm>
#include <stdexcept>

namespace zrl {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int BandsOf(CellSize size) {
    return (size.height + 7) / 8;
}

}  // namespace

int ColumnBytes(CellSize size) {
    return size.width * BandsOf(size);
}

bool FitsLcd(CellSize size) {
    return size.width <= 8 && size.height <= kLcdRows;
}

std::string BuildCColumns(const CharacterGrid& grid) {
    const CellSize size = grid.Size();
    std::string text = "{";
    for (int column = 0; column < size.width; ++column) {
        for (int band = 0; band < BandsOf(size); ++band) {
            unsigned byte = 0;
            for (int row = band * 8; row < std::min(band * 8 + 8, size.height); ++row) {
                byte |= grid.IsLit(row, column) ? 1u << (row - band * 8) : 0u;
            }
            text += text.size() > 1 ? ", 0x" : "0x";
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0xF];
        }
    }
    return text + "}";
}

std::string BuildCRows(const CharacterGrid& grid) {
    const CellSize size = grid.Size();
    if (!FitsLcd(size)) {
        throw std::invalid_argument("an LCD character is at most 8x8, not " + ToString(size));
    }
    std::string text = "{";
    for (int row = 0; row < kLcdRows; ++row) {
        text += row ? ", 0b" : "0b";
        for (int column = 0; column < size.width; ++column) {
            text += row < size.height && grid.IsLit(row, column) ? '1' : '0';
        }
    }
    return text + "}";
}

}  // namespace zrl
