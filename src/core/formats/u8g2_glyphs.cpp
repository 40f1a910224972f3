#include "u8g2_glyphs.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <map>

#include "core/formats/bdf_font.h"

namespace zrl {

namespace {

constexpr std::uint64_t kLeftColumn = std::uint64_t{1} << 63;

// Trimmed as u8g2's converter trims it: to the rows and columns holding ink. A glyph with no
// ink keeps its box's left edge and stands at its top.
U8g2Glyph Trimmed(const BitmapGlyph& glyph) {
    U8g2Glyph trimmed{0, glyph.code, glyph.name, glyph.box, std::max(0, glyph.advance), {}};
    GlyphBox& ink = trimmed.ink;
    const std::optional<BitmapRect> rect = InkRect(glyph);
    if (!rect) {
        ink = {0, 0, glyph.box.x, glyph.box.y + glyph.Rows()};
        return trimmed;
    }
    ink = {rect->width, rect->height, glyph.box.x + rect->left,
           glyph.box.y + glyph.box.height - rect->top - rect->height};
    trimmed.rows = RowsWithin(glyph, *rect);
    return trimmed;
}

std::optional<long> Number(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? std::optional(value)
                                                                    : std::nullopt;
}

// The numbers of a quoted property value: "1 2 3".
std::vector<long> Numbers(std::string_view value) {
    std::vector<long> numbers;
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return numbers;
    }
    value = value.substr(1, value.size() - 2);
    while (!value.empty()) {
        const std::size_t space = std::min(value.find(' '), value.size());
        if (const std::optional<long> number = Number(value.substr(0, space))) {
            numbers.push_back(*number);
        } else if (space > 0) {
            return {};
        }
        value.remove_prefix(std::min(space + 1, value.size()));
    }
    return numbers;
}

// The box of the first glyph at the code, as u8g2 measures it: an empty one measures nothing.
std::optional<GlyphBox> InkAt(const std::vector<BitmapGlyph>& glyphs, long code) {
    const auto found = std::find_if(glyphs.begin(), glyphs.end(), [code](const BitmapGlyph& glyph) {
        return glyph.code == code;
    });
    if (found == glyphs.end()) {
        return std::nullopt;
    }
    const GlyphBox ink = Trimmed(*found).ink;
    return ink.width > 0 && ink.height > 0 ? ink : GlyphBox{};
}

U8g2Metrics MetricsOf(const BitmapFont& font) {
    // A font of digits may have an "A" with no dots.
    std::optional<GlyphBox> a = InkAt(font.glyphs, 'A');
    if (!a || a->height == 0) {
        a = InkAt(font.glyphs, '1');
    }
    const std::optional<GlyphBox> g = InkAt(font.glyphs, 'g');
    const std::optional<GlyphBox> paren = InkAt(font.glyphs, '(');
    U8g2Metrics metrics;
    metrics.ascentA = a ? a->y + a->height : 0;
    metrics.descentG = g ? g->y : 0;
    metrics.ascentParen = paren ? paren->y + paren->height : metrics.ascentA;
    metrics.descentParen = paren ? paren->y : metrics.descentG;
    return metrics;
}

// What an array the font was read from said beside its glyphs, where the font says it.
void ReadSaid(const BitmapFont& font, U8g2Glyphs& glyphs) {
    using P = U8g2Properties;
    const auto number = [&font](std::string_view name) {
        return Number(PropertyValue(font, name));
    };
    const std::optional<long> ascentA = number(P::kAscentA);
    const std::optional<long> descentG = number(P::kDescentG);
    const std::optional<long> ascentParen = number(P::kAscentParen);
    const std::optional<long> descentParen = number(P::kDescentParen);
    if (ascentA && descentG && ascentParen && descentParen) {
        glyphs.metrics = {static_cast<int>(*ascentA), static_cast<int>(*descentG),
                          static_cast<int>(*ascentParen), static_cast<int>(*descentParen)};
    }
    if (const std::vector<long> box = Numbers(PropertyValue(font, P::kBox)); box.size() == 4) {
        glyphs.saidBox = GlyphBox{static_cast<int>(box[0]), static_cast<int>(box[1]),
                                  static_cast<int>(box[2]), static_cast<int>(box[3])};
    }
    glyphs.saidTableCodes = Numbers(PropertyValue(font, P::kTableCodes));
    if (const std::optional<long> mode = number(P::kMode); mode && *mode >= 0 && *mode <= 3) {
        glyphs.saidMode = static_cast<int>(*mode);
    }
    if (const std::optional<long> count = number(P::kFontGlyphs); count && *count >= 0) {
        glyphs.fontGlyphs = static_cast<int>(std::min(*count, 1L << 24));
    }
    if (const std::optional<long> count = number(P::kArrayGlyphs); count && *count >= 0) {
        glyphs.saidArrayGlyphs = static_cast<int>(std::min(*count, 1L << 24));
    }
}

}  // namespace

bool U8g2Glyph::Lit(int x, int y) const {
    const int column = x - ink.x;
    const int row = ink.y + ink.height - 1 - y;
    const int words = (ink.width + 63) / 64;
    return column >= 0 && column < ink.width && row >= 0 && row < ink.height &&
           (rows[static_cast<std::size_t>(row * words + column / 64)] &
            (kLeftColumn >> (column % 64))) != 0;
}

GlyphBox Union(const GlyphBox& a, const GlyphBox& b) {
    const int x = std::min(a.x, b.x);
    const int y = std::min(a.y, b.y);
    return {std::max(a.x + a.width, b.x + b.width) - x,
            std::max(a.y + a.height, b.y + b.height) - y, x, y};
}

U8g2Glyphs ChooseU8g2Glyphs(std::string_view bdf, const CodeMap& map,
                            const std::vector<int>& text) {
    ReadFont read = ReadBdf(bdf);
    U8g2Glyphs chosen;
    if (!read.font) {
        return chosen;
    }
    const BitmapFont& font = *read.font;
    chosen.fontGlyphs = static_cast<int>(font.glyphs.size());
    chosen.fontBox = font.box;
    chosen.fontName = font.name;
    chosen.copyright = PropertyValue(font, "COPYRIGHT");
    chosen.metrics = MetricsOf(font);
    ReadSaid(font, chosen);
    const bool everything = map.IsEmpty() && text.empty();
    std::map<int, std::pair<std::size_t, int>> taken;  // where each code is, and its rank
    for (const BitmapGlyph& glyph : font.glyphs) {
        if (glyph.code < 0 || glyph.code > kLastUnicode) {
            continue;
        }
        int rank = 0;
        const int code = static_cast<int>(glyph.code);
        const std::optional<int> target =
            everything ? std::optional(code) : ChosenCode(map, text, code, rank);
        if (!target) {
            continue;
        }
        U8g2Glyph trimmed = Trimmed(glyph);
        trimmed.code = *target;
        const auto [at, added] = taken.try_emplace(*target, chosen.glyphs.size(), rank);
        if (added) {
            chosen.glyphs.push_back(std::move(trimmed));
        } else if (rank > at->second.second) {
            at->second.second = rank;
            chosen.glyphs[at->second.first] = std::move(trimmed);
        }
    }
    return chosen;
}

}  // namespace zrl
