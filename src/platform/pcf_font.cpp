#include "pcf_font.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#ifdef ZRL_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#endif

#include "freetype_glyph.h"

namespace zrl {

bool IsPcf(const QByteArray& data) {
    return data.startsWith(QByteArrayLiteral("\1fcp"));
}

namespace {

// PCF's own tables that FreeType reads but does not tell: the properties, all of them in
// their order, the ascent and descent that X gives its lines, the default character, and
// the glyphs' names and scalable widths.
class PcfTables {
public:
    explicit PcfTables(const QByteArray& data) : data_(data) {}

    std::vector<FontProperty> Properties() const {
        std::vector<FontProperty> properties;
        const std::optional<Table> table = Find(kProperties);
        const std::uint32_t count = table ? Word(table->at, table->msb) : 0;
        if (count > 100000) {
            return properties;
        }
        std::size_t at = table ? table->at + 4 : 0;
        const std::size_t strings = at + count * 9 + (count % 4 == 0 ? 0 : 4 - count % 4) + 4;
        for (std::uint32_t i = 0; i < count; ++i, at += 9) {
            const std::string name = String(strings + Word(at, table->msb));
            const bool text = Byte(at + 4) != 0;
            const std::uint32_t value = Word(at + 5, table->msb);
            if (name.empty()) {
                continue;
            }
            properties.push_back({name, text ? Quoted(String(strings + value))
                                             : std::to_string(static_cast<std::int32_t>(value))});
        }
        return properties;
    }

    // The glyphs' names, in the order of the font's metrics: offsets into the strings that
    // follow them and their length.
    std::vector<std::string> GlyphNames() const {
        std::vector<std::string> names;
        if (const std::optional<Table> table = Find(kGlyphNames)) {
            const std::vector<std::uint32_t> offsets = Counted(*table);
            const std::size_t strings = table->at + 4 + 4 * offsets.size() + 4;
            for (const std::uint32_t offset : offsets) {
                names.push_back(String(strings + offset));
            }
        }
        return names;
    }

    // The glyphs' scalable widths (BDF's SWIDTH), in the order of the font's metrics.
    std::vector<int> ScalableWidths() const {
        std::vector<int> widths;
        if (const std::optional<Table> table = Find(kScalableWidths)) {
            for (const std::uint32_t width : Counted(*table)) {
                widths.push_back(static_cast<std::int32_t>(width));
            }
        }
        return widths;
    }

    // DEFAULT_CHAR, the code a missing character is drawn with, as the encodings say it.
    std::optional<FontProperty> DefaultChar() const {
        const std::optional<Table> table = Find(kEncodings);
        if (!table) {
            return std::nullopt;
        }
        const std::size_t at = table->at;
        const unsigned code =
            table->msb ? Byte(at + 8) << 8 | Byte(at + 9) : Byte(at + 9) << 8 | Byte(at + 8);
        return code == 0xFFFF ? std::nullopt
                              : std::optional(FontProperty{"DEFAULT_CHAR", std::to_string(code)});
    }

    // FONT_ASCENT and FONT_DESCENT, as the accelerators say them.
    std::vector<FontProperty> AscentAndDescent() const {
        std::optional<Table> table = Find(kBdfAccelerators);
        table = table ? table : Find(kAccelerators);
        if (!table) {
            return {};
        }
        const auto number = [this, &table](std::size_t offset) {
            return std::to_string(static_cast<std::int32_t>(Word(table->at + offset, table->msb)));
        };
        return {{"FONT_DESCENT", number(12)}, {"FONT_ASCENT", number(8)}};
    }

private:
    static constexpr std::uint32_t kProperties = 1u << 0;
    static constexpr std::uint32_t kAccelerators = 1u << 1;
    static constexpr std::uint32_t kEncodings = 1u << 5;
    static constexpr std::uint32_t kScalableWidths = 1u << 6;
    static constexpr std::uint32_t kGlyphNames = 1u << 7;
    static constexpr std::uint32_t kBdfAccelerators = 1u << 8;
    static constexpr std::uint32_t kMsbFirst = 1u << 2;

    unsigned Byte(std::size_t at) const {
        return at < static_cast<std::size_t>(data_.size())
                   ? static_cast<unsigned char>(data_[static_cast<qsizetype>(at)])
                   : 0;
    }
    std::uint32_t Word(std::size_t at, bool msb) const {
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::uint32_t byte = Byte(at + i);
            word |= msb ? byte << (8 * (3 - i)) : byte << (8 * i);
        }
        return word;
    }
    std::string String(std::size_t at) const {
        std::string text;
        for (; at < static_cast<std::size_t>(data_.size()) && Byte(at) != 0; ++at) {
            text += static_cast<char>(Byte(at));
        }
        return text;
    }
    static std::string Quoted(const std::string& text) {
        std::string quoted = "\"";
        for (const char c : text) {
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        return quoted + "\"";
    }
    // Where a table's data starts, past its format word, and its byte order.
    struct Table {
        std::size_t at;
        bool msb;
    };
    std::optional<Table> Find(std::uint32_t type) const {
        const std::uint32_t tables = Word(4, false);
        for (std::uint32_t i = 0; i < std::min(tables, 64u); ++i) {
            const std::size_t entry = 8 + 16 * static_cast<std::size_t>(i);
            if (Word(entry, false) == type) {
                const std::size_t offset = Word(entry + 12, false);
                return Table{offset + 4, (Word(offset, false) & kMsbFirst) != 0};
            }
        }
        return std::nullopt;
    }
    // A table's words after the count of them that starts it.
    std::vector<std::uint32_t> Counted(const Table& table) const {
        const std::uint32_t count = std::min<std::uint32_t>(Word(table.at, table.msb), 1u << 20);
        std::vector<std::uint32_t> words;
        words.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            words.push_back(Word(table.at + 4 + 4 * std::size_t{i}, table.msb));
        }
        return words;
    }

