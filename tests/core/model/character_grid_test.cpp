#include "core/model/character_grid.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zrl {
namespace {

TEST(CharacterGrid, FreshGridIsUnlitThoughFirstCellIsLightGrey) {
    const CharacterGrid grid;
    EXPECT_EQ(grid.Colour(0), 0x00C0C0C0u);
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_FALSE(grid.IsLit(i)) << "cell " << i;
        if (i > 0) {
            EXPECT_EQ(grid.Colour(i), 0x8000000Fu) << "cell " << i;
        }
    }
}

TEST(CharacterGrid, IndexRowAndColumnAgree) {
    EXPECT_EQ(CellIndex(0, 4), 4);
    EXPECT_EQ(CellIndex(6, 0), 30);
    EXPECT_EQ(CellIndex(6, 4), 34);
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(CellIndex(RowOf(i), ColumnOf(i)), i);
    }
    EXPECT_EQ(RowOf(7), 1);
    EXPECT_EQ(ColumnOf(7), 2);
}

TEST(CharacterGrid, ToggleIsReadCompareWriteOnTheExactColour) {
    CharacterGrid grid;
    grid.Toggle(0);
    EXPECT_EQ(grid.Colour(0), LitColour) << "light grey start colour toggles to red";
    grid.Toggle(0);
    EXPECT_EQ(grid.Colour(0), UnlitColour) << "not back to light grey";

    for (OLE_COLOR almostRed : {0x000000FEu, 0x010000FFu, 0x800000FFu, 0x80000018u}) {
        grid.SetColour(5, almostRed);
        EXPECT_FALSE(grid.IsLit(5));
        grid.Toggle(5);
        EXPECT_EQ(grid.Colour(5), LitColour);
    }
}

TEST(CharacterGrid, InvertAllTogglesEveryCell) {
    CharacterGrid grid;
    grid.InvertAll();
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_TRUE(grid.IsLit(i));
    }
    grid.InvertAll();
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(grid.Colour(i), UnlitColour) << "cell " << i << " forgets any other colour";
    }

    grid.SetColour(3, 0x00123456);
    grid.SetColour(4, LitColour);
    grid.InvertAll();
    grid.InvertAll();
    EXPECT_EQ(grid.Colour(3), UnlitColour);
    EXPECT_EQ(grid.Colour(4), LitColour);
}

TEST(CharacterGrid, ClearAllWritesUnlitEverywhere) {
    CharacterGrid grid;
    grid.InvertAll();
    grid.SetColour(9, 0x00ABCDEF);
    grid.ClearAll();
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(grid.Colour(i), UnlitColour);
    }
    CharacterGrid fresh;
    fresh.ClearAll();
    EXPECT_EQ(fresh.Colour(0), UnlitColour) << "clearing a clear grid still rewrites cell 0";
}

TEST(CharacterGrid, OutOfRangeIndexIsRefused) {
    CharacterGrid grid;
    for (int bad : {-1, 35, 1000, -2147483647 - 1}) {
        EXPECT_THROW(grid.Toggle(bad), std::out_of_range);
        EXPECT_THROW((void)grid.IsLit(bad), std::out_of_range);
        EXPECT_THROW(grid.SetColour(bad, LitColour), std::out_of_range);
    }
    EXPECT_EQ(grid, CharacterGrid()) << "a refused edit changes nothing";
}

}  // namespace
}  // namespace zrl
