#include "pcf_font.h"

#include <algorithm>
#include <memory>

#ifdef ZRL_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#endif

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

std::optional<BitmapGlyph> LoadGlyph(FT_Face face, FT_UInt index, long code) {
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) {
        return std::nullopt;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    BitmapGlyph glyph;
    glyph.code = code;
    glyph.advance = static_cast<int>(slot->advance.x >> 6);
    glyph.box = {static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), slot->bitmap_left,
                 slot->bitmap_top - static_cast<int>(bitmap.rows)};
    char name[128] = {};
    if (FT_HAS_GLYPH_NAMES(face) && FT_Get_Glyph_Name(face, index, name, sizeof name) == 0) {
        glyph.name = name;
    }
    // Glyphs past code 255 are left out, but their dots still say how wide the cell is.
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
        std::uint64_t bits = 0;
        for (unsigned c = 0; c < bitmap.width; ++c) {
            const bool lit = (row[c / 8] & (0x80u >> (c % 8))) != 0;
            if (c < 64) {
                bits |= lit ? std::uint64_t{1} << (63 - c) : 0;
            } else {
                glyph.inkBeyond = glyph.inkBeyond || lit;
            }
        }
        glyph.rows.push_back(bits);
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
        if (glyph.inkBeyond ||
            (column >= 0 && column < std::min(glyph.box.width, 64) &&
             std::any_of(glyph.rows.begin(), glyph.rows.end(), [column](std::uint64_t row) {
                 return (row >> (63 - column) & 1u) != 0;
             }))) {
            return true;
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
    std::vector<bool> coded(static_cast<std::size_t>(std::max<FT_Long>(ft.face->num_glyphs, 0)));
    FT_UInt index = 0;
    for (FT_ULong code = FT_Get_First_Char(ft.face, &index); index != 0;
         code = FT_Get_Next_Char(ft.face, code, &index)) {
        if (index < coded.size()) {
            coded[index] = true;
        }
        if (auto glyph = LoadGlyph(ft.face, index, static_cast<long>(code))) {
            font.glyphs.push_back(std::move(*glyph));
        }
    }
    // Glyphs no code reaches, as BDF's ENCODING -1 has them. FreeType puts a copy of the
    // font's default glyph at index 0, which the file itself does not hold.
    for (std::size_t i = 1; i < coded.size(); ++i) {
        if (!coded[i]) {
            if (auto glyph = LoadGlyph(ft.face, static_cast<FT_UInt>(i), -1)) {
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
