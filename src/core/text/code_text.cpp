#include "code_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/model/character_set.h"

namespace zrl {

namespace {

std::optional<int> Number(std::string_view digits, int base) {
    int value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        value < kFirstCode || value > kLastUnicode) {
        return std::nullopt;
    }
    return value;
}

// The one character a UTF-8 text holds, if it holds exactly one.
std::optional<int> OneCharacter(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::size_t at = 0;
    const std::optional<int> code = NextCode(text, at);
    return code && at == text.size() ? code : std::nullopt;
}

}  // namespace

std::optional<int> NextCode(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4) {
        return std::nullopt;
    }
    int code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i, ++at) {
        const auto next = static_cast<unsigned char>(at < text.size() ? text[at] : 0);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = code << 6 | (next & 0x3F);
    }
    static constexpr int kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > kLastUnicode || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    return code;
}

TextCodes CodesOfText(std::string_view text) {
    TextCodes read;
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<int> code = NextCode(text, at);
        if (!code) {
            ++read.malformed;
        } else if (*code >= 0x20 && *code != 0x7F && *code != 0xFEFF) {
            read.codes.push_back(*code);
        }
    }
    std::sort(read.codes.begin(), read.codes.end());
    read.codes.erase(std::unique(read.codes.begin(), read.codes.end()), read.codes.end());
    return read;
}

std::string Utf8Of(int code) {
    const auto byte = [](int value) { return static_cast<char>(value); };
    if (code < 0x80) {
        return std::string(1, byte(code));
    }
    if (code < 0x800) {
        return {byte(0xC0 | code >> 6), byte(0x80 | (code & 0x3F))};
    }
    if (code < 0x10000) {
        return {byte(0xE0 | code >> 12), byte(0x80 | (code >> 6 & 0x3F)),
                byte(0x80 | (code & 0x3F))};
    }
    return {byte(0xF0 | code >> 18), byte(0x80 | (code >> 12 & 0x3F)),
            byte(0x80 | (code >> 6 & 0x3F)), byte(0x80 | (code & 0x3F))};
}

std::string CodePointText(int code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

std::optional<int> ParseCode(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (text.size() > 2 && (text[0] == 'U' || text[0] == 'u') && text[1] == '+') {
        return Number(text.substr(2), 16);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return Number(text.substr(2), 16);
    }
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos) {
        return Number(text, 10);
    }
    return OneCharacter(text);
}

}  // namespace zrl
