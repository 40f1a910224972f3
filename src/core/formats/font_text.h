#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/formats/bitmap_font.h"

namespace zrl {

// A font's BDF text in parts, so that a glyph can be written as soon as it is read and its
// bitmap let go: the header (which the box and count of every glyph decide) comes last.
class FontText {
public:
    static constexpr std::string_view kEnd = "ENDFONT\n";

    // The point size and resolution that SWIDTH is reckoned at come from its properties.
    explicit FontText(const BitmapFont& font);

    // Everything before the first glyph: the font learns where its CHARS line lies.
    std::string Header(BitmapFont& font, std::size_t glyphs) const;
    // The glyph's block and the blank line after it; the glyph learns where, within `out`,
    // its STARTCHAR line begins and its ENDCHAR line ends.
    void AppendGlyph(std::string& out, BitmapGlyph& glyph) const;
    // About how many bytes the glyph's block takes.
    static std::size_t Room(const BitmapGlyph& glyph);
    // Whether the font does not say its point size, which then comes from its box's height.
    bool PointsFromBox() const { return pointsFromBox_; }

private:
    bool pointsFromBox_;
    long points_;
    long resolution_;
};

// A font as BDF, every glyph and property as it holds them: how a PCF font is read. The
// font learns where the text holds its CHARS line and each glyph, as reading it would tell.
std::string WriteFontText(BitmapFont& font);

}  // namespace zrl
