#include "windows/editor/main_window.h"

#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <random>

#include "platform/colour_button.h"
#include "platform/font_file.h"
#include "platform/label.h"
#include "platform/qt_clipboard.h"
#include "platform/text_box.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

// The listing written out independently of the program's own builder.
QString ExpectedListing(const std::array<bool, 35>& lit, bool byRow) {
    QStringList lines;
    const int lineCount = byRow ? 7 : 5;
    const int digits = byRow ? 5 : 7;
    for (int line = 0; line < lineCount; ++line) {
        QString text = QStringLiteral("Data &B");
        for (int d = 0; d < digits; ++d) {
            text +=
                lit[static_cast<std::size_t>(byRow ? line * 5 + d : d * 5 + line)] ? u'1' : u'0';
        }
        lines << text;
    }
    return lines.join(QStringLiteral(" \r\n"));
}

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

class MainWindowTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();
    ColourButton* Cell(int i) { return editor->Cmd[static_cast<std::size_t>(i)]; }
};

TEST_F(MainWindowTest, StartsWithAnEmptyListingAndTheLayoutInTwips) {
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(forms.splash.Exists());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("ZRL1.0-www.zerlin.example"));
    EXPECT_EQ(editor->size(), QSize(218, 287));
    EXPECT_TRUE(editor->OptRow->isChecked());
    EXPECT_EQ(editor->TxtOutput->Text(), QString()) << "no listing until the first edit";

    EXPECT_EQ(Cell(0)->geometry(), QRect(8, 24, 17, 13));
    EXPECT_EQ(Cell(4)->geometry().topLeft(), QPoint(72, 24));
    EXPECT_EQ(Cell(34)->geometry().topLeft(), QPoint(72, 120));
    EXPECT_EQ(Cell(0)->FaceColour(), QColor(192, 192, 192));
    EXPECT_EQ(editor->TxtOutput->geometry(), QRect(96, 32, 113, 97));
    EXPECT_EQ(editor->Command1->geometry(), QRect(8, 168, 201, 25));
    EXPECT_EQ(editor->Mobile->text(), QStringLiteral("Mobile : +1 555 0100"));
    EXPECT_EQ(editor->Email->text(), QStringLiteral("E-Mail : info@zerlin.example"));
    EXPECT_EQ(editor->WebSite->text(), QStringLiteral("Web Site : www.zerlin.example"));
}

TEST_F(MainWindowTest, AllSevenLinesShowWithoutScrolling) {
    Click(editor->CmdNeg);
    TextBox* box = editor->TxtOutput;
    const int lineHeight = QFontMetrics(box->font()).lineSpacing();
    const int contentHeight = 7 * lineHeight + 2 * int(box->document()->documentMargin());
    EXPECT_LE(contentHeight, box->viewport()->height());
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);

    // After a long typed text scrolled the box, the next listing shows from its top line.
    box->SetFocus();
    box->moveCursor(QTextCursor::End);
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
    Click(editor->CmdClear);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, TabOrderFollowsTheLayout) {
    QList<QWidget*> expected(editor->Cmd.begin(), editor->Cmd.end());
    expected << editor->CmdClear << editor->CmdNeg << editor->TxtOutput << editor->Command1
             << editor->OptRow << editor->OptCol << editor->CmdHelp;
    QList<QWidget*> actual{Cell(0)};
    for (QWidget* next = Cell(0)->nextInFocusChain(); next != Cell(0) && actual.size() < 60;
         next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus) {
            actual << next;
        }
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowTest, ColumnOrderStaysAfterAnEdit) {
    Click(editor->OptCol);
    EXPECT_EQ(editor->TxtOutput->Text(), ExpectedListing({}, false));
    Click(Cell(6));
    std::array<bool, 35> lit{};
    lit[6] = true;
    EXPECT_EQ(editor->TxtOutput->Text(), ExpectedListing(lit, false));
    Click(editor->OptRow);
    EXPECT_EQ(editor->TxtOutput->Text(), ExpectedListing(lit, true));
}

TEST_F(MainWindowTest, OnlyACellClickMovesTheFocusToTheListing) {
    Click(Cell(12));
    EXPECT_TRUE(editor->TxtOutput->hasFocus());
    Click(editor->CmdNeg);
    EXPECT_TRUE(editor->CmdNeg->hasFocus());
    Click(editor->CmdClear);
    EXPECT_TRUE(editor->CmdClear->hasFocus());
    EXPECT_EQ(editor->TxtOutput->Text(), ExpectedListing({}, true));
}

