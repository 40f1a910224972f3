#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

#include "core/text/data_listing.h"
#include "platform/colour_button.h"
#include "platform/notice.h"
#include "platform/text_box.h"
#include "windows/editor/cell_field.h"
#include "windows/set/character_set_window.h"
#include "windows/set/code_chart.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

class FieldSizesTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();

    QAction* SizeAction(const QString& text) {
        for (QAction* action : editor->Actions().sizes) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }
    QStringList ListingLines() { return editor->TxtOutput->Text().split(QStringLiteral(" \r\n")); }
};

TEST_F(FieldSizesTest, AnEightByEightCharacterIsOneStepAwayAndUndoBringsTheFieldBack) {
    for (int cell : {0, 12, 34}) {
        QTest::mouseClick(editor->Cmd[static_cast<std::size_t>(cell)], Qt::LeftButton);
    }
    const CharacterGrid before = editor->Grid();
    const QRect firstCell = editor->Cmd[0]->geometry();

    SizeAction(QStringLiteral("8x8 (LED module)"))->trigger();
    ASSERT_EQ(editor->Cmd.size(), 64u);
    EXPECT_TRUE(editor->Grid().IsLit(2, 2) && editor->Grid().IsLit(6, 4)) << "cells keep places";
    EXPECT_FALSE(editor->Grid().IsLit(7, 7));
    QTest::mouseClick(editor->Cmd[63], Qt::LeftButton);
    QTest::keyClick(editor->Cmd[62], Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), editor->Cmd[63]) << "the arrows reach the corner";
    const QStringList lines = ListingLines();
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[2], QStringLiteral("Data &B00100000"));
    EXPECT_EQ(lines[7], QStringLiteral("Data &B00000001"));
    EXPECT_EQ(editor->Cmd[63]->accessibleName(), QStringLiteral("Row 8, column 8"));

    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor->Grid(), before);
    ASSERT_EQ(editor->Cmd.size(), 35u);
    EXPECT_EQ(editor->size(), QSize(218, 287)) << "the 5x7 layout again";
    EXPECT_EQ(editor->Cmd[0]->geometry(), firstCell);
    EXPECT_EQ(editor->TxtOutput->geometry(), QRect(96, 32, 113, 97));
    EXPECT_EQ(ListingLines().size(), 7);
}

TEST_F(FieldSizesTest, AThirtyTwoSquareFieldFitsASmallScreen) {
    editor->ChangeFieldSize({32, 32});
    ASSERT_EQ(editor->Cmd.size(), 1024u);
    EXPECT_GE(editor->Field().Pitch(), 12);
    EXPECT_LE(editor->height(), 768 - 80) << "room for a title bar and a panel";
    EXPECT_LE(editor->width(), 1366);
    EXPECT_TRUE(editor->rect().contains(editor->Field().Bounds()));
    EXPECT_GT(editor->CmdClear->y(), editor->Field().Bounds().bottom());
    EXPECT_GE(editor->TxtOutput->x(), editor->Field().Bounds().right());
    QTest::mouseClick(editor->Cmd[1023], Qt::LeftButton);
    const QStringList lines = ListingLines();
    ASSERT_EQ(lines.size(), 32);
    EXPECT_EQ(lines[31], QStringLiteral("Data &B") + QString(31, u'0') + u'1');
}

TEST_F(FieldSizesTest, APasteOfAnotherSizeIsRefusedNamingBoth) {
    SizeAction(QStringLiteral("8x8 (LED module)"))->trigger();
    const CharacterGrid before = editor->Grid();
    clipboard.text = QString::fromLatin1(BuildRowData(CharacterGrid()));
    editor->Actions().paste->trigger();
    EXPECT_EQ(editor->Grid(), before);
    EXPECT_TRUE(editor->PasteNotice()->text().endsWith(
        QStringLiteral("the text is a 5x7 character and the field is 8x8")))
        << editor->PasteNotice()->text().toStdString();

    clipboard.text = QStringLiteral("{0x01, 0, 0, 0, 0, 0, 0, 0}");
    editor->OptCol->click();
    editor->Actions().paste->trigger();
    EXPECT_TRUE(editor->Grid().IsLit(0, 0)) << "by column: the first byte is the left column";
    editor->OptRow->click();
    editor->Actions().paste->trigger();
    EXPECT_TRUE(editor->Grid().IsLit(0, 7)) << "by row: the first byte is the top row";
}

TEST_F(FieldSizesTest, ASetOfAnotherSizeGivesTheFieldItsCellAndResizesAsOneStep) {
    FrmCharSet* set = forms.charSet.Get();
    set->NewSet(FrmCharSet::Kind::PrintableAscii, {6, 13});
    set->MakeCurrent(65);
    EXPECT_EQ(editor->Grid().Size(), (CellSize{6, 13}));
    QTest::mouseClick(editor->Cmd[77], Qt::LeftButton);
    EXPECT_EQ(ListingLines().size(), 13);
    EXPECT_TRUE(set->Set().Find(65)->pattern.Lit(12, 5));
    EXPECT_FALSE(editor->Actions().sizeMenu->isEnabled()) << "the set decides the size";
    editor->ChangeFieldSize({8, 8});
    EXPECT_EQ(editor->Grid().Size(), (CellSize{6, 13}));

    const CharacterSet sixByThirteen = set->Set();
    set->ChangeCellSize({8, 16});
    EXPECT_EQ(set->Set().Cell(), (CellSize{8, 16}));
    EXPECT_TRUE(set->Set().Find(65)->pattern.Lit(12, 5));
    editor->History()->undo();
    EXPECT_EQ(set->Set(), sixByThirteen);
    set->MakeCurrent(66);
    EXPECT_EQ(editor->Cmd.size(), 78u);
}

// Past 5x7 the field is one stop of Tab: the cell last focused, left and come back to.
TEST_F(FieldSizesTest, ALargerFieldIsOneTabStopThatRemembersItsCell) {
    editor->ChangeFieldSize({32, 32});
    editor->Cmd[0]->setFocus();
    QTest::keyClick(editor->Cmd[0], Qt::Key_Right);
    QTest::keyClick(editor->Cmd[1], Qt::Key_Down);
    ASSERT_EQ(QApplication::focusWidget(), editor->Cmd[33]);
    QTest::keyClick(editor->Cmd[33], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), editor->CmdClear) << "one Tab leaves the field";
    QTest::keyClick(editor->CmdClear, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), editor->Cmd[33]) << "and Shift+Tab comes back";
}

}  // namespace
}  // namespace zrl::testing
