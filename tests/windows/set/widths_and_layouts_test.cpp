#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include "core/formats/format_table.h"
#include "core/formats/table_writer.h"
#include "windows/dialogs/export_dialog.h"
#include "windows/dialogs/preview_strip.h"
#include "windows/dialogs/read_table_dialog.h"
#include "windows/set/character_set_window.h"
#include "windows/set/code_chart.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

const QString kX11Font = QStringLiteral("/usr/share/fonts/X11/misc/5x7.pcf.gz");

class WidthsAndLayoutsTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();

    FrmCharSet* OpenSet() {
        QTest::keyClick(editor, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        return forms.charSet.IfExists();
    }
    static int WidthOf(FrmCharSet* set, char c) { return set->Set().Find(c)->width; }
};

TEST_F(WidthsAndLayoutsTest, FitWidthsNarrowsTheNarrowCharactersAndTheyStaySoWhenSaved) {
    if (!QFile::exists(kX11Font)) {
        GTEST_SKIP() << "xfonts-base is not installed";
    }
    FrmCharSet* set = OpenSet();
    ASSERT_TRUE(set->OpenFile(kX11Font));
    EXPECT_EQ(WidthOf(set, 'i'), 4) << "the font's own advance of 5, less the gap";
    EXPECT_EQ(WidthOf(set, 'M'), 4);

    set->Commands().fitWidths->trigger();
    EXPECT_EQ(WidthOf(set, 'i'), 3) << "its blank left column goes, too";
    EXPECT_EQ(WidthOf(set, 'M'), 4);
    EXPECT_EQ(WidthOf(set, ' '), 4) << "a blank character keeps its width";
    EXPECT_EQ(editor->History()->undoText(), QStringLiteral("Fit Widths"));
    editor->Actions().undo->trigger();
    EXPECT_EQ(WidthOf(set, 'i'), 4);
    editor->Actions().redo->trigger();
    const int narrow = WidthOf(set, 'i');

    // The preview spaces each character by its own advance.
    set->PreviewText->setText(QStringLiteral("ii"));
    EXPECT_EQ(set->Preview->Rows()[0].size(), narrow + 1 + 5);
    EXPECT_EQ(set->Preview->Scrolled(), 0) << "still by default";
    set->ScrollSpeed->setCurrentIndex(3);
    QTRY_VERIFY_WITH_TIMEOUT(set->Preview->Scrolled() >= 3, 10000);
    set->ScrollSpeed->setCurrentIndex(0);
    EXPECT_EQ(set->Preview->Scrolled(), 0);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("narrow.bdf"));
    ASSERT_TRUE(set->SaveTo(path));
    const CharacterSet saved = set->Set();
    ASSERT_TRUE(set->OpenFile(path));
    EXPECT_EQ(set->Set().Characters(), saved.Characters());

    // The width box edits the current character, as a step of its own history.
    set->Chart->MakeCurrent('M');
    EXPECT_TRUE(set->Width->isEnabled());
    EXPECT_EQ(set->Width->value(), 4);
    set->Width->setValue(2);
    EXPECT_EQ(WidthOf(set, 'M'), 2);
    EXPECT_EQ(set->Commands().wider->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_BracketRight));
    set->Commands().wider->trigger();
    EXPECT_EQ(WidthOf(set, 'M'), 3);
    editor->Actions().undo->trigger();  // changes of one width in a row are one step
    EXPECT_EQ(WidthOf(set, 'M'), 4);
    EXPECT_EQ(set->Width->value(), 4);
}

TEST_F(WidthsAndLayoutsTest, TheExportDialogShowsTheTextAsItWillBeWritten) {
    CharacterSet set({8, 16});
    set.Put(65, {Pattern(CellSize{8, 16}).set(0), {}});
    ExportDialog dialog(set, clipboard, nullptr);
    EXPECT_TRUE(dialog.View->toPlainText().contains(
        QStringLiteral("layout").isEmpty() ? QString() : QStringLiteral("8x16 font:")));

    dialog.Layout->setCurrentIndex(
        dialog.Layout->findText(QStringLiteral("pages"), Qt::MatchStartsWith));
    dialog.Language->setCurrentIndex(2);
    dialog.Name->setText(QStringLiteral("big"));
    const std::string expected = WriteTable(set, {ByteLayout::Pages, Language::Python, "big"});
    EXPECT_EQ(dialog.View->toPlainText(), QString::fromStdString(expected).replace("\r\n", "\n"));
    dialog.Copy->click();
    EXPECT_EQ(clipboard.text, QString::fromStdString(expected));

    dialog.Layout->setCurrentIndex(
        dialog.Layout->findText(QStringLiteral("gfxfont"), Qt::MatchStartsWith));
    EXPECT_FALSE(dialog.Language->isEnabled()) << "a GFXfont is C only";
    EXPECT_TRUE(dialog.View->toPlainText().contains(QStringLiteral("const GFXfont big PROGMEM")));

    dialog.Layout->setCurrentIndex(
        dialog.Layout->findText(QStringLiteral("lcd"), Qt::MatchStartsWith));
    EXPECT_FALSE(dialog.Copy->isEnabled());
    EXPECT_TRUE(dialog.Status->text().contains(QStringLiteral("at most 8x8")));
}

