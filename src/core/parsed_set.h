#pragma once

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "character_set.h"

namespace zrl {

// Longer text is refused unread: a full 256-character table is some 20 KB.
inline constexpr std::size_t kMaxSetText = 1024 * 1024;

// A set read from text, or one line saying why the text holds none.
struct ParsedSet {
    std::optional<CharacterSet> set;
    std::string error;
};

// No set, and why.
inline ParsedSet Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

// The whole number a text starts with, as a comment names a code or a count.
inline std::optional<int> NumberAt(std::string_view text) {
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    return status == std::errc() && end != text.data() ? std::optional(value) : std::nullopt;
}

}  // namespace zrl
