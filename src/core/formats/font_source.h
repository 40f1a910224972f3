#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats/bitmap_font.h"
#include "core/model/character_set.h"

namespace zrl {

// A BDF font's text as it was read, kept beside the set made of it so that whatever the set
// does not change is written back exactly as it was: the header with its comments and
// properties, each glyph's block, and the glyphs that the set cannot hold (with no code, too
// large for a 255x255 cell, or at a code already taken), which stay as they are.
struct FontSource : SourceFont {
    FontSource() = default;
    // Its parts are views of its own text: it is made once and shared, never copied.
    FontSource(const FontSource&) = delete;
    FontSource& operator=(const FontSource&) = delete;

    struct Glyph {
        long code = -1;
        // From just after the previous glyph's ENDCHAR line through this one's, so blank
        // lines and comments between glyphs travel with the glyph after them.
        std::string_view text;
        std::size_t startChar = 0;  // where the STARTCHAR line begins within the text
        bool editable = false;      // the set holds it; otherwise it is kept as it is
        SetCharacter read;          // what the set made of it, in the cell below
        GlyphBox box;
    };

    std::string all;          // the whole text, which the parts below are views of
    std::string_view header;  // everything before the CHARS line
    std::string_view chars;   // the CHARS line, its line end included
    std::vector<Glyph> glyphs;
    std::string_view trailer;  // everything after the last glyph's ENDCHAR line
    std::string lineEnd = "\n";

    // The set as it was read: an edit that changes these changes the properties that say them.
    CellSize cell;
    int descent = 0;
    int cellLeft = 0;  // the font's box's left edge, from the glyphs' origin
    bool proportional = false;
    long averageWidth = 0;
};

// The BDF text a set was read from, or none.
const FontSource* FontSourceOf(const CharacterSet& set);

// The source of a set read from a BDF text: `held` is what the set made of each of the
// font's glyphs, none for those it keeps as they are.
std::shared_ptr<const FontSource> ReadSource(const BitmapFont& font, std::string_view text,
                                             const CharacterSet& set,
                                             std::vector<std::optional<SetCharacter>> held);

// The set as BDF in its source's text: what the set does not change as it was, byte for
// byte; a changed glyph's block alone changed; CHARS, the box and the properties that say
// the spacing and average width changed only where the set changed what they say.
std::string WriteKeeping(const CharacterSet& set, const FontSource& source);

}  // namespace zrl
