#include "windows/set/character_set_window.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include "core/text/data_listing.h"
#include "platform/colour_button.h"
#include "platform/outline_font.h"
#include "platform/text_box.h"
#include "windows/dialogs/import_font_dialog.h"
#include "windows/dialogs/preview_strip.h"
#include "windows/set/code_chart.h"
#include "windows/set/code_chart_model.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

const QString kX11Font = QStringLiteral("/usr/share/fonts/X11/misc/5x7.pcf.gz");

class CharacterSetWindowTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();

    FrmCharSet* OpenSet() {
        QTest::keyClick(editor, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        FrmCharSet* set = forms.charSet.IfExists();
        EXPECT_TRUE(set != nullptr && set->isVisible());
        return set;
    }
    static CodeChartModel* Model(FrmCharSet* set) {
        return static_cast<CodeChartModel*>(set->Chart->model());
    }
    static void ClickSlot(FrmCharSet* set, int code) {
        const QModelIndex index = Model(set)->IndexOf(code);
        set->Chart->scrollTo(index);
        QTest::mouseClick(set->Chart->viewport(), Qt::LeftButton, {},
                          set->Chart->visualRect(index).center());
    }
    void ClickCell(int i) {
        QTest::mouseClick(editor->Cmd[static_cast<std::size_t>(i)], Qt::LeftButton);
    }
    // Answers the question that closing with unsaved changes asks.
    static void Answer(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(button)->click();
        });
    }
};

// Each letter underlined among these items reaches one of them, and so in their submenus.
void ExpectEachMnemonicOnce(const QList<QAction*>& actions, const QString& where) {
    QSet<QChar> seen;
    for (const QAction* action : actions) {
        const QString text = action->menu() != nullptr ? action->menu()->title() : action->text();
        const qsizetype at = text.indexOf(u'&');
        if (at >= 0 && at + 1 < text.size()) {
            const QChar letter = text[at + 1].toLower();
            EXPECT_FALSE(seen.contains(letter))
                << where.toStdString() << ": " << text.toStdString();
            seen.insert(letter);
        }
        if (action->menu() != nullptr) {
            ExpectEachMnemonicOnce(action->menu()->actions(), text);
        }
    }
}

TEST_F(CharacterSetWindowTest, NoMenuUnderlinesALetterTwice) {
    const auto* bar = forms.charSet.Get()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ExpectEachMnemonicOnce(bar->actions(), QStringLiteral("the set window's menu bar"));
    ExpectEachMnemonicOnce(editor->Actions().menu->actions(), QStringLiteral("the field's menu"));

    QWidget* listing = editor->TxtOutput->viewport();
    QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 5}, listing->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(listing, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ExpectEachMnemonicOnce(menu->actions(), QStringLiteral("the listing's menu"));
    menu->close();
}

// Open from the editor that opens nothing says why and leaves no blank set window behind.
TEST_F(CharacterSetWindowTest, AFailedOpenFromTheEditorLeavesNoSetWindow) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.bdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no font\n");
    file.close();
    QString warned;
    QTimer::singleShot(0, [&path, &warned] {
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(files, nullptr);
        files->selectFile(path);
        QTimer::singleShot(0, [&warned] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                warned = box->text();
                box->accept();
            }
        });
        static_cast<QDialog*>(files)->accept();
    });
    editor->Actions().openSet->trigger();
    EXPECT_TRUE(warned.startsWith(QStringLiteral("Not opened: broken.bdf: ")))
        << warned.toStdString();
    EXPECT_FALSE(forms.charSet.IfExists() != nullptr && forms.charSet.IfExists()->isVisible());
}

