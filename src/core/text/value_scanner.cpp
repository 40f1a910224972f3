#include "value_scanner.h"

#include <charconv>

namespace zrl {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsWordCharacter(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// A number as C (and Python, and Arduino's B01110) write it; suffixes such as U and L are
// dropped.
std::optional<long long> ReadNumber(std::string_view token) {
    while (!token.empty() && (token.back() == 'u' || token.back() == 'U' || token.back() == 'l' ||
                              token.back() == 'L')) {
        token.remove_suffix(1);
    }
    int base = 10;
    if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
        base = 16;
        token.remove_prefix(2);
    } else if (token.size() > 2 && token[0] == '0' && (token[1] == 'b' || token[1] == 'B')) {
        base = 2;
        token.remove_prefix(2);
    } else if (token.size() > 1 && token[0] == 'B') {
        base = 2;
        token.remove_prefix(1);
    } else if (token.size() > 1 && token[0] == '0') {
        base = 8;
    }
    long long value = 0;
    const auto [end, status] =
        std::from_chars(token.data(), token.data() + token.size(), value, base);
    if (status != std::errc() || end != token.data() + token.size()) {
        return std::nullopt;
    }
    return value;
}

bool IsArduinoBinary(std::string_view word) {
    return word.size() > 1 && word.size() <= 9 && word[0] == 'B' &&
           word.find_first_not_of("01", 1) == std::string_view::npos;
}

// The value of a C character literal of one byte at the text's start: 'F', '\0', '\n'.
std::optional<long long> CharacterLiteral(std::string_view text) {
    if (text.size() >= 3 && text[0] == '\'' && text[1] != '\\' && text[1] != '\'' &&
        text[2] == '\'') {
        return static_cast<unsigned char>(text[1]);
    }
    if (text.size() >= 4 && text[0] == '\'' && text[1] == '\\' && text[3] == '\'') {
        switch (text[2]) {
            case '0':
                return 0;
            case 'n':
                return '\n';
            case 't':
                return '\t';
            case '\\':
            case '\'':
                return text[2];
            default:
                break;
        }
    }
    return std::nullopt;
}

}  // namespace

ValueScanner::ValueScanner(std::string_view text) {
    // A table is mostly values of four or five characters and a comma.
    tokens_.reserve(text.size() / 5 + 16);
    int line = 1;
    comments_.assign(2, {});
    std::size_t i = 0;
    const auto comment = [&](std::size_t start) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        comments_[static_cast<std::size_t>(line)] = text.substr(start, end - start);
        i = end;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            comments_.emplace_back();
            ++i;
        } else if (c == '#' || text.substr(i, 2) == "//") {
            comment(i);
        } else if (text.substr(i, 2) == "/*") {
            const std::size_t end = std::min(text.find("*/", i + 2), text.size());
            for (std::size_t j = i; j < end; ++j) {
                if (text[j] == '\n') {
                    ++line;
                    comments_.emplace_back();
                }
            }
            i = std::min(end + 2, text.size());
        } else if (const std::optional<long long> character = CharacterLiteral(text.substr(i))) {
            // 'F', as MD_MAX72XX's fonts begin: a byte written as a character.
            const std::size_t length = text[i + 1] == '\\' ? 4 : 3;
            tokens_.push_back({Token::Number, text.substr(i, length), line, *character, true});
            i += length;
        } else if (c == '"' || c == '\'') {
            const std::size_t end = text.find_first_of(std::string{c, '\n'}, i + 1);
            i = end == std::string_view::npos ? text.size() : text[end] == c ? end + 1 : end;
        } else if (IsWordCharacter(c)) {
            std::size_t end = i;
            while (end < text.size() && IsWordCharacter(text[end])) {
                ++end;
            }
            const std::string_view word = text.substr(i, end - i);
            Token token{Token::Word, word, line};
            if (IsDigit(c) || IsArduinoBinary(word)) {
                const std::optional<long long> number = ReadNumber(word);
                token = {Token::Number, word, line, number.value_or(0), number.has_value()};
            }
            tokens_.push_back(token);
            i = end;
        } else {
            // Commas only separate values: they need no token of their own.
            if (c != ',' && c != ' ' && c != '\t' && c != '\r' && c != '\v' && c != '\f') {
                tokens_.push_back({Token::Mark, text.substr(i, 1), line});
            }
            ++i;
        }
    }
}

