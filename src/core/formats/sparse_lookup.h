#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/formats/table_text.h"

namespace zrl {

// Code written after a table, so that firmware uses it as it is.

// What follows a sparse table's characters, so that firmware draws UTF-8 text with it:
// NAME_codes, the characters' code points in order (uint16_t where each fits, else
// uint32_t); NAME_index(code), a character's index by binary search or -1; and in C
// NAME_next(&s), the next code point of a NUL-terminated UTF-8 string, U+FFFD for a
// malformed sequence, never reading past the NUL (in Python NAME_decode(data), the code
// points of UTF-8 bytes). Lines end in CR LF.
std::string WriteLookup(std::string_view name, const std::vector<int>& codes, Language language);

// What follows an Arduino table of LCD rows: NAME_create(display), which gives each of the 8
// characters to the display's createChar (LiquidCrystal and the libraries shaped like it),
// its rows copied out of flash first. Lines end in CR LF.
std::string WriteCreateChars(std::string_view name);

// The one line of a sparse table's comment that says what the names above do.
std::string DescribeLookup(std::string_view name, Language language);

}  // namespace zrl
