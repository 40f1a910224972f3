// Tables as real libraries and sketches hold them, and the faults they showed: no dot cut,
// no character dropped without a word, and refusals that say what to do.
#include <gtest/gtest.h>

#include <random>

#include "core/formats/format_table.h"
#include "core/formats/gfx_font.h"
#include "core/formats/set_export.h"
#include "core/formats/set_import.h"
#include "core/formats/table_writer.h"

namespace zrl {
namespace {

// A proportional set whose glyphs' dots reach their advance, as FreeMono's A, M and W do.
CharacterSet TouchingTheirAdvance() {
    std::mt19937 random(7);
    CharacterSet set(CellSize{9, 8});
    for (int code = 32; code < 96; ++code) {
        Pattern pattern(CellSize{9, 8});
        const int width = 1 + static_cast<int>(random() % 8);
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column <= width; ++column) {
                pattern.set(static_cast<std::size_t>(row * 9 + column), random() % 3 == 0);
            }
        }
        pattern.set(static_cast<std::size_t>(5 * 9 + width));  // in the advance's column
        set.Put(code, {pattern, {}, width});
    }
    return set;
}

TEST(LibraryTables, NoLayoutCutsADotThatReachesPastItsWidth) {
    const CharacterSet set = TouchingTheirAdvance();
    for (const Format* info : Formats()) {
        if (info->output != Output::Source) {
            continue;
        }
        const TableFormat format{*info, Language::C, "f"};
        if (info->layout == ByteLayout::Lcd) {
            continue;  // at most 8x8
        }
        ASSERT_EQ(WhyNotWritten(set, format), "") << info->name;
        const ParsedSet again = ReadSetText(WriteTable(set, format), std::nullopt);
        ASSERT_TRUE(again.set) << info->name << ": " << again.error;
        for (const auto& [code, character] : set.Characters()) {
            const SetCharacter* read = again.set->Find(code);
            ASSERT_NE(read, nullptr) << info->name << " " << code;
            EXPECT_EQ(read->pattern, character.pattern) << info->name << " " << code;
            if (info->limits.widths) {
                EXPECT_EQ(read->width, character.width) << info->name << " keeps the advance";
            }
        }
    }
}

// Hex bytes, `per` to a line, each line's comment as `comment(index)` gives it.
std::string Lines(const std::vector<int>& bytes, int per, std::string (*comment)(int)) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += (i % static_cast<std::size_t>(per) == 0 ? "\n    " : " ") +
                std::to_string(bytes[i]) + ",";
        if ((i + 1) % static_cast<std::size_t>(per) == 0 && comment != nullptr) {
            text += comment(static_cast<int>(i) / per);
        }
    }
    return text;
}

std::vector<int> Counting(int count, int modulo) {
    std::vector<int> bytes;
    for (int i = 0; i < count; ++i) {
        bytes.push_back(i * 37 % modulo);
    }
    return bytes;
}

TEST(LibraryTables, ATableThatReadsSeveralWaysIsRefusedNamingThem) {
    // A page-order 8x16 table with no comment: every 16-byte layout reads it.
    const std::string pages =
        "const uint8_t f[] = {" + Lines(Counting(48, 256), 16, nullptr) + "};";
    EXPECT_EQ(ReadSetText(pages, 32, {8, 16}).error,
              "the table reads as glcd, pages, rows-msb or rows-lsb alike: say which with --from");
    // The classic 5x7 column table still reads as it always has.
    const std::string classic =
        "const uint8_t f[] = {" + Lines(Counting(475, 128), 5, nullptr) + "};";
    const ParsedSet read = ReadSetText(classic, 32, kDefaultSize);
    ASSERT_TRUE(read.set) << read.error;
    EXPECT_EQ(read.set->Size(), 95);
}