TEST_F(CharacterSetWindowTest, TheFieldEditsTheCurrentCharacterEachWithItsOwnHistory) {
    if (!QFile::exists(kX11Font)) {
        GTEST_SKIP() << "xfonts-base is not installed";
    }
    FrmCharSet* set = OpenSet();
    ASSERT_TRUE(set->OpenFile(kX11Font));
    EXPECT_EQ(set->Status->text(), QStringLiteral("1,848 characters"));
    EXPECT_EQ(set->Current(), -1) << "nothing is current until chosen";

    ClickSlot(set, 65);
    const Pattern a = set->Set().Find(65)->pattern;
    EXPECT_EQ(PatternOf(editor->Grid()), a);
    EXPECT_EQ(editor->TxtOutput->Text(), QString::fromLatin1(BuildRowData(GridOf(a))));
    EXPECT_EQ(Model(set)->data(Model(set)->IndexOf(65), Qt::AccessibleTextRole), "65, A");
    EXPECT_EQ(Model(set)->data(Model(set)->IndexOf(65), Qt::AccessibleDescriptionRole),
              "14 lit cells");

    ClickCell(4);  // A's top-right cell, unlit in X11's A
    EXPECT_TRUE(set->Set().Find(65)->pattern[4]) << "the character follows the field at once";
    EXPECT_TRUE(set->isWindowModified());

    set->Chart->setFocus();
    QTest::keyClick(set->Chart, Qt::Key_Right);
    ASSERT_EQ(set->Current(), 66);
    const Pattern b = set->Set().Find(66)->pattern;
    ClickCell(34);
    ClickCell(30);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(set->Set().Find(66)->pattern, b);
    EXPECT_FALSE(editor->Actions().undo->isEnabled()) << "B's history ends at B";
    EXPECT_TRUE(set->Set().Find(65)->pattern[4]) << "and never reaches into A";

    QTest::keyClick(set->Chart, Qt::Key_Home);
    EXPECT_EQ(set->Current(), 0);
    QTest::keyClick(set->Chart, Qt::Key_End);
    EXPECT_EQ(set->Current(), 0xFFFD);
    ClickSlot(set, 65);
    QTest::keyClick(set, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(set->Set().Find(65)->pattern, a) << "back at A, its own step comes back";

    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("x11.bdf"));
    const CharacterSet before = set->Set();
    ASSERT_TRUE(set->SaveTo(saved));
    EXPECT_FALSE(set->isWindowModified());
    EXPECT_EQ(set->windowTitle(), QStringLiteral("x11.bdf[*] - Character Set"));
    ASSERT_TRUE(set->OpenFile(saved));
    EXPECT_EQ(set->Set(), before);
    EXPECT_TRUE(reported.isEmpty());
}

TEST_F(CharacterSetWindowTest, ClosingWithUnsavedChangesAsksFirst) {
    FrmCharSet* set = OpenSet();
    ClickSlot(set, 33);
    ClickCell(12);
    ASSERT_TRUE(set->isWindowModified());

    Answer(QMessageBox::Cancel);
    set->close();
    EXPECT_TRUE(forms.charSet.Exists()) << "Cancel keeps the set";
    Answer(QMessageBox::Cancel);
    editor->close();
    EXPECT_TRUE(forms.main.Exists()) << "and the program, when the editor is closed";
    EXPECT_TRUE(set->Set().Find(33)->pattern[12]);

    Answer(QMessageBox::Discard);
    set->close();
    EXPECT_FALSE(forms.charSet.Exists());
    EXPECT_EQ(editor->History()->count(), 0) << "the field has its own history back";
    ClickCell(0);
    EXPECT_EQ(editor->History()->count(), 1);
}

TEST_F(CharacterSetWindowTest, NewAddCopyPasteDeleteAndPreview) {
    FrmCharSet* set = OpenSet();
    set->NewSet(FrmCharSet::Kind::LcdCustom);
    EXPECT_EQ(set->Set(), CharacterSet::Blank(0, 7));
    EXPECT_EQ(set->Chart->model()->rowCount(), 1);
    ASSERT_TRUE(set->AddCharacter(65));
    EXPECT_FALSE(set->AddCharacter(3)) << "a code holds one character";
    EXPECT_EQ(set->Current(), 65);
    EXPECT_EQ(set->Chart->model()->rowCount(), 5);

    ClickSlot(set, 2);
    for (int cell : {0, 6, 12, 18, 24}) {
        ClickCell(cell);
    }
    set->Commands().copy->trigger();
    EXPECT_EQ(clipboard.text, QString::fromLatin1(BuildRowData(editor->Grid())));
    ClickSlot(set, 65);
    set->Commands().paste->trigger();
    EXPECT_EQ(set->Set().Find(65)->pattern, set->Set().Find(2)->pattern);
    EXPECT_EQ(editor->History()->count(), 1) << "a paste is one step of the character";

    set->PreviewText->setText(QStringLiteral("\2A?"));
    const QStringList rows = set->Preview->Rows();
    ASSERT_EQ(rows.size(), kRows);
    EXPECT_EQ(rows[0], QStringLiteral("#.....#..........")) << "a missing character is unlit";
    EXPECT_EQ(rows[4], QStringLiteral("....#.....#......"));

    set->Commands().remove->trigger();
    EXPECT_EQ(set->Set().Find(65), nullptr);
    EXPECT_EQ(set->Current(), -1);
    EXPECT_EQ(set->Preview->Rows()[0], QStringLiteral("#................"));
    EXPECT_EQ(set->Chart->model()->rowCount(), 1);
    EXPECT_TRUE(set->isWindowModified());
}

