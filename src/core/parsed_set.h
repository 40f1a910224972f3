#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "character_set.h"

namespace zrl {

// Longer text is refused unread: a full 256-character table is some 20 KB.
inline constexpr std::size_t kMaxSetText = 1024 * 1024;

// A set read from text, or one line saying why the text holds none.
struct ParsedSet {
    std::optional<CharacterSet> set;
    std::string error;
};

}  // namespace zrl
