#include "core/model/drawing.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zrl {
namespace {

constexpr CellSize kSize{40, 30};

TEST(Drawing, ALineRunsEndToEndWithNoGapAndNoCellTwice) {
    for (const auto& [from, to] : {std::pair{kSize.Index(0, 0), kSize.Index(29, 39)},
                                   {kSize.Index(20, 35), kSize.Index(3, 2)},
                                   {kSize.Index(5, 5), kSize.Index(5, 5)}}) {
        const std::vector<int> cells = LineCells(kSize, from, to);
        EXPECT_EQ(cells.front(), from);
        EXPECT_EQ(cells.back(), to);
        const int rows = std::abs(kSize.RowOf(to) - kSize.RowOf(from));
        const int columns = std::abs(kSize.ColumnOf(to) - kSize.ColumnOf(from));
        EXPECT_EQ(cells.size(), static_cast<std::size_t>(std::max(rows, columns) + 1));
        for (std::size_t i = 1; i < cells.size(); ++i) {
            EXPECT_EQ(std::max(std::abs(kSize.RowOf(cells[i]) - kSize.RowOf(cells[i - 1])),
                               std::abs(kSize.ColumnOf(cells[i]) - kSize.ColumnOf(cells[i - 1]))),
                      1);
        }
    }
}

TEST(Drawing, ShapesTakeTheStateAClickWouldAndAFillStopsAtTheRegionsEdge) {
    CharacterGrid grid(kSize);
    const int corner = kSize.Index(2, 3);
    const CharacterGrid box = WithShape(grid, Shape::Rectangle, corner, kSize.Index(6, 9));
    EXPECT_EQ(RegionCells(box, corner).size(), 2u * 7 + 2u * 3) << "the edge, lit";
    EXPECT_FALSE(box.IsLit(4, 5)) << "inside stays unlit";
    const CharacterGrid inside = FilledRegion(box, kSize.Index(4, 5));
    EXPECT_EQ(inside, WithShape(grid, Shape::FilledRectangle, corner, kSize.Index(6, 9)))
        << "a fill inside the edge lights exactly the inside";
    EXPECT_EQ(WithShape(inside, Shape::Line, corner, kSize.Index(2, 9)).IsLit(2, 6), false)
        << "a line from a lit cell darkens";

    CharacterGrid diagonal(kSize);
    diagonal.Toggle(kSize.Index(0, 1));
    diagonal.Toggle(kSize.Index(1, 0));
    EXPECT_EQ(RegionCells(diagonal, kSize.Index(0, 0)), std::vector<int>{0})
        << "no way through a diagonal";
}

}  // namespace
}  // namespace zrl