// The characters a map and a text choose, moved where the map says, dense or sparse: what
// the dialog shows is what it copies, and a map that does not parse is refused at its column.
TEST_F(WidthsAndLayoutsTest, TheExportDialogWritesTheCharactersChosen) {
    CharacterSet set;
    for (const int code : {65, 66, 0x416, 0x44F}) {
        set.Put(code, {Pattern(static_cast<unsigned long long>(code)), {}});
    }
    ExportDialog dialog(set, clipboard, nullptr);
    dialog.Characters->setText(QStringLiteral("65,$416>$C0"));
    EXPECT_TRUE(
        dialog.Chosen->text().startsWith(QStringLiteral("2 of 4 characters.\n126 blank "
                                                        "characters: 630 bytes")));
    EXPECT_TRUE(dialog.View->toPlainText().contains(QStringLiteral("\n// U+0416 at 0xC0\n")));
    dialog.Sparse->setChecked(true);
    EXPECT_TRUE(dialog.View->toPlainText().contains(QStringLiteral("font_index(uint32_t code)")));
    dialog.Copy->click();
    EXPECT_EQ(clipboard.text, dialog.Text());
    EXPECT_EQ(QString(clipboard.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
              dialog.View->toPlainText());

    dialog.Characters->setText(QStringLiteral("65-"));
    EXPECT_FALSE(dialog.Copy->isEnabled());
    EXPECT_TRUE(dialog.Status->text().endsWith(QStringLiteral("column 4: a code was expected")));
    dialog.Characters->clear();
    dialog.UseText(QByteArray("AЖ\xC3\xA4"), QStringLiteral("ui.txt"));
    EXPECT_EQ(dialog.Chosen->text(), QStringLiteral("2 of 4 characters, with the 3 characters of "
                                                    "ui.txt; not in the set: \u00E4."));
}

// LVGL's fonts name their lines and ranges; the binary one is saved, never copied.
TEST_F(WidthsAndLayoutsTest, TheExportDialogWritesLvglsFonts) {
    CharacterSet set;
    for (const int code : {65, 66, 0x416, 0x44F}) {
        set.Put(code, {Pattern(static_cast<unsigned long long>(code) << 20), {}});
    }
    ExportDialog dialog(set, clipboard, nullptr);
    dialog.Layout->setCurrentIndex(
        dialog.Layout->findText(QStringLiteral("lvgl:"), Qt::MatchStartsWith));
    EXPECT_TRUE(dialog.Version->isEnabled());
    EXPECT_TRUE(dialog.Chosen->text().endsWith(
        QStringLiteral("line_height 3, base_line 1; 1 range: 65-1103 sparse (4 codes)")))
        << dialog.Chosen->text().toStdString();
    EXPECT_TRUE(dialog.View->toPlainText().contains(QStringLiteral("--lvgl 9 --name")));
    dialog.Version->setCurrentIndex(1);
    EXPECT_TRUE(dialog.View->toPlainText().contains(QStringLiteral("--lvgl 8")));
    dialog.Layout->setCurrentIndex(
        dialog.Layout->findText(QStringLiteral("lvgl-bin"), Qt::MatchStartsWith));
    EXPECT_FALSE(dialog.Copy->isEnabled());
    EXPECT_TRUE(dialog.Save->isEnabled());
    EXPECT_EQ(dialog.Bytes().substr(4, 4), "head");
    EXPECT_TRUE(dialog.Text().startsWith(QStringLiteral("00000000: 30 00 00 00 68 65 61 64")));
}

// A sketch opened as a set: its arrays at their createChar codes, and the status line says
// how it was read.
TEST_F(WidthsAndLayoutsTest, ASketchOpensAsASetAndTheStatusLineSaysHow) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("icons.ino"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "byte up[8] = {4, 14, 31, 4, 4, 4, 4, 0};\n"
        "byte down[8] = {4, 4, 4, 4, 31, 14, 4, 0};\n"
        "void setup() { lcd.createChar(5, up); lcd.createChar(6, down); }\n");
    file.close();
    FrmCharSet* set = OpenSet();
    ASSERT_TRUE(set->OpenFile(path)) << set->Status->text().toStdString();
    EXPECT_EQ(set->Set().Size(), 2);
    EXPECT_NE(set->Set().Find(6), nullptr);
    EXPECT_TRUE(set->Status->text().endsWith(QStringLiteral("2 arrays read as one set: up, down")))
        << set->Status->text().toStdString();
}

TEST_F(WidthsAndLayoutsTest, ATableThatDoesNotSayItsLayoutIsReadAsTheUserTells) {
    const std::string rows = "{0x70, 0x88, 0x88, 0xF8, 0x88, 0x88, 0x88}";
    ReadTableDialog dialog(rows, kDefaultSize, nullptr);
    EXPECT_FALSE(dialog.Ok->isEnabled()) << "as glcd its 7 bytes are no whole character";
    EXPECT_TRUE(dialog.Result->text().startsWith(QStringLiteral("Reads nothing: ")));
    dialog.Layout->setCurrentIndex(2);  // rows-msb
    dialog.First->setValue(65);
    EXPECT_TRUE(dialog.Ok->isEnabled());
    EXPECT_EQ(dialog.Result->text(), QStringLiteral("Reads 1 character."));

    FrmCharSet* set = OpenSet();
    ASSERT_TRUE(set->ImportTable(QString::fromStdString(rows), dialog.Options()));
    EXPECT_EQ(set->Set().Find(65)->pattern.count(), 18u);
    EXPECT_EQ(editor->History()->undoText(), QStringLiteral("Import"));

    // A table in a file of its own opens as a set in its own cell.
    CharacterSet tall({8, 16});
    tall.Put(65, {Pattern(CellSize{8, 16}).set(17), {}, 3});
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tall.h"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WriteTable(tall, {*FormatNamed("gfxfont"), Language::C, "Tall"}).c_str());
    file.close();
    ASSERT_TRUE(set->OpenFile(path)) << set->Status->text().toStdString();
    EXPECT_EQ(set->Set(), tall);
    EXPECT_TRUE(set->windowTitle().startsWith(QStringLiteral("tall.h")));
}

}  // namespace
}  // namespace zrl::testing
