#pragma once

#include <string>
#include <string_view>

#include "core/formats/format.h"

namespace zrl {

// A set written in a format: the set cut, where the format's form is, to the codes a table
// holds, then written by the format's own writer under the comment line of any codes a
// selection moved.

// Why the set cannot be written so ("" when it can): what the format refuses, and a name
// that is no identifier where the format takes one.
std::string WhyNotWritten(const CharacterSet& set, const TableFormat& format);

// The set as the format writes it, lines ending in CR LF. A table's comment first says the
// cell size, the first code, the count and the layout, so that the table reads back as the
// set it came from; each code from the first to the last has its line, a code with no
// character written as a blank one marked "(no character)". C tables in glcd and lcd are
// those this program has always written.
std::string WriteTable(const CharacterSet& set, const TableFormat& format);

// The blank characters a dense table of the set holds between its first code and its last,
// and the bytes they take; none for a sparse table or a format with no blanks.
Gaps GapsOf(const CharacterSet& set, const TableFormat& format);

// The line of warning the format has for the table written, "" where there is none.
std::string WarningOf(const CharacterSet& set, const TableFormat& format);
// The line the format says about what it writes, "" where it says none.
std::string AboutOf(const CharacterSet& whole, const TableFormat& format);

// What the writers of tables of bytes share.

// Why a dense table of the set would run over too many codes ("" where it would not).
std::string WhyNotDense(const CharacterSet& set, const TableFormat& format);
// "5x7 font: first code 32, 95 characters, layout glcd: ": how every table's comment begins.
std::string CommentStart(const CharacterSet& set, std::string_view layout, CodeRange codes);
// "static const unsigned char font[] = {" in the language; `dimensions` after the name.
std::string Declaration(Language language, std::string_view name,
                        std::string_view dimensions = "[]");
// The line of a character's bytes in the layout (width-prefixed: every column to its last
// lit one, and its advance in the comment where that is not the next column).
void AppendCharacter(std::string& out, const CharacterSet& set, int code, ByteLayout layout,
                     Language language);

// The entry of the tables of bytes in a layout (format.h), by the writer's part.
std::string WhyNotLaid(const CharacterSet& set, const TableFormat& format);
std::string WriteLaid(const CharacterSet& set, const TableFormat& format);
Gaps LaidGaps(const CharacterSet& set, const TableFormat& format);

}  // namespace zrl
