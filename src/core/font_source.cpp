#include "font_source.h"

#include <algorithm>

namespace zrl {

std::shared_ptr<const FontSource> ReadSource(const BitmapFont& font, std::string_view read,
                                             const CharacterSet& set,
                                             std::vector<std::optional<SetCharacter>> held) {
    auto source = std::make_shared<FontSource>();
    source->all = read;
    const std::string_view text = source->all;
    source->header = text.substr(0, font.charsStart);
    source->chars = text.substr(font.charsStart, font.charsEnd - font.charsStart);
    if (source->chars.ends_with("\r\n")) {
        source->lineEnd = "\r\n";
    }
    std::size_t previous = font.charsEnd;
    source->glyphs.reserve(font.glyphs.size());
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        const BitmapGlyph& glyph = font.glyphs[i];
        FontSource::Glyph& kept = source->glyphs.emplace_back();
        kept.code = glyph.code;
        kept.text = text.substr(previous, glyph.end - previous);
        kept.startChar = glyph.startChar - previous;
        kept.box = glyph.box;
        kept.advance = glyph.advance;
        kept.editable = held[i].has_value();
        if (kept.editable) {
            kept.read = std::move(*held[i]);
        } else if (glyph.code >= 0) {
            source->keptCodes.push_back(glyph.code);
        }
        previous = glyph.end;
    }
    std::sort(source->keptCodes.begin(), source->keptCodes.end());
    source->trailer = text.substr(previous);
    source->cell = set.Cell();
    source->descent = set.Descent();
    source->cellLeft = font.box.x;
    source->proportional = set.IsProportional();
    source->averageWidth = AverageWidth(set);
    return source;
}

}  // namespace zrl