// A new set shows its own character at the code the field showed, or a blank field.
TEST_F(CharacterSetWindowTest, ANewSetLeavesNoCharacterOfTheOldOneInTheField) {
    FrmCharSet* set = OpenSet();
    ClickSlot(set, 65);
    ClickCell(0);
    ASSERT_EQ(PatternOf(editor->Grid()).count(), 1u);
    set->NewSet(FrmCharSet::Kind::PrintableAscii);
    EXPECT_EQ(set->Current(), 65);
    EXPECT_EQ(PatternOf(editor->Grid()).count(), 0u) << "the new set's blank A";
    ClickCell(0);
    set->NewSet(FrmCharSet::Kind::LcdCustom);
    EXPECT_EQ(set->Current(), -1);
    EXPECT_EQ(PatternOf(editor->Grid()).count(), 0u) << "no A: a blank field";
}

// Tab follows the reading order: the block, Go to, the chart, the width row, the preview.
TEST_F(CharacterSetWindowTest, TabFollowsTheReadingOrder) {
    FrmCharSet* set = OpenSet();
    set->show();
    ASSERT_TRUE(QTest::qWaitFor(
        [set] {
            set->activateWindow();
            return QApplication::activeWindow() == set;
        },
        5000));
    set->NewSet(FrmCharSet::Kind::PrintableAscii);
    set->Chart->MakeCurrent(65);
    QPushButton* fit = nullptr;
    for (auto* button : set->findChildren<QPushButton*>()) {
        fit = button->text() == QStringLiteral("F&it Widths") ? button : fit;
    }
    const std::vector<QWidget*> order = {
        set->Blocks, set->GoTo,        set->Chart,     set->Width,
        fit,         set->PreviewText, set->DotColour, set->ScrollSpeed};
    set->Blocks->setFocus();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i])
            << "step " << i << ": " << QApplication::focusWidget()->metaObject()->className();
    }
}