TEST(LibraryTables, CommentsAndCodeAroundATableAreNoPartOfIt) {
    // As the console fonts are written: each character under a comment naming it, braces too.
    const std::string console =
        "/* 8x16 console font */\nstatic const unsigned char fontdata[48] = {" +
        Lines(Counting(48, 256), 1,
              [](int i) { return i % 16 == 0 ? std::string(" /* 123 0x7b '{' */") : ""; }) +
        "\n};\n";
    EXPECT_EQ(ReadSetText(console, 123, {8, 16}).error,
              "the table reads as glcd, pages, rows-msb or rows-lsb alike: say which with --from");
    const ParsedSet rows = ReadTable(console, {ByteLayout::RowsMsb, {8, 16}, 123});
    ASSERT_TRUE(rows.set) << rows.error;
    EXPECT_EQ(rows.set->Size(), 3);

    // A 5x8 font of 256 x 5 bytes, a function after it: read at 5x7, it says the size.
    const std::string glcd = "static const unsigned char font[] PROGMEM = {" +
                             Lines(Counting(1280, 256), 5, nullptr) +
                             "\n};\nstatic inline void unused(void) { (void)font; }\n";
    const ParsedSet small = ReadSetText(glcd, 0, kDefaultSize);
    EXPECT_FALSE(small.set);
    EXPECT_TRUE(small.error.ends_with("; it reads as 5x8 characters: --size 5x8")) << small.error;
    const ParsedSet tall = ReadSetText(glcd, 0, {5, 8});
    ASSERT_TRUE(tall.set) << tall.error;
    EXPECT_EQ(tall.set->Size(), 256);
}

// As TomThumb.h has it: glyphs past 126 behind an #if that the file itself turns off.
TEST(LibraryTables, AGfxFontIsReadAsACompilerReadsItsIfs) {
    const std::string font = R"(#ifdef __AVR__
#include <avr/pgmspace.h>
#endif
#define TINY_USE_EXTENDED 0
const uint8_t TinyBitmaps[] PROGMEM = {
    0x80, 0xC0,
#if (TINY_USE_EXTENDED)
    0xFF, 0xFF,
#endif
};
const GFXglyph TinyGlyphs[] PROGMEM = {
    {0, 1, 1, 2, 0, -1},  // 0x41 'A'
    {1, 2, 1, 3, 0, -1},  // 0x42 'B'
#if (TINY_USE_EXTENDED)
    {2, 8, 2, 9, 0, -2},  // 0xA1
#endif
};
const GFXfont Tiny PROGMEM = {(uint8_t *)TinyBitmaps, (GFXglyph *)TinyGlyphs, 0x41,
#if TINY_USE_EXTENDED
    0xA1,
#else
    0x42,
#endif
    6};
)";
    const ParsedSet read = ReadSetText(font, std::nullopt);
    ASSERT_TRUE(read.set) << read.error;
    EXPECT_EQ(read.set->Size(), 2);
    EXPECT_EQ(read.note, "the file does not define __AVR__; read as a compiler would without it");
}

// A LiquidCrystal sketch: pins first, five custom characters one to an array, and the
// createChar calls that give them their codes.
constexpr std::string_view kSketch = R"(#include <LiquidCrystal.h>
const int rs = 12, en = 11, d4 = 5, d5 = 4, d6 = 3, d7 = 2;
LiquidCrystal lcd(rs, en, d4, d5, d6, d7);

byte heart[8] = {
  0b00000,
  0b01010,
  0b11111,
  0b11111,
  0b11111,
  0b01110,
  0b00100,
  0b00000
};
byte smiley[8] = {B00000, B10001, B00000, B00000, B10001, B01110, B00000, B00000};
byte frown[8] = {B00000, B10001, B00000, B00000, B01110, B10001, B00000, B00000};
byte arms[8] = {B00100, B01010, B00100, B11111, B00100, B00100, B01010, B10001};  // {up}
byte bell[8] = {B00100, B01110, B01110, B01110, B11111, B00000, B00100, B00000};

void setup() {
  lcd.begin(16, 2);
  lcd.createChar(0, heart);
  lcd.createChar(1, smiley);
  lcd.createChar(2, frown);
  lcd.createChar(3, arms);
  lcd.createChar(7, bell);
  lcd.print("I {");
  lcd.write(byte(0));
}

void loop() {}
)";

TEST(LibraryTables, ASketchsArraysAreOneSetAtTheirCreateCharCodes) {
    for (const auto& read :
         {ReadSetText(kSketch, std::nullopt), ReadTable(kSketch, {ByteLayout::Lcd, {5, 8}, 0})}) {
        ASSERT_TRUE(read.set) << read.error;
        EXPECT_EQ(read.set->Size(), 5);
        EXPECT_EQ(read.set->Cell(), (CellSize{5, 8}));
        ASSERT_NE(read.set->Find(7), nullptr) << "the bell's createChar(7, bell)";
        EXPECT_TRUE(read.set->Find(7)->pattern.Lit(0, 2));
        EXPECT_TRUE(read.set->Find(3)->pattern.Lit(7, 0)) << "the arms' 8th row";
        EXPECT_EQ(read.note, "5 arrays read as one set: heart, smiley, frown, arms, bell");
    }
}

