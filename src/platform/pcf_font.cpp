#include "pcf_font.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#ifdef ZRL_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#endif

#include "core/formats/font_text.h"
#include "freetype_glyph.h"
#include "pcf_tables.h"

namespace zrl {

bool IsPcf(const QByteArray& data) {
    return data.startsWith(QByteArrayLiteral("\1fcp"));
}

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
    std::vector<std::string_view> names;  // views of the font's bytes
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

// The font's box, the union of its glyphs' boxes, grown a glyph at a time. bdftopcf widens
// a character-cell font's glyphs to their advance, so a font whose characters leave a
// column between them comes back with that blank column in its box, which is taken off.
class GlyphsBox {
public:
    void Add(const BitmapGlyph& glyph) {
        if (!started_) {
            box_ = glyph.box;
            started_ = true;
        } else if (glyph.box.width != 0 && glyph.box.height != 0) {
            const int right = std::max(box_.x + box_.width, glyph.box.x + glyph.box.width);
            const int top = std::max(box_.y + box_.height, glyph.box.y + glyph.box.height);
            box_.x = std::min(box_.x, glyph.box.x);
            box_.y = std::min(box_.y, glyph.box.y);
            box_.width = right - box_.x;
            box_.height = top - box_.y;
        }
        inkRight_ = std::max(inkRight_, glyph.box.x + InkRight(glyph));
    }

    GlyphBox Box() const {
        GlyphBox box = box_;
        if (box.width > 1 && inkRight_ < box.x + box.width) {
            --box.width;
        }
        return box;
    }

private:
    // One past the glyph's rightmost lit column; 0 where it has none.
    static int InkRight(const BitmapGlyph& glyph) {
        const auto words = static_cast<std::size_t>(glyph.RowWords());
        for (std::size_t word = words; word-- > 0;) {
            std::uint64_t lit = 0;
            for (std::size_t at = word; at < glyph.rows.size(); at += words) {
                lit |= glyph.rows[at];
            }
            if (lit != 0) {
                return static_cast<int>(64 * word) + 64 - std::countr_zero(lit);
            }
        }
        return 0;
    }

    bool started_ = false;
    GlyphBox box_;
    int inkRight_ = std::numeric_limits<int>::min();  // one past the rightmost lit column
};

constexpr const char* kUnreadable = "not a readable PCF font";

// Opens the font and reads what it holds beside its glyphs; false where FreeType cannot.
bool Open(const QByteArray& data, FreeType& ft, BitmapFont& font) {
    if (FT_Init_FreeType(&ft.library) != 0 ||
        FT_New_Memory_Face(ft.library, reinterpret_cast<const FT_Byte*>(data.constData()),
                           static_cast<FT_Long>(data.size()), 0, &ft.face) != 0 ||
        !FT_HAS_FIXED_SIZES(ft.face)) {
        return false;
    }
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
    return true;
}

// Hands each glyph to `take` as it is read, in the order of a BDF text: those with codes by
// code, then those no code reaches, as BDF's ENCODING -1 has them. FreeType puts a copy of
// the font's default glyph at index 0, which the file itself does not hold.
void ForEachGlyph(FT_Face face, const GlyphTables& tables,
                  const std::function<void(BitmapGlyph&&)>& take) {
    std::vector<bool> coded(static_cast<std::size_t>(std::max<FT_Long>(face->num_glyphs, 0)));
    FT_UInt index = 0;
    for (FT_ULong code = FT_Get_First_Char(face, &index); index != 0;
         code = FT_Get_Next_Char(face, code, &index)) {
        if (index < coded.size()) {
            coded[index] = true;
        }
        if (auto glyph = LoadGlyph(face, index, static_cast<long>(code), tables)) {
            take(std::move(*glyph));
        }
    }
    for (std::size_t i = 1; i < coded.size(); ++i) {
        if (!coded[i]) {
            if (auto glyph = LoadGlyph(face, static_cast<FT_UInt>(i), -1, tables)) {
                take(std::move(*glyph));
            }
        }
    }
}

GlyphTables TablesOf(const QByteArray& data) {
    const PcfTables tables(data);
    return {tables.GlyphNames(), tables.ScalableWidths()};
}

}  // namespace

ReadFont ReadPcf(const QByteArray& data) {
    FreeType ft;
    BitmapFont font;
    if (!Open(data, ft, font)) {
        return {std::nullopt, kUnreadable};
    }
    font.glyphs.reserve(static_cast<std::size_t>(std::max<FT_Long>(ft.face->num_glyphs, 0)));
    GlyphsBox box;
    ForEachGlyph(ft.face, TablesOf(data), [&](BitmapGlyph&& glyph) {
        box.Add(glyph);
        font.glyphs.push_back(std::move(glyph));
    });
    font.box = box.Box();
    return {std::move(font), {}};
}

std::string WritePcfText(const QByteArray& data, const TextSink& write) {
    FreeType ft;
    BitmapFont font;
    if (!Open(data, ft, font)) {
        return kUnreadable;
    }
    const GlyphTables tables = TablesOf(data);
    // The header says the box and count of all the glyphs: a first reading finds them, and
    // a second writes each glyph's lines and lets its bitmap go.
    GlyphsBox box;
    std::size_t count = 0;
    ForEachGlyph(ft.face, tables, [&](BitmapGlyph&& glyph) {
        box.Add(glyph);
        ++count;
    });
    font.box = box.Box();
    const FontText writer(font);
    std::string part = writer.Header(font, count);
    constexpr std::size_t kPart = 64 * 1024;
    part.reserve(2 * kPart);
    ForEachGlyph(ft.face, tables, [&](BitmapGlyph&& glyph) {
        writer.AppendGlyph(part, glyph);
        if (part.size() >= kPart) {
            write(part);
            part.clear();
        }
    });
    part += FontText::kEnd;
    write(part);
    return {};
}

#else

ReadFont ReadPcf(const QByteArray&) {
    return {std::nullopt,
            "this build reads PCF fonts only where FreeType is present; "
            "convert the font to BDF with pcf2bdf"};
}

std::string WritePcfText(const QByteArray& data, const TextSink&) {
    return ReadPcf(data).error;
}

#endif

}  // namespace zrl
