#include "platform/outline_font.h"

#include <gtest/gtest.h>

#include <QFile>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/formats/bdf_font.h"
#include "core/formats/format_table.h"
#include "core/formats/gfx_font.h"
#include "core/formats/set_import.h"
#include "core/formats/table_writer.h"
#include "platform/font_file.h"

#ifdef ZRL_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#endif

namespace zrl {
namespace {

const QString kFreeFont = QStringLiteral("/usr/share/fonts/truetype/freefont/");
const QString kDejaVuSans = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");

std::vector<int> Printable() {
    std::vector<int> codes;
    for (int code = 32; code <= 126; ++code) {
        codes.push_back(code);
    }
    return codes;
}

std::optional<OutlineFont> FontAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return OutlineFont(file.readAll());
}

OutlineOptions Pixels(int pixels, int threshold = 0) {
    OutlineOptions options;
    options.size.pixels = pixels;
    options.threshold = threshold;
    return options;
}

#ifdef ZRL_HAVE_FREETYPE
// A glyph as drawn from its cursor: lit dots at (x, y), y down from the cursor's row.
struct Drawn {
    std::set<std::pair<int, int>> dots;
    int xAdvance = 0;
    bool operator==(const Drawn&) const = default;
};

struct DrawnFont {
    std::map<int, Drawn> glyphs;
    int yAdvance = 0;
};

// A GFXfont's text drawn as Adafruit GFX draws it, read with nothing of the program's own.
DrawnFont DrawGfxText(const std::string& text) {
    DrawnFont font;
    const std::string bitmapPart = text.substr(0, text.find("GFXglyph"));
    std::vector<int> bytes;
    const std::regex hex("0x([0-9A-F]{2}),");
    for (auto it = std::sregex_iterator(bitmapPart.begin(), bitmapPart.end(), hex);
         it != std::sregex_iterator(); ++it) {
        bytes.push_back(std::stoi((*it)[1], nullptr, 16));
    }
    const std::regex glyph(R"(\{(\d+), (\d+), (\d+), (\d+), (-?\d+), (-?\d+)\},  // (\d+))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), glyph);
         it != std::sregex_iterator(); ++it) {
        const auto value = [&it](int k) { return std::stoi((*it)[k]); };
        Drawn& drawn = font.glyphs[value(7)];
        drawn.xAdvance = value(4);
        for (int bit = 0; bit < value(2) * value(3); ++bit) {
            if ((bytes[static_cast<std::size_t>(value(1) + bit / 8)] << (bit % 8) & 0x80) != 0) {
                drawn.dots.insert({value(5) + bit % value(2), value(6) + bit / value(2)});
            }
        }
    }
    std::smatch last;
    const std::regex yAdvance(R"((\d+)\};\s*$)");
    if (std::regex_search(text, last, yAdvance)) {
        font.yAdvance = std::stoi(last[1]);
    }
    return font;
}

// What Adafruit's converter is documented to do, straight through FreeType: the char size
// in points at 141 dpi, the interpreter of version 35, monochrome, the box at bitmap_left
// and 1 - bitmap_top from the cursor.
DrawnFont DrawAsTheConverterDoes(const QString& path, int points) {
    DrawnFont font;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Init_FreeType(&library);
    FT_UInt version = TT_INTERPRETER_VERSION_35;
    FT_Property_Set(library, "truetype", "interpreter-version", &version);
    QFile file(path);
    const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(data.constData()),
                           static_cast<FT_Long>(data.size()), 0, &face) != 0) {
        ADD_FAILURE() << "FreeType cannot read " << qPrintable(path);
        FT_Done_FreeType(library);
        return font;
    }
    FT_Set_Char_Size(face, points << 6, 0, 141, 0);
    for (int code = 32; code <= 126; ++code) {
        FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_TARGET_MONO);
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO);
        const FT_GlyphSlot slot = face->glyph;
        Drawn& drawn = font.glyphs[code];
        drawn.xAdvance = static_cast<int>(slot->advance.x >> 6);
        for (unsigned r = 0; r < slot->bitmap.rows; ++r) {
            for (unsigned c = 0; c < slot->bitmap.width; ++c) {
                if ((slot->bitmap.buffer[r * static_cast<unsigned>(slot->bitmap.pitch) + c / 8] &
                     (0x80u >> (c % 8))) != 0) {
                    drawn.dots.insert({slot->bitmap_left + static_cast<int>(c),
                                       1 - slot->bitmap_top + static_cast<int>(r)});
                }
            }
        }
    }
    font.yAdvance = static_cast<int>(face->size->metrics.height >> 6);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return font;
}