TEST_F(MainWindowTest, CopyPutsExactlyTheListingOnTheClipboard) {
    Click(editor->Command1);
    EXPECT_EQ(clipboard.calls, QStringList({"Clear", "SetText"}));
    EXPECT_EQ(clipboard.text, QString()) << "an empty box copies the empty string";

    Click(Cell(0));
    Click(Cell(34));
    Click(editor->Command1);
    const QByteArray expected =
        "Data &B10000 \r\nData &B00000 \r\nData &B00000 \r\nData &B00000 \r\n"
        "Data &B00000 \r\nData &B00000 \r\nData &B00001";
    EXPECT_EQ(clipboard.text.toLatin1(), expected);
}

TEST(MainWindowClipboard, TheSystemClipboardHoldsTheSameBytes) {
    QtClipboard clipboard;
    Forms forms(clipboard);
    FrmMain* editor = forms.main.Start();
    forms.splash.Unload();
    Click(editor->OptCol);
    Click(editor->Cmd[0]);
    Click(editor->Command1);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toLatin1(),
              "Data &B1000000 \r\nData &B0000000 \r\nData &B0000000 \r\nData &B0000000 \r\n"
              "Data &B0000000");
}

TEST_F(MainWindowTest, FailedCopyIsReportedAndLosesNothing) {
    Click(Cell(7));
    const QString listing = editor->TxtOutput->Text();
    const CharacterGrid grid = editor->Grid();
    clipboard.fail = true;
    Click(editor->Command1);
    EXPECT_EQ(reported,
              QStringList(QStringLiteral("Could not copy the listing to the clipboard.")));
    EXPECT_EQ(editor->TxtOutput->Text(), listing);
    EXPECT_EQ(editor->Grid(), grid);
    EXPECT_TRUE(editor->isVisible());
    clipboard.fail = false;
    Click(editor->Command1);
    EXPECT_EQ(clipboard.text, listing) << "the next copy works";
}

TEST_F(MainWindowTest, TypedTextIsCopiedAndThenReplacedByTheNextListing) {
    Click(Cell(0));
    editor->TxtOutput->moveCursor(QTextCursor::End);
    QTest::keyClick(editor->TxtOutput, Qt::Key_Return);
    QTest::keyClicks(editor->TxtOutput, QStringLiteral("Data &B1"));
    Click(editor->Command1);
    EXPECT_TRUE(clipboard.text.endsWith(QStringLiteral("Data &B00000\r\nData &B1")));
    Click(editor->CmdClear);
    EXPECT_EQ(editor->TxtOutput->Text(), ExpectedListing({}, true));
}

TEST_F(MainWindowTest, ArrowsWalkTheFieldAndSpaceToggles) {
    Cell(0)->setFocus();
    QTest::keyClick(Cell(0), Qt::Key_Left);
    QTest::keyClick(Cell(0), Qt::Key_Up);
    EXPECT_TRUE(Cell(0)->hasFocus()) << "stops at the top-left edges";
    QTest::keyClick(Cell(0), Qt::Key_Right);
    QTest::keyClick(Cell(1), Qt::Key_Down);
    EXPECT_TRUE(Cell(6)->hasFocus());
    QTest::keyClick(Cell(6), Qt::Key_Space);
    EXPECT_TRUE(editor->Grid().IsLit(6));
    EXPECT_TRUE(Cell(6)->hasFocus()) << "keyboard drawing keeps the focus in the field";
    std::array<bool, 35> lit{};
    lit[6] = true;
    EXPECT_EQ(editor->TxtOutput->Text(), ExpectedListing(lit, true));

    Cell(34)->setFocus();
    QTest::keyClick(Cell(34), Qt::Key_Right);
    QTest::keyClick(Cell(34), Qt::Key_Down);
    EXPECT_TRUE(Cell(34)->hasFocus()) << "stops at the bottom-right edges";
}

TEST_F(MainWindowTest, CellsSayWhereTheyAreAndWhetherTheyAreLit) {
    EXPECT_EQ(Cell(7)->accessibleName(), QStringLiteral("Row 2, column 3"));
    EXPECT_EQ(Cell(34)->accessibleName(), QStringLiteral("Row 7, column 5"));
    EXPECT_EQ(Cell(7)->accessibleDescription(), QStringLiteral("unlit"));
    Click(Cell(7));
    EXPECT_EQ(Cell(7)->accessibleDescription(), QStringLiteral("lit"));
    Click(editor->CmdNeg);
    EXPECT_EQ(Cell(7)->accessibleDescription(), QStringLiteral("unlit"));
    EXPECT_EQ(Cell(8)->accessibleDescription(), QStringLiteral("lit"));
    for (QWidget* w : {static_cast<QWidget*>(editor->OptRow), static_cast<QWidget*>(editor->OptCol),
                       static_cast<QWidget*>(editor->TxtOutput)}) {
        EXPECT_FALSE(w->accessibleName().isEmpty());
    }
}