// MD_MAX72XX's own fonts: version 1 behind its header, and the older form with none.
TEST(LibraryTables, MdMax72xxFontsReadWithAndWithoutTheirHeader) {
    const ParsedSet versionOne = ReadSetText(
        "const MD_MAX72XX::fontType_t f[] PROGMEM = {'F', 1, 65, 66, 3, 2, 0x07, 0x05, 0, };",
        std::nullopt);
    ASSERT_TRUE(versionOne.set) << versionOne.error;
    EXPECT_EQ(versionOne.set->Cell(), (CellSize{2, 3}));
    EXPECT_EQ(versionOne.set->Find(65)->pattern.count(), 5u);
    EXPECT_EQ(versionOne.set->Find(66)->width, 0);
    std::string bare = "const uint8_t f[] = {";
    for (int code = 0; code < 256; ++code) {
        bare += "1, " + std::to_string(code) + ", ";
    }
    const ParsedSet versionZero =
        ReadTable(bare + "};", {*FormatNamed("md-max72xx"), kDefaultSize, 32});
    ASSERT_TRUE(versionZero.set) << versionZero.error;
    EXPECT_EQ(versionZero.set->Size(), 256);
    EXPECT_EQ(versionZero.set->Cell(), (CellSize{1, 8}));
    EXPECT_TRUE(versionZero.set->Find(128)->pattern.Lit(7, 0)) << "code 0 first, bit 7 the bottom";
}

// SSD1306Ascii's fonts as its documentation gives them: a proportional one whose last page
// holds its rows in the top bits, and a fixed one whose dots reach below its height.
TEST(LibraryTables, Ssd1306AsciiFontsReadAsTheLibraryDrawsThem) {
    const ParsedSet proportional = ReadSetText(
        "GLCDFONTDECL(Tiny) = {\n"
        "    0x00, 0x20, 2, 10, 64, 3,  // size, width, height, first char, count\n"
        "    1, 0, 2,  // widths\n"
        "    0x01, 0x40,  // 64: the top row, then the last page's first row\n"
        "    0x03, 0x00, 0x80, 0xC0,  // 66\n"
        "};\n",
        std::nullopt);
    ASSERT_TRUE(proportional.set) << proportional.error;
    const CharacterSet& set = *proportional.set;
    EXPECT_EQ(set.Cell(), (CellSize{2, 10}));
    EXPECT_EQ(set.Find(64)->width, 1);
    EXPECT_TRUE(set.Find(64)->pattern.Lit(8, 0));
    EXPECT_EQ(set.Find(65)->width, 0);
    EXPECT_TRUE(set.Find(66)->pattern.Lit(9, 0) && set.Find(66)->pattern.Lit(8, 1));
    EXPECT_EQ(set.Find(66)->pattern.count(), 5u);
    const TableFormat format{*FormatNamed("ssd1306ascii"), Language::Arduino, "tiny"};
    EXPECT_EQ(ReadSetText(WriteTable(set, format), std::nullopt).set, set);

    const ParsedSet fixed =
        ReadSetText("GLCDFONTDECL(f) = {0, 0, 1, 7, 32, 1, 0x80};", std::nullopt);
    ASSERT_TRUE(fixed.set) << fixed.error;
    EXPECT_EQ(fixed.set->Cell(), (CellSize{1, 8}));
    EXPECT_EQ(fixed.note,
              "the font's characters reach below its height of 7 rows, as the library draws "
              "them: read as 1x8");
}

// Tiny4kOLED's fonts are pages whose cell and first code a DCfont after them gives.
TEST(LibraryTables, ATiny4kOledFontIsReadByTheDCfontAfterIt) {
    const ParsedSet read = ReadSetText(
        "const uint8_t digits [] PROGMEM = {\n"
        "    0x01, 0x02, 0x04, 0x80, 0x40, 0x20,  // '0'\n"
        "    0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,  // '1'\n"
        "};\n"
        "const DCfont Digits = {(uint8_t *)digits, 3, 2, 48, 49};\n",
        std::nullopt);
    ASSERT_TRUE(read.set) << read.error;
    EXPECT_EQ(read.set->Cell(), (CellSize{3, 16}));
    EXPECT_TRUE(read.set->Find(48)->pattern.Lit(2, 2) && read.set->Find(48)->pattern.Lit(13, 2));
    EXPECT_TRUE(read.set->Find(49)->pattern.Lit(7, 0) && read.set->Find(49)->pattern.Lit(15, 2));
}

