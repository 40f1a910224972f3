#include "c_initializer.h"

namespace zrl {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

std::string BuildCColumns(const CharacterGrid& grid) {
    std::string text = "{";
    for (int column = 0; column < kColumns; ++column) {
        unsigned byte = 0;
        for (int row = 0; row < kRows; ++row) {
            byte |= grid.IsLit(CellIndex(row, column)) ? 1u << row : 0u;
        }
        text += column ? ", 0x" : "0x";
        text += kHexDigits[byte >> 4];
        text += kHexDigits[byte & 0xF];
    }
    return text + "}";
}

std::string BuildCRows(const CharacterGrid& grid) {
    std::string text = "{";
    for (int row = 0; row < kRows; ++row) {
        text += row ? ", 0b" : "0b";
        for (int column = 0; column < kColumns; ++column) {
            text += grid.IsLit(CellIndex(row, column)) ? '1' : '0';
        }
    }
    return text + ", 0b00000}";
}

}  // namespace zrl
