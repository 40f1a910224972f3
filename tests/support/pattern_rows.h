#pragma once

#include <initializer_list>

#include "core/model/character_set.h"

namespace zrl {

// A pattern written as rows of '#' (lit) and '.' from the top; rows and columns left out
// are unlit.
inline Pattern FromRows(std::initializer_list<const char*> rows) {
    Pattern pattern;
    int row = 0;
    for (const char* text : rows) {
        for (int column = 0; column < kColumns && text[column] != '\0'; ++column) {
            pattern[static_cast<std::size_t>(CellIndex(row, column))] = text[column] == '#';
        }
        ++row;
    }
    return pattern;
}

// The same in a cell of any size.
inline Pattern FromRows(CellSize size, std::initializer_list<const char*> rows) {
    Pattern pattern(size);
    int row = 0;
    for (const char* text : rows) {
        for (int column = 0; column < size.width && text[column] != '\0'; ++column) {
            pattern.set(static_cast<std::size_t>(size.Index(row, column)), text[column] == '#');
        }
        ++row;
    }
    return pattern;
}

}  // namespace zrl
