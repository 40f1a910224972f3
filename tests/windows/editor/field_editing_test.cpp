#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

#include "core/text/data_listing.h"
#include "platform/colour_button.h"
#include "platform/text_box.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

class FieldEditingTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();

    ColourButton* Cell(int i) { return editor->Cmd[static_cast<std::size_t>(i)]; }
    QString Listing() const {
        return QString::fromLatin1(BuildListing(editor->Grid(), editor->OptRow->isChecked()
                                                                    ? ListingOrder::ByRow
                                                                    : ListingOrder::ByColumn));
    }
    void Key(QKeyCombination key) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    // Positions in the editor's coordinates. While the button is held, every move goes
    // to the widget that took the press, as the window system's mouse grab has it.
    QPoint CentreOf(int i) { return Cell(i)->geometry().center(); }
    static void MoveTo(QWidget* pressed, QPoint at) {
        QTest::mouseMove(pressed, pressed->mapFrom(pressed->window(), at));
    }
};

TEST_F(FieldEditingTest, UndoAndRedoRestoreTheExactColoursWhereverTheFocusIs) {
    const CharacterGrid fresh = editor->Grid();
    QTest::mouseClick(Cell(0), Qt::LeftButton);
    const CharacterGrid afterClick = editor->Grid();
    QTest::mouseClick(editor->CmdNeg, Qt::LeftButton);
    QTest::mouseClick(editor->OptCol, Qt::LeftButton);  // a view choice, not a step
    editor->CmdClear->setFocus();
    Key(Qt::ALT | Qt::Key_Right);
    const CharacterGrid shifted = editor->Grid();
    EXPECT_EQ(editor->History()->count(), 3);

    // Undo from three different controls: the focus stays put, the listing follows in
    // the current order.
    for (QWidget* focus : {static_cast<QWidget*>(editor->CmdClear),
                           static_cast<QWidget*>(editor->OptCol), static_cast<QWidget*>(Cell(9))}) {
        focus->setFocus();
        Key(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(QApplication::focusWidget(), focus);
        EXPECT_EQ(editor->TxtOutput->Text(), Listing());
    }
    EXPECT_EQ(editor->Grid(), fresh);
    EXPECT_EQ(Cell(0)->BackColor(), 0x00C0C0C0u) << "the light grey comes back";
    EXPECT_FALSE(editor->Actions().undo->isEnabled());

    Key(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(editor->Grid(), afterClick);
    Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    Key(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(editor->Grid(), shifted);
    EXPECT_EQ(Cell(1)->accessibleDescription(), QStringLiteral("unlit"));
    EXPECT_EQ(Cell(4)->accessibleDescription(), QStringLiteral("lit"));

    Key(Qt::CTRL | Qt::Key_Z);
    Key(Qt::ALT | Qt::Key_H);  // a new change drops what could have been redone
    EXPECT_FALSE(editor->Actions().redo->isEnabled());
    EXPECT_EQ(editor->History()->count(), 3);
    EXPECT_TRUE(reported.isEmpty());
}

TEST_F(FieldEditingTest, InTheListingCtrlZUndoesTypingFirstThenTheField) {
    TextBox* box = editor->TxtOutput;
    EXPECT_FALSE(box->document()->isUndoAvailable()) << "a fresh box has nothing to undo";

    QTest::mouseClick(Cell(3), Qt::LeftButton);  // the focus goes to the listing
    ASSERT_TRUE(box->hasFocus());
    const QString listing = box->Text();
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, QStringLiteral(" typed"));

    Key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(box->Text(), listing) << "the typing goes first";
    EXPECT_TRUE(editor->Grid().IsLit(3));
    Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(box->Text(), listing + QStringLiteral(" typed")) << "and comes back first";
    Key(Qt::CTRL | Qt::Key_Z);
    Key(Qt::CTRL | Qt::Key_Z);
    EXPECT_FALSE(editor->Grid().IsLit(3)) << "then the field";
    EXPECT_EQ(box->Text(), Listing());
    Key(Qt::CTRL | Qt::Key_Y);
    EXPECT_TRUE(editor->Grid().IsLit(3));
    EXPECT_TRUE(box->hasFocus());
}

TEST_F(FieldEditingTest, ADragStrokeDrawsLiveAndIsOneStep) {
    QTest::mouseClick(Cell(12), Qt::LeftButton);
    const CharacterGrid before = editor->Grid();
    const int steps = editor->History()->count();

    QTest::mousePress(Cell(0), Qt::LeftButton);
    EXPECT_EQ(editor->Grid(), before) << "nothing is painted while the pointer stays";
    MoveTo(Cell(0), CentreOf(1));
    EXPECT_TRUE(editor->Grid().IsLit(0));
    EXPECT_TRUE(editor->Grid().IsLit(1));
    EXPECT_EQ(editor->TxtOutput->Text(), Listing()) << "the listing follows live";
    MoveTo(Cell(0), CentreOf(7));
    MoveTo(Cell(0), QPoint(200, 5));  // out of the field, over Col, and back in
    MoveTo(Cell(0), CentreOf(13));
    MoveTo(Cell(0), CentreOf(0));
    QTest::mouseRelease(Cell(0), Qt::LeftButton);

    for (int cell : {0, 1, 7, 12, 13}) {
        EXPECT_TRUE(editor->Grid().IsLit(cell)) << "cell " << cell;
    }
    EXPECT_EQ(editor->Grid().Colour(2), UnlitColour) << "the stroke passed no other cell";
    EXPECT_TRUE(editor->TxtOutput->hasFocus());
    EXPECT_EQ(editor->History()->count(), steps + 1);
    Key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(editor->Grid(), before);
    EXPECT_EQ(editor->Grid().Colour(0), FirstCellStartColour);
}

// Within the double-click time the second press reaches the cell as a double-click.
TEST_F(FieldEditingTest, APressRightAfterAClickStartsAStrokeToo) {
    for (int cell : {12, 13, 11}) {
        QTest::mouseClick(Cell(cell), Qt::LeftButton);
    }
    const CharacterGrid before = editor->Grid();
    QTest::mouseDClick(Cell(11), Qt::LeftButton);
    MoveTo(Cell(11), CentreOf(12));
    MoveTo(Cell(11), CentreOf(13));
    QTest::mouseRelease(Cell(11), Qt::LeftButton, {}, Cell(11)->mapFrom(editor, CentreOf(13)));
    for (int cell : {11, 12, 13}) {
        EXPECT_FALSE(editor->Grid().IsLit(cell)) << "cell " << cell << " takes cell 11's state";
        EXPECT_EQ(editor->Grid().Colour(cell), UnlitColour);
    }
    EXPECT_EQ(editor->History()->count(), 4);
    Key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(editor->Grid(), before) << "one step undoes the stroke and nothing else";

    // Without a move the double-click stays what it was: a press and a click.
    QTest::mouseDClick(Cell(20), Qt::LeftButton);
    QTest::mouseRelease(Cell(20), Qt::LeftButton);
    EXPECT_TRUE(editor->Grid().IsLit(20));
}

TEST_F(FieldEditingTest, OnlyAPressOnACellStartsAStroke) {
    const CharacterGrid fresh = editor->Grid();
    QTest::mousePress(editor, Qt::LeftButton, {}, QPoint(4, 4));
    MoveTo(editor, CentreOf(0));
    MoveTo(editor, CentreOf(1));
    QTest::mouseRelease(editor, Qt::LeftButton, {}, CentreOf(1));
    EXPECT_EQ(editor->Grid(), fresh);

    // A press and release on one cell, even with a little movement inside it, is a click.
    QTest::mousePress(Cell(5), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(Cell(5), QPoint(9, 6));
    QTest::mouseRelease(Cell(5), Qt::LeftButton, {}, QPoint(9, 6));
    EXPECT_TRUE(editor->Grid().IsLit(5));
    EXPECT_EQ(editor->History()->count(), 1);
}

TEST_F(FieldEditingTest, TheContextMenuOffersTheFieldCommandsAndNeverToggles) {
    const CharacterGrid fresh = editor->Grid();
    QTest::mouseClick(Cell(8), Qt::RightButton);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(4, 4),
                                 Cell(8)->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(Cell(8), &rightClick);
    QMenu* menu = editor->Actions().menu;
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(editor->Grid(), fresh);
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            items << action->text() + u'\t' + action->shortcut().toString();
        }
    }
    // Redo's first key is the platform's own: Ctrl+Shift+Z on Linux desktops, Ctrl+Y elsewhere.
    items[1] = items[1].section(u'\t', 0, 0);
    EXPECT_EQ(items,
              QStringList({"&Undo\tCtrl+Z", "&Redo", "&Paste into the field\tCtrl+Shift+V",
                           "Copy as C: c&olumns (5x7 font)\tCtrl+Shift+C",
                           "Copy as C: ro&ws (LCD custom character)\t", "Shift &Left\tAlt+Left",
                           "Shift R&ight\tAlt+Right", "Shif&t Up\tAlt+Up", "Shift &Down\tAlt+Down",
                           "&Mirror Left-Right\tAlt+H", "&Flip Top-Bottom\tAlt+V", "&Clear\t",
                           "&Negative\t", "Field Si&ze\t", "Character &Set...\tCtrl+Shift+E"}));
    const QList<QKeySequence> redoKeys = editor->Actions().redo->shortcuts();
    EXPECT_TRUE(redoKeys.contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    EXPECT_TRUE(redoKeys.contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_FALSE(editor->Actions().undo->isEnabled());
    editor->Actions().negative->trigger();
    menu->hide();
    EXPECT_EQ(editor->Actions().undo->text(), QStringLiteral("&Undo Negative"));

    Cell(8)->setFocus();
    QTest::keyClick(Cell(8), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible()) << "Shift+F10 opens it from the keyboard";
    menu->hide();
}

TEST_F(FieldEditingTest, TheHistoryKeepsAThousandSteps) {
    for (int step = 0; step < 1000; ++step) {
        QTest::mouseClick(Cell(step % 35), Qt::LeftButton);
    }
    for (int step = 0; step < 1000; ++step) {
        editor->History()->undo();
    }
    EXPECT_EQ(editor->Grid(), CharacterGrid());
}

}  // namespace
}  // namespace zrl::testing
