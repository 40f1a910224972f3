#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>
#include <random>

#include "core/text/data_listing.h"
#include "platform/colour_button.h"
#include "platform/notice.h"
#include "platform/text_box.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

class PasteAndCopyTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();

    ColourButton* Cell(int i) { return editor->Cmd[static_cast<std::size_t>(i)]; }
    void PasteKey() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V,
                        Qt::ControlModifier | Qt::ShiftModifier);
    }
    void DrawRandom(std::mt19937& random) {
        QTest::mouseClick(editor->CmdClear, Qt::LeftButton);
        for (int i = 0; i < 35; ++i) {
            if (std::bernoulli_distribution(0.5)(random)) {
                QTest::mouseClick(Cell(i), Qt::LeftButton);
            }
        }
    }
};

TEST_F(PasteAndCopyTest, EveryWayOutPastesBackAsOneStepInTheCurrentOrder) {
    std::mt19937 random(7);
    CharacterGrid beforePaste;
    const std::function<void()> copies[] = {
        [&] { QTest::mouseClick(editor->Command1, Qt::LeftButton); },
        [&] {
            QTest::keyClick(editor->CmdNeg, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        },
        [&] { editor->Actions().copyCRows->trigger(); },
    };
    for (int round = 0; round < 12; ++round) {
        DrawRandom(random);
        const CharacterGrid drawn = editor->Grid();
        QTest::mouseClick(round % 2 ? editor->OptCol : editor->OptRow, Qt::LeftButton);
        copies[round % 3]();
        QTest::mouseClick(editor->CmdNeg, Qt::LeftButton);  // something else in the field
        QTest::mouseClick(round % 4 < 2 ? editor->OptCol : editor->OptRow, Qt::LeftButton);
        const int steps = editor->History()->count();
        beforePaste = editor->Grid();

        PasteKey();
        ASSERT_EQ(editor->Grid(), drawn)
            << "round " << round << ": " << clipboard.text.toStdString();
        EXPECT_EQ(editor->History()->count(), steps + 1);
        EXPECT_EQ(editor->TxtOutput->Text(),
                  QString::fromLatin1(BuildListing(drawn, editor->OptRow->isChecked()
                                                              ? ListingOrder::ByRow
                                                              : ListingOrder::ByColumn)));
    }
    QTest::keyClick(editor->CmdNeg, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor->Grid(), beforePaste) << "a paste is undone like any step";
    EXPECT_TRUE(reported.isEmpty());
}

TEST_F(PasteAndCopyTest, CopiesAsCExactly) {
    for (int cell : {1, 2, 3, 5, 9, 10, 14, 15, 16, 17, 18, 19, 20, 24, 25, 29, 30, 34}) {
        QTest::mouseClick(Cell(cell), Qt::LeftButton);
    }
    QTest::keyClick(editor->TxtOutput, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard.text, QStringLiteral("{0x7E, 0x09, 0x09, 0x09, 0x7E}"));
    editor->Actions().copyCRows->trigger();
    EXPECT_EQ(clipboard.text, QStringLiteral("{0b01110, 0b10001, 0b10001, 0b11111, 0b10001, "
                                             "0b10001, 0b10001, 0b00000}"));
    EXPECT_EQ(clipboard.calls.mid(clipboard.calls.size() - 2), QStringList({"Clear", "SetText"}));

    clipboard.fail = true;
    editor->Actions().copyCColumns->trigger();
    EXPECT_EQ(reported,
              QStringList(QStringLiteral("Could not copy the listing to the clipboard.")));
}

TEST_F(PasteAndCopyTest, BadInputChangesNothingAndSaysWhyUntilTheNextAction) {
    QTest::mouseClick(Cell(12), Qt::LeftButton);
    TextBox* box = editor->TxtOutput;
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, QStringLiteral(" typed"));
    const QString listing = box->Text();
    const CharacterGrid grid = editor->Grid();
    const int steps = editor->History()->count();

    struct Case {
        QString text;
        bool holdsText;
        const char* says;
    };
    const Case cases[] = {
        {"Data &B00000\nData &B0000", true, "2 lines;"},
        {"00000\n00000\n00000\n00000\n00000\n00000\n00002", true, "line 7 has the digit 2"},
        {"{0x80, 0, 0, 0, 0}", true, "value 1 (0x80) has a dot below the 7 rows"},
        {"{0, 0, 0, 0, 0, 0, 0, 0x10}", true, "value 8 (0x10) is the 8th row"},
        {"Dear firmware", true, "line 1 reads"},
        {"", true, "the clipboard is empty"},
        {"", false, "the clipboard holds no text"},
        {QString(20 * 1024 * 1024, u'0'), true, "the text is over 64 KB"},
    };
    for (const Case& bad : cases) {
        clipboard.text = bad.text;
        clipboard.holdsText = bad.holdsText;
        box->setFocus();
        PasteKey();
        EXPECT_EQ(editor->Grid(), grid) << bad.says;
        EXPECT_EQ(box->Text(), listing) << bad.says;
        EXPECT_EQ(editor->History()->count(), steps) << bad.says;
        EXPECT_TRUE(box->hasFocus()) << bad.says;
        ASSERT_TRUE(editor->PasteNotice()->isVisible()) << bad.says;
        for (const QWidget* button :
             {static_cast<QWidget*>(editor->CmdClear), static_cast<QWidget*>(editor->CmdNeg)}) {
            EXPECT_FALSE(editor->PasteNotice()->geometry().intersects(
                QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
                << "the notice covers " << button->accessibleName().toStdString();
        }
        EXPECT_TRUE(
            editor->PasteNotice()->text().startsWith(QStringLiteral("Not pasted: ") + bad.says))
            << editor->PasteNotice()->text().toStdString();
        QTest::keyClick(box, Qt::Key_End);
        EXPECT_FALSE(editor->PasteNotice()->isVisible()) << "gone at the next key";
    }
    EXPECT_TRUE(reported.isEmpty());
}

TEST_F(PasteAndCopyTest, CtrlVPastesIntoTheFieldOnlyFromACell) {
    clipboard.text = QStringLiteral("{0x7F, 0, 0, 0, 0}");
    Cell(4)->setFocus();
    QTest::keyClick(Cell(4), Qt::Key_V, Qt::ControlModifier);
    for (int row = 0; row < 7; ++row) {
        EXPECT_TRUE(editor->Grid().IsLit(row * 5)) << "row " << row;
    }
    EXPECT_TRUE(Cell(4)->hasFocus());

    QTest::mouseClick(editor->CmdClear, Qt::LeftButton);
    editor->TxtOutput->setFocus();
    editor->TxtOutput->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("x"));  // what the box itself pastes
    QTest::keyClick(editor->TxtOutput, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(editor->TxtOutput->Text().endsWith(u'x'));
    EXPECT_EQ(editor->Grid(), [] {
        CharacterGrid clear;
        clear.ClearAll();
        return clear;
    }());
}

}  // namespace
}  // namespace zrl::testing
