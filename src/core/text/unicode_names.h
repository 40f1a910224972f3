#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zrl {

// The names and blocks of the Unicode Character Database, compiled in, so that every
// platform names characters alike. A build made without the database has none of either.

// "CYRILLIC CAPITAL LETTER ZHE", "CJK UNIFIED IDEOGRAPH-4E2D", "HANGUL SYLLABLE GA"; ""
// for a code with no name (a control, an unassigned code, one past U+10FFFF).
std::string CharacterName(int code);

struct UnicodeBlock {
    int first;
    int last;
    std::string_view name;
};
// Every block in code order, and the one a code lies in (none between blocks).
std::span<const UnicodeBlock> UnicodeBlocks();
const UnicodeBlock* BlockOf(int code);

}  // namespace zrl
