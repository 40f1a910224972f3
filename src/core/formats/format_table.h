#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats/format.h"

namespace zrl {

// The table of formats: every format the program reads or writes, one line each, in the
// order the user is offered them. The command line, the dialogs and the tests list and
// dispatch formats by it alone.
std::span<const Format* const> Formats();

// The format of the name, or of the alias (glcd's "c"); none where no format has it.
const Format* FormatNamed(std::string_view name);

// The format surest of a text, of those the filter admits (every one where there is none),
// and how sure it is; the first in the table where two are as sure. None where no format
// recognises the text.
struct Detected {
    const Format* format = nullptr;
    Certainty certainty = Certainty::None;
};
Detected DetectFormat(std::string_view text, bool (*admits)(const Format&) = nullptr);

// The formats written, and their names as the command line takes them, each alias just
// before its format's name.
bool IsWritten(const Format& format);
std::vector<std::string_view> WrittenNames();
// The formats read from a file's text: firmware source and BASIC.
bool IsReadAsText(const Format& format);

// The format's extensions, one by one; a file of a bitmap font may be gzip-compressed.
std::vector<std::string_view> ExtensionsOf(const Format& format);

// "glcd, pages or rows-msb".
std::string JoinedWithOr(const std::vector<std::string_view>& names);

// The set a format writes of the characters a map or a text chose from a whole set: for a
// BDF font the font itself less the others where nothing moved (so that what stays is
// written as it was read); for a font array the whole font, which it chooses from itself by
// the map and text; else the chosen characters in the narrowest cell that holds them.
CharacterSet ChosenFor(const Format& format, const CharacterSet& whole, const CharacterSet& chosen,
                       bool moved);

}  // namespace zrl
