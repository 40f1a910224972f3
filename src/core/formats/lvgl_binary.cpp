#include "lvgl_binary.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#include "core/formats/lvgl_cmaps.h"

namespace zrl {

namespace {

constexpr int kKerningScale = 16;  // 1.0 in 12.4 fixed point: no kerning to scale

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFFu);
    }
}

void PadTo4(std::string& out) {
    while (out.size() % 4 != 0) {
        out += '\0';
    }
}

// A table: its size, padding included, its tag and its content.
std::string Table(std::string_view tag, std::string content) {
    std::string out;
    PadTo4(content);
    Put(out, static_cast<std::uint32_t>(content.size() + 8), 4);
    out += tag;
    return out + content;
}

int UnsignedBits(long long value) {
    return value <= 0 ? 0
                      : static_cast<int>(std::bit_width(static_cast<unsigned long long>(value)));
}

int SignedBits(long long value) {
    return UnsignedBits(value < 0 ? -value - 1 : value) + 1;
}

int Advance(const LvglGlyph& glyph) {
    return static_cast<int>(std::lround(glyph.advance16 / 16.0));
}

using Widths = LvglFieldWidths;

Widths WidthsOf(const LvglFont& font) {
    Widths widths;
    int largest = 0;
    bool monospaced = true;
    for (const LvglGlyph& glyph : font.glyphs) {
        widths.xy = std::max({widths.xy, SignedBits(glyph.box.x), SignedBits(glyph.box.y)});
        widths.wh =
            std::max({widths.wh, UnsignedBits(glyph.box.width), UnsignedBits(glyph.box.height)});
        largest = std::max(largest, Advance(glyph));
        monospaced = monospaced && glyph.advance16 == font.glyphs.front().advance16;
    }
    if (monospaced && !font.glyphs.empty()) {
        widths.defaultAdvance = Advance(font.glyphs.front());
    } else {
        widths.advance = SignedBits(largest);
    }
    return widths;
}

class BitWriter {
public:
    void Write(long long value, int bits) {
        for (int bit = bits - 1; bit >= 0; --bit) {
            if (used_ % 8 == 0) {
                bytes_ += '\0';
            }
            if (((static_cast<unsigned long long>(value) >> bit) & 1u) != 0) {
                bytes_.back() = static_cast<char>(static_cast<unsigned char>(bytes_.back()) |
                                                  (0x80u >> (used_ % 8)));
            }
            ++used_;
        }
    }
    std::string Take() {
        used_ = 0;
        return std::exchange(bytes_, {});
    }

private:
    std::string bytes_;
    std::size_t used_ = 0;
};

std::string GlyphBits(const LvglGlyph& glyph, const Widths& widths) {
    BitWriter writer;
    writer.Write(Advance(glyph), widths.advance);
    writer.Write(glyph.box.x, widths.xy);
    writer.Write(glyph.box.y, widths.xy);
    writer.Write(glyph.box.width, widths.wh);
    writer.Write(glyph.box.height, widths.wh);
    for (int row = 0; row < glyph.box.height; ++row) {
        for (int column = 0; column < glyph.box.width; ++column) {
            writer.Write(glyph.Lit(column, row) ? 1 : 0, 1);
        }
    }
    return writer.Take();
}

std::string Cmap(const std::vector<LvglCmap>& cmaps) {
    std::string headers;
    std::string data;
    const std::size_t start = 12 + 16 * cmaps.size();
    for (const LvglCmap& cmap : cmaps) {
        Put(headers, static_cast<std::uint32_t>(start + data.size()), 4);
        Put(headers, static_cast<std::uint32_t>(cmap.start), 4);
        Put(headers, static_cast<std::uint32_t>(cmap.length), 2);
        Put(headers, static_cast<std::uint32_t>(cmap.glyphStart), 2);
        const bool sparse = cmap.type == LvglCmapType::SparseTiny;
        Put(headers, static_cast<std::uint32_t>(sparse ? cmap.list.size() : cmap.length), 2);
        Put(headers, static_cast<std::uint32_t>(cmap.type), 1);
        Put(headers, 0, 1);
        for (const int value : cmap.list) {
            Put(data, static_cast<std::uint32_t>(value), sparse ? 2 : 1);
        }
        PadTo4(data);
    }
    std::string content;
    Put(content, static_cast<std::uint32_t>(cmaps.size()), 4);
    return Table("cmap", content + headers + data);
}

std::string HeadTable(const LvglFont& font, const Widths& widths, bool longOffsets, bool wideIds) {
    int low = 0;
    int high = 0;
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        const GlyphBox& box = font.glyphs[i].box;
        low = i == 0 ? box.y : std::min(low, box.y);
        high = i == 0 ? box.y + box.height : std::max(high, box.y + box.height);
    }
    std::string head;
    Put(head, 1, 4);  // version
    Put(head, 3, 2);  // the tables after this one
    for (const int value : {font.size, font.ascent, font.descent, font.ascent, font.descent, 0, low,
                            high, widths.defaultAdvance, kKerningScale}) {
        Put(head, static_cast<std::uint32_t>(value), 2);
    }
    for (const int value : {longOffsets ? 1 : 0, wideIds ? 1 : 0, 0, 1, widths.xy, widths.wh,
                            widths.advance, 0, 0, 0}) {
        Put(head, static_cast<std::uint32_t>(value), 1);
    }
    // LVGL's converter writes the underline's thickness here, and no position.
    Put(head, static_cast<std::uint32_t>(font.underlineThickness), 2);
    return Table("head", head);
}

}  // namespace

std::string LvglBinaryFont(const LvglFont& font) {
    const Widths widths = WidthsOf(font);
    std::vector<std::string> glyphs;
    std::size_t total = 8;
    for (const LvglGlyph& glyph : font.glyphs) {
        glyphs.push_back(GlyphBits(glyph, widths));
        total += glyphs.back().size();
    }
    const bool longOffsets = total > 0xFFFF;
    std::string loca;
    Put(loca, static_cast<std::uint32_t>(glyphs.size() + 1), 4);
    std::string glyf;
    std::size_t offset = 8;
    Put(loca, static_cast<std::uint32_t>(offset), longOffsets ? 4 : 2);
    for (const std::string& glyph : glyphs) {
        Put(loca, static_cast<std::uint32_t>(offset), longOffsets ? 4 : 2);
        glyf += glyph;
        offset += glyph.size();
    }
    return HeadTable(font, widths, longOffsets, glyphs.size() + 1 > 256) +
           Cmap(SplitLvglCmaps(font.glyphs)) + Table("loca", loca) + Table("glyf", glyf);
}

}  // namespace zrl
