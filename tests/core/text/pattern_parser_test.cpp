#include "core/text/pattern_parser.h"

#include <gtest/gtest.h>

#include <random>

#include "core/text/c_initializer.h"
#include "core/text/data_listing.h"

namespace zrl {
namespace {

CharacterGrid LetterA() {
    CharacterGrid grid;
    grid.ClearAll();
    const char* rows[] = {"01110", "10001", "10001", "11111", "10001", "10001", "10001"};
    for (int i = 0; i < kCellCount; ++i) {
        grid.SetColour(i, rows[RowOf(i)][ColumnOf(i)] == '1' ? LitColour : UnlitColour);
    }
    return grid;
}

TEST(CInitializer, WritesColumnBytesAndLcdRows) {
    EXPECT_EQ(BuildCColumns(LetterA()), "{0x7E, 0x09, 0x09, 0x09, 0x7E}");
    EXPECT_EQ(BuildCRows(LetterA()),
              "{0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001, 0b00000}");
    CharacterGrid bottomRight;
    bottomRight.Toggle(34);
    EXPECT_EQ(BuildCColumns(bottomRight), "{0x00, 0x00, 0x00, 0x00, 0x40}");
}

TEST(PatternParser, EveryWayOutReadsBackAsTheSamePattern) {
    std::mt19937 random(99);
    for (int round = 0; round < 300; ++round) {
        CharacterGrid grid;
        grid.ClearAll();
        for (int i = 0; i < kCellCount; ++i) {
            if (std::bernoulli_distribution(0.5)(random)) {
                grid.Toggle(i);
            }
        }
        for (const std::string& text :
             {BuildRowData(grid), BuildColData(grid), BuildCColumns(grid), BuildCRows(grid)}) {
            const ParsedPattern parsed = ParsePattern(text);
            ASSERT_TRUE(parsed.grid) << text << ": " << parsed.error;
            EXPECT_EQ(*parsed.grid, grid) << text;
        }
    }
}

TEST(PatternParser, AcceptsTheFormsPeopleWrite) {
    const char* forms[] = {
        "data   &b01110\n10001\r\n\n  DATA\t&B10001  \r11111\n10001\nData  &B10001\n10001\n",
        "\t01110\n10001\n10001\n11111\n10001\n10001\n10001\n\n",
        "Data&B0111111\nData &B1001000\nData &B1001000\nData &B1001000\nData &B0111111",
        "static const uint8_t glyph[] PROGMEM = {\n  0x7e, 0X09,\t9, 0b1001, 126,\n};\n",
        "{0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}",
        "byte a[8] = { 14, 17, 17, 31, 17, 17, 17, 0 } ;",
    };
    for (const char* form : forms) {
        const ParsedPattern parsed = ParsePattern(form);
        ASSERT_TRUE(parsed.grid) << form << ": " << parsed.error;
        EXPECT_EQ(*parsed.grid, LetterA()) << form;
    }
}

// The forms makers copy from font tables, Arduino sketches and MicroPython.
TEST(PatternParser, ReadsBytesAsRealSourcesWriteThem) {
    const CharacterGrid columns = *ParsePattern("{0x7C, 0x12, 0x11, 0x12, 0x7C}").grid;
    for (const char* form : {"0x7C, 0x12, 0x11, 0x12, 0x7C, // A", "[0x7C, 0x12, 0x11, 0x12, 0x7C]",
                             "{0x7C, /* left */ 0x12, 0x11, // the middle\n 0x12, 0x7C};"}) {
        const ParsedPattern parsed = ParsePattern(form);
        ASSERT_TRUE(parsed.grid) << form << ": " << parsed.error;
        EXPECT_EQ(*parsed.grid, columns) << form;
    }
    const ParsedPattern smiley = ParsePattern(
        "byte smiley[8] = { B00000, B10001, B00000, B00000, B10001, B01110, B00000 };");
    ASSERT_TRUE(smiley.grid) << smiley.error;
    EXPECT_EQ(*smiley.grid, *ParsePattern("{0, 17, 0, 0, 17, 14, 0}").grid);
    EXPECT_EQ(ParsePattern("// only a comment").error.rfind("no text", 0), 0u);
    EXPECT_EQ(ParsePattern("{B2, 0, 0, 0, 0}").error.rfind("value 1 reads \"B2\"", 0), 0u);
}

TEST(PatternParser, SaysWhatWasExpectedAndWhatIsWrong) {
    const std::pair<const char*, const char*> cases[] = {
        {"00000\n00000\n0000\n00000\n00000\n00000\n00000",
         "line 3 has 4 digits; a listing by row has 5 on each of 7 lines"},
        {"Data &B00000\nData &B00200", "line 2 has the digit 2; a listing has only 0s and 1s"},
        {"00000\n00000",
         "2 lines; a listing by row has 7 lines of 5 digits, by column 5 lines of 7"},
        {"{0x00, 0x80, 0, 0, 0}",
         "value 2 (0x80) has a dot below the 7 rows; a column byte uses bits 0 (top) to 6"},
        {"{1, 2, 3, 4, 5, 6, 7, 8}",
         "value 8 (8) is the 8th row, which must be 0; the field has 7 rows"},
        {"{32, 0, 0, 0, 0, 0, 0}",
         "value 1 (32) has a dot beyond the 5 columns; a row byte uses bits 4 (left) to 0"},
        {"{1, 2, 3}",
         "the braces hold 3 values; a C initializer has 5 column bytes, or 7 or 8 row bytes"},
        {"{1, 2, 3, 4, 0x5G}",
         "value 5 reads \"0x5G\"; values are hex (0x7E), binary (0b01110) or decimal (126)"},
        {"{1, 2, 3, 4, 010}", "value 5 reads \"010\"; C would read that as octal"},
        {"{1, 2, 3, 4, 5} x", "the } is followed by \"x\"; only a ; may follow it"},
        {"hello world", "line 1 reads \"hello world\""},
        {"&B00000", "line 1 reads \"&B00000\""},
        {" \r\n\t", "no text"},
    };
    for (const auto& [text, error] : cases) {
        const ParsedPattern parsed = ParsePattern(text);
        EXPECT_FALSE(parsed.grid) << text;
        EXPECT_EQ(parsed.error.rfind(error, 0), 0u) << text << "\n  said: " << parsed.error;
    }
}

TEST(PatternParser, RefusesTextOverTheLimitUnread) {
    std::string listing = BuildRowData(LetterA());
    listing.resize(kMaxPatternText, ' ');
    EXPECT_TRUE(ParsePattern(listing).grid) << "64 KB is still read";
    listing += ' ';
    EXPECT_EQ(ParsePattern(listing).error,
              "the text is over 64 KB; a listing or a C initializer is far shorter");
}

}  // namespace
}  // namespace zrl
