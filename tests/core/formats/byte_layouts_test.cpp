#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/formats/bdf_font.h"
#include "core/formats/bitmap_font.h"
#include "core/formats/format_table.h"
#include "core/formats/set_import.h"
#include "core/formats/table_writer.h"
#include "support/pattern_rows.h"

namespace zrl {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Pattern kA = FromRows({".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"});

// An 8x16 A with a mark in the bottom left corner, so that no layout reads the same
// mirrored or upside down.
const Pattern kTallA =
    FromRows({8, 16}, {"........", "........", "...##...", "..####..", ".##..##.", "##....##",
                       "##....##", "##....##", "########", "##....##", "##....##", "##....##",
                       "##....##", "........", "........", "#......."});

TEST(ByteLayouts, TheLetterAInEachLayout) {
    const struct {
        ByteLayout layout;
        Bytes small;
        Bytes tall;
    } cases[] = {
        {ByteLayout::Glcd,
         {0x7E, 0x09, 0x09, 0x09, 0x7E},
         {0xE0, 0x9F, 0xF0, 0x1F, 0x18, 0x01, 0x0C, 0x01, 0x0C, 0x01, 0x18, 0x01, 0xF0, 0x1F, 0xE0,
          0x1F}},
        {ByteLayout::Pages,
         {0x7E, 0x09, 0x09, 0x09, 0x7E},
         {0xE0, 0xF0, 0x18, 0x0C, 0x0C, 0x18, 0xF0, 0xE0, 0x9F, 0x1F, 0x01, 0x01, 0x01, 0x01, 0x1F,
          0x1F}},
        {ByteLayout::RowsMsb,
         {0x70, 0x88, 0x88, 0xF8, 0x88, 0x88, 0x88},
         {0x00, 0x00, 0x18, 0x3C, 0x66, 0xC3, 0xC3, 0xC3, 0xFF, 0xC3, 0xC3, 0xC3, 0xC3, 0x00, 0x00,
          0x80}},
        {ByteLayout::RowsLsb,
         {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11},
         {0x00, 0x00, 0x18, 0x3C, 0x66, 0xC3, 0xC3, 0xC3, 0xFF, 0xC3, 0xC3, 0xC3, 0xC3, 0x00, 0x00,
          0x01}},
        {ByteLayout::Lcd, {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11, 0x00}, {}},
        {ByteLayout::WidthPrefixed,
         {0x05, 0x7E, 0x09, 0x09, 0x09, 0x7E},
         {0x08, 0xE0, 0x9F, 0xF0, 0x1F, 0x18, 0x01, 0x0C, 0x01, 0x0C, 0x01, 0x18, 0x01, 0xF0, 0x1F,
          0xE0, 0x1F}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(InfoOf(c.layout).name));
        EXPECT_EQ(CharacterBytes(kA, 5, c.layout), c.small);
        if (!c.tall.empty()) {
            EXPECT_EQ(CharacterBytes(kTallA, 8, c.layout), c.tall);
        }
    }
    // A narrower character keeps only its own columns.
    EXPECT_EQ(CharacterBytes(kA, 2, ByteLayout::WidthPrefixed), (Bytes{0x02, 0x7E, 0x09}));

    CharacterSet small;
    small.Put(65, {kA, {}});
    const std::string gfx = WriteTable(small, {*FormatNamed("gfxfont"), Language::C, "tiny"});
    EXPECT_NE(gfx.find("const uint8_t tinyBitmaps[] PROGMEM = {\r\n"
                       "    0x74, 0x63, 0xF8, 0xC6, 0x20,  // 65 'A'\r\n};"),
              std::string::npos);
    EXPECT_NE(gfx.find("    {0, 5, 7, 6, 0, -6},  // 65 'A'\r\n"), std::string::npos);
    EXPECT_NE(gfx.find("const GFXfont tiny PROGMEM = {(uint8_t *)tinyBitmaps, (GFXglyph "
                       "*)tinyGlyphs, 65, 65, 8};"),
              std::string::npos);
    CharacterSet tall({8, 16});
    tall.Put(65, {kTallA, {}});
    const std::string tallGfx = WriteTable(tall, {*FormatNamed("gfxfont"), Language::C, "tall"});
    EXPECT_NE(tallGfx.find("    0x18, 0x3C, 0x66, 0xC3, 0xC3, 0xC3, 0xFF, 0xC3, 0xC3, 0xC3, "
                           "0xC3, 0x00, 0x00, 0x80,  // 65 'A'"),
              std::string::npos);
    EXPECT_NE(tallGfx.find("{0, 8, 14, 9, 0, -12},"), std::string::npos);
}

// 95 printable characters (less one, so that a gap is written and read as one) of random
// dots, each as wide as a random width and no dot beyond it.
CharacterSet RandomSet(CellSize size, int first, int last) {
    std::mt19937 random(static_cast<unsigned>(size.width * 100 + size.height));
    CharacterSet set(size);
    for (int code = first; code <= last; ++code) {
        if (code == first + 3) {
            continue;
        }
        const int width = static_cast<int>(random() % static_cast<unsigned>(size.width + 1));
        Pattern pattern(size);
        for (int row = 0; row < size.height; ++row) {
            for (int column = 0; column < width; ++column) {
                pattern.set(static_cast<std::size_t>(size.Index(row, column)), random() % 3 == 0);
            }
        }
        set.Put(code, {pattern, {}, width});
    }
    return set;
}

// The set as a layout with no widths reads it: every character as wide as its cell.
CharacterSet WithoutWidths(const CharacterSet& set) {
    CharacterSet plain(set.Cell(), set.Descent());
    for (const auto& [code, character] : set.Characters()) {
        plain.Put(code, {character.pattern, {}});
    }
    return plain;
}

TEST(ByteLayouts, EverySetReadsBackFromEveryLayoutAndLanguage) {
    for (const CellSize size : {CellSize{5, 7}, CellSize{8, 8}, CellSize{12, 24}}) {
        const bool lcd = size.width <= 8 && size.height <= 8;
        for (const LayoutInfo& info : Layouts()) {
            const CharacterSet set =
                info.layout == ByteLayout::Lcd ? RandomSet(size, 0, 7) : RandomSet(size, 32, 126);
            const bool widths = FormatOf(info.layout).limits.widths;
            for (const Language language : {Language::C, Language::Arduino, Language::Python}) {
                const TableFormat format{info.layout, language, "table"};
                SCOPED_TRACE(ToString(size) + " " + std::string(info.name) + " " +
                             std::string(NameOf(language)));
                if (!WhyNotWritten(set, format).empty()) {
                    EXPECT_TRUE(info.layout == ByteLayout::Lcd ? !lcd
                                                               : language == Language::Python);
                    continue;
                }
                const ParsedSet read = ReadSetText(WriteTable(set, format), std::nullopt);
                ASSERT_TRUE(read.set) << read.error;
                EXPECT_EQ(*read.set, widths ? set : WithoutWidths(set));
            }
        }
        const CharacterSet set = RandomSet(size, 32, 126);
        const ReadFont bdf = ReadBdf(WriteBdf(set));
        ASSERT_TRUE(bdf.font);
        EXPECT_EQ(ImportFont(*bdf.font).set, set);
    }
}

TEST(ByteLayouts, ATableWrittenElsewhereReadsWhenToldItsLayout) {
    const std::string rows = "uint8_t digits[] = {0x70, 0x88, 0x88, 0xF8, 0x88, 0x88, 0x88};";
    const ParsedSet read = ReadTable(rows, {ByteLayout::RowsMsb, kDefaultSize, 48});
    ASSERT_TRUE(read.set) << read.error;
    EXPECT_EQ(read.set->Find(48)->pattern, kA);

    const struct {
        std::string text;
        TableOptions options;
        const char* error;
    } refused[] = {
        {"{0x70, 0x8C, 0x88, 0xF8, 0x88, 0x88, 0x88}",
         {ByteLayout::RowsMsb},
         "character 32 (line 1): byte 2, 0x8C, has dots outside the 5x7 cell"},
        {"{0x7E, 0x09, 0x09, 0x09}",
         {ByteLayout::Pages},
         "the table's 4 bytes are not 5 to each 5x7 character"},
        {"[0x05, 0x7E, 0x09, 256]", {ByteLayout::WidthPrefixed}, "line 1: 256 does not fit a byte"},
        {"{6, 1, 2, 3, 4, 5, 6}",
         {ByteLayout::WidthPrefixed},
         "character 32 (line 1) is 6 columns wide; the cell is 5"},
        {"{5, 1, 2}", {ByteLayout::WidthPrefixed}, "the table ends inside character 32 (line 1)"},
        {"Dear diary, today I drew an A.",
         {ByteLayout::Glcd},
         "no { ... } or [ ... ] holds the table's values"},
        {"{0x7E, x, 0x09}",
         {ByteLayout::Glcd},
         "line 1: \"x\" is no value; values are hex (0x7E), binary (0b01110) or decimal"},
    };
    for (const auto& r : refused) {
        const ParsedSet failed = ReadTable(r.text, r.options);
        EXPECT_FALSE(failed.set) << r.text;
        EXPECT_EQ(failed.error, r.error);
    }
}

TEST(ByteLayouts, AGfxFontWrittenElsewhereReadsByItsGlyphTable) {
    // As the library's own fonts are written: hex codes, casts, glyphs left of the cursor
    // and below the baseline.
    const std::string font = R"(#include <Adafruit_GFX.h>
const uint8_t TinyBitmaps[] PROGMEM = {
  0xF4, /* a 3x2 box, then a 1x2 one */ 0xC0 };

const GFXglyph TinyGlyphs[] PROGMEM = {
  {     0,   0,   0,   3,    0,    1 },   // 0x20 ' '
  {     0,   3,   2,   5,   -1,   -3 },   // 0x21 '!'
  {     1,   1,   2,   2,    1,    0 } }; // 0x22 '"'

const GFXfont Tiny PROGMEM = {
  (uint8_t  *)TinyBitmaps,
  (GFXglyph *)TinyGlyphs,
  0x20, 0x22, 6 };
)";
    const ParsedSet read = ReadSetText(font, std::nullopt);
    ASSERT_TRUE(read.set) << read.error;
    const CharacterSet& set = *read.set;
    EXPECT_EQ(set.Cell(), (CellSize{3, 5}));  // columns -1 to 1, rows -3 to 1
    EXPECT_EQ(set.Descent(), 2);
    EXPECT_EQ(set.Find(32)->pattern, Pattern(CellSize{3, 5}));
    EXPECT_EQ(set.Find(33)->pattern, FromRows({3, 5}, {"###", "#.#"}));
    EXPECT_EQ(set.Find(34)->pattern, FromRows({3, 5}, {"", "", "", "..#", "..#"}));
    EXPECT_EQ(set.Find(32)->width, 2);
    EXPECT_EQ(set.Find(33)->width, 3);  // an advance of 5, held to the cell
    EXPECT_EQ(set.Find(34)->width, 1);
}

// What the fuzzer once found: each text reads, or is refused, without harm.
TEST(ByteLayouts, FuzzerFindingsStayFixed) {
    for (const auto& entry :
         std::filesystem::directory_iterator(ZRL_FUZZ_REGRESSIONS "/set_text")) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        EXPECT_FALSE(ReadSetText(text.str(), 32).set) << entry.path();
    }
}

}  // namespace
}  // namespace zrl