TEST(OutlineFont, GfxFontsHaveTheConvertersDotsAdvancesAndLineHeight) {
    const QStringList fonts = {kFreeFont + "FreeSans.ttf", kFreeFont + "FreeMono.ttf",
                               kFreeFont + "FreeSerif.ttf", kDejaVuSans};
    for (const QString& path : fonts) {
        const std::optional<OutlineFont> font = FontAt(path);
        if (!font) {
            GTEST_SKIP() << qPrintable(path) << " is not installed";
        }
        for (const int points : {9, 12}) {
            OutlineOptions options;
            options.size.points = points;
            const Rasterised made = font->Rasterise(Printable(), options);
            ASSERT_TRUE(made.font) << qPrintable(made.error);
            DrawnFont ours = DrawGfxText(WriteGfxFont(made.font->set, "Font"));
            const DrawnFont theirs = DrawAsTheConverterDoes(path, points);
            EXPECT_EQ(ours.yAdvance, theirs.yAdvance) << qPrintable(path) << " " << points;
            for (const auto& [code, drawn] : theirs.glyphs) {
                EXPECT_EQ(ours.glyphs[code], drawn)
                    << qPrintable(path) << " at " << points << " pt, code " << code;
            }
        }
    }
}
#endif

std::string Picture(const CharacterSet& set, int code) {
    std::string rows;
    const Pattern& pattern = set.Find(code)->pattern;
    for (int row = 0; row < set.Cell().height; ++row) {
        for (int column = 0; column < set.Cell().width; ++column) {
            rows += pattern.Lit(row, column) ? '#' : '.';
        }
        rows += row == set.Ascent() - 1 ? "  <- baseline\n" : "\n";
    }
    return rows;
}

TEST(OutlineFont, DejaVuSansStandsOnOneBaselineAtEveryPixelSize) {
    const std::optional<OutlineFont> font = FontAt(kDejaVuSans);
    if (!font) {
        GTEST_SKIP() << "DejaVu Sans is not installed";
    }
    const Rasterised eight = font->Rasterise({'H', 'g'}, Pixels(8));
    ASSERT_TRUE(eight.font) << qPrintable(eight.error);
    // The font's hinting puts the stems on whole pixels, one column in from the origin.
    EXPECT_EQ(Picture(eight.font->set, 'H'),
              ".#..#\n"
              ".#..#\n"
              ".#..#\n"
              ".####\n"
              ".#..#\n"
              ".#..#  <- baseline\n"
              ".....\n"
              ".....\n");
    EXPECT_EQ(Picture(eight.font->set, 'g'),
              ".....\n"
              ".....\n"
              "..###\n"
              ".#..#\n"
              ".#..#\n"
              "..###  <- baseline\n"
              "....#\n"
              "..##.\n");
    for (const int pixels : {12, 16}) {
        const Rasterised made = font->Rasterise(Printable(), Pixels(pixels));
        ASSERT_TRUE(made.font) << qPrintable(made.error);
        const CharacterSet& set = made.font->set;
        // 'x' sits on the baseline, 'p' reaches below it, and both have the font's advance.
        const Pattern& x = set.Find('x')->pattern;
        const Pattern& p = set.Find('p')->pattern;
        const auto lastRow = [&set](const Pattern& pattern) {
            int last = -1;
            for (int row = 0; row < set.Cell().height; ++row) {
                for (int column = 0; column < set.Cell().width; ++column) {
                    last = pattern.Lit(row, column) ? row : last;
                }
            }
            return last;
        };
        EXPECT_EQ(lastRow(x), set.Ascent() - 1) << pixels;
        EXPECT_GT(lastRow(p), set.Ascent() - 1) << pixels;
        EXPECT_EQ(set.Size(), 95);
        EXPECT_GT(set.LineHeight(), set.Ascent());
    }
}

