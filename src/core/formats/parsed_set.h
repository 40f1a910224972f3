#pragma once

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/character_set.h"
#include "core/text/conditionals.h"

namespace zrl {

// Longer text is refused unread: a full 256-character table of 5x7 is some 20 KB, of
// 255x255 some 12 MB.
inline constexpr std::size_t kMaxSetText = 16 * 1024 * 1024;

// A set read from text, or one line saying why the text holds none; and one line about a
// choice made in reading it, where one was.
struct ParsedSet {
    ParsedSet(std::optional<CharacterSet> set = std::nullopt, std::string error = {},
              std::string note = {})
        : set(std::move(set)), error(std::move(error)), note(std::move(note)) {}

    std::optional<CharacterSet> set;
    std::string error;
    std::string note;
    // The arrays of a text that holds several and was not told which to read: read it again
    // naming one.
    std::vector<std::string> arrays = {};
};

// What `read` makes of the text as a compiler reads it between its #if lines, with the note of
// any choice made there.
template <typename Read>
ParsedSet ReadFollowing(std::string_view text, Read read) {
    if (text.find("#if") == std::string_view::npos) {
        return read(text);
    }
    const Conditionals followed = FollowConditionals(text);
    ParsedSet parsed = read(std::string_view(followed.text));
    if (parsed.set && parsed.note.empty()) {
        parsed.note = followed.note;
    }
    return parsed;
}

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
