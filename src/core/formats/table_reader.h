#pragma once

#include <string>
#include <string_view>

#include "core/formats/format.h"
#include "core/formats/table_header.h"
#include "core/text/value_scanner.h"

namespace zrl {

// The set a table holds, read in the format the options name (the tables of bytes in a
// layout, a library's font), in C, Arduino C or Python, as a compiler reads it between its
// #if lines. Its own comment's size and first code come before the options'. A code whose
// line says "(no character)" has none; a sparse table's characters take their codes from
// the array after it. Refused: a value that is no byte or has dots outside the cell, bytes
// that are no whole number of characters, a code past U+10FFFF, no character.
ParsedSet ReadTable(std::string_view text, const TableOptions& options);

// What the readers of tables of bytes share.

// A table's comment, and its cell: the comment's, or a Tiny4kOLED font's `DCfont` after it,
// else the one given.
struct TableStart {
    TableHeader header;
    CellSize size;
};
TableStart StartOfTable(const ValueScanner& scanner, std::string_view text, CellSize size);

// The values of the table's first array, each a byte; where the first array is a struct's
// initializer, its largest { } group, and a note that says so. An error where there are
// none.
struct TableBytes {
    ScannedArray array;
    std::string note;
    std::string error;
};
TableBytes BytesOfTable(const ValueScanner& scanner);

// The characters the bytes hold in the layout, from the comment's first code or `first` on
// (an LCD's from 0), in the arrays after the first too, as a sketch has its characters one
// to an array at the codes its createChar calls give them.
ParsedSet ReadBytes(const ValueScanner& scanner, const TableStart& start, const TableBytes& bytes,
                    ByteLayout layout, int first);

// All of the above: the table's text read in the layout, in `size` and from `first` where
// its comment does not say them.
ParsedSet ReadInLayout(std::string_view text, ByteLayout layout, CellSize size, int first);

}  // namespace zrl