TEST_F(CharacterSetWindowTest, TablesGoOutAndComeBackInAsOneStep) {
    FrmCharSet* set = OpenSet();
    set->NewSet(FrmCharSet::Kind::LcdCustom);
    ClickSlot(set, 1);
    ClickCell(0);
    set->Commands().copyLcd->trigger();
    EXPECT_EQ(clipboard.text,
              QString::fromStdString(set->ExportText(FrmCharSet::Format::LcdCharacters, {})));
    EXPECT_TRUE(clipboard.text.contains(QStringLiteral("{0b10000, 0b00000")));

    // A table from elsewhere: two codes, one already in the set.
    clipboard.text = QStringLiteral(
        "// 5x7 font: first code 7\r\n{\r\n 0x7E, 0x09, 0x09, 0x09, 0x7E, // 7\r\n"
        " 0x01, 0x01, 0x01, 0x01, 0x01, // 8\r\n};");
    EXPECT_EQ(set->Commands().importClipboard->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    set->Commands().importClipboard->trigger();
    ASSERT_EQ(set->Set().Size(), 9) << set->Status->text().toStdString();
    EXPECT_EQ(set->Current(), -1);
    EXPECT_EQ(editor->History()->undoText(), QStringLiteral("Import")) << "one step";
    const int steps = editor->History()->count();
    editor->Actions().undo->trigger();
    EXPECT_EQ(set->Set().Size(), 8) << "undo takes code 8 away again";
    EXPECT_EQ(set->Set().Find(7)->pattern, Pattern()) << "and gives 7 back as it was";
    EXPECT_TRUE(set->Set().Find(1)->pattern[0]);

    clipboard.text = QStringLiteral("// first code 32\n{ 0x80, 0, 0, 0, 0 }");
    const CharacterSet before = set->Set();
    set->Commands().importClipboard->trigger();
    EXPECT_EQ(set->Set(), before);
    EXPECT_TRUE(set->Status->text().startsWith(
        QStringLiteral("Not imported: character 32 (line 2): value 1 (0x80) has a dot below")));
    EXPECT_EQ(editor->History()->count(), steps) << "a refused import is no step";
}

// Spaces and letters beyond ASCII, in the folder and the name, as people name their files.
TEST_F(CharacterSetWindowTest, ASetOpensAndSavesUnderAnyNameAndShowsItInTheTitle) {
    FrmCharSet* set = OpenSet();
    ClickSlot(set, 65);
    ClickCell(12);
    const CharacterSet edited = set->Set();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Zeichensätze")));
    const QString path = dir.filePath(QStringLiteral("Zeichensätze/Ä Ø 字.bdf"));
    ASSERT_TRUE(set->SaveTo(path)) << set->Status->text().toStdString();
    EXPECT_EQ(set->windowTitle(), QStringLiteral("Ä Ø 字.bdf[*] - Character Set"));
    set->NewSet(FrmCharSet::Kind::LcdCustom);
    ASSERT_TRUE(set->OpenFile(path)) << set->Status->text().toStdString();
    EXPECT_EQ(set->Set(), edited);
    EXPECT_EQ(set->FilePath(), path);
    EXPECT_EQ(set->windowTitle(), QStringLiteral("Ä Ø 字.bdf[*] - Character Set"));
}

TEST_F(CharacterSetWindowTest, AnOutlineFontImportsAsANewUnsavedSetNamedForItsSize) {
    const QString dejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    QFile file(dejaVu);
    if (!file.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    }
    OutlineOptions twelve;
    twelve.size.pixels = 12;
    std::vector<int> printable;
    for (int code = 32; code <= 126; ++code) {
        printable.push_back(code);
    }
    const Rasterised expected = OutlineFont(file.readAll()).Rasterise(printable, twelve);
    ASSERT_TRUE(expected.font);

    FrmCharSet* set = OpenSet();
    QAction* import = nullptr;
    for (QAction* action : set->actions()) {
        import = action->text() == QLatin1String("Import &Font...") ? action : import;
    }
    ASSERT_NE(import, nullptr);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ImportFontDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->UseFile(dejaVu));
        // Each control reads to a screen reader by its visible label.
        const std::pair<QWidget*, const char*> labelled[] = {
            {dialog->Family, "Font:"},           {dialog->Style, "Style:"},
            {dialog->FromFile, "From File..."},  {dialog->Pixels, "Size:"},
            {dialog->HintingChoice, "Hinting:"}, {dialog->Threshold, "Threshold:"},
            {dialog->Characters, "Characters:"}, {dialog->Sample, "Sample text:"},
            {dialog->Import, "Import"}};
        // By its name, or, for a combo box on Linux (named for its current text), by the
        // label it is labelled by.
        for (const auto& [control, label] : labelled) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
            QStringList names = {read->text(QAccessible::Name)};
            for (const auto& [other, relation] : read->relations(QAccessible::Label)) {
                names << other->text(QAccessible::Name);
            }
            EXPECT_TRUE(names.contains(QString::fromLatin1(label))) << qPrintable(names.join('|'));
        }
        dialog->Pixels->setValue(14);
        EXPECT_EQ(dialog->Summary->text(), QStringLiteral("95 characters in a 14x15 cell."));
        dialog->Pixels->setValue(12);
        EXPECT_FALSE(dialog->Preview->Rows().join(QString()).count(u'#') == 0)
            << "the sample is drawn with the font's dots";
        dialog->Characters->setText(QStringLiteral("32-126,$4E2D"));
        EXPECT_TRUE(dialog->Summary->text().endsWith(QStringLiteral("no glyph for 1: 中.")))
            << qPrintable(dialog->Summary->text());
        dialog->Characters->setText(QStringLiteral("32-126"));
        dialog->Import->click();
        answered = true;
    });
    import->trigger();
    ASSERT_TRUE(answered);
    EXPECT_EQ(set->Set(), expected.font->set);
    EXPECT_EQ(set->windowTitle(), QStringLiteral("DejaVu Sans 12 px[*] - Character Set"));
    EXPECT_TRUE(set->isWindowModified());
}

}  // namespace
}  // namespace zrl::testing
