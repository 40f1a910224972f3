#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/colour_button.h"
#include "windows/dialogs/preview_strip.h"
#include "windows/set/character_set_window.h"
#include "windows/set/code_chart.h"
#include "windows/set/code_chart_model.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

const QString kUnifont = QStringLiteral("/usr/share/fonts/X11/misc/unifont.pcf.gz");

class UnicodeChartTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();

    void GoTo(FrmCharSet* set, const QString& text) {
        set->GoTo->setText(text);
        QTest::keyClick(set->GoTo, Qt::Key_Return);
    }
};

// Unifont opens whole; Go to takes a code in each form a person writes it, shows its block
// and makes it current, and the field shows it.
TEST_F(UnicodeChartTest, GoToFindsACodeInEveryFormAndTheFieldShowsIt) {
    if (!QFile::exists(kUnifont)) {
        GTEST_SKIP() << "xfonts-unifont is not installed";
    }
    FrmCharSet* set = forms.charSet.Get();
    ASSERT_TRUE(set->OpenFile(kUnifont));
    EXPECT_EQ(set->Set().Size(), 57086);
    set->show();
    set->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(set));
    for (const QString& text : {QStringLiteral("U+0416"), QStringLiteral("0x416"),
                                QStringLiteral("1046"), QStringLiteral("Ж")}) {
        GoTo(set, QStringLiteral("A"));
        GoTo(set, text);
        EXPECT_EQ(set->Current(), 0x416) << text.toStdString();
    }
    EXPECT_TRUE(QTest::qWaitFor([set] { return set->Chart->hasFocus(); }, 5000))
        << "the focus follows to the chart";
    QTest::keyClick(set->Chart, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([set] { return set->GoTo->hasFocus(); }, 5000))
        << "and Escape takes it back";
    const auto* model = static_cast<CodeChartModel*>(set->Chart->model());
    EXPECT_TRUE(model->data(model->IndexOf(0x416), Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral("U+0416 CYRILLIC CAPITAL LETTER ZHE, ")));
    EXPECT_EQ(model->data(model->IndexOf(0x416), Qt::AccessibleTextRole).toString(),
              model->data(model->IndexOf(0x416), Qt::ToolTipRole).toString())
        << "a screen reader hears what the tooltip says";

    // A block chosen as a user chooses it shows its first row, wherever the chart was.
    set->Chart->scrollToBottom();
    set->Blocks->setCurrentIndex(
        set->Blocks->findText(QStringLiteral("Cyrillic U+"), Qt::MatchStartsWith) - 1);
    QTest::keyClick(set->Blocks, Qt::Key_Down);
    EXPECT_EQ(set->Chart->indexAt(QPoint(2, 2)).row(), model->IndexOf(0x400).row());
    QTest::keyClick(set->Blocks, Qt::Key_Down);
    GoTo(set, QStringLiteral("U+4E2D"));
    EXPECT_TRUE(set->Blocks->currentText().startsWith(
        QStringLiteral("CJK Unified Ideographs U+4E00-U+9FFF")));
    ASSERT_EQ(set->Current(), 0x4E2D);
    EXPECT_EQ(PatternOf(editor->Grid()), set->Set().Find(0x4E2D)->pattern) << "中 in the field";
    set->PreviewText->setText(QStringLiteral("Ж"));
    EXPECT_TRUE(set->Preview->Rows().join(QString()).contains(u'#')) << "drawn by its code point";
    GoTo(set, QStringLiteral("U+110000"));
    EXPECT_EQ(set->Current(), 0x4E2D);
    EXPECT_TRUE(set->Status->text().contains(QStringLiteral("is no code")));
    GoTo(set, QStringLiteral(" "));
    EXPECT_EQ(set->Status->text(), QStringLiteral("Type a code or a character to go to"));
    GoTo(set, QStringLiteral("U+DA00"));
    EXPECT_EQ(set->Current(), 0x4E2D);
    EXPECT_EQ(set->Status->text(),
              QStringLiteral("U+DA00 is a surrogate, half of a UTF-16 pair, and no character"));
    QTest::mouseClick(editor->Cmd[0], Qt::LeftButton);
    EXPECT_TRUE(set->Status->text().startsWith(QStringLiteral("U+4E2D")))
        << "an edit replaces the refusal: " << set->Status->text().toStdString();
}

// The preview draws UTF-8 text by code point in every row of a 16-row cell, a missing
// character as an empty box, and names it under the strip.
TEST_F(UnicodeChartTest, ThePreviewShowsEveryRowAndNamesTheCharactersTheSetLacks) {
    if (!QFile::exists(kUnifont)) {
        GTEST_SKIP() << "xfonts-unifont is not installed";
    }
    FrmCharSet* set = forms.charSet.Get();
    ASSERT_TRUE(set->OpenFile(kUnifont));
    EXPECT_EQ(set->Preview->minimumHeight(), set->Preview->sizeHint().height())
        << "the strip grew with the cell, so the descenders' rows show";
    set->PreviewText->setText(QStringLiteral("Привет \U0001F600"));
    const QStringList rows = set->Preview->Rows();
    ASSERT_EQ(rows.size(), 16);
    EXPECT_TRUE(rows[14].contains(u'#')) << "р's descender";
    for (const QString& row : rows) {
        EXPECT_FALSE(row.right(16).contains(u'#')) << "the box is no lit dot";
    }
    EXPECT_EQ(set->PreviewNote->text(), QStringLiteral("Not in the set: \U0001F600"));
    set->PreviewText->setText(QStringLiteral("Привет"));
    EXPECT_TRUE(set->PreviewNote->isHidden());
    set->PreviewText->selectAll();
    set->PreviewText->insert(QString(12000, u'Ж'));  // as a paste puts it
    EXPECT_EQ(set->PreviewText->text().size(), 10000);
    EXPECT_EQ(set->PreviewNote->text(),
              QStringLiteral("The preview takes 10,000 characters at most"));
}

}  // namespace
}  // namespace zrl::testing