// Every lit dot of a set by its code and its place from the origin and the baseline, and
// each character's advance where asked: what a font is, wherever its cell puts it.
std::set<std::tuple<int, int, int>> DotsFromOrigin(const CharacterSet& set, bool widths = true) {
    std::set<std::tuple<int, int, int>> dots;
    const CellSize cell = set.Cell();
    for (const auto& [code, character] : set.Characters()) {
        dots.insert({code, -1000, widths ? character.width : 0});
        for (int row = 0; row < cell.height; ++row) {
            for (int column = 0; column < cell.width; ++column) {
                if (character.pattern.Lit(row, column)) {
                    dots.insert({code, column - set.OriginColumn(), set.Ascent() - 1 - row});
                }
            }
        }
    }
    return dots;
}

// DejaVu Sans's glyphs reach left of their origin ("j"): a table written of it puts each one
// back where it stood, and so does the BDF written of what it reads.
TEST(OutlineFont, TablesOfGlyphsLeftOfTheOriginComeBackInPlace) {
    const std::optional<OutlineFont> font = FontAt(kDejaVuSans);
    if (!font) {
        GTEST_SKIP() << "DejaVu Sans is not installed";
    }
    const Rasterised made = font->Rasterise(Printable(), Pixels(12));
    ASSERT_TRUE(made.font);
    const CharacterSet& set = made.font->set;
    ASSERT_GT(set.OriginColumn(), 0);
    for (const TableFormat& format :
         {TableFormat(*FormatNamed("gfxfont")), TableFormat(ByteLayout::Glcd),
          TableFormat(ByteLayout::RowsMsb, Language::Python)}) {
        const ParsedSet read = ReadSetText(WriteTable(set, format), std::nullopt);
        ASSERT_TRUE(read.set) << format.format->name << ": " << read.error;
        const bool widths = format.format->limits.widths;
        EXPECT_EQ(DotsFromOrigin(*read.set, widths), DotsFromOrigin(set, widths))
            << format.format->name;
        const ReadFont bdf = ReadBdf(WriteBdf(*read.set));
        ASSERT_TRUE(bdf.font) << bdf.error;
        EXPECT_EQ(DotsFromOrigin(ImportFont(*bdf.font).set, widths), DotsFromOrigin(set, widths))
            << format.format->name << " through BDF";
    }
}

TEST(OutlineFont, AHigherThresholdLightsFewerOfTheSameDots) {
    const std::optional<OutlineFont> font = FontAt(kDejaVuSans);
    if (!font) {
        GTEST_SKIP() << "DejaVu Sans is not installed";
    }
    OutlineOptions low = Pixels(14, 60), high = Pixels(14, 200);
    const Rasterised lighter = font->Rasterise(Printable(), low);
    high.cell = lighter.font->set.Cell();
    const Rasterised darker = font->Rasterise(Printable(), high);
    ASSERT_TRUE(lighter.font && darker.font);
    std::size_t fewer = 0;
    for (const auto& [code, character] : darker.font->set.Characters()) {
        const Pattern& more = lighter.font->set.Find(code)->pattern;
        // Every dot of the darker is one of the lighter's exactly when they differ by the rest.
        ASSERT_GE(more.count(), character.pattern.count()) << code;
        EXPECT_EQ((character.pattern ^ more).count(), more.count() - character.pattern.count())
            << code;
        fewer += more.count() - character.pattern.count();
    }
    EXPECT_GT(fewer, 100U);
}