    const QByteArray& data_;
};

}  // namespace

#ifdef ZRL_HAVE_FREETYPE

namespace {

struct FreeType {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeType() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

std::string Property(FT_Face face, const char* name) {
    BDF_PropertyRec property{};
    if (FT_Get_BDF_Property(face, name, &property) == 0 &&
        property.type == BDF_PROPERTY_TYPE_ATOM && property.u.atom != nullptr) {
        return property.u.atom;
    }
    return {};
}

struct GlyphTables {
    std::vector<std::string> names;
    std::vector<int> scalableWidths;
};

// FreeType's glyph index is one past the font's own, by which its tables list glyphs.
std::optional<BitmapGlyph> LoadGlyph(FT_Face face, FT_UInt index, long code,
                                     const GlyphTables& tables) {
    const auto& names = tables.names;
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) {
        return std::nullopt;
    }
    // A PCF font's bitmaps are black and white: the threshold is never asked.
    BitmapGlyph glyph = GlyphInSlot(face->glyph, code, 1);
    char name[128] = {};
    if (index >= 1 && index <= tables.scalableWidths.size()) {
        glyph.scalableWidth = tables.scalableWidths[index - 1];
    }
    if (index >= 1 && index <= names.size()) {
        glyph.name = names[index - 1];
    } else if (FT_HAS_GLYPH_NAMES(face) && FT_Get_Glyph_Name(face, index, name, sizeof name) == 0) {
        glyph.name = name;
    }
    return glyph;
}

GlyphBox Union(const std::vector<BitmapGlyph>& glyphs) {
    if (glyphs.empty()) {
        return {};
    }
    int left = glyphs[0].box.x, bottom = glyphs[0].box.y;
    int right = left + glyphs[0].box.width, top = bottom + glyphs[0].box.height;
    for (const BitmapGlyph& glyph : glyphs) {
        if (glyph.box.width == 0 || glyph.box.height == 0) {
            continue;
        }
        left = std::min(left, glyph.box.x);
        bottom = std::min(bottom, glyph.box.y);
        right = std::max(right, glyph.box.x + glyph.box.width);
        top = std::max(top, glyph.box.y + glyph.box.height);
    }
    return {right - left, top - bottom, left, bottom};
}

bool InkInColumn(const std::vector<BitmapGlyph>& glyphs, int x) {
    for (const BitmapGlyph& glyph : glyphs) {
        const int column = x - glyph.box.x;
        for (int row = 0; column >= 0 && column < glyph.box.width && row < glyph.Rows(); ++row) {
            if (glyph.Ink(row, column)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

ReadFont ReadPcf(const QByteArray& data) {
    FreeType ft;
    if (FT_Init_FreeType(&ft.library) != 0 ||
        FT_New_Memory_Face(ft.library, reinterpret_cast<const FT_Byte*>(data.constData()),
                           static_cast<FT_Long>(data.size()), 0, &ft.face) != 0 ||
        !FT_HAS_FIXED_SIZES(ft.face)) {
        return {std::nullopt, "not a readable PCF font"};
    }
    BitmapFont font;
    font.name = Property(ft.face, "FONT");
    const PcfTables tables(data);
    bool defaultChar = false;
    for (FontProperty& property : tables.Properties()) {
        // The name has a line of its own in BDF, and bdftopcf makes RESOLUTION of the others.
        if (property.name != "FONT" && property.name != "RESOLUTION") {
            defaultChar = defaultChar || property.name == "DEFAULT_CHAR";
            font.properties.push_back(std::move(property));
        }
    }
    if (auto property = tables.DefaultChar(); property && !defaultChar) {
        font.properties.push_back(std::move(*property));
    }
    for (FontProperty& property : tables.AscentAndDescent()) {
        font.properties.push_back(std::move(property));
    }
    const GlyphTables glyphTables{tables.GlyphNames(), tables.ScalableWidths()};
    std::vector<bool> coded(static_cast<std::size_t>(std::max<FT_Long>(ft.face->num_glyphs, 0)));
    font.glyphs.reserve(coded.size());
    FT_UInt index = 0;
    for (FT_ULong code = FT_Get_First_Char(ft.face, &index); index != 0;
         code = FT_Get_Next_Char(ft.face, code, &index)) {
        if (index < coded.size()) {
            coded[index] = true;
        }
        if (auto glyph = LoadGlyph(ft.face, index, static_cast<long>(code), glyphTables)) {
            font.glyphs.push_back(std::move(*glyph));
        }
    }
    // Glyphs no code reaches, as BDF's ENCODING -1 has them. FreeType puts a copy of the
    // font's default glyph at index 0, which the file itself does not hold.
    for (std::size_t i = 1; i < coded.size(); ++i) {
        if (!coded[i]) {
            if (auto glyph = LoadGlyph(ft.face, static_cast<FT_UInt>(i), -1, glyphTables)) {
                font.glyphs.push_back(std::move(*glyph));
            }
        }
    }
    font.box = Union(font.glyphs);
    // bdftopcf widens a character-cell font's glyphs to their advance, so a font whose
    // characters leave a column between them comes back with that blank column in its box.
    if (font.box.width > 1 && !InkInColumn(font.glyphs, font.box.x + font.box.width - 1)) {
        --font.box.width;
    }
    return {std::move(font), {}};
}

#else

ReadFont ReadPcf(const QByteArray&) {
    return {std::nullopt,
            "this build reads PCF fonts only where FreeType is present; "
            "convert the font to BDF with pcf2bdf"};
}

#endif

}  // namespace zrl
