#include "core/model/stroke.h"

#include <gtest/gtest.h>

namespace zrl {
namespace {

TEST(Stroke, PaintsTheStateTheFirstCellTookOnLeavingIt) {
    CharacterGrid grid;  // cell 0 light grey, unlit
    grid.SetColour(7, LitColour);
    Stroke stroke(6);
    EXPECT_FALSE(stroke.MoveTo(6, grid)) << "moving within the first cell is no stroke yet";
    EXPECT_FALSE(stroke.Started());

    EXPECT_TRUE(stroke.MoveTo(kNoCell, grid)) << "leaving the cell toggles it";
    EXPECT_TRUE(grid.IsLit(6));
    EXPECT_TRUE(stroke.MoveTo(0, grid));
    EXPECT_EQ(grid.Colour(0), LitColour);
    EXPECT_FALSE(stroke.MoveTo(7, grid)) << "a lit cell stays as it is";
    EXPECT_FALSE(stroke.MoveTo(6, grid)) << "coming back over the first cell keeps it";
    EXPECT_TRUE(stroke.MoveTo(12, grid));
    EXPECT_TRUE(grid.IsLit(12));

    CharacterGrid fresh;
    fresh.SetColour(1, LitColour);
    Stroke darken(1);
    darken.MoveTo(0, fresh);
    EXPECT_FALSE(fresh.IsLit(1));
    EXPECT_EQ(fresh.Colour(0), FirstCellStartColour) << "an unlit cell keeps its colour";
}

}  // namespace
}  // namespace zrl
