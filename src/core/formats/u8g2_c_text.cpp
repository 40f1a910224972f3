#include "u8g2_c_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace zrl {

namespace {

constexpr std::size_t kLineBytes = 32;
// Larger arrays are left out unless a sketch asks for them.
constexpr std::size_t kMostSmallArray = 32760;

// A BDF value as the comment gives it: a quoted one up to its closing quote, none as "(null)".
std::string Unquoted(const std::string& value) {
    if (value.empty()) {
        return "(null)";
    }
    if (value.front() != '"') {
        return value;
    }
    const std::size_t end = value.find('"', 1);
    return value.substr(1, end == std::string::npos ? std::string::npos : end - 1);
}

// Octal for what a C string cannot hold as it is and for what would read as part of an
// octal escape before it.
void AppendEscaped(std::string& out, unsigned char byte) {
    if (byte < 32 || byte >= 127 || byte == '"' || byte == '\\' || byte == '?' ||
        std::isdigit(byte) != 0) {
        char digits[4];
        const auto end = std::to_chars(digits, digits + sizeof digits, byte, 8).ptr;
        out += '\\';
        out.append(digits, end);
    } else {
        out += static_cast<char>(byte);
    }
}

}  // namespace

std::string FontArrayText(std::string_view name, std::string_view bytes,
                          const FontArrayComment& comment, bool tiled) {
    const std::string n(name);
    std::string out = "/*\n  Fontname: " + Unquoted(comment.fontName) +
                      "\n  Copyright: " + Unquoted(comment.copyright) +
                      "\n  Glyphs: " + std::to_string(comment.glyphs) + "/" +
                      std::to_string(comment.fontGlyphs) +
                      "\n  BBX Build Mode: " + std::to_string(comment.mode) + "\n*/\n";
    const bool large = bytes.size() > kMostSmallArray;
    if (large) {
        out += "#ifdef U8G2_USE_LARGE_FONTS\n";
    }
    out += "const uint8_t " + n + "[" + std::to_string(bytes.size()) + "] " +
           (tiled ? "U8X8" : "U8G2") + "_FONT_SECTION(\"" + n + "\") = \n";
    const std::string_view body = bytes.substr(0, bytes.empty() ? 0 : bytes.size() - 1);
    for (std::size_t at = 0; at <= body.size(); at += kLineBytes) {
        out += at == 0 ? "  \"" : "\n  \"";
        for (const char byte : body.substr(at, kLineBytes)) {
            AppendEscaped(out, static_cast<unsigned char>(byte));
        }
        out += '"';
    }
    out += ";\n";
    if (large) {
        out += "#endif /* U8G2_USE_LARGE_FONTS */\n";
    }
    return out;
}

bool DeclaresFontArray(std::string_view text) {
    return text.find("U8G2_FONT_SECTION") != std::string_view::npos ||
           text.find("U8X8_FONT_SECTION") != std::string_view::npos;
}

namespace {

// Reads a C text for its string arrays: comments, preprocessor lines and other declarations
// are passed over.
class ArrayScanner {
public:
    explicit ArrayScanner(std::string_view text) : text_(text) {}

    std::vector<StringArray> Arrays() {
        std::vector<StringArray> arrays;
        std::size_t statement = 0;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (SkipComment() || SkipPreprocessor()) {
                continue;
            }
            if (c == '"' || c == '\'') {
                SkipQuoted(c);
            } else if (c == ';' || c == '{' || c == '}') {
                statement = ++at_;
            } else if (c == '=') {
                ++at_;
                if (std::optional<StringArray> array = ArrayAfter(statement)) {
                    arrays.push_back(std::move(*array));
                }
                statement = at_;
            } else {
                ++at_;
            }
        }
        return arrays;
    }

private:
    bool SkipComment() {
        if (text_.substr(at_, 2) == "/*") {
            const std::size_t end = text_.find("*/", at_ + 2);
            lastComment_ = text_.substr(at_, end == std::string_view::npos ? end : end + 2 - at_);
            at_ = end == std::string_view::npos ? text_.size() : end + 2;
            lastCommentEnd_ = at_;
            return true;
        }
        if (text_.substr(at_, 2) == "//") {
            at_ = std::min(text_.find('\n', at_), text_.size());
            return true;
        }
        return false;
    }

    bool SkipPreprocessor() {
        std::size_t start = at_;
        while (start > 0 && (text_[start - 1] == ' ' || text_[start - 1] == '\t')) {
            --start;
        }
        if (text_[at_] != '#' || (start > 0 && text_[start - 1] != '\n')) {
            return false;
        }
        at_ = std::min(text_.find('\n', at_), text_.size());
        return true;
    }

