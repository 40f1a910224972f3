#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrl {

// Whether a code is a UTF-16 surrogate, U+D800 to U+DFFF: half of a pair, no character.
inline bool IsSurrogate(long code) {
    return code >= 0xD800 && code <= 0xDFFF;
}

// A code as a person types it: "U+0416", "0x416", "1046", or the character itself ("Ж"),
// in UTF-8. Codes run from 0 to U+10FFFF; anything else is none.
std::optional<int> ParseCode(std::string_view text);

// The code point of the UTF-8 sequence at `at`, which moves past it; none for a malformed
// sequence (a stray or missing continuation byte, an overlong form, a surrogate, past
// U+10FFFF), and then `at` has moved past the bytes that were read. `at` must be inside.
std::optional<int> NextCode(std::string_view text, std::size_t& at);

// The characters a UTF-8 text holds, as a firmware's strings would: each code point once,
// in code order, without control characters (line ends, tabs) or a byte order mark; and
// how many malformed sequences were passed over.
struct TextCodes {
    std::vector<int> codes;
    int malformed = 0;
};
TextCodes CodesOfText(std::string_view text);

// The code point in UTF-8.
std::string Utf8Of(int code);
// The code point as Unicode writes it: "U+0416", "U+1F600".
std::string CodePointText(int code);

}  // namespace zrl
