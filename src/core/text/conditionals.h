#pragma once

#include <string>
#include <string_view>

namespace zrl {

// C source as a compiler reads it between #if, #ifdef, #ifndef, #elif, #else and #endif:
// the lines of the branches not taken are blanked (their line ends kept, so lines keep their
// numbers), by what the file's own #defines say. A name the file never defines is read as a
// compiler would without it (not defined, 0), and `note` says so in one line; an #if the
// reader cannot follow is taken, and said too.
struct Conditionals {
    std::string text;
    std::string note;  // "" when the file decides every branch itself
};
Conditionals FollowConditionals(std::string_view text);

}  // namespace zrl