    void SkipQuoted(char quote) {
        for (++at_; at_ < text_.size() && text_[at_] != quote && text_[at_] != '\n'; ++at_) {
            at_ += text_[at_] == '\\' ? 1 : 0;
        }
        ++at_;
    }

    void SkipBlanks() {
        while (at_ < text_.size()) {
            if (std::isspace(static_cast<unsigned char>(text_[at_])) != 0) {
                ++at_;
            } else if (!SkipComment()) {
                return;
            }
        }
    }

    static int Escape(std::string_view text, std::size_t& at) {
        const char c = text[at++];
        if (c >= '0' && c <= '7') {
            int value = c - '0';
            for (int digits = 1;
                 digits < 3 && at < text.size() && text[at] >= '0' && text[at] <= '7'; ++digits) {
                value = value * 8 + (text[at++] - '0');
            }
            return value & 0xFF;
        }
        if (c == 'x') {
            int value = 0;
            while (at < text.size() && std::isxdigit(static_cast<unsigned char>(text[at])) != 0) {
                const char digit = static_cast<char>(std::tolower(text[at++]));
                value = (value * 16 + (digit <= '9' ? digit - '0' : digit - 'a' + 10)) & 0xFF;
            }
            return value;
        }
        constexpr std::string_view kNamed = "n\nt\tr\ra\ab\bf\fv\v";
        const std::size_t named = kNamed.find(c);
        return named != std::string_view::npos && named % 2 == 0 ? kNamed[named + 1] : c;
    }

    // One literal's bytes, or none where the literal is cut short.
    bool ReadLiteral(std::string& bytes) {
        for (++at_; at_ < text_.size();) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return true;
            }
            if (c == '\n') {
                return false;
            }
            if (c == '\\' && at_ + 1 < text_.size()) {
                ++at_;
                if (text_[at_] == '\n') {
                    ++at_;
                    continue;
                }
                bytes += static_cast<char>(Escape(text_, at_));
                continue;
            }
            bytes += c;
            ++at_;
        }
        return false;
    }

    std::optional<StringArray> ArrayAfter(std::size_t statement) {
        const std::string_view declaration = text_.substr(statement, at_ - 1 - statement);
        const std::size_t open = declaration.find('[');
        SkipBlanks();
        if (open == std::string_view::npos || at_ >= text_.size() || text_[at_] != '"') {
            return std::nullopt;
        }
        StringArray array;
        while (at_ < text_.size() && text_[at_] == '"') {
            if (!ReadLiteral(array.bytes)) {
                return std::nullopt;
            }
            SkipBlanks();
        }
        array.bytes += '\0';
        std::size_t end = open;
        while (end > 0 && std::isspace(static_cast<unsigned char>(declaration[end - 1])) != 0) {
            --end;
        }
        std::size_t start = end;
        while (start > 0 &&
               (std::isalnum(static_cast<unsigned char>(declaration[start - 1])) != 0 ||
                declaration[start - 1] == '_')) {
            --start;
        }
        array.name = std::string(declaration.substr(start, end - start));
        array.tileSection = declaration.find("U8X8_FONT_SECTION") != std::string_view::npos;
        if (lastCommentEnd_ > statement) {
            ReadComment(array);
        }
        return array;
    }

    // "  Fontname: 5x7\n  Copyright: Public domain font.\n  Glyphs: 95/1426\n".
    void ReadComment(StringArray& array) const {
        const auto field = [this](std::string_view label) -> std::optional<std::string> {
            const std::size_t at = lastComment_.find(label);
            if (at == std::string_view::npos) {
                return std::nullopt;
            }
            const std::size_t start = at + label.size();
            const std::size_t end = std::min(lastComment_.find('\n', start), lastComment_.size());
            std::string value(lastComment_.substr(start, end - start));
            while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) {
                value.pop_back();
            }
            return value == "(null)" ? std::nullopt : std::optional(value);
        };
        array.fontName = field("Fontname: ").value_or("");
        array.copyright = field("Copyright: ");
        const std::string glyphs = field("Glyphs: ").value_or("");
        const std::size_t slash = glyphs.find('/');
        int chosen = 0, all = 0;
        if (slash != std::string::npos &&
            std::from_chars(glyphs.data(), glyphs.data() + slash, chosen).ec == std::errc() &&
            std::from_chars(glyphs.data() + slash + 1, glyphs.data() + glyphs.size(), all).ec ==
                std::errc()) {
            array.glyphs = chosen;
            array.fontGlyphs = all;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string_view lastComment_;
    std::size_t lastCommentEnd_ = 0;
};

}  // namespace

std::vector<StringArray> StringArraysIn(std::string_view text) {
    return ArrayScanner(text).Arrays();
}

}  // namespace zrl
