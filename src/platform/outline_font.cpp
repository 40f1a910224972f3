#include "outline_font.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/formats/bdf_font.h"
#include "core/formats/font_text.h"
#include "core/formats/format_table.h"
#include "core/formats/outline_cell.h"
#include "face_names.h"
#include "freetype_glyph.h"

#ifdef ZRL_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#endif

namespace zrl {

std::optional<Hinting> HintingNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, Hinting> kNames[] = {{"native", Hinting::Native},
                                                                      {"auto", Hinting::Auto},
                                                                      {"light", Hinting::Light},
                                                                      {"none", Hinting::None}};
    for (const auto& [text, hinting] : kNames) {
        if (name == text) {
            return hinting;
        }
    }
    return std::nullopt;
}

QString OutlineSize::Text() const {
    return pixels ? QStringLiteral("%1 px").arg(*pixels)
                  : QStringLiteral("%1 pt").arg(points.value_or(0));
}

bool IsOutlineFont(const QByteArray& head) {
    const Detected detected =
        DetectFormat(std::string_view(head.constData(), static_cast<std::size_t>(head.size())),
                     [](const Format& format) { return format.source == Source::Outline; });
    return detected.format != nullptr;
}

#ifdef ZRL_HAVE_FREETYPE

namespace {

FT_Int32 LoadFlags(Hinting hinting, bool mono) {
    const FT_Int32 target = mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
    switch (hinting) {
        case Hinting::Native:
            return target;
        case Hinting::Auto:
            return target | FT_LOAD_FORCE_AUTOHINT;
        case Hinting::Light:
            return FT_LOAD_TARGET_LIGHT;
        case Hinting::None:
            return target | FT_LOAD_NO_HINTING;
    }
    return target;
}

BitmapGlyph GlyphOf(FT_Face face, FT_UInt index, int code, int threshold) {
    // A greyscale strike where black and white was asked is cut halfway.
    BitmapGlyph glyph = GlyphInSlot(face->glyph, code, threshold > 0 ? threshold : 128);
    char name[64] = {};
    const bool named = FT_HAS_GLYPH_NAMES(face) &&
                       FT_Get_Glyph_Name(face, index, name, sizeof name) == 0 && name[0] != '\0' &&
                       std::string_view(name).find(' ') == std::string_view::npos;
    glyph.name = named ? std::string(name) : DefaultGlyphName(code);
    TrimToInk(glyph);
    return glyph;
}

bool SetSize(FT_Face face, const OutlineSize& size) {
    if (size.pixels) {
        return FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(*size.pixels)) == 0;
    }
    const auto points = static_cast<FT_F26Dot6>(std::lround(size.points.value_or(0) * 64));
    return FT_Set_Char_Size(face, points, 0, static_cast<FT_UInt>(size.dpi), 0) == 0;
}

int PixelSize(const OutlineSize& size) {
    return size.pixels ? *size.pixels
                       : static_cast<int>(std::lround(size.points.value_or(0) * size.dpi / 72.0));
}

}  // namespace

struct OutlineFont::Face {
    QByteArray data;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    QString error;
    std::vector<int> codes;
    int faces = 0;

