#pragma once

#include <string>
#include <string_view>

#include "character_set.h"

namespace zrl {

// A whole set as firmware source, lines ending in CR LF as the listing's do.

// For each character in code order, a comment naming its code and character (' 65 A), then
// its Data &B lines exactly as the editor lists them; one CR LF between characters.
std::string WriteBasicBlock(const CharacterSet& set, ListingOrder order);

// One array of five column bytes a character (bit 0 the top row) from the first code to
// the last, a code with no character filled with zeros, so that a character's bytes start
// at (code - first) * 5; a comment above says the first code, the count and the layout.
std::string WriteCFontTable(const CharacterSet& set, std::string_view name);

// The LCD custom characters, codes 0 to 7, as [8][8] row values in binary, bit 4 the left
// column and the 8th row empty; a code with no character is all zeros.
std::string WriteLcdTable(const CharacterSet& set, std::string_view name);

enum class SetFormat { BasicBlock, CFontTable, LcdCharacters, Bdf };

// The set in one of the forms: BASIC in the given order, the C and LCD arrays under the
// name ("font" and "lcd" when it is empty).
std::string WriteSet(const CharacterSet& set, SetFormat format, ListingOrder order,
                     std::string_view name);

// How a comment names a code: "65 'A'" in C, "65 A" in BASIC, the number alone where the
// code is no printable ASCII character.
std::string CodeComment(int code, bool quoted);

}  // namespace zrl
