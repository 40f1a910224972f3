#include <gtest/gtest.h>

#include <random>

#include "core/formats/bdf_font.h"
#include "core/formats/set_export.h"
#include "core/formats/set_import.h"
#include "core/model/transforms.h"
#include "core/text/c_initializer.h"
#include "core/text/data_listing.h"
#include "core/text/pattern_parser.h"

namespace zrl {
namespace {

// Lit along the top row and down the left column: every line of a listing differs.
CharacterGrid Corner(CellSize size) {
    CharacterGrid grid(size);
    grid.ClearAll();
    for (int column = 0; column < size.width; ++column) {
        grid.Toggle(size.Index(0, column));
    }
    for (int row = 1; row < size.height; ++row) {
        grid.Toggle(size.Index(row, 0));
    }
    return grid;
}

TEST(CellSizes, ListingsHaveALinePerRowOrColumnOfTheCell) {
    EXPECT_EQ(BuildRowData(Corner({5, 8})),
              "Data &B11111 \r\nData &B10000 \r\nData &B10000 \r\nData &B10000 \r\n"
              "Data &B10000 \r\nData &B10000 \r\nData &B10000 \r\nData &B10000");
    EXPECT_EQ(BuildColData(Corner({5, 8})),
              "Data &B11111111 \r\nData &B10000000 \r\nData &B10000000 \r\nData &B10000000 \r\n"
              "Data &B10000000");
    EXPECT_EQ(BuildRowData(Corner({8, 8})),
              "Data &B11111111 \r\nData &B10000000 \r\nData &B10000000 \r\nData &B10000000 \r\n"
              "Data &B10000000 \r\nData &B10000000 \r\nData &B10000000 \r\nData &B10000000");
    EXPECT_EQ(BuildColData(Corner({8, 8})), BuildRowData(Corner({8, 8})));
    EXPECT_EQ(BuildCColumns(Corner({3, 12})), "{0xFF, 0x0F, 0x01, 0x00, 0x01, 0x00}");
    EXPECT_EQ(BuildCRows(Corner({5, 8})),
              "{0b11111, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000}");
}

TEST(CellSizes, EveryFormReadsBackAtEverySize) {
    std::mt19937 random(21);
    for (const CellSize size :
         {CellSize{5, 8}, {8, 8}, {6, 8}, {1, 1}, {8, 16}, {12, 24}, {32, 32}, {3, 5}}) {
        CharacterSet set(size);
        for (int code = 30; code < 40; ++code) {
            set.SetPattern(code, Pattern(random(), size) ^ (Pattern(random(), size) << 40));
        }
        for (int order = 0; order < 2; ++order) {
            const auto listing = static_cast<ListingOrder>(order);
            const CharacterGrid grid = GridOf(set.Find(33)->pattern);
            const ParsedPattern parsed = ParsePattern(BuildListing(grid, listing), size, listing);
            EXPECT_EQ(parsed.grid, grid) << ToString(size) << ": " << parsed.error;
            const ParsedSet block = ReadSetText(WriteBasicBlock(set, listing), std::nullopt);
            EXPECT_EQ(block.set, set) << ToString(size) << " BASIC: " << block.error;
        }
        EXPECT_EQ(
            ParsePattern(BuildCColumns(GridOf(set.Find(31)->pattern)), size, ListingOrder::ByColumn)
                .grid,
            GridOf(set.Find(31)->pattern));
        const ParsedSet table = ReadSetText(WriteCFontTable(set, "font"), std::nullopt);
        EXPECT_EQ(table.set, set) << ToString(size) << " C: " << table.error;
        const ReadFont bdf = ReadBdf(WriteBdf(set));
        ASSERT_TRUE(bdf.font) << bdf.error;
        EXPECT_EQ(ImportFont(*bdf.font).set, set) << ToString(size) << " BDF";
        if (FitsLcd(size)) {
            CharacterSet lcd(size);
            for (int code = 0; code < 8; ++code) {
                lcd.SetPattern(code, set.Find(30 + code)->pattern);
            }
            const ParsedSet rows = ReadSetText(WriteLcdTable(lcd, "lcd"), std::nullopt);
            EXPECT_EQ(rows.set, lcd) << ToString(size) << " LCD: " << rows.error;
        } else {
            EXPECT_NE(WhyNotWritten(set, SetFormat::LcdCharacters), "");
        }
    }
}

TEST(CellSizes, ASquareTextReadsInTheListingOrderAndAnotherSizeIsRefused) {
    const CellSize square{8, 8};
    CharacterGrid top(square);
    top.ClearAll();
    top.Toggle(0);
    const std::string bytes = "{1, 0, 0, 0, 0, 0, 0, 0}";
    EXPECT_EQ(ParsePattern(bytes, square, ListingOrder::ByColumn).grid, top)
        << "column bytes: bit 0 of the first is the top left";
    CharacterGrid right(square);
    right.ClearAll();
    right.Toggle(7);
    EXPECT_EQ(ParsePattern(bytes, square, ListingOrder::ByRow).grid, right)
        << "row bytes: bit 0 of the first is the top right";

    const ParsedPattern listing = ParsePattern(BuildRowData(CharacterGrid()), square);
    EXPECT_FALSE(listing.grid);
    EXPECT_EQ(listing.error,
              "7 lines; a listing has 8 lines of 8 digits; the text is a 5x7 character and the "
              "field is 8x8");
    EXPECT_EQ(ParsePattern("{1, 2, 3, 4, 5}", square).error,
              "the braces hold 5 values; a C initializer has 8 column bytes, or 8 row bytes for "
              "the field's 8x8");
    EXPECT_TRUE(ParsePattern(BuildRowData(CharacterGrid(square)), kDefaultSize)
                    .error.ends_with("the text is an 8x8 character and the field is 5x7"));
}

TEST(CellSizes, AResizeKeepsTheTopLeftAndTransformsWrapInTheCell) {
    const CharacterGrid grid = Corner(kDefaultSize);
    const CharacterGrid larger = Resized(grid, {8, 8});
    EXPECT_EQ(BuildRowData(larger).substr(0, 15), "Data &B11111000");
    EXPECT_EQ(Resized(larger, kDefaultSize), grid) << "nothing lost on the way back";
    EXPECT_EQ(Resized(Corner({8, 8}), {2, 2}), Corner({2, 2}));
    const CharacterGrid shifted = Transformed(Corner({8, 16}), Transform::ShiftLeft);
    EXPECT_TRUE(shifted.IsLit(15, 7)) << "the left column wraps to the right";
    EXPECT_EQ(Transformed(shifted, Transform::ShiftRight), Corner({8, 16}));
}

}  // namespace
}  // namespace zrl
