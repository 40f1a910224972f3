#pragma once

#include <string>
#include <string_view>

#include "core/formats/parsed_set.h"
#include "core/text/data_listing.h"

namespace zrl {

// A set as BASIC: for each character in code order, a comment naming its code and
// character (' 65 A), then its Data &B lines exactly as the editor lists them; one CR LF
// between characters. A set of another size than 5x7 starts with a comment that says its
// size and order ("' 8x8 characters, listed by column"). Two formats, by row and by column.
std::string WriteBasicBlock(const CharacterSet& set, ListingOrder order);

// The ' 65 A comment lines, each followed by its character's Data &B lines, each character
// read with the parser that reads a single pasted one, in the comment's size or `size`.
ParsedSet ReadBasicBlock(std::string_view text, CellSize size = kDefaultSize);

}  // namespace zrl
