// A field past 32 cells on a side: one canvas that clicks, draws, zooms and undoes as the
// field of buttons does, and reads to a screen reader as one table.
#include "windows/editor/field_canvas.h"

#include <QAccessible>
#include <QAction>
#include <QPushButton>
#include <QUndoStack>

#include "platform/colour_button.h"
#include "platform/text_box.h"
#include "windows/editor/cell_field.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

class FieldCanvasTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();

    FieldCanvas* Canvas(CellSize size) {
        editor->ChangeFieldSize(size);
        return editor->Field().Canvas();
    }
    static QPoint At(const FieldCanvas* canvas, int row, int column) {
        return canvas->CellRect(canvas->Grid().Size().Index(row, column)).center();
    }
};

TEST_F(FieldCanvasTest, ClicksDrawsAndKeysAreEachOneStepOfTheField) {
    FieldCanvas* canvas = Canvas({64, 64});
    ASSERT_NE(canvas, nullptr);
    EXPECT_TRUE(editor->Cmd.empty()) << "no button for any cell";
    EXPECT_TRUE(editor->TxtOutput->Text().startsWith(
        QStringLiteral("A 64x64 character is too large for Data lines.")));
    EXPECT_FALSE(editor->Command1->isEnabled());
    QWidget* view = canvas->viewport();

    QTest::mouseClick(view, Qt::LeftButton, {}, At(canvas, 40, 50));
    EXPECT_TRUE(editor->Grid().IsLit(40, 50)) << "a plain click toggles";
    QTest::mousePress(view, Qt::LeftButton, {}, At(canvas, 10, 10));
    for (int column = 11; column <= 20; ++column) {
        QTest::mouseMove(view, At(canvas, 10, column));
    }
    QTest::mouseRelease(view, Qt::LeftButton, {}, At(canvas, 10, 20));
    for (int column = 10; column <= 20; ++column) {
        EXPECT_TRUE(editor->Grid().IsLit(10, column)) << column;
    }
    canvas->setFocus();
    canvas->SetCursor(0);
    QTest::keyClick(canvas, Qt::Key_Right);
    QTest::keyClick(canvas, Qt::Key_Down);
    QTest::keyClick(canvas, Qt::Key_Space);
    EXPECT_TRUE(editor->Grid().IsLit(1, 1)) << "Space toggles the cursor's cell";

    const int fitting = canvas->Zoom();
    QTest::keyClick(canvas, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(canvas->Zoom(), fitting);
    QTest::keyClick(canvas, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(canvas->Zoom(), fitting);

    editor->History()->undo();
    EXPECT_FALSE(editor->Grid().IsLit(1, 1));
    editor->History()->undo();
    EXPECT_FALSE(editor->Grid().IsLit(10, 15)) << "the whole stroke is one step";
    EXPECT_TRUE(editor->Grid().IsLit(40, 50));
}

TEST_F(FieldCanvasTest, AScreenReaderReadsOneTableNamingEachCellAndItsState) {
    FieldCanvas* canvas = Canvas({255, 255});
    ASSERT_NE(canvas, nullptr);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(canvas);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->tableInterface()->rowCount(), 255);
    EXPECT_EQ(table->tableInterface()->columnCount(), 255);

    QAccessibleInterface* cell = table->tableInterface()->cellAt(254, 200);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Row 255, column 201"));
    EXPECT_EQ(cell->text(QAccessible::Description), QStringLiteral("unlit"));
    ASSERT_NE(cell->actionInterface(), nullptr);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(editor->Grid().IsLit(254, 200));
    EXPECT_EQ(cell->text(QAccessible::Description), QStringLiteral("lit"));
    EXPECT_TRUE(cell->state().checked);
    EXPECT_EQ(table->tableInterface()->cellAt(254, 200), cell) << "a cell is made once";
    EXPECT_EQ(table->indexOfChild(cell), 254 * 255 + 200);
}

// Shift+drag draws a line, Ctrl+drag a rectangle, Alt+G fills: each one step, on the
// canvas and on the buttons of an 8x8 field alike; at 5x7 a Shift+drag is a stroke as ever.
TEST_F(FieldCanvasTest, EachToolIsOneStepOnTheCanvasAndTheButtonsButNotAt5x7) {
    QUndoStack* history = editor->History();
    const auto drag = [](QWidget* from, QPoint start, QWidget* to, QPoint end,
                         Qt::KeyboardModifiers keys) {
        QTest::mousePress(from, Qt::LeftButton, keys, start);
        QTest::mouseMove(to, end);
        QTest::mouseRelease(to, Qt::LeftButton, keys, end);
    };
    drag(editor->Cmd[0], QPoint(4, 4), editor->Cmd[4], QPoint(4, 4), Qt::ShiftModifier);
    EXPECT_TRUE(editor->Grid().IsLit(0, 0) && !editor->Grid().IsLit(0, 2)) << "a stroke at 5x7";

    editor->ChangeFieldSize({8, 8});
    int steps = history->index();
    drag(editor->Cmd[8], QPoint(4, 4), editor->Cmd[15], QPoint(4, 4), Qt::ShiftModifier);
    for (int column = 0; column < 8; ++column) {
        EXPECT_TRUE(editor->Grid().IsLit(1, column)) << column;
    }
    EXPECT_EQ(history->index(), steps + 1);
    EXPECT_EQ(history->undoText(), QStringLiteral("Line"));

    FieldCanvas* canvas = Canvas({64, 64});
    steps = history->index();
    QWidget* view = canvas->viewport();
    drag(view, At(canvas, 10, 10), view, At(canvas, 20, 30), Qt::ControlModifier);
    EXPECT_TRUE(editor->Grid().IsLit(20, 30) && editor->Grid().IsLit(10, 30));
    EXPECT_FALSE(editor->Grid().IsLit(15, 20));
    canvas->setFocus();
    canvas->SetCursor(canvas->Grid().Size().Index(15, 20));
    QTest::keyClick(canvas, Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(editor->Grid().IsLit(15, 20)) << "the inside filled";
    EXPECT_FALSE(editor->Grid().IsLit(40, 40)) << "the outside not";
    EXPECT_EQ(history->index(), steps + 2);
    history->undo();
    EXPECT_EQ(history->undoText(), QStringLiteral("Rectangle"));
    history->undo();
    EXPECT_FALSE(editor->Grid().IsLit(20, 30));
}

// An area chosen with Shift+arrows is cut and pasted elsewhere, or chosen by a drag and
// dragged: each one step.
TEST_F(FieldCanvasTest, AChosenAreaIsCutPastedAndMovedAStepEach) {
    editor->ChangeFieldSize({16, 16});
    QTest::mouseClick(editor->Cmd[17], Qt::LeftButton);  // row 1, column 1
    editor->Cmd[17]->setFocus();
    QTest::keyClick(editor->Cmd[17], Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(editor->Cmd[18], Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(editor->Grid().IsLit(1, 1)) << "cut from the buttons";
    QTest::keyClick(editor->Cmd[18], Qt::Key_Down);
    QTest::keyClick(editor->Cmd[34], Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(editor->Grid().IsLit(2, 2)) << "pasted at the focused cell";

    FieldCanvas* canvas = Canvas({40, 40});
    const CellSize size = canvas->Grid().Size();
    CharacterGrid dots(size);
    dots.Toggle(size.Index(2, 2));
    dots.Toggle(size.Index(3, 4));
    editor->Edit(dots, QStringLiteral("Drawing"));
    canvas->setFocus();
    canvas->SetCursor(size.Index(2, 2));
    QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_TRUE(canvas->Selection());
    EXPECT_EQ(*canvas->Selection(), (Area{2, 2, 3, 2}));
    QTest::keyClick(canvas, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(editor->Grid().IsLit(2, 2) || editor->Grid().IsLit(3, 4)) << "cut";
    canvas->SetCursor(size.Index(10, 20));
    QTest::keyClick(canvas, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(editor->Grid().IsLit(10, 20) && editor->Grid().IsLit(11, 22)) << "pasted";
    EXPECT_EQ(editor->History()->undoText(), QStringLiteral("Paste"));

    editor->Actions().drags.back()->trigger();  // drags select
    QWidget* view = canvas->viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, At(canvas, 10, 20));
    QTest::mouseMove(view, At(canvas, 11, 22));
    QTest::mouseRelease(view, Qt::LeftButton, {}, At(canvas, 11, 22));
    QTest::mousePress(view, Qt::LeftButton, {}, At(canvas, 10, 20));
    QTest::mouseMove(view, At(canvas, 30, 5));
    QTest::mouseRelease(view, Qt::LeftButton, {}, At(canvas, 30, 5));
    EXPECT_TRUE(editor->Grid().IsLit(30, 5) && editor->Grid().IsLit(31, 7)) << "moved";
    EXPECT_FALSE(editor->Grid().IsLit(10, 20));
    EXPECT_EQ(editor->History()->undoText(), QStringLiteral("Move"));
    editor->History()->undo();
    EXPECT_TRUE(editor->Grid().IsLit(10, 20) && !editor->Grid().IsLit(30, 5));
}

}  // namespace
}  // namespace zrl::testing