    ~Face() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }

    bool Open(int index) {
        if (FT_Init_FreeType(&library) != 0) {
            error = QStringLiteral("FreeType could not start");
            return false;
        }
        FT_UInt version = TT_INTERPRETER_VERSION_35;
        FT_Property_Set(library, "truetype", "interpreter-version", &version);
        const auto* bytes = reinterpret_cast<const FT_Byte*>(data.constData());
        if (FT_New_Memory_Face(library, bytes, static_cast<FT_Long>(data.size()), -1, &face) != 0) {
            face = nullptr;
            error = QStringLiteral("not a readable TrueType or OpenType font");
            return false;
        }
        faces = static_cast<int>(std::clamp<FT_Long>(face->num_faces, 0, 0xFFFF));
        FT_Done_Face(face);
        face = nullptr;
        if (index >= faces) {
            error = QStringLiteral("there is no face %1: the file holds %2, counted from 0")
                        .arg(index)
                        .arg(faces);
            return false;
        }
        if (FT_New_Memory_Face(library, bytes, static_cast<FT_Long>(data.size()), index, &face) !=
            0) {
            face = nullptr;
            error = QStringLiteral("not a readable TrueType or OpenType font");
            return false;
        }
        if (!FT_IS_SCALABLE(face)) {
            error = QStringLiteral("the face has no outlines to rasterise");
            return false;
        }
        FT_UInt glyph = 0;
        for (FT_ULong code = FT_Get_First_Char(face, &glyph); glyph != 0;
             code = FT_Get_Next_Char(face, code, &glyph)) {
            if (code <= static_cast<FT_ULong>(kLastUnicode)) {
                codes.push_back(static_cast<int>(code));
            }
        }
        std::sort(codes.begin(), codes.end());
        return true;
    }

    // The glyphs at the size, trimmed to their dots, and the codes with none.
    bool Render(const std::vector<int>& wanted, const OutlineOptions& options, BitmapFont& font,
                std::vector<int>& missing) const {
        if (!SetSize(face, options.size)) {
            return false;
        }
        const bool mono = options.threshold == 0;
        const FT_Int32 flags = LoadFlags(options.hinting, mono);
        for (const int code : wanted) {
            const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
            if (index == 0) {
                missing.push_back(code);
                continue;
            }
            if (FT_Load_Glyph(face, index, flags) != 0 ||
                FT_Render_Glyph(face->glyph, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) !=
                    0) {
                missing.push_back(code);
                continue;
            }
            font.glyphs.push_back(GlyphOf(face, index, code, options.threshold));
        }
        font.lineHeight =
            static_cast<int>(std::clamp<FT_Pos>(face->size->metrics.height >> 6, 0, 1024));
        return true;
    }

    void Describe(BitmapFont& font, const OutlineSize& size) const {
        const std::string family = face->family_name != nullptr ? face->family_name : "Unnamed";
        const std::string style = face->style_name != nullptr ? face->style_name : "Regular";
        const bool bold = style.find("Bold") != std::string::npos;
        const char* slant = style.find("Italic") != std::string::npos    ? "I"
                            : style.find("Oblique") != std::string::npos ? "O"
                                                                         : "R";
        const int pixels = PixelSize(size);
        const int resolution = size.pixels ? 72 : size.dpi;
        const long decipoints =
            size.pixels ? pixels * 10L : std::lround(size.points.value_or(0) * 10);
        const int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
        font.name = "-misc-" + family + "-" + (bold ? "Bold" : "Medium") + "-" + slant +
                    "-Normal--" + std::to_string(pixels) + "-" + std::to_string(decipoints) + "-" +
                    std::to_string(resolution) + "-" + std::to_string(resolution) +
                    "-P-0-ISO10646-1";
        font.properties = {
            {"FAMILY_NAME", QuotedProperty(family)},
            {"FACE_NAME", QuotedProperty(family + " " + style)},
            {"WEIGHT_NAME", QuotedProperty(bold ? "Bold" : "Medium")},
            {"SLANT", QuotedProperty(slant)},
            {"PIXEL_SIZE", std::to_string(pixels)},
            {"POINT_SIZE", std::to_string(decipoints)},
            {"RESOLUTION_X", std::to_string(resolution)},
            {"RESOLUTION_Y", std::to_string(resolution)},
            {"CHARSET_REGISTRY", QuotedProperty("ISO10646")},
            {"CHARSET_ENCODING", QuotedProperty("1")},
            {"RASTERIZER_NAME", QuotedProperty("FreeType")},
            {"FONT_ASCENT", std::to_string(ascent)},
            {"FONT_DESCENT", std::to_string(font.lineHeight - ascent)},
        };
        if (const std::string notice = CopyrightOf(face); !notice.empty()) {
            font.properties.push_back({"COPYRIGHT", QuotedProperty(notice)});
        }
    }
};

OutlineFont::OutlineFont(QByteArray data, int face) : face_(std::make_unique<Face>()) {
    face_->data = std::move(data);
    if (!face_->Open(face)) {
        face_->codes.clear();
    }
}

bool OutlineFont::IsValid() const {
    return face_->error.isEmpty();
}

QString OutlineFont::Family() const {
    return IsValid() ? QString::fromUtf8(face_->face->family_name) : QString();
}

QString OutlineFont::Style() const {
    return IsValid() ? QString::fromUtf8(face_->face->style_name) : QString();
}

namespace {

QString SizeTooLarge(const QString& family, const OutlineSize& size, const GlyphBox& cell,
                     const std::optional<OutlineSize>& largest) {
    return QStringLiteral("at %1 %2 needs a %3x%4 cell, larger than %5x%5; %6")
        .arg(size.Text(), family)
        .arg(cell.width)
        .arg(cell.height)
        .arg(CellSize::kLargest)
        .arg(largest ? QStringLiteral("%1 is the largest size that fits").arg(largest->Text())
                     : QStringLiteral("no size fits"));
}

// The size in whole pixels or points, in the unit it was given in.
void Resize(OutlineSize& size, int to) {
    if (size.pixels) {
        size.pixels = to;
    } else {
        size.points = to;
    }
}

bool Fits(const GlyphBox& box) {
    return CellSize::IsValid(box.width, box.height);
}

}  // namespace

