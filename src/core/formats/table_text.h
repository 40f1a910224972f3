#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/character_set.h"
#include "core/text/data_listing.h"

namespace zrl {

// What the text of every table shares, whatever its format: its languages, its lines, and
// the comments that name each character's code.

enum class Language { C, Arduino, Python };
std::string_view NameOf(Language language);
std::optional<Language> LanguageNamed(std::string_view name);

// What every table's lines end with, and what a line's comment says of a code that has no
// character (its values are blank, and readers skip it).
inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kNoCharacter = "(no character)";
// How a line's comment gives a character's advance where its dots reach past its width, so
// that the written columns are not its advance: "(advance 7)".
inline constexpr std::string_view kAdvance = "(advance ";

// How a comment names a code: "65 'A'" in C, "65 A" in BASIC, the number alone where the
// code is no printable ASCII character.
std::string CodeComment(int code, bool quoted);
// The comment of a table's line: the code and its character, or that it has none.
std::string LineComment(int code, bool present);
// "0x7E, 0x09, 0x09", as tables write their bytes.
void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes);

// How a language writes a comment and the brackets of an array.
struct Syntax {
    std::string_view comment;
    std::string_view open;
    std::string_view close;
};
Syntax SyntaxOf(Language language);
// The line that closes an array.
std::string Closing(Language language);

// A text's lines, numbered from 1, without their line ends.
struct SourceLine {
    int number;
    std::string_view text;
};
std::vector<SourceLine> LinesOf(std::string_view text);
// The text without the blanks and tabs around it.
std::string_view Trimmed(std::string_view text);

// Reads one character's text (a listing or a C initializer) and puts it at its code, or
// says which character is wrong: "character 65 (line 3): ...".
std::optional<std::string> PutParsed(CharacterSet& set, int code, int line, const std::string& text,
                                     ListingOrder order);

// Whether the name can name an array in C and Python: a letter or _, then letters, digits
// and _.
bool IsIdentifier(std::string_view name);
// Why the name cannot name an array in the language ("" when it can): it is no identifier,
// or it is one of the language's keywords (C's and C++'s, as an Arduino sketch is C++, or
// Python's).
std::string WhyNotName(std::string_view name, Language language);

// The first code and the last a set holds; 0 to -1 for none.
struct CodeRange {
    int first;
    int last;
};
CodeRange CodesOf(const CharacterSet& set);

// A table of bytes runs densely from its first code to its last, so a set with codes both
// up to 255 and past it is written with those up to 255, as tables and BASIC blocks always
// were. The set a table is written from: those, or none where the whole set is.
std::optional<CharacterSet> TableSubset(const CharacterSet& set);

}  // namespace zrl