// A sketch's LCD rows with no createChar call to say so are no column bytes.
TEST(LibraryTables, ARefusedTableNamesTheLayoutThatReadsIt) {
    const ParsedSet read = ReadSetText(
        "byte heart[8] = {0b00000, 0b01010, 0b11111, 0b11111, 0b01110, 0b00100, 0, 0};\n"
        "byte arrow[8] = {0b00100, 0b01110, 0b10101, 0b00100, 0b00100, 0b00100, 0, 0};\n",
        32);
    EXPECT_EQ(read.error,
              "the table's bytes are not five to each character; it reads as lcd: --from lcd");
}

// A glyph reaching left of the cursor (a "j" under the letter before) gives the set an origin
// column, which the GFXfont written from it keeps.
TEST(LibraryTables, AGfxFontReachingLeftOfItsCursorReadsBackAsItself) {
    const ParsedSet foreign = ReadSetText(
        "const uint8_t TinyBitmaps[] PROGMEM = {0xF4, 0xC0};\n"
        "const GFXglyph TinyGlyphs[] PROGMEM = {\n"
        "  {0, 3, 2, 5, -1, -3},  // 0x21 '!'\n"
        "  {1, 1, 2, 1, 0, 1}};  // 0x22 '\"'\n"
        "const GFXfont Tiny PROGMEM = {(uint8_t *)TinyBitmaps, (GFXglyph *)TinyGlyphs, 0x21, 0x22, "
        "6};\n",
        std::nullopt);
    ASSERT_TRUE(foreign.set) << foreign.error;
    EXPECT_EQ(foreign.set->OriginColumn(), 1);
    const ParsedSet again = ReadSetText(WriteGfxFont(*foreign.set, "tiny"), std::nullopt);
    ASSERT_TRUE(again.set) << again.error;
    EXPECT_EQ(*again.set, *foreign.set);
    CharacterSet blank(CellSize{7, 5});
    blank.SetOriginColumn(1);
    blank.Put(32, {Pattern(blank.Cell()), {}, 2});
    EXPECT_EQ(ReadSetText(WriteGfxFont(blank, "blank"), std::nullopt).set, blank)
        << "the origin kept where no dot shows it";
}

// As the kernel's console fonts are: a struct whose first member is a header, its second the
// bytes, and a struct describing the font after it.
TEST(LibraryTables, AConsoleFontsStructGivesItsBytes) {
    const std::string font =
        "#define FONTDATAMAX (16 * 3)\nstatic const struct font_data fontdata_8x16 = {\n"
        "\t{ 0, 0, FONTDATAMAX, 0 }, {" +
        Lines(Counting(48, 256), 1,
              [](int i) { return i % 16 == 0 ? std::string(" /* '}' */") : ""; }) +
        "\n} };\nconst struct font_desc font_vga_8x16 = {\n\t.idx = VGA8x16_IDX,\n"
        "\t.name = \"VGA8x16\",\n\t.width = 8,\n\t.data = fontdata_8x16.data,\n};\n";
    const ParsedSet read = ReadTable(font, {ByteLayout::RowsMsb, {8, 16}, 0});
    ASSERT_TRUE(read.set) << read.error;
    EXPECT_EQ(read.set->Size(), 3);
    EXPECT_TRUE(
        read.note.starts_with("read the 48 values of the initializer's largest { } "
                              "group; line 3: \"FONTDATAMAX\" is no value"))
        << read.note;
}

TEST(LibraryTables, AnLcdTableSaysWhatItLeavesOut) {
    const CharacterSet set = CharacterSet::Blank(0, 127);
    EXPECT_EQ(CharactersWritten(set, SetFormat::LcdCharacters), 8);
    EXPECT_EQ(DescribeTableLeftOut(set, SetFormat::LcdCharacters),
              "left out 120 characters past code 7; an LCD has custom characters 0 to 7 only");
}

}  // namespace
}  // namespace zrl
