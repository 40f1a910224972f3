#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUndoStack>

#include "platform/colour_button.h"
#include "windows/set/character_set_window.h"
#include "windows/set/code_chart.h"
#include "windows/set/set_document.h"
#include "windows/set/set_widths_command.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

const QString kFont5x7 = QStringLiteral("/usr/share/fonts/X11/misc/5x7.pcf.gz");
const QString kFont6x13 = QStringLiteral("/usr/share/fonts/X11/misc/6x13.pcf.gz");

class SetHistoryTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();
    FrmCharSet* set = OpenSet();

    FrmCharSet* OpenSet() {
        QTest::keyClick(editor, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        return forms.charSet.IfExists();
    }
    void UndoAndRedoFromTheSet() {
        QTest::keyClick(set, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(set, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(set, Qt::Key_Z, Qt::ControlModifier);
    }
};

// A step of one set is never undone or redone on the next one, whatever its size.
TEST_F(SetHistoryTest, ASetsStepsStayWithItAcrossOpenAndNew) {
    if (!QFile::exists(kFont5x7) || !QFile::exists(kFont6x13)) {
        GTEST_SKIP() << "xfonts-base is not installed";
    }
    ASSERT_TRUE(set->OpenFile(kFont5x7));
    set->FitWidths();
    ASSERT_EQ(editor->History()->undoText(), QStringLiteral("Fit Widths"));
    ASSERT_TRUE(set->OpenFile(kFont6x13));
    const CharacterSet opened = set->Set();
    EXPECT_FALSE(editor->Actions().undo->isEnabled()) << "no step of the other set is offered";
    UndoAndRedoFromTheSet();
    EXPECT_EQ(set->Set(), opened);

    ASSERT_TRUE(set->OpenFile(kFont5x7));
    set->ChangeCellSize({6, 9});
    editor->Actions().undo->trigger();
    set->NewSet(FrmCharSet::Kind::LcdCustom);
    UndoAndRedoFromTheSet();
    EXPECT_EQ(set->Set(), CharacterSet::Blank(0, 7));
    EXPECT_EQ(set->Status->text(), QStringLiteral("8 characters"));
    EXPECT_TRUE(reported.isEmpty()) << reported.join(u'\n').toStdString();
}

TEST_F(SetHistoryTest, TheStatusLineDescribesTheSetAsUndoAndRedoLeaveIt) {
    set->ChangeCellSize({6, 9});
    EXPECT_EQ(set->Status->text(), QStringLiteral("95 characters of 6x9"));
    QTest::keyClick(set, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(set->Set().Cell(), kDefaultSize);
    EXPECT_EQ(set->Status->text(), QStringLiteral("Undone: Cell Size 6x9. 95 characters of 5x7"));
    QTest::keyClick(set, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(set->Status->text(), QStringLiteral("95 characters of 6x9"));
}

// Deleting a character, and the set's other steps, are undone from the set window whatever
// character is current.
TEST_F(SetHistoryTest, TheSetsStepsAreUndoneWithACharacterCurrent) {
    const auto undoInTheSet = [this](Qt::KeyboardModifiers keys) {
        // The set window's own keys, not the editor's beside it.
        QApplication::setActiveWindow(set);
        ASSERT_EQ(QApplication::activeWindow(), set);
        QTest::keyClick(set, Qt::Key_Z, keys);
    };
    set->Chart->MakeCurrent(65);
    set->Commands().remove->trigger();
    ASSERT_EQ(set->Set().Find(65), nullptr);
    set->Chart->MakeCurrent(66);
    undoInTheSet(Qt::ControlModifier);
    EXPECT_NE(set->Set().Find(65), nullptr) << "the deleted A comes back";

    set->ChangeCellSize({3, 3});
    set->Chart->MakeCurrent(66);
    undoInTheSet(Qt::ControlModifier);
    EXPECT_EQ(set->Set().Cell(), kDefaultSize);
    undoInTheSet(Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(set->Set().Cell(), (CellSize{3, 3}));
}

// The title's "*" goes where undo takes the set back to what its file holds, by whichever
// history, and only there.
TEST_F(SetHistoryTest, UndoBackToTheSavedSetClearsItsUnsavedMark) {
    QTemporaryDir dir;
    ASSERT_TRUE(set->SaveTo(dir.filePath(QStringLiteral("saved.bdf"))));
    set->ChangeCellSize({6, 9});
    ASSERT_TRUE(set->isWindowModified());
    QTest::keyClick(set, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(set->isWindowModified()) << "the set's own step undone";

    set->MakeCurrent(65);
    QTest::mouseClick(editor->Cmd[3], Qt::LeftButton);
    set->MakeCurrent(66);
    QTest::mouseClick(editor->Cmd[3], Qt::LeftButton);
    editor->Actions().undo->trigger();
    EXPECT_TRUE(set->isWindowModified()) << "A still differs";
    set->MakeCurrent(65);
    editor->Actions().undo->trigger();
    EXPECT_FALSE(set->isWindowModified()) << "back to the file, by two histories";
    editor->Actions().redo->trigger();
    EXPECT_TRUE(set->isWindowModified());

    ASSERT_TRUE(set->SaveTo(dir.filePath(QStringLiteral("saved.bdf"))));
    editor->Actions().undo->trigger();
    EXPECT_TRUE(set->isWindowModified()) << "undone past the save";
    editor->Actions().redo->trigger();
    EXPECT_FALSE(set->isWindowModified());

    set->MarkUnsaved();  // as a recovered copy is: no file holds it
    QTest::mouseClick(editor->Cmd[4], Qt::LeftButton);
    editor->Actions().undo->trigger();
    EXPECT_TRUE(set->isWindowModified());
}

// However large the characters and however narrow the room beside the editor, the chart
// shows its 16 columns whole, with no scrolling sideways.
// Width changes as a held key repeats them are one step; two presses seconds apart are two.
TEST(SetWidthsCommand, MergesOnlyWhatAHeldKeyRepeats) {
    SetDocument document;
    CharacterSet set;
    set.Put('M', {Pattern(), {}, 4});
    document.Replace(set, {});
    QUndoStack history;
    const auto start = SetWidthsCommand::Clock::now();
    const auto push = [&](int width, std::chrono::milliseconds after) {
        history.push(
            new SetWidthsCommand(document, {{'M', width}}, QStringLiteral("Width"), start + after));
    };
    push(3, std::chrono::milliseconds(0));
    push(2, std::chrono::milliseconds(33));
    push(1, std::chrono::milliseconds(3033));
    EXPECT_EQ(history.count(), 2);
    history.undo();
    EXPECT_EQ(document.Set().Find('M')->width, 2);
    history.undo();
    EXPECT_EQ(document.Set().Find('M')->width, 4);
}

TEST_F(SetHistoryTest, TheChartShowsItsSixteenColumnsAtEveryCellSize) {
    for (const CellSize size : {CellSize{8, 8}, CellSize{32, 32}}) {
        set->NewSet(FrmCharSet::Kind::PrintableAscii, size);
        set->MakeCurrent(65);  // the editor grows with its field, and the set moves aside
        QApplication::processEvents();
        const CodeChart* chart = set->Chart;
        EXPECT_FALSE(chart->horizontalScrollBar()->isVisible());
        EXPECT_LE(chart->horizontalHeader()->sectionViewportPosition(15) +
                      chart->horizontalHeader()->sectionSize(15),
                  chart->viewport()->width())
            << ToString(size);
    }
}

}  // namespace
}  // namespace zrl::testing