// Random user sessions against an independent model of the grid, the listing, the
// clipboard and the focus.
TEST_F(MainWindowTest, RandomSessionsMatchTheModel) {
    std::mt19937 random(4711);
    std::array<OLE_COLOR, 35> colours;
    colours.fill(0x8000000F);
    colours[0] = 0x00C0C0C0;
    bool byRow = true;
    QString output;
    QString copied;
    const auto lit = [&] {
        std::array<bool, 35> cells{};
        for (std::size_t i = 0; i < 35; ++i) {
            cells[i] = colours[i] == 255;
        }
        return cells;
    };

    for (int step = 0; step < 5000; ++step) {
        QWidget* expectedFocus = nullptr;
        switch (std::uniform_int_distribution<int>(0, 9)(random)) {
            case 0:
            case 1:
            case 2:
            case 3: {
                const int i = std::uniform_int_distribution<int>(0, 34)(random);
                Click(Cell(i));
                auto& c = colours[static_cast<std::size_t>(i)];
                c = c == 255 ? 0x8000000F : 255;
                output = ExpectedListing(lit(), byRow);
                expectedFocus = editor->TxtOutput;
                break;
            }
            case 4:
                Click(editor->CmdClear);
                colours.fill(0x8000000F);
                output = ExpectedListing(lit(), byRow);
                expectedFocus = editor->CmdClear;
                break;
            case 5:
                Click(editor->CmdNeg);
                for (auto& c : colours)
                    c = c == 255 ? 0x8000000F : 255;
                output = ExpectedListing(lit(), byRow);
                expectedFocus = editor->CmdNeg;
                break;
            case 6:
                byRow = std::bernoulli_distribution(0.5)(random);
                Click(byRow ? editor->OptRow : editor->OptCol);
                output = ExpectedListing(lit(), byRow);
                expectedFocus = byRow ? editor->OptRow : editor->OptCol;
                break;
            case 7:
                Click(editor->Command1);
                copied = output;
                expectedFocus = editor->Command1;
                break;
            default:
                editor->TxtOutput->SetFocus();
                editor->TxtOutput->moveCursor(QTextCursor::End);
                QTest::keyClicks(editor->TxtOutput, QStringLiteral("x1"));
                QTest::keyClick(editor->TxtOutput, Qt::Key_Return);
                output += QStringLiteral("x1\r\n");
                expectedFocus = editor->TxtOutput;
                break;
        }
        ASSERT_EQ(editor->TxtOutput->Text(), output) << "step " << step;
        ASSERT_EQ(clipboard.text, copied) << "step " << step;
        ASSERT_EQ(QApplication::focusWidget(), expectedFocus) << "step " << step;
        for (int i = 0; i < 35; ++i) {
            ASSERT_EQ(editor->Grid().Colour(i), colours[static_cast<std::size_t>(i)]);
            ASSERT_EQ(Cell(i)->BackColor(), colours[static_cast<std::size_t>(i)]);
        }
    }
    EXPECT_TRUE(reported.isEmpty());
}

}  // namespace
// With no set open, a save keeps the field's character, at the code the person gives.
TEST_F(MainWindowTest, SavingWithNoSetOpenKeepsTheFieldsCharacter) {
    FrmMain* editor = OpenEditor();
    QTest::mouseClick(editor->Cmd[0], Qt::LeftButton);
    QTest::mouseClick(editor->Cmd[6], Qt::LeftButton);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.bdf"));
    QTimer::singleShot(0, [&path] {
        auto* question = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(question->textValue(), QStringLiteral("65"));
        question->setTextValue(QStringLiteral("B"));
        QTimer::singleShot(0, [&path] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr);
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
        });
        question->accept();
    });
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    const LoadedFont saved = LoadFontFile(path);
    ASSERT_TRUE(saved.font) << saved.error.toStdString();
    ASSERT_EQ(saved.font->set.Size(), 1);
    ASSERT_NE(saved.font->set.Find(66), nullptr);
    EXPECT_EQ(GridOf(saved.font->set.Find(66)->pattern), editor->Grid());
}

}  // namespace zrl::testing