std::string_view ValueScanner::CommentOn(int line) const {
    return line > 0 && static_cast<std::size_t>(line) < comments_.size()
               ? comments_[static_cast<std::size_t>(line)]
               : std::string_view();
}

std::optional<std::size_t> ValueScanner::Find(std::string_view word, std::size_t from) const {
    for (std::size_t i = from; i < tokens_.size(); ++i) {
        if (tokens_[i].kind == Token::Word && tokens_[i].text == word) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<ScannedArray> ValueScanner::InitializerFrom(std::size_t from) const {
    for (std::size_t j = from; j + 1 < tokens_.size(); ++j) {
        if (tokens_[j].text == "=") {
            const std::string_view next = tokens_[j + 1].text;
            return next == "{" || next == "[" ? std::optional(ArrayFrom(from)) : std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<ScannedArray> ValueScanner::LargestInnerArray() const {
    std::optional<ScannedArray> largest;
    int depth = 0;
    ScannedArray group;
    bool clean = true;
    std::size_t values = 0;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        const Token& token = tokens_[i];
        if (token.text == "{") {
            if (++depth == 2) {
                group = {};
                clean = true;
            }
        } else if (token.text == "}") {
            if (depth-- == 2 && clean && !group.values.empty() &&
                (!largest || group.values.size() > largest->values.size())) {
                group.end = i + 1;
                largest = group;
            }
            if (depth == 0) {
                break;
            }
        } else if (depth == 2 && token.kind == Token::Number && token.valid) {
            group.values.push_back({token.number, token.line});
            ++values;
        } else if (depth >= 2) {
            clean = false;
            values += token.kind == Token::Number ? 1 : 0;
        }
    }
    // Most of the values, not one row of a nested table that has a fault elsewhere.
    return largest && largest->values.size() * 2 > values ? largest : std::nullopt;
}

ScannedArray ValueScanner::ArrayFrom(std::size_t from) const {
    std::size_t i = from;
    std::string_view name;
    // The first = that begins an array: `const int rs = 12;` before a table begins none.
    for (std::size_t j = from; j + 1 < tokens_.size(); ++j) {
        if (tokens_[j].text == "=" && (tokens_[j + 1].text == "{" || tokens_[j + 1].text == "[")) {
            i = j + 1;
            // name = or name[8] =
            std::size_t k = j;
            while (k > from &&
                   (tokens_[k - 1].kind != Token::Word || tokens_[k - 1].text == "PROGMEM")) {
                --k;
            }
            name = k > from && tokens_[k - 1].kind == Token::Word ? tokens_[k - 1].text : "";
            break;
        }
    }
    while (i < tokens_.size() && tokens_[i].text != "{" && tokens_[i].text != "[") {
        ++i;
    }
    if (i == tokens_.size()) {
        return {{}, "no { ... } or [ ... ] holds the table's values", tokens_.size(), {}};
    }
    ScannedArray array;
    array.name = name;
    array.values.reserve(tokens_.size() - i);
    int depth = 0;
    for (; i < tokens_.size(); ++i) {
        const Token& token = tokens_[i];
        const bool negative = token.text == "-" && i + 1 < tokens_.size() &&
                              tokens_[i + 1].kind == Token::Number && tokens_[i + 1].valid;
        if (negative) {
            array.values.push_back({-tokens_[i + 1].number, token.line});
            ++i;
        } else if (token.text == "{" || token.text == "[") {
            ++depth;
        } else if (token.text == "}" || token.text == "]") {
            if (--depth == 0) {
                array.end = i + 1;
                return array;
            }
        } else if (token.kind == Token::Number && token.valid) {
            array.values.push_back({token.number, token.line});
        } else {
            array.error = "line " + std::to_string(token.line) + ": \"" +
                          std::string(token.text.substr(0, 16)) +
                          "\" is no value; values are hex (0x7E), binary (0b01110) or decimal";
            return array;
        }
    }
    array.error = "the table ends before its closing bracket";
    array.end = tokens_.size();
    return array;
}

}  // namespace zrl
