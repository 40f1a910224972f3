#include "u8x8_font.h"

#include <algorithm>
#include <climits>
#include <map>

#include "core/formats/format.h"
#include "core/formats/u8g2_decoder.h"
#include "core/formats/u8g2_encoder.h"
#include "core/text/code_map.h"
#include "core/text/code_text.h"

namespace zrl {

namespace {

constexpr std::size_t kHeader = 4;

int TilesFor(int dots) {
    return std::max(1, (dots + 7) / 8);
}

// The lowest row any chosen glyph lights; where none lights one, the font box's bottom.
int BottomOf(const U8g2Glyphs& glyphs) {
    int bottom = INT_MAX;
    for (const U8g2Glyph& glyph : glyphs.glyphs) {
        if (glyph.ink.width > 0 && glyph.ink.height > 0) {
            bottom = std::min(bottom, glyph.ink.y);
        }
    }
    return bottom == INT_MAX ? glyphs.fontBox.y : bottom;
}

std::string WhyNot(const U8g2Glyphs& glyphs) {
    if (glyphs.glyphs.empty()) {
        return "the map chooses none of the font's glyphs";
    }
    for (const U8g2Glyph& glyph : glyphs.glyphs) {
        if (glyph.code > 255) {
            return "a u8x8 font holds codes 0 to 255; " + CodePointText(glyph.code) +
                   " is past them: move it below with A-B>C in the map";
        }
    }
    return {};
}

// The tiles' block in the font's coordinates.
GlyphBox BlockOf(const U8g2Glyphs& glyphs, std::optional<CellSize> tiles) {
    const int across = tiles ? tiles->width : TilesFor(glyphs.fontBox.width);
    const int down = tiles ? tiles->height : TilesFor(glyphs.fontBox.height);
    return {across * 8, down * 8, 0, BottomOf(glyphs)};
}

}  // namespace

int GlyphsOutsideTiles(const U8g2Glyphs& glyphs, std::optional<CellSize> tiles) {
    const GlyphBox block = BlockOf(glyphs, tiles);
    return static_cast<int>(
        std::count_if(glyphs.glyphs.begin(), glyphs.glyphs.end(),
                      [&block](const U8g2Glyph& glyph) { return !Holds(block, glyph.ink); }));
}

U8x8Array EncodeU8x8(const U8g2Glyphs& glyphs, std::optional<CellSize> tiles) {
    if (std::string why = WhyNot(glyphs); !why.empty()) {
        return {{}, std::move(why)};
    }
    std::map<int, const U8g2Glyph*> byCode;
    for (const U8g2Glyph& glyph : glyphs.glyphs) {
        byCode.emplace(glyph.code, &glyph);
    }
    const int first = byCode.begin()->first;
    const int last = byCode.rbegin()->first;
    const GlyphBox block = BlockOf(glyphs, tiles);
    const int across = block.width / 8;
    const int down = block.height / 8;
    const int top = block.y + block.height - 1;
    std::string out{static_cast<char>(first), static_cast<char>(last), static_cast<char>(across),
                    static_cast<char>(down)};
    out.reserve(kHeader + static_cast<std::size_t>((last - first + 1) * across * down * 8) + 1);
    for (int code = first; code <= last; ++code) {
        const auto found = byCode.find(code);
        const U8g2Glyph* glyph = found == byCode.end() ? nullptr : found->second;
        for (int row = 0; row < down; ++row) {
            for (int column = 0; column < across * 8; ++column) {
                unsigned byte = 0;
                for (int bit = 0; glyph != nullptr && bit < 8; ++bit) {
                    byte |= glyph->Lit(column, top - row * 8 - bit) ? 1u << bit : 0u;
                }
                out += static_cast<char>(byte);
            }
        }
    }
    if (out.back() != '\0') {
        out += '\0';
    }
    return {std::move(out), {}};
}

std::optional<ReadFont> DecodeU8x8(const StringArray& array) {
    const std::string_view bytes = array.bytes;
    if (bytes.size() < kHeader + 1) {
        return std::nullopt;
    }
    const auto byte = [&bytes](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const int first = byte(0), last = byte(1), across = byte(2), down = byte(3);
    const std::size_t tiles = static_cast<std::size_t>(across) * static_cast<std::size_t>(down);
    const std::size_t size =
        kHeader + static_cast<std::size_t>(std::max(0, last - first + 1)) * tiles * 8;
    if (first > last || tiles == 0 || (bytes.size() != size && bytes.size() != size + 1)) {
        return std::nullopt;
    }
    BitmapFont font;
    font.box = {across * 8, down * 8, 0, 0};
    std::size_t at = kHeader;
    for (int code = first; code <= last; ++code) {
        BitmapGlyph glyph{code, DefaultGlyphName(code), font.box, {}};
        glyph.rows.assign(static_cast<std::size_t>(glyph.RowWords() * down * 8), 0);
        glyph.advance = across * 8;
        for (int row = 0; row < down; ++row) {
            for (int column = 0; column < across * 8; ++column, ++at) {
                for (int bit = 0; bit < 8; ++bit) {
                    if ((byte(at) >> bit) & 1u) {
                        glyph.SetInk(row * 8 + bit, column);
                    }
                }
            }
        }
        font.glyphs.push_back(std::move(glyph));
    }
    TakeComment(array, font);
    return ReadFont{std::move(font), {}};
}

namespace {

U8g2Glyphs GlyphsOf(const CharacterSet& set, const TableFormat& format) {
    return ChooseU8g2Glyphs(WriteBdf(set), format.map, format.text);
}

// The glyphs the comment counts: an array read back has every code from its first to its
// last, blank or not, and counts what its comment said it did.
int GlyphCount(const U8g2Glyphs& glyphs, std::string_view bytes) {
    const auto codes = static_cast<std::size_t>(static_cast<unsigned char>(bytes[1]) -
                                                static_cast<unsigned char>(bytes[0]) + 1);
    return glyphs.saidArrayGlyphs && glyphs.glyphs.size() == codes
               ? *glyphs.saidArrayGlyphs
               : static_cast<int>(glyphs.glyphs.size());
}

std::string WhyNotWritten(const CharacterSet& set, const TableFormat& format) {
    return EncodeU8x8(GlyphsOf(set, format), format.tiles).error;
}

std::string Write(const CharacterSet& set, const TableFormat& format) {
    const U8g2Glyphs glyphs = GlyphsOf(set, format);
    const U8x8Array array = EncodeU8x8(glyphs, format.tiles);
    const std::string name =
        format.name.empty() ? std::string(format.format->arrayName) : format.name;
    return FontArrayText(
        name, array.bytes,
        {glyphs.fontName, glyphs.copyright, GlyphCount(glyphs, array.bytes), glyphs.fontGlyphs, 3},
        true);
}

std::string Warning(const CharacterSet& set, const TableFormat& format) {
    const U8g2Glyphs glyphs = GlyphsOf(set, format);
    if (glyphs.glyphs.empty()) {
        return {};
    }
    const int cut = GlyphsOutsideTiles(glyphs, format.tiles);
    const GlyphBox block = BlockOf(glyphs, format.tiles);
    return cut == 0 ? std::string()
                    : "the " + ToString({block.width / 8, block.height / 8}) +
                          " tiles leave out the dots of " + Counted(cut, "glyph") + " outside them";
}

}  // namespace

extern const Format kU8x8Format{
    .name = "u8x8",
    .summary = "u8x8's tile font, as u8g2's bdfconv -f 2 writes it",
    .extensions = "c h",
    .output = Output::FontArray,
    .options = kTakesName | kTakesTiles,
    .limits = {.lastCode = 255},
    .whyNot = WhyNotWritten,
    .write = Write,
    .warning = Warning,
    .arrayName = "u8x8_font",
};

}  // namespace zrl