TEST(OutlineFont, MissingGlyphsAreCountedNotWrittenAndTooLargeASizeIsRefused) {
    const std::optional<OutlineFont> font = FontAt(kDejaVuSans);
    if (!font) {
        GTEST_SKIP() << "DejaVu Sans is not installed";
    }
    const Rasterised made = font->Rasterise({'A', 0x4E2D, 0xAC00}, Pixels(12));
    ASSERT_TRUE(made.font);
    EXPECT_EQ(made.missing, (std::vector<int>{0x4E2D, 0xAC00}));
    EXPECT_EQ(made.font->set.Size(), 1);

    const Rasterised large = font->Rasterise(Printable(), Pixels(300));
    EXPECT_FALSE(large.font);
    EXPECT_EQ(large.error.toStdString(),
              "at 300 px DejaVu Sans needs a 303x311 cell, larger than 255x255; 245 px is the "
              "largest size that fits");
    EXPECT_TRUE(font->Rasterise(Printable(), Pixels(245)).font);

    OutlineOptions small = Pixels(16);
    small.cell = CellSize{8, 8};
    const Rasterised cut = font->Rasterise({'.', 'M', 'g'}, small);
    ASSERT_TRUE(cut.font);
    EXPECT_EQ(cut.cut, (std::vector<int>{'M', 'g'}));
}

TEST(OutlineFont, FreeSansAtNinePointsHasItsCellAndBaseline) {
    const std::optional<OutlineFont> font = FontAt(kFreeFont + "FreeSans.ttf");
    if (!font) {
        GTEST_SKIP() << "FreeSans is not installed";
    }
    OutlineOptions options;
    options.size.points = 9;
    const Rasterised made = font->Rasterise(Printable(), options);
    ASSERT_TRUE(made.font);
    const CharacterSet& set = made.font->set;
    EXPECT_EQ(set.Cell(), (CellSize{17, 18}));
    EXPECT_EQ(set.Descent(), 4);
    EXPECT_EQ(set.LineHeight(), 19);
    EXPECT_EQ(set.Find('W')->width + 1, 17);
}

TEST(OutlineFont, ItsBdfOpensAsTheSameSetAndItsGfxFontReadsBack) {
    const std::optional<OutlineFont> font = FontAt(kDejaVuSans);
    if (!font) {
        GTEST_SKIP() << "DejaVu Sans is not installed";
    }
    const Rasterised made = font->Rasterise(Printable(), Pixels(12));
    ASSERT_TRUE(made.font);
    const std::string bdf = WriteBdf(made.font->set);
    EXPECT_NE(bdf.find("\nFAMILY_NAME \"DejaVu Sans\"\n"), std::string::npos);
    EXPECT_NE(bdf.find("\nCOPYRIGHT \"Copyright (c) 2003 by Bitstream, Inc."), std::string::npos);
    const LoadedFont reopened = LoadFontData(QByteArray::fromStdString(bdf));
    ASSERT_TRUE(reopened.font) << qPrintable(reopened.error);
    EXPECT_EQ(reopened.font->set, made.font->set);
    EXPECT_EQ(reopened.font->set.OriginColumn(), 1);  // 'j' reaches left of its origin
    EXPECT_EQ(WriteGfxFont(reopened.font->set, "F"), WriteGfxFont(made.font->set, "F"));
    const ParsedSet gfx = ReadGfxFont(WriteGfxFont(made.font->set, "F"));
    ASSERT_TRUE(gfx.set) << gfx.error;
    EXPECT_EQ(WriteGfxFont(*gfx.set, "F"), WriteGfxFont(made.font->set, "F"));
    EXPECT_EQ(gfx.set->LineHeight(), made.font->set.LineHeight());
    EXPECT_EQ(gfx.set->Descent(), made.font->set.Descent());
}

}  // namespace
}  // namespace zrl
