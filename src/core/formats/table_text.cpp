#include "table_text.h"

#include <algorithm>
#include <array>

#include "core/text/pattern_parser.h"

namespace zrl {

namespace {

constexpr std::array<std::string_view, 3> kLanguages{"c", "arduino", "python"};

}  // namespace

std::string_view NameOf(Language language) {
    return kLanguages[static_cast<std::size_t>(language)];
}

std::optional<Language> LanguageNamed(std::string_view name) {
    const auto found = std::find(kLanguages.begin(), kLanguages.end(), name);
    return found == kLanguages.end()
               ? std::nullopt
               : std::optional(static_cast<Language>(found - kLanguages.begin()));
}

std::string CodeComment(int code, bool quoted) {
    std::string comment = std::to_string(code);
    if (code >= 32 && code <= 126) {
        const std::string character(1, static_cast<char>(code));
        comment += quoted ? " '" + character + "'" : code == 32 ? " space" : " " + character;
    }
    return comment;
}

std::string LineComment(int code, bool present) {
    return present ? CodeComment(code, true)
                   : std::to_string(code) + " " + std::string(kNoCharacter);
}

void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += i == 0 ? "0x" : ", 0x";
        out += kHex[bytes[i] >> 4];
        out += kHex[bytes[i] & 0xF];
    }
}

Syntax SyntaxOf(Language language) {
    return language == Language::Python ? Syntax{"# ", "[", "]"} : Syntax{"// ", "{", "}"};
}

std::string Closing(Language language) {
    return std::string(language == Language::Python ? "]" : "};") + std::string(kCrLf);
}

std::vector<SourceLine> LinesOf(std::string_view text) {
    std::vector<SourceLine> lines;
    int number = 1;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back({number, line});
        start = end + 1;
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::string> PutParsed(CharacterSet& set, int code, int line, const std::string& text,
                                     ListingOrder order) {
    const std::string where =
        "character " + std::to_string(code) + " (line " + std::to_string(line) + ")";
    if (code < kFirstCode || code > kLastUnicode) {
        return where + ": codes run from 0 to U+10FFFF";
    }
    if (set.Find(code) != nullptr) {
        return where + ": code " + std::to_string(code) + " comes twice";
    }
    const ParsedPattern parsed = ParsePattern(text, set.Cell(), order);
    if (!parsed.grid) {
        return where + ": " + parsed.error;
    }
    set.Put(code, {PatternOf(*parsed.grid), {}});
    return std::nullopt;
}

bool IsIdentifier(std::string_view name) {
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    return !name.empty() && letter(name.front()) &&
           std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

namespace {

// C's, and C++'s, whose compilers take C tables too (an Arduino sketch is C++).
constexpr std::string_view kCKeywords[] = {"_Alignas",
                                           "_Alignof",
                                           "_Atomic",
                                           "_Bool",
                                           "_Complex",
                                           "_Generic",
                                           "_Imaginary",
                                           "_Noreturn",
                                           "_Static_assert",
                                           "_Thread_local",
                                           "alignas",
                                           "alignof",
                                           "and",
                                           "and_eq",
                                           "asm",
                                           "auto",
                                           "bitand",
                                           "bitor",
                                           "bool",
                                           "break",
                                           "case",
                                           "catch",
                                           "char",
                                           "char16_t",
                                           "char32_t",
                                           "char8_t",
                                           "class",
                                           "co_await",
                                           "co_return",
                                           "co_yield",
                                           "compl",
                                           "concept",
                                           "const",
                                           "const_cast",
                                           "consteval",
                                           "constexpr",
                                           "constinit",
                                           "continue",
                                           "decltype",
                                           "default",
                                           "delete",
                                           "do",
                                           "double",
                                           "dynamic_cast",
                                           "else",
                                           "enum",
                                           "explicit",
                                           "export",
                                           "extern",
                                           "false",
                                           "float",
                                           "for",
                                           "friend",
                                           "goto",
                                           "if",
                                           "inline",
                                           "int",
                                           "long",
                                           "mutable",
                                           "namespace",
                                           "new",
                                           "noexcept",
                                           "not",
                                           "not_eq",
                                           "nullptr",
                                           "operator",
                                           "or",
                                           "or_eq",
                                           "private",
                                           "protected",
                                           "public",
                                           "register",
                                           "reinterpret_cast",
                                           "requires",
                                           "restrict",
                                           "return",
                                           "short",
                                           "signed",
                                           "sizeof",
                                           "static",
                                           "static_assert",
                                           "static_cast",
                                           "struct",
                                           "switch",
                                           "template",
                                           "this",
                                           "thread_local",
                                           "throw",
                                           "true",
                                           "try",
                                           "typedef",
                                           "typeid",
                                           "typename",
                                           "union",
                                           "unsigned",
                                           "using",
                                           "virtual",
                                           "void",
                                           "volatile",
                                           "wchar_t",
                                           "while",
                                           "xor",
                                           "xor_eq"};

constexpr std::string_view kPythonKeywords[] = {
    "False", "None",     "True",  "and",    "as",   "assert", "async",  "await",    "break",
    "class", "continue", "def",   "del",    "elif", "else",   "except", "finally",  "for",
    "from",  "global",   "if",    "import", "in",   "is",     "lambda", "nonlocal", "not",
    "or",    "pass",     "raise", "return", "try",  "while",  "with",   "yield"};

}  // namespace

std::string WhyNotName(std::string_view name, Language language) {
    if (!IsIdentifier(name)) {
        return "\"" + std::string(name) + "\" is no array name; use letters, digits and _";
    }
    const auto keyword = [name](const auto& keywords) {
        return std::find(std::begin(keywords), std::end(keywords), name) != std::end(keywords);
    };
    if (language == Language::Python ? keyword(kPythonKeywords) : keyword(kCKeywords)) {
        return "\"" + std::string(name) + "\" is a keyword of " +
               (language == Language::Python ? "Python" : "C and C++") +
               ", no array name; choose another";
    }
    return {};
}

CodeRange CodesOf(const CharacterSet& set) {
    const auto& characters = set.Characters();
    return characters.empty() ? CodeRange{0, -1}
                              : CodeRange{characters.begin()->first, characters.rbegin()->first};
}

std::optional<CharacterSet> TableSubset(const CharacterSet& set) {
    const auto& characters = set.Characters();
    if (characters.empty() || characters.begin()->first > kLastCode ||
        characters.rbegin()->first <= kLastCode) {
        return std::nullopt;
    }
    CharacterSet subset = set.Emptied();
    for (auto it = characters.begin(); it != characters.end() && it->first <= kLastCode; ++it) {
        subset.Put(it->first, it->second);
    }
    return subset;
}

}  // namespace zrl
