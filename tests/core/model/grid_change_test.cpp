#include "core/model/grid_change.h"

#include <gtest/gtest.h>

namespace zrl {
namespace {

// A step keeps only the cells it changes, and gives back every colour exactly, the first
// cell's light grey among them; steps run together give back the first grid too.
TEST(GridChange, UndoneAndRedoneGiveBackEveryColourThroughMergedSteps) {
    const CharacterGrid start(CellSize{64, 64});
    CharacterGrid first = start;
    first.Toggle(0);
    first.Toggle(100);
    CharacterGrid second = first;
    second.Toggle(0);  // back to unlit: red to system colour, not to light grey
    second.Toggle(4000);

    GridChange change(start, first);
    EXPECT_EQ(change.Cells(), 2u);
    EXPECT_EQ(change.Undone(first), start);
    EXPECT_EQ(change.Redone(start), first);
    change.Then(GridChange(first, second));
    EXPECT_EQ(change.Cells(), 3u) << "cell 0 went from light grey to another unlit colour";
    EXPECT_EQ(change.Undone(second), start);
    EXPECT_EQ(change.Redone(start), second);

    GridChange back(start, first);
    back.Then(GridChange(first, start));
    EXPECT_EQ(back.Cells(), 0u) << "a change undone by the next is none";
}

}  // namespace
}  // namespace zrl
