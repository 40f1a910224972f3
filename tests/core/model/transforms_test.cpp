#include "core/model/transforms.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace zrl {
namespace {

CharacterGrid RandomGrid(std::mt19937& random) {
    // Any colour at all, so that a transform that loses or invents one shows.
    constexpr OLE_COLOR kColours[] = {LitColour, UnlitColour, FirstCellStartColour, 0x00123456};
    CharacterGrid grid;
    for (int i = 0; i < kCellCount; ++i) {
        grid.SetColour(i, kColours[std::uniform_int_distribution<int>(0, 3)(random)]);
    }
    return grid;
}

TEST(Transforms, EachIsAPermutationUndoneByItsOpposite) {
    std::mt19937 random(1234);
    for (Transform transform : kAllTransforms) {
        std::set<int> sources;
        for (int i = 0; i < kCellCount; ++i) {
            sources.insert(SourceCell(transform, i));
        }
        EXPECT_EQ(sources.size(), std::size_t{kCellCount}) << "every cell lands somewhere";
        for (int round = 0; round < 200; ++round) {
            const CharacterGrid grid = RandomGrid(random);
            EXPECT_EQ(Transformed(Transformed(grid, transform), Opposite(transform)), grid);
        }
    }
}

TEST(Transforms, ShiftsWrapAroundAndMirrorsReflect) {
    CharacterGrid grid;
    grid.ClearAll();
    grid.SetColour(CellIndex(2, 0), LitColour);   // left edge
    grid.SetColour(CellIndex(0, 3), 0x00C0C0C0);  // top edge, a colour of its own
    const auto at = [](const CharacterGrid& g, int row, int column) {
        return g.Colour(CellIndex(row, column));
    };
    const CharacterGrid left = Transformed(grid, Transform::ShiftLeft);
    EXPECT_EQ(at(left, 2, 4), LitColour) << "the left column comes back on the right";
    EXPECT_EQ(at(left, 0, 2), 0x00C0C0C0u);
    const CharacterGrid up = Transformed(grid, Transform::ShiftUp);
    EXPECT_EQ(at(up, 6, 3), 0x00C0C0C0u) << "the top row comes back at the bottom";
    EXPECT_EQ(at(up, 1, 0), LitColour);
    EXPECT_EQ(at(Transformed(grid, Transform::ShiftRight), 2, 1), LitColour);
    EXPECT_EQ(at(Transformed(grid, Transform::ShiftDown), 3, 0), LitColour);
    EXPECT_EQ(at(Transformed(grid, Transform::MirrorLeftRight), 2, 4), LitColour);
    EXPECT_EQ(at(Transformed(grid, Transform::FlipTopBottom), 4, 0), LitColour);
    EXPECT_EQ(at(Transformed(grid, Transform::FlipTopBottom), 6, 3), 0x00C0C0C0u);
}

}  // namespace
}  // namespace zrl
