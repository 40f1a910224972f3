#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/character_set.h"

namespace zrl {

// What a table of bytes that says nothing of itself most likely is, for the line that
// refuses it: the common cell whose characters make a whole code page of its values, from
// code 0 (or 32 for 95 or 96 characters), and the layouts that read it, the one whose
// letters look most like letters first; "" where none does. As "; it reads as 256 8x8
// characters from code 0: --size 8x8 --first 0 --from rows-msb (glcd, pages and rows-lsb
// read it too)".
std::string GuessedReading(std::string_view text, std::optional<int> firstCode);

// Whether the set, read from a table from `first` on, is a whole code page of 128 or 256
// characters, which starts at code 0 where its table names no first code.
bool IsCodePageFrom(const CharacterSet& set, int first);
// The note of a table read so: "read as codes 0 to 255, a whole code page; --first says
// otherwise".
std::string CodePageNote(const CharacterSet& set);

// A note and another, as one line.
std::string WithNote(const std::string& note, const std::string& more);

// The first code of a table that does not say it, where none is given.
inline constexpr int kUnsaidFirstCode = 32;

}  // namespace zrl