// Cells grow about in proportion to the size: from a guess so made, steps down a whole
// pixel or point at a time to a size that fits, then up while the next one fits too.
std::optional<OutlineSize> OutlineFont::LargestFitting(const std::vector<int>& codes,
                                                       const OutlineOptions& options,
                                                       const GlyphBox& cell) const {
    const double asked = options.size.pixels ? *options.size.pixels : *options.size.points;
    const int below = static_cast<int>(std::ceil(asked)) - 1;
    const int larger = std::max({cell.width, cell.height, 1});
    OutlineOptions trial = options;
    const auto fits = [&](int size) {
        Resize(trial.size, size);
        BitmapFont font;
        std::vector<int> missing;
        return face_->Render(codes, trial, font, missing) && Fits(NaturalCell(font.glyphs));
    };
    int size = std::min(below, static_cast<int>(asked * CellSize::kLargest / larger) + 2);
    while (size >= 1 && !fits(size)) {
        --size;
    }
    if (size < 1) {
        return std::nullopt;
    }
    while (size < below && fits(size + 1)) {
        ++size;
    }
    OutlineSize largest = options.size;
    Resize(largest, size);
    return largest;
}

Rasterised OutlineFont::Rasterise(const std::vector<int>& codes,
                                  const OutlineOptions& options) const {
    Rasterised result;
    BitmapFont font;
    if (!IsValid() || !face_->Render(codes, options, font, result.missing)) {
        result.error = IsValid() ? QStringLiteral("FreeType cannot set that size") : Error();
        return result;
    }
    GlyphBox cell = NaturalCell(font.glyphs);
    if (options.cell) {
        cell = GivenCell(*options.cell, cell);
        result.cut = ClipToCell(font.glyphs, cell);
    } else if (!Fits(cell)) {
        result.error =
            SizeTooLarge(Family(), options.size, cell, LargestFitting(codes, options, cell));
        return result;
    }
    font.box = cell;
    face_->Describe(font, options.size);
    const std::string text = WriteFontText(font);
    result.font = ImportFont(font, text);
    return result;
}

#else

struct OutlineFont::Face {
    QByteArray data;
    QString error = QStringLiteral("this build has no FreeType to rasterise outline fonts");
    std::vector<int> codes;
    int faces = 0;
};

OutlineFont::OutlineFont(QByteArray, int) : face_(std::make_unique<Face>()) {}
bool OutlineFont::IsValid() const {
    return false;
}
QString OutlineFont::Family() const {
    return {};
}
QString OutlineFont::Style() const {
    return {};
}
Rasterised OutlineFont::Rasterise(const std::vector<int>&, const OutlineOptions&) const {
    return {std::nullopt, {}, {}, Error()};
}
std::optional<OutlineSize> OutlineFont::LargestFitting(const std::vector<int>&,
                                                       const OutlineOptions&,
                                                       const GlyphBox&) const {
    return std::nullopt;
}

#endif

OutlineFont::~OutlineFont() = default;
OutlineFont::OutlineFont(OutlineFont&&) noexcept = default;
OutlineFont& OutlineFont::operator=(OutlineFont&&) noexcept = default;

QString OutlineFont::Error() const {
    return face_->error;
}

OutlineFont OutlineFont::FromFile(const QString& path, int face) {
    // The largest fonts of every script (CJK collections) are a few tens of MB.
    constexpr qint64 kLargest = qint64{256} * 1024 * 1024;
    QFile file(path);
    const bool readable = file.open(QIODevice::ReadOnly) && file.size() <= kLargest;
    OutlineFont font(readable ? file.readAll() : QByteArray(), face);
    if (!readable) {
        font.face_->error =
            file.isOpen() ? QStringLiteral("the file is larger than 256 MB") : file.errorString();
    }
    return font;
}

int OutlineFont::Faces() const {
    return face_->faces;
}

OutlineFont OutlineFont::WithFace(int face) const {
    return OutlineFont(face_->data, face);
}

Rasterised OutlineFont::Rasterise(const WantedCodes& wanted, const OutlineOptions& options) const {
    Rasterised made = Rasterise(wanted.codes, options);
    made.missing.insert(made.missing.end(), wanted.missing.begin(), wanted.missing.end());
    std::sort(made.missing.begin(), made.missing.end());
    return made;
}

const std::vector<int>& OutlineFont::Codes() const {
    return face_->codes;
}

}  // namespace zrl
