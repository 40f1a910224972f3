#include "lvgl_binary_reader.h"

#include <cstdint>
#include <utility>

#include "core/formats/lvgl_cmaps.h"

namespace zrl {

namespace {

using Widths = LvglFieldWidths;

struct ReadError {
    std::string message;
};

[[noreturn]] void Stop(std::string message) {
    throw ReadError{std::move(message)};
}

long long Get(std::string_view bytes, std::size_t at, int size, std::string_view where) {
    if (at + static_cast<std::size_t>(size) > bytes.size()) {
        Stop(std::string(where) + " ends at byte " + std::to_string(bytes.size()));
    }
    unsigned long long value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return static_cast<long long>(value);
}

long long Signed(long long value, int bytes) {
    const long long top = 1LL << (8 * bytes - 1);
    return value >= top ? value - 2 * top : value;
}

class BitReader {
public:
    BitReader(std::string_view bytes, std::size_t at, std::string where)
        : bytes_(bytes), bit_(at * 8), where_(std::move(where)) {}
    long long Unsigned(int bits) {
        long long value = 0;
        for (int i = 0; i < bits; ++i, ++bit_) {
            if (bit_ / 8 >= bytes_.size()) {
                Stop(where_ + " runs past the font's end");
            }
            value =
                value << 1 | ((static_cast<unsigned char>(bytes_[bit_ / 8]) >> (7 - bit_ % 8)) & 1);
        }
        return value;
    }
    long long Signed(int bits) {
        const long long value = Unsigned(bits);
        return bits > 0 && (value >> (bits - 1)) != 0 ? value - (1LL << bits) : value;
    }

private:
    std::string_view bytes_;
    std::size_t bit_;
    std::string where_;
};

struct Tables {
    std::size_t head = 0, cmap = 0, loca = 0, glyf = 0;
    std::size_t glyfEnd = 0;
};

Tables FindTables(std::string_view bytes) {
    Tables tables;
    for (std::size_t at = 0; at + 8 <= bytes.size();) {
        const long long size = Get(bytes, at, 4, "a table");
        const std::string_view tag = bytes.substr(at + 4, 4);
        if (size < 8 || at + static_cast<std::size_t>(size) > bytes.size()) {
            Stop("the " + std::string(tag) + " table at byte " + std::to_string(at) + " says " +
                 std::to_string(size) + " bytes, past the font's " + std::to_string(bytes.size()));
        }
        std::size_t* found = tag == "head"   ? &tables.head
                             : tag == "cmap" ? &tables.cmap
                             : tag == "loca" ? &tables.loca
                             : tag == "glyf" ? &tables.glyf
                                             : nullptr;
        if (found != nullptr && *found == 0) {
            *found = at + 8;
            tables.glyfEnd = tag == "glyf" ? at + static_cast<std::size_t>(size) : tables.glyfEnd;
        }
        at += static_cast<std::size_t>(size);
    }
    for (const auto& [at, tag] : {std::pair{tables.cmap, "cmap"}, std::pair{tables.loca, "loca"},
                                  std::pair{tables.glyf, "glyf"}}) {
        if (at == 0) {
            Stop(std::string("the font has no ") + tag + " table");
        }
    }
    return tables;
}

std::vector<LvglCmap> ReadCmaps(std::string_view bytes, std::size_t table) {
    const long long count = Get(bytes, table, 4, "the cmap table");
    std::vector<LvglCmap> cmaps;
    for (long long c = 0; c < count; ++c) {
        const std::string where = "cmap " + std::to_string(c);
        const std::size_t at = table + 4 + 16 * static_cast<std::size_t>(c);
        const std::size_t data = table - 8 + static_cast<std::size_t>(Get(bytes, at, 4, where));
        LvglCmap cmap;
        const long long start = Get(bytes, at + 4, 4, where);
        if (start > kLastUnicode) {
            Stop(where + " starts at " + std::to_string(start) + ", past U+10FFFF");
        }
        cmap.start = static_cast<long>(start);
        cmap.length = static_cast<int>(Get(bytes, at + 8, 2, where));
        cmap.glyphStart = static_cast<int>(Get(bytes, at + 10, 2, where));
        const long long entries = Get(bytes, at + 12, 2, where);
        const long long type = Get(bytes, at + 14, 1, where);
        if (type > 3) {
            Stop(where + " has no type LVGL knows: " + std::to_string(type));
        }
        cmap.type = static_cast<LvglCmapType>(type);
        const bool sparse = type == 1 || type == 3;
        const long long listed = cmap.type == LvglCmapType::Format0Tiny ? 0
                                 : sparse                               ? entries
                                                                        : cmap.length;
        for (long long i = 0; i < listed; ++i) {
            cmap.list.push_back(
                static_cast<int>(Get(bytes, data + static_cast<std::size_t>(i * (sparse ? 2 : 1)),
                                     sparse ? 2 : 1, where)));
        }
        for (long long i = 0; type == 1 && i < entries; ++i) {
            cmap.ids.push_back(static_cast<int>(
                Get(bytes, data + static_cast<std::size_t>(2 * (entries + i)), 2, where)));
        }
        cmaps.push_back(std::move(cmap));
    }
    return cmaps;
}

struct Head {
    LvglFont font;
    bool longOffsets = false;
    Widths widths;
};

Head ReadHead(std::string_view bytes, std::size_t at) {
    const auto get = [&](std::size_t offset, int size) {
        return Get(bytes, at + offset, size, "the head table");
    };
    if (const long long bpp = get(29, 1); bpp != 1) {
        Stop("the font has " + std::to_string(bpp) +
             " bits per pixel; only fonts of 1 bit per pixel are read");
    }
    if (get(33, 1) != 0) {
        Stop("the font's bitmaps are compressed; only plain bitmaps are read");
    }
    if (get(28, 1) != 0) {
        Stop("the font's advances have fractions of a pixel; only whole pixels are read");
    }
    Head head;
    head.font.size = static_cast<int>(get(6, 2));
    head.font.ascent = static_cast<int>(get(8, 2));
    head.font.descent = static_cast<int>(Signed(get(10, 2), 2));
    head.widths.defaultAdvance = static_cast<int>(get(22, 2));
    head.longOffsets = get(26, 1) != 0;
    head.widths.xy = static_cast<int>(get(30, 1));
    head.widths.wh = static_cast<int>(get(31, 1));
    head.widths.advance = static_cast<int>(get(32, 1));
    // A box holds 255 dots a side at most, an offset fits 16 bits, an advance the head's.
    for (const auto& [bits, most] : {std::pair{head.widths.xy, 16}, std::pair{head.widths.wh, 16},
                                     std::pair{head.widths.advance, 32}}) {
        if (bits > most) {
            Stop("the head gives a glyph's field " + std::to_string(bits) + " bits, past " +
                 std::to_string(most));
        }
    }
    head.font.underlineThickness = static_cast<int>(get(36, 2));
    return head;
}

LvglGlyph ReadGlyph(std::string_view glyf, std::size_t at, const Widths& widths, std::size_t id) {
    BitReader reader(glyf, at, "glyph id " + std::to_string(id));
    LvglGlyph glyph;
    const long long advance =
        widths.advance > 0 ? reader.Unsigned(widths.advance) : widths.defaultAdvance;
    if (advance > 0xFFFF) {
        Stop("glyph id " + std::to_string(id) + " advances " + std::to_string(advance) +
             " dots, past 65,535");
    }
    glyph.advance16 = 16 * static_cast<int>(advance);
    glyph.box.x = static_cast<int>(reader.Signed(widths.xy));
    glyph.box.y = static_cast<int>(reader.Signed(widths.xy));
    glyph.box.width = static_cast<int>(reader.Unsigned(widths.wh));
    glyph.box.height = static_cast<int>(reader.Unsigned(widths.wh));
    if (glyph.box.width > 255 || glyph.box.height > 255) {
        Stop("glyph id " + std::to_string(id) + " is " + std::to_string(glyph.box.width) + "x" +
             std::to_string(glyph.box.height) + " dots, past 255x255");
    }
    glyph.bits.assign(static_cast<std::size_t>((glyph.box.width * glyph.box.height + 7) / 8), 0);
    for (int dot = 0; dot < glyph.box.width * glyph.box.height; ++dot) {
        if (reader.Unsigned(1) != 0) {
            glyph.bits[static_cast<std::size_t>(dot / 8)] |=
                static_cast<std::uint8_t>(0x80u >> (dot % 8));
        }
    }
    return glyph;
}

LvglFont ReadBinaryFont(std::string_view bytes) {
    const Tables tables = FindTables(bytes);
    Head head = ReadHead(bytes, tables.head);
    const long long count = Get(bytes, tables.loca, 4, "the loca table");
    const int offsetSize = head.longOffsets ? 4 : 2;
    const std::string_view glyf = bytes.substr(tables.glyf - 8, tables.glyfEnd - (tables.glyf - 8));
    std::vector<LvglGlyph> glyphs;
    for (long long id = 1; id < count; ++id) {
        const long long offset =
            Get(bytes, tables.loca + 4 + static_cast<std::size_t>(id * offsetSize), offsetSize,
                "the loca table");
        glyphs.push_back(ReadGlyph(glyf, static_cast<std::size_t>(offset), head.widths,
                                   static_cast<std::size_t>(id)));
    }
    if (std::string why = GiveCodes(ReadCmaps(bytes, tables.cmap), std::move(glyphs), head.font);
        !why.empty()) {
        Stop(why);
    }
    return head.font;
}

}  // namespace

ReadLvgl ReadLvglBinaryFont(std::string_view bytes) {
    try {
        return {ReadBinaryFont(bytes), {}};
    } catch (const ReadError& error) {
        return {std::nullopt, error.message};
    }
}

bool StartsLvglBinaryFont(std::string_view bytes) {
    return bytes.size() >= kLvglHeadSize && bytes.substr(4, 4) == "head" &&
           Get(bytes, 0, 4, "") == static_cast<long long>(kLvglHeadSize);
}

}  // namespace zrl
