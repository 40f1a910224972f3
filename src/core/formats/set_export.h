#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/model/character_set.h"

namespace zrl {

// A whole set as firmware source, lines ending in CR LF as the listing's do.

// For each character in code order, a comment naming its code and character (' 65 A), then
// its Data &B lines exactly as the editor lists them; one CR LF between characters. A set
// of another size than 5x7 starts with a comment that says its size and order.
std::string WriteBasicBlock(const CharacterSet& set, ListingOrder order);

// One array of a character's column bytes (ceil(H / 8) a column, bit 0 the top row of its
// eight: five a 5x7 character) from the first code to the last, a code with no character
// filled with zeros, so that a character's bytes start at (code - first) * its bytes; a
// comment above says the cell size, the first code, the count and the layout.
std::string WriteCFontTable(const CharacterSet& set, std::string_view name);

// The LCD custom characters, codes 0 to 7, as [8][8] row values in binary, the left column
// the highest of the W bits and rows below the cell empty (the 8th of a 5x7 character); a
// code with no character is all zeros. Only for cells of at most 8x8; a comment above says
// a size other than 5x7.
std::string WriteLcdTable(const CharacterSet& set, std::string_view name);

enum class SetFormat { BasicBlock, CFontTable, LcdCharacters, Bdf };

// A byte table runs densely from its first code to its last, so a set with codes both up
// to 255 and past it is written with those up to 255, as tables and BASIC blocks always
// were. The set a table is written from: those, or none where the whole set is.
std::optional<CharacterSet> TableSubset(const CharacterSet& set);
// One line saying what a table of the set leaves out, "" where nothing: its codes past 255
// where it has codes up to 255 too; for LCD characters, every code past 7.
std::string DescribeTableLeftOut(const CharacterSet& set, SetFormat format = SetFormat::CFontTable);
// How many of the set's characters the form holds.
int CharactersWritten(const CharacterSet& set, SetFormat format);

// Why the set cannot be written in the form ("" when it can): LCD rows hold at most 8x8.
std::string WhyNotWritten(const CharacterSet& set, SetFormat format);

// The set in one of the forms: BASIC in the given order, the C and LCD arrays under the
// name ("font" and "lcd" when it is empty).
std::string WriteSet(const CharacterSet& set, SetFormat format, ListingOrder order,
                     std::string_view name);

// How a comment names a code: "65 'A'" in C, "65 A" in BASIC, the number alone where the
// code is no printable ASCII character.
std::string CodeComment(int code, bool quoted);

// What every table's lines end with, and what a line's comment says of a code that has no
// character (its values are blank, and readers skip it).
inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kNoCharacter = "(no character)";
// How a width-prefixed line's comment gives a character's advance where its dots reach past
// its width, so that the written columns are not its advance: "(advance 7)".
inline constexpr std::string_view kAdvance = "(advance ";

// The comment of a table's line: the code and its character, or that it has none.
std::string LineComment(int code, bool present);
// "0x7E, 0x09, 0x09", as tables write their bytes.
void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes);

// The forms that are no table of bytes, by the names the command line and the Export dialog
// give them: bdf, basic-rows, basic-columns.
struct TextForm {
    std::string_view name;
    SetFormat format;
    ListingOrder order;
    std::string_view summary;  // one line
};
std::span<const TextForm> TextForms();

}  // namespace zrl
