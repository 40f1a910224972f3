#include "core/text/data_listing.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zrl {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(kLineSeparator, start)) != std::string::npos;) {
        lines.push_back(text.substr(start, at - start));
        start = at + kLineSeparator.size();
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string Repeat(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += (i ? " \r\n" : "") + line;
    }
    return text;
}

TEST(DataListing, UnlitGridExactBytes) {
    const CharacterGrid grid;
    const std::string rows = BuildRowData(grid);
    const std::string cols = BuildColData(grid);
    EXPECT_EQ(rows, Repeat("Data &B00000", 7));
    EXPECT_EQ(cols, Repeat("Data &B0000000", 5));
    ASSERT_EQ(rows.size(), 102u);
    ASSERT_EQ(cols.size(), 82u);
    for (std::size_t line = 0; line < 6; ++line) {
        EXPECT_EQ(rows.substr(line * 15 + 12, 3), " \r\n");
    }
    for (std::size_t line = 0; line < 4; ++line) {
        EXPECT_EQ(cols.substr(line * 17 + 14, 3), " \r\n");
    }
    EXPECT_EQ(rows.back(), '0');
    EXPECT_EQ(cols.back(), '0');
}

TEST(DataListing, AllLitGrid) {
    CharacterGrid grid;
    grid.InvertAll();
    EXPECT_EQ(BuildRowData(grid), Repeat("Data &B11111", 7));
    EXPECT_EQ(BuildColData(grid), Repeat("Data &B1111111", 5));
}

TEST(DataListing, CornerCellsLandInTheRightDigit) {
    CharacterGrid last;
    last.Toggle(34);
    EXPECT_EQ(SplitLines(BuildRowData(last)).back(), "Data &B00001");
    EXPECT_EQ(SplitLines(BuildColData(last)).back(), "Data &B0000001");
    EXPECT_EQ(SplitLines(BuildRowData(last)).front(), "Data &B00000");

    CharacterGrid first;
    first.Toggle(0);
    EXPECT_EQ(SplitLines(BuildRowData(first)).front(), "Data &B10000");
    EXPECT_EQ(SplitLines(BuildColData(first)).front(), "Data &B1000000");
}

TEST(DataListing, TopRowExample) {
    CharacterGrid grid;
    for (int c = 0; c < kColumns; ++c) {
        grid.Toggle(c);
    }
    EXPECT_EQ(BuildRowData(grid), "Data &B11111 \r\n" + Repeat("Data &B00000", 6));
    EXPECT_EQ(BuildColData(grid), Repeat("Data &B1000000", 5));
}

TEST(DataListing, OnlyPureRedCountsAsLit) {
    CharacterGrid grid;
    grid.SetColour(0, 254);
    grid.SetColour(1, 0x800000FF);
    EXPECT_EQ(SplitLines(BuildRowData(grid)).front(), "Data &B00000");
}

TEST(DataListing, BuildListingFollowsTheOrder) {
    CharacterGrid grid;
    grid.Toggle(7);
    EXPECT_EQ(BuildListing(grid, ListingOrder::ByRow), BuildRowData(grid));
    EXPECT_EQ(BuildListing(grid, ListingOrder::ByColumn), BuildColData(grid));
}

// The column listing must be the transpose of the row listing, and both must agree with
// IsLit digit for digit, whatever the pattern.
TEST(DataListing, RandomGridsTransposeAndMatchIsLit) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> colourKind(0, 3);
    for (int round = 0; round < 10000; ++round) {
        CharacterGrid grid;
        for (int i = 0; i < kCellCount; ++i) {
            const OLE_COLOR choices[] = {LitColour, UnlitColour, 254, 0x00C0C0C0};
            grid.SetColour(i, choices[colourKind(random)]);
        }
        const auto rows = SplitLines(BuildRowData(grid));
        const auto cols = SplitLines(BuildColData(grid));
        ASSERT_EQ(rows.size(), 7u);
        ASSERT_EQ(cols.size(), 5u);
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                const char expected = grid.IsLit(CellIndex(r, c)) ? '1' : '0';
                ASSERT_EQ(rows[r].at(7 + c), expected) << "round " << round;
                ASSERT_EQ(cols[c].at(7 + r), expected) << "round " << round;
            }
        }
    }
}

}  // namespace
}  // namespace zrl
