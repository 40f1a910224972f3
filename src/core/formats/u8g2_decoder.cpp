#include "u8g2_decoder.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "core/formats/u8g2_glyphs.h"

namespace zrl {

namespace {

constexpr std::size_t kHeader = 23;
constexpr int kLastU8g2Code = 0xFFFF;

struct DecodeError {
    std::string message;
};

[[noreturn]] void Fail(std::string message) {
    throw DecodeError{std::move(message)};
}

// Bits from the lowest of each byte up, within a record.
class BitReader {
public:
    BitReader(std::string_view bytes, std::size_t start, std::size_t end)
        : bytes_(bytes), at_(start * 8), end_(end * 8) {}

    unsigned Get(int bits) {
        unsigned value = 0;
        for (int i = 0; i < bits; ++i, ++at_) {
            if (at_ >= end_) {
                Fail("a glyph's dots run past its record");
            }
            const auto byte = static_cast<unsigned char>(bytes_[at_ / 8]);
            value |= ((byte >> (at_ % 8)) & 1u) << i;
        }
        return value;
    }
    int Signed(int bits) { return bits == 0 ? 0 : static_cast<int>(Get(bits)) - (1 << (bits - 1)); }

private:
    std::string_view bytes_;
    std::size_t at_;
    std::size_t end_;
};

struct Header {
    int mode;
    int m0, m1;
    int width, height, x, y, advance;  // the bits of each glyph's box fields
    GlyphBox box;
    U8g2Metrics metrics;
    std::size_t unicode;  // from the start of the array
};

int Byte(std::string_view bytes, std::size_t at) {
    if (at >= bytes.size()) {
        Fail("the array ends at byte " + std::to_string(bytes.size()) + ", inside its glyphs");
    }
    return static_cast<unsigned char>(bytes[at]);
}

int SignedByte(std::string_view bytes, std::size_t at) {
    return static_cast<std::int8_t>(Byte(bytes, at));
}

int Word(std::string_view bytes, std::size_t at) {
    return Byte(bytes, at) << 8 | Byte(bytes, at + 1);
}

Header ReadHeader(std::string_view bytes) {
    if (bytes.size() < kHeader + 2) {
        Fail("a u8g2 font array has a 23-byte header; this one has " +
             std::to_string(bytes.size()) + " bytes");
    }
    Header header{};
    header.mode = Byte(bytes, 1);
    header.m0 = Byte(bytes, 2);
    header.m1 = Byte(bytes, 3);
    const int fields[] = {Byte(bytes, 4), Byte(bytes, 5), Byte(bytes, 6), Byte(bytes, 7),
                          Byte(bytes, 8)};
    if (header.mode > 3 || header.m0 < 1 || header.m0 > 8 || header.m1 < 1 || header.m1 > 8 ||
        std::any_of(std::begin(fields), std::end(fields), [](int bits) { return bits > 16; })) {
        Fail("its header is no u8g2 font's: box mode " + std::to_string(header.mode) +
             ", run bits " + std::to_string(header.m0) + " and " + std::to_string(header.m1));
    }
    header.width = fields[0];
    header.height = fields[1];
    header.x = fields[2];
    header.y = fields[3];
    header.advance = fields[4];
    header.box = {Byte(bytes, 9), Byte(bytes, 10), SignedByte(bytes, 11), SignedByte(bytes, 12)};
    // The height of an 8x8 tile's box is one less.
    header.box.height += header.mode == 3 ? 1 : 0;
    header.metrics = {SignedByte(bytes, 13), SignedByte(bytes, 14), SignedByte(bytes, 15),
                      SignedByte(bytes, 16)};
    header.unicode = kHeader + static_cast<std::size_t>(Word(bytes, 21));
    return header;
}

// The glyph of the record whose box fields start at `at`, its dots drawn as u8g2 draws
// them: each pair of runs, repeated while a 1 follows it, until the box is full.
BitmapGlyph ReadGlyph(std::string_view bytes, std::size_t at, std::size_t end, int code,
                      const Header& header) {
    BitReader reader(bytes, at, end);
    BitmapGlyph glyph;
    glyph.code = code;
    glyph.name = DefaultGlyphName(code);
    glyph.box.width = static_cast<int>(reader.Get(header.width));
    glyph.box.height = static_cast<int>(reader.Get(header.height));
    glyph.box.x = reader.Signed(header.x);
    glyph.box.y = reader.Signed(header.y);
    glyph.advance = reader.Signed(header.advance);
    if (glyph.box.width > 255 || glyph.box.height > 255) {
        Fail(glyph.name + " is " + std::to_string(glyph.box.width) + "x" +
             std::to_string(glyph.box.height) + " dots, past 255x255");
    }
    const long dots = static_cast<long>(glyph.box.width) * glyph.box.height;
    glyph.rows.assign(static_cast<std::size_t>(glyph.RowWords() * glyph.box.height), 0);
    bool inked = false;
    for (long dot = 0; dot < dots;) {
        const long zeros = reader.Get(header.m0);
        const long ones = reader.Get(header.m1);
        do {
            dot += zeros;
            for (long one = 0; one < ones && dot < dots; ++one, ++dot) {
                glyph.SetInk(static_cast<int>(dot / glyph.box.width),
                             static_cast<int>(dot % glyph.box.width));
                inked = true;
            }
        } while (dot < dots && reader.Get(1) != 0);
    }
    // A blank glyph of a font of one box holds no dots: it stands where the font's box does.
    if (!inked && header.mode != 0) {
        glyph.box = {0, 0, header.box.x, header.box.y};
        glyph.rows.clear();
    }
    return glyph;
}

std::size_t RecordEnd(std::string_view bytes, std::size_t at, int size, int codeBytes) {
    if (size <= codeBytes || at + static_cast<std::size_t>(size) > bytes.size()) {
        Fail("the glyph record at byte " + std::to_string(at) + " says it takes " +
             std::to_string(size) + " bytes");
    }
    return at + static_cast<std::size_t>(size);
}

void ReadLowGlyphs(std::string_view bytes, const Header& header, BitmapFont& font) {
    for (std::size_t at = kHeader;;) {
        const int code = Byte(bytes, at);
        const int size = Byte(bytes, at + 1);
        if (code == 0 && size == 0) {
            return;
        }
        const std::size_t end = RecordEnd(bytes, at, size, 2);
        font.glyphs.push_back(ReadGlyph(bytes, at + 2, end, code, header));
        at = end;
    }
}

// The lookup table's codes, and the glyphs past 255 after it.
std::vector<long> ReadHighGlyphs(std::string_view bytes, const Header& header, BitmapFont& font) {
    std::vector<long> codes;
    std::size_t at = header.unicode;
    const int skip = Word(bytes, at);
    for (std::size_t entry = at;; entry += 4) {
        codes.push_back(Word(bytes, entry + 2));
        if (codes.back() == kLastU8g2Code) {
            break;
        }
    }
    for (at += static_cast<std::size_t>(skip);;) {
        const int code = Word(bytes, at);
        if (code == 0) {
            return codes;
        }
        const std::size_t end = RecordEnd(bytes, at, Byte(bytes, at + 2), 3);
        font.glyphs.push_back(ReadGlyph(bytes, at + 3, end, code, header));
        at = end;
    }
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

void SayHeader(const Header& header, const std::vector<long>& tableCodes, BitmapFont& font) {
    using P = U8g2Properties;
    const auto add = [&font](std::string_view name, std::string value) {
        font.properties.push_back({std::string(name), std::move(value)});
    };
    const GlyphBox& box = header.box;
    add(P::kMode, std::to_string(header.mode));
    add(P::kBox, Quoted(std::to_string(box.width) + " " + std::to_string(box.height) + " " +
                        std::to_string(box.x) + " " + std::to_string(box.y)));
    add(P::kAscentA, std::to_string(header.metrics.ascentA));
    add(P::kDescentG, std::to_string(header.metrics.descentG));
    add(P::kAscentParen, std::to_string(header.metrics.ascentParen));
    add(P::kDescentParen, std::to_string(header.metrics.descentParen));
    std::string codes;
    for (const long code : tableCodes) {
        codes += (codes.empty() ? "" : " ") + std::to_string(code);
    }
    add(P::kTableCodes, Quoted(codes));
}

// The font's box holds every glyph's dots.
GlyphBox BoxOf(const BitmapFont& font, const GlyphBox& otherwise) {
    std::optional<GlyphBox> box;
    for (const BitmapGlyph& glyph : font.glyphs) {
        if (glyph.box.width > 0 && glyph.box.height > 0) {
            box = box ? Union(*box, glyph.box) : glyph.box;
        }
    }
    return box.value_or(otherwise);
}

}  // namespace

void TakeComment(const StringArray& array, BitmapFont& font) {
    font.name = array.fontName.empty() ? array.name : array.fontName;
    if (array.copyright) {
        font.properties.push_back({"COPYRIGHT", Quoted(*array.copyright)});
    }
    if (array.glyphs && array.fontGlyphs) {
        font.properties.push_back(
            {std::string(U8g2Properties::kArrayGlyphs), std::to_string(*array.glyphs)});
        font.properties.push_back(
            {std::string(U8g2Properties::kFontGlyphs), std::to_string(*array.fontGlyphs)});
    }
}

ReadFont DecodeU8g2(const StringArray& array) {
    try {
        const std::string_view bytes = array.bytes;
        const Header header = ReadHeader(bytes);
        BitmapFont font;
        ReadLowGlyphs(bytes, header, font);
        const std::vector<long> tableCodes = ReadHighGlyphs(bytes, header, font);
        if (font.glyphs.empty()) {
            Fail("the array holds no glyph");
        }
        font.box = BoxOf(font, header.box);
        TakeComment(array, font);
        SayHeader(header, tableCodes, font);
        return {std::move(font), {}};
    } catch (const DecodeError& error) {
        return {std::nullopt, array.name + ": " + error.message};
    }
}

}  // namespace zrl
