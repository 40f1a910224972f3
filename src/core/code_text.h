#pragma once

#include <optional>
#include <string_view>

namespace zrl {

// A code as a person types it: "U+0416", "0x416", "1046", or the character itself ("Ж"),
// in UTF-8. Codes run from 0 to U+10FFFF; anything else is none.
std::optional<int> ParseCode(std::string_view text);

}  // namespace zrl
